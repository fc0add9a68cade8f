// SPDX-License-Identifier: GPL-3.0-or-later
// DialogCameraCheck: the camera check of one camera: frame rate, lost frames, brightness,
// saturation and noise with advice, and the "shoot N times at the centre" test.
#pragma once

#include "capturecheck.h"
#include "centreshottest.h"
#include "picturecheck.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointF>
#include <QTimer>

class Camera;
class QLabel;
class QPushButton;
class QSpinBox;

class DialogCameraCheck : public QDialog
{
    Q_OBJECT

public:
    DialogCameraCheck(Camera *camera, QWidget *parent);

    // Seen shots within this many picture pixels of the centre count for the shot test.
    static constexpr double CentreRadius = 80.0;

    // The advice for the findings, one paragraph each.
    static QStringList AdviceTexts(CaptureCheck::Findings findings);

    const CentreShotTest &ShotTest() const { return shotTest; }

public slots:
    // Forgets the figures so far and measures from now on.
    void Restart();

private slots:
    void NewFrame();
    void ShotSeen(QPointF position);
    void StartOrStopShotTest();
    void Measure();

private:
    void ReadPicture();
    void ShowFigures();
    void ShowShotTest();
    void DrawPreview();
    QPointF PictureCentre() const;

    Camera *camera;
    CaptureCheck capture;
    PictureCheck picture;
    CentreShotTest shotTest;
    bool captureStarted = false;
    QElapsedTimer sincePicture;
    QTimer measureTimer;
    QLabel *labelRate;
    QLabel *labelDropped;
    QLabel *labelDamaged;
    QLabel *labelBackground;
    QLabel *labelSaturated;
    QLabel *labelNoise;
    QLabel *labelAdvice;
    QLabel *labelPreview;
    QLabel *labelShots;
    QSpinBox *spinBoxShots;
    QPushButton *pushButtonShotTest;
};
