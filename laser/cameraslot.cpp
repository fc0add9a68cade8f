// SPDX-License-Identifier: LGPL-2.1-or-later
// CameraSlot: opening and closing, the capture thread, and frame hand-over.
#include "cameraslot.h"

#include "framesource.h"
#include "laser.h"
#include "shotsignal.h"

#include <opencv2/core/utility.hpp>

namespace {

// Long enough to idle cheaply, short enough that closing a camera is quick.
constexpr int ThreadPollMs = 50;

} // namespace

CameraSlot::CameraSlot()
{
    const DetectorThresholds d;
    luminance = d.luminance;
    minSize = d.minSize;
    maxSize = d.maxSize;
    minDistance = d.minDistance;
}

CameraSlot::~CameraSlot()
{
    Close();
}

int CameraSlot::Open(const DeviceEntry &entry, int w, int h, bool threads)
{
    std::unique_ptr<FrameSource> s = CreateSource(entry);
    if (!s)
        return -1;
    return Open(std::move(s), entry.name, w, h, threads);
}

int CameraSlot::Open(std::unique_ptr<FrameSource> s, const std::string &n, int w, int h,
                     bool threads)
{
    Close();
    width = w > 0 ? w : 640;
    height = h > 0 ? h : 480;
    if (!s || !s->Open(width, height))
        return -1;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        source = std::move(s);
    }
    name = n;
    processor.Reset();
    picture.release();
    frameBuffer.clear();
    bottomUpSource = source->AllowBottomUp();
    {
        std::lock_guard<std::mutex> lock(statsMutex);
        captureInfo = source->Capture();
        counter.Reset(captureInfo.askedFps);
    }
    {
        std::lock_guard<std::mutex> lock(homographyMutex);
        homography.SetPictureSize(width, height);
    }
    gone = false;
    stopping = false;
    threaded = threads;
    // Each camera thread is one core's worth of work; OpenCV's own pool on top would
    // oversubscribe the machine. Set here, on the caller's thread, before any camera runs.
    cv::setNumThreads(1);
    if (threaded) {
        try {
            thread = std::thread(&CameraSlot::Run, this);
        } catch (...) {
            // No thread: the slot stays closed and the failure goes to the caller.
            source.reset();
            throw;
        }
    }
    return 1;
}

void CameraSlot::Close()
{
    if (thread.joinable()) {
        stopping = true;
        thread.join();
    }
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        source.reset();
    }
    queue.Clear();
    gone = false;
}

bool CameraSlot::IsOpen() const
{
    return source != nullptr;
}

void CameraSlot::Run()
{
    while (!stopping) {
        if (!CaptureOne(ThreadPollMs)) {
            gone = true;
            return;
        }
    }
}

bool CameraSlot::CaptureOne(int timeoutMs)
{
    FrameData *f = nullptr;
    try {
        int64_t stamp = 0;
        const int stride = AlignedStride(width * 3);
        if (bottomUpSource && picture.empty()) {
            frameBuffer.resize(size_t(stride) * size_t(height));
            picture = cv::Mat(height, width, CV_8UC3, frameBuffer.data(), size_t(stride));
        }
        const int r = source->Grab(picture, stamp, timeoutMs);
        if (r < 0)
            return false;
        {
            std::lock_guard<std::mutex> lock(statsMutex);
            captureInfo = source->Capture();
            if (r > 0)
                counter.Frame(MonotonicMicros(), stamp);
        }
        if (r == 0)
            return true;
        f = queue.AcquireWritable();
        Homography h;
        {
            std::lock_guard<std::mutex> lock(homographyMutex);
            h = homography;
        }
        // Written bottom row first into the frame buffer: that buffer becomes the frame's colour
        // buffer, and the frame's old one the next frame buffer.
        const bool inPlace = bottomUpSource && source->BottomUp() && picture.data == frameBuffer.data()
            && picture.cols == width && picture.rows == height && picture.step == size_t(stride);
        if (inPlace) {
            f->Resize(width, height);
            std::swap(f->colour, frameBuffer);
            picture.release();
        }
        processor.Process(picture, stamp, width, height, Thresholds(), h, *f, inPlace);
        f->timestampUs = stamp;
        f->shotTimestampUs = 0;
        f->readyUs = MonotonicMicros();
        const bool shot = f->shotCount > 0;
        queue.Publish(f);
        if (shot)
            ShotSignal::Instance().Raise();
        return true;
    } catch (...) {
        // Out of memory, or a decoder or OpenCV failure: on the camera's own thread nothing
        // could catch it, so the camera ends as if unplugged and the program may open it again.
        if (f)
            queue.Discard(f);
        return false;
    }
}

int CameraSlot::ReadFrame(FrameBlock *block)
{
    if (!source)
        return LASER_NOT_OPEN;
    if (!threaded && !gone && !CaptureOne(0))
        gone = true;
    if (FrameData *f = queue.Take()) {
        lastLatencyUs = f->readyUs - f->timestampUs;
        if (block)
            f->WriteBlock(block);
        return f->shotCount;
    }
    if (gone) {
        // A read error closes the camera, once every frame before it has been handed out.
        Close();
        return LASER_NOT_OPEN;
    }
    return LASER_NO_FRAME;
}

FrameData *CameraSlot::Current() const
{
    return queue.Current();
}

void CameraSlot::SetThreshold(int kind, int value)
{
    switch (kind) {
    case LASER_THRESHOLD_LUMINANCE: luminance = value; break;
    case LASER_THRESHOLD_MIN_SIZE: minSize = value; break;
    case LASER_THRESHOLD_MAX_SIZE: maxSize = value; break;
    case LASER_THRESHOLD_MIN_DISTANCE: minDistance = value; break;
    default: break;
    }
}

int CameraSlot::Threshold(int kind) const
{
    switch (kind) {
    case LASER_THRESHOLD_LUMINANCE: return luminance;
    case LASER_THRESHOLD_MIN_SIZE: return minSize;
    case LASER_THRESHOLD_MAX_SIZE: return maxSize;
    case LASER_THRESHOLD_MIN_DISTANCE: return minDistance;
    default: return 0;
    }
}

DetectorThresholds CameraSlot::Thresholds() const
{
    DetectorThresholds t;
    t.luminance = luminance;
    t.minSize = minSize;
    t.maxSize = maxSize;
    t.minDistance = minDistance;
    return t;
}

void CameraSlot::SetCorner(int corner, double x, double y)
{
    std::lock_guard<std::mutex> lock(homographyMutex);
    homography.SetCorner(corner, x, y);
}

void CameraSlot::Corner(int corner, double *x, double *y) const
{
    std::lock_guard<std::mutex> lock(homographyMutex);
    homography.Corner(corner, x, y);
}

void CameraSlot::PreCalculate()
{
    std::lock_guard<std::mutex> lock(homographyMutex);
    homography.PreCalculate();
}

void CameraSlot::SetScreenResolution(int w, int h)
{
    std::lock_guard<std::mutex> lock(homographyMutex);
    homography.SetScreenResolution(w, h);
}

std::vector<LaserControl> CameraSlot::Controls()
{
    std::lock_guard<std::mutex> lock(sourceMutex);
    return source ? source->Controls() : std::vector<LaserControl>();
}

bool CameraSlot::ControlMenuItem(uint32_t id, int index, std::string &itemName)
{
    std::lock_guard<std::mutex> lock(sourceMutex);
    return source && source->ControlMenuItem(id, index, itemName);
}

bool CameraSlot::GetControl(uint32_t id, int &value)
{
    std::lock_guard<std::mutex> lock(sourceMutex);
    return source && source->GetControl(id, value);
}

bool CameraSlot::SetControl(uint32_t id, int value)
{
    std::lock_guard<std::mutex> lock(sourceMutex);
    return source && source->SetControl(id, value);
}

bool CameraSlot::CaptureStats(LaserCaptureStats &stats) const
{
    stats = LaserCaptureStats();
    if (!source)
        return false;
    const int64_t now = MonotonicMicros();
    std::lock_guard<std::mutex> lock(statsMutex);
    stats.askedFps = counter.AskedFps();
    stats.measuredFps = counter.MeasuredFps(now);
    stats.framesDelivered = counter.Delivered();
    stats.sequenceKnown = captureInfo.sequenceKnown ? 1 : 0;
    stats.framesDropped = captureInfo.sequenceKnown ? captureInfo.sequenceDrops
                                                    : counter.DroppedByTime();
    stats.decodeFailures = captureInfo.decodeFailures;
    stats.framesNotRead = queue.Dropped();
    stats.lastFrameAgeUs = counter.LastFrameAgeUs(now);
    stats.lastSequence = captureInfo.lastSequence;
    stats.width = captureInfo.width;
    stats.height = captureInfo.height;
    stats.pixelFormat = captureInfo.pixelFormat;
    return true;
}
