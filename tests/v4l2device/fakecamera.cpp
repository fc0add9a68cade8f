// SPDX-License-Identifier: GPL-3.0-or-later
// FakeCamera: formats, controls, buffers and the failure script of one plugged-in webcam.
#include "fakecamera.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr uint32_t MaxBuffers = 32; // as videobuf2
constexpr size_t Page = 4096;
constexpr uint32_t TimestampFlags = V4L2_BUF_FLAG_TIMESTAMP_MONOTONIC | V4L2_BUF_FLAG_TSTAMP_SRC_EOF;

const char *IoctlName(unsigned long request)
{
    switch (request) {
#define NAME(r) case r: return #r;
    NAME(VIDIOC_QUERYCAP) NAME(VIDIOC_ENUM_FMT) NAME(VIDIOC_G_FMT) NAME(VIDIOC_S_FMT) NAME(VIDIOC_TRY_FMT)
    NAME(VIDIOC_ENUM_FRAMESIZES) NAME(VIDIOC_ENUM_FRAMEINTERVALS) NAME(VIDIOC_G_PARM) NAME(VIDIOC_S_PARM)
    NAME(VIDIOC_REQBUFS) NAME(VIDIOC_QUERYBUF) NAME(VIDIOC_QBUF) NAME(VIDIOC_DQBUF) NAME(VIDIOC_STREAMON)
    NAME(VIDIOC_STREAMOFF) NAME(VIDIOC_QUERYCTRL) NAME(VIDIOC_QUERY_EXT_CTRL) NAME(VIDIOC_QUERYMENU)
    NAME(VIDIOC_G_CTRL) NAME(VIDIOC_S_CTRL) NAME(VIDIOC_G_EXT_CTRLS) NAME(VIDIOC_S_EXT_CTRLS)
    NAME(VIDIOC_TRY_EXT_CTRLS) NAME(VIDIOC_G_INPUT) NAME(VIDIOC_S_INPUT) NAME(VIDIOC_ENUMINPUT)
    NAME(VIDIOC_G_PRIORITY) NAME(VIDIOC_S_PRIORITY)
#undef NAME
    default: return "other";
    }
}

int64_t ThreadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

size_t SizeImage(uint32_t pixelFormat, uint32_t w, uint32_t h)
{
    // UVC cameras announce two bytes a pixel as the largest MJPEG frame too.
    (void)pixelFormat;
    return size_t(w) * h * 2;
}

void CopyName(uint8_t *to, size_t size, const char *from)
{
    std::snprintf(reinterpret_cast<char *>(to), size, "%s", from);
}

} // namespace

FakeCamera::FakeCamera(const CameraConfig &c, const CameraProfile &p, std::shared_ptr<CameraHistory> h)
    : config(c), profile(p), history(std::move(h)), controls(p.controls)
{
    if (history->fired.size() != config.failures.size())
        history->fired.assign(config.failures.size(), false);
    // The driver starts on the first size of the first format.
    const ProfileFormat &f = profile.formats.front();
    pixelFormat = f.pixelFormat;
    width = f.frames.front().width;
    height = f.frames.front().height;
    fps = DefaultFps(f.frames.front());
}

FakeCamera::~FakeCamera()
{
    FreeBuffers();
}

const ProfileFormat *FakeCamera::Format(uint32_t pf) const
{
    for (const ProfileFormat &f : profile.formats)
        if (f.pixelFormat == pf)
            return &f;
    return nullptr;
}

const ProfileFrame *FakeCamera::Frame(uint32_t pf, uint32_t w, uint32_t h) const
{
    if (const ProfileFormat *f = Format(pf))
        for (const ProfileFrame &fr : f->frames)
            if (fr.width == w && fr.height == h)
                return &fr;
    return nullptr;
}

int FakeCamera::DefaultFps(const ProfileFrame &frame) const
{
    if (config.fps > 0 && std::count(frame.fps.begin(), frame.fps.end(), uint32_t(config.fps)))
        return config.fps;
    return int(frame.fps.front());
}

void FakeCamera::SetFailures(const std::vector<FailureStep> &failures)
{
    config.failures = failures;
    if (history->fired.size() != failures.size())
        history->fired.assign(failures.size(), false);
}

bool FakeCamera::TakeUnplugRequest(int &backAfterMs)
{
    if (!unplugRequested.exchange(false))
        return false;
    backAfterMs = unplugBackAfterMs;
    return true;
}

int FakeCamera::Ioctl(OpenHandle &handle, unsigned long request, void *arg, int64_t nowUs)
{
    request = unsigned(request); // the upper half of a 64-bit request is ignored, as by the kernel
    ++ioctlCounts[IoctlName(request)];
    if (unregistered)
        return ENODEV;
    if (!arg)
        return EFAULT;
    if (request == VIDIOC_QUERYCAP) {
        auto *cap = static_cast<v4l2_capability *>(arg);
        std::memset(cap, 0, sizeof *cap);
        CopyName(cap->driver, sizeof cap->driver, "uvcvideo");
        CopyName(cap->card, sizeof cap->card, (config.card.empty() ? profile.card : config.card).c_str());
        char bus[32];
        std::snprintf(bus, sizeof bus, "usb-0000:00:14.0-%d", config.node / 2 + 1);
        CopyName(cap->bus_info, sizeof cap->bus_info, bus);
        cap->version = (6u << 16) | (1u << 8);
        cap->capabilities = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING
            | V4L2_CAP_DEVICE_CAPS;
        cap->device_caps = (handle.metadata ? V4L2_CAP_META_CAPTURE : V4L2_CAP_VIDEO_CAPTURE) | V4L2_CAP_STREAMING;
        return 0;
    }
    return handle.metadata ? MetadataIoctl(request, arg) : VideoIoctl(handle, request, arg, nowUs);
}

int FakeCamera::MetadataIoctl(unsigned long request, void *arg)
{
    switch (request) {
    case VIDIOC_ENUM_FMT: {
        auto *d = static_cast<v4l2_fmtdesc *>(arg);
        if (d->type != V4L2_BUF_TYPE_META_CAPTURE || d->index != 0)
            return EINVAL;
        const uint32_t index = d->index, type = d->type;
        std::memset(d, 0, sizeof *d);
        d->index = index;
        d->type = type;
        d->pixelformat = V4L2_META_FMT_UVC;
        CopyName(d->description, sizeof d->description, "UVC Payload Header Metadata");
        return 0;
    }
    case VIDIOC_G_FMT:
    case VIDIOC_S_FMT:
    case VIDIOC_TRY_FMT: {
        auto *f = static_cast<v4l2_format *>(arg);
        if (f->type != V4L2_BUF_TYPE_META_CAPTURE)
            return EINVAL;
        f->fmt.meta.dataformat = V4L2_META_FMT_UVC;
        f->fmt.meta.buffersize = 10240;
        return 0;
    }
    case VIDIOC_REQBUFS:
    case VIDIOC_QUERYBUF:
    case VIDIOC_QBUF:
    case VIDIOC_DQBUF:
    case VIDIOC_STREAMON:
    case VIDIOC_STREAMOFF:
        return EINVAL; // metadata is not streamed here: nothing asks for it
    default:
        return ENOTTY;
    }
}

int FakeCamera::VideoIoctl(OpenHandle &handle, unsigned long request, void *arg, int64_t nowUs)
{
    // What the camera filmed until now happened before this call: a buffer queued now cannot
    // take a frame that was due while it was away.
    Advance(nowUs);
    switch (request) {
    case VIDIOC_ENUM_FMT: {
        auto *d = static_cast<v4l2_fmtdesc *>(arg);
        if (d->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || d->index >= profile.formats.size())
            return EINVAL;
        const ProfileFormat &f = profile.formats[d->index];
        const uint32_t index = d->index;
        std::memset(d, 0, sizeof *d);
        d->index = index;
        d->type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        d->flags = f.pixelFormat == V4L2_PIX_FMT_MJPEG ? V4L2_FMT_FLAG_COMPRESSED : 0;
        d->pixelformat = f.pixelFormat;
        CopyName(d->description, sizeof d->description, f.description);
        return 0;
    }
    case VIDIOC_ENUM_FRAMESIZES: {
        auto *s = static_cast<v4l2_frmsizeenum *>(arg);
        const ProfileFormat *f = Format(s->pixel_format);
        if (!f || s->index >= f->frames.size())
            return EINVAL;
        s->type = V4L2_FRMSIZE_TYPE_DISCRETE;
        s->discrete.width = f->frames[s->index].width;
        s->discrete.height = f->frames[s->index].height;
        return 0;
    }
    case VIDIOC_ENUM_FRAMEINTERVALS: {
        auto *i = static_cast<v4l2_frmivalenum *>(arg);
        const ProfileFrame *fr = Frame(i->pixel_format, i->width, i->height);
        if (!fr || i->index >= fr->fps.size())
            return EINVAL;
        i->type = V4L2_FRMIVAL_TYPE_DISCRETE;
        i->discrete.numerator = 1;
        i->discrete.denominator = fr->fps[i->index];
        return 0;
    }
    case VIDIOC_G_FMT: {
        auto *f = static_cast<v4l2_format *>(arg);
        if (f->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return EINVAL;
        std::memset(&f->fmt, 0, sizeof f->fmt);
        v4l2_pix_format &p = f->fmt.pix;
        p.width = width;
        p.height = height;
        p.pixelformat = pixelFormat;
        p.field = V4L2_FIELD_NONE;
        p.bytesperline = pixelFormat == V4L2_PIX_FMT_YUYV ? width * 2 : 0;
        p.sizeimage = uint32_t(SizeImage(pixelFormat, width, height));
        p.colorspace = V4L2_COLORSPACE_SRGB;
        return 0;
    }
    case VIDIOC_TRY_FMT:
    case VIDIOC_S_FMT:
        return TryFormat(arg, request == VIDIOC_S_FMT, handle);
    case VIDIOC_G_PARM: {
        auto *p = static_cast<v4l2_streamparm *>(arg);
        if (p->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return EINVAL;
        std::memset(&p->parm, 0, sizeof p->parm);
        p->parm.capture.capability = V4L2_CAP_TIMEPERFRAME;
        p->parm.capture.timeperframe = {1, uint32_t(fps)};
        return 0;
    }
    case VIDIOC_S_PARM:
        return SetParm(arg, handle);
    case VIDIOC_REQBUFS:
        return RequestBuffers(arg, handle);
    case VIDIOC_QUERYBUF:
        return QueryBuffer(arg);
    case VIDIOC_QBUF:
        return Queue(arg);
    case VIDIOC_DQBUF:
        return Dequeue(arg);
    case VIDIOC_STREAMON:
        if (*static_cast<int *>(arg) != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return EINVAL;
        return StreamOn(handle, nowUs);
    case VIDIOC_STREAMOFF:
        if (*static_cast<int *>(arg) != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return EINVAL;
        if (int e = Acquire(handle))
            return e;
        StreamOff();
        return 0;
    case VIDIOC_QUERYCTRL:
        return controls.Query(arg);
    case VIDIOC_QUERY_EXT_CTRL:
        return controls.QueryExt(arg);
    case VIDIOC_QUERYMENU:
        return controls.QueryMenu(arg);
    case VIDIOC_G_CTRL: {
        auto *c = static_cast<v4l2_control *>(arg);
        int32_t value = 0;
        const int e = controls.Get(c->id, value);
        c->value = value;
        return e;
    }
    case VIDIOC_S_CTRL: {
        auto *c = static_cast<v4l2_control *>(arg);
        int32_t value = c->value;
        const int e = controls.Set(c->id, value, true);
        c->value = value;
        return e;
    }
    case VIDIOC_G_EXT_CTRLS:
    case VIDIOC_S_EXT_CTRLS:
    case VIDIOC_TRY_EXT_CTRLS:
        return controls.Ext(request, arg);
    case VIDIOC_G_INPUT:
        *static_cast<int *>(arg) = 0;
        return 0;
    case VIDIOC_S_INPUT:
        return *static_cast<int *>(arg) == 0 ? 0 : EINVAL;
    case VIDIOC_ENUMINPUT: {
        auto *in = static_cast<v4l2_input *>(arg);
        if (in->index != 0)
            return EINVAL;
        std::memset(in, 0, sizeof *in);
        CopyName(in->name, sizeof in->name, "Camera 1");
        in->type = V4L2_INPUT_TYPE_CAMERA;
        return 0;
    }
    case VIDIOC_G_PRIORITY:
        *static_cast<uint32_t *>(arg) = V4L2_PRIORITY_DEFAULT;
        return 0;
    case VIDIOC_S_PRIORITY:
        return *static_cast<uint32_t *>(arg) <= V4L2_PRIORITY_RECORD ? 0 : EINVAL;
    default:
        return ENOTTY;
    }
}

int FakeCamera::Acquire(const OpenHandle &handle)
{
    if (owner >= 0 && owner != handle.fd)
        return EBUSY;
    owner = handle.fd;
    return 0;
}

int FakeCamera::TryFormat(void *arg, bool set, const OpenHandle &handle)
{
    auto *f = static_cast<v4l2_format *>(arg);
    if (f->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
        return EINVAL;
    if (set) {
        if (int e = Acquire(handle))
            return e;
        if (!buffers.empty())
            return EBUSY; // the size of the buffers is fixed once they exist
    }
    v4l2_pix_format &p = f->fmt.pix;
    // An unknown format falls back to the first; the nearest size by area wins.
    const ProfileFormat *format = Format(p.pixelformat);
    if (!format)
        format = &profile.formats.front();
    const ProfileFrame *best = nullptr;
    uint64_t bestDistance = UINT64_MAX;
    for (const ProfileFrame &fr : format->frames) {
        const uint64_t overlap = uint64_t(std::min(fr.width, p.width)) * std::min(fr.height, p.height);
        const uint64_t d = uint64_t(fr.width) * fr.height + uint64_t(p.width) * p.height - 2 * overlap;
        if (d < bestDistance) {
            bestDistance = d;
            best = &fr;
        }
    }
    std::memset(&f->fmt, 0, sizeof f->fmt);
    p.width = best->width;
    p.height = best->height;
    p.pixelformat = format->pixelFormat;
    p.field = V4L2_FIELD_NONE;
    p.bytesperline = format->pixelFormat == V4L2_PIX_FMT_YUYV ? best->width * 2 : 0;
    p.sizeimage = uint32_t(SizeImage(format->pixelFormat, best->width, best->height));
    p.colorspace = V4L2_COLORSPACE_SRGB;
    if (set) {
        pixelFormat = format->pixelFormat;
        width = best->width;
        height = best->height;
        fps = DefaultFps(*best); // a new size starts at its default interval
    }
    return 0;
}

int FakeCamera::SetParm(void *arg, const OpenHandle &handle)
{
    auto *p = static_cast<v4l2_streamparm *>(arg);
    if (p->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
        return EINVAL;
    if (int e = Acquire(handle))
        return e;
    if (streaming)
        return EBUSY;
    const ProfileFrame *fr = Frame(pixelFormat, width, height);
    const v4l2_fract asked = p->parm.capture.timeperframe;
    // The interval nearest the one asked for; none asked means the fastest.
    const double askedSeconds = asked.denominator ? double(asked.numerator) / asked.denominator : 0.0;
    int chosen = int(fr->fps.front());
    double bestError = 1e9;
    for (uint32_t rate : fr->fps) {
        const double error = std::abs(1.0 / rate - askedSeconds);
        if (error < bestError) {
            bestError = error;
            chosen = int(rate);
        }
    }
    fps = chosen;
    std::memset(&p->parm, 0, sizeof p->parm);
    p->parm.capture.capability = V4L2_CAP_TIMEPERFRAME;
    p->parm.capture.timeperframe = {1, uint32_t(fps)};
    return 0;
}

void FakeCamera::FreeBuffers()
{
    if (mapped)
        munmap(mapped, mappedSize);
    if (memory >= 0)
        close(memory);
    mapped = nullptr;
    mappedSize = 0;
    memory = -1;
    buffers.clear();
    queued.clear();
    done.clear();
}

int FakeCamera::RequestBuffers(void *arg, const OpenHandle &handle)
{
    auto *req = static_cast<v4l2_requestbuffers *>(arg);
    if (req->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
        return EINVAL;
    if (req->memory != V4L2_MEMORY_MMAP)
        return EINVAL; // user pointers and DMA buffers are not played
    if (int e = Acquire(handle))
        return e;
    if (streaming)
        return EBUSY;
    FreeBuffers();
    std::memset(req->reserved, 0, sizeof req->reserved);
    req->capabilities = V4L2_BUF_CAP_SUPPORTS_MMAP;
    if (req->count == 0) {
        owner = -1; // freeing the buffers gives the stream up
        return 0;
    }
    const uint32_t count = std::min(req->count, MaxBuffers);
    const size_t length = SizeImage(pixelFormat, width, height);
    const size_t stride = (length + Page - 1) / Page * Page;
    memory = memfd_create("fakev4l2-buffers", MFD_CLOEXEC);
    if (memory < 0 || ftruncate(memory, off_t(stride * count)) != 0) {
        FreeBuffers();
        return ENOMEM;
    }
    mappedSize = stride * count;
    void *p = mmap(nullptr, mappedSize, PROT_READ | PROT_WRITE, MAP_SHARED, memory, 0);
    if (p == MAP_FAILED) {
        mapped = nullptr;
        FreeBuffers();
        return ENOMEM;
    }
    mapped = static_cast<uint8_t *>(p);
    buffers.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        buffers[i].offset = stride * i;
        buffers[i].length = length;
    }
    req->count = count;
    return 0;
}

int FakeCamera::QueryBuffer(void *arg) const
{
    auto *b = static_cast<v4l2_buffer *>(arg);
    if (b->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || b->index >= buffers.size())
        return EINVAL;
    const Buffer &buf = buffers[b->index];
    const uint32_t index = b->index;
    std::memset(b, 0, sizeof *b);
    b->index = index;
    b->type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    b->memory = V4L2_MEMORY_MMAP;
    b->length = uint32_t(buf.length);
    b->m.offset = uint32_t(buf.offset);
    b->field = V4L2_FIELD_NONE;
    b->flags = TimestampFlags | V4L2_BUF_FLAG_MAPPED;
    if (buf.state == Buffer::State::Queued)
        b->flags |= V4L2_BUF_FLAG_QUEUED;
    if (buf.state == Buffer::State::Done)
        b->flags |= V4L2_BUF_FLAG_DONE;
    return 0;
}

int FakeCamera::Queue(void *arg)
{
    auto *b = static_cast<v4l2_buffer *>(arg);
    if (b->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || b->memory != V4L2_MEMORY_MMAP || b->index >= buffers.size())
        return EINVAL;
    if (queueError)
        return EIO;
    Buffer &buf = buffers[b->index];
    if (buf.state != Buffer::State::Dequeued)
        return EINVAL;
    buf.state = Buffer::State::Queued;
    queued.push_back(b->index);
    b->flags = TimestampFlags | V4L2_BUF_FLAG_MAPPED | V4L2_BUF_FLAG_QUEUED;
    return 0;
}

int FakeCamera::Dequeue(void *arg)
{
    auto *b = static_cast<v4l2_buffer *>(arg);
    if (b->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || b->memory != V4L2_MEMORY_MMAP)
        return EINVAL;
    if (!streaming)
        return EINVAL;
    if (queueError)
        return EIO;
    if (done.empty())
        return EAGAIN; // the caller waits for blocking handles
    const uint32_t index = done.front();
    done.pop_front();
    Buffer &buf = buffers[index];
    buf.state = Buffer::State::Dequeued;
    std::memset(b, 0, sizeof *b);
    b->index = index;
    b->type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    b->memory = V4L2_MEMORY_MMAP;
    b->bytesused = buf.bytesUsed;
    b->flags = buf.flags | TimestampFlags | V4L2_BUF_FLAG_MAPPED;
    b->field = V4L2_FIELD_NONE;
    b->timestamp.tv_sec = buf.timestampUs / 1000000;
    b->timestamp.tv_usec = buf.timestampUs % 1000000;
    b->sequence = buf.sequence;
    b->length = uint32_t(buf.length);
    b->m.offset = uint32_t(buf.offset);
    return 0;
}

int FakeCamera::StreamOn(const OpenHandle &handle, int64_t nowUs)
{
    if (int e = Acquire(handle))
        return e;
    if (streaming)
        return 0;
    if (buffers.empty())
        return EINVAL;
    if (queueError)
        return EIO;
    streaming = true;
    stalled = false;
    startUs = nowUs;
    nextFrame = 0;
    const int64_t t0 = ThreadCpuNs();
    feedReady = feed.Start(config.feed, int(width), int(height), fps, history->streams++);
    ++streams;
    cpuNs += ThreadCpuNs() - t0;
    return 0;
}

void FakeCamera::StreamOff()
{
    streaming = false;
    // Every buffer comes back to the caller, queued or done.
    for (Buffer &b : buffers)
        b.state = Buffer::State::Dequeued;
    queued.clear();
    done.clear();
}

void FakeCamera::Release(const OpenHandle &handle)
{
    if (owner != handle.fd)
        return;
    StreamOff();
    FreeBuffers();
    owner = -1;
    queueError = unplugging; // the next open starts a fresh stream, unless the camera is going
}

short FakeCamera::Poll(const OpenHandle &handle, short events, int64_t nowUs)
{
    if (unregistered)
        return POLLERR | POLLHUP | POLLPRI;
    if (handle.metadata)
        return POLLERR;
    Advance(nowUs);
    if (!streaming || queueError)
        return POLLERR;
    if (!done.empty())
        return short(events & (POLLIN | POLLRDNORM));
    return 0;
}

void *FakeCamera::Map(const OpenHandle &handle, void *address, size_t length, int protection, int flags,
                      int64_t offset, int &err)
{
    err = 0;
    if (unregistered) {
        err = ENODEV;
        return nullptr;
    }
    if (handle.metadata || !(flags & MAP_SHARED)) {
        err = EINVAL;
        return nullptr;
    }
    for (const Buffer &b : buffers)
        if (int64_t(b.offset) == offset && length <= (b.length + Page - 1) / Page * Page) {
            // The caller's mapping shares the pages the device writes its frames into.
            void *p = mmap(address, length, protection, flags, memory, off_t(b.offset));
            if (p == MAP_FAILED) {
                err = errno;
                return nullptr;
            }
            return p;
        }
    err = EINVAL;
    return nullptr;
}

int64_t FakeCamera::NextEventUs() const
{
    if (!streaming || queueError || stalled || unregistered || !feedReady)
        return INT64_MAX;
    if (!config.paced)
        return queued.empty() ? INT64_MAX : 0;
    const int64_t period = 1000000 / std::max(1, fps);
    return startUs + (nextFrame + 1) * period;
}

void FakeCamera::FailureFor(long k, const FailureStep **step)
{
    *step = nullptr;
    for (size_t i = 0; i < config.failures.size(); ++i) {
        const FailureStep &f = config.failures[i];
        if (history->fired[i] || k < f.frame || k >= f.frame + f.count)
            continue;
        if (k == f.frame + f.count - 1)
            history->fired[i] = true; // a step happens once in the life of the configuration
        *step = &f;
        return;
    }
}

void FakeCamera::Advance(int64_t nowUs)
{
    const int64_t period = 1000000 / std::max(1, fps);
    while (streaming && !queueError && !stalled && !unregistered && feedReady) {
        int64_t stampUs;
        if (config.paced) {
            stampUs = startUs + (nextFrame + 1) * period;
            if (stampUs > nowUs)
                return;
        } else {
            if (queued.empty())
                return;
            // Played as fast as read: stamped at the recording's own pace.
            const double rate = feed.SourceFps() > 0 ? feed.SourceFps() : fps;
            stampUs = startUs + int64_t((nextFrame + 1) * 1e6 / rate);
        }
        Produce(stampUs);
    }
}

void FakeCamera::Produce(int64_t stampUs)
{
    const long k = nextFrame;
    const FailureStep *step = nullptr;
    FailureFor(k, &step);
    const FailureStep::Kind kind = step ? step->kind : FailureStep::Kind::Drop;
    if (step && kind == FailureStep::Kind::Unplug) {
        queueError = true;
        unplugging = true;
        unplugBackAfterMs = step->backAfterMs;
        unplugRequested = true;
        return;
    }
    if (step && kind == FailureStep::Kind::StreamError) {
        queueError = true;
        return;
    }
    if (step && kind == FailureStep::Kind::Stall) {
        stalled = true;
        return;
    }
    ++nextFrame;
    if ((step && kind == FailureStep::Kind::Drop) || queued.empty()) {
        ++lost; // the camera filmed it, but no buffer was there to take it
        return;
    }
    const int64_t cpu0 = ThreadCpuNs();
    cv::Mat picture;
    if (!feed.Frame(k, picture)) {
        stalled = true; // the recording ended: a camera that stops delivering
        --nextFrame;
        cpuNs += ThreadCpuNs() - cpu0;
        return;
    }
    const uint32_t index = queued.front();
    queued.pop_front();
    Buffer &b = buffers[index];
    uint8_t *data = mapped + b.offset;
    size_t bytes = pixelFormat == V4L2_PIX_FMT_YUYV
        ? EncodeYuyv(picture, data, b.length)
        : EncodeJpeg(picture, profile.jpegWithoutHuffmanTables, data, b.length);
    b.flags = 0;
    if (step && kind == FailureStep::Kind::ErrorFlag)
        b.flags = V4L2_BUF_FLAG_ERROR;
    if (step && kind == FailureStep::Kind::Empty)
        bytes = 0;
    if (step && kind == FailureStep::Kind::Truncated)
        bytes /= 2;
    if (step && kind == FailureStep::Kind::Corrupt)
        for (size_t i = bytes / 3; i < bytes / 3 + 64 && i < bytes; ++i)
            data[i] = uint8_t(data[i] * 7 + 13);
    b.bytesUsed = uint32_t(bytes);
    b.sequence = uint32_t(k);
    b.timestampUs = stampUs;
    b.state = Buffer::State::Done;
    done.push_back(index);
    ++delivered;
    cpuNs += ThreadCpuNs() - cpu0;
}

std::string FakeCamera::StateJson() const
{
    char fourcc[5] = {char(pixelFormat & 0xff), char(pixelFormat >> 8 & 0xff), char(pixelFormat >> 16 & 0xff),
                      char(pixelFormat >> 24 & 0xff), 0};
    char head[640];
    std::snprintf(head, sizeof head,
                  "\"format\": \"%s\", \"width\": %u, \"height\": %u, \"fps\": %d, \"streaming\": %s, "
                  "\"buffers\": %zu, \"streams\": %d, \"start_us\": %lld, \"frames\": %ld, \"lost\": %ld, \"cpu_ms\": %.3f, "
                  "\"stream_error\": %s",
                  fourcc, width, height, fps, streaming ? "true" : "false", buffers.size(), streams, (long long)startUs, delivered, lost,
                  cpuNs / 1e6, queueError ? "true" : "false");
    std::string s = head;
    s += ", \"controls\": " + controls.ValuesJson();
    return s;
}
