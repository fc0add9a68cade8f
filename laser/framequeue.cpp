// SPDX-License-Identifier: LGPL-2.1-or-later
// FrameQueue: the frame pool and its drop-oldest rule.
#include "framequeue.h"

FrameQueue::FrameQueue(int d) : depth(d < 1 ? 1 : d)
{
    // depth waiting + one current + one being written.
    for (int i = 0; i < depth + 2; ++i) {
        pool.push_back(std::make_unique<FrameData>());
        freeFrames.push_back(pool.back().get());
    }
    freeFrames.reserve(pool.size());
    waiting.assign(size_t(depth), nullptr);
}

FrameData *FrameQueue::PopOldest()
{
    FrameData *f = waiting[head];
    head = (head + 1) % waiting.size();
    --count;
    return f;
}

FrameData *FrameQueue::AcquireWritable()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (freeFrames.empty() || int(count) >= depth) {
        FrameData *oldest = PopOldest();
        ++dropped;
        if (count)
            waiting[head]->TakeShotsFrom(*oldest);
        else
            carry.TakeShotsFrom(*oldest);
        freeFrames.push_back(oldest);
    }
    FrameData *f = freeFrames.back();
    freeFrames.pop_back();
    return f;
}

void FrameQueue::Publish(FrameData *frame)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (carry.shotCount) {
        frame->TakeShotsFrom(carry);
        carry.shotCount = 0;
    }
    waiting[(head + count) % waiting.size()] = frame;
    ++count;
}

void FrameQueue::Discard(FrameData *frame)
{
    std::lock_guard<std::mutex> lock(mutex);
    freeFrames.push_back(frame);
}

FrameData *FrameQueue::Take()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!count)
        return nullptr;
    if (current)
        freeFrames.push_back(current);
    current = PopOldest();
    return current;
}

FrameData *FrameQueue::Current() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return current;
}

void FrameQueue::Clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    while (count)
        freeFrames.push_back(PopOldest());
    if (current)
        freeFrames.push_back(current);
    current = nullptr;
    carry.shotCount = 0;
    dropped = 0; // counted per opening of the camera
}

int FrameQueue::Waiting() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return int(count);
}

long FrameQueue::Dropped() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return dropped;
}
