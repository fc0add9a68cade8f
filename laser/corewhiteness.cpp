// SPDX-License-Identifier: LGPL-2.1-or-later
// CoreWhiteness: the weakest colour channel of a spot's core against its surroundings.
#include "corewhiteness.h"

#include <algorithm>

namespace {

// The frame around the box keeps clear of the spot's coloured rim.
constexpr int Margin = 3;

inline int WeakestChannel(const uint8_t *p)
{
    return std::min({p[0], p[1], p[2]});
}

// Calls visit(row, x) for every pixel of the frame Margin pixels outside the spot's box.
template <typename Visit>
void WalkFrame(int width, int height, const Spot &spot, Visit visit)
{
    const int x0 = std::max(0, spot.boxX - Margin);
    const int x1 = std::min(width - 1, spot.boxX + spot.width - 1 + Margin);
    const int y0 = std::max(0, spot.boxY - Margin);
    const int y1 = std::min(height - 1, spot.boxY + spot.height - 1 + Margin);
    for (int y = y0; y <= y1; ++y) {
        const bool edgeRow = y == y0 || y == y1;
        for (int x = x0; x <= x1; x += edgeRow ? 1 : std::max(1, x1 - x0))
            visit(y, x);
    }
}

} // namespace

int CoreWhiteness(const uint8_t *bgr, int stride, int width, int height, const Spot &spot)
{
    long sum = 0;
    int count = 0;
    WalkFrame(width, height, spot, [&](int y, int x) {
        sum += WeakestChannel(bgr + long(y) * stride + 3 * x);
        ++count;
    });
    const int around = count ? int(sum / count) : 0;
    // Sensor noise can pull a single channel of the brightest pixel down; a core is white as well
    // when two of the pixels around it are, never because a single pixel beside it is.
    int whitest = 0, second = 0;
    for (int y = std::max(0, spot.peakRow - 1); y <= std::min(height - 1, spot.peakRow + 1); ++y)
        for (int x = std::max(0, spot.peakColumn - 1); x <= std::min(width - 1, spot.peakColumn + 1);
             ++x) {
            const int v = WeakestChannel(bgr + long(y) * stride + 3 * x);
            second = std::max(second, std::min(whitest, v));
            whitest = std::max(whitest, v);
        }
    const int core = std::max(
        WeakestChannel(bgr + long(spot.peakRow) * stride + 3 * spot.peakColumn), second);
    if (around >= 255)
        return core >= 255 ? 255 : 0;
    return std::clamp((core - around) * 255 / (255 - around), 0, 255);
}

int CoreColourShare(const uint8_t *bgr, int stride, int width, int height, const Spot &spot,
                    int &channel)
{
    long sums[3] = {0, 0, 0};
    int count = 0;
    WalkFrame(width, height, spot, [&](int y, int x) {
        const uint8_t *p = bgr + long(y) * stride + 3 * x;
        for (int c = 0; c < 3; ++c)
            sums[c] += p[c];
        ++count;
    });
    int best = 0;
    channel = 2;
    for (int c = 0; c < 3; ++c) {
        const int around = count ? int(sums[c] / count) : 0;
        // The second brightest of the peak's neighbourhood: one noisy pixel is no core.
        int first = 0, second = 0;
        for (int y = std::max(0, spot.peakRow - 1); y <= std::min(height - 1, spot.peakRow + 1); ++y)
            for (int x = std::max(0, spot.peakColumn - 1);
                 x <= std::min(width - 1, spot.peakColumn + 1); ++x) {
                const int v = bgr[long(y) * stride + 3 * x + c];
                second = std::max(second, std::min(first, v));
                first = std::max(first, v);
            }
        const int share =
            around >= 255 ? 0 : std::clamp((second - around) * 255 / (255 - around), 0, 255);
        if (share > best) {
            best = share;
            channel = c;
        }
    }
    return best;
}
