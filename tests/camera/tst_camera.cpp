// Tests of Camera against the scripted camera library: shots, frames, pictures, watchdog, settings.
#include "../common/mainwindowtest.h"
#include "../common/scriptedlibrary.h"

#include "camera.h"
#include "hit.h"

#include <QGraphicsPixmapItem>
#include <QSignalSpy>
#include <QtTest>

static int fakeSecond = 0;

class TestCamera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void spotsBecomeShotsAtTheirScenePosition();
    void firstSpotOutsideIgnoreAreasWins();
    void drainsAllFramesButBuildsOnePicture();
    void closedCameraIsOpenedAgain();
    void watchdogRetriesThenStalls();
    void settingWishesAndBrightnessNudge();
    void percentsAppliedAtEveryOpening();
    void pictureModes();
    void settingPercents();

private:
    void Tick() { MainWindowTest::Tick(window); }
    Camera *OpenCamera0();

    Script script;
    MainWindow *window = nullptr;
};

void TestCamera::initTestCase()
{
    // A library without the camera entry points is refused, naming what it lacks.
    QVERIFY(!LaserLibrary::Instance().LoadFile(QStringLiteral("libm.so.6")));
    QVERIFY2(LaserLibrary::Instance().ErrorString().startsWith(QStringLiteral("missing entry points: CamGetDLLVersion")),
             qPrintable(LaserLibrary::Instance().ErrorString()));
    QVERIFY2(script.Load(), qPrintable(LaserLibrary::Instance().ErrorString()));
    Camera::CurrentSecond = [] { return fakeSecond; };
}

void TestCamera::init()
{
    script.Reset();
    script.SetDevices("Cam A\nCam B");
    fakeSecond = 0;
    window = MainWindowTest::Open(2, true);
    QVERIFY(window);
}

void TestCamera::cleanup()
{
    delete window;
    window = nullptr;
}

Camera *TestCamera::OpenCamera0()
{
    Camera *camera = window->cameras[0];
    if (camera->device != 0)
        return nullptr;
    Tick(); // not open yet: CamInit
    return camera->initialised ? camera : nullptr;
}

void TestCamera::spotsBecomeShotsAtTheirScenePosition()
{
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    QSignalSpy shots(camera, &Camera::Shot);
    const FrameBlock block = Script::Spots({QPointF(10.25, 20.5)}, {QPointF(480, 510)});
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    Tick();
    QCOMPARE(shots.size(), 1);
    QCOMPARE(shots.at(0).at(0).toPointF(), QPointF(10.25, 20.5));
    QCOMPARE(shots.at(0).at(1).toPointF(), QPointF(480, 510));
    QCOMPARE(shots.at(0).at(2).toBool(), true);
    // The shot went through Shoot: a marker where the spot was.
    QCOMPARE(Hit::All().size(), 1);
    QCOMPARE(Hit::All().first()->pos, QPointF(10.25, 20.5));
    // A new game takes the marker off the picture.
    const QGraphicsItem *marker = Hit::All().first()->marker;
    QVERIFY(window->scene->items().contains(const_cast<QGraphicsItem *>(marker)));
    window->ResetGame();
    QVERIFY(Hit::All().isEmpty());
    QVERIFY(!window->scene->items().contains(const_cast<QGraphicsItem *>(marker)));

    // Camera 2 sits right of camera 1 in the scene.
    window->SelectCameraDevice(1, 2);
    QVERIFY(window->ui->groupBoxCam2->isChecked());
    Tick();
    QVERIFY(window->cameras[1]->initialised);
    QSignalSpy shots2(window->cameras[1], &Camera::Shot);
    const FrameBlock block2 = Script::Spots({QPointF(10, 20)}, {QPointF(1, 2)});
    script.QueueFrame(1, 0, &block2, 0, 0, 1);
    Tick();
    QCOMPARE(shots2.size(), 1);
    QCOMPARE(shots2.at(0).at(0).toPointF(), QPointF(650, 20));
    QCOMPARE(shots2.at(0).at(1).toPointF(), QPointF(1, 2));
}

void TestCamera::firstSpotOutsideIgnoreAreasWins()
{
    window->scene->AddPolygonTarget(QPolygonF(QRectF(0, 0, 100, 100)));
    window->SelectedTarget()->type = int(TargetType::IgnoreArea);
    window->SetPage(2);
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    QSignalSpy shots(camera, &Camera::Shot);
    const FrameBlock ignoredFirst = Script::Spots({QPointF(50, 50), QPointF(200, 200), QPointF(300, 300)});
    const FrameBlock twoSpots = Script::Spots({QPointF(400, 400), QPointF(500, 100)});
    FrameBlock noLaser = Script::Spots({QPointF(110, 10), QPointF(120, 20)});
    noLaser.spots[0].kind = 2; // only kind 1 is a laser spot
    script.QueueFrame(0, 0, &ignoredFirst, 0, 0, 1);
    script.QueueFrame(0, 1, &twoSpots, 0, 0, 1);
    script.QueueFrame(0, 2, &noLaser, 0, 0, 1);
    Tick();
    QCOMPARE(shots.size(), 3);
    QCOMPARE(shots.at(0).at(0).toPointF(), QPointF(200, 200));
    QCOMPARE(shots.at(1).at(0).toPointF(), QPointF(400, 400));
    QCOMPARE(shots.at(2).at(0).toPointF(), QPointF(120, 20));
}

void TestCamera::drainsAllFramesButBuildsOnePicture()
{
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    QSignalSpy frames(camera, &Camera::NewFrame);
    for (int peak : {10, 80, 30}) {
        const FrameBlock block = Script::Spots({}, {}, peak);
        script.QueueFrame(0, 0, &block, 0, 0, 1);
    }
    script.ClearLog();
    QCOMPARE(camera->ProcessFrame(), 3);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(camera->maxLuminance, 80);
    QCOMPARE(script.CallCount("CamReadFrame"), 4); // three frames, then "no new frame"
    QCOMPARE(script.CallCount("CamGetColourBuf"), 1); // one picture, from the last frame
    // A tick without frames keeps the peak and the picture and emits nothing.
    const qint64 picture = camera->framePixmap.cacheKey();
    QCOMPARE(camera->ProcessFrame(), 0);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(camera->maxLuminance, 80);
    QCOMPARE(camera->framePixmap.cacheKey(), picture);
}

void TestCamera::closedCameraIsOpenedAgain()
{
    Camera *camera = window->cameras[0];
    QSignalSpy opened(camera, &Camera::FreshlyInitialized);
    script.SetInitResult(0, -5);
    script.ClearLog();
    Tick();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.at(0).at(0).toInt(), -5);
    QVERIFY(!camera->initialised);
    QVERIFY(script.Log().contains(QStringLiteral("0 CamInit(0,640,480)")));
    QCOMPARE(camera->framePixmap.toImage(), QImage(":/Gui/Img/NoCam.png").convertToFormat(camera->framePixmap.toImage().format()));
    Tick(); // tried again on every tick
    QCOMPARE(opened.size(), 2);

    script.SetInitResult(0, 1);
    Tick();
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened.at(2).at(0).toInt(), 1);
    QVERIFY(camera->initialised);
    // The device vanishes: the library answers "not open" and the camera reopens it.
    script.QueueFrame(0, LASER_NOT_OPEN, nullptr, 0, 0, 0);
    Tick();
    QCOMPARE(opened.size(), 4);
    QVERIFY(camera->initialised);
    // Inactive cameras and cameras without a device are not processed.
    QCOMPARE(window->cameras[2]->ProcessFrame(), -4);
    camera->SetDevice(-1);
    QCOMPARE(camera->ProcessFrame(), -4);
}

void TestCamera::watchdogRetriesThenStalls()
{
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    const FrameBlock block = Script::Spots({});
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    script.QueueFrame(0, 0, &block, 0, 0, 1);
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
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    QCOMPARE(camera->ProcessFrame(), -3);
    QCOMPARE(camera->ProcessFrame(), -3); // and stays stalled, reading nothing
    QCOMPARE(script.QueuedFrames(0), 1);
    // Another device starts it over.
    camera->SetDevice(1);
    QVERIFY(!camera->initialised);
    QCOMPARE(camera->ProcessFrame(), 0); // opens
    QVERIFY(camera->initialised);
    QCOMPARE(camera->ProcessFrame(), 1);
}

void TestCamera::settingWishesAndBrightnessNudge()
{
    script.SetSetting(0, 0, 0, 255, 128); // brightness
    script.SetSetting(1, 4, 1, 500, 100); // exposure
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    QCOMPARE(camera->brightness.wanted, 128);
    QCOMPARE(camera->exposure.wanted, 100);
    QCOMPARE(camera->exposure.maximum, 500);
    QVERIFY(script.Log().contains(QStringLiteral("0 CamSetCameraSetting(4,100,2)")));

    const FrameBlock block = Script::Spots({});
    camera->brightness.wanted = 200;
    script.ClearLog();
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    camera->ProcessFrame();
    QCOMPARE(script.Log(), QStringList{"0 CamSetFilterSetting(0,200,0)"});
    QCOMPARE(camera->brightness.value, 200);

    camera->exposure.wanted = 300;
    script.ClearLog();
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    camera->ProcessFrame();
    // Brightness jumps to the far end for one frame...
    QCOMPARE(script.Log(), (QStringList{"0 CamSetCameraSetting(4,300,0)", "0 CamSetFilterSetting(0,0,0)"}));
    QCOMPARE(camera->exposure.value, 300);
    script.ClearLog();
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    camera->ProcessFrame();
    // ...and comes back with the next.
    QCOMPARE(script.Log(), QStringList{"0 CamSetFilterSetting(0,200,0)"});
    // Wishes wait for a frame.
    camera->brightness.wanted = 10;
    script.ClearLog();
    camera->ProcessFrame();
    QVERIFY(script.Log().isEmpty());
}

void TestCamera::percentsAppliedAtEveryOpening()
{
    Camera *camera = window->cameras[0];
    camera->exposurePercent = 50;
    camera->brightnessPercent = 25;
    for (int opening = 0; opening < 2; ++opening) {
        camera->FreeCamera();
        script.ClearLog();
        Tick();
        QVERIFY(script.Log().contains(QStringLiteral("0 CamSetCameraSettingPct(4,0.5,2)")));
        QVERIFY(script.Log().contains(QStringLiteral("0 CamSetFilterSettingPct(0,0.25,2)")));
    }
}

void TestCamera::pictureModes()
{
    Camera *camera = OpenCamera0();
    QVERIFY(camera);
    // Colour: the library's rows run bottom first, the picture is upright.
    script.QueueFrame(0, 0, nullptr, 10, 50, 1);
    script.SetPixel(0, 0, 3, 4, 200);
    camera->ProcessFrame();
    QImage image = camera->framePixmap.toImage();
    QCOMPARE(image.size(), QSize(640, 480));
    QCOMPARE(QColor(image.pixel(3, 4)), QColor(200, 200, 200));
    QCOMPARE(QColor(image.pixel(3, 475)), QColor(10, 10, 10));
    QCOMPARE(camera->pixmapItem->pixmap().cacheKey(), camera->framePixmap.cacheKey());

    camera->displayMode = Camera::Grey;
    script.QueueFrame(0, 0, nullptr, 10, 50, 1);
    script.SetPixel(0, 1, 600, 0, 255);
    camera->ProcessFrame();
    image = camera->framePixmap.toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(50, 50, 50));
    QCOMPARE(QColor(image.pixel(600, 0)), QColor(255, 255, 255));

    // Laser: detected pixels (0) red, everything else as grey as it is.
    camera->displayMode = Camera::Laser;
    script.QueueFrame(0, 0, nullptr, 10, 50, 1);
    script.SetPixel(0, 2, 5, 7, 0);
    camera->ProcessFrame();
    image = camera->framePixmap.toImage();
    QCOMPARE(QColor(image.pixel(5, 7)), QColor(255, 0, 0));
    QCOMPARE(QColor(image.pixel(6, 7)), QColor(1, 1, 1));
    QCOMPARE(QColor(image.pixel(639, 479)), QColor(1, 1, 1));
}

void TestCamera::settingPercents()
{
    script.SetSetting(0, 0, 10, 260, 60);
    script.SetSetting(1, 4, 7, 7, 7); // no range
    Camera *camera = window->cameras[0];
    QCOMPARE(camera->BrightnessPercent(), 20.0);
    QCOMPARE(camera->ExposurePercent(), 0.0);
    script.SetThresholdValue(0, 1, 77);
    QCOMPARE(camera->GetThreshold(Camera::Luminance), 77);
    camera->SetThreshold(Camera::MaxSize, 900);
    QCOMPARE(camera->GetThreshold(Camera::MaxSize), 900);
    QCOMPARE(camera->GetName(), QStringLiteral("Scripted 1"));
}

QTEST_MAIN(TestCamera)
#include "tst_camera.moc"
