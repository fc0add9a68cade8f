// SPDX-License-Identifier: LGPL-2.1-or-later
// SpotCore: the laser spot inside a larger lit area, such as a moving projected target.
#pragma once

#include "spot.h"

#include <cstdint>
#include <vector>

// A laser hitting something bright that moves is lit together with it: the lit area is the
// whole object. The laser adds to what lies under it, so its core is the brightest part of the
// area, brighter than the object by more than `drop` grey levels. Finds the pixels connected
// to the area's brightest pixel that lie within `drop` of it, inside the area's box, and makes
// them the spot: position (weighted by brightness above the cut), box, size, strength and shape.
// grey: the detector's rows (bottom first when bottomUp, as the spot's box and peak are).
// mask is working space, kept by the caller so that nothing is allocated per frame.
void FindSpotCore(const uint8_t *grey, int stride, int height, bool bottomUp, int drop,
                  Spot &spot, std::vector<uint8_t> &mask, std::vector<int> &stack);
