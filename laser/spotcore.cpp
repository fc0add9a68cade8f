// SPDX-License-Identifier: LGPL-2.1-or-later
// SpotCore: a flood fill from an area's brightest pixel over the pixels near its brightness.
#include "spotcore.h"

#include "spotdetector.h"

#include <algorithm>

void FindSpotCore(const uint8_t *grey, int stride, int height, bool bottomUp, int drop,
                  Spot &spot, std::vector<uint8_t> &mask, std::vector<int> &stack)
{
    const int bw = spot.width, bh = spot.height;
    mask.assign(size_t(bw) * bh, 0);
    auto at = [&](int x, int y) { return int(grey[long(y) * stride + x]); };
    const int cut = at(spot.peakColumn, spot.peakRow) - drop;
    AreaSums area(spot.peakColumn, spot.peakRow);
    stack.clear();
    stack.push_back((spot.peakRow - spot.boxY) * bw + spot.peakColumn - spot.boxX);
    mask[size_t(stack.back())] = 1;
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int px = spot.boxX + p % bw, py = spot.boxY + p / bw;
        area.Add(px, py, at(px, py) - cut + 1);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = px + dx - spot.boxX, ny = py + dy - spot.boxY;
                if (nx < 0 || ny < 0 || nx >= bw || ny >= bh || mask[size_t(ny * bw + nx)])
                    continue;
                if (at(spot.boxX + nx, spot.boxY + ny) < cut)
                    continue;
                mask[size_t(ny * bw + nx)] = 1;
                stack.push_back(ny * bw + nx);
            }
    }
    area.Describe(height, bottomUp, spot);
}
