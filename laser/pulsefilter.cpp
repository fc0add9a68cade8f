// SPDX-License-Identifier: LGPL-2.1-or-later
// PulseFilter: matching spots against those of the last frames and of their own.
#include "pulsefilter.h"

#include "spotdetector.h"

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
// Light that lingers may grow or shrink a little from frame to frame, not by this much.
constexpr int LingerGrowth = 4;
// A pulse whose first frame caught only its start shows a faint speck of a few pixels there, then
// the whole spot; a lit edge that spreads grows a few times over, not this much.
constexpr int FlareGrowth = 16;
// A target knocked down or swung away by a hit moves off within a few frames of it, as far as
// the frames kept reach back; what it uncovers is several times the laser spot's size.
constexpr int64_t KnockDownUs = 400000;
constexpr int KnockDownGrowth = 4;

// Light that lingers does not turn white. A spot whose core is white, where the light before it
// at its place was at most half as white, is a pulse coming on in full after a frame that caught
// only part of it, dimly and in its own colour.
constexpr int WhiteCore = 192;
constexpr int WhiteningShare = 2;

bool Whitened(const Spot &s, const Spot &before)
{
    return s.whiteness >= WhiteCore && s.whiteness >= WhiteningShare * before.whiteness;
}

// Whether two spots are one light: within the minimum distance, or touching.
bool SameLight(const Spot &a, const Spot &b, int minDistance)
{
    const double reach = std::max(double(minDistance),
                                  std::sqrt(a.pixels / M_PI) + std::sqrt(b.pixels / M_PI) + 1.0);
    return std::hypot(a.x - b.x, a.y - b.y) <= reach;
}

// Whether next, a spot of the frame after a pulse's first, shows that pulse in full where the
// first frame caught only its start: its light rose higher, or it holds the first one's box. A
// dot caught in full in its first frame that then moves (a trainer's recoil lifts it) spreads
// its light along the way and leaves part of that box.
bool FullerStart(const Spot &next, const Spot &first)
{
    return next.peakRise > first.peakRise
        || (next.boxX <= first.boxX && next.boxY <= first.boxY
            && first.boxX + first.width <= next.boxX + next.width
            && first.boxY + first.height <= next.boxY + next.height);
}

// Whether a frame `age` frames before this one, taken `since` microseconds ago, still holds
// light of a pulse lit now. The frame before is the pulse's previous frame even when slow
// cameras (down to 5 fps) take longer than the gap between shots between two frames.
bool WithinPulse(size_t age, int64_t since)
{
    return since < (age == 0 ? 2 * PulseFilter::ShotGapUs : PulseFilter::ShotGapUs);
}

// Distance between the nearest pixels of two spots' boxes: a streak's end may lie next to the
// previous spot while its centre does not.
double BoxGap(const Spot &a, const Spot &b)
{
    const int dx = std::max({0, a.boxX - (b.boxX + b.width), b.boxX - (a.boxX + a.width)});
    const int dy = std::max({0, a.boxY - (b.boxY + b.height), b.boxY - (a.boxY + a.height)});
    return std::hypot(dx, dy);
}

} // namespace

void PulseFilter::Reset()
{
    for (Frame &f : recent) {
        f.spots.clear();
        f.used = false;
    }
    deferred.clear();
}

bool PulseFilter::Continues(const Spot &s, int minDistance, int64_t timeUs) const
{
    const int travel = std::max(minDistance, PulseTravel);
    int hit = 0; // the largest laser spot under s in the time a hit target takes to fall
    for (size_t age = 0; age < recent.size(); ++age) {
        const Frame &f = recent[(newest + recent.size() - age) % recent.size()];
        if (!f.used)
            break;
        const int64_t since = timeUs - f.timeUs;
        const bool held = WithinPulse(age, since);
        // A pulse that fades below the threshold for a frame or two of a slow camera and comes
        // back on the very place it left is still that pulse; a second shot lands elsewhere
        // or comes later.
        const bool gap = age <= ReappearFrames && since < ReappearUs;
        const bool knockDown = since < KnockDownUs;
        if (!held && !gap && !knockDown)
            break;
        for (const Spot &p : f.spots) {
            // Light that is no laser's lingers where it was: a spot on it, not much smaller, is
            // that light; a small spot on a large lit thing (a projected target that moves) is
            // not, and neither is a pulse caught in full after a speck of its start.
            // A held pulse's faint light stays on its place: only what overlaps it carries on.
            if (held
                && (p.laser ? BoxGap(s, p) <= (p.fading ? 0.0 : travel)
                            : BoxGap(s, p) <= 1.0 && p.pixels <= LingerGrowth * s.pixels
                                 && s.pixels <= FlareGrowth * p.pixels && !Whitened(s, p)))
                return true;
            if (gap && p.laser && BoxGap(s, p) <= 0.0)
                return true;
            if (knockDown && p.laser && BoxGap(s, p) <= 0.0)
                hit = std::max(hit, p.pixels);
        }
    }
    // A target that falls or swings away when hit uncovers what lay behind it: an area far
    // larger than the laser spot that hit it moments before, over that spot. A second pulse on
    // the same place is no larger than the first one's full spot, however small its last,
    // fading frame was.
    return hit > 0 && s.pixels >= KnockDownGrowth * hit;
}

bool PulseFilter::HeldOver(const Spot &s, int64_t timeUs) const
{
    for (size_t age = 0; age < recent.size(); ++age) {
        const Frame &f = recent[(newest + recent.size() - age) % recent.size()];
        if (!f.used || !WithinPulse(age, timeUs - f.timeUs))
            break;
        for (const Spot &p : f.spots)
            if (p.laser && BoxGap(s, p) <= 0.0)
                return true;
    }
    return false;
}

int PulseFilter::Filter(const std::vector<Spot> &spots, int minDistance, bool sceneChange,
                        int64_t timeUs, Spot *shots, int maxShots)
{
    // The lists change places with those of the last frames: each holds as many spots as a
    // frame can have from the start, so that none grows while the camera runs.
    if (sorted.capacity() < SpotDetector::MaxAreas) {
        sorted.reserve(SpotDetector::MaxAreas);
        deferred.reserve(SpotDetector::MaxAreas);
        for (Frame &f : recent)
            f.spots.reserve(SpotDetector::MaxAreas);
    }
    sorted.assign(spots.begin(), spots.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const Spot &a, const Spot &b) { return a.strength > b.strength; });
    int n = 0;
    sceneChange = sceneChange
        || size_t(std::count_if(sorted.begin(), sorted.end(),
                                [](const Spot &s) { return !s.fading; }))
            > SceneChangeAreas;
    // Streaks of the previous frame are reported now, in this frame's rounder spot of the same
    // pulse where there is one.
    for (const Spot &d : deferred) {
        const Spot *best = &d;
        for (const Spot &s : sorted)
            if (!sceneChange && s.laser && SameLight(s, d, minDistance)
                && (d.colourOnly ? s.strength > best->strength && FullerStart(s, d)
                                 : s.elongation < best->elongation))
                best = &s;
        if (n < maxShots)
            shots[n++] = *best;
    }
    deferred.clear();
    for (size_t i = 0; i < sorted.size() && !sceneChange; ++i) {
        Spot &s = sorted[i];
        // Too faint to be a spot, it carries on a laser spot it lies over; else it is nothing.
        if (s.fading) {
            s.laser = HeldOver(s, timeUs);
            continue;
        }
        // A pulse lit in one of the last frames was reported then.
        bool known = Continues(s, minDistance, timeUs);
        // A weaker area beside a stronger one is a fragment of its halo, not a second shot;
        // but a laser spot on a large lit thing is no fragment of that thing.
        // A faint area that carries nothing on is no light at all.
        for (size_t j = 0; j < i && !known; ++j)
            known = (sorted[j].laser || !sorted[j].fading) && SameLight(s, sorted[j], minDistance)
                && (sorted[j].laser || sorted[j].pixels <= LingerGrowth * s.pixels);
        if (known || !s.laser)
            continue;
        if (s.elongation >= StreakElongation || s.colourOnly)
            deferred.push_back(s);
        else if (n < maxShots)
            shots[n++] = s;
    }
    sorted.erase(std::remove_if(sorted.begin(), sorted.end(),
                                [](const Spot &s) { return s.fading && !s.laser; }),
                 sorted.end());
    // A frame that changed as a whole has no areas traced; what was lit before is taken to be
    // lit still, so that it is not new when the scene settles.
    const size_t previous = newest;
    newest = (newest + 1) % recent.size();
    if (sceneChange && sorted.empty() && recent[previous].used)
        sorted = recent[previous].spots;
    // The oldest frame's list is reused for this one.
    recent[newest].spots.swap(sorted);
    recent[newest].timeUs = timeUs;
    recent[newest].used = true;
    return n;
}
