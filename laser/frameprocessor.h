// FrameProcessor: the per-frame pipeline from a captured colour picture to buffers and shots.
#pragma once

#include "framedata.h"
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
    // picture: BGR, top row first; scaled when it is not width x height.
    void Process(const cv::Mat &picture, int width, int height, const DetectorThresholds &t,
                 const Homography &homography, FrameData &out);
    void Reset();

    // All spots of the last frame, before the one-shot-per-pulse rule.
    const std::vector<Spot> &LastSpots() const { return spots; }

private:
    SpotDetector detector;
    PulseFilter pulses;
    std::vector<Spot> spots;
    cv::Mat converted;
    cv::Mat scaled;
};
