// SPDX-License-Identifier: LGPL-2.1-or-later
// VideoFileSource: decoding and pacing a video file.
#include "videofilesource.h"

#include <thread>
#include <unistd.h>

VideoFileSource::VideoFileSource(std::string p) : path(std::move(p)) {}

bool VideoFileSource::Open(int, int)
{
    // A missing file would send every OpenCV back end searching, each with its own warning.
    if (access(path.c_str(), R_OK) != 0)
        return false;
    // FFmpeg first: other back ends (GStreamer) add start-up delay and log noise for files.
    if (!capture.open(path, cv::CAP_FFMPEG) && !capture.open(path, cv::CAP_ANY))
        return false;
    const double rate = capture.get(cv::CAP_PROP_FPS);
    fps = (rate > 0.5 && rate < 1000.0) ? rate : 30.0;
    startUs = MonotonicMicros();
    frameIndex = 0;
    return true;
}

int VideoFileSource::Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs)
{
    if (!capture.isOpened())
        return -1;
    const int64_t due = startUs + int64_t(frameIndex * 1e6 / fps);
    int64_t now = MonotonicMicros();
    if (due > now) {
        if (due - now > int64_t(timeoutMs) * 1000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(due - now));
    }
    if (!capture.read(picture) || picture.empty()) {
        capture.release();
        return -1;
    }
    ++frameIndex;
    frameWidth = picture.cols;
    frameHeight = picture.rows;
    // The frame belongs to the moment it was due, however late it is read: a reader that falls
    // behind must not stretch a pulse's frames apart in time.
    timestampUs = due;
    adjustment.Apply(picture);
    return 1;
}

bool VideoFileSource::GetSetting(SettingGroup group, int id, SettingInfo &info)
{
    return adjustment.GetSetting(group, id, info);
}

void VideoFileSource::SetSetting(SettingGroup group, int id, int value, int flags)
{
    adjustment.SetSetting(group, id, value, flags);
}

CaptureInfo VideoFileSource::Capture() const
{
    CaptureInfo info;
    info.askedFps = fps;
    info.width = frameWidth;
    info.height = frameHeight;
    return info;
}
