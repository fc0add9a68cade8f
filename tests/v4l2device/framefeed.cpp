// SPDX-License-Identifier: GPL-3.0-or-later
// FrameFeed: rendering, recording playback and YUYV / MJPEG encoding.
#include "framefeed.h"

#include "scenario.h"
#include "simulatorsource.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>

FrameFeed::FrameFeed() = default;
FrameFeed::~FrameFeed() = default;

std::vector<std::string> ManifestVideos(const std::string &manifestPath)
{
    std::vector<std::string> videos;
    try {
        cv::FileStorage fs(manifestPath, cv::FileStorage::READ | cv::FileStorage::FORMAT_JSON);
        const size_t slash = manifestPath.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : manifestPath.substr(0, slash);
        for (const cv::FileNode &r : fs["recordings"])
            videos.push_back(folder + "/" + std::string(r["video"]));
    } catch (const cv::Exception &) {
    }
    return videos;
}

bool FrameFeed::Start(const FeedConfig &c, int w, int h, double f, int streamIndex)
{
    config = c;
    width = w;
    height = h;
    fps = f > 0 ? f : 30.0;
    simulator.reset();
    video.release();
    sourceFps = 0.0;
    position = 0;
    last.release();
    switch (config.kind) {
    case FeedConfig::Kind::Wall:
    case FeedConfig::Kind::Demo:
    case FeedConfig::Kind::Scenario: {
        Scenario s;
        if (config.kind == FeedConfig::Kind::Demo)
            s = Scenario::Demo();
        else if (config.kind == FeedConfig::Kind::Scenario && !Scenario::FromFile(config.path, s))
            return false;
        s.fps = fps; // the device decides the rate; shots keep their times
        simulator = std::make_unique<SimulatorSource>(s);
        return simulator->Open(width, height);
    }
    case FeedConfig::Kind::Video:
        return OpenVideo(config.path);
    case FeedConfig::Kind::Manifest: {
        const std::vector<std::string> videos = ManifestVideos(config.path);
        if (streamIndex < 0 || streamIndex >= int(videos.size()))
            return true; // played through: the camera films nothing more
        return OpenVideo(videos[size_t(streamIndex)]);
    }
    }
    return false;
}

bool FrameFeed::OpenVideo(const std::string &path)
{
    videoPath = path;
    if (!video.open(path))
        return false;
    const double rate = video.get(cv::CAP_PROP_FPS);
    sourceFps = rate > 0.5 && rate < 1000.0 ? rate : 30.0;
    return true;
}

bool FrameFeed::NextVideoFrame(bool decode)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool ok = decode ? video.read(last) && !last.empty() : video.grab();
        if (ok) {
            ++position;
            return true;
        }
        if (!config.loop || config.kind != FeedConfig::Kind::Video || !video.open(videoPath))
            return false;
    }
    return false;
}

bool FrameFeed::Frame(long k, cv::Mat &picture)
{
    if (simulator) {
        simulator->Render(k * 1000.0 / fps, picture);
        return !picture.empty();
    }
    if (!video.isOpened())
        return false;
    while (position < k)
        if (!NextVideoFrame(false))
            return false;
    if (position == k && !NextVideoFrame(true))
        return false;
    if (last.cols == width && last.rows == height)
        picture = last;
    else
        cv::resize(last, picture, cv::Size(width, height), 0, 0, cv::INTER_AREA);
    return true;
}

size_t EncodeYuyv(const cv::Mat &bgr, uint8_t *out, size_t capacity)
{
    const size_t bytes = size_t(bgr.cols) * bgr.rows * 2;
    if (bytes > capacity || bgr.cols % 2)
        return 0;
    // BT.601 with the studio range, the inverse of what decoders of webcam YUYV assume.
    for (int y = 0; y < bgr.rows; ++y) {
        const uint8_t *p = bgr.ptr<uint8_t>(y);
        uint8_t *o = out + size_t(y) * bgr.cols * 2;
        for (int x = 0; x < bgr.cols; x += 2, p += 6, o += 4) {
            const int b0 = p[0], g0 = p[1], r0 = p[2], b1 = p[3], g1 = p[4], r1 = p[5];
            const int y0 = (66 * r0 + 129 * g0 + 25 * b0 + 128) / 256 + 16;
            const int y1 = (66 * r1 + 129 * g1 + 25 * b1 + 128) / 256 + 16;
            const int r = (r0 + r1) / 2, g = (g0 + g1) / 2, b = (b0 + b1) / 2;
            const int u = (-38 * r - 74 * g + 112 * b + 128) / 256 + 128;
            const int v = (112 * r - 94 * g - 18 * b + 128) / 256 + 128;
            o[0] = uint8_t(std::clamp(y0, 0, 255));
            o[1] = uint8_t(std::clamp(u, 0, 255));
            o[2] = uint8_t(std::clamp(y1, 0, 255));
            o[3] = uint8_t(std::clamp(v, 0, 255));
        }
    }
    return bytes;
}

std::vector<uint8_t> StripHuffmanTables(const std::vector<uint8_t> &jpeg)
{
    std::vector<uint8_t> out;
    out.reserve(jpeg.size());
    size_t i = 0;
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return jpeg;
    out.insert(out.end(), jpeg.begin(), jpeg.begin() + 2);
    i = 2;
    // Segments up to the start of scan; the entropy-coded data after it is copied as it is.
    while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
        const uint8_t marker = jpeg[i + 1];
        const size_t length = size_t(jpeg[i + 2]) << 8 | jpeg[i + 3];
        if (marker == 0xDA)
            break;
        if (marker != 0xC4)
            out.insert(out.end(), jpeg.begin() + long(i), jpeg.begin() + long(std::min(jpeg.size(), i + 2 + length)));
        i += 2 + length;
    }
    out.insert(out.end(), jpeg.begin() + long(std::min(i, jpeg.size())), jpeg.end());
    return out;
}

size_t EncodeJpeg(const cv::Mat &bgr, bool withoutHuffmanTables, uint8_t *out, size_t capacity)
{
    std::vector<uint8_t> jpeg;
    if (!cv::imencode(".jpg", bgr, jpeg, {cv::IMWRITE_JPEG_QUALITY, 90}))
        return 0;
    if (withoutHuffmanTables)
        jpeg = StripHuffmanTables(jpeg);
    if (jpeg.size() > capacity)
        return 0;
    std::memcpy(out, jpeg.data(), jpeg.size());
    return jpeg.size();
}
