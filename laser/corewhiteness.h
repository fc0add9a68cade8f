// SPDX-License-Identifier: LGPL-2.1-or-later
// CoreWhiteness: how far a spot's core turns white against the colours just outside its box.
#pragma once

#include "spot.h"

#include <cstdint>

// A laser core saturates the sensor in every channel, so its weakest channel rises towards
// white, whatever the laser's colour; a brighter patch of the scene keeps the scene's colour.
// Returns the share (0-255) of the gap to white that the weakest channel of the core closes over
// the mean weakest channel of the frame around the spot's box. The core's weakest channel is
// that of the spot's brightest pixel, or the second highest among it and its eight neighbours
// when that is higher.
// bgr: 3 bytes per pixel in the rows the spot's coordinates refer to.
int CoreWhiteness(const uint8_t *bgr, int stride, int width, int height, const Spot &spot);

// A laser's light is of one colour: where it lands on something dark (the black of a ring
// target sends back a twentieth of what paper does) it saturates its own channel while the
// others barely rise, and the grey picture sees only part of that. Returns the share (0-255)
// of the gap to white that the core's strongest channel closes over the same channel around
// the spot's box, the same way as CoreWhiteness, and that channel (0 blue, 1 green, 2 red).
int CoreColourShare(const uint8_t *bgr, int stride, int width, int height, const Spot &spot,
                    int &channel);

