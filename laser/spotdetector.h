// SPDX-License-Identifier: LGPL-2.1-or-later
// SpotDetector: finds laser spots in a grey picture against a slowly adapting background.
#pragma once

#include "areasums.h"
#include "dimblocks.h"
#include "spot.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// A pixel is a laser pixel when it is brighter than the background model by more than the
// luminance threshold; connected laser pixels of an allowed size make a spot whose centre is
// weighted by brightness above the threshold. Works in buffer rows; the caller says whether
// the rows run bottom first, so that spots come out in upright coordinates.
class SpotDetector
{
public:
    // Areas beyond this count are not traced: a frame that is suddenly bright everywhere (a
    // light switched on) must not cost the whole frame time.
    static constexpr size_t MaxAreas = 256;

    // Forgets the background; the next frame becomes it.
    void Reset();

    // grey and detection share width and height; detection receives 0 for laser pixels and
    // at least 1 elsewhere. Spots (every accepted area, unsorted) replace the contents of spots.
    // Returns the peak brightness of the frame.
    int Detect(const uint8_t *grey, int greyStride, int width, int height, bool bottomUp,
               uint8_t *detection, int detectionStride, const DetectorThresholds &thresholds,
               std::vector<Spot> &spots);

    // Whether so many pixels of the last frame moved far from the background, up or down, that
    // the scene changed as a whole (then no spots are reported).
    bool SceneChanged() const { return sceneChanged; }
    // Whether so many pixels moved that something large moves in the picture (a person, a
    // projected target), though the scene as a whole stays.
    bool Stirred() const { return stirred; }
    // Pixels of the last frame around s (its box widened by its own size on every side) that
    // fell well below the background and the scene's memory: the trail a bright thing leaves
    // where it moved away from.
    int DarkenedAround(const uint8_t *grey, int greyStride, const Spot &s) const;
    // Whether a quarter or more of the ring around s (its box widened by its own size, at least
    // RingLeast pixels, on every side; the box itself left out) moved far from the background
    // either way in the last frame, to something the scene's memory does not hold: s is part
    // of, or touches, something that moves. Where something moved away, the scene it uncovers
    // is calm again.
    bool MovesAround(const uint8_t *grey, int greyStride, const Spot &s) const;
    static constexpr int RingLeast = 6;
    // Whether a quarter or more of the ring around s (as MovesAround's) fell from the background
    // back to what the scene's memory holds in the last frame: s stands where something bright
    // lay a moment ago and moved away. A small spot's ring is mostly such a wake; a large thing
    // that moves leaves a wake that is a thin part of its own ring.
    bool LeftBehind(const uint8_t *grey, int greyStride, const Spot &s) const;
    // An area longer than this share of the picture's width is no laser dot.
    static constexpr double LongShare = 0.1;

    // Areas of the last frame dropped before they became spots: larger than the largest spot,
    // or too faint to stand out of the noise (only those of a few pixels or more, not specks).
    // Each carries its reason in `rejected`.
    static constexpr int MaxDropped = LASER_MAX_REJECTED;
    const Spot *Dropped() const { return dropped; }
    int DroppedCount() const { return droppedCount; }

private:
    void Fill(int start, const uint8_t *grey, int greyStride, int width, int height,
              bool bottomUp, const DetectorThresholds &t, std::vector<Spot> &spots);
    void Drop(const AreaSums &area, int height, bool bottomUp, int reason);
    // Traces the dim areas: connected pixels that rose by the least rise, within DimBlocks
    // found while marking, that hold no marked pixel (those are the rims of marked areas).
    void TraceDim(const uint8_t *grey, int greyStride, uint8_t *detection,
                  int detectionStride, int width, int height, bool bottomUp,
                  const DetectorThresholds &t, std::vector<Spot> &spots);
    // The spot of an area whose brightest pixel is topAt, rising from bInt to g; its core and
    // lingering light judged against the scene's memory when leftBehind.
    Spot Judge(const AreaSums &area, int topAt, int g, int bInt, const uint8_t *grey,
               int greyStride, int width, int height, bool bottomUp, bool leftBehind = false);
    // LeftBehind for the box from (x0, y0) to (x1, y1), inclusive.
    bool LeftBehind(const uint8_t *grey, int greyStride, int x0, int y0, int x1, int y1) const;
    // Whether counts(x, y, pixel index) holds for a quarter or more of the ring around the box
    // from (x0, y0) to (x1, y1): the box widened by its own size, at least RingLeast pixels, on
    // every side, the box itself left out.
    template <typename Counts>
    bool RingShare(int x0, int y0, int x1, int y1, Counts counts) const;
    // The background of pixel p before this frame's step towards grey level g, lit as its row.
    int BackgroundBefore(int p, int g) const;
    // Stamps the pixels of the area just filled as part of a large lit area of this frame.
    void MarkLarge(const uint8_t *grey, int greyStride, int width);

    Spot dropped[MaxDropped];
    DimBlocks dim;
    int droppedCount = 0;

    std::vector<int16_t> background; // grey level with four fraction bits
    std::vector<uint8_t> weight;      // brightness above background + threshold, 0: not laser
    std::vector<uint16_t> memory;     // the scene over the last seconds, eight fraction bits
    std::vector<int> rowGain;         // how each row of the last frame was lit against the background
    std::vector<int64_t> rowBackground; // each row's background light, as the row gain weighs it
    std::vector<uint8_t> rowMarked;     // whether the last frame marked a pixel in each row
    // The frame count (low 24 bits) at which each pixel last belonged to an area too large or
    // too long to be a spot, shifted over its grey level then; frameCount counts frames from
    // 2, so that 0 is never the frame before.
    static constexpr uint32_t StampMask = 0xffffff;
    std::vector<uint32_t> largeAt;
    uint32_t frameCount = 1;
    int memoryRow = 0;                // the first row the memory follows in the next frame
    std::vector<int> stack;
    std::vector<int> visited; // every pixel of the area being filled
    int bgWidth = 0;
    int bgHeight = 0;
    bool primed = false;
    int changed = 0;
    bool sceneChanged = false;
    bool stirred = false;
    int noise = 0;       // mean distance of a pixel from the background, eight fraction bits
    int noiseBefore = 0; // the same before this frame
};

// Whether a spot whose brightest pixel reached peak over background closes enough of the gap
// between the background and white to be laser light: threshold/255 of it.
bool ClosesGapToWhite(int background, int peak, int threshold);

// A camera whose white stays below 255 (a darker one) leaves a wider gap to white than the
// light can close. The gap is never counted as more than this many times the picture's noise:
// at the default threshold a spot that rises some seventeen times the mean deviation of the
// picture (about fourteen standard deviations) stands out of it on any camera. Such a spot is
// faint, and must pass stricter tests of its shape than one that closes the gap.
constexpr int NoiseGap = 40;
// Whether rise stands out of noise (the mean deviation, eight fraction bits; 0: not measured
// yet) by threshold/255 of NoiseGap times it.
bool StandsOutOfNoise(int rise, int noise, int threshold);
