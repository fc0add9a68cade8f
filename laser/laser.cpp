// SPDX-License-Identifier: LGPL-2.1-or-later
// The C entry points of libLaser.so: camera selection, device list and per-camera calls.
#include "laser.h"

#include "cameraslot.h"
#include "deviceenumerator.h"
#include "framesource.h"
#include "shotsignal.h"
#include "sourcefailure.h"
#include "v4l2controls.h"

#include <opencv2/core/utils/logger.hpp>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

CameraSlot g_slots[LASER_MAX_CAMERAS];
DeviceEnumerator g_devices;
std::atomic<int> g_selected{0};
std::atomic<int> g_verbose{0};
std::atomic<bool> g_threading{false};
std::atomic<bool> g_multiple{false};

// Capture-to-readable times per camera, reported at verbose level 2.
struct LatencyStats
{
    int frames = 0;
    int64_t sumUs = 0;
    int64_t maxUs = 0;
};
LatencyStats g_latency[LASER_MAX_CAMERAS];

// Why each camera does not deliver, and when its source may be tried again. The program asks
// for an opening on every tick while a chosen camera is closed: a source that fails is left
// alone for a growing pause instead of being opened a hundred times a second. Only the
// program's thread touches these (CamInit, CamReadFrame, CamFree, CamGetLastError).
struct Health
{
    RetryPause pause;
    std::string error;
    std::string source;       // path of the entry opened last
    DeviceEntry::Kind kind = DeviceEntry::Kind::V4L2;
    bool delivered = false;   // a frame came since that opening
};
Health g_health[LASER_MAX_CAMERAS];

CameraSlot &Selected()
{
    return g_slots[g_selected.load()];
}

void Log(const char *format, ...)
{
    if (g_verbose.load() <= 0)
        return;
    std::va_list args;
    va_start(args, format);
    std::fputs("Laser: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}

void CopyName(char *buffer, const std::string &name)
{
    if (!buffer)
        return;
    // Callers give 64 bytes.
    const size_t n = std::min<size_t>(name.size(), 63);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
}

int GetSetting(SettingGroup group, int id, int *minimum, int *maximum, int *step, int *value,
               int *defaultValue, int *flags)
{
    SettingInfo info;
    FrameSource *source = Selected().Source();
    const bool ok = source && source->GetSetting(group, id, info);
    if (!ok)
        info = SettingInfo();
    int *outs[] = {minimum, maximum, step, value, defaultValue, flags};
    const int values[] = {info.minimum, info.maximum, info.step, info.value, info.defaultValue,
                          info.flags};
    for (int i = 0; i < 6; ++i)
        if (outs[i])
            *outs[i] = values[i];
    return ok ? 0 : -1;
}

void SetSetting(SettingGroup group, int id, int value, int flags)
{
    if (FrameSource *source = Selected().Source())
        source->SetSetting(group, id, value, flags);
}

void SetSettingPct(SettingGroup group, int id, float fraction, int flags)
{
    FrameSource *source = Selected().Source();
    SettingInfo info;
    if (source && source->GetSetting(group, id, info))
        source->SetSetting(group, id, ValueForFraction(info, fraction), flags);
}

std::string FindInPath(const char *program)
{
    const char *path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t pos = 0;
    while (pos <= dirs.size()) {
        size_t end = dirs.find(':', pos);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string candidate = dirs.substr(pos, end - pos) + "/" + program;
        if (end > pos && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        pos = end + 1;
    }
    return {};
}

// Every entry point runs its body through one of these: an exception that left the library
// would end the program that loaded it, so it ends here, logged, as the entry point's failure.
template <typename Result, typename Body>
Result Guarded(const char *entry, Result failure, Body &&body) noexcept
{
    try {
        return body();
    } catch (const std::exception &e) {
        Log("%s failed: %s", entry, e.what());
    } catch (...) {
        Log("%s failed", entry);
    }
    return failure;
}

template <typename Body>
void Guarded(const char *entry, Body &&body) noexcept
{
    Guarded(entry, 0, [&] {
        body();
        return 0;
    });
}

} // namespace

extern "C" {

double CamGetDLLVersion(void)
{
    return 2.0;
}

void CamSetVerbose(int level)
{
    g_verbose = level;
    Guarded("CamSetVerbose", [&] {
        // OpenCV's own warnings (undecodable files, back-end trouble) only when asked for.
        // Quiet, OpenCV reports nothing at all: a file that is no video makes every back end
        // complain at each attempt, and CamGetLastError tells the reason instead.
        cv::utils::logging::setLogLevel(level > 0 ? cv::utils::logging::LOG_LEVEL_WARNING
                                                  : cv::utils::logging::LOG_LEVEL_SILENT);
    });
}

void CamEnableThreading(void)
{
    g_threading = true;
}

void CamDisableThreading(void)
{
    g_threading = false;
}

void CamEnableMulipleCameras(void)
{
    g_multiple = true;
}

void CamDisableMulipleCameras(void)
{
    g_multiple = false;
}

int CamListDevices(void)
{
    return Guarded("CamListDevices", 0, [] { return g_devices.Count(); });
}

int CamGetNameOfDevice(char *buffer, int index)
{
    if (buffer)
        buffer[0] = '\0';
    return Guarded("CamGetNameOfDevice", -1, [&] {
        DeviceEntry e;
        if (!g_devices.Entry(index, e))
            return -1;
        CopyName(buffer, e.name);
        return 0;
    });
}

void CamSelectCamera(int number)
{
    if (number >= 0 && number < LASER_MAX_CAMERAS)
        g_selected = number;
}

int CamInit(int device, int width, int height)
{
    const int number = g_selected.load();
    return Guarded("CamInit", LASER_INTERNAL_ERROR, [&] {
        if (!g_multiple.load()) {
            for (int i = 0; i < LASER_MAX_CAMERAS; ++i)
                if (i != number && g_slots[i].IsOpen()) {
                    Log("camera %d: another camera is open and multiple cameras are off", number);
                    g_health[number].error = "another camera is open";
                    return LASER_CAMERA_BUSY;
                }
        }
        Health &health = g_health[number];
        DeviceEntry e;
        if (!g_devices.Entry(device, e)) {
            Log("camera %d: no device %d", number, device);
            health.error = "no such device";
            return LASER_NO_DEVICE;
        }
        const auto now = RetryPause::Clock::now();
        if (health.pause.Waiting(e.path, now))
            return LASER_OPEN_FAILED;
        const bool opened = g_slots[number].Open(e, width, height, g_threading.load()) > 0;
        Log("camera %d: %s %s", number, e.name.c_str(), opened ? "opened" : "failed to open");
        health.source = e.path;
        health.kind = e.kind;
        health.delivered = false;
        if (!opened) {
            health.error = OpenFailureReason(e);
            health.pause.Failed(e.path, now);
            Log("camera %d: %s; next try in %d ms", number, health.error.c_str(),
                int(health.pause.Pause().count()));
            return LASER_OPEN_FAILED;
        }
        return LASER_OPENED;
    });
}

void CamFree(void)
{
    Guarded("CamFree", [] {
        Selected().Close();
        // Closed on purpose: a different device may come next, and the old reason is moot.
        Health &health = g_health[g_selected.load()];
        health.error.clear();
        health.pause.Succeeded();
    });
}

int CamReadFrame(FrameBlock *block)
{
    return Guarded("CamReadFrame", int(LASER_NO_FRAME), [&] {
        CameraSlot &slot = Selected();
        const bool wasOpen = slot.IsOpen();
        const int r = slot.ReadFrame(block);
        Health &health = g_health[g_selected.load()];
        if (r >= 0 && !health.delivered) {
            health.delivered = true;
            health.error.clear();
            health.pause.Succeeded();
        }
        if (wasOpen && r == LASER_NOT_OPEN) {
            Log("camera %d: source gone, closed", g_selected.load());
            // A source that opens but never gives a picture (a file no decoder can read) would
            // otherwise be opened again at once, forever. A video that played to its end is
            // opened again at once, to loop.
            if (!health.delivered) {
                health.error = health.kind == DeviceEntry::Kind::Video ? "no pictures in the file"
                                                                       : "device stopped delivering";
                health.pause.Failed(health.source, RetryPause::Clock::now());
            } else if (health.kind == DeviceEntry::Kind::V4L2) {
                health.error = "device stopped delivering";
            }
        }
        if (r >= 0 && g_verbose.load() >= 2) {
            LatencyStats &s = g_latency[g_selected.load()];
            s.sumUs += slot.LastLatencyUs();
            s.maxUs = std::max(s.maxUs, slot.LastLatencyUs());
            if (++s.frames == 100) {
                Log("camera %d: capture to readable %.3f ms average, %.3f ms max; %ld frames "
                    "dropped",
                    g_selected.load(), s.sumUs / 100000.0, s.maxUs / 1000.0, slot.Dropped());
                s = LatencyStats();
            }
        }
        return r;
    });
}

unsigned char *CamGetColourBuf(void)
{
    return Guarded("CamGetColourBuf", static_cast<unsigned char *>(nullptr), [] {
        FrameData *f = Selected().Current();
        return f ? f->colour.data() : nullptr;
    });
}

unsigned char *CamGetGreyBuf(void)
{
    return Guarded("CamGetGreyBuf", static_cast<unsigned char *>(nullptr), [] {
        FrameData *f = Selected().Current();
        return f ? f->grey.data() : nullptr;
    });
}

unsigned char *CamGetSpecialGreyBuf(int which)
{
    return Guarded("CamGetSpecialGreyBuf", static_cast<unsigned char *>(nullptr), [&] {
        FrameData *f = Selected().Current();
        if (!f)
            return static_cast<unsigned char *>(nullptr);
        // 6 is the detection buffer; other numbers fall back to the plain grey picture.
        return which == 6 ? f->detection.data() : f->grey.data();
    });
}

int CamGetXMax(void)
{
    return Guarded("CamGetXMax", 0, [] {
        const FrameData *f = Selected().Current();
        return f ? f->width : Selected().Width();
    });
}

int CamGetYMax(void)
{
    return Guarded("CamGetYMax", 0, [] {
        const FrameData *f = Selected().Current();
        return f ? f->height : Selected().Height();
    });
}

void CamSetThreshold(int kind, int value)
{
    Selected().SetThreshold(kind, value); // atomic stores only
}

int CamGetThresholds(int kind)
{
    return Selected().Threshold(kind); // atomic loads only
}

int CamGetFilterSetting(int id, int *minimum, int *maximum, int *step, int *value,
                        int *defaultValue, int *flags)
{
    return Guarded("CamGetFilterSetting", -1, [&] {
        return GetSetting(SettingGroup::Filter, id, minimum, maximum, step, value, defaultValue,
                          flags);
    });
}

int CamGetCameraSetting(int id, int *minimum, int *maximum, int *step, int *value,
                        int *defaultValue, int *flags)
{
    return Guarded("CamGetCameraSetting", -1, [&] {
        return GetSetting(SettingGroup::Camera, id, minimum, maximum, step, value, defaultValue,
                          flags);
    });
}

void CamSetFilterSetting(int id, int value, int flags)
{
    Guarded("CamSetFilterSetting", [&] { SetSetting(SettingGroup::Filter, id, value, flags); });
}

void CamSetCameraSetting(int id, int value, int flags)
{
    Guarded("CamSetCameraSetting", [&] { SetSetting(SettingGroup::Camera, id, value, flags); });
}

void CamSetFilterSettingPct(int id, float fraction, int flags)
{
    Guarded("CamSetFilterSettingPct",
            [&] { SetSettingPct(SettingGroup::Filter, id, fraction, flags); });
}

void CamSetCameraSettingPct(int id, float fraction, int flags)
{
    Guarded("CamSetCameraSettingPct",
            [&] { SetSettingPct(SettingGroup::Camera, id, fraction, flags); });
}

void CamShowSettings(void)
{
    Guarded("CamShowSettings", [] {
        FrameSource *source = Selected().Source();
        const std::string node = source ? source->Node() : std::string();
        const std::string program = FindInPath("qv4l2");
        if (node.empty() || program.empty()) {
            Log("camera %d: no settings window for this camera", g_selected.load());
            return;
        }
        // Detached: a grandchild of a reaped child, so it neither blocks nor becomes a zombie.
        const char *argv[] = {program.c_str(), "-d", node.c_str(), nullptr};
        const pid_t child = fork();
        if (child == 0) {
            setsid();
            if (fork() == 0) {
                execv(argv[0], const_cast<char *const *>(argv));
                _exit(127);
            }
            _exit(0);
        }
        if (child > 0)
            waitpid(child, nullptr, 0);
    });
}

void CamGetName(char *buffer)
{
    if (buffer)
        buffer[0] = '\0';
    Guarded("CamGetName", [&] { CopyName(buffer, Selected().Name()); });
}

void CamSetCorner(int corner, double x, double y)
{
    Guarded("CamSetCorner", [&] { Selected().SetCorner(corner, x, y); });
}

void CamGetCorner(int corner, double *x, double *y)
{
    double cx = 0.0, cy = 0.0;
    Guarded("CamGetCorner", [&] { Selected().Corner(corner, &cx, &cy); });
    if (x)
        *x = cx;
    if (y)
        *y = cy;
}

void CamPreCalculate(void)
{
    Guarded("CamPreCalculate", [] { Selected().PreCalculate(); });
}

void CamSetScreenResolution(int width, int height)
{
    Guarded("CamSetScreenResolution", [&] { Selected().SetScreenResolution(width, height); });
}

// Driver controls. Nothing may escape into the caller: every entry point catches.

int CamListControls(LaserControl *controls, int capacity)
{
    try {
        const std::vector<LaserControl> list = Selected().Controls();
        const int count = int(list.size());
        if (controls)
            std::copy_n(list.begin(), std::clamp(capacity, 0, count), controls);
        return count;
    } catch (...) {
        Log("camera %d: listing controls failed", g_selected.load());
        return -1;
    }
}

int CamGetControlMenuItem(unsigned int id, int index, char *buffer)
{
    try {
        std::string name;
        const bool ok = Selected().ControlMenuItem(id, index, name);
        if (buffer) {
            const size_t n = std::min<size_t>(name.size(), LASER_CONTROL_NAME_SIZE - 1);
            std::memcpy(buffer, name.data(), n);
            buffer[n] = '\0';
        }
        return ok ? 0 : -1;
    } catch (...) {
        if (buffer)
            buffer[0] = '\0';
        return -1;
    }
}

int CamGetControl(unsigned int id, int *value)
{
    try {
        int v = 0;
        if (!value || !Selected().GetControl(id, v))
            return -1;
        *value = v;
        return 0;
    } catch (...) {
        return -1;
    }
}

int CamSetControl(unsigned int id, int value)
{
    try {
        const bool ok = Selected().SetControl(id, value);
        if (!ok)
            Log("camera %d: control %#x refused %d", g_selected.load(), id, value);
        return ok ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

int CamGetLastError(char *buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = '\0';
    return Guarded("CamGetLastError", 0, [&] {
        const std::string &error = g_health[g_selected.load()].error;
        if (buffer && size > 0) {
            const size_t n = std::min<size_t>(error.size(), size_t(size) - 1);
            std::memcpy(buffer, error.data(), n);
            buffer[n] = '\0';
        }
        return int(error.size());
    });
}

// Capture statistics.

int CamGetCaptureStats(LaserCaptureStats *stats)
{
    if (!stats)
        return -1;
    *stats = LaserCaptureStats();
    return Guarded("CamGetCaptureStats", int(LASER_NOT_OPEN),
                   [&] { return Selected().CaptureStats(*stats) ? 0 : int(LASER_NOT_OPEN); });
}

int64_t CamGetFrameTime(void)
{
    return Guarded("CamGetFrameTime", int64_t(0), [] {
        const FrameData *f = Selected().Current();
        return f ? int64_t(f->ShotTimeUs()) : int64_t(0);
    });
}

int CamGetRejectedSpots(LaserRejectedSpot *spots, int capacity)
{
    return Guarded("CamGetRejectedSpots", -1, [&] {
        if (capacity < 0 || (capacity > 0 && !spots))
            return -1;
        const FrameData *f = Selected().Current();
        if (!f)
            return 0;
        const int n = std::min(f->rejectedCount, int(LASER_MAX_REJECTED));
        std::copy(f->rejected, f->rejected + std::min(n, capacity), spots);
        return n;
    });
}

} // extern "C"

int CamGetShotNotifier(void)
{
    return Guarded("CamGetShotNotifier", -1, [] { return ShotSignal::Instance().Fd(); });
}
