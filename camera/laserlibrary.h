// SPDX-License-Identifier: GPL-3.0-or-later
// LaserLibrary: the camera library, loaded at run time, with its entry points resolved by name.
#pragma once

#include "laser.h"

#include <QLibrary>
#include <QString>

// The entry points, named as the library exports them.
struct LaserApi
{
    double (*CamGetDLLVersion)() = nullptr;
    void (*CamSetVerbose)(int) = nullptr;
    void (*CamEnableThreading)() = nullptr;
    void (*CamDisableThreading)() = nullptr;
    void (*CamEnableMulipleCameras)() = nullptr;
    void (*CamDisableMulipleCameras)() = nullptr;
    int (*CamListDevices)() = nullptr;
    int (*CamGetNameOfDevice)(char *, int) = nullptr;
    void (*CamSelectCamera)(int) = nullptr;
    int (*CamInit)(int, int, int) = nullptr;
    void (*CamFree)() = nullptr;
    int (*CamReadFrame)(FrameBlock *) = nullptr;
    unsigned char *(*CamGetColourBuf)() = nullptr;
    unsigned char *(*CamGetGreyBuf)() = nullptr;
    unsigned char *(*CamGetSpecialGreyBuf)(int) = nullptr;
    int (*CamGetXMax)() = nullptr;
    int (*CamGetYMax)() = nullptr;
    void (*CamSetThreshold)(int, int) = nullptr;
    int (*CamGetThresholds)(int) = nullptr;
    int (*CamGetFilterSetting)(int, int *, int *, int *, int *, int *, int *) = nullptr;
    int (*CamGetCameraSetting)(int, int *, int *, int *, int *, int *, int *) = nullptr;
    void (*CamSetFilterSetting)(int, int, int) = nullptr;
    void (*CamSetCameraSetting)(int, int, int) = nullptr;
    void (*CamSetFilterSettingPct)(int, float, int) = nullptr;
    void (*CamSetCameraSettingPct)(int, float, int) = nullptr;
    void (*CamShowSettings)() = nullptr;
    void (*CamGetName)(char *) = nullptr;
    void (*CamSetCorner)(int, double, double) = nullptr;
    void (*CamGetCorner)(int, double *, double *) = nullptr;
    void (*CamPreCalculate)() = nullptr;
    void (*CamSetScreenResolution)(int, int) = nullptr;
    int (*CamListControls)(LaserControl *, int) = nullptr;
    int (*CamGetControlMenuItem)(unsigned int, int, char *) = nullptr;
    int (*CamGetControl)(unsigned int, int *) = nullptr;
    int (*CamSetControl)(unsigned int, int) = nullptr;
    int (*CamGetLastError)(char *, int) = nullptr;
    // Capture statistics of the selected camera.
    int (*CamGetCaptureStats)(LaserCaptureStats *) = nullptr;
    // Capture time of the frame last read (monotonic microseconds).
    int64_t (*CamGetFrameTime)() = nullptr;
    // Lit areas of the current frame not taken as shots, for the laser view.
    int (*CamGetRejectedSpots)(LaserRejectedSpot *, int) = nullptr;
    // A descriptor readable while a frame with a shot waits; -1 without.
    int (*CamGetShotNotifier)() = nullptr;
};

class LaserLibrary : public LaserApi
{
public:
    LaserLibrary() = default;
    LaserLibrary(const LaserLibrary &) = delete;
    LaserLibrary &operator=(const LaserLibrary &) = delete;
    ~LaserLibrary();

    // The one library of the process. Empty (not loaded) until Load() succeeds.
    static LaserLibrary &Instance();

    // Loads "libLaser.so" from the executable's folder or from its installed place beside it
    // (../lib/fieldshot), else "Laser" from the system's library path, and resolves every entry
    // point. True when all of it worked.
    bool Load();
    // The same from an explicit file; used by Load() and by tests.
    bool LoadFile(const QString &fileName);
    void Unload();

    bool IsLoaded() const { return library.isLoaded() && resolved; }
    QString ErrorString() const { return errorText; }
    QString FileName() const { return library.fileName(); }

private:
    bool ResolveAll();

    QLibrary library;
    bool resolved = false;
    QString errorText;
};

// Shorthand used wherever the program talks to the camera library.
inline LaserLibrary &Laser() { return LaserLibrary::Instance(); }
