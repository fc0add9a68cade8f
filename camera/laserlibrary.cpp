// SPDX-License-Identifier: GPL-3.0-or-later
// LaserLibrary: QLibrary around libLaser.so and its resolved entry points.
#include "laserlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef FIELDSHOT_LASER_DIR
#define FIELDSHOT_LASER_DIR "../lib/fieldshot"
#endif

LaserLibrary::~LaserLibrary()
{
    Unload();
}

LaserLibrary &LaserLibrary::Instance()
{
    static LaserLibrary instance;
    return instance;
}

bool LaserLibrary::Load()
{
    if (IsLoaded())
        return true;
    // In the build folder the library lies beside the program; installed, in the program's own
    // library folder, found relative to the program so that any prefix works.
    const QDir programDir(QCoreApplication::applicationDirPath());
    QString besideError;
    for (const QString &name : {QStringLiteral("libLaser.so"), QStringLiteral(FIELDSHOT_LASER_DIR "/libLaser.so")}) {
        const QString file = QDir::cleanPath(programDir.filePath(name));
        if (!QFileInfo::exists(file))
            continue;
        if (LoadFile(file))
            return true;
        if (besideError.isEmpty())
            besideError = errorText;
    }
    if (LoadFile(QStringLiteral("Laser")))
        return true;
    if (!besideError.isEmpty())
        errorText = besideError + QStringLiteral("; ") + errorText;
    return false;
}

bool LaserLibrary::LoadFile(const QString &fileName)
{
    Unload();
    library.setFileName(fileName);
    if (!library.load()) {
        errorText = library.errorString();
        return false;
    }
    if (!ResolveAll()) {
        library.unload();
        return false;
    }
    errorText.clear();
    return true;
}

void LaserLibrary::Unload()
{
    if (library.isLoaded())
        library.unload();
    resolved = false;
    static_cast<LaserApi &>(*this) = LaserApi{};
}

bool LaserLibrary::ResolveAll()
{
    QStringList missing;
    // Each entry point is looked up by its exported name.
#define LASER_RESOLVE(name)                                                         \
    name = reinterpret_cast<decltype(name)>(library.resolve(#name));                \
    if (!name)                                                                      \
        missing << QStringLiteral(#name);
    LASER_RESOLVE(CamGetDLLVersion)
    LASER_RESOLVE(CamSetVerbose)
    LASER_RESOLVE(CamEnableThreading)
    LASER_RESOLVE(CamDisableThreading)
    LASER_RESOLVE(CamEnableMulipleCameras)
    LASER_RESOLVE(CamDisableMulipleCameras)
    LASER_RESOLVE(CamListDevices)
    LASER_RESOLVE(CamGetNameOfDevice)
    LASER_RESOLVE(CamSelectCamera)
    LASER_RESOLVE(CamInit)
    LASER_RESOLVE(CamFree)
    LASER_RESOLVE(CamReadFrame)
    LASER_RESOLVE(CamGetColourBuf)
    LASER_RESOLVE(CamGetGreyBuf)
    LASER_RESOLVE(CamGetSpecialGreyBuf)
    LASER_RESOLVE(CamGetXMax)
    LASER_RESOLVE(CamGetYMax)
    LASER_RESOLVE(CamSetThreshold)
    LASER_RESOLVE(CamGetThresholds)
    LASER_RESOLVE(CamGetFilterSetting)
    LASER_RESOLVE(CamGetCameraSetting)
    LASER_RESOLVE(CamSetFilterSetting)
    LASER_RESOLVE(CamSetCameraSetting)
    LASER_RESOLVE(CamSetFilterSettingPct)
    LASER_RESOLVE(CamSetCameraSettingPct)
    LASER_RESOLVE(CamShowSettings)
    LASER_RESOLVE(CamGetName)
    LASER_RESOLVE(CamSetCorner)
    LASER_RESOLVE(CamGetCorner)
    LASER_RESOLVE(CamPreCalculate)
    LASER_RESOLVE(CamSetScreenResolution)
    LASER_RESOLVE(CamListControls)
    LASER_RESOLVE(CamGetControlMenuItem)
    LASER_RESOLVE(CamGetControl)
    LASER_RESOLVE(CamSetControl)
    LASER_RESOLVE(CamGetLastError)
    LASER_RESOLVE(CamGetCaptureStats)
    LASER_RESOLVE(CamGetFrameTime)
    LASER_RESOLVE(CamGetRejectedSpots)
    LASER_RESOLVE(CamGetShotNotifier)
#undef LASER_RESOLVE
    resolved = missing.isEmpty();
    if (!resolved) {
        errorText = QStringLiteral("missing entry points: ") + missing.join(QStringLiteral(", "));
        static_cast<LaserApi &>(*this) = LaserApi{};
    }
    return resolved;
}
