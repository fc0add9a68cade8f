// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameData: one processed frame: its three buffers, its shots and its peak brightness.
#pragma once

#include "laser.h"
#include "spot.h"

#include <cstdint>
#include <vector>

// Buffers are bottom row first with rows padded to 4 bytes, as the program wraps them.
class FrameData
{
public:
    void Resize(int width, int height);
    // Puts other's shots in front of this frame's own, keeping at most LASER_MAX_SPOTS.
    void TakeShotsFrom(const FrameData &other);
    // Fills a FrameBlock: shots as kind 1 records, the rest cleared, then the peak.
    void WriteBlock(FrameBlock *block) const;

    int width = 0;
    int height = 0;
    int colourStride = 0;
    int greyStride = 0;
    std::vector<uint8_t> colour;
    std::vector<uint8_t> grey;
    std::vector<uint8_t> detection;
    Spot shots[LASER_MAX_SPOTS];
    int shotCount = 0;
    int peak = 0;
    int64_t timestampUs = 0; // capture time, monotonic clock
    int64_t readyUs = 0;     // when processing finished
    // Capture time of the frame in which the shots were seen: that of a dropped frame whose shots
    // this one carries (0: this frame's own).
    int64_t shotTimestampUs = 0;

    // The time the shots of this frame belong to: the capture time of the earliest frame whose
    // shots it carries, else its own capture time.
    int64_t ShotTimeUs() const { return shotCount > 0 && shotTimestampUs > 0 ? shotTimestampUs : timestampUs; }

    // Lit areas not taken as laser light, largest first, for the laser view.
    LaserRejectedSpot rejected[LASER_MAX_REJECTED];
    int rejectedCount = 0;
    // Keeps s among the LASER_MAX_REJECTED largest; its box is in detector rows of `height`
    // that run bottom first when bottomUp.
    void AddRejected(const Spot &s, int reason, bool bottomUp);
};

// Row length in bytes rounded up to a multiple of 4.
inline int AlignedStride(int bytes)
{
    return (bytes + 3) & ~3;
}
