// SPDX-License-Identifier: GPL-3.0-or-later
// DialogCameraSettings: one camera's live picture with its detection thresholds, picture mode,
// brightness and exposure, changed while the user watches.
#pragma once

#include <QDialog>
#include <QPointF>

class Camera;
class MainWindow;
class QGraphicsEllipseItem;
class QGraphicsPixmapItem;
class QSlider;
class TargetsGraphicScene;
struct CameraSetting;

namespace Ui {
class DialogCameraSettings;
}

class DialogCameraSettings : public QDialog
{
    Q_OBJECT

public:
    DialogCameraSettings(Camera *camera, MainWindow *parent);
    ~DialogCameraSettings() override;

    QGraphicsPixmapItem *previewItem = nullptr;
    Camera *camera;
    Ui::DialogCameraSettings *ui;
    QGraphicsEllipseItem *minSizeCircle = nullptr;
    QGraphicsEllipseItem *maxSizeCircle = nullptr;

public slots:
    // Every change is applied at once: there is nothing to cancel, so Escape closes as Ok does.
    void reject() override { on_pushButtonOk_clicked(); }

private slots:
    void on_pushButtonOk_clicked();
    void DisplayNewFrame();
    void ShotDetected(QPointF Pos, QPointF PosCorrected);
    void on_radioButtonColor_clicked();
    void on_radioButtonBW_clicked();
    void on_radioButtonLaser_clicked();
    void on_horizontalSliderLumi_sliderMoved(int position);
    void on_pushButtonDriver_clicked();
    void on_horizontalSliderMinPix_sliderMoved(int position);
    void on_horizontalSliderMaxPix_sliderMoved(int position);
    void on_horizontalSliderMinDist_sliderMoved(int position);
    void on_pushButtonDefaultVals_clicked();
    void on_horizontalSliderBrightness_sliderMoved(int position);
    void on_horizontalSliderExposure_sliderMoved(int position);
    void UpdateSizeCircles();
    // The camera check, in a window of its own: this dialog keeps its fixed size.
    void OpenCameraCheck();

private:
    void SetDisplayMode(int mode);
    void ShowThreshold(QSlider *slider, int kind);
    void ChooseSetting(CameraSetting &setting, QSlider *slider, int position);

    TargetsGraphicScene *scene;
};
