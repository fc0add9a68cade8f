// PulseFilter: matching spots against those of the last frames and of their own.
#include "pulsefilter.h"

#include <algorithm>
#include <cmath>

namespace {

// More separate lights in one frame than a frame can report are a change of the scene
// (lighting, exposure, a moving projected picture), not laser shots.
constexpr size_t SceneChangeAreas = LASER_MAX_SPOTS;
// A spot this much longer than wide is a streak: the laser moved while the frame was exposed,
// and its centre lies somewhere along the way. The pulse's next frame, if it is lit, usually
// holds a rounder spot where the laser came to rest.
constexpr double StreakElongation = 2.5;

// Whether two spots are one light: within the minimum distance, or touching.
bool SameLight(const Spot &a, const Spot &b, int minDistance)
{
    const double reach = std::max(double(minDistance),
                                  std::sqrt(a.pixels / M_PI) + std::sqrt(b.pixels / M_PI) + 1.0);
    return std::hypot(a.x - b.x, a.y - b.y) <= reach;
}

} // namespace

void PulseFilter::Reset()
{
    for (std::vector<Spot> &spots : recent)
        spots.clear();
    deferred.clear();
}

int PulseFilter::Filter(const std::vector<Spot> &spots, int minDistance, bool sceneChange,
                        Spot *shots, int maxShots)
{
    sorted.assign(spots.begin(), spots.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const Spot &a, const Spot &b) { return a.strength > b.strength; });
    int n = 0;
    sceneChange = sceneChange || sorted.size() > SceneChangeAreas;
    // Streaks of the previous frame are reported now, in this frame's rounder spot of the same
    // pulse where there is one.
    for (const Spot &d : deferred) {
        const Spot *best = &d;
        for (const Spot &s : sorted)
            if (!sceneChange && s.laser && s.elongation < best->elongation
                && SameLight(s, d, minDistance))
                best = &s;
        if (n < maxShots)
            shots[n++] = *best;
    }
    deferred.clear();
    for (size_t i = 0; i < sorted.size() && !sceneChange; ++i) {
        const Spot &s = sorted[i];
        // A pulse lit in one of the last frames was reported then.
        bool known = false;
        for (const std::vector<Spot> &earlier : recent)
            known = known || std::any_of(earlier.begin(), earlier.end(), [&](const Spot &p) {
                        return SameLight(s, p, minDistance);
                    });
        // A weaker area beside a stronger one is a fragment of its halo, not a second shot.
        for (size_t j = 0; j < i && !known; ++j)
            known = SameLight(s, sorted[j], minDistance);
        if (known || !s.laser)
            continue;
        if (s.elongation >= StreakElongation)
            deferred.push_back(s);
        else if (n < maxShots)
            shots[n++] = s;
    }
    // The oldest frame's list is reused for this one.
    newest = (newest + 1) % recent.size();
    recent[newest].swap(sorted);
    return n;
}
