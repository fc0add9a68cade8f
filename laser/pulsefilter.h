// PulseFilter: turns the spots of consecutive frames into shots, one per laser pulse.
#pragma once

#include "spot.h"

#include <vector>

// A spot is a new shot unless a spot of the previous frame lies within the minimum distance
// (or touches it): a pulse lit over several frames is reported in its first frame only. Within
// one frame, weaker spots near a stronger one are parts of the same light, and a frame with
// many separate lights is a change of the scene, with no shots at all.
class PulseFilter
{
public:
    void Reset();
    // Writes the new shots of this frame, strongest first, up to maxShots; returns their count.
    int Filter(const std::vector<Spot> &spots, int minDistance, Spot *shots, int maxShots);

private:
    std::vector<Spot> previous;
    std::vector<Spot> sorted;
};
