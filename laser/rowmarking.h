// SPDX-License-Identifier: LGPL-2.1-or-later
// RowMarking: the passes of the detection along one row of a frame against its background.
#pragma once

#include "dimblocks.h"

#include <algorithm>
#include <cstdint>

namespace RowMarking {

// Background follows the picture with 1/8 of the difference per frame: a spot that appears
// stands out at once, lighting that drifts is absorbed within a few frames. It is kept with
// four fraction bits so that every step fits 16-bit lanes.
constexpr int BackgroundShift = 3;
constexpr int FractionBits = 4;
// A pixel that moved this far from the background either way counts as changed; many changed
// pixels at once are a change of the scene.
constexpr int ChangeLevel = 24;
// Row gains: GainBits fraction bits; mains flicker and auto exposure light a row by a quarter
// more or a fifth less at most between two frames; more is a change of the scene. Rows darker
// than DarkRowLevel on average keep their light.
constexpr int GainBits = 12;
constexpr int LeastRowGain = (1 << GainBits) * 4 / 5;
constexpr int MostRowGain = (1 << GainBits) * 5 / 4;
constexpr int DarkRowLevel = 12;

// The scene's memory moves 1/2^MemoryShift of the way to the picture in each row it follows.
constexpr int MemoryShift = 5; // MemoryShare 32

// The luminance threshold T (0-255) asks a spot's brightest pixel to close T/255 of the gap
// between the background and white: a laser core drives a pixel most of the way to saturation
// whatever lies under it, while reflections, shadows and compression noise brighten it by a
// small share, and a spot on a bright wall cannot rise further than white. The spot's extent is
// where the rise falls to EdgeShare of that, and never less than T/10 grey levels, so that the
// faint flicker of a bright surface stays outside.
constexpr int EdgeShareNumerator = 2;
constexpr int EdgeShareDenominator = 5;

// Scale for the needed rise: threshold x EdgeShare in 16-bit fixed point against the room
// below white, which carries FractionBits.
inline int EdgeScale(int threshold)
{
    return threshold * EdgeShareNumerator * (1 << FractionBits) / EdgeShareDenominator;
}

inline int LeastRise(int threshold)
{
    return std::max(1, threshold / 10);
}

// The rise a pixel needs to belong to a spot, for a background with fraction bits.
inline int NeededRise(int backgroundFraction, int threshold)
{
    const int room = (255 << FractionBits) - backgroundFraction;
    return std::max(LeastRise(threshold), (room * EdgeScale(threshold)) >> 16);
}

// A row's light as the background holds it, times the row's gain (GainBits fraction bits): a
// lamp flickering with the mains, or exposure stepping, lights whole rows of a rolling-shutter
// camera more or less at once, and a laser spot rises above its own row's light.
inline int LitBackground(int b, int gain)
{
    return std::min(255 << FractionBits, (b * gain) >> GainBits);
}

// Marks the pixels from `from` to `to` of a row against its background lit by gain (see the
// definition), moves the background 1/8 of the way to the picture, and leaves in
// backgroundSum the moved background's light as BackgroundRowSum weighs it. Returns whether
// some pixel was marked.
bool MarkRow(const uint8_t *g, int16_t *bg, uint8_t *w, uint8_t *det, int from, int to,
             int threshold, int gain, uint8_t &peak, int &changed, int64_t &deviation,
             DimBlocks &dim, int64_t &backgroundSum);
// The light of a row of the background (four fraction bits) as RowGain weighs it.
int64_t BackgroundRowSum(const int16_t *bg, int width);
// The gain (GainBits fraction bits) that lights a row's background as the row is lit now.
int RowGain(const uint8_t *g, int64_t backgroundSum, int width);
// Moves one row of the scene's memory (eight fraction bits) 1/2^MemoryShift of the way to g.
void FollowRow(const uint8_t *g, uint16_t *memory, int width);

} // namespace RowMarking
