// SPDX-License-Identifier: LGPL-2.1-or-later
// SimulatorSource: background, noise and laser-disc rendering, paced in real time.
#include "simulatorsource.h"

#include "homography.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <thread>
#include <unistd.h>

namespace {

// Enough distinct noise patterns that no pattern repeats in a regular rhythm.
constexpr int NoiseFrames = 6;
// The pause after the last scripted shot before a looping scenario starts over, ms.
constexpr double LoopGapMs = 1000.0;

uint32_t Hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

} // namespace

SimulatorSource::SimulatorSource(Scenario s) : scenario(std::move(s)) {}

bool SimulatorSource::Open(int w, int h)
{
    width = w > 0 ? w : 640;
    height = h > 0 ? h : 480;
    if (!BuildBackground())
        return false;
    startUs = MonotonicMicros();
    frameIndex = 0;
    return true;
}

bool SimulatorSource::BuildBackground()
{
    const int level = std::clamp(scenario.brightness, 0, 255);
    cv::Mat content;
    if (scenario.backgroundKind == "image") {
        if (access(scenario.backgroundImage.c_str(), R_OK) != 0)
            return false;
        content = cv::imread(scenario.backgroundImage, cv::IMREAD_COLOR);
        if (content.empty())
            return false;
        // brightness scales the image: 255 keeps it as it is.
        content.convertTo(content, -1, level / 255.0, 0);
    } else if (scenario.backgroundKind == "rings") {
        const int size = 500;
        content = cv::Mat(size, size, CV_8UC3, cv::Scalar::all(level));
        const cv::Scalar line = cv::Scalar::all(level / 3);
        for (int ring = 1; ring <= 10; ++ring)
            cv::circle(content, cv::Point(size / 2, size / 2), ring * 24, line, 2, cv::LINE_AA);
        cv::circle(content, cv::Point(size / 2, size / 2), 72, line, cv::FILLED, cv::LINE_AA);
    } else {
        content = cv::Mat(64, 64, CV_8UC3, cv::Scalar::all(level));
    }

    cv::Mat background;
    if (scenario.hasScreen) {
        // A screen seen at an angle: the content warped onto it, a darker room around.
        const cv::Point2f from[4] = {{0.f, 0.f}, {float(content.cols), 0.f},
                                     {0.f, float(content.rows)},
                                     {float(content.cols), float(content.rows)}};
        cv::Point2f to[4];
        for (int i = 0; i < 4; ++i)
            to[i] = cv::Point2f(float(scenario.screen[i][0]), float(scenario.screen[i][1]));
        const cv::Mat m = cv::getPerspectiveTransform(from, to);
        background = cv::Mat(height, width, CV_8UC3, cv::Scalar::all(level * 2 / 5));
        cv::warpPerspective(content, background, m, background.size(), cv::INTER_LINEAR,
                            cv::BORDER_TRANSPARENT);
    } else {
        cv::resize(content, background, cv::Size(width, height), 0, 0, cv::INTER_LINEAR);
    }

    noisyBackgrounds.clear();
    cv::RNG rng(0x5eed);
    for (int i = 0; i < NoiseFrames; ++i) {
        cv::Mat noise(height, width, CV_16SC3);
        rng.fill(noise, cv::RNG::NORMAL, 0.0, scenario.noise);
        cv::Mat frame;
        cv::add(background, noise, frame, cv::noArray(), CV_8UC3);
        noisyBackgrounds.push_back(frame);
    }
    return true;
}

ScenarioShot SimulatorSource::RandomShot(long index) const
{
    ScenarioShot s;
    s.t = (index + 1) * scenario.randomEveryMs;
    const uint32_t h1 = Hash(uint32_t(index) * 2 + 1), h2 = Hash(uint32_t(index) * 2 + 2);
    const double u = 100 + (h1 % 801), v = 100 + (h2 % 801); // inside the screen's margin
    static const double square[4][2] = {{0, 0}, {1000, 0}, {0, 1000}, {1000, 1000}};
    s.onScreen = true;
    s.sx = u;
    s.sy = v;
    double h[9];
    if (SolveHomography(square, scenario.screen, h))
        ApplyHomography(h, u, v, &s.x, &s.y);
    s.ms = 120.0;
    s.radius = 3.0;
    s.green = (index % 2) == 1;
    s.intensity = 255;
    return s;
}

void SimulatorSource::DrawShot(cv::Mat &picture, const ScenarioShot &shot) const
{
    // A disc with a one-pixel soft edge on each side of its radius, brightest in the core.
    const double r = std::max(0.5, shot.radius);
    const int x0 = std::max(0, int(std::floor(shot.x - r - 2))),
              x1 = std::min(picture.cols - 1, int(std::ceil(shot.x + r + 2)));
    const int y0 = std::max(0, int(std::floor(shot.y - r - 2))),
              y1 = std::min(picture.rows - 1, int(std::ceil(shot.y + r + 2)));
    const double strength = std::clamp(shot.intensity, 0, 255);
    // B, G, R: the laser's own colour full, the others less, so the core turns whitish.
    const double mainPart = 1.0, otherPart = 0.55;
    const double add[3] = {otherPart, shot.green ? mainPart : otherPart,
                           shot.green ? otherPart : mainPart};
    for (int y = y0; y <= y1; ++y) {
        uint8_t *row = picture.ptr<uint8_t>(y);
        for (int x = x0; x <= x1; ++x) {
            const double d = std::hypot(x + 0.5 - shot.x, y + 0.5 - shot.y);
            const double a = std::clamp((r + 1.0 - d) / 2.0, 0.0, 1.0);
            if (a <= 0.0)
                continue;
            for (int c = 0; c < 3; ++c)
                row[3 * x + c] = cv::saturate_cast<uint8_t>(row[3 * x + c] + a * strength * add[c]);
        }
    }
}

void SimulatorSource::Render(double tMs, cv::Mat &picture)
{
    noisePick = Hash(noisePick + 1);
    noisyBackgrounds[noisePick % noisyBackgrounds.size()].copyTo(picture);
    const double period = 1000.0 / scenario.fps;
    double t = tMs;
    if (scenario.loop && !scenario.shots.empty() && scenario.randomEveryMs <= 0.0)
        t = std::fmod(tMs, scenario.ScriptLength() + LoopGapMs);
    for (const ScenarioShot &s : scenario.shots)
        if (s.t < t + period && s.t + s.ms > t)
            DrawShot(picture, s);
    if (scenario.randomEveryMs > 0.0) {
        const long last = long(std::floor((tMs + period) / scenario.randomEveryMs)) - 1;
        for (long i = std::max(0L, last - 2); i <= last; ++i) {
            const ScenarioShot s = RandomShot(i);
            if (s.t < tMs + period && s.t + s.ms > tMs)
                DrawShot(picture, s);
        }
    }
    adjustment.Apply(picture);
}

int SimulatorSource::Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs)
{
    const double periodUs = 1e6 / scenario.fps;
    const int64_t due = startUs + int64_t(frameIndex * periodUs);
    const double tMs = (due - startUs) / 1000.0;
    if (!scenario.loop && scenario.randomEveryMs <= 0.0
        && tMs > scenario.ScriptLength() + 2 * periodUs / 1000.0 + 200.0)
        return -1;
    const int64_t now = MonotonicMicros();
    if (due > now) {
        if (due - now > int64_t(timeoutMs) * 1000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(due - now));
    }
    Render(tMs, picture);
    ++frameIndex;
    // The frame belongs to the moment it was due, however late it is read: a reader that falls
    // behind must not stretch a pulse's frames apart in time.
    timestampUs = due;
    return 1;
}

bool SimulatorSource::GetSetting(SettingGroup group, int id, SettingInfo &info)
{
    return adjustment.GetSetting(group, id, info);
}

void SimulatorSource::SetSetting(SettingGroup group, int id, int value, int flags)
{
    adjustment.SetSetting(group, id, value, flags);
}

CaptureInfo SimulatorSource::Capture() const
{
    CaptureInfo info;
    info.askedFps = scenario.fps;
    info.width = width;
    info.height = height;
    return info;
}
