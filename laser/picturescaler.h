// SPDX-License-Identifier: LGPL-2.1-or-later
// PictureScaler: brings a camera picture of any size to the size the program asked for.
#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

// Each axis is scaled on its own, so a 1280 x 720 picture fills 640 x 480 and a spot keeps its
// place relative to the picture. Shrinking averages the area every output pixel covers (a small
// laser spot keeps its light instead of falling between samples); growing interpolates. The
// result is written with its rows in either order, so the flip into the program's bottom-first
// buffers costs nothing extra. Allocates only when a size changes.
class PictureScaler
{
public:
    // picture: BGR, top row first, any size. out: width x height BGR with the given stride.
    // With grey, also its grey levels (rows in the same order), each row converted as soon as
    // it is written, while it is still in the cache.
    void Scale(const cv::Mat &picture, int width, int height, uint8_t *out, int outStride,
               bool bottomUp, uint8_t *grey = nullptr, int greyStride = 0);

    // The taps of one axis: output i averages source[start[i] ... start[i] + count[i] - 1] with
    // weights (summing to 256) from weights[first[i]] on.
    struct Taps
    {
        std::vector<int> start;
        std::vector<int> count;
        std::vector<int> first;
        std::vector<uint16_t> weights;
        int from = 0;
        int to = 0;
    };
    // Area weights for shrinking `from` samples to `to` (to <= from).
    static void AreaTaps(int from, int to, Taps &taps);

private:
    void Shrink(const cv::Mat &picture, int width, int height, uint8_t *out, int outStride,
                bool bottomUp, uint8_t *grey, int greyStride);

    Taps rows;
    Taps columns;
    std::vector<uint8_t> line;  // one source-width row, averaged over its source rows
    std::vector<uint8_t> means; // the same, averaged along the row at every byte
    cv::Mat grown;
};
