// FrameQueue: the frame pool and its drop-oldest rule.
#include "framequeue.h"

FrameQueue::FrameQueue(int d) : depth(d < 1 ? 1 : d)
{
    // depth waiting + one current + one being written.
    for (int i = 0; i < depth + 2; ++i) {
        pool.push_back(std::make_unique<FrameData>());
        freeFrames.push_back(pool.back().get());
    }
}

FrameData *FrameQueue::AcquireWritable()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (freeFrames.empty() || int(waiting.size()) >= depth) {
        FrameData *oldest = waiting.front();
        waiting.pop_front();
        ++dropped;
        if (!waiting.empty())
            waiting.front()->TakeShotsFrom(*oldest);
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
    waiting.push_back(frame);
}

FrameData *FrameQueue::Take()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (waiting.empty())
        return nullptr;
    if (current)
        freeFrames.push_back(current);
    current = waiting.front();
    waiting.pop_front();
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
    for (FrameData *f : waiting)
        freeFrames.push_back(f);
    waiting.clear();
    if (current)
        freeFrames.push_back(current);
    current = nullptr;
    carry.shotCount = 0;
}

int FrameQueue::Waiting() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return int(waiting.size());
}

long FrameQueue::Dropped() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return dropped;
}
