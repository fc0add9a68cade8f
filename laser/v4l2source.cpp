// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2Source: format negotiation, buffer streaming, decoding and driver controls.
#include "v4l2source.h"

#include "v4l2controllist.h"
#include "v4l2controls.h"

#include <libv4l2.h>
#include <linux/videodev2.h>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>

namespace {

// Four buffers: while one is decoded, the driver has three to fill, so a capture thread held up
// for up to three frame periods (a busy machine, another camera being opened) loses no frame. A
// frame that waits is only late while the thread catches up; one the driver had no buffer for
// is gone, and with it any shot that showed in it alone.
constexpr unsigned BufferCount = 4;

// A JPEG cut short on the bus still decodes, its missing rows grey, and would reach detection
// as a sudden change of the scene. A whole frame ends with EOI, some cameras pad it with zeros.
bool IsWholeJpeg(const unsigned char *data, size_t bytes)
{
    if (bytes < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    while (bytes > 4 && data[bytes - 1] == 0x00)
        --bytes;
    return data[bytes - 2] == 0xFF && data[bytes - 1] == 0xD9;
}

} // namespace

uint32_t ChooseV4L2Format(const std::vector<uint32_t> &offered)
{
    // MJPEG keeps 640x480 at full frame rate on USB 2 cameras; raw YUYV often does not.
    // Otherwise BGR24, which libv4l2 converts to from whatever the camera has.
    for (uint32_t f : offered)
        if (f == V4L2_PIX_FMT_MJPEG)
            return f;
    return V4L2_PIX_FMT_BGR24;
}

bool DecodeV4L2Frame(uint32_t pixelFormat, const void *data, size_t bytes, int width, int height,
                     int bytesPerLine, cv::Mat &picture)
{
    thread_local MjpegDecoder decoder;
    return DecodeV4L2Frame(decoder, pixelFormat, data, bytes, width, height, bytesPerLine, 0, 0,
                           picture);
}

bool DecodeV4L2Frame(MjpegDecoder &decoder, uint32_t pixelFormat, const void *data, size_t bytes,
                     int width, int height, int bytesPerLine, int wantWidth, int wantHeight,
                     cv::Mat &picture, bool *bottomUp)
{
    if (bottomUp)
        *bottomUp = false;
    if (!data || bytes == 0)
        return false;
    // TurboJPEG rather than OpenCV's imdecode: about three times faster per frame
    // (mjpeg-bench), and it can shrink a large frame while decoding it.
    // A frame cut short still decodes, into a picture with grey rows: refused before decoding.
    if (pixelFormat == V4L2_PIX_FMT_MJPEG)
        return IsWholeJpeg(static_cast<const unsigned char *>(data), bytes)
               && decoder.Decode(data, bytes, wantWidth, wantHeight, picture, bottomUp);
    void *mutableData = const_cast<void *>(data); // cv::Mat wants it; it is only read
    const int pixelBytes = pixelFormat == V4L2_PIX_FMT_YUYV ? 2 : 3;
    const int stride = std::max(bytesPerLine, width * pixelBytes);
    if ((pixelFormat != V4L2_PIX_FMT_YUYV && pixelFormat != V4L2_PIX_FMT_BGR24)
        || bytes < size_t(stride) * (height - 1) + size_t(width) * pixelBytes)
        return false;
    if (pixelFormat == V4L2_PIX_FMT_YUYV) {
        const cv::Mat yuyv(height, width, CV_8UC2, mutableData, size_t(stride));
        cv::cvtColor(yuyv, picture, cv::COLOR_YUV2BGR_YUYV);
    } else {
        cv::Mat(height, width, CV_8UC3, mutableData, size_t(stride)).copyTo(picture);
    }
    return true;
}

V4L2Source::V4L2Source(std::string n) : node(std::move(n)) {}

V4L2Source::~V4L2Source()
{
    Close();
}

int V4L2Source::Ioctl(unsigned long request, void *arg) const
{
    int r;
    do {
        r = v4l2_ioctl(fd, request, arg);
    } while (r < 0 && errno == EINTR);
    return r;
}

bool V4L2Source::Open(int w, int h)
{
    askedWidth = w;
    askedHeight = h;
    fd = v4l2_open(node.c_str(), O_RDWR | O_NONBLOCK);
    if (fd < 0)
        return false;

    std::vector<uint32_t> offered;
    v4l2_fmtdesc desc{};
    desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (desc.index = 0; Ioctl(VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index)
        offered.push_back(desc.pixelformat);

    v4l2_format fmt{};
    fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    fmt.fmt.pix.width = uint32_t(w);
    fmt.fmt.pix.height = uint32_t(h);
    fmt.fmt.pix.field = V4L2_FIELD_ANY;
    fmt.fmt.pix.pixelformat = ChooseV4L2Format(offered);
    if (Ioctl(VIDIOC_S_FMT, &fmt) < 0) {
        Close();
        return false;
    }
    pixelFormat = fmt.fmt.pix.pixelformat;
    width = int(fmt.fmt.pix.width);
    height = int(fmt.fmt.pix.height);
    bytesPerLine = int(fmt.fmt.pix.bytesperline);
    if (pixelFormat != V4L2_PIX_FMT_MJPEG && pixelFormat != V4L2_PIX_FMT_BGR24
        && pixelFormat != V4L2_PIX_FMT_YUYV) {
        Close();
        return false;
    }

    capture = CaptureInfo();
    capture.width = width;
    capture.height = height;
    capture.pixelFormat = pixelFormat;
    capture.sequenceKnown = true;
    AskFrameRate();
    v4l2_streamparm parm{};
    parm.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (Ioctl(VIDIOC_G_PARM, &parm) == 0 && parm.parm.capture.timeperframe.numerator > 0)
        capture.askedFps = double(parm.parm.capture.timeperframe.denominator)
            / parm.parm.capture.timeperframe.numerator;

    v4l2_requestbuffers req{};
    req.count = BufferCount;
    req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    req.memory = V4L2_MEMORY_MMAP;
    if (Ioctl(VIDIOC_REQBUFS, &req) < 0 || req.count < 1) {
        Close();
        return false;
    }
    for (unsigned i = 0; i < req.count; ++i) {
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        buf.index = i;
        if (Ioctl(VIDIOC_QUERYBUF, &buf) < 0) {
            Close();
            return false;
        }
        Buffer b;
        b.length = buf.length;
        b.start = v4l2_mmap(nullptr, buf.length, PROT_READ | PROT_WRITE, MAP_SHARED, fd,
                            buf.m.offset);
        if (b.start == MAP_FAILED) {
            Close();
            return false;
        }
        buffers.push_back(b);
        // Some drivers insist on more buffers than asked for; the extra ones stay unqueued.
        if (i < BufferCount && Ioctl(VIDIOC_QBUF, &buf) < 0) {
            Close();
            return false;
        }
    }
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (Ioctl(VIDIOC_STREAMON, &type) < 0) {
        Close();
        return false;
    }
    streaming = true;
    return true;
}

void V4L2Source::AskFrameRate()
{
    // A UVC camera starts at its default interval, often 30 fps or less; the fastest one up
    // to the tick's needs is asked for, and whatever the driver answers is taken.
    v4l2_frmivalenum ival{};
    ival.pixel_format = pixelFormat;
    ival.width = uint32_t(width);
    ival.height = uint32_t(height);
    std::vector<v4l2_fract> intervals;
    for (ival.index = 0; Ioctl(VIDIOC_ENUM_FRAMEINTERVALS, &ival) == 0; ++ival.index) {
        if (ival.type == V4L2_FRMIVAL_TYPE_DISCRETE) {
            intervals.push_back(ival.discrete);
        } else {
            // Stepwise or continuous: the shortest interval allowed, or the limit inside the range.
            const v4l2_fract &shortest = ival.stepwise.min;
            const v4l2_fract &longest = ival.stepwise.max;
            const bool limitInside = uint64_t(shortest.numerator) * MaxFrameRate <= shortest.denominator
                && uint64_t(longest.numerator) * MaxFrameRate >= longest.denominator;
            intervals.push_back(limitInside ? v4l2_fract{1, MaxFrameRate} : shortest);
            break;
        }
    }
    v4l2_fract best{0, 0};
    double bestFps = 0.0;
    for (const v4l2_fract &f : intervals) {
        if (f.numerator == 0 || f.denominator == 0)
            continue;
        const double rate = double(f.denominator) / f.numerator;
        if (rate <= MaxFrameRate + 0.5 && rate > bestFps) {
            bestFps = rate;
            best = f;
        }
    }
    if (bestFps <= 0.0)
        return;
    v4l2_streamparm parm{};
    parm.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (Ioctl(VIDIOC_G_PARM, &parm) < 0 || !(parm.parm.capture.capability & V4L2_CAP_TIMEPERFRAME))
        return;
    parm.parm.capture.timeperframe = best;
    Ioctl(VIDIOC_S_PARM, &parm); // a refusal leaves the camera at its own rate
}

void V4L2Source::Close()
{
    if (fd < 0)
        return;
    if (streaming) {
        v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        Ioctl(VIDIOC_STREAMOFF, &type);
        streaming = false;
    }
    for (const Buffer &b : buffers)
        v4l2_munmap(b.start, b.length);
    buffers.clear();
    v4l2_close(fd);
    fd = -1;
}

int V4L2Source::Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs)
{
    if (fd < 0)
        return -1;
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, timeoutMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return 0;
    if (ready < 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
        return -1;

    v4l2_buffer buf{};
    buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    buf.memory = V4L2_MEMORY_MMAP;
    if (Ioctl(VIDIOC_DQBUF, &buf) < 0)
        return errno == EAGAIN ? 0 : -1;
    timestampUs = int64_t(buf.timestamp.tv_sec) * 1000000 + buf.timestamp.tv_usec;
    if (!(buf.flags & V4L2_BUF_FLAG_TIMESTAMP_MONOTONIC) || timestampUs == 0)
        timestampUs = MonotonicMicros();
    capture.Sequence(buf.sequence);
    lastBottomUp = false;
    const bool ok = buf.index < buffers.size() && !(buf.flags & V4L2_BUF_FLAG_ERROR)
        && DecodeV4L2Frame(decoder, pixelFormat, buffers[buf.index].start,
                           std::min<size_t>(buf.bytesused, buffers[buf.index].length), width,
                           height, bytesPerLine, askedWidth, askedHeight, picture,
                           bottomUpAllowed ? &lastBottomUp : nullptr);
    if (!ok)
        ++capture.decodeFailures;
    // The buffer goes back to the driver at once; the picture is a copy.
    if (Ioctl(VIDIOC_QBUF, &buf) < 0)
        return -1;
    return ok ? 1 : 0; // a corrupt frame is skipped, not fatal
}

bool V4L2Source::SetControl(uint32_t id, int value)
{
    v4l2_control c{id, value};
    return fd >= 0 && Ioctl(VIDIOC_S_CTRL, &c) == 0;
}

bool V4L2Source::GetSetting(SettingGroup group, int id, SettingInfo &info)
{
    info = SettingInfo();
    const uint32_t cid = V4L2ControlFor(group, id);
    if (fd < 0 || cid == 0)
        return false;
    v4l2_queryctrl q{};
    q.id = cid;
    if (Ioctl(VIDIOC_QUERYCTRL, &q) < 0 || (q.flags & V4L2_CTRL_FLAG_DISABLED))
        return false;
    v4l2_control c{cid, 0};
    if (Ioctl(VIDIOC_G_CTRL, &c) < 0)
        return false;
    info.minimum = q.minimum;
    info.maximum = q.maximum;
    info.step = q.step;
    info.value = c.value;
    info.defaultValue = q.default_value;
    if (group == SettingGroup::Filter && id == 6) {
        // Colour enable is the colour killer turned round.
        info.value = c.value ? 0 : 1;
        info.defaultValue = q.default_value ? 0 : 1;
    }
    info.flags = 2;
    if (const uint32_t autoId = V4L2AutoControlFor(group, id)) {
        v4l2_control a{autoId, 0};
        if (Ioctl(VIDIOC_G_CTRL, &a) == 0 && a.value != V4L2AutoValue(autoId, false))
            info.flags = 1;
    }
    return true;
}

void V4L2Source::SetSetting(SettingGroup group, int id, int value, int flags)
{
    const uint32_t cid = V4L2ControlFor(group, id);
    if (fd < 0 || cid == 0)
        return;
    const uint32_t autoId = V4L2AutoControlFor(group, id);
    if (autoId && (flags == 1 || flags == 2))
        SetControl(autoId, V4L2AutoValue(autoId, flags == 1));
    if (group == SettingGroup::Camera && id == 4 && flags == 2) {
        // Otherwise the driver stretches exposure and the frame rate drops in dim light.
        SetControl(V4L2_CID_EXPOSURE_AUTO_PRIORITY, 0);
    }
    if (flags == 1)
        return;
    if (group == SettingGroup::Filter && id == 6)
        value = value ? 0 : 1;
    SetControl(cid, value);
}

std::vector<LaserControl> V4L2Source::Controls()
{
    if (fd < 0)
        return {};
    return ListV4L2Controls([this](unsigned long request, void *arg) { return Ioctl(request, arg); });
}

bool V4L2Source::ControlMenuItem(uint32_t id, int index, std::string &name)
{
    name.clear();
    return fd >= 0
        && V4L2MenuItemName([this](unsigned long request, void *arg) { return Ioctl(request, arg); }, id,
                            index, name);
}

bool V4L2Source::GetControl(uint32_t id, int &value)
{
    v4l2_control c{id, 0};
    if (fd < 0 || Ioctl(VIDIOC_G_CTRL, &c) < 0)
        return false;
    value = c.value;
    return true;
}
