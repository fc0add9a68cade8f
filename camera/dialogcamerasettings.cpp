// SPDX-License-Identifier: GPL-3.0-or-later
// DialogCameraSettings: preview, shot markers, picture mode, thresholds, brightness and exposure.
#include "dialogcamerasettings.h"
#include "ui_dialogcamerasettings.h"

#include "camera.h"
#include "camerasettingsvalues.h"
#include "dialogcameracheck.h"
#include "dialogdrivercontrols.h"
#include "hit.h"
#include "mainwindow.h"
#include "targetsgraphicscene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>

DialogCameraSettings::DialogCameraSettings(Camera *camera, MainWindow *parent)
    : QDialog(parent), camera(camera), ui(new Ui::DialogCameraSettings)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(896, 526);

    scene = new TargetsGraphicScene(parent, true);
    scene->setParent(this);
    scene->setSceneRect(0, 0, 640, 480);
    ui->graphicsView->setScene(scene);
    QPixmap empty(640, 480);
    empty.fill(Qt::black);
    previewItem = scene->addPixmap(empty);
    previewItem->setPixmap(camera->framePixmap);

    connect(camera, SIGNAL(NewFrame()), this, SLOT(DisplayNewFrame()));
    connect(camera, SIGNAL(Shot(QPointF,QPointF,bool)), this, SLOT(ShotDetected(QPointF,QPointF)));

    if (camera->displayMode == Camera::Colour)
        ui->radioButtonColor->setChecked(true);
    else if (camera->displayMode == Camera::Grey)
        ui->radioButtonBW->setChecked(true);
    else if (camera->displayMode == Camera::Laser)
        ui->radioButtonLaser->setChecked(true);

    ShowThreshold(ui->horizontalSliderLumi, Camera::Luminance);
    ShowThreshold(ui->horizontalSliderMinPix, Camera::MinSize);
    ShowThreshold(ui->horizontalSliderMaxPix, Camera::MaxSize);
    ShowThreshold(ui->horizontalSliderMinDist, Camera::MinDistance);
    setWindowTitle(camera->GetName());
    ui->horizontalSliderBrightness->setValue(int(camera->BrightnessPercent()));
    ui->horizontalSliderExposure->setValue(int(camera->ExposurePercent()));

    const QPen pen(QBrush(Qt::white), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    minSizeCircle = scene->addEllipse(QRectF(), pen, Qt::NoBrush);
    maxSizeCircle = scene->addEllipse(QRectF(), pen, Qt::NoBrush);
    minSizeCircle->setPos(320, 240);
    maxSizeCircle->setPos(320, 240);

    UpdateSizeCircles();
    ui->horizontalSliderMinDist->hide();
    ui->labelMinDist->hide();

    auto *check = new QPushButton(tr("Kamera-Check"), this);
    check->setObjectName(QStringLiteral("pushButtonCameraCheck"));
    check->setAutoDefault(false);
    ui->horizontalLayoutFps->addWidget(check); // beside the frame rate: the column has no room left
    connect(check, SIGNAL(clicked()), this, SLOT(OpenCameraCheck()));
}

DialogCameraSettings::~DialogCameraSettings()
{
    delete ui;
}

void DialogCameraSettings::ShowThreshold(QSlider *slider, int kind)
{
    // Shown within the slider's range; the library keeps what it has until the user drags.
    slider->setValue(SliderPosition(camera->GetThreshold(kind), slider->minimum(), slider->maximum()));
}

void DialogCameraSettings::on_pushButtonOk_clicked()
{
    if (camera->displayMode == Camera::Laser)
        camera->displayMode = Camera::Colour;
    Hit::ClearAllHits();
    accept();
    deleteLater();
}

void DialogCameraSettings::DisplayNewFrame()
{
    previewItem->setPixmap(camera->framePixmap);
    ui->progressBarLumi->setValue(camera->maxLuminance);
    ui->labelFPS->setText(QString::number(camera->framesPerSecond));
}

void DialogCameraSettings::ShotDetected(QPointF Pos, QPointF PosCorrected)
{
    Q_UNUSED(PosCorrected)
    (new Hit(scene, nullptr, Pos))->RemoveAfter(2000);
}

void DialogCameraSettings::SetDisplayMode(int mode)
{
    camera->displayMode = mode;
    UpdateSizeCircles();
}

void DialogCameraSettings::on_radioButtonColor_clicked() { SetDisplayMode(Camera::Colour); }
void DialogCameraSettings::on_radioButtonBW_clicked() { SetDisplayMode(Camera::Grey); }
void DialogCameraSettings::on_radioButtonLaser_clicked() { SetDisplayMode(Camera::Laser); }

void DialogCameraSettings::on_horizontalSliderLumi_sliderMoved(int position)
{
    camera->SetThreshold(Camera::Luminance, position);
}

void DialogCameraSettings::on_pushButtonDriver_clicked()
{
    // The driver's own controls, in a window of ours: there is no system settings window here.
    auto *controls = new DialogDriverControls(camera, this);
    controls->setAttribute(Qt::WA_DeleteOnClose);
    controls->setModal(true);
    controls->show();
}

void DialogCameraSettings::on_horizontalSliderMinPix_sliderMoved(int position)
{
    camera->SetThreshold(Camera::MinSize, position);
    UpdateSizeCircles();
}

void DialogCameraSettings::on_horizontalSliderMaxPix_sliderMoved(int position)
{
    camera->SetThreshold(Camera::MaxSize, position);
    UpdateSizeCircles();
}

void DialogCameraSettings::on_horizontalSliderMinDist_sliderMoved(int position)
{
    camera->SetThreshold(Camera::MinDistance, position);
}

void DialogCameraSettings::on_pushButtonDefaultVals_clicked()
{
    ui->horizontalSliderMinPix->setValue(1);
    ui->horizontalSliderMaxPix->setValue(5000);
    ui->horizontalSliderMinDist->setValue(30);
    camera->SetThreshold(Camera::MinSize, 1);
    camera->SetThreshold(Camera::MaxSize, 5000);
    camera->SetThreshold(Camera::MinDistance, 30);
    UpdateSizeCircles();
}

void DialogCameraSettings::ChooseSetting(CameraSetting &setting, QSlider *slider, int position)
{
    const SnappedSetting snapped = SnapSetting(setting.minimum, setting.maximum, position);
    // The slider jumps to where the device's own steps put the value.
    if (snapped.percent != position)
        slider->setValue(snapped.percent);
    setting.wanted = snapped.value; // the camera applies it with its next frame
}

void DialogCameraSettings::on_horizontalSliderBrightness_sliderMoved(int position)
{
    ChooseSetting(camera->brightness, ui->horizontalSliderBrightness, position);
}

void DialogCameraSettings::on_horizontalSliderExposure_sliderMoved(int position)
{
    ChooseSetting(camera->exposure, ui->horizontalSliderExposure, position);
}

void DialogCameraSettings::UpdateSizeCircles()
{
    const bool laser = camera->displayMode == Camera::Laser;
    minSizeCircle->setVisible(laser);
    maxSizeCircle->setVisible(laser);
    const float rMin = SizeCircleRadius(camera->GetThreshold(Camera::MinSize));
    const float rMax = SizeCircleRadius(camera->GetThreshold(Camera::MaxSize));
    minSizeCircle->setRect(QRectF(-rMin, -rMin, 2 * rMin, 2 * rMin));
    maxSizeCircle->setRect(QRectF(-rMax, -rMax, 2 * rMax, 2 * rMax));
}

void DialogCameraSettings::OpenCameraCheck()
{
    auto *check = new DialogCameraCheck(camera, this);
    check->setAttribute(Qt::WA_DeleteOnClose);
    check->setModal(true);
    check->show();
}
