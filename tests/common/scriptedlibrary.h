// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted camera library's control functions. A test links the library and makes the program
// load the same file, so both share its state. Its open cameras offer six driver controls:
// brightness, automatic white balance, power-line frequency, automatic exposure (a menu with items
// 1 and 3 only; 1 manual makes exposure time active), exposure time (inactive at first) and a
// read-only focus.
#pragma once

#include "laser.h"
#include "laserlibrary.h"

#include <QList>
#include <QPointF>
#include <QStringList>

extern "C" {
// Back to the start: no devices, no frames, empty call log, CamInit succeeding with 1.
LASER_API void ScriptReset(void);
// Device names separated by '\n'; an empty string for none.
LASER_API void ScriptSetDevices(const char *names);
// What CamInit returns for a camera from now on.
LASER_API void ScriptSetInitResult(int camera, int result);
// What CamGetLastError answers for a camera from now on (empty at the start).
LASER_API void ScriptSetLastError(int camera, const char *text);
// Queues a CamReadFrame result for a camera: a frame (result >= 0) with the block (may be null:
// no spots) and colour, grey and detection buffers filled with the given values; or a bare
// negative result, where LASER_NOT_OPEN also closes the camera. With nothing queued an open
// camera answers LASER_NO_FRAME and a closed one LASER_NOT_OPEN.
LASER_API void ScriptQueueFrame(int camera, int result, const FrameBlock *block, unsigned char colourFill,
                                unsigned char greyFill, unsigned char detectionFill);
// One pixel (upright coordinates) of the last queued frame's buffer 0 colour, 1 grey or 2 detection.
LASER_API void ScriptSetPixel(int camera, int buffer, int x, int y, unsigned char value);
// The lit areas not taken as shots that CamGetRejectedSpots reports with the last queued frame.
LASER_API void ScriptSetRejected(int camera, const LaserRejectedSpot *spots, int count);
// Range and value of a setting of every camera, and its value in one: kind 0 filter, 1 camera.
LASER_API void ScriptSetSetting(int kind, int id, int minimum, int maximum, int value);
LASER_API int ScriptGetSettingValue(int camera, int kind, int id);
// The threshold value the library reports.
LASER_API void ScriptSetThresholdValue(int camera, int kind, int value);
// Every call except the polled ones (CamListDevices, CamReadFrame, CamSelectCamera, buffer
// getters), one line each such as "3 CamSetCorner(1,512.5,96.5)", the selected camera first.
LASER_API const char *ScriptCallLog(void);
LASER_API void ScriptClearLog(void);
// What CamGetCaptureStats reports for a camera while it is open (null: all zero); not logged,
// as it is polled.
LASER_API void ScriptSetCaptureStats(int camera, const LaserCaptureStats *stats);
// How often an entry point was called: the logged ones, CamReadFrame, CamGetColourBuf,
// CamGetNameOfDevice and CamGetCaptureStats.
LASER_API int ScriptCallCount(const char *name);
// Queues a frame as ScriptQueueFrame does (buffers 0, 0 and 1) whose CamGetFrameTime is timeUs
// (monotonic microseconds). Frames queued without a time report the moment they were read.
LASER_API void ScriptQueueFrameAt(int camera, int result, const FrameBlock *block, int64_t timeUs);
// From now on (on) CamGetShotNotifier hands out a descriptor that every frame queued with a laser
// spot makes readable; off (the start) it answers -1. The program asks once, when its window is made.
LASER_API void ScriptEnableShotNotifier(int on);
}

// Makes the program use the scripted library.
inline bool LoadScriptedLibrary()
{
    return LaserLibrary::Instance().LoadFile(QStringLiteral(FIELDSHOT_SCRIPTED_LASER));
}

inline QStringList ScriptLog()
{
    return QString::fromLatin1(ScriptCallLog()).split('\n', Qt::SkipEmptyParts);
}

// A frame with spots at the given picture positions (kind 1), corrected positions alongside.
inline FrameBlock ScriptSpots(const QList<QPointF> &spots, const QList<QPointF> &corrected = {}, int peak = 200)
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
