// SPDX-License-Identifier: GPL-3.0-or-later
// FootageVariant: an altered copy of a recording made frame by frame while it is read, so that
// detection can be checked beyond the pictures it was developed on without writing new videos.
#pragma once

#include <opencv2/core.hpp>

#include <string>
#include <utility>

// Variants:
//   copy     unchanged pictures
//   hflip    mirrored left to right          vflip    upside down
//   dark80   every level at 80 %, as a camera whose white stays at 204
//   gamma07  mid-tones brighter              gamma14  mid-tones darker
//   noise4   sensor noise, sigma 4 levels per channel (the same noise on every run)
//   s1280    scaled to 1280 x 720        s1920    scaled to 1920 x 1080
//   s320     scaled to 320 x 240, each axis on its own (cameras without a 640 x 480 mode)
class FootageVariant
{
public:
    // False for an unknown name.
    bool Select(const std::string &name);
    static const char *Names();

    // The changed picture; `picture` itself when the variant is `copy`.
    const cv::Mat &Apply(const cv::Mat &picture);

    // Where a centre of a sourceWidth x sourceHeight picture lies after the change (pixel
    // indices, as in a manifest).
    std::pair<double, double> Move(std::pair<double, double> p, int sourceWidth,
                                   int sourceHeight) const;
    // How far a pixel of the source spans in the changed picture, per axis.
    std::pair<double, double> Scale(int sourceWidth, int sourceHeight) const;
    // The position tolerance (per axis, source pixels) in pixels of the changed picture.
    std::pair<double, double> Tolerance(std::pair<double, double> tolerance, int sourceWidth,
                                        int sourceHeight) const;

    // Starts the noise over, so that every recording gets the same noise on every run.
    void Restart();

private:
    enum class Kind { Copy, HFlip, VFlip, Levels, Noise, Size };
    Kind kind = Kind::Copy;
    cv::Mat table;
    cv::Size size;
    cv::RNG rng;
    cv::Mat noise;
    cv::Mat changed;
};
