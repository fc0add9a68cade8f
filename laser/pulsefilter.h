// SPDX-License-Identifier: LGPL-2.1-or-later
// PulseFilter: turns the spots of consecutive frames into shots, one per laser pulse.
#pragma once

#include "spot.h"

#include <array>
#include <cstdint>
#include <vector>

// A spot is a new shot unless it continues a pulse: a laser spot lit in the previous frame, or
// less than the shortest time between two shots before, near it (the hand moves while a pulse
// lasts, so its spot wanders a few dozen pixels or smears into a streak); or a lit area that is
// no laser light within the minimum distance (or touching) in that time, unless the spot's
// core turned white where that light's was not. A pulse lit over
// several frames, or one that flickers out for a moment, is reported in its first frame only;
// so is one that comes back overlapping its last spot after one or two dark frames of a slow
// camera (up to 150 ms). An area several times a laser spot's size lit over it a few frames
// later is the hit target falling away, no shot.
// Within one frame, weaker spots within the minimum distance of a stronger one are parts of the
// same light, and a frame with many separate lights is a change of the scene, with no shots at
// all. Spots that are not laser light are never shots but count as lit areas all the same. A
// new pulse that shows as a streak (the laser moved during the exposure) is reported one frame
// later, at the rounder spot of its next frame if there is one; so is one seen only by its
// coloured core (a rolling shutter caught part of the pulse's start, or the dot is on black
// ink), at the stronger spot of its next frame where that one shows the same pulse in full,
// not the dot carried away by a trainer's recoil.
class PulseFilter
{
public:
    void Reset();
    // Writes the new shots of this frame, strongest first, up to maxShots; returns their count.
    // sceneChange: the frame changed as a whole; its spots are remembered but not reported.
    // timeUs: the frame's capture time, microseconds.
    int Filter(const std::vector<Spot> &spots, int minDistance, bool sceneChange, int64_t timeUs,
               Spot *shots, int maxShots);

    // The shortest time between two shots of one trainer: spots closer in time are one pulse.
    static constexpr int64_t ShotGapUs = 110000;
    // How far a pulse's spot may wander from one frame to the next, pixels between the spots.
    static constexpr int PulseTravel = 60;
    // A pulse dark for up to this many frames, and this long since it was last lit, is still
    // that pulse where it comes back overlapping the place it left.
    static constexpr int ReappearFrames = 2;
    static constexpr int64_t ReappearUs = 150000;

private:
    struct Frame
    {
        std::vector<Spot> spots;
        int64_t timeUs = 0;
        bool used = false;
    };
    // Whether s continues a pulse or lingering light of an earlier frame.
    bool Continues(const Spot &s, int minDistance, int64_t timeUs) const;
    // Whether the fading area s lies over a laser spot of the frames a pulse's light is held
    // over: the pulse is still lit there.
    bool HeldOver(const Spot &s, int64_t timeUs) const;

    // Spots of the last frames, the newest at index `newest`; enough for 60 frames a second.
    std::array<Frame, 8> recent;
    size_t newest = 0;
    std::vector<Spot> sorted;
    std::vector<Spot> deferred; // new streaks, reported with the next frame
};
