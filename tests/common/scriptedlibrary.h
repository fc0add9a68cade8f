// The scripted camera library's control functions, resolved from the same file the program loads.
// Its open cameras offer six driver controls: brightness, automatic white balance, power-line
// frequency, automatic exposure (a menu with items 1 and 3 only; 1 manual makes exposure time
// active), exposure time (inactive at first) and a read-only focus.
#pragma once

#include "laser.h"
#include "laserlibrary.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

struct Script
{
    // Back to the start: no devices, no frames, empty call log, CamInit succeeding with 1.
    void (*Reset)() = nullptr;
    // Device names separated by '\n'; an empty string for none.
    void (*SetDevices)(const char *) = nullptr;
    // What CamInit returns for a camera from now on.
    void (*SetInitResult)(int camera, int result) = nullptr;
    // Queues a CamReadFrame result for a camera: a frame (result >= 0) with the block (may be null:
    // no spots) and colour, grey and detection buffers filled with the given values; or a bare
    // negative result, where LASER_NOT_OPEN also closes the camera. With nothing queued an open
    // camera answers LASER_NO_FRAME and a closed one LASER_NOT_OPEN.
    void (*QueueFrame)(int camera, int result, const FrameBlock *, unsigned char, unsigned char, unsigned char) = nullptr;
    // One pixel (upright coordinates) of the last queued frame's buffer 0 colour, 1 grey or 2 detection.
    void (*SetPixel)(int camera, int buffer, int x, int y, unsigned char) = nullptr;
    // Range and value of a setting of every camera, and its value in one: kind 0 filter, 1 camera.
    void (*SetSetting)(int kind, int id, int minimum, int maximum, int value) = nullptr;
    int (*GetSettingValue)(int camera, int kind, int id) = nullptr;
    // The threshold value the library reports.
    void (*SetThresholdValue)(int camera, int kind, int value) = nullptr;
    // Every call except the polled ones (CamListDevices, CamReadFrame, CamSelectCamera, buffer
    // getters), one line each such as "3 CamSetCorner(1,512.5,96.5)", the selected camera first.
    const char *(*CallLog)() = nullptr;
    void (*ClearLog)() = nullptr;
    // How often an entry point was called: the logged ones, CamReadFrame, CamGetColourBuf and
    // CamGetNameOfDevice.
    int (*CallCount)(const char *) = nullptr;

    // Makes the program use the scripted library and resolves its controls.
    bool Load()
    {
        if (!LaserLibrary::Instance().LoadFile(QStringLiteral(FIELDSHOT_SCRIPTED_LASER)))
            return false;
        library.setFileName(QStringLiteral(FIELDSHOT_SCRIPTED_LASER));
        if (!library.load())
            return false;
#define RESOLVE(field, name) field = reinterpret_cast<decltype(field)>(library.resolve(#name));
        RESOLVE(Reset, ScriptReset)
        RESOLVE(SetDevices, ScriptSetDevices)
        RESOLVE(SetInitResult, ScriptSetInitResult)
        RESOLVE(QueueFrame, ScriptQueueFrame)
        RESOLVE(SetPixel, ScriptSetPixel)
        RESOLVE(SetSetting, ScriptSetSetting)
        RESOLVE(GetSettingValue, ScriptGetSettingValue)
        RESOLVE(SetThresholdValue, ScriptSetThresholdValue)
        RESOLVE(CallLog, ScriptCallLog)
        RESOLVE(ClearLog, ScriptClearLog)
        RESOLVE(CallCount, ScriptCallCount)
#undef RESOLVE
        return Reset && CallCount;
    }

    QStringList Log() const { return QString::fromLatin1(CallLog()).split('\n', Qt::SkipEmptyParts); }

    // A frame with spots at the given picture positions (kind 1), corrected positions alongside.
    static FrameBlock Spots(const QList<QPointF> &spots, const QList<QPointF> &corrected = {}, int peak = 200)
    {
        FrameBlock block{};
        for (int k = 0; k < spots.size() && k < LASER_MAX_SPOTS; ++k) {
            block.spots[k].kind = LASER_SPOT_LASER;
            block.spots[k].x = spots[k].x();
            block.spots[k].y = spots[k].y();
            block.spots[k].cx = k < corrected.size() ? corrected[k].x() : 0;
            block.spots[k].cy = k < corrected.size() ? corrected[k].y() : 0;
        }
        block.peakBrightness = peak;
        return block;
    }

    QLibrary library;
};
