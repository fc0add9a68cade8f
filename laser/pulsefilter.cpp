// PulseFilter: matching spots against those of the previous frame.
#include "pulsefilter.h"

#include <algorithm>
#include <cmath>

void PulseFilter::Reset()
{
    previous.clear();
}

int PulseFilter::Filter(const std::vector<Spot> &spots, int minDistance, Spot *shots, int maxShots)
{
    fresh.clear();
    for (const Spot &s : spots) {
        const double rs = std::sqrt(s.pixels / M_PI);
        bool seen = false;
        for (const Spot &p : previous) {
            // A spot that wanders while lit still overlaps its last position.
            const double reach = std::max(double(minDistance), rs + std::sqrt(p.pixels / M_PI) + 1.0);
            if (std::hypot(s.x - p.x, s.y - p.y) <= reach) {
                seen = true;
                break;
            }
        }
        if (!seen)
            fresh.push_back(s);
    }
    previous.assign(spots.begin(), spots.end());
    std::sort(fresh.begin(), fresh.end(),
              [](const Spot &a, const Spot &b) { return a.strength > b.strength; });
    const int n = std::min(int(fresh.size()), maxShots);
    std::copy(fresh.begin(), fresh.begin() + n, shots);
    return n;
}
