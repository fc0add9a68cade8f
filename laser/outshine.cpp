// SPDX-License-Identifier: LGPL-2.1-or-later
// Outshine: brightest pixel of a spot's core against the brightest pixel touching it from outside.
#include "outshine.h"

#include <algorithm>

namespace {

// How much brighter than `inside` the brightest pixel touching the spot from outside is, with
// value(x, y) the brightness of a pixel.
template <typename Value>
int Outside(const uint8_t *detection, int stride, int width, int height, const Spot &spot,
            Value value, int inside)
{
    const int x0 = spot.boxX, x1 = spot.boxX + spot.width - 1;
    const int y0 = spot.boxY, y1 = spot.boxY + spot.height - 1;
    auto inSpot = [&](int x, int y) {
        return x >= x0 && x <= x1 && y >= y0 && y <= y1 && detection[long(y) * stride + x] == 0;
    };
    int outside = 0;
    // Pixels within one of the box are either the spot's or may touch it.
    for (int y = std::max(0, y0 - 1); y <= std::min(height - 1, y1 + 1); ++y)
        for (int x = std::max(0, x0 - 1); x <= std::min(width - 1, x1 + 1); ++x) {
            const int g = value(x, y);
            if (inSpot(x, y))
                continue;
            if (g <= outside)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = inSpot(x + dx, y + dy);
            if (touches)
                outside = g;
        }
    return outside - inside;
}

} // namespace

int Outshine(const uint8_t *grey, const uint8_t *detection, int stride, int width, int height,
             const Spot &spot)
{
    return Outside(detection, stride, width, height, spot,
                   [&](int x, int y) { return int(grey[long(y) * stride + x]); }, spot.coreGrey);
}

int ChannelOutshine(const uint8_t *bgr, int colourStride, int channel, const uint8_t *detection,
                    int detectionStride, int width, int height, const Spot &spot)
{
    const auto value = [&](int x, int y) { return int(bgr[long(y) * colourStride + 3 * x + channel]); };
    int inside = 0;
    for (int y = spot.boxY; y < spot.boxY + spot.height; ++y)
        for (int x = spot.boxX; x < spot.boxX + spot.width; ++x)
            if (detection[long(y) * detectionStride + x] == 0)
                inside = std::max(inside, value(x, y));
    return Outside(detection, detectionStride, width, height, spot, value, inside);
}
