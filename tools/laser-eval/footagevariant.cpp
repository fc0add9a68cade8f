// SPDX-License-Identifier: GPL-3.0-or-later
// FootageVariant: pictures and centres of an altered recording.
#include "footagevariant.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

cv::Mat LevelTable(double gamma, double gain)
{
    cv::Mat table(1, 256, CV_8U);
    for (int i = 0; i < 256; ++i)
        table.at<uint8_t>(i) =
            cv::saturate_cast<uint8_t>(std::pow(i / 255.0, gamma) * 255.0 * gain + 0.5);
    return table;
}

} // namespace

const char *FootageVariant::Names()
{
    return "copy hflip vflip dark80 gamma07 gamma14 noise4 s1280 s1920 s320";
}

bool FootageVariant::Select(const std::string &name)
{
    table.release();
    size = cv::Size();
    if (name == "copy")
        kind = Kind::Copy;
    else if (name == "hflip")
        kind = Kind::HFlip;
    else if (name == "vflip")
        kind = Kind::VFlip;
    else if (name == "dark80") {
        // level * 205 / 256, as an integer camera pipeline would scale it
        kind = Kind::Levels;
        table.create(1, 256, CV_8U);
        for (int i = 0; i < 256; ++i)
            table.at<uint8_t>(i) = uint8_t(i * 205 >> 8);
    } else if (name == "gamma07" || name == "gamma14") {
        kind = Kind::Levels;
        table = LevelTable(name == "gamma07" ? 0.7 : 1.4, 1.0);
    } else if (name == "noise4")
        kind = Kind::Noise;
    else if (name == "s1280" || name == "s1920" || name == "s320") {
        kind = Kind::Size;
        size = name == "s1280" ? cv::Size(1280, 720)
            : name == "s1920"  ? cv::Size(1920, 1080)
                               : cv::Size(320, 240);
    } else
        return false;
    Restart();
    return true;
}

void FootageVariant::Restart()
{
    rng = cv::RNG(1);
}

const cv::Mat &FootageVariant::Apply(const cv::Mat &picture)
{
    switch (kind) {
    case Kind::Copy:
        return picture;
    case Kind::HFlip:
        cv::flip(picture, changed, 1);
        break;
    case Kind::VFlip:
        cv::flip(picture, changed, 0);
        break;
    case Kind::Levels:
        cv::LUT(picture, table, changed);
        break;
    case Kind::Noise:
        noise.create(picture.size(), CV_32FC3);
        rng.fill(noise, cv::RNG::NORMAL, 0.0, 4.0);
        picture.convertTo(changed, CV_32FC3);
        changed += noise;
        changed.convertTo(changed, CV_8UC3); // rounds and clips
        break;
    case Kind::Size:
        cv::resize(picture, changed, size, 0, 0,
                   size.width < picture.cols ? cv::INTER_AREA : cv::INTER_LINEAR);
        break;
    }
    return changed;
}

std::pair<double, double> FootageVariant::Scale(int sourceWidth, int sourceHeight) const
{
    if (kind != Kind::Size || sourceWidth <= 0 || sourceHeight <= 0)
        return {1.0, 1.0};
    return {size.width / double(sourceWidth), size.height / double(sourceHeight)};
}

std::pair<double, double> FootageVariant::Tolerance(std::pair<double, double> tolerance,
                                                    int sourceWidth, int sourceHeight) const
{
    // The same distance on the wall as in the recording. A centre is measured on pixels, so a
    // tolerance holds half a pixel for where within its pixel a spot's light falls; a coarser
    // picture moves centres by half of its own, larger pixels. A finer one made from the
    // recording knows no more than the recording did.
    const auto s = Scale(sourceWidth, sourceHeight);
    const auto axis = [](double t, double scale) {
        return t * scale + 0.5 * std::max(0.0, 1.0 - scale);
    };
    return {axis(tolerance.first, s.first), axis(tolerance.second, s.second)};
}

std::pair<double, double> FootageVariant::Move(std::pair<double, double> p, int sourceWidth,
                                               int sourceHeight) const
{
    switch (kind) {
    case Kind::HFlip:
        return {sourceWidth - 1 - p.first, p.second};
    case Kind::VFlip:
        return {p.first, sourceHeight - 1 - p.second};
    case Kind::Size: {
        // Pixel i spans [i, i + 1) and scales with the picture; its centre i + 0.5 follows.
        const auto s = Scale(sourceWidth, sourceHeight);
        return {(p.first + 0.5) * s.first - 0.5, (p.second + 0.5) * s.second - 0.5};
    }
    default:
        return p;
    }
}
