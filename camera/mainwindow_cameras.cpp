// SPDX-License-Identifier: GPL-3.0-or-later
// Camera selection: devices for the four cameras, switching cameras on and off, device polling.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "dialogcamerasettings.h"
#include "laserlibrary.h"
#include "target.h"

#include <QGraphicsPolygonItem>
#include <QLabel>
#include <QSocketNotifier>
#include <QStatusBar>

#include <unistd.h>

void MainWindow::CreateCameras()
{
    for (int n = 0; n < 4; ++n) {
        cameras[n] = new Camera(this, scene, n);
        cameras[n]->SetPos(QPointF(n % 2 ? 640 : 0, n > 1 ? 480 : 0));
        cameras[n]->SetActive(n == 0);
        cameraSettingsButtons[n]->setEnabled(false);
        connect(cameras[n], SIGNAL(Shot(QPointF,QPointF,bool)), this, SLOT(Shoot(QPointF,QPointF,bool)));
    }
    connect(cameras[0], SIGNAL(FreshlyInitialized(int)), this, SLOT(Cam1FreshlyInitialized(int)));

    // A permanent widget, so that the warning neither hides nor is hidden by passing messages.
    cameraRateLabel = new QLabel(this);
    cameraRateLabel->setObjectName(QStringLiteral("labelCameraRate"));
    cameraRateLabel->setStyleSheet(QStringLiteral("color: #ff5a3c; font-weight: bold;"));
    cameraRateLabel->hide();
    ui->statusBar->addPermanentWidget(cameraRateLabel);
    cameraRateClock.start();
    connect(&cameraRateTimer, &QTimer::timeout, this, [this] { WatchCameraRates(cameraRateClock.elapsed()); });
    cameraRateTimer.start(500);

    // A shot reaches the table as soon as its frame is processed, not up to a tick later.
    const int shotFd = Laser().CamGetShotNotifier();
    if (shotFd >= 0) {
        shotNotifier = new QSocketNotifier(shotFd, QSocketNotifier::Read, this);
        connect(shotNotifier, &QSocketNotifier::activated, this, &MainWindow::ProcessShotFrames);
    }
}

void MainWindow::ProcessShotFrames()
{
    // Cleared first: a shot queued while the cameras are read raises it again.
    quint64 raised = 0;
    [[maybe_unused]] const ssize_t n = ::read(int(shotNotifier->socket()), &raised, sizeof raised);
    for (Camera *camera : cameras)
        camera->ProcessFrame();
}

void MainWindow::WatchCameraRates(qint64 nowMs)
{
    LaserLibrary &laser = Laser();
    QStringList warnings;
    for (int n = 0; n < 4; ++n) {
        const Camera *camera = cameras[n];
        LaserCaptureStats stats{};
        bool running = camera->active && camera->device >= 0 && camera->initialised;
        if (running) {
            laser.CamSelectCamera(n);
            running = laser.CamGetCaptureStats(&stats) == 0;
        }
        switch (cameraRateWatch.Update(n, running ? &stats : nullptr, nowMs)) {
        case FrameRateWatch::State::Slow:
            warnings << tr("Kamera %1: nur %2 Bilder/s").arg(n + 1).arg(cameraRateWatch.Fps(n), 0, 'f', 0);
            break;
        case FrameRateWatch::State::Stopped:
            warnings << tr("Kamera %1: seit %2 s keine Bilder").arg(n + 1).arg(cameraRateWatch.StoppedSeconds(n));
            break;
        case FrameRateWatch::State::Fine:
            break;
        }
    }
    cameraRateLabel->setText(warnings.join(QStringLiteral("  ·  ")));
    cameraRateLabel->setVisible(!warnings.isEmpty());
}

void MainWindow::SelectCameraDevice(int camera, int index)
{
    if (index > 0) {
        // A device serves one camera only: take it away from any other.
        for (int other = 0; other < 4; ++other) {
            if (other == camera || cameraCombos[other]->currentIndex() != index)
                continue;
            cameras[other]->SetDevice(-1);
            cameraSettingsButtons[other]->setEnabled(false);
            cameraCombos[other]->setCurrentIndex(0);
        }
    }
    if (camera > 0)
        SetCameraEnabled(camera, index > 0);
    cameras[camera]->SetDevice(index - 1);
    cameraSettingsButtons[camera]->setEnabled(index > 0);
}

void MainWindow::SetCameraEnabled(int camera, bool on)
{
    cameraGroups[camera]->setChecked(on);
    cameras[camera]->SetActive(on);
    FitView();
}

void MainWindow::RefillCameraCombos()
{
    LaserLibrary &laser = Laser();
    const int n = laser.CamListDevices();
    QStringList list{tr("-No Camera-")};
    for (int i = 0; i < n; ++i) {
        char name[256] = {};
        laser.CamGetNameOfDevice(name, i);
        name[sizeof name - 1] = 0;
        list << QString::fromLocal8Bit(name);
    }
    // Refill every box first, then reselect: a camera whose index shifted must not take the
    // device another camera still shows at that index in the old list.
    int oldIndex[4];
    int newIndex[4];
    for (int camera = 0; camera < 4; ++camera) {
        QComboBox *combo = cameraCombos[camera];
        oldIndex[camera] = combo->currentIndex();
        const QString oldText = combo->currentText();
        combo->clear();
        combo->insertItems(0, list);
        newIndex[camera] = std::max(0, int(list.indexOf(oldText)));
        combo->setCurrentIndex(newIndex[camera]);
    }
    for (int camera = 0; camera < 4; ++camera)
        if (newIndex[camera] != oldIndex[camera])
            SelectCameraDevice(camera, newIndex[camera]);
}

void MainWindow::PollDevices()
{
    const int entries = Laser().CamListDevices() + 1;
    if (entries == ui->comboBoxCamera1->count())
        return;
    const int before = ui->comboBoxCamera1->count();
    RefillCameraCombos();
    if (before == 1 && ui->comboBoxCamera1->count() > 1) {
        // The first device to appear goes to camera 1.
        ui->comboBoxCamera1->setCurrentIndex(1);
        SelectCameraDevice(0, 1);
    }
}

void MainWindow::SetFourCameras(bool on)
{
    fourCameras = on;
    ui->groupBoxCam3->setVisible(on);
    ui->groupBoxCam4->setVisible(on);
}

void MainWindow::OpenCameraSettings(int camera)
{
    if (cameraCombos[camera]->currentIndex() == 0)
        return;
    // Modal, but without an event loop of its own: the tick keeps the preview live.
    auto *dialog = new DialogCameraSettings(cameras[camera], this);
    dialog->setModal(true);
    dialog->show();
}

void MainWindow::Cam1FreshlyInitialized(int Err)
{
    if (Err >= LASER_OPENED)
        SendCorrectedCorners();
}

void MainWindow::on_comboBoxCamera1_activated(int index) { SelectCameraDevice(0, index); }
void MainWindow::on_comboBoxCamera2_activated(int index) { SelectCameraDevice(1, index); }
void MainWindow::on_comboBoxCamera3_activated(int index) { SelectCameraDevice(2, index); }
void MainWindow::on_comboBoxCamera4_activated(int index) { SelectCameraDevice(3, index); }
void MainWindow::on_groupBoxCam2_toggled(bool arg1) { SetCameraEnabled(1, arg1); }
void MainWindow::on_groupBoxCam3_toggled(bool arg1) { SetCameraEnabled(2, arg1); }
void MainWindow::on_groupBoxCam4_toggled(bool arg1) { SetCameraEnabled(3, arg1); }
void MainWindow::on_pushButtonCam1Settings_clicked() { OpenCameraSettings(0); }
void MainWindow::on_pushButtonCam2Settings_clicked() { OpenCameraSettings(1); }
void MainWindow::on_pushButtonCam3Settings_clicked() { OpenCameraSettings(2); }
void MainWindow::on_pushButtonCam4Settings_clicked() { OpenCameraSettings(3); }

// The corrected ring target's corners handed to the camera library for camera 1.
void MainWindow::SendCorrectedCorners()
{
    Target *target = FindCorrectedTarget();
    if (!target)
        return;
    auto *polygonItem = dynamic_cast<QGraphicsPolygonItem *>(target->item);
    if (!polygonItem)
        return;
    const QPolygonF p = polygonItem->mapToScene(polygonItem->polygon());
    if (p.size() != 5)
        return;
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(0);
    // The library numbers the corners row by row; the polygon runs around the edge.
    const int polygonPoint[4] = {0, 1, 3, 2};
    for (int corner = 0; corner < 4; ++corner)
        laser.CamSetCorner(corner, p[polygonPoint[corner]].x() + 0.5, p[polygonPoint[corner]].y() + 0.5);
    laser.CamPreCalculate();
    laser.CamSetScreenResolution(1000, 1000);
}
