// SPDX-License-Identifier: LGPL-2.1-or-later
// SpotDetector: a frame against its background: scene change, flood fill and judging of lit areas.
#include "spotdetector.h"

#include "rowmarking.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace RowMarking;

namespace {

// A light switched on, exposure stepping or the camera moving changes a large part of the
// picture at once; a laser spot, even a large one, changes a small part of it: one pixel in
// this many changed is a change of the scene. One in StirShare changed is a stirred scene: a
// moving projected target, someone walking by; its lit areas are traced, but only the surest
// laser light counts there.
constexpr int SceneChangeShare = 10;
constexpr int StirShare = 100;
// Bright shapes drifting across a projected scene change as much as that, but they brighten
// the picture where they arrive and darken it where they leave: the picture's light stays. A
// light switched on or exposure stepping moves the whole picture's light by more than
// 1/SteadyLightShare. Only where so much changed that no spot could be told from the rest, one
// pixel in WholeChangeShare, is the scene changed however its light stays.
constexpr int SteadyLightShare = 32;
constexpr int WholeChangeShare = 4;
// A spot whose brightest pixel was part of a large lit area the frame before is new light only
// when it rose since by more than this part of its rise over the background.
constexpr int NewLightShare = 4;
// One pixel in this many of the ring around a spot changed: something moves there.
constexpr int MovingRingShare = 4;
// A dim area (risen by the least rise, not to the marking level) larger than this is no dot
// whose light lifts a single colour channel. It needs 1/DimSumShare of the light (grey levels x
// pixels beyond the least rise) and of the rise out of the noise that a marked spot needs.
constexpr int DimMostPixels = 256;
constexpr int DimSumShare = 2;
// A faint area this small is a speck of noise, not worth showing as a rejected light.
constexpr int DroppedLeastPixels = 4;
// Rows lit more or less by this share on average: the whole picture's light changed, and no
// row gain is applied.
constexpr int WholePictureGainShare = 16;
// Flicker bands: the brightest-lit row against the darkest by this share or more.
constexpr int FlickerBandShare = 8;

// The scene's memory: what the picture has looked like over the last several seconds, with
// eight fraction bits. Every frame one row in MemoryStride moves 1/MemoryShare of the way to
// the picture, so each pixel follows with a time of MemoryStride x MemoryShare frames (8.5 s at
// 30 fps): a laser pulse leaves no trace in it, a hand resting on the wall for a second or two
// does not make it forget what lay under the hand.
constexpr int MemoryStride = 8; // with MemoryShift, MemoryShare 32
// A spot must rise above the memory by at least this part of its rise above the background:
// an area uncovered by something moving away (a hand, a sheet) only returns to what the memory
// holds, while a laser lights what was never that bright.
constexpr int MemoryRiseShare = 4;

// The picture's temporal noise: the mean distance of its pixels from the background, followed
// over frames with 1/NoiseShare of each frame's, eight fraction bits. A darker camera scales
// noise and laser light alike, so a rise counted in units of it means the same on any camera.
constexpr int NoiseShift = 3; // NoiseShare 8
constexpr int NoiseFractionBits = 8;
// Levels are whole numbers: less than half a level of noise cannot be told from none.
constexpr int LeastNoise = 1 << (NoiseFractionBits - 1);


} // namespace

void SpotDetector::Reset()
{
    primed = false;
}

bool StandsOutOfNoise(int rise, int noise, int threshold)
{
    return noise > 0
        && int64_t(rise) * 255 * (1 << NoiseFractionBits)
        >= int64_t(NoiseGap) * std::max(noise, LeastNoise) * threshold;
}

int SpotDetector::Detect(const uint8_t *grey, int greyStride, int width, int height, bool bottomUp,
                         uint8_t *detection, int detectionStride, const DetectorThresholds &t,
                         std::vector<Spot> &spots)
{
    spots.clear();
    spots.reserve(MaxAreas); // once: no frame grows it later
    droppedCount = 0;
    if (width != bgWidth || height != bgHeight) {
        background.assign(size_t(width) * height, 0);
        memory.assign(size_t(width) * height, 0);
        weight.assign(size_t(width) * height, 0);
        rowGain.assign(size_t(height), 1 << GainBits);
        rowBackground.assign(size_t(height), 0);
        rowMarked.assign(size_t(height), 0);
        largeAt.assign(size_t(width) * height, 0);
        frameCount = 1;
        bgWidth = width;
        bgHeight = height;
        primed = false;
    }
    if (!primed) {
        for (int y = 0; y < height; ++y) {
            const uint8_t *g = grey + size_t(y) * greyStride;
            int16_t *bg = background.data() + size_t(y) * width;
            for (int x = 0; x < width; ++x)
                bg[x] = int16_t(g[x] << FractionBits);
            uint16_t *m = memory.data() + size_t(y) * width;
            for (int x = 0; x < width; ++x)
                m[x] = uint16_t(g[x] << 8);
            rowBackground[size_t(y)] = BackgroundRowSum(bg, width);
        }
        primed = true;
        memoryRow = 0;
        noise = 0;
    }
    frameCount = frameCount >= StampMask ? 2 : frameCount + 1;
    // A threshold of 0 would mark every pixel not darker than the background: 1 is the least.
    const int threshold = std::clamp(t.luminance, 1, 255);
    uint8_t peak = 0;
    changed = 0;
    int64_t deviation = 0;
    // A dim area must stand out of the noise of the frames before: in a noisy picture only a
    // pixel that rose that far marks a place where one may be.
    const int dimLevel = noise > 0
        ? int((int64_t(NoiseGap) * std::max(noise, LeastNoise) * (threshold / DimSumShare)
               + 255 * (1 << NoiseFractionBits) - 1)
              / (255 * (1 << NoiseFractionBits)))
        : 255;
    dim.Clear(std::clamp(dimLevel, LeastRise(threshold), 255));
    // Flicker lights some rows more and others less. Only bands of light and shade, rows lit
    // differently, are flicker; without them the rows keep the background's light.
    int64_t gains = 0;
    int leastGain = MostRowGain, mostGain = LeastRowGain;
    for (int y = 0; y < height; ++y) {
        const int gain = RowGain(grey + size_t(y) * greyStride, rowBackground[size_t(y)], width);
        rowGain[size_t(y)] = gain;
        gains += gain;
        leastGain = std::min(leastGain, gain);
        mostGain = std::max(mostGain, gain);
    }
    // Exposure stepping lights every row alike. Where no row's light changed by more than an
    // exposure step does, the whole picture is lit by their mean: the background, which follows
    // by an eighth a frame, would otherwise stand above or below the picture for several frames
    // and hide a laser's rise. A light switched on changes more, and is left to the test of a
    // changed scene below.
    const bool wholePicture =
        std::abs(gains / height - (1 << GainBits)) > (1 << GainBits) / WholePictureGainShare;
    if (wholePicture && leastGain > LeastRowGain && mostGain < MostRowGain)
        std::fill(rowGain.begin(), rowGain.end(), int(gains / height));
    else if (wholePicture || mostGain - leastGain < (1 << GainBits) / FlickerBandShare)
        std::fill(rowGain.begin(), rowGain.end(), 1 << GainBits);
    for (int y = 0; y < height; ++y)
        rowMarked[size_t(y)] = MarkRow(grey + size_t(y) * greyStride, background.data() + size_t(y) * width,
                weight.data() + size_t(y) * width, detection + size_t(y) * detectionStride, 0,
                width, threshold, rowGain[size_t(y)], peak, changed, deviation,
                dim.Row(y * width), rowBackground[size_t(y)]);
    // This frame's spots are judged against the noise of the frames before (0: none yet).
    noiseBefore = noise;
    const int frameNoise = int((deviation << NoiseFractionBits) / (int64_t(width) * height));
    noise = noise ? noise + ((frameNoise - noise) >> NoiseShift) : frameNoise;

    for (int y = memoryRow; y < height; y += MemoryStride)
        FollowRow(grey + size_t(y) * greyStride, memory.data() + size_t(y) * width, width);
    memoryRow = (memoryRow + 1) % MemoryStride;

    // A changed scene has no spots, and tracing its many lit areas would cost the frame time.
    const bool lightSteady =
        std::abs(gains / height - (1 << GainBits)) <= (1 << GainBits) / SteadyLightShare;
    sceneChanged = changed > width * height / SceneChangeShare
        && (!lightSteady || changed > width * height / WholeChangeShare);
    stirred = changed > width * height / StirShare;
    if (sceneChanged)
        return peak;

    // Marked pixels are searched thirty-two, then eight at a time; the fill clears what it
    // visits.
    uint8_t *w = weight.data();
    for (int y = 0; y < height; ++y) {
        if (!rowMarked[size_t(y)])
            continue;
        const size_t rowStart = size_t(y) * width, rowEnd = rowStart + width;
        size_t i = rowStart;
        while (i < rowEnd) {
            if (i + 32 <= rowEnd) {
                uint64_t words[4];
                std::memcpy(words, w + i, 32);
                if ((words[0] | words[1] | words[2] | words[3]) == 0) {
                    i += 32;
                    continue;
                }
            }
            if (i + 8 <= rowEnd) {
                uint64_t word;
                std::memcpy(&word, w + i, 8);
                if (word == 0) {
                    i += 8;
                    continue;
                }
            }
            if (w[i]) {
                if (spots.size() < MaxAreas)
                    Fill(int(i), grey, greyStride, width, height, bottomUp, t, spots);
                else
                    w[i] = 0;
            }
            ++i;
        }
    }
    // A dim dot lifts one colour channel, hardly the grey: it is sought only where little else
    // moves.
    if (!stirred && !dim.Overflowed())
        TraceDim(grey, greyStride, detection, detectionStride, width, height, bottomUp, t, spots);
    return peak;
}

void SpotDetector::Fill(int start, const uint8_t *grey, int greyStride, int width, int height,
                        bool bottomUp, const DetectorThresholds &t, std::vector<Spot> &spots)
{
    uint8_t *w = weight.data();
    // Pixels are cleared as they are pushed, so none is counted twice.
    const int first = w[start];
    w[start] = 0;
    AreaSums area(start % width, start / width);
    area.Add(start % width, start / width, first);
    int top = first, topAt = start;
    stack.clear();
    stack.push_back(start);
    visited.clear();
    visited.push_back(start);
    while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        const int px = p % width, py = p / width;
        for (int dy = -1; dy <= 1; ++dy) {
            const int ny = py + dy;
            if (ny < 0 || ny >= height)
                continue;
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = px + dx;
                if (nx < 0 || nx >= width)
                    continue;
                const int q = ny * width + nx;
                const int wq = w[q];
                if (!wq)
                    continue;
                w[q] = 0;
                area.Add(nx, ny, wq);
                if (wq > top) {
                    top = wq;
                    topAt = q;
                }
                stack.push_back(q);
                visited.push_back(q);
            }
        }
    }
    // Compression and sensor noise light specks of a few pixels just past the needed rise; a
    // spot must carry at least the threshold's worth of light (grey levels x pixels) beyond it.
    if (area.count < t.minSize || area.count > t.maxSize || area.sum < std::max(1, t.luminance)) {
        if (area.count > t.maxSize) {
            Drop(area, height, bottomUp, LASER_REJECT_TOO_LARGE);
            MarkLarge(grey, greyStride, width);
        }
        return;
    }
    const int g = int(grey[size_t(topAt / width) * greyStride + topAt % width]);
    const int threshold = std::clamp(t.luminance, 1, 255);
    int bInt = BackgroundBefore(topAt, g);
    bool closes = ClosesGapToWhite(bInt, g, threshold);
    // Something bright that lay here for a while and moved on leaves its light in the
    // background, and a laser landing where it was rises little over that. The scene's memory
    // still holds what lay there before it came.
    bool leftBehind = false;
    if (!closes) {
        const int remembered = memory[size_t(topAt)] >> 8;
        leftBehind = ClosesGapToWhite(remembered, g, threshold)
            && LeftBehind(grey, greyStride, area.x0, area.y0, area.x1, area.y1);
        if (leftBehind) {
            bInt = remembered;
            closes = true;
        }
    }
    if (!closes && !StandsOutOfNoise(g - bInt, noiseBefore, threshold)) {
        if (area.count >= DroppedLeastPixels)
            Drop(area, height, bottomUp, LASER_REJECT_TOO_FAINT);
        return;
    }
    Spot s = Judge(area, topAt, g, bInt, grey, greyStride, width, height, bottomUp, leftBehind);
    s.faint = !closes;
    spots.push_back(s);
}

int SpotDetector::BackgroundBefore(int p, int g) const
{
    // The background was already moved towards this frame: undo that step, and light it as
    // its row is lit.
    const int moved = background[size_t(p)];
    const int before =
        ((moved << BackgroundShift) - (g << FractionBits)) / ((1 << BackgroundShift) - 1);
    return std::clamp(LitBackground(std::max(0, before), rowGain[size_t(p / bgWidth)]) >> FractionBits,
                      0, 255);
}

Spot SpotDetector::Judge(const AreaSums &area, int topAt, int g, int bInt, const uint8_t *grey,
                         int greyStride, int width, int height, bool bottomUp, bool leftBehind)
{
    const auto greyAt = [&](int p) { return int(grey[size_t(p / width) * greyStride + p % width]); };
    Spot s;
    // Back to what the scene held before: no laser light, but light that lingers all the same.
    s.laser = (g - (memory[size_t(topAt)] >> 8)) * MemoryRiseShare >= g - bInt;
    area.Describe(height, bottomUp, s);
    // A lit area that shrinks as the background catches up with something large that came to
    // rest (an arm raised before the target) leaves a last bright part that no laser lit.
    // A laser landing on such an area (a projected target moving past) lights it far beyond
    // what it was.
    // Where something moved away instead, whatever stays lit is no part of it.
    const uint32_t before = largeAt[size_t(topAt)];
    s.wasLarge = !leftBehind && before >> 8 == ((frameCount - 1) & StampMask)
        && (g - int(before & 0xff)) * NewLightShare < g - bInt;
    s.leftBehind = leftBehind;
    if (s.length > LongShare * width)
        MarkLarge(grey, greyStride, width);
    s.peakColumn = topAt % width;
    s.peakRow = topAt / width;
    s.peakRise = g - bInt;
    // The core: pixels lit by at least half the peak's rise. A rim pixel that rose by little is
    // mostly whatever lay there before, however bright that was (a coarser camera's pixel
    // scaled up blends a white edge beside the spot into it).
    for (const int p : visited) {
        const int gp = greyAt(p);
        const int reference = leftBehind ? memory[size_t(p)] >> 8 : BackgroundBefore(p, gp);
        if ((gp - reference) * 2 >= s.peakRise)
            s.coreGrey = std::max(s.coreGrey, gp);
    }
    return s;
}

bool SpotDetector::LeftBehind(const uint8_t *grey, int greyStride, const Spot &s) const
{
    return LeftBehind(grey, greyStride, s.boxX, s.boxY, s.boxX + s.width - 1, s.boxY + s.height - 1);
}

bool SpotDetector::LeftBehind(const uint8_t *grey, int greyStride, int x0, int y0, int x1,
                              int y1) const
{
    // The background already moved an eighth of the way to this frame.
    const int level = ChangeLevel * (8 - 1) / 8;
    return RingShare(x0, y0, x1, y1, [&](int x, int y, int p) {
        const int g = grey[size_t(y) * greyStride + x];
        const int b = LitBackground(background[size_t(p)], rowGain[size_t(y)]);
        return (b >> FractionBits) - g >= level && std::abs(g - (memory[size_t(p)] >> 8)) < ChangeLevel;
    });
}

template <typename Counts>
bool SpotDetector::RingShare(int x0, int y0, int x1, int y1, Counts counts) const
{
    const int boxWidth = x1 - x0 + 1, boxHeight = y1 - y0 + 1;
    const int mx = std::max(RingLeast, boxWidth), my = std::max(RingLeast, boxHeight);
    const int left = std::max(0, x0 - mx), right = std::min(bgWidth, x1 + 1 + mx);
    const int top = std::max(0, y0 - my), bottom = std::min(bgHeight, y1 + 1 + my);
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        const bool boxRow = y >= y0 && y <= y1;
        for (int x = left; x < right; ++x)
            if (!boxRow || x < x0 || x > x1)
                count += counts(x, y, y * bgWidth + x);
    }
    const int ring = (right - left) * (bottom - top) - boxWidth * boxHeight;
    return count * MovingRingShare >= ring;
}

void SpotDetector::TraceDim(const uint8_t *grey, int greyStride, uint8_t *detection,
                            int detectionStride, int width, int height, bool bottomUp,
                            const DetectorThresholds &t, std::vector<Spot> &spots)
{
    // The fill left every weight at 0: it marks the pixels visited here.
    uint8_t *mark = weight.data();
    const int least = LeastRise(std::clamp(t.luminance, 1, 255));
    const size_t traced = spots.size();
    const auto riseAt = [&](int p, int &g) {
        g = int(grey[size_t(p / width) * greyStride + p % width]);
        return g - BackgroundBefore(p, g);
    };
    // Runs beside an area traced before lie in its halo: the light around a spot, or the blurred
    // edge of a large lit area, not worth tracing pixel by pixel.
    const auto nearTraced = [&](int x0, int x1, int y) {
        const auto near = [&](const Spot &o) {
            return x1 >= o.boxX - o.width && x0 < o.boxX + 2 * o.width && y >= o.boxY - o.height
                && y < o.boxY + 2 * o.height;
        };
        return std::any_of(spots.begin(), spots.begin() + traced, near)
            || std::any_of(dropped, dropped + droppedCount, near);
    };
    for (int b = 0; b < dim.count && spots.size() < MaxAreas; ++b) {
        const int start = dim.starts[b];
        const int rowEnd = start - start % width + width;
        if (nearTraced(start % width, (std::min(start + DimBlocks::Size, rowEnd) - 1) % width,
                       start / width))
            continue;
        for (int p0 = start; p0 < std::min(start + DimBlocks::Size, rowEnd); ++p0) {
            int g = 0;
            if (mark[p0] || riseAt(p0, g) < least)
                continue;
            mark[p0] = 1;
            AreaSums area(p0 % width, p0 / width);
            int top = -1, topAt = p0, topGrey = g;
            bool rim = false;
            stack.clear();
            stack.push_back(p0);
            visited.clear();
            while (!stack.empty()) {
                const int p = stack.back();
                stack.pop_back();
                const int px = p % width, py = p / width;
                const int rise = riseAt(p, g);
                area.Add(px, py, rise - least + 1);
                visited.push_back(p);
                if (rise > top) {
                    top = rise;
                    topAt = p;
                    topGrey = g;
                }
                rim = rim || detection[size_t(py) * detectionStride + px] == 0;
                // Larger than any dim dot: left unfinished, judged no further.
                if (area.count > DimMostPixels)
                    continue;
                for (int dy = -1; dy <= 1; ++dy) {
                    const int ny = py + dy;
                    if (ny < 0 || ny >= height)
                        continue;
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx;
                        const int q = ny * width + nx;
                        int gq = 0;
                        if (nx < 0 || nx >= width || mark[q] || riseAt(q, gq) < least)
                            continue;
                        mark[q] = 1;
                        stack.push_back(q);
                    }
                }
            }
            // Marked pixels of an area traced before: the rim of a lit area, no dot of its own.
            // A speck too small to be traced joins the dim area that holds it.
            if (rim) {
                const auto overlaps = [&](const Spot &o) {
                    return o.boxX <= area.x1 && area.x0 < o.boxX + o.width && o.boxY <= area.y1
                        && area.y0 < o.boxY + o.height;
                };
                rim = std::any_of(spots.begin(), spots.begin() + traced, overlaps)
                    || std::any_of(dropped, dropped + droppedCount, overlaps);
            }
            if (rim || area.count > DimMostPixels || area.count < t.minSize
                || area.sum < std::max(1, t.luminance) / DimSumShare
                || !StandsOutOfNoise(top, noiseBefore, std::clamp(t.luminance, 1, 255) / DimSumShare))
                continue;
            Spot s = Judge(area, topAt, topGrey, topGrey - top, grey, greyStride, width, height,
                           bottomUp);
            s.faint = true;
            s.dim = true;
            spots.push_back(s);
            // Its pixels are detected light, as those of a marked area.
            for (const int p : visited)
                detection[size_t(p / width) * detectionStride + p % width] = 0;
        }
    }
}

void SpotDetector::MarkLarge(const uint8_t *grey, int greyStride, int width)
{
    const uint32_t stamp = (frameCount & StampMask) << 8;
    for (const int p : visited)
        largeAt[size_t(p)] = stamp | grey[size_t(p / width) * greyStride + p % width];
}

void SpotDetector::Drop(const AreaSums &area, int height, bool bottomUp, int reason)
{
    if (droppedCount >= MaxDropped)
        return;
    Spot &s = dropped[droppedCount++];
    s = Spot();
    area.Describe(height, bottomUp, s);
    s.laser = false;
    s.rejected = reason;
}

int SpotDetector::DarkenedAround(const uint8_t *grey, int greyStride, const Spot &s) const
{
    const int left = std::max(0, s.boxX - s.width), right = std::min(bgWidth, s.boxX + 2 * s.width);
    const int top = std::max(0, s.boxY - s.height);
    const int bottom = std::min(bgHeight, s.boxY + 2 * s.height);
    int count = 0;
    // The background already moved an eighth of the way to this frame.
    const int level = ChangeLevel * (8 - 1) / 8;
    for (int y = top; y < bottom; ++y) {
        const uint8_t *g = grey + size_t(y) * greyStride;
        const int16_t *bg = background.data() + size_t(y) * bgWidth;
        const uint16_t *m = memory.data() + size_t(y) * bgWidth;
        // Darker than the scene has been lately too: light that fades back to the scene
        // leaves no trail.
        for (int x = left; x < right; ++x)
            count += std::min(bg[x] >> FractionBits, m[x] >> 8) - g[x] >= level;
    }
    return count;
}

bool SpotDetector::MovesAround(const uint8_t *grey, int greyStride, const Spot &s) const
{
    // The background already moved an eighth of the way to this frame.
    const int level = ChangeLevel * (8 - 1) / 8;
    return RingShare(s.boxX, s.boxY, s.boxX + s.width - 1, s.boxY + s.height - 1,
                     [&](int x, int y, int p) {
                         const int g = grey[size_t(y) * greyStride + x];
                         const int b = LitBackground(background[size_t(p)], rowGain[size_t(y)]);
                         return std::abs(g - (b >> FractionBits)) >= level
                             && std::abs(g - (memory[size_t(p)] >> 8)) >= ChangeLevel;
                     });
}

bool ClosesGapToWhite(int background, int peak, int threshold)
{
    return (peak - background) * 255 >= (255 - background) * threshold;
}
