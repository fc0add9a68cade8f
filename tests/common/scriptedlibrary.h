// The scripted camera library's control functions, resolved from the same file the program loads.
#pragma once

#include "laserlibrary.h"
#include "scriptedlaser.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

struct Script
{
    void (*Reset)() = nullptr;
    void (*SetDevices)(const char *) = nullptr;
    void (*SetInitResult)(int, int) = nullptr;
    void (*QueueFrame)(int, int, const FrameBlock *, unsigned char, unsigned char, unsigned char) = nullptr;
    void (*SetPixel)(int, int, int, int, unsigned char) = nullptr;
    int (*QueuedFrames)(int) = nullptr;
    void (*SetSetting)(int, int, int, int, int) = nullptr;
    int (*GetSettingValue)(int, int, int) = nullptr;
    void (*SetThresholdValue)(int, int, int) = nullptr;
    const char *(*CallLog)() = nullptr;
    void (*ClearLog)() = nullptr;
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
        RESOLVE(QueuedFrames, ScriptQueuedFrames)
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
