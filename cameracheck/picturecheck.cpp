// SPDX-License-Identifier: GPL-3.0-or-later
// PictureCheck: the per-picture histogram and the difference to the picture before.
#include "picturecheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// Levels a pixel may change by between pictures and still count as noise; beyond it is motion.
constexpr int MaxNoiseStep = 40;
// Clipping limits: at these levels a pixel cannot show its noise.
constexpr int DarkLimit = 4;
constexpr int BrightLimit = 250;
// Pairs averaged for the noise figure; older ones fade out.
constexpr int NoiseMemory = 20;

} // namespace

void PictureCheck::Reset()
{
    figures = Figures();
    previous.clear();
    previousWidth = previousHeight = 0;
    noiseSum = 0;
    noisePairs = 0;
}

void PictureCheck::AddPicture(const uint8_t *grey, int width, int height, int stride)
{
    if (!grey || width <= 0 || height <= 0 || stride < width)
        return;
    std::array<int64_t, 256> histogram{};
    const bool comparable = previousWidth == width && previousHeight == height;
    double squares = 0;
    int64_t compared = 0;
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = grey + size_t(y) * size_t(stride);
        const uint8_t *before = comparable ? previous.constData() + size_t(y) * size_t(width) : nullptr;
        for (int x = 0; x < width; ++x) {
            const int v = row[x];
            ++histogram[size_t(v)];
            if (!before)
                continue;
            const int w = before[x];
            if (v <= DarkLimit || w <= DarkLimit || v >= BrightLimit || w >= BrightLimit)
                continue;
            const int d = v - w;
            if (std::abs(d) > MaxNoiseStep)
                continue;
            squares += double(d) * d;
            ++compared;
        }
    }

    const int64_t total = int64_t(width) * height;
    int64_t saturated = 0;
    for (int v = SaturatedLevel; v < 256; ++v)
        saturated += histogram[size_t(v)];
    int64_t below = 0;
    int median = 0;
    for (; median < 255; ++median) {
        below += histogram[size_t(median)];
        if (2 * below >= total)
            break;
    }

    ++figures.pictures;
    figures.saturatedShare = double(saturated) / double(total);
    figures.backgroundLevel = median;
    // A pair where nearly everything clipped or moved says nothing about noise.
    if (compared > total / 10) {
        const double pairNoise = std::sqrt(squares / double(compared) / 2.0);
        if (noisePairs < NoiseMemory)
            ++noisePairs;
        noiseSum += (pairNoise - noiseSum) / noisePairs;
        figures.noise = noiseSum;
        figures.noiseKnown = true;
    }

    previous.resize(int(total));
    for (int y = 0; y < height; ++y)
        std::copy_n(grey + size_t(y) * size_t(stride), width, previous.data() + size_t(y) * size_t(width));
    previousWidth = width;
    previousHeight = height;
}
