// SPDX-License-Identifier: LGPL-2.1-or-later
// VideoFileSource: a video file played as a camera at the file's own frame rate.
#pragma once

#include "framesource.h"
#include "pictureadjustment.h"

#include <opencv2/videoio.hpp>

// At the end of the file the source reports itself gone, like an unplugged camera.
class VideoFileSource : public FrameSource
{
public:
    explicit VideoFileSource(std::string path);

    bool Open(int width, int height) override;
    int Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs) override;
    bool GetSetting(SettingGroup group, int id, SettingInfo &info) override;
    void SetSetting(SettingGroup group, int id, int value, int flags) override;
    CaptureInfo Capture() const override;

    double FramesPerSecond() const { return fps; }

private:
    std::string path;
    cv::VideoCapture capture;
    PictureAdjustment adjustment;
    double fps = 30.0;
    int frameWidth = 0;
    int frameHeight = 0;
    int64_t startUs = 0;
    int64_t frameIndex = 0;
};
