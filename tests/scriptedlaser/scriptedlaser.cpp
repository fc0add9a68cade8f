// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted camera library for GUI tests: the real entry points, answering what a test queued,
// and the Script* entry points that queue it (tests/common/scriptedlibrary.h describes them).
#include "laser.h"

#include <linux/videodev2.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int ColourStride = Width * 3;
constexpr int GreyStride = Width;

struct ScriptedFrame
{
    int result = 0;
    FrameBlock block{};
    int64_t timeUs = 0; // capture time; below 0: the moment it is handed out
    std::vector<unsigned char> colour, grey, detection;
    std::vector<LaserRejectedSpot> rejected;
};

struct Setting
{
    int minimum = 0, maximum = 255, value = 128;
};

// A driver control of the scripted camera, with its menu items by index.
struct Control
{
    LaserControl control;
    std::map<int, std::string> items;
};

// What a typical USB camera offers; exposure time is inactive while exposure is automatic.
std::vector<Control> DefaultControls()
{
    // id, type, name, minimum, maximum, step, default, value, flags; menu items
    return {{{V4L2_CID_BRIGHTNESS, LASER_CONTROL_INTEGER, "Brightness", -64, 64, 1, 0, 0, 0}, {}},
            {{V4L2_CID_AUTO_WHITE_BALANCE, LASER_CONTROL_BOOLEAN, "White Balance, Automatic", 0, 1, 1, 1, 1, 0}, {}},
            {{V4L2_CID_POWER_LINE_FREQUENCY, LASER_CONTROL_MENU, "Power Line Frequency", 0, 2, 1, 2, 2, 0},
             {{0, "Disabled"}, {1, "50 Hz"}, {2, "60 Hz"}}},
            {{V4L2_CID_EXPOSURE_AUTO, LASER_CONTROL_MENU, "Auto Exposure", 0, 3, 1, 3, 3, 0},
             {{1, "Manual Mode"}, {3, "Aperture Priority Mode"}}},
            {{V4L2_CID_EXPOSURE_ABSOLUTE, LASER_CONTROL_INTEGER, "Exposure Time, Absolute", 3, 2047, 1, 250, 250,
              LASER_CONTROL_INACTIVE},
             {}},
            {{V4L2_CID_FOCUS_ABSOLUTE, LASER_CONTROL_INTEGER, "Focus, Absolute", 0, 250, 1, 0, 0, LASER_CONTROL_READ_ONLY},
             {}}};
}

struct CameraState
{
    bool open = false;
    std::vector<Control> controls = DefaultControls();
    int initResult = 1;
    std::string lastError;
    std::deque<ScriptedFrame> frames;
    ScriptedFrame current;
    std::map<int, Setting> filter, camera;
    std::map<int, int> thresholds{{1, 24}, {2, 1}, {3, 5000}, {4, 30}};
    LaserCaptureStats stats{};
};

struct Script
{
    std::vector<std::string> devices;
    CameraState cameras[4];
    int selected = 0;
    std::string log;
    std::map<std::string, int> counts;
    bool notifying = false; // CamGetShotNotifier hands out shotFd
};

Script script;
// Made once and kept open across resets: the program holds on to it.
int shotFd = -1;

void RaiseShotFd(const FrameBlock &block)
{
    if (!script.notifying || shotFd < 0)
        return;
    for (const SpotRecord &spot : block.spots)
        if (spot.kind == LASER_SPOT_LASER) {
            const uint64_t one = 1;
            [[maybe_unused]] const ssize_t written = ::write(shotFd, &one, sizeof one);
            return;
        }
}

CameraState &Selected()
{
    return script.cameras[std::clamp(script.selected, 0, 3)];
}

void Count(const char *name)
{
    ++script.counts[name];
}

void Log(const char *format, ...) __attribute__((format(printf, 1, 2)));
void Log(const char *format, ...)
{
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    script.log += std::to_string(script.selected) + " " + line + "\n";
    const std::string name(line, std::strcspn(line, "("));
    Count(name.c_str());
}

Setting &SettingOf(CameraState &cam, int kind, int id)
{
    return (kind == 0 ? cam.filter : cam.camera)[id];
}

} // namespace

extern "C" {

LASER_API void ScriptReset(void)
{
    script = Script();
}

LASER_API void ScriptSetDevices(const char *names)
{
    script.devices.clear();
    std::istringstream lines(names ? names : "");
    for (std::string name; std::getline(lines, name);)
        script.devices.push_back(name);
}

LASER_API void ScriptSetInitResult(int camera, int result)
{
    script.cameras[camera].initResult = result;
}

LASER_API void ScriptSetLastError(int camera, const char *text)
{
    script.cameras[camera].lastError = text ? text : "";
}

LASER_API void ScriptQueueFrame(int camera, int result, const FrameBlock *block, unsigned char colourFill,
                                unsigned char greyFill, unsigned char detectionFill)
{
    ScriptedFrame frame;
    frame.result = result;
    frame.timeUs = -1;
    if (block)
        frame.block = *block;
    if (result >= 0) {
        frame.colour.assign(size_t(ColourStride) * Height, colourFill);
        frame.grey.assign(size_t(GreyStride) * Height, greyFill);
        frame.detection.assign(size_t(GreyStride) * Height, detectionFill);
    }
    script.cameras[camera].frames.push_back(std::move(frame));
    if (block && result >= 0)
        RaiseShotFd(*block);
}

LASER_API void ScriptSetPixel(int camera, int buffer, int x, int y, unsigned char value)
{
    auto &frames = script.cameras[camera].frames;
    if (frames.empty() || frames.back().result < 0)
        return;
    ScriptedFrame &frame = frames.back();
    const int row = Height - 1 - y; // bottom row first
    if (buffer == 0)
        std::fill_n(frame.colour.begin() + row * ColourStride + 3 * x, 3, value);
    else
        (buffer == 1 ? frame.grey : frame.detection)[size_t(row) * GreyStride + x] = value;
}

LASER_API void ScriptSetRejected(int camera, const LaserRejectedSpot *spots, int count)
{
    auto &frames = script.cameras[camera].frames;
    if (!frames.empty() && frames.back().result >= 0)
        frames.back().rejected.assign(spots, spots + count);
}

LASER_API void ScriptSetSetting(int kind, int id, int minimum, int maximum, int value)
{
    for (CameraState &cam : script.cameras)
        (kind == 0 ? cam.filter : cam.camera)[id] = Setting{minimum, maximum, value};
}

LASER_API int ScriptGetSettingValue(int camera, int kind, int id)
{
    return SettingOf(script.cameras[camera], kind, id).value;
}

LASER_API void ScriptSetThresholdValue(int camera, int kind, int value)
{
    script.cameras[camera].thresholds[kind] = value;
}

LASER_API const char *ScriptCallLog(void)
{
    return script.log.c_str();
}

LASER_API void ScriptClearLog(void)
{
    script.log.clear();
    script.counts.clear();
}

LASER_API void ScriptSetCaptureStats(int camera, const LaserCaptureStats *stats)
{
    script.cameras[camera].stats = stats ? *stats : LaserCaptureStats{};
}

LASER_API int ScriptCallCount(const char *name)
{
    auto it = script.counts.find(name);
    return it == script.counts.end() ? 0 : it->second;
}

// Frames with a chosen capture time.

LASER_API void ScriptEnableShotNotifier(int on)
{
    if (on && shotFd < 0)
        shotFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    script.notifying = on != 0;
}

LASER_API void ScriptQueueFrameAt(int camera, int result, const FrameBlock *block, int64_t timeUs)
{
    ScriptQueueFrame(camera, result, block, 0, 0, 1);
    script.cameras[camera].frames.back().timeUs = timeUs;
}

// The camera library's entry points.

double CamGetDLLVersion(void) { return 99.0; }
void CamSetVerbose(int level) { Log("CamSetVerbose(%d)", level); }
void CamEnableThreading(void) { Log("CamEnableThreading()"); }
void CamDisableThreading(void) { Log("CamDisableThreading()"); }
void CamEnableMulipleCameras(void) { Log("CamEnableMulipleCameras()"); }
void CamDisableMulipleCameras(void) { Log("CamDisableMulipleCameras()"); }

int CamListDevices(void) { return int(script.devices.size()); }

int CamGetNameOfDevice(char *buffer, int index)
{
    Count("CamGetNameOfDevice");
    if (index < 0 || index >= int(script.devices.size())) {
        buffer[0] = 0;
        return -1;
    }
    std::snprintf(buffer, 64, "%s", script.devices[size_t(index)].c_str());
    return 0;
}

void CamSelectCamera(int number) { script.selected = number; }

int CamInit(int device, int width, int height)
{
    CameraState &cam = Selected();
    Log("CamInit(%d,%d,%d)", device, width, height);
    cam.open = cam.initResult > 0;
    return cam.initResult;
}

void CamFree(void)
{
    Log("CamFree()");
    Selected().open = false;
}

int CamReadFrame(FrameBlock *block)
{
    Count("CamReadFrame");
    CameraState &cam = Selected();
    if (cam.frames.empty())
        return cam.open ? LASER_NO_FRAME : LASER_NOT_OPEN;
    if (!cam.open && cam.frames.front().result >= 0)
        return LASER_NOT_OPEN;
    ScriptedFrame frame = std::move(cam.frames.front());
    cam.frames.pop_front();
    if (frame.result == LASER_NOT_OPEN)
        cam.open = false;
    if (frame.result < 0)
        return frame.result;
    *block = frame.block;
    if (frame.timeUs < 0)
        frame.timeUs = std::chrono::duration_cast<std::chrono::microseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    cam.current = std::move(frame);
    return cam.current.result;
}

unsigned char *CamGetColourBuf(void)
{
    Count("CamGetColourBuf");
    return Selected().current.colour.empty() ? nullptr : Selected().current.colour.data();
}
unsigned char *CamGetGreyBuf(void) { return Selected().current.grey.empty() ? nullptr : Selected().current.grey.data(); }
unsigned char *CamGetSpecialGreyBuf(int which)
{
    return which == 6 && !Selected().current.detection.empty() ? Selected().current.detection.data() : nullptr;
}
int CamGetXMax(void) { return Width; }
int CamGetYMax(void) { return Height; }

void CamSetThreshold(int kind, int value)
{
    Log("CamSetThreshold(%d,%d)", kind, value);
    Selected().thresholds[kind] = value;
}

int CamGetThresholds(int kind) { return Selected().thresholds[kind]; }

static int GetSetting(int kind, int id, int *minimum, int *maximum, int *step, int *value, int *def, int *flags)
{
    const Setting &s = SettingOf(Selected(), kind, id);
    *minimum = s.minimum;
    *maximum = s.maximum;
    *step = 1;
    *value = s.value;
    *def = s.minimum;
    *flags = 2;
    return 0;
}

int CamGetFilterSetting(int id, int *a, int *b, int *c, int *d, int *e, int *f)
{
    return GetSetting(0, id, a, b, c, d, e, f);
}

int CamGetCameraSetting(int id, int *a, int *b, int *c, int *d, int *e, int *f)
{
    return GetSetting(1, id, a, b, c, d, e, f);
}

static void SetSetting(int kind, int id, int value)
{
    Setting &s = SettingOf(Selected(), kind, id);
    s.value = std::clamp(value, s.minimum, s.maximum);
}

// A fraction of the range, from its minimum.
static void SetSettingPct(int kind, int id, float fraction)
{
    const Setting &s = SettingOf(Selected(), kind, id);
    SetSetting(kind, id, s.minimum + int(fraction * float(s.maximum - s.minimum) + 0.5f));
}

void CamSetFilterSetting(int id, int value, int flags)
{
    Log("CamSetFilterSetting(%d,%d,%d)", id, value, flags);
    SetSetting(0, id, value);
}

void CamSetCameraSetting(int id, int value, int flags)
{
    Log("CamSetCameraSetting(%d,%d,%d)", id, value, flags);
    SetSetting(1, id, value);
}

void CamSetFilterSettingPct(int id, float fraction, int flags)
{
    Log("CamSetFilterSettingPct(%d,%g,%d)", id, double(fraction), flags);
    SetSettingPct(0, id, fraction);
}

void CamSetCameraSettingPct(int id, float fraction, int flags)
{
    Log("CamSetCameraSettingPct(%d,%g,%d)", id, double(fraction), flags);
    SetSettingPct(1, id, fraction);
}

void CamShowSettings(void) { Log("CamShowSettings()"); }
void CamGetName(char *buffer) { std::snprintf(buffer, 64, "Scripted %d", script.selected + 1); }
void CamSetCorner(int corner, double x, double y) { Log("CamSetCorner(%d,%g,%g)", corner, x, y); }
void CamGetCorner(int, double *x, double *y) { *x = 0; *y = 0; }
void CamPreCalculate(void) { Log("CamPreCalculate()"); }
int CamGetLastError(char *buffer, int size)
{
    const std::string &error = Selected().lastError;
    if (buffer && size > 0)
        std::snprintf(buffer, size_t(size), "%s", error.c_str());
    return int(error.size());
}
void CamSetScreenResolution(int width, int height) { Log("CamSetScreenResolution(%d,%d)", width, height); }

static Control *FindControl(unsigned int id)
{
    for (Control &c : Selected().controls)
        if (c.control.id == id)
            return &c;
    return nullptr;
}

int CamListControls(LaserControl *controls, int capacity)
{
    CameraState &cam = Selected();
    if (!cam.open)
        return 0;
    for (int i = 0; controls && i < capacity && i < int(cam.controls.size()); ++i)
        controls[i] = cam.controls[size_t(i)].control;
    return int(cam.controls.size());
}

int CamGetControlMenuItem(unsigned int id, int index, char *buffer)
{
    const Control *c = Selected().open ? FindControl(id) : nullptr;
    const auto item = c ? c->items.find(index) : std::map<int, std::string>::const_iterator();
    const bool found = c && item != c->items.end();
    std::snprintf(buffer, LASER_CONTROL_NAME_SIZE, "%s", found ? item->second.c_str() : "");
    return found ? 0 : -1;
}

int CamGetControl(unsigned int id, int *value)
{
    const Control *c = Selected().open ? FindControl(id) : nullptr;
    if (!c)
        return -1;
    *value = c->control.value;
    return 0;
}

int CamSetControl(unsigned int id, int value)
{
    Log("CamSetControl(%#x,%d)", id, value);
    Control *c = Selected().open ? FindControl(id) : nullptr;
    if (!c || (c->control.flags & LASER_CONTROL_READ_ONLY) || value < c->control.minimum
        || value > c->control.maximum)
        return -1;
    c->control.value = value;
    // As a driver does: exposure time counts only in manual exposure.
    if (id == V4L2_CID_EXPOSURE_AUTO)
        if (Control *time = FindControl(V4L2_CID_EXPOSURE_ABSOLUTE))
            time->control.flags = value == V4L2_EXPOSURE_MANUAL ? 0 : LASER_CONTROL_INACTIVE;
    return 0;
}

// Capture statistics: what the test set, while the camera is open.
int CamGetCaptureStats(LaserCaptureStats *stats)
{
    Count("CamGetCaptureStats");
    if (!stats)
        return -1;
    const CameraState &cam = Selected();
    *stats = cam.open ? cam.stats : LaserCaptureStats{};
    return cam.open ? 0 : LASER_NOT_OPEN;
}

int64_t CamGetFrameTime(void)
{
    return Selected().current.timeUs;
}

int CamGetShotNotifier(void)
{
    Count("CamGetShotNotifier");
    return script.notifying ? shotFd : -1;
}

int CamGetRejectedSpots(LaserRejectedSpot *spots, int capacity)
{
    const std::vector<LaserRejectedSpot> &rejected = Selected().current.rejected;
    std::copy_n(rejected.begin(), std::min(int(rejected.size()), capacity), spots);
    return int(rejected.size());
}

}
