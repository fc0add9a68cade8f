// SPDX-License-Identifier: LGPL-2.1-or-later
// CameraSlot: one of the four cameras: its source, capture thread, queue, detection settings.
#pragma once

#include "capturecounter.h"
#include "deviceenumerator.h"
#include "framequeue.h"
#include "frameprocessor.h"
#include "framesource.h"
#include "homography.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct FrameBlock;
class FrameSource;

// With threading the slot grabs and processes in a thread of its own and the program only
// takes finished frames; without, each read polls the source once without waiting.
class CameraSlot
{
public:
    CameraSlot();
    ~CameraSlot();
    CameraSlot(const CameraSlot &) = delete;
    CameraSlot &operator=(const CameraSlot &) = delete;

    // Opens a source for the entry; above 0 on success.
    int Open(const DeviceEntry &entry, int width, int height, bool threaded);
    // Opens an already made source (tests and tools).
    int Open(std::unique_ptr<FrameSource> source, const std::string &name, int width, int height,
             bool threaded);
    void Close();
    bool IsOpen() const;

    // As CamReadFrame: 0 or more for a frame (the shot count), LASER_NOT_OPEN, LASER_NO_FRAME.
    int ReadFrame(FrameBlock *block);
    // The frame handed out last; null before the first.
    FrameData *Current() const;

    void SetThreshold(int kind, int value);
    int Threshold(int kind) const;
    DetectorThresholds Thresholds() const;

    void SetCorner(int corner, double x, double y);
    void Corner(int corner, double *x, double *y) const;
    void PreCalculate();
    void SetScreenResolution(int width, int height);

    FrameSource *Source() const { return source.get(); }

    // The driver's controls; none while closed. Held under sourceMutex, so a camera closing
    // on another thread never pulls the source away in the middle of a call.
    std::vector<LaserControl> Controls();
    bool ControlMenuItem(uint32_t id, int index, std::string &name);
    bool GetControl(uint32_t id, int &value);
    bool SetControl(uint32_t id, int value);
    std::string Name() const { return name; }
    int Width() const { return width; }
    int Height() const { return height; }
    long Dropped() const { return queue.Dropped(); }
    // Capture-to-ready time of the last frame handed out, microseconds.
    int64_t LastLatencyUs() const { return lastLatencyUs; }
    // Frame rate, drops and decode failures since Open; false while closed.
    bool CaptureStats(LaserCaptureStats &stats) const;

private:
    void Run();
    // Grabs, processes and queues one frame; false when the source is gone.
    bool CaptureOne(int timeoutMs);

    std::unique_ptr<FrameSource> source;
    std::mutex sourceMutex;
    std::string name;
    int width = 640;
    int height = 480;
    FrameQueue queue;
    FrameProcessor processor;
    cv::Mat picture;
    // Where a source that can write frames bottom row first decodes into: swapped with the
    // colour buffer of the frame it becomes, so that the frame is never copied.
    std::vector<uint8_t> frameBuffer;
    bool bottomUpSource = false;
    std::thread thread;
    std::atomic<bool> stopping{false};
    std::atomic<bool> gone{false};
    bool threaded = false;
    std::atomic<int> luminance;
    std::atomic<int> minSize;
    std::atomic<int> maxSize;
    std::atomic<int> minDistance;
    mutable std::mutex homographyMutex;
    Homography homography;
    int64_t lastLatencyUs = 0;
    // Filled on the grabbing thread, read by CaptureStats on the program's.
    mutable std::mutex statsMutex;
    CaptureCounter counter;
    CaptureInfo captureInfo;
};
