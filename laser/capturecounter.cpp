// SPDX-License-Identifier: LGPL-2.1-or-later
// CaptureCounter: the ring of arrival times and the gap arithmetic.
#include "capturecounter.h"

#include <cmath>

namespace {

constexpr int64_t WindowUs = 1000000;

} // namespace

void CaptureCounter::Reset(double fps)
{
    arrivals.fill(0);
    next = 0;
    askedFps = fps > 0.0 ? fps : 0.0;
    delivered = 0;
    droppedByTime = 0;
    lastStampUs = 0;
}

void CaptureCounter::Frame(int64_t arrivalUs, int64_t stampUs)
{
    if (delivered > 0 && askedFps > 0.0) {
        // A frame time more than one and a half periods after the last means frames between
        // were never made or never reached us; jitter within half a period is no loss.
        const double periodUs = 1e6 / askedFps;
        const double gap = double(stampUs - lastStampUs);
        if (gap > 1.5 * periodUs)
            droppedByTime += std::llround(gap / periodUs) - 1;
    }
    lastStampUs = stampUs;
    arrivals[next] = arrivalUs;
    next = (next + 1) % Capacity;
    ++delivered;
}

double CaptureCounter::MeasuredFps(int64_t nowUs) const
{
    const size_t stored = delivered < int64_t(Capacity) ? size_t(delivered) : Capacity;
    int count = 0;
    int64_t newest = 0, oldest = 0;
    for (size_t k = 1; k <= stored; ++k) {
        const int64_t t = arrivals[(next + Capacity - k) % Capacity];
        if (nowUs - t > WindowUs)
            break;
        if (count == 0)
            newest = t;
        oldest = t;
        ++count;
    }
    if (count == 0)
        return 0.0;
    // While frames keep coming, the spacing of the second's frames is the rate; counting whole
    // frames in a second would swing by one frame either way. Once they stop, the count falls.
    const int64_t span = newest - oldest;
    if (count >= 2 && span > 0 && nowUs - newest <= 2 * span / (count - 1))
        return (count - 1) * 1e6 / double(span);
    return count * 1e6 / double(WindowUs);
}

int64_t CaptureCounter::LastFrameAgeUs(int64_t nowUs) const
{
    if (delivered == 0)
        return -1;
    return nowUs - arrivals[(next + Capacity - 1) % Capacity];
}
