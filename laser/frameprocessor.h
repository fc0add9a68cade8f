// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameProcessor: the per-frame pipeline from a captured colour picture to buffers and shots.
#pragma once

#include "framedata.h"
#include "picturescaler.h"
#include "pulsefilter.h"
#include "spotdetector.h"

#include <opencv2/core.hpp>

class Homography;

// Flips the picture into the program's bottom-first buffers, makes grey and detection buffers,
// finds spots, keeps new pulses only and maps them through the perspective correction.
// Allocates only when the picture size changes.
class FrameProcessor
{
public:
    // picture: BGR, top row first, captured at timestampUs (microseconds, any steadily rising
    // clock); scaled to width x height when it is another size.
    // With colourReady the picture is already in out.colour (width x height, bottom row first)
    // and `picture` is not read.
    void Process(const cv::Mat &picture, int64_t timestampUs, int width, int height,
                 const DetectorThresholds &t, const Homography &homography, FrameData &out,
                 bool colourReady = false);
    // For pictures without a capture time: each taken one 30 fps frame after the last.
    void Process(const cv::Mat &picture, int width, int height, const DetectorThresholds &t,
                 const Homography &homography, FrameData &out);
    void Reset();

    // All spots of the last frame, before the one-shot-per-pulse rule.
    const std::vector<Spot> &LastSpots() const { return spots; }

private:
    SpotDetector detector;
    PulseFilter pulses;
    std::vector<Spot> spots;
    std::vector<uint8_t> coreMask;
    std::vector<int> coreStack;
    int64_t untimedUs = 0;
    PictureScaler scaler;
    cv::Mat converted;
};
