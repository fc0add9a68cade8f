// SPDX-License-Identifier: GPL-3.0-or-later
// FrameFeed: the pictures a device films (a wall, the simulator, a recording) and their encoding.
#pragma once

#include "deviceconfig.h"

#include <opencv2/core.hpp>
#include <opencv2/videoio.hpp>

#include <cstdint>
#include <memory>
#include <vector>

class SimulatorSource;

// Frames are asked for by their number in the stream, which only grows; a frame that no buffer
// takes is skipped without being decoded or rendered.
class FrameFeed
{
public:
    FrameFeed();
    ~FrameFeed();

    // Starts a stream at width x height; streamIndex picks the recording of a manifest.
    bool Start(const FeedConfig &config, int width, int height, double fps, int streamIndex);
    // The picture of frame k (BGR, width x height); false when the source has nothing more.
    bool Frame(long k, cv::Mat &picture);
    // The recording's own frame rate, 0 for rendered sources.
    double SourceFps() const { return sourceFps; }

private:
    bool OpenVideo(const std::string &path);
    bool NextVideoFrame(bool decode);

    FeedConfig config;
    int width = 640;
    int height = 480;
    double fps = 30.0;
    std::unique_ptr<SimulatorSource> simulator;
    cv::VideoCapture video;
    std::string videoPath;
    double sourceFps = 0.0;
    long position = 0; // next frame the video reader will give
    cv::Mat last;
};

// The videos a footage manifest names, with their folder, in order.
std::vector<std::string> ManifestVideos(const std::string &manifestPath);

// Writes a BGR picture as the format's bytes; the size returned, 0 when it does not fit.
size_t EncodeYuyv(const cv::Mat &bgr, uint8_t *out, size_t capacity);
size_t EncodeJpeg(const cv::Mat &bgr, bool withoutHuffmanTables, uint8_t *out, size_t capacity);
// A JPEG with its DHT segments left out, as many webcams send it (the decoder uses the standard tables).
std::vector<uint8_t> StripHuffmanTables(const std::vector<uint8_t> &jpeg);
