// SPDX-License-Identifier: LGPL-2.1-or-later
// Outshine: how much brighter the light just beside a spot is than the spot itself.
#pragma once

#include "spot.h"

#include <cstdint>

// Laser light adds to whatever lies under it, so a laser spot holds the brightest pixel of its
// close surroundings. Returns by how many grey levels the brightest pixel touching the spot from
// outside exceeds the brightest pixel of the spot's core, spot.coreGrey (negative when the
// core is brighter): a large value marks the fringe of a brighter area that spread at its edge,
// not a spot of its own.
// detection is 0 on spot pixels; grey and detection share stride and the spot's buffer rows.
int Outshine(const uint8_t *grey, const uint8_t *detection, int stride, int width, int height,
             const Spot &spot);

// The same in one colour channel (0-2) of the BGR picture, against the brightest pixel of the
// spot in that channel: a coloured dot on black ink beside a white ring line is brighter than
// the line in its own colour, not in grey.
int ChannelOutshine(const uint8_t *bgr, int colourStride, int channel, const uint8_t *detection,
                    int detectionStride, int width, int height, const Spot &spot);
