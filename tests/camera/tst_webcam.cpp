// SPDX-License-Identifier: GPL-3.0-or-later
// The real program and its real camera library with a webcam: the userspace V4L2 device of
// tests/v4l2device stands in for the camera, so everything from /dev/video0 to a shot runs.
#include "../common/mainwindowtest.h"

#include "camera.h"
#include "dialogcamerasettings.h"
#include "dialogdrivercontrols.h"
#include "fakev4l2client.h"
#include "ui_dialogcamerasettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsPixmapItem>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <linux/videodev2.h>

namespace {

QJsonObject Webcam(int node, const QString &profile, bool present = true)
{
    return QJsonObject{{"node", node}, {"profile", profile}, {"present", present},
                       {"source", QJsonObject{{"kind", "demo"}}}};
}

QStringList Items(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

bool ShowsNoCamera(const Camera *camera)
{
    return camera->pixmapItem->pixmap().toImage() == QPixmap(QStringLiteral(":/Gui/Img/NoCam.png")).toImage();
}

} // namespace

class TestWebcam : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(FakeV4L2::Loaded(), "the userspace webcam is not preloaded");
        config = new FakeV4L2::Config;
        QVERIFY(config->Write({Webcam(0, "hd60"), Webcam(2, "yuyv480")}));
        window = MainWindowTest::Open(2);
        QVERIFY2(window, "no camera library beside the test");
    }

    void cleanupTestCase()
    {
        delete window;
        delete config;
    }

    // Both webcams listed by their driver names (their metadata nodes not), camera 1 on the
    // first, streaming MJPEG from the device, and a shot of the filmed laser reaching the program.
    void deviceListAndFirstCamera()
    {
        const QStringList expected{tr("-No Camera-"), "HD Webcam 60", "USB 2.0 PC Camera"};
        QTRY_COMPARE(Items(window->ui->comboBoxCamera1), expected);
        QCOMPARE(Items(window->ui->comboBoxCamera2), expected);
        QCOMPARE(window->ui->comboBoxCamera1->currentIndex(), 1);
        QTRY_VERIFY(window->cameras[0]->initialised);
        QVERIFY(window->ui->pushButtonCam1Settings->isEnabled());
        QTRY_VERIFY(config->Device(0).value("streaming").toBool());
        QCOMPARE(config->Device(0).value("format").toString(), QString("MJPG"));
        QCOMPARE(config->Device(1).value("streams").toInt(), 0);
        QSignalSpy frames(window->cameras[0], SIGNAL(NewFrame()));
        QSignalSpy shots(window->cameras[0], SIGNAL(Shot(QPointF,QPointF,bool)));
        QTRY_VERIFY_WITH_TIMEOUT(shots.count() > 0, 10000); // the demo fires every 1.5 s
        QVERIFY(frames.count() > 10);
        QVERIFY(!ShowsNoCamera(window->cameras[0]));
    }

    // The settings dialog's brightness and exposure sliders and every control of the driver
    // window change the device's own values.
    void settingsChangeTheDevice()
    {
        QTest::mouseClick(window->ui->pushButtonCam1Settings, Qt::LeftButton);
        auto *dialog = window->findChild<DialogCameraSettings *>();
        QVERIFY(dialog && dialog->isVisible());
        // Opening the camera put exposure in manual mode, without frame-rate priority.
        QTRY_COMPARE(config->ControlValue(V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
        QCOMPARE(config->ControlValue(V4L2_CID_EXPOSURE_AUTO_PRIORITY), 0);

        Drag(dialog->ui->horizontalSliderBrightness, 25);
        // 25 % of 0-255, applied with the camera's next frame.
        QTRY_VERIFY(std::abs(config->ControlValue(V4L2_CID_BRIGHTNESS) - 64) <= 1);
        Drag(dialog->ui->horizontalSliderExposure, 10);
        QTRY_VERIFY(std::abs(config->ControlValue(V4L2_CID_EXPOSURE_ABSOLUTE) - 207) <= 2);
        QTRY_VERIFY(std::abs(config->ControlValue(V4L2_CID_BRIGHTNESS) - 64) <= 1);

        QTest::mouseClick(dialog->ui->pushButtonDriver, Qt::LeftButton);
        auto *controls = dialog->findChild<DialogDriverControls *>();
        QVERIFY(controls && controls->isVisible());
        const QJsonObject values = config->Device(0).value("controls").toObject();
        QCOMPARE(values.size(), 14);
        // The automatic modes off first: then every control of the device is active.
        const uint32_t automatic[] = {V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CID_FOCUS_AUTO};
        for (uint32_t id : automatic) {
            auto *box = qobject_cast<QCheckBox *>(controls->Editor(id));
            QVERIFY(box && box->isChecked());
            box->click();
            QTRY_COMPARE(config->ControlValue(id), 0);
        }
        // Automatic exposure last: it would make the exposure time inactive again.
        QList<uint32_t> ids;
        for (auto it = values.begin(); it != values.end(); ++it)
            if (it.key().toUInt() != V4L2_CID_AUTO_WHITE_BALANCE && it.key().toUInt() != V4L2_CID_FOCUS_AUTO
                && it.key().toUInt() != V4L2_CID_EXPOSURE_AUTO)
                ids << it.key().toUInt();
        ids << V4L2_CID_EXPOSURE_AUTO;
        for (uint32_t id : ids) {
            const QString key = QString::number(id);
            QWidget *editor = controls->Editor(id);
            QVERIFY2(editor && editor->isEnabled(), qPrintable(key));
            const int before = config->ControlValue(id);
            int wanted = 0;
            if (auto *box = qobject_cast<QCheckBox *>(editor)) {
                box->click();
                wanted = box->isChecked() ? 1 : 0;
            } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
                const int item = combo->currentIndex() == 0 ? 1 : 0;
                combo->setCurrentIndex(item);
                emit combo->activated(item);
                wanted = combo->itemData(item).toInt();
            } else if (auto *slider = qobject_cast<QSlider *>(editor)) {
                // A step below the top, or the top when the value sits elsewhere.
                wanted = slider->value() == slider->maximum() ? slider->maximum() - slider->singleStep()
                                                               : slider->maximum();
                Drag(slider, wanted);
            } else {
                QFAIL(qPrintable("no editor of a known kind for " + key));
            }
            QVERIFY2(wanted != before, qPrintable(key));
            QTRY_COMPARE(config->ControlValue(id), wanted);
        }
        controls->accept();
        QTest::mouseClick(dialog->ui->pushButtonOk, Qt::LeftButton);
        QTRY_VERIFY(!window->findChild<DialogCameraSettings *>());
    }

    // Camera 1's webcam unplugged: its list entry goes, camera 1 shows that it has none, the
    // program goes on, and no other webcam is opened in its place. Back in the list once replugged,
    // chosen again it streams.
    void unplugAndReplug()
    {
        QVERIFY(config->Write({Webcam(0, "hd60", false), Webcam(2, "yuyv480")}));
        const QStringList without{tr("-No Camera-"), "USB 2.0 PC Camera"};
        QTRY_COMPARE(Items(window->ui->comboBoxCamera1), without);
        QCOMPARE(window->ui->comboBoxCamera1->currentIndex(), 0);
        QCOMPARE(window->cameras[0]->device, -1);
        QVERIFY(ShowsNoCamera(window->cameras[0]));
        QVERIFY(!window->ui->pushButtonCam1Settings->isEnabled());
        QTest::qWait(300);
        QCOMPARE(config->Device(1).value("streams").toInt(), 0);
        QCOMPARE(config->Device(1).value("opens").toInt(), 0);

        QVERIFY(config->Write({Webcam(0, "hd60"), Webcam(2, "yuyv480")}));
        QTRY_COMPARE(Items(window->ui->comboBoxCamera1), QStringList({tr("-No Camera-"), "HD Webcam 60", "USB 2.0 PC Camera"}));
        window->ui->comboBoxCamera1->setCurrentIndex(1);
        emit window->ui->comboBoxCamera1->activated(1);
        QTRY_VERIFY(window->cameras[0]->initialised);
        QSignalSpy frames(window->cameras[0], SIGNAL(NewFrame()));
        QTRY_VERIFY(frames.count() > 5);
        QVERIFY(!ShowsNoCamera(window->cameras[0]));
        QCOMPARE(config->Device(0).value("plugs").toInt(), 2);
    }

    // The only webcam unplugged mid-stream (the stream fails first, the node goes after) and
    // plugged in again: camera 1 takes it by itself, as at start.
    void onlyWebcamComesBack()
    {
        const QJsonArray script{QJsonObject{{"kind", "unplug"}, {"frame", 20}, {"back_after_ms", 1500}}};
        QJsonObject webcam = Webcam(0, "hd60");
        webcam.insert("failures", script);
        QVERIFY(config->Write({webcam}));
        QTRY_COMPARE(Items(window->ui->comboBoxCamera1), QStringList({tr("-No Camera-"), "HD Webcam 60"}));
        QTRY_COMPARE_WITH_TIMEOUT(window->ui->comboBoxCamera1->count(), 1, 10000);
        QVERIFY(ShowsNoCamera(window->cameras[0]));
        QTRY_COMPARE_WITH_TIMEOUT(window->ui->comboBoxCamera1->currentIndex(), 1, 5000);
        QTRY_VERIFY(window->cameras[0]->initialised);
        QSignalSpy frames(window->cameras[0], SIGNAL(NewFrame()));
        QTRY_VERIFY(frames.count() > 5);
    }

    // The webcam before camera 2's in the list unplugged and plugged in again: camera 2 follows its
    // webcam up the list and back, is given it again each time, and streams again.
    void otherWebcamUnplugged()
    {
        QVERIFY(config->Write({Webcam(0, "hd60"), Webcam(2, "yuyv480")}));
        QTRY_COMPARE(Items(window->ui->comboBoxCamera2).size(), 3);
        window->ui->comboBoxCamera2->setCurrentIndex(2);
        emit window->ui->comboBoxCamera2->activated(2);
        QTRY_VERIFY(window->cameras[1]->initialised);
        QTRY_VERIFY(config->Device(1).value("streaming").toBool());

        QVERIFY(config->Write({Webcam(0, "hd60", false), Webcam(2, "yuyv480")}));
        QTRY_COMPARE(Items(window->ui->comboBoxCamera2), QStringList({tr("-No Camera-"), "USB 2.0 PC Camera"}));
        QCOMPARE(window->ui->comboBoxCamera2->currentIndex(), 1);
        QCOMPARE(window->cameras[1]->device, 0);
        QVERIFY(config->Write({Webcam(0, "hd60"), Webcam(2, "yuyv480")}));
        QTRY_COMPARE(Items(window->ui->comboBoxCamera2).size(), 3);
        QCOMPARE(window->ui->comboBoxCamera2->currentIndex(), 2);
        QCOMPARE(window->cameras[1]->device, 1);

        QSignalSpy frames(window->cameras[1], SIGNAL(NewFrame()));
        QTRY_VERIFY(frames.count() > 5);
        QVERIFY(config->Device(1).value("streaming").toBool());
    }

private:
    static void Drag(QSlider *slider, int position)
    {
        slider->setSliderDown(true);
        slider->setSliderPosition(position); // emits sliderMoved, as a drag does
        slider->setSliderDown(false);
    }

    FakeV4L2::Config *config = nullptr;
    MainWindow *window = nullptr;
};

int main(int argc, char **argv)
{
    FakeV4L2::Preload(argv);
    QApplication app(argc, argv);
    TestWebcam test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webcam.moc"
