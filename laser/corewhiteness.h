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

