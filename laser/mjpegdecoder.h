// SPDX-License-Identifier: LGPL-2.1-or-later
// MjpegDecoder: a camera's JPEG frames to BGR pictures through libjpeg-turbo's TurboJPEG API.
#pragma once

#include <opencv2/core.hpp>

#include <cstddef>

// One decoder per capture thread (the TurboJPEG handle is not shared). A frame larger than the
// asked size is decoded at 1/2 or 1/4 of its size where that still leaves at least the asked
// size on both axes: the scaling happens inside the inverse DCT, which saves most of the work.
// A truncated or corrupt frame is refused rather than shown half grey.
class MjpegDecoder
{
public:
    MjpegDecoder();
    ~MjpegDecoder();
    MjpegDecoder(const MjpegDecoder &) = delete;
    MjpegDecoder &operator=(const MjpegDecoder &) = delete;

    // wantWidth, wantHeight 0: full size. The picture's buffer is reused when it fits. With
    // bottomUp non-null, a picture that comes out at exactly the wanted size is written bottom row
    // first, and *bottomUp says whether it was.
    bool Decode(const void *data, size_t bytes, int wantWidth, int wantHeight, cv::Mat &picture,
                bool *bottomUp = nullptr);

    // 1, 2 or 4: the reduction for a width x height frame so that neither axis falls below the
    // wanted size.
    static int Reduction(int width, int height, int wantWidth, int wantHeight);

private:
    void *handle = nullptr;
};
