// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameProcessor: flip, grey conversion, detection, pulse rule and perspective correction.
#include "frameprocessor.h"

#include "corewhiteness.h"
#include "greyconversion.h"
#include "homography.h"
#include "outshine.h"
#include "spotcore.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace {

// Compression smears an edge over a few grey levels, so a pixel beside a spot may come out a
// little brighter than the spot's own brightest one; this much more is a brighter area's edge.
constexpr int OutshineTolerance = 10;
// A smear is a small share of the spot's own rise: on a darker camera, or for a faint spot, the
// few levels shrink with everything else.
constexpr int OutshineRiseShare = 8;
// A laser spot is a filled disc, or a straight streak where the laser moved during the
// exposure, and small: a tenth of the picture's width is longer than any a hand draws in one
// frame. Longer areas are the edges of people, doors and lamps' light moving in the room;
// ragged or curved ones (a crescent where a bright object moved on) cover much less of the
// ellipse with their moments.
constexpr double MaxLengthShare = SpotDetector::LongShare;
// A lit area of more than this part of the picture is larger than any laser dot with its glow:
// a bright thing that appeared or moved, round or not. A laser on it is its brightest core.
constexpr int LargeAreaShare = 300;
constexpr double MinFill = 0.5;
// Where much of the picture moves, the edges of what moves are lit areas of every shape and
// colour; there a laser spot's core must turn white nearly all the way.
constexpr int StirredWhiteness = 192;
constexpr int MinCorePixels = 3;
// Longer than wide by this much: a stroke, not a dot.
constexpr double ThinElongation = 2.5;
// A bright thing that moves lights a crescent on one side and leaves as large a darker trail on
// the other; a laser spot only adds light. Without a white core, a spot that is no round disc
// (a crescent's edge) with a trail at least this share of its size beside it is light that moved.
constexpr double TrailFill = 0.75;
constexpr int TrailShareNumerator = 1;
constexpr int TrailShareDenominator = 2;
constexpr int CoreShare = 4;
// A faint spot (one that stands out of the noise without closing the gap to white) has little
// light to tell it by, so it must look like a laser dot held still: round, and brighter than
// everything touching it, with no allowance for smear. Faint edges and streaks are the rims of
// things that move; a faint spot that fails is no light at all, not even lingering light.
constexpr double FaintElongation = 2.0;
// A coloured core: the laser's own channel closes half its gap to white, at least twice the
// share the weakest channel closes. A laser on black ink, or a weak one on a target of its own
// colour, drives one channel most of the way and not the others; a bright patch of the scene
// is no more than a little brighter in every channel. A camera keeps colour at half its
// resolution, so a dot a few pixels wide shows its channel's rise blended with the ink beside
// it: half the gap, not more, is what such a dot keeps. Blue is no trainer's colour.
constexpr int ColourCoreShare = 128;
constexpr int ColourOverWhite = 2;

} // namespace

void FrameProcessor::Reset()
{
    detector.Reset();
    pulses.Reset();
}

void FrameProcessor::Process(const cv::Mat &picture, int width, int height,
                             const DetectorThresholds &t, const Homography &homography,
                             FrameData &out)
{
    untimedUs += 1000000 / 30;
    Process(picture, untimedUs, width, height, t, homography, out);
}

void FrameProcessor::Process(const cv::Mat &picture, int64_t timestampUs, int width, int height,
                             const DetectorThresholds &t, const Homography &homography,
                             FrameData &out, bool colourReady)
{
    out.Resize(width, height);
    const cv::Mat *source = &picture;
    if (!colourReady && picture.type() != CV_8UC3) {
        // Grey or BGRA sources are rare; they pay for one conversion.
        cv::cvtColor(picture, converted, picture.channels() == 1 ? cv::COLOR_GRAY2BGR
                                                                 : cv::COLOR_BGRA2BGR);
        source = &converted;
    }
    // Into the bottom-first colour and grey buffers at the asked size, in one pass.
    if (!colourReady)
        scaler.Scale(*source, width, height, out.colour.data(), out.colourStride, true,
                     out.grey.data(), out.greyStride);
    else
        for (int y = 0; y < height; ++y)
            BgrRowToGrey(out.colour.data() + size_t(y) * out.colourStride,
                         out.grey.data() + size_t(y) * out.greyStride, width);
    out.peak = detector.Detect(out.grey.data(), out.greyStride, width, height, true,
                               out.detection.data(), out.greyStride, t, spots);
    // A laser core turns white whatever the laser's colour; a brighter patch of the scene keeps
    // the scene's colour. Spots whose core closes less than half the luminance share of the gap
    // to white, against the colours around them, are not laser light, and neither are spots
    // outshone by an untouched pixel beside them; they still mark where light lingers.
    const int luminance = std::clamp(t.luminance, 1, 255);
    const double maxLength = MaxLengthShare * width;
    auto shaped = [&](const Spot &s) { return s.length <= maxLength && s.fill >= MinFill; };
    out.rejectedCount = 0;
    for (int i = 0; i < detector.DroppedCount(); ++i)
        out.AddRejected(detector.Dropped()[i], detector.Dropped()[i].rejected, true);
    for (Spot &s : spots) {
        // The lit area as traced, which the laser view marks when it is turned down.
        const Spot area = s;
        // Lit together with a bright thing that moves: the laser is its brightest core, a few
        // pixels and a small part of the area; a core as large as the area is the thing itself.
        bool core = true;
        if (!shaped(s) || int64_t(s.pixels) * LargeAreaShare > int64_t(width) * height) {
            FindSpotCore(out.grey.data(), out.greyStride, height, true, std::max(1, luminance / 10),
                         s, coreMask, coreStack);
            core = s.pixels >= MinCorePixels && s.pixels * CoreShare <= area.pixels
                && s.strength >= luminance;
        }
        s.whiteness = CoreWhiteness(out.colour.data(), out.colourStride, width, height, s);
        // Cut by the picture's edge, a spot has no centre to trust; what lights up there is
        // mostly something coming into the picture.
        const bool inside = s.boxX > 0 && s.boxY > 0 && s.boxX + s.width < width
            && s.boxY + s.height < height;
        int channel = 2;
        s.colourShare = CoreColourShare(out.colour.data(), out.colourStride, width, height, s, channel);
        // Where much moves, coloured things move too: there only a white core counts.
        // So is it where much moves around the spot: the watch on a swinging arm, a glint at
        // the edge of a sleeve.
        const bool movesAround = s.whiteness < StirredWhiteness
            && detector.MovesAround(out.grey.data(), out.greyStride, s);
        const bool stirred = detector.Stirred() || movesAround;
        // A small spot lit where something bright just moved away from stands where the scene
        // is calm again: its coloured core counts however much moves elsewhere.
        const bool inWake = !movesAround
            && (s.leftBehind
                || (stirred && channel != 0
                    && detector.LeftBehind(out.grey.data(), out.greyStride, s)));
        const bool coloured = (!stirred || inWake) && channel != 0
            && s.colourShare >= ColourCoreShare && s.colourShare >= ColourOverWhite * s.whiteness;
        const bool white = s.whiteness * 2 >= luminance || coloured;
        const bool whiteEnough =
            coloured || s.whiteness * 2 >= (stirred ? StirredWhiteness * 2 : luminance);
        // A laser dragged across the wall during the exposure still drives its core to white;
        // the lit edge of a sleeve or a body moving through a dim room is a thin stroke of the
        // room's own light, its core far from white.
        const bool thinAndWeak =
            s.elongation >= ThinElongation && s.whiteness < StirredWhiteness && !coloured;
        // Counted only for a small, round spot: the count looks at three times its box.
        const auto noTrail = [&] {
            return s.whiteness >= StirredWhiteness || s.fill >= TrailFill
                || detector.DarkenedAround(out.grey.data(), out.greyStride, s)
                        * TrailShareDenominator
                    < s.pixels * TrailShareNumerator;
        };
        // The first test failed names the reason, in the order a user would look for it.
        s.rejected = !inside                      ? LASER_REJECT_AT_EDGE
            : !core || !shaped(s)                 ? (area.length > maxLength ? LASER_REJECT_TOO_LONG
                                                                             : LASER_REJECT_NOT_ROUND)
            : !s.laser || s.wasLarge || !noTrail() ? LASER_REJECT_MOVING
            : thinAndWeak                         ? LASER_REJECT_NOT_ROUND
            : s.pixels < t.minSize || !white || (s.dim && !coloured) ? LASER_REJECT_TOO_FAINT
            : !whiteEnough                        ? LASER_REJECT_MOVING
                                                  : 0;
        if (!s.rejected) {
            // A coloured core is judged in its own channel: in grey, a white ring line beside a
            // red dot on black ink is brighter than the dot.
            const bool byColour = coloured && s.whiteness * 2 < luminance;
            s.colourOnly = byColour;
            const int outshine = byColour
                ? ChannelOutshine(out.colour.data(), out.colourStride, channel, out.detection.data(),
                                  out.greyStride, width, height, s)
                : Outshine(out.grey.data(), out.detection.data(), out.greyStride, width, height, s);
            if (s.faint && s.elongation > FaintElongation)
                s.rejected = LASER_REJECT_NOT_ROUND;
            else if (s.faint ? outshine >= 0
                             : outshine > std::min(OutshineTolerance, s.peakRise / OutshineRiseShare))
                s.rejected = LASER_REJECT_TOO_FAINT;
        }
        // Nor does it linger: were it a laser dragged over the wall after all, the round dot of
        // its next frame is the shot.
        if (s.rejected && thinAndWeak)
            s.faint = true;
        s.laser = !s.rejected;
        if (s.rejected)
            out.AddRejected(area, s.rejected, true);
    }
    // A faint spot that failed is no light at all, not even lingering light, except where it
    // carries on a laser spot lit over it before.
    for (Spot &s : spots)
        s.fading = s.faint && !s.laser;
    for (int i = 0; i < detector.DroppedCount() && spots.size() < SpotDetector::MaxAreas; ++i)
        if (detector.Dropped()[i].rejected == LASER_REJECT_TOO_FAINT) {
            spots.push_back(detector.Dropped()[i]);
            spots.back().fading = true;
        }
    out.shotCount = pulses.Filter(spots, t.minDistance, detector.SceneChanged(), timestampUs,
                                  out.shots, LASER_MAX_SPOTS);
    for (int i = 0; i < out.shotCount; ++i)
        homography.Map(out.shots[i].x, out.shots[i].y, &out.shots[i].cx, &out.shots[i].cy);
}
