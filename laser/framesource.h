// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameSource: what a camera grabs its pictures from (a V4L2 device, a video file, a simulator).
#pragma once

#include "laser.h"

#include <opencv2/core.hpp>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// One driver or emulated setting as the C interface reports it.
struct SettingInfo
{
    int minimum = 0;
    int maximum = 0;
    int step = 0;
    int value = 0;
    int defaultValue = 0;
    int flags = 0; // 2 manual, 1 automatic
};

// What a source knows of its capture beyond the pictures, read after every Grab.
struct CaptureInfo
{
    double askedFps = 0.0;      // the rate the device or file is set to; 0 unknown
    bool sequenceKnown = false; // drops are counted from the driver's sequence numbers
    uint32_t lastSequence = 0;
    int64_t sequenceDrops = 0;  // frames missing between consecutive sequence numbers
    int64_t decodeFailures = 0; // frames that arrived but gave no picture
    int width = 0;              // delivered size, before scaling
    int height = 0;
    uint32_t pixelFormat = 0;   // V4L2 fourcc; 0 for virtual sources
    bool sequenceStarted = false;

    // A frame the driver numbered `number`: a jump in the numbers counts the frames the driver
    // lost between it and the frame before (no free buffer, USB bandwidth). A number that goes
    // back (the stream restarted) starts counting afresh.
    void Sequence(uint32_t number)
    {
        if (sequenceStarted && number > lastSequence)
            sequenceDrops += number - lastSequence - 1;
        lastSequence = number;
        sequenceStarted = true;
    }
};

// Settings are addressed as the C interface does: filter ids 0-9, camera ids 0-6.
enum class SettingGroup { Filter, Camera };

// A source of BGR pictures. Grab runs on the camera's thread; the settings calls come from
// the program's thread and must be safe alongside it.
class FrameSource
{
public:
    virtual ~FrameSource() = default;

    virtual bool Open(int width, int height) = 0;
    // 1: a picture (top row first unless BottomUp()) with its capture time; 0: none within timeoutMs;
    // -1: the source is gone (unplugged, file ended).
    virtual int Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs) = 0;

    virtual bool GetSetting(SettingGroup group, int id, SettingInfo &info) = 0;
    virtual void SetSetting(SettingGroup group, int id, int value, int flags) = 0;
    // Device node for the system's settings window; empty for virtual sources.
    virtual std::string Node() const { return {}; }

    // Every control of the driver; virtual sources have none.
    virtual std::vector<LaserControl> Controls() { return {}; }
    virtual bool ControlMenuItem(uint32_t /*id*/, int /*index*/, std::string & /*name*/) { return false; }
    virtual bool GetControl(uint32_t /*id*/, int & /*value*/) { return false; }
    virtual bool SetControl(uint32_t /*id*/, int /*value*/) { return false; }

    // Called on the grabbing thread after each Grab.
    virtual CaptureInfo Capture() const { return {}; }

    // From now on a picture of the asked size may come bottom row first, written straight into
    // the picture's buffer as the library keeps its frames, where that saves the source a copy:
    // true when this source may do so. BottomUp() tells after each Grab whether it did.
    virtual bool AllowBottomUp() { return false; }
    virtual bool BottomUp() const { return false; }
};

// Microseconds of the monotonic clock, the clock V4L2 stamps its buffers with.
inline int64_t MonotonicMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
