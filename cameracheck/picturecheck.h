// SPDX-License-Identifier: GPL-3.0-or-later
// PictureCheck: how bright, how saturated and how noisy a camera's grey pictures are.
#pragma once

#include <QVector>

#include <cstdint>

// Fed with grey pictures of one camera as they come. The background level is the median grey
// level, so a few bright spots (a laser dot, a lamp) do not raise it. The noise is temporal:
// the spread of a pixel's level from one picture to the next (divided by the square root of
// two, so it is one picture's own noise); pixels at black or white are left out, where clipping
// hides noise, and so are pixels that changed by more than a moving thing or a shot would
// allow, so that a hand waving through the picture does not count as noise.
class PictureCheck
{
public:
    struct Figures
    {
        int pictures = 0;           // pictures looked at since the last Reset
        double saturatedShare = 0;  // share of pixels at 250 or more, 0-1, of the last picture
        int backgroundLevel = 0;    // median grey level of the last picture
        double noise = 0;           // grey levels, standard deviation; valid when noiseKnown
        bool noiseKnown = false;
    };

    // Grey levels from which a pixel counts as saturated.
    static constexpr int SaturatedLevel = 250;

    void Reset();
    // A picture of width x height one-byte pixels, rows `stride` bytes apart.
    void AddPicture(const uint8_t *grey, int width, int height, int stride);
    Figures Result() const { return figures; }

private:
    Figures figures;
    QVector<uint8_t> previous;
    int previousWidth = 0;
    int previousHeight = 0;
    // Noise as a running mean over the picture pairs seen, so one odd pair does not rule.
    double noiseSum = 0;
    int noisePairs = 0;
};
