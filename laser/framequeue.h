// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameQueue: hands frames from a camera thread to the program without waiting on either side.
#pragma once

#include "framedata.h"

#include <memory>
#include <mutex>
#include <vector>

// A fixed pool of frames: one being written, up to `depth` waiting, one current (being read).
// When the reader falls behind, the oldest waiting frame is dropped and its shots move on to
// the next frame handed out, so no shot is lost.
class FrameQueue
{
public:
    explicit FrameQueue(int depth = 3);

    // Writer side: a frame to fill (never null), then Publish it.
    FrameData *AcquireWritable();
    void Publish(FrameData *frame);
    // A frame taken to fill that will not be published goes back to the pool.
    void Discard(FrameData *frame);

    // Reader side: the oldest waiting frame becomes current; null when none waits.
    FrameData *Take();
    FrameData *Current() const;

    // Empties the pool and starts the count of dropped frames again.
    void Clear();
    int Waiting() const;
    long Dropped() const;

private:
    FrameData *PopOldest();

    mutable std::mutex mutex;
    std::vector<std::unique_ptr<FrameData>> pool;
    // Both lists are sized once; frames only move between them, so nothing allocates per frame.
    std::vector<FrameData *> freeFrames;
    std::vector<FrameData *> waiting; // a ring: oldest at head
    size_t head = 0;
    size_t count = 0;
    FrameData *current = nullptr;
    FrameData carry;     // shots of dropped frames with no waiting frame to take them
    int depth;
    long dropped = 0;
};
