// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameData: buffer sizing and hand-over of shots.
#include "framedata.h"

#include <algorithm>
#include <cstring>

void FrameData::Resize(int w, int h)
{
    if (w == width && h == height)
        return;
    width = w;
    height = h;
    colourStride = AlignedStride(w * 3);
    greyStride = AlignedStride(w);
    colour.assign(size_t(colourStride) * h, 0);
    grey.assign(size_t(greyStride) * h, 0);
    detection.assign(size_t(greyStride) * h, 1);
}

void FrameData::TakeShotsFrom(const FrameData &other)
{
    if (other.shotCount == 0)
        return;
    const int64_t seen = other.ShotTimeUs();
    shotTimestampUs = shotCount > 0 && ShotTimeUs() > 0 ? std::min(ShotTimeUs(), seen) : seen;
    Spot merged[LASER_MAX_SPOTS];
    int n = 0;
    for (int i = 0; i < other.shotCount && n < LASER_MAX_SPOTS; ++i)
        merged[n++] = other.shots[i];
    for (int i = 0; i < shotCount && n < LASER_MAX_SPOTS; ++i)
        merged[n++] = shots[i];
    std::copy(merged, merged + n, shots);
    shotCount = n;
}

void FrameData::AddRejected(const Spot &s, int reason, bool bottomUp)
{
    int at = rejectedCount;
    while (at > 0 && rejected[at - 1].pixels < s.pixels)
        --at;
    if (at >= LASER_MAX_REJECTED)
        return;
    const int last = std::min(rejectedCount, LASER_MAX_REJECTED - 1);
    for (int i = last; i > at; --i)
        rejected[i] = rejected[i - 1];
    LaserRejectedSpot &r = rejected[at];
    r.reason = reason;
    r.x = s.boxX;
    r.y = bottomUp ? height - (s.boxY + s.height) : s.boxY;
    r.width = s.width;
    r.height = s.height;
    r.pixels = s.pixels;
    rejectedCount = std::min(rejectedCount + 1, LASER_MAX_REJECTED);
}

void FrameData::WriteBlock(FrameBlock *block) const
{
    std::memset(block, 0, sizeof(FrameBlock));
    for (int i = 0; i < shotCount && i < LASER_MAX_SPOTS; ++i) {
        SpotRecord &r = block->spots[i];
        r.kind = LASER_SPOT_LASER;
        r.x = shots[i].x;
        r.y = shots[i].y;
        r.cx = shots[i].cx;
        r.cy = shots[i].cy;
    }
    block->peakBrightness = peak;
}
