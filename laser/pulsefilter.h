// PulseFilter: turns the spots of consecutive frames into shots, one per laser pulse.
#pragma once

#include "spot.h"

#include <array>
#include <vector>

// A spot is a new shot unless a spot of one of the last few frames lies within the minimum
// distance (or touches it): a pulse lit over several frames, or one that flickers out for a
// frame or two, is reported in its first frame only. Within
// one frame, weaker spots near a stronger one are parts of the same light, and a frame with
// many separate lights is a change of the scene, with no shots at all. Spots that are not laser
// light are never shots but count as lit areas all the same. A new pulse that shows as a streak
// (the laser moved during the exposure) is reported one frame later, at the rounder spot of its
// next frame if there is one.
class PulseFilter
{
public:
    void Reset();
    // Writes the new shots of this frame, strongest first, up to maxShots; returns their count.
    // sceneChange: the frame changed as a whole; its spots are remembered but not reported.
    int Filter(const std::vector<Spot> &spots, int minDistance, bool sceneChange, Spot *shots,
               int maxShots);

private:
    // Spots of the last frames, the newest at index `newest`.
    std::array<std::vector<Spot>, 3> recent;
    size_t newest = 0;
    std::vector<Spot> sorted;
    std::vector<Spot> deferred; // new streaks, reported with the next frame
};
