// Tests of the camera settings dialog and the driver controls window, opened from the real main
// window over the scripted camera library.
#include "../common/mainwindowtest.h"
#include "ui_dialogcamerasettings.h"

#include "camera.h"
#include "camerasettingsvalues.h"
#include "dialogcamerasettings.h"
#include "dialogdrivercontrols.h"
#include "hit.h"
#include "../common/scriptedlibrary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsView>
#include <QSlider>
#include <QtTest>

#include <linux/videodev2.h>

class TestCameraSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sizeCircleRadius_data();
    void sizeCircleRadius();
    void brightnessAndExposureSnap_data();
    void brightnessAndExposureSnap();
    void thresholdsShownClampedNotWrittenBack_data();
    void thresholdsShownClampedNotWrittenBack();
    void laserModeMarksShotsUntilOk();
    void defaultValuesLeaveBrightnessThreshold();
    void driverControlsChangeLive();

private:
    void Tick() { MainWindowTest::Tick(window); }
    DialogCameraSettings *OpenDialog();
    static void Drag(QSlider *slider, int position);

    Script script;
    MainWindow *window = nullptr;
};

void TestCameraSettings::initTestCase()
{
    QVERIFY2(script.Load(), qPrintable(LaserLibrary::Instance().ErrorString()));
}

void TestCameraSettings::init()
{
    script.Reset();
    script.SetDevices("Cam A");
    window = MainWindowTest::Open(0, true); // the test ticks by hand
    QVERIFY(window);
    Tick(); // camera 1 opens
    QVERIFY(window->cameras[0]->initialised);
}

void TestCameraSettings::cleanup()
{
    delete window;
    window = nullptr;
}

DialogCameraSettings *TestCameraSettings::OpenDialog()
{
    QTest::mouseClick(window->ui->pushButtonCam1Settings, Qt::LeftButton);
    auto *dialog = window->findChild<DialogCameraSettings *>();
    return dialog && dialog->isModal() && dialog->isVisible() ? dialog : nullptr;
}

void TestCameraSettings::Drag(QSlider *slider, int position)
{
    slider->setSliderDown(true);
    slider->setSliderPosition(position); // emits sliderMoved, as a drag does
    slider->setSliderDown(false);
}

void TestCameraSettings::sizeCircleRadius_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<float>("radius");
    QTest::newRow("min size 1") << 1 << 0.5642f;
    QTest::newRow("max size 5000") << 5000 << 39.894f;
    QTest::newRow("none") << 0 << 0.0f;
}

void TestCameraSettings::sizeCircleRadius()
{
    QFETCH(int, pixels);
    QFETCH(float, radius);
    QVERIFY(qAbs(SizeCircleRadius(pixels) - radius) < 0.001f);
}

void TestCameraSettings::brightnessAndExposureSnap_data()
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
    QTest::newRow("exposure 0-3 at 50") << true << 0 << 3 << 50 << 2 << 66;
    QTest::newRow("exposure 3-2047 at 100") << true << 3 << 2047 << 100 << 2047 << 100;
    QTest::newRow("exposure -10..-1 at 40") << true << -10 << -1 << 40 << -6 << 44;
}

void TestCameraSettings::brightnessAndExposureSnap()
{
    QFETCH(bool, exposure);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(int, shown);
    // The camera reads its ranges when it opens: open it again with the scripted ones.
    script.SetSetting(exposure ? 1 : 0, exposure ? 4 : 0, minimum, maximum, minimum);
    window->cameras[0]->FreeCamera();
    Tick();
    DialogCameraSettings *dialog = OpenDialog();
    QVERIFY(dialog);
    QSlider *slider = exposure ? dialog->ui->horizontalSliderExposure : dialog->ui->horizontalSliderBrightness;
    Drag(slider, position);
    QCOMPARE(slider->value(), shown);
    const CameraSetting &setting = exposure ? window->cameras[0]->exposure : window->cameras[0]->brightness;
    QCOMPARE(setting.wanted, value);
    // The camera applies the wish with its next frame.
    script.QueueFrame(0, 0, nullptr, 0, 0, 1);
    Tick();
    QCOMPARE(script.GetSettingValue(0, exposure ? 1 : 0, exposure ? 4 : 0), qBound(minimum, value, maximum));
}

void TestCameraSettings::thresholdsShownClampedNotWrittenBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("shown");
    QTest::newRow("luminance above") << 1 << 300 << 255;
    QTest::newRow("min size below") << 2 << 0 << 1;
    QTest::newRow("min size above") << 2 << 80 << 50;
    QTest::newRow("max size below") << 3 << 10 << 50;
    QTest::newRow("max size above") << 3 << 20000 << 10000;
    QTest::newRow("min distance above") << 4 << 150 << 100;
    QTest::newRow("min size inside") << 2 << 7 << 7;
}

void TestCameraSettings::thresholdsShownClampedNotWrittenBack()
{
    QFETCH(int, kind);
    QFETCH(int, reported);
    QFETCH(int, shown);
    script.SetThresholdValue(0, kind, reported);
    script.ClearLog();
    DialogCameraSettings *dialog = OpenDialog();
    QVERIFY(dialog);
    QSlider *sliders[] = {dialog->ui->horizontalSliderLumi, dialog->ui->horizontalSliderMinPix,
                          dialog->ui->horizontalSliderMaxPix, dialog->ui->horizontalSliderMinDist};
    QCOMPARE(sliders[kind - 1]->value(), shown);
    QCOMPARE(script.CallCount("CamSetThreshold"), 0);
    QCOMPARE(window->cameras[0]->GetThreshold(kind), reported);
}

void TestCameraSettings::laserModeMarksShotsUntilOk()
{
    DialogCameraSettings *opened = OpenDialog();
    QVERIFY(opened);
    QPointer<DialogCameraSettings> dialog(opened);
    QVERIFY(dialog->ui->radioButtonColor->isChecked());
    QVERIFY(!dialog->maxSizeCircle->isVisible());
    QCOMPARE(dialog->ui->progressBarLumi->value(), 24); // until the first frame

    QTest::mouseClick(dialog->ui->radioButtonLaser, Qt::LeftButton);
    QCOMPARE(window->cameras[0]->displayMode, int(Camera::Laser));
    QVERIFY(dialog->minSizeCircle->isVisible() && dialog->maxSizeCircle->isVisible());
    QCOMPARE(dialog->maxSizeCircle->rect().width(), qreal(2 * SizeCircleRadius(5000)));
    Drag(dialog->ui->horizontalSliderMinPix, 20);
    QVERIFY(script.Log().contains(QStringLiteral("0 CamSetThreshold(2,20)")));
    QCOMPARE(dialog->minSizeCircle->rect().width(), qreal(2 * SizeCircleRadius(20)));

    // On the Targets page the main window marks the shot too, for its own second.
    window->SetPage(1);
    const FrameBlock block = Script::Spots({QPointF(100, 200)}, {}, 180);
    script.QueueFrame(0, 0, &block, 0, 0, 1);
    Tick();
    QCOMPARE(dialog->ui->progressBarLumi->value(), 180);
    QCOMPARE(Hit::All().size(), 2);
    const QGraphicsScene *preview = dialog->ui->graphicsView->scene();
    Hit *hit = Hit::All().first()->marker->scene() == preview ? Hit::All().first() : Hit::All().last();
    QCOMPARE(hit->marker->scene(), preview);
    QCOMPARE(hit->pos, QPointF(100, 200));
    QVERIFY(hit->removeTimer.isActive());
    QCOMPARE(hit->removeTimer.interval(), 2000);

    QTest::mouseClick(dialog->ui->pushButtonOk, Qt::LeftButton);
    QCOMPARE(window->cameras[0]->displayMode, int(Camera::Colour));
    QVERIFY(Hit::All().isEmpty());
    QVERIFY(!dialog->isVisible());
    QTRY_VERIFY(dialog.isNull());
}

void TestCameraSettings::defaultValuesLeaveBrightnessThreshold()
{
    script.SetThresholdValue(0, 1, 140);
    script.SetThresholdValue(0, 2, 9);
    DialogCameraSettings *dialog = OpenDialog();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->ui->pushButtonDefaultVals, Qt::LeftButton);
    Camera *camera = window->cameras[0];
    const QSlider *sliders[] = {dialog->ui->horizontalSliderLumi, dialog->ui->horizontalSliderMinPix,
                                dialog->ui->horizontalSliderMaxPix, dialog->ui->horizontalSliderMinDist};
    const int expected[] = {140, 1, 5000, 30};
    for (int kind = 1; kind <= 4; ++kind) {
        QCOMPARE(camera->GetThreshold(kind), expected[kind - 1]);
        QCOMPARE(sliders[kind - 1]->value(), expected[kind - 1]);
    }
    QVERIFY(dialog->ui->horizontalSliderMinDist->isHidden());
}

void TestCameraSettings::driverControlsChangeLive()
{
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

    script.ClearLog();
    exposureAuto->setCurrentIndex(exposureAuto->findData(V4L2_EXPOSURE_MANUAL));
    emit exposureAuto->activated(exposureAuto->currentIndex());
    QVERIFY(exposureTime->isEnabled());
    Drag(exposureTime, 400);
    whiteBalance->click();
    QCOMPARE(script.Log().filter(QStringLiteral("CamSetControl(")),
             QStringList({"0 CamSetControl(0x9a0901,1)", "0 CamSetControl(0x9a0902,400)", "0 CamSetControl(0x98090c,0)"}));

    QTest::mouseClick(controls->findChild<QPushButton *>(QStringLiteral("pushButtonResetAll")), Qt::LeftButton);
    QCOMPARE(exposureAuto->currentData().toInt(), 3);
    QVERIFY(whiteBalance->isChecked());
    QVERIFY(!exposureTime->isEnabled());
}

QTEST_MAIN(TestCameraSettings)
#include "tst_camerasettings.moc"
