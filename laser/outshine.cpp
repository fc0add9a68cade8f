// Outshine: brightest pixel of a spot's core against the brightest pixel touching it from outside.
#include "outshine.h"

#include <algorithm>

int Outshine(const uint8_t *grey, const uint8_t *detection, int stride, int width, int height,
             const Spot &spot)
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
            const int g = grey[long(y) * stride + x];
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
    return outside - spot.coreGrey;
}
