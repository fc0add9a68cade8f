// SPDX-License-Identifier: GPL-3.0-or-later
// Camera: one of the four camera positions; polls the camera library, shows its picture, reports shots.
#pragma once

#include "laser.h"
#include "uprightpicture.h"

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointF>

class MainWindow;
class QGraphicsPixmapItem;
class QGraphicsScene;

// A driver setting as the library reports it, plus the value the user asked for.
struct CameraSetting
{
    int id = 0; // 0-9 filter setting, 10 and up camera setting (id - 10)
    int minimum = 0;
    int maximum = 0;
    int step = 0; // reported by the library, not used here
    int value = 0;
    int defaultValue = 0; // reported by the library, not used here
    int flags = 0; // reported by the library, not used here
    int wanted = 0;
};

class Camera : public QObject
{
    Q_OBJECT

public:
    enum DisplayMode { Colour = 0, Grey = 1, Laser = 2, None = 3 };
    enum Threshold { Luminance = 1, MinSize = 2, MaxSize = 3, MinDistance = 4 };

    Camera(MainWindow *mainWindow, QGraphicsScene *scene, int cameraNumber);
    ~Camera() override;

    // Called on every tick: -4 inactive or no device, -3 stalled, else the frames read.
    int ProcessFrame();

    void SetDevice(int device);
    void SetActive(bool on) { active = on; }
    void SetPos(QPointF pos);
    void ShowNoCam();
    // The no-camera picture with the reason why the chosen device delivers nothing written on it.
    void ShowFailure(const QString &reason);
    // The library's reason for the last failure of this camera (CamGetLastError), translated.
    QString FailureReason();
    void FreeCamera();
    void ShowDriverSettings();
    QString GetName();
    void SetThreshold(int kind, int value);
    int GetThreshold(int kind);
    void ReadSetting(CameraSetting &setting);
    double BrightnessPercent();
    double ExposurePercent();

    QImage frameImage;
    QPixmap framePixmap;
    QGraphicsPixmapItem *pixmapItem = nullptr;
    int displayMode = Colour;
    int device = -1;
    CameraSetting brightness;
    CameraSetting exposure;
    float exposurePercent = -1;
    float brightnessPercent = -1;
    bool active = false;
    bool initialised = false;
    int framesPerSecond = 0;
    int maxLuminance = 0;
    int cameraNumber;
    int frameCount = 0;
    int countSecond = 0;
    int retries = 3;
    // Lit areas of the last laser-view frame that were no shot, as drawn there.
    int rejectedCount = 0;
    MainWindow *mainWindow;
    QGraphicsScene *scene;
    // Capture times (monotonic microseconds, 0 unknown) of the frame read last and of the frame
    // of the shot reported last; shotTimeUs is set before Shot is emitted.
    qint64 frameTimeUs = 0;
    qint64 shotTimeUs = 0;

    // The wall-clock second (0-59) the watchdog counts in; tests replace it.
    static int (*CurrentSecond)();

signals:
    void NewFrame();
    void FreshlyInitialized(int Error);
    void Shot(QPointF P, QPointF P_Corrected, bool FromCamera);

private:
    void Open();
    void ReportFirstShot(const FrameBlock &block);
    void BuildPicture();
    void ApplyWishes();
    void WriteSetting(const CameraSetting &setting, int value, int flags);
    static double Percent(const CameraSetting &setting);

    FrameBlock block;
    // The failure picture, kept while its text stays the same: a failing camera is asked on every tick.
    QString failureText;
    QPixmap failurePixmap;
    // The shown pictures, written in turn.
    UprightPicture upright;
};
