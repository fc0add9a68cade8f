// SPDX-License-Identifier: LGPL-2.1-or-later
// CaptureCounter: frame rate, frames delivered and frames lost of one camera, from its frame times.
#pragma once

#include "laser.h"

#include <array>
#include <cstdint>

// Fed once per delivered frame on the capture thread; read under the slot's lock. Keeps the
// arrival times of the last frames in a fixed ring, so counting never allocates.
class CaptureCounter
{
public:
    // Starts over for a source set to askedFps (0 when unknown).
    void Reset(double askedFps);
    // A frame that arrived at arrivalUs, stamped stampUs by its source (monotonic clock).
    void Frame(int64_t arrivalUs, int64_t stampUs);

    // Frames per second over the second before nowUs.
    double MeasuredFps(int64_t nowUs) const;
    // Frames missing between consecutive frame times, judged against the asked rate.
    int64_t DroppedByTime() const { return droppedByTime; }
    int64_t Delivered() const { return delivered; }
    // Since the last frame arrived; -1 before the first.
    int64_t LastFrameAgeUs(int64_t nowUs) const;
    double AskedFps() const { return askedFps; }

private:
    static constexpr size_t Capacity = 256; // a second of frames at the fastest cameras

    std::array<int64_t, Capacity> arrivals{};
    size_t next = 0;
    double askedFps = 0.0;
    int64_t delivered = 0;
    int64_t droppedByTime = 0;
    int64_t lastStampUs = 0;
};
