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
    double sum = 0.0, sx = 0.0, sy = 0.0, mx = 0.0, my = 0.0, mxx = 0.0, myy = 0.0, mxy = 0.0;
    int count = 0, x0 = spot.peakColumn, x1 = x0, y0 = spot.peakRow, y1 = y0;
    stack.clear();
    stack.push_back((spot.peakRow - spot.boxY) * bw + spot.peakColumn - spot.boxX);
    mask[size_t(stack.back())] = 1;
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int px = spot.boxX + p % bw, py = spot.boxY + p / bw;
        const double w = at(px, py) - cut + 1;
        sum += w;
        sx += w * (px + 0.5);
        sy += w * (py + 0.5);
        const double ex = px - spot.peakColumn, ey = py - spot.peakRow;
        mx += ex;
        my += ey;
        mxx += ex * ex;
        myy += ey * ey;
        mxy += ex * ey;
        ++count;
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
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
    spot.x = sx / sum;
    spot.y = sy / sum;
    if (bottomUp)
        spot.y = height - spot.y;
    spot.strength = sum;
    spot.pixels = count;
    spot.boxX = x0;
    spot.boxY = y0;
    spot.width = x1 - x0 + 1;
    spot.height = y1 - y0 + 1;
    SpotShape(count, mx, my, mxx, myy, mxy, spot);
}
