// FrameProcessor: flip, grey conversion, detection, pulse rule and perspective correction.
#include "frameprocessor.h"

#include "homography.h"

#include <opencv2/imgproc.hpp>

void FrameProcessor::Reset()
{
    detector.Reset();
    pulses.Reset();
}

void FrameProcessor::Process(const cv::Mat &picture, int width, int height,
                             const DetectorThresholds &t, const Homography &homography,
                             FrameData &out)
{
    out.Resize(width, height);
    const cv::Mat *source = &picture;
    if (picture.cols != width || picture.rows != height) {
        cv::resize(picture, scaled, cv::Size(width, height), 0, 0, cv::INTER_AREA);
        source = &scaled;
    }
    cv::Mat colour(height, width, CV_8UC3, out.colour.data(), size_t(out.colourStride));
    cv::Mat grey(height, width, CV_8UC1, out.grey.data(), size_t(out.greyStride));
    cv::flip(*source, colour, 0);
    cv::cvtColor(colour, grey, cv::COLOR_BGR2GRAY);
    out.peak = detector.Detect(out.grey.data(), out.greyStride, width, height, true,
                               out.detection.data(), out.greyStride, t, spots);
    out.shotCount = pulses.Filter(spots, t.minDistance, out.shots, LASER_MAX_SPOTS);
    for (int i = 0; i < out.shotCount; ++i)
        homography.Map(out.shots[i].x, out.shots[i].y, &out.shots[i].cx, &out.shots[i].cy);
}
