// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2Source: a real camera grabbed through V4L2 memory-mapped buffers.
#pragma once

#include "framesource.h"
#include "mjpegdecoder.h"

#include <cstdint>
#include <vector>

// The capture format to ask for among those a device offers.
uint32_t ChooseV4L2Format(const std::vector<uint32_t> &offered);
// One captured buffer (MJPEG, YUYV or BGR24) as a BGR picture; false when it is unusable.
bool DecodeV4L2Frame(uint32_t pixelFormat, const void *data, size_t bytes, int width, int height,
                     int bytesPerLine, cv::Mat &picture);
// The same with the capture thread's MJPEG decoder, which may decode a large frame reduced to no
// less than wantWidth x wantHeight.
// With bottomUp non-null an MJPEG frame that decodes at exactly the wanted size is written bottom
// row first, and *bottomUp says whether it was.
bool DecodeV4L2Frame(MjpegDecoder &decoder, uint32_t pixelFormat, const void *data, size_t bytes,
                     int width, int height, int bytesPerLine, int wantWidth, int wantHeight,
                     cv::Mat &picture, bool *bottomUp = nullptr);

// Opens at the size asked for (the processor scales what the driver will not give), prefers
// MJPEG, and keeps four buffers queued so that a capture thread held up for a few frame periods
// loses no frame.
class V4L2Source : public FrameSource
{
public:
    explicit V4L2Source(std::string node);
    ~V4L2Source() override;

    bool Open(int width, int height) override;
    int Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs) override;
    bool GetSetting(SettingGroup group, int id, SettingInfo &info) override;
    void SetSetting(SettingGroup group, int id, int value, int flags) override;
    std::string Node() const override { return node; }
    std::vector<LaserControl> Controls() override;
    bool ControlMenuItem(uint32_t id, int index, std::string &name) override;
    bool GetControl(uint32_t id, int &value) override;
    bool SetControl(uint32_t id, int value) override;
    bool AllowBottomUp() override { return bottomUpAllowed = true; }
    bool BottomUp() const override { return lastBottomUp; }
    CaptureInfo Capture() const override { return capture; }

private:
    static constexpr uint32_t MaxFrameRate = 60;

    struct Buffer
    {
        void *start = nullptr;
        size_t length = 0;
    };

    void Close();
    // Asks for the highest frame rate up to MaxFrameRate the device offers at the set format.
    void AskFrameRate();
    int Ioctl(unsigned long request, void *arg) const;

    std::string node;
    int fd = -1;
    uint32_t pixelFormat = 0;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    std::vector<Buffer> buffers;
    bool streaming = false;
    // Frame rate, sequence gaps and decode failures, kept on the grabbing thread.
    CaptureInfo capture;
    MjpegDecoder decoder;
    int askedWidth = 0;
    int askedHeight = 0;
    bool bottomUpAllowed = false;
    bool lastBottomUp = false;
};
