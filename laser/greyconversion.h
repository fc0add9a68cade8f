// SPDX-License-Identifier: LGPL-2.1-or-later
// GreyConversion: the grey level of every pixel of a BGR row, as the detection sees it.
#pragma once

#include <cstdint>

// Writes width grey levels from width BGR pixels: (3735 B + 19235 G + 9798 R + 16384) >> 15,
// the luma weights of ITU-R BT.601 in 15-bit fixed point, the same levels OpenCV's
// COLOR_BGR2GRAY gives. A row at a time, so that a caller converts each row while it is still
// in the cache from being written.
void BgrRowToGrey(const uint8_t *bgr, uint8_t *grey, int width);
