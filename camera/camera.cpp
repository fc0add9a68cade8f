// SPDX-License-Identifier: GPL-3.0-or-later
// Camera: polling the camera library, the picture in the scene, shots and driver-setting wishes.
#include "camera.h"

#include "camerafailure.h"
#include "laserlibrary.h"
#include "rejectedspotpainter.h"
#include "mainwindow.h"
#include "target.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QTime>

#include <algorithm>
#include <cstring>

// Camera::Laser (the display mode) hides the global accessor inside the class.
static LaserLibrary &Lib()
{
    return LaserLibrary::Instance();
}

int (*Camera::CurrentSecond)() = [] { return QTime::currentTime().second(); };

Camera::Camera(MainWindow *mainWindow, QGraphicsScene *scene, int cameraNumber)
    : cameraNumber(cameraNumber), mainWindow(mainWindow), scene(scene)
{
    brightness.id = 0;
    exposure.id = 14;
    countSecond = CurrentSecond();
    std::memset(&block, 0, sizeof block);
    if (!scene) {
        displayMode = None;
        return;
    }
    Lib().CamSelectCamera(cameraNumber);
    QPixmap empty(640, 480);
    empty.fill(Qt::black);
    pixmapItem = new QGraphicsPixmapItem(empty);
    ShowNoCam();
    pixmapItem->setZValue(-1000);
    scene->addItem(pixmapItem);
}

Camera::~Camera()
{
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamFree();
}

int Camera::ProcessFrame()
{
    if (!active || device < 0)
        return -4;

    // Frame-rate watchdog: a camera that stops delivering gets three seconds, then is left alone.
    const int second = CurrentSecond();
    if (second != countSecond) {
        framesPerSecond = frameCount;
        if (frameCount == 0 && initialised) {
            if (retries == 0)
                return -3;
            --retries;
        } else {
            retries = 3;
        }
        frameCount = 0;
        countSecond = second;
    }

    const int keptLuminance = maxLuminance;
    maxLuminance = 0;
    LaserLibrary &laser = Lib();
    laser.CamSelectCamera(cameraNumber);
    int n = 0;
    for (;;) {
        const int r = laser.CamReadFrame(&block);
        if (r == LASER_NOT_OPEN) {
            Open();
            break;
        }
        if (r < 0)
            break;
        ++frameCount;
        ++n;
        maxLuminance = std::max(maxLuminance, int(block.peakBrightness));
        frameTimeUs = laser.CamGetFrameTime();
        ReportFirstShot(block);
    }
    if (n == 0) {
        maxLuminance = keptLuminance;
        return 0;
    }
    // A receiver of Shot may have selected another camera.
    laser.CamSelectCamera(cameraNumber);
    BuildPicture();
    ApplyWishes();
    emit NewFrame();
    return n;
}

void Camera::ReportFirstShot(const FrameBlock &frame)
{
    const QPointF offset = pixmapItem ? pixmapItem->pos() : QPointF();
    for (const SpotRecord &spot : frame.spots) {
        if (spot.kind != LASER_SPOT_LASER)
            continue;
        const QPointF p = QPointF(spot.x, spot.y) + offset;
        if (mainWindow) {
            const Target *target = mainWindow->TargetAt(p);
            if (target && target->type == int(TargetType::IgnoreArea))
                continue;
        }
        shotTimeUs = frameTimeUs;
        emit Shot(p, QPointF(spot.cx, spot.cy), true);
        return;
    }
}

void Camera::Open()
{
    LaserLibrary &laser = Lib();
    const int e = laser.CamInit(device, 640, 480);
    initialised = e >= LASER_OPENED;
    if (initialised) {
        retries = 3;
        countSecond = CurrentSecond();
        if (exposurePercent >= 0)
            laser.CamSetCameraSettingPct(4, exposurePercent / 100, 2);
        if (brightnessPercent >= 0)
            laser.CamSetFilterSettingPct(0, brightnessPercent / 100, 2);
        ReadSetting(brightness);
        ReadSetting(exposure);
        brightness.wanted = brightness.value;
        exposure.wanted = exposure.value;
        laser.CamSetCameraSetting(4, exposure.value, 2);
    } else {
        ShowNoCam();
        ShowFailure(FailureReason());
    }
    emit FreshlyInitialized(e);
}

static int AlignedStride(int width, int bytesPerPixel)
{
    return (width * bytesPerPixel + 3) / 4 * 4;
}

void Camera::BuildPicture()
{
    if (displayMode == None)
        return;
    LaserLibrary &laser = Lib();
    unsigned char *grey = laser.CamGetGreyBuf();
    unsigned char *colour = laser.CamGetColourBuf();
    unsigned char *detection = laser.CamGetSpecialGreyBuf(6);
    const int width = laser.CamGetXMax();
    const int height = laser.CamGetYMax();
    if (width <= 0 || height <= 0)
        return;

    switch (displayMode) {
    case Colour:
        if (!colour)
            return;
        frameImage = QImage(colour, width, height, AlignedStride(width, 3), QImage::Format_BGR888);
        break;
    case Grey:
        if (!grey)
            return;
        frameImage = QImage(grey, width, height, AlignedStride(width, 1), QImage::Format_Grayscale8);
        break;
    case Laser: {
        if (!detection)
            return;
        const QImage wrapped(detection, width, height, AlignedStride(width, 1), QImage::Format_Grayscale8);
        frameImage = wrapped.convertToFormat(QImage::Format_BGR888);
        // Detected laser pixels are 0 in the detection buffer: paint them red.
        const int rows = std::min(height, 480);
        const int columns = std::min(width, 640);
        for (int y = 0; y < rows; ++y) {
            uchar *line = frameImage.scanLine(y);
            for (int x = 0; x < columns; ++x) {
                uchar *px = line + 3 * x;
                if (px[0] == 0 && px[1] == 0 && px[2] == 0) {
                    px[0] = 0; // B
                    px[1] = 0; // G
                    px[2] = 255; // R
                }
            }
        }
        break;
    }
    default:
        return;
    }
    // The library's rows run bottom first: mirroring top to bottom makes the one copy.
    if (displayMode == Laser) {
        // The laser view also shows why each lit area that is no shot was turned down.
        LaserRejectedSpot rejected[LASER_MAX_REJECTED];
        rejectedCount = laser.CamGetRejectedSpots
            ? std::clamp(laser.CamGetRejectedSpots(rejected, LASER_MAX_REJECTED), 0,
                         int(LASER_MAX_REJECTED))
            : 0;
        QImage upright = frameImage.mirrored(false, true);
        RejectedSpotPainter::Paint(upright, rejected, rejectedCount);
        framePixmap = QPixmap::fromImage(upright);
    } else {
        // Mirrored and converted into the pixmap's own format in one pass: the pixmap then takes
        // the picture without a further copy.
        framePixmap = QPixmap::fromImage(upright.Make(frameImage));
    }
    if (pixmapItem)
        pixmapItem->setPixmap(framePixmap);
}

void Camera::ApplyWishes()
{
    if (brightness.wanted != brightness.value) {
        WriteSetting(brightness, brightness.wanted, 0);
        ReadSetting(brightness);
    }
    if (exposure.wanted != exposure.value) {
        WriteSetting(exposure, exposure.wanted, 0);
        ReadSetting(exposure);
        // Nudge brightness to an extreme for one frame; the rule above sets it back next time.
        const int middle = (brightness.minimum + brightness.maximum) / 2;
        WriteSetting(brightness, brightness.value < middle ? brightness.maximum : brightness.minimum, 0);
        ReadSetting(brightness);
    }
}

void Camera::WriteSetting(const CameraSetting &setting, int value, int flags)
{
    if (setting.id < 10)
        Lib().CamSetFilterSetting(setting.id, value, flags);
    else
        Lib().CamSetCameraSetting(setting.id - 10, value, flags);
}

void Camera::ReadSetting(CameraSetting &setting)
{
    if (setting.id < 10)
        Lib().CamGetFilterSetting(setting.id, &setting.minimum, &setting.maximum, &setting.step, &setting.value,
                                    &setting.defaultValue, &setting.flags);
    else
        Lib().CamGetCameraSetting(setting.id - 10, &setting.minimum, &setting.maximum, &setting.step,
                                    &setting.value, &setting.defaultValue, &setting.flags);
}

double Camera::Percent(const CameraSetting &setting)
{
    const int range = setting.maximum - setting.minimum;
    if (range < 1)
        return 0.0;
    return (setting.value - setting.minimum) * 100.0 / range;
}

double Camera::BrightnessPercent()
{
    Lib().CamSelectCamera(cameraNumber);
    ReadSetting(brightness);
    return Percent(brightness);
}

double Camera::ExposurePercent()
{
    Lib().CamSelectCamera(cameraNumber);
    ReadSetting(exposure);
    return Percent(exposure);
}

void Camera::SetDevice(int newDevice)
{
    if (newDevice != device)
        FreeCamera();
    device = newDevice;
}

void Camera::SetPos(QPointF pos)
{
    if (pixmapItem)
        pixmapItem->setPos(pos);
}

void Camera::ShowNoCam()
{
    framePixmap = QPixmap(QStringLiteral(":/Gui/Img/NoCam.png"));
    if (pixmapItem)
        pixmapItem->setPixmap(framePixmap);
}

QString Camera::FailureReason()
{
    char buffer[256] = {};
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamGetLastError(buffer, int(sizeof buffer));
    buffer[sizeof buffer - 1] = 0;
    return CameraFailureText(QString::fromLocal8Bit(buffer));
}

void Camera::ShowFailure(const QString &reason)
{
    if (reason.isEmpty())
        return;
    char name[64] = {};
    if (device >= 0)
        Lib().CamGetNameOfDevice(name, device);
    name[sizeof name - 1] = 0;
    const QString device = QString::fromLocal8Bit(name);
    const QString text = device.isEmpty() ? reason : device + QStringLiteral(": ") + reason;
    if (text != failureText || failurePixmap.isNull()) {
        failureText = text;
        failurePixmap = framePixmap.isNull() ? QPixmap(640, 480) : framePixmap;
        if (framePixmap.isNull())
            failurePixmap.fill(Qt::black);
        QPainter painter(&failurePixmap);
        // Above the crossed-out camera, clear of the picture's own "no camera" text.
        const QRect band(0, 0, failurePixmap.width(), failurePixmap.height() / 8);
        painter.fillRect(band, QColor(0, 0, 0, 200));
        QFont font = painter.font();
        font.setPixelSize(qMax(10, failurePixmap.height() / 24));
        painter.setFont(font);
        painter.setPen(QColor(255, 200, 60));
        painter.drawText(band.adjusted(16, 8, -16, -8), Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    framePixmap = failurePixmap;
    if (pixmapItem)
        pixmapItem->setPixmap(framePixmap);
}

void Camera::FreeCamera()
{
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamFree();
    initialised = false;
    ShowNoCam();
}

void Camera::ShowDriverSettings()
{
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamShowSettings();
}

QString Camera::GetName()
{
    char buffer[64] = {};
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamGetName(buffer);
    buffer[sizeof buffer - 1] = 0;
    return QString::fromLocal8Bit(buffer);
}

void Camera::SetThreshold(int kind, int value)
{
    Lib().CamSelectCamera(cameraNumber);
    Lib().CamSetThreshold(kind, value);
}

int Camera::GetThreshold(int kind)
{
    Lib().CamSelectCamera(cameraNumber);
    return Lib().CamGetThresholds(kind);
}
