// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the cameras against the scripted camera library, through the real main window: shots,
// frames, pictures, watchdog and settings of a camera; choosing devices; the corrected target's
// corners; the camera settings dialog and the driver controls window.
#include "../common/mainwindowtest.h"
#include "../common/scriptedlibrary.h"
#include "ui_dialogcamerasettings.h"

#include "camera.h"
#include "camerasettingsvalues.h"
#include "dialogcamerasettings.h"
#include "dialogdrivercontrols.h"
#include "hit.h"
#include "rejectedspotpainter.h"
#include "uprightpicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <linux/videodev2.h>

static int fakeSecond = 0;

class TestCamera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A library without the camera entry points is refused, naming what it lacks.
        QVERIFY(!LaserLibrary::Instance().LoadFile(QStringLiteral("libm.so.6")));
        QVERIFY2(LaserLibrary::Instance().ErrorString().startsWith(QStringLiteral("missing entry points: CamGetDLLVersion")),
                 qPrintable(LaserLibrary::Instance().ErrorString()));
        QVERIFY2(LoadScriptedLibrary(), qPrintable(LaserLibrary::Instance().ErrorString()));
        Camera::CurrentSecond = [] { return fakeSecond; };
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void spotsBecomeShots()
    {
        Start();
        window->SetPage(1);
        window->scene->AddPolygonTarget(QPolygonF(QRectF(0, 0, 100, 100)));
        window->SelectedTarget()->type = int(TargetType::IgnoreArea);
        window->SetPage(2);
        Tick();
        Camera *camera = window->cameras[0];
        QVERIFY(camera->initialised);
        QSignalSpy shots(camera, &Camera::Shot);
        // Of each frame's spots the first laser spot (kind 1) outside the ignore areas is the shot.
        FrameBlock frames[] = {ScriptSpots({QPointF(10.25, 120.5)}, {QPointF(480, 510)}),
                               ScriptSpots({QPointF(50, 50), QPointF(200, 200), QPointF(300, 300)}),
                               ScriptSpots({QPointF(110, 10), QPointF(120, 20)})};
        frames[2].spots[0].kind = 2;
        for (int k = 0; k < 3; ++k)
            ScriptQueueFrame(0, k, &frames[k], 0, 0, 1);
        Tick();
        QCOMPARE(shots.size(), 3);
        QCOMPARE(shots.at(0), (QVariantList{QPointF(10.25, 120.5), QPointF(480, 510), true}));
        QCOMPARE(shots.at(1).at(0).toPointF(), QPointF(200, 200));
        QCOMPARE(shots.at(2).at(0).toPointF(), QPointF(120, 20));
        // The shots went through Shoot: markers where the spots were.
        QCOMPARE(Hit::All().first()->pos, QPointF(10.25, 120.5));

        // Camera 2 sits right of camera 1 in the scene.
        window->SelectCameraDevice(1, 2);
        QVERIFY(window->ui->groupBoxCam2->isChecked());
        Tick();
        QSignalSpy shots2(window->cameras[1], &Camera::Shot);
        const FrameBlock block2 = ScriptSpots({QPointF(10, 20)}, {QPointF(1, 2)});
        ScriptQueueFrame(1, 0, &block2, 0, 0, 1);
        Tick();
        QCOMPARE(shots2.size(), 1);
        QCOMPARE(shots2.at(0).mid(0, 2), (QVariantList{QPointF(650, 20), QPointF(1, 2)}));
    }

    void shotFramesReadAtOnce()
    {
        // Without the library's descriptor a frame with a shot waits for the tick.
        Start();
        Tick();
        QVERIFY(window->cameras[0]->initialised);
        const FrameBlock block = ScriptSpots({QPointF(30, 40)});
        {
            QSignalSpy shots(window->cameras[0], &Camera::Shot);
            ScriptQueueFrame(0, 0, &block, 0, 0, 1);
            QTest::qWait(30);
            QCOMPARE(shots.size(), 0);
            Tick();
            QCOMPARE(shots.size(), 1);
        }
        delete window;
        window = nullptr;

        // With it, the frame is read as soon as the descriptor is raised, the tick standing still;
        // frames without a shot still wait for the tick.
        ScriptReset();
        ScriptSetDevices("Cam A");
        ScriptEnableShotNotifier(1);
        window = MainWindowTest::Open(2, true);
        QVERIFY(window);
        Tick();
        QVERIFY(window->cameras[0]->initialised);
        QSignalSpy shots(window->cameras[0], &Camera::Shot);
        QSignalSpy pictures(window->cameras[0], &Camera::NewFrame);
        ScriptQueueFrame(0, 0, nullptr, 0, 0, 1);
        QTest::qWait(30);
        QCOMPARE(pictures.size(), 0);
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        QVERIFY(shots.wait(2000));
        QCOMPARE(shots.size(), 1);
        QCOMPARE(shots.at(0).at(0).toPointF(), QPointF(30, 40));
        QCOMPARE(Hit::All().last()->pos, QPointF(30, 40));
        // Both waiting frames were read at once, one picture built from the last.
        QCOMPARE(pictures.size(), 1);
        QTest::qWait(30);
        QCOMPARE(shots.size(), 1);
        ScriptEnableShotNotifier(0);
    }

    void uprightPicture_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("width");
        // Odd widths leave padding at each row's end; the last pixel of the top row ends the buffer.
        QTest::newRow("colour 640") << int(QImage::Format_BGR888) << 640;
        QTest::newRow("colour 5") << int(QImage::Format_BGR888) << 5;
        QTest::newRow("colour 13") << int(QImage::Format_BGR888) << 13;
        QTest::newRow("colour 1") << int(QImage::Format_BGR888) << 1;
        QTest::newRow("grey 7") << int(QImage::Format_Grayscale8) << 7;
    }

    void uprightPicture()
    {
        QFETCH(int, format);
        QFETCH(int, width);
        const int height = 3;
        const int bytes = format == QImage::Format_BGR888 ? 3 : 1;
        const int stride = (width * bytes + 3) / 4 * 4;
        std::vector<uchar> buffer(size_t(stride) * height);
        for (size_t i = 0; i < buffer.size(); ++i)
            buffer[i] = uchar(i * 37 + 11);
        const QImage bottomFirst(buffer.data(), width, height, stride, QImage::Format(format));
        const QImage expected = bottomFirst.convertToFormat(QImage::Format_RGB32).mirrored(false, true);

        UprightPicture upright;
        const QPixmap first = QPixmap::fromImage(upright.Make(bottomFirst));
        QCOMPARE(first.toImage(), expected);
        // The picture shown stays as it was while later frames are written.
        std::fill(buffer.begin(), buffer.end(), uchar(0));
        const QImage second = upright.Make(bottomFirst);
        const QImage third = upright.Make(bottomFirst);
        QCOMPARE(first.toImage(), expected);
        QCOMPARE(third.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(second, third);
        QVERIFY(upright.Make(bottomFirst.convertToFormat(QImage::Format_ARGB32)).isNull());
    }

    void framesAndPictures()
    {
        Start();
        Camera *camera = window->cameras[0];
        Tick();
        QVERIFY(camera->initialised);
        QSignalSpy frames(camera, &Camera::NewFrame);
        // Every waiting frame is read, but only the last becomes the picture.
        for (int peak : {10, 80, 30}) {
            const FrameBlock block = ScriptSpots({}, {}, peak);
            ScriptQueueFrame(0, 0, &block, 10, 50, 1);
        }
        ScriptSetPixel(0, 0, 3, 4, 200);
        ScriptClearLog();
        QCOMPARE(camera->ProcessFrame(), 3);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(camera->maxLuminance, 80);
        QCOMPARE(ScriptCallCount("CamReadFrame"), 4); // three frames, then "no new frame"
        QCOMPARE(ScriptCallCount("CamGetColourBuf"), 1);
        // Colour: the library's rows run bottom first, the picture is upright.
        QImage image = camera->framePixmap.toImage();
        QCOMPARE(image.size(), QSize(640, 480));
        QCOMPARE(QColor(image.pixel(3, 4)), QColor(200, 200, 200));
        QCOMPARE(QColor(image.pixel(3, 475)), QColor(10, 10, 10));
        QCOMPARE(camera->pixmapItem->pixmap().cacheKey(), camera->framePixmap.cacheKey());
        // A tick without frames keeps the peak and the picture and emits nothing.
        const qint64 picture = camera->framePixmap.cacheKey();
        QCOMPARE(camera->ProcessFrame(), 0);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(camera->maxLuminance, 80);
        QCOMPARE(camera->framePixmap.cacheKey(), picture);

        camera->displayMode = Camera::Grey;
        ScriptQueueFrame(0, 0, nullptr, 10, 50, 1);
        ScriptSetPixel(0, 1, 600, 0, 255);
        camera->ProcessFrame();
        image = camera->framePixmap.toImage();
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(50, 50, 50));
        QCOMPARE(QColor(image.pixel(600, 0)), QColor(255, 255, 255));

        // Laser: detected pixels (0) red, everything else as grey as it is.
        camera->displayMode = Camera::Laser;
        ScriptQueueFrame(0, 0, nullptr, 10, 50, 1);
        ScriptSetPixel(0, 2, 5, 7, 0);
        camera->ProcessFrame();
        image = camera->framePixmap.toImage();
        QCOMPARE(QColor(image.pixel(5, 7)), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(639, 479)), QColor(1, 1, 1));
    }

    void rejectedAreasMarkedInLaserView()
    {
        Start();
        Camera *camera = window->cameras[0];
        Tick();
        const QColor box = QColor::fromRgba(RejectedSpotPainter::BoxColour);
        const LaserRejectedSpot rejected[] = {{LASER_REJECT_TOO_LONG, 100, 50, 40, 6, 200},
                                              {LASER_REJECT_MOVING, 630, 470, 10, 10, 60}};
        // The colour view shows the picture only.
        ScriptQueueFrame(0, 0, nullptr, 10, 50, 1);
        ScriptSetRejected(0, rejected, 2);
        camera->ProcessFrame();
        QCOMPARE(QColor(camera->framePixmap.toImage().pixel(99, 49)), QColor(10, 10, 10));

        // The laser view frames each area one pixel outside, upright, and leaves it as it is.
        camera->displayMode = Camera::Laser;
        ScriptQueueFrame(0, 0, nullptr, 10, 50, 1);
        ScriptSetRejected(0, rejected, 2);
        camera->ProcessFrame();
        QCOMPARE(camera->rejectedCount, 2);
        const QImage image = camera->framePixmap.toImage();
        QCOMPARE(QColor(image.pixel(99, 49)), box);
        QCOMPARE(QColor(image.pixel(140, 56)), box);
        QCOMPARE(QColor(image.pixel(120, 52)), QColor(1, 1, 1));
        // The box at the picture's corner is cut by it; its reason moves inside the picture.
        QCOMPARE(QColor(image.pixel(629, 469)), box);
        int written = 0;
        for (int y = 440; y < 480; ++y)
            for (int x = 540; x < 628; ++x)
                written += QColor(image.pixel(x, y)) != QColor(1, 1, 1);
        if (QFontDatabase().families().isEmpty())
            QSKIP("no fonts to draw the reasons with");
        QVERIFY(written > 5);

        // The next frame without rejected areas shows none.
        ScriptQueueFrame(0, 0, nullptr, 10, 50, 1);
        camera->ProcessFrame();
        QCOMPARE(camera->rejectedCount, 0);
        QCOMPARE(QColor(camera->framePixmap.toImage().pixel(99, 49)), QColor(1, 1, 1));
    }

    void rejectionReasons()
    {
        // Every reason has its own short text; codes the program does not know show none.
        QSet<QString> texts;
        for (int reason = LASER_REJECT_TOO_LARGE; reason <= LASER_REJECT_AT_EDGE; ++reason) {
            const QString text = RejectedSpotPainter::ReasonText(reason);
            QVERIFY(!text.isEmpty() && text.size() <= 16);
            texts.insert(text);
        }
        QCOMPARE(texts.size(), LASER_REJECT_AT_EDGE);
        QVERIFY(RejectedSpotPainter::ReasonText(0).isEmpty());
        QVERIFY(RejectedSpotPainter::ReasonText(99).isEmpty());
    }

    void openingAndWatchdog()
    {
        Start();
        Camera *camera = window->cameras[0];
        QSignalSpy opened(camera, &Camera::FreshlyInitialized);
        ScriptSetInitResult(0, -5);
        ScriptClearLog();
        Tick();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), -5);
        QVERIFY(ScriptLog().contains(QStringLiteral("0 CamInit(0,640,480)")));
        const QImage shown = camera->framePixmap.toImage();
        QCOMPARE(shown, QImage(":/Gui/Img/NoCam.png").convertToFormat(shown.format()));
        Tick(); // a closed camera is tried again on every tick
        QCOMPARE(opened.size(), 2);
        // With a reason from the library, the picture says it, in the user's language; a reason
        // the program does not know shows as the library gave it.
        const QImage plain = camera->framePixmap.toImage();
        const QList<QPair<QByteArray, QString>> reasons{{"not a video file", "Keine Videodatei"},
                                                        {"odd failure", "odd failure"}};
        for (const auto &reason : reasons) {
            ScriptSetLastError(0, reason.first.constData());
            Tick();
            QCOMPARE(camera->FailureReason(), reason.second);
            QVERIFY(camera->framePixmap.toImage() != plain);
            QCOMPARE(camera->pixmapItem->pixmap().cacheKey(), camera->framePixmap.cacheKey());
        }
        window->SetLanguage(QStringLiteral("en"));
        ScriptSetLastError(0, "not a video file");
        QCOMPARE(camera->FailureReason(), QStringLiteral("Not a video file"));
        window->SetLanguage(QStringLiteral("de"));
        ScriptSetLastError(0, "");
        ScriptSetInitResult(0, 1);
        Tick();
        QVERIFY(camera->initialised);
        // The device vanishes: the library answers "not open" and the camera reopens it.
        ScriptQueueFrame(0, LASER_NOT_OPEN, nullptr, 0, 0, 0);
        Tick();
        QCOMPARE(opened.size(), 6);
        QCOMPARE(opened.at(5).at(0).toInt(), 1);

        const FrameBlock block = ScriptSpots({});
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        QCOMPARE(camera->ProcessFrame(), 2);
        fakeSecond = 1;
        QCOMPARE(camera->ProcessFrame(), 0);
        QCOMPARE(camera->framesPerSecond, 2);
        QCOMPARE(camera->retries, 3);
        // Three silent seconds are tolerated, the fourth stalls the camera.
        for (int s = 2; s <= 4; ++s) {
            fakeSecond = s;
            QCOMPARE(camera->ProcessFrame(), 0);
            QCOMPARE(camera->retries, 3 - (s - 1));
            QCOMPARE(camera->framesPerSecond, 0);
        }
        fakeSecond = 5;
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        ScriptClearLog();
        QCOMPARE(camera->ProcessFrame(), -3);
        QCOMPARE(camera->ProcessFrame(), -3); // and stays stalled, reading nothing
        QCOMPARE(ScriptCallCount("CamReadFrame"), 0);
        // Another device starts it over.
        camera->SetDevice(1);
        QVERIFY(!camera->initialised);
        QCOMPARE(camera->ProcessFrame(), 0); // opens
        QCOMPARE(camera->ProcessFrame(), 1);
        // Inactive cameras and cameras without a device are not processed.
        QCOMPARE(window->cameras[2]->ProcessFrame(), -4);
        camera->SetDevice(-1);
        QCOMPARE(camera->ProcessFrame(), -4);
    }

    void settingWishesPercentsAndBrightnessNudge()
    {
        Start();
        ScriptSetSetting(0, 0, 10, 260, 60); // brightness
        ScriptSetSetting(1, 4, 1, 500, 100); // exposure
        Camera *camera = window->cameras[0];
        QCOMPARE(camera->BrightnessPercent(), 20.0);
        camera->exposurePercent = 50;
        camera->brightnessPercent = 25;
        // The percentages are applied at every opening, then the wishes follow the camera's values.
        for (int opening = 0; opening < 2; ++opening) {
            camera->FreeCamera();
            ScriptClearLog();
            Tick();
            QVERIFY(ScriptLog().contains(QStringLiteral("0 CamSetCameraSettingPct(4,0.5,2)")));
            QVERIFY(ScriptLog().contains(QStringLiteral("0 CamSetFilterSettingPct(0,0.25,2)")));
        }
        QCOMPARE(camera->exposure.wanted, camera->exposure.value);
        QCOMPARE(camera->exposure.maximum, 500);
        QVERIFY(ScriptLog().contains(QStringLiteral("0 CamSetCameraSetting(4,%1,2)").arg(camera->exposure.value)));

        // An exposure wish moves brightness (73 of 10-260) to the far end for one frame...
        const FrameBlock block = ScriptSpots({});
        camera->exposure.wanted = 300;
        ScriptClearLog();
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        camera->ProcessFrame();
        QCOMPARE(ScriptLog(), (QStringList{"0 CamSetCameraSetting(4,300,0)", "0 CamSetFilterSetting(0,260,0)"}));
        QCOMPARE(camera->exposure.value, 300);
        ScriptClearLog();
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        camera->ProcessFrame();
        // ...and back with the next.
        QCOMPARE(ScriptLog(), QStringList{"0 CamSetFilterSetting(0,73,0)"});
        // Wishes wait for a frame.
        camera->brightness.wanted = 10;
        ScriptClearLog();
        camera->ProcessFrame();
        QVERIFY(ScriptLog().isEmpty());
    }

    void devicesChosenAndSwitched()
    {
        Start();
        for (int n = 0; n < 4; ++n)
            QCOMPARE(window->cameraCombos[n]->itemText(2), QStringLiteral("Cam B"));
        // At the start camera 1 takes the first device.
        QCOMPARE(window->ui->comboBoxCamera1->currentIndex(), 1);
        QCOMPARE(window->cameras[0]->device, 0);
        QVERIFY(window->ui->pushButtonCam1Settings->isEnabled());
        QVERIFY(!window->ui->pushButtonCam2Settings->isEnabled());
        QVERIFY(!window->cameras[1]->active);
        QCOMPARE(window->cameras[3]->pixmapItem->pos(), QPointF(640, 480));
        QCOMPARE(window->cameras[2]->pixmapItem->pos(), QPointF(0, 480));

        Choose(1, 1); // camera 2 takes Cam A from camera 1
        QCOMPARE(window->cameraCombos[0]->currentIndex(), 0);
        QCOMPARE(window->cameras[0]->device, -1);
        QVERIFY(!window->ui->pushButtonCam1Settings->isEnabled());
        QVERIFY(window->cameras[0]->active); // camera 1 is always active
        QCOMPARE(window->cameras[1]->device, 0);
        QVERIFY(window->ui->pushButtonCam2Settings->isEnabled());
        QVERIFY(window->ui->groupBoxCam2->isChecked());
        QCOMPARE(window->cameras[0]->framePixmap.toImage().size(), QSize(640, 480));
        Choose(1, 0); // "-No Camera-" switches camera 2 off
        QVERIFY(!window->ui->groupBoxCam2->isChecked());
        QVERIFY(!window->cameras[1]->active);

        // Camera 4 on its own widens and heightens the scene; switched off it keeps its device.
        Choose(3, 2);
        QVERIFY(window->cameras[3]->active);
        QCOMPARE(window->scene->sceneRect(), QRectF(0, 0, 1280, 960));
        window->ui->groupBoxCam4->setChecked(false);
        QVERIFY(!window->cameras[3]->active);
        QCOMPARE(window->scene->sceneRect(), QRectF(0, 0, 640, 480));
        window->SetFourCameras(false);
        QVERIFY(!window->ui->groupBoxCam4->isVisible());
        QCOMPARE(window->cameras[3]->device, 1);
    }

    void deviceListChanges_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QVector<int>>("chosen"); // per camera, 0: left as it is
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QVector<int>>("entries"); // per camera afterwards; the device is one less

        QTest::newRow("a new first device: cameras keep theirs by name")
            << QByteArray("A\nB\nC") << QVector<int>{0, 2, 0, 0} << QByteArray("X\nA\nB\nC") << QVector<int>{2, 3, 0, 0};
        QTest::newRow("unplugged device frees its camera")
            << QByteArray("A\nB\nC") << QVector<int>{0, 0, 3, 0} << QByteArray("A\nB") << QVector<int>{1, 0, 0, 0};
        QTest::newRow("same names: the first in the list")
            << QByteArray("Same\nSame") << QVector<int>{0, 2, 0, 0} << QByteArray("Other\nSame\nSame") << QVector<int>{2, 0, 0, 0};
        QTest::newRow("first device to appear goes to camera 1")
            << QByteArray() << QVector<int>{0, 0, 0, 0} << QByteArray("New cam") << QVector<int>{1, 0, 0, 0};
    }

    void deviceListChanges()
    {
        QFETCH(QByteArray, before);
        QFETCH(QVector<int>, chosen);
        QFETCH(QByteArray, after);
        QFETCH(QVector<int>, entries);
        Start(before);
        for (int n = 0; n < 4; ++n)
            if (chosen[n])
                Choose(n, chosen[n]);
        Tick();
        ScriptSetDevices(after.constData());
        Tick();
        Tick(); // opens what was newly chosen
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(window->cameraCombos[n]->currentIndex(), entries[n]);
            QCOMPARE(window->cameras[n]->device, entries[n] - 1);
            QCOMPARE(window->cameras[n]->initialised, entries[n] > 0);
            if (n > 0 && entries[n] > 0) // cameras 2 to 4 are switched on with a device
                QVERIFY(window->cameras[n]->active);
        }
        // The list is not read again while the number of devices stays the same.
        ScriptClearLog();
        Tick();
        Tick();
        QCOMPARE(ScriptCallCount("CamGetNameOfDevice"), 0);
    }

    void correctedTargetCorners()
    {
        Start("A");
        window->SetPage(1);
        window->ui->pushButtonCorrectedTarget->click();
        Target *t = window->FindCorrectedTarget();
        QVERIFY(t);
        QCOMPARE(t->listItem->text(), QStringLiteral("Entzerrte Ziele:0"));
        QVERIFY(!window->ui->frameTargetProps->isEnabled());
        // A second one is refused with a message.
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        window->ui->pushButtonCorrectedTarget->click();
        QCOMPARE(shown, QStringLiteral("Es darf nur ein Korrekturziel geben."));
        QCOMPARE(window->Targets().size(), 1);

        // The corners go to the library when camera 1 opens, not when opening fails...
        ScriptSetInitResult(0, 0);
        ScriptClearLog();
        Tick();
        QCOMPARE(ScriptCallCount("CamSetCorner"), 0);
        ScriptSetInitResult(0, 3);
        Tick();
        QCOMPARE(ScriptCallCount("CamSetCorner"), 4);
        // ...and whenever the game page is shown.
        ScriptClearLog();
        window->SetPage(2);
        QCOMPARE(ScriptLog(), (QStringList{"0 CamSetCorner(0,128.5,96.5)", "0 CamSetCorner(1,512.5,96.5)",
                                            "0 CamSetCorner(2,128.5,384.5)", "0 CamSetCorner(3,512.5,384.5)",
                                            "0 CamPreCalculate()", "0 CamSetScreenResolution(1000,1000)"}));
    }

    void brightnessAndExposureSnap_data()
    {
        QTest::addColumn<bool>("exposure");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown");
        QTest::newRow("brightness 0-255 at 50") << false << 0 << 255 << 50 << 128 << 50;
        QTest::newRow("brightness 0-3 at 50") << false << 0 << 3 << 50 << 2 << 66;
        QTest::newRow("brightness no range") << false << 0 << 0 << 50 << 0 << 0;
        QTest::newRow("exposure -10..-1 at 40") << true << -10 << -1 << 40 << -6 << 44;
    }

    void brightnessAndExposureSnap()
    {
        QFETCH(bool, exposure);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, position);
        QFETCH(int, value);
        QFETCH(int, shown);
        // The camera reads its ranges when it opens.
        Start();
        ScriptSetSetting(exposure ? 1 : 0, exposure ? 4 : 0, minimum, maximum, minimum);
        Tick();
        DialogCameraSettings *dialog = OpenDialog();
        QVERIFY(dialog);
        QSlider *slider = exposure ? dialog->ui->horizontalSliderExposure : dialog->ui->horizontalSliderBrightness;
        Drag(slider, position);
        QCOMPARE(slider->value(), shown);
        const CameraSetting &setting = exposure ? window->cameras[0]->exposure : window->cameras[0]->brightness;
        QCOMPARE(setting.wanted, value);
        // The camera applies the wish with its next frame.
        ScriptQueueFrame(0, 0, nullptr, 0, 0, 1);
        Tick();
        QCOMPARE(ScriptGetSettingValue(0, exposure ? 1 : 0, exposure ? 4 : 0), qBound(minimum, value, maximum));
    }

    void thresholdsClampedAndDefaults()
    {
        Start();
        const int reported[] = {300, 0, 20000, 50}; // thresholds 1 to 4
        for (int kind = 1; kind <= 4; ++kind)
            ScriptSetThresholdValue(0, kind, reported[kind - 1]);
        Tick();
        ScriptClearLog();
        DialogCameraSettings *dialog = OpenDialog();
        QVERIFY(dialog);
        // Shown within the sliders' ranges, but not written back.
        QCOMPARE(dialog->ui->horizontalSliderLumi->value(), 255);
        QCOMPARE(dialog->ui->horizontalSliderMinPix->value(), 1);
        QCOMPARE(dialog->ui->horizontalSliderMaxPix->value(), 10000);
        QCOMPARE(dialog->ui->horizontalSliderMinDist->value(), 50);
        QVERIFY(dialog->ui->horizontalSliderMinDist->isHidden());
        QCOMPARE(ScriptCallCount("CamSetThreshold"), 0);
        QCOMPARE(window->cameras[0]->GetThreshold(3), 20000);
        // "Default values" leaves the brightness threshold alone.
        QTest::mouseClick(dialog->ui->pushButtonDefaultVals, Qt::LeftButton);
        QCOMPARE(ScriptLog().filter(QStringLiteral("CamSetThreshold")),
                 (QStringList{"0 CamSetThreshold(2,1)", "0 CamSetThreshold(3,5000)", "0 CamSetThreshold(4,30)"}));
        QCOMPARE(dialog->ui->horizontalSliderMaxPix->value(), 5000);
        QCOMPARE(dialog->ui->horizontalSliderMinDist->value(), 30);
        QCOMPARE(window->cameras[0]->GetThreshold(1), 300);
    }

    void laserModeMarksShotsUntilOk()
    {
        Start();
        Tick();
        window->SetPage(0);
        QPointer<DialogCameraSettings> dialog(OpenDialog());
        QVERIFY(dialog);
        QVERIFY(dialog->ui->radioButtonColor->isChecked());
        QVERIFY(!dialog->maxSizeCircle->isVisible());
        QCOMPARE(dialog->ui->progressBarLumi->value(), 24); // until the first frame

        // In laser mode circles show the smallest and largest spot size, of a spot's area.
        QTest::mouseClick(dialog->ui->radioButtonLaser, Qt::LeftButton);
        QCOMPARE(window->cameras[0]->displayMode, int(Camera::Laser));
        QVERIFY(dialog->minSizeCircle->isVisible() && dialog->maxSizeCircle->isVisible());
        QVERIFY(qAbs(dialog->maxSizeCircle->rect().width() - 2 * 39.894) < 0.01); // 5000 pixels
        Drag(dialog->ui->horizontalSliderMinPix, 20);
        QVERIFY(ScriptLog().contains(QStringLiteral("0 CamSetThreshold(2,20)")));
        QVERIFY(qAbs(dialog->minSizeCircle->rect().width() - 2 * 2.5231) < 0.001);
        Drag(dialog->ui->horizontalSliderMinPix, 1);
        QVERIFY(qAbs(dialog->minSizeCircle->rect().width() - 2 * 0.5642) < 0.001);

        // On the Targets page the main window marks the shot too, for its own second.
        window->SetPage(1);
        const FrameBlock block = ScriptSpots({QPointF(100, 200)}, {}, 180);
        ScriptQueueFrame(0, 0, &block, 0, 0, 1);
        Tick();
        QCOMPARE(dialog->ui->progressBarLumi->value(), 180);
        QCOMPARE(Hit::All().size(), 2);
        const QGraphicsScene *preview = dialog->ui->graphicsView->scene();
        Hit *hit = Hit::All().first()->marker->scene() == preview ? Hit::All().first() : Hit::All().last();
        QCOMPARE(hit->marker->scene(), preview);
        QCOMPARE(hit->pos, QPointF(100, 200));
        QCOMPARE(hit->removeTimer.isActive() ? hit->removeTimer.interval() : 0, 2000);

        QTest::mouseClick(dialog->ui->pushButtonOk, Qt::LeftButton);
        QCOMPARE(window->cameras[0]->displayMode, int(Camera::Colour));
        QVERIFY(Hit::All().isEmpty());
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(dialog.isNull());
    }

    // Escape closes the dialog as Ok does: laser mode ends and its markers go.
    void escapeClosesLikeOk()
    {
        Start();
        Tick();
        QPointer<DialogCameraSettings> dialog(OpenDialog());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->ui->radioButtonLaser, Qt::LeftButton);
        new Hit(window->scene, nullptr, QPointF(5, 5));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window->cameras[0]->displayMode, int(Camera::Colour));
        QVERIFY(Hit::All().isEmpty());
        QTRY_VERIFY(dialog.isNull());
    }

    void driverControlsChangeLive()
    {
        Start();
        Tick();
        DialogCameraSettings *settings = OpenDialog();
        QVERIFY(settings);
        QTest::mouseClick(settings->ui->pushButtonDriver, Qt::LeftButton);
        auto *controls = settings->findChild<DialogDriverControls *>();
        QVERIFY(controls && controls->isModal());

        auto *exposureAuto = qobject_cast<QComboBox *>(controls->Editor(V4L2_CID_EXPOSURE_AUTO));
        auto *whiteBalance = qobject_cast<QCheckBox *>(controls->Editor(V4L2_CID_AUTO_WHITE_BALANCE));
        auto *powerLine = qobject_cast<QComboBox *>(controls->Editor(V4L2_CID_POWER_LINE_FREQUENCY));
        auto *exposureTime = qobject_cast<QSlider *>(controls->Editor(V4L2_CID_EXPOSURE_ABSOLUTE));
        auto *focus = qobject_cast<QSlider *>(controls->Editor(V4L2_CID_FOCUS_ABSOLUTE));
        QVERIFY(exposureAuto && whiteBalance && powerLine && exposureTime && focus);
        // Only the items the driver names, each under its own value.
        QCOMPARE(exposureAuto->count(), 2);
        QCOMPARE(exposureAuto->currentData().toInt(), 3);
        QCOMPARE(powerLine->currentText(), QStringLiteral("60 Hz"));
        QVERIFY(whiteBalance->isChecked());
        QCOMPARE(exposureTime->value(), 250);
        QVERIFY(!exposureTime->isEnabled()); // inactive under automatic exposure
        QVERIFY(!focus->isEnabled());        // read-only

        ScriptClearLog();
        exposureAuto->setCurrentIndex(exposureAuto->findData(V4L2_EXPOSURE_MANUAL));
        emit exposureAuto->activated(exposureAuto->currentIndex());
        QVERIFY(exposureTime->isEnabled());
        Drag(exposureTime, 400);
        whiteBalance->click();
        QCOMPARE(ScriptLog().filter(QStringLiteral("CamSetControl(")),
                 QStringList({"0 CamSetControl(0x9a0901,1)", "0 CamSetControl(0x9a0902,400)", "0 CamSetControl(0x98090c,0)"}));

        QTest::mouseClick(controls->findChild<QPushButton *>(QStringLiteral("pushButtonResetAll")), Qt::LeftButton);
        QCOMPARE(exposureAuto->currentData().toInt(), 3);
        QVERIFY(whiteBalance->isChecked());
        QVERIFY(!exposureTime->isEnabled());
    }

private:
    // A main window on the game page with four cameras shown; the test ticks by hand.
    void Start(const QByteArray &devices = "Cam A\nCam B")
    {
        ScriptReset();
        ScriptSetDevices(devices.constData());
        fakeSecond = 0;
        window = MainWindowTest::Open(2, true);
        QVERIFY(window);
        window->SetFourCameras(true);
    }

    void Tick() { MainWindowTest::Tick(window); }
    // What choosing an entry in a camera's combo box does.
    void Choose(int camera, int index)
    {
        window->cameraCombos[camera]->setCurrentIndex(index);
        emit window->cameraCombos[camera]->activated(index);
    }

    DialogCameraSettings *OpenDialog()
    {
        QTest::mouseClick(window->ui->pushButtonCam1Settings, Qt::LeftButton);
        auto *dialog = window->findChild<DialogCameraSettings *>();
        return dialog && dialog->isModal() && dialog->isVisible() ? dialog : nullptr;
    }

    static void Drag(QSlider *slider, int position)
    {
        slider->setSliderDown(true);
        slider->setSliderPosition(position); // emits sliderMoved, as a drag does
        slider->setSliderDown(false);
    }

    MainWindow *window = nullptr;
};

QTEST_MAIN(TestCamera)
#include "tst_camera.moc"
