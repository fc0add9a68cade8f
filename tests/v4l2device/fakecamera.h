// SPDX-License-Identifier: GPL-3.0-or-later
// FakeCamera: one plugged-in webcam answering V4L2 ioctls as the UVC driver does.
#pragma once

#include "cameraprofile.h"
#include "controlset.h"
#include "deviceconfig.h"
#include "framefeed.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// One open file of the camera's video or metadata node.
struct OpenHandle
{
    int fd = -1;
    bool metadata = false;
    bool nonBlocking = false;
};

// What the camera shares with the configuration across plug-ins: which one-off failures fired
// and how many streams it has played (a manifest plays one recording per stream).
struct CameraHistory
{
    std::vector<bool> fired;
    int streams = 0;
};

// Each camera answers under its own lock, as each webcam has its own driver instance: a
// camera rendering and encoding a frame holds up no other camera. Every member but the lock-free
// ones below is called with Mutex() held. Times are microseconds of the monotonic clock. A frame
// k of a paced stream is complete one period after its start, t0 + (k + 1) * period.
class FakeCamera
{
public:
    FakeCamera(const CameraConfig &config, const CameraProfile &profile, std::shared_ptr<CameraHistory> history);
    ~FakeCamera();
    FakeCamera(const FakeCamera &) = delete;
    FakeCamera &operator=(const FakeCamera &) = delete;

    // 0, or an errno value.
    int Ioctl(OpenHandle &handle, unsigned long request, void *arg, int64_t nowUs);
    short Poll(const OpenHandle &handle, short events, int64_t nowUs);
    // A mapping of a buffer for the caller; null with err set when the offset or length is wrong.
    void *Map(const OpenHandle &handle, void *address, size_t length, int protection, int flags,
              int64_t offset, int &err);
    void Release(const OpenHandle &handle);

    // Fills buffers with the frames that are due.
    void Advance(int64_t nowUs);
    // When Advance next has something to do; INT64_MAX for never (until a buffer is queued).
    int64_t NextEventUs() const;

    std::mutex &Mutex() const { return mutex; }

    // Unplugging: the stream fails at once (EIO), the node goes a moment later (ENODEV).
    void FailStream()
    {
        queueError = true;
        unplugging = true;
    }
    void Unregister() { unregistered = true; }
    // Lock-free.
    bool Unregistered() const { return unregistered; }
    // A failure of the script asks the device to be unplugged; read and cleared by the owner
    // without the camera's lock.
    bool TakeUnplugRequest(int &backAfterMs);

    // A configuration read again: its failure script applies from now on.
    void SetFailures(const std::vector<FailureStep> &failures);
    std::string StateJson() const;
    const std::map<std::string, long> &IoctlCounts() const { return ioctlCounts; }

private:
    struct Buffer
    {
        enum class State { Dequeued, Queued, Done };
        State state = State::Dequeued;
        size_t offset = 0;
        size_t length = 0;
        uint32_t bytesUsed = 0;
        uint32_t flags = 0;
        uint32_t sequence = 0;
        int64_t timestampUs = 0;
    };

    const ProfileFormat *Format(uint32_t pixelFormat) const;
    const ProfileFrame *Frame(uint32_t pixelFormat, uint32_t width, uint32_t height) const;
    int DefaultFps(const ProfileFrame &frame) const;

    int VideoIoctl(OpenHandle &handle, unsigned long request, void *arg, int64_t nowUs);
    int MetadataIoctl(unsigned long request, void *arg);
    int TryFormat(void *format, bool set, const OpenHandle &handle);
    int SetParm(void *parm, const OpenHandle &handle);
    int RequestBuffers(void *req, const OpenHandle &handle);
    int QueryBuffer(void *buf) const;
    int Queue(void *buf);
    int Dequeue(void *buf);
    int StreamOn(const OpenHandle &handle, int64_t nowUs);
    void StreamOff();
    // Takes the stream for this handle, or EBUSY when another one holds it.
    int Acquire(const OpenHandle &handle);
    void FreeBuffers();
    void Produce(int64_t stampUs);
    void FailureFor(long k, const FailureStep **step);

    mutable std::mutex mutex;
    CameraConfig config;
    const CameraProfile &profile;
    std::shared_ptr<CameraHistory> history;
    ControlSet controls;

    uint32_t pixelFormat = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    int fps = 30;
    int owner = -1; // fd of the handle that holds the stream

    int memory = -1; // memfd of the buffers
    uint8_t *mapped = nullptr;
    size_t mappedSize = 0;
    std::vector<Buffer> buffers;
    std::deque<uint32_t> queued;
    std::deque<uint32_t> done;

    bool streaming = false;
    bool queueError = false;
    bool unplugging = false; // the queue stays failed until the node goes
    std::atomic<bool> unregistered{false};
    bool stalled = false;
    std::atomic<bool> unplugRequested{false};
    std::atomic<int> unplugBackAfterMs{-1};
    int64_t startUs = 0;
    long nextFrame = 0;
    FrameFeed feed;
    bool feedReady = false;

    int streams = 0; // STREAMONs of this plug-in
    long delivered = 0;
    long lost = 0; // frames no buffer took, or dropped by the script
    int64_t cpuNs = 0; // spent rendering and encoding, not the program's own work
    std::map<std::string, long> ioctlCounts;
};
