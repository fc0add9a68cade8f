// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the camera check in the program, against the scripted camera library: the status
// bar's frame-rate warning and the camera check window of the camera settings dialog.
#include "../common/mainwindowtest.h"
#include "../common/scriptedlibrary.h"
#include "ui_dialogcamerasettings.h"

#include "camera.h"
#include "dialogcameracheck.h"
#include "dialogcamerasettings.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

namespace {

LaserCaptureStats Stats(double measured, int64_t delivered, int64_t dropped, int64_t ageUs)
{
    LaserCaptureStats s{};
    s.askedFps = 30;
    s.measuredFps = measured;
    s.framesDelivered = delivered;
    s.framesDropped = dropped;
    s.lastFrameAgeUs = ageUs;
    s.sequenceKnown = 1;
    return s;
}

} // namespace

class TestCameraCheckGui : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(LoadScriptedLibrary(), qPrintable(LaserLibrary::Instance().ErrorString()));
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    // Cameras 1 and 2 run; camera 1 slows down, then stops, then goes away; camera 2 stays well.
    void statusBarWarning()
    {
        Start();
        window->SelectCameraDevice(1, 2);
        window->cameraRateTimer.stop(); // the test gives the times
        Tick();
        QVERIFY(window->cameras[0]->initialised && window->cameras[1]->initialised);
        QLabel *label = window->statusBar()->findChild<QLabel *>(QStringLiteral("labelCameraRate"));
        QVERIFY(label);
        LaserCaptureStats good = Stats(30, 100, 0, 10000), slow = Stats(9.4, 300, 0, 80000),
                          stopped = Stats(0, 400, 0, 3200000);
        ScriptSetCaptureStats(1, &good);

        ScriptSetCaptureStats(0, &slow);
        window->WatchCameraRates(0); // settling: a slow start is no warning yet
        window->WatchCameraRates(2500);
        QVERIFY(label->isHidden());
        window->WatchCameraRates(3000);
        QVERIFY(!label->isHidden());
        QVERIFY(label->text().contains(QStringLiteral("1")) && label->text().contains(QStringLiteral("9")));
        QVERIFY(!label->text().contains(QStringLiteral("2")));
        const QString slowText = label->text();

        ScriptSetCaptureStats(0, &stopped);
        window->WatchCameraRates(5500);
        QVERIFY(!label->isHidden());
        QVERIFY(label->text() != slowText && label->text().contains(QStringLiteral("3")));

        ScriptSetCaptureStats(0, &good);
        window->WatchCameraRates(6000);
        QVERIFY(label->isHidden());

        // A camera without a device is not watched, however its last figures looked.
        ScriptSetCaptureStats(0, &stopped);
        window->SelectCameraDevice(0, 0);
        window->WatchCameraRates(6500);
        QVERIFY(label->isHidden());
        QVERIFY(ScriptCallCount("CamGetCaptureStats") >= 7);
    }

    // The figures and advice of the check window, from the library's statistics and pictures.
    void figuresAndAdvice()
    {
        Start();
        Tick();
        LaserCaptureStats start = Stats(30, 1000, 10, 10000);
        ScriptSetCaptureStats(0, &start);
        DialogCameraCheck *check = OpenCheck();
        QVERIFY(check);
        QVERIFY(check->isModal());
        QVERIFY(Text(check, "labelSaturated").isEmpty()); // no picture yet

        // Since the check began: 12 fps of 30, 20 of 220 frames lost; a near-white wall.
        LaserCaptureStats later = Stats(12, 1200, 30, 20000);
        ScriptSetCaptureStats(0, &later);
        ScriptQueueFrame(0, 0, nullptr, 240, 240, 1);
        Tick();
        QVERIFY(Text(check, "labelRate").contains(QStringLiteral("12.0")));
        QVERIFY(Text(check, "labelRate").contains(QStringLiteral("30.0")));
        QVERIFY(Text(check, "labelDropped").contains(QStringLiteral("20")));
        QVERIFY(Text(check, "labelDropped").contains(QStringLiteral("220")));
        QVERIFY(Text(check, "labelBackground").contains(QStringLiteral("240")));
        const QString advice = Text(check, "labelAdvice");
        for (CaptureCheck::Finding f : {CaptureCheck::RateBelowAsked, CaptureCheck::FramesDropped,
                                        CaptureCheck::BackgroundNearWhite})
            QVERIFY2(advice.contains(DialogCameraCheck::AdviceTexts(f).first()), qPrintable(advice));
        QVERIFY(!advice.contains(DialogCameraCheck::AdviceTexts(CaptureCheck::Noisy).first()));

        // Measuring again starts from the figures of now.
        LaserCaptureStats fine = Stats(30, 1500, 30, 20000);
        ScriptSetCaptureStats(0, &fine);
        QTest::mouseClick(check->findChild<QPushButton *>(QStringLiteral("pushButtonRestart")), Qt::LeftButton);
        ScriptQueueFrame(0, 0, nullptr, 110, 110, 1);
        Tick();
        QVERIFY(Text(check, "labelDropped").contains(QStringLiteral(": 0 ")));
        QCOMPARE(Text(check, "labelAdvice"), DialogCameraCheck::AdviceTexts({}).first());

        // A camera that is closed says so.
        window->SelectCameraDevice(0, 0);
        QMetaObject::invokeMethod(check, "Measure");
        QVERIFY(Text(check, "labelDropped").isEmpty());
        QVERIFY(Text(check, "labelAdvice").isEmpty());
    }

    // "Shoot N times at the centre": shots near the centre are seen, others are stray; the test
    // ends after N seen shots or when stopped, then counts the missed ones.
    void shotTest()
    {
        Start();
        Tick();
        DialogCameraCheck *check = OpenCheck();
        QVERIFY(check);
        auto *shots = check->findChild<QSpinBox *>(QStringLiteral("spinBoxShots"));
        auto *button = check->findChild<QPushButton *>(QStringLiteral("pushButtonShotTest"));
        shots->setValue(3);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(check->ShotTest().IsRunning());
        QVERIFY(!shots->isEnabled());
        for (const QPointF &p : {QPointF(325, 240), QPointF(40, 40), QPointF(317, 236), QPointF(322, 244)}) {
            const FrameBlock block = ScriptSpots({p});
            ScriptQueueFrame(0, 0, &block, 100, 100, 1);
            Tick();
        }
        QVERIFY(!check->ShotTest().IsRunning());
        QVERIFY(shots->isEnabled());
        CentreShotTest::Result r = check->ShotTest().Outcome();
        QCOMPARE(r.seen, 3);
        QCOMPARE(r.stray, 1);
        QCOMPARE(r.missed, 0);
        QCOMPARE(r.meanPoint, QPointF(321.3333333333333, 240));
        QVERIFY(Text(check, "labelShots").contains(QStringLiteral("3")));

        // A second run, stopped after one shot: four not seen. Shots of camera 2 do not count.
        window->SelectCameraDevice(1, 2);
        Tick();
        shots->setValue(5);
        QTest::mouseClick(button, Qt::LeftButton);
        const FrameBlock centre = ScriptSpots({QPointF(320, 240)});
        ScriptQueueFrame(1, 0, &centre, 100, 100, 1);
        ScriptQueueFrame(0, 0, &centre, 100, 100, 1);
        Tick();
        QTest::mouseClick(button, Qt::LeftButton);
        r = check->ShotTest().Outcome();
        QCOMPARE(r.seen, 1);
        QCOMPARE(r.missed, 4);
        QCOMPARE(r.stray, 0);
        QVERIFY(Text(check, "labelShots").contains(QStringLiteral("4")));
    }

private:
    void Start()
    {
        ScriptReset();
        ScriptSetDevices("Cam A\nCam B");
        window = MainWindowTest::Open(2, true);
        QVERIFY(window);
    }

    void Tick() { MainWindowTest::Tick(window); }

    DialogCameraCheck *OpenCheck()
    {
        QTest::mouseClick(window->ui->pushButtonCam1Settings, Qt::LeftButton);
        auto *settings = window->findChild<DialogCameraSettings *>();
        if (!settings)
            return nullptr;
        auto *button = settings->findChild<QPushButton *>(QStringLiteral("pushButtonCameraCheck"));
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        return settings->findChild<DialogCameraCheck *>();
    }

    static QString Text(QObject *dialog, const char *label)
    {
        auto *l = dialog->findChild<QLabel *>(QLatin1String(label));
        return l ? l->text() : QStringLiteral("(missing)");
    }

    MainWindow *window = nullptr;
};

QTEST_MAIN(TestCameraCheckGui)
#include "tst_cameracheckgui.moc"
