// Tests of the device list: node order, capture capability, LASER_SOURCES, setting mapping.
#include "deviceenumerator.h"
#include "pictureadjustment.h"
#include "v4l2controls.h"

#include <QtTest>

#include <linux/videodev2.h>

#include <fstream>

class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    void nodeOrder();
    void captureNodes_data();
    void captureNodes();
    void sourceList();
    void listsVirtualSourcesAfterNodes();
    void valueForFraction_data();
    void valueForFraction();
    void controlMapping();
    void emulatedSettings();
};

void TestDevices::nodeOrder()
{
    const std::vector<std::string> sorted =
        SortVideoNodes({"video10", "null", "video2", "video0", "videoX", "video1", "vide"});
    QCOMPARE(sorted, (std::vector<std::string>{"video0", "video1", "video2", "video10"}));
}

void TestDevices::captureNodes_data()
{
    QTest::addColumn<uint>("caps");
    QTest::addColumn<bool>("capture");
    QTest::newRow("webcam") << uint(V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING) << true;
    QTest::newRow("metadata node") << uint(V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING) << false;
    QTest::newRow("output only") << uint(V4L2_CAP_VIDEO_OUTPUT) << false;
    QTest::newRow("multi-planar codec") << uint(V4L2_CAP_VIDEO_M2M_MPLANE) << false;
}

void TestDevices::captureNodes()
{
    QFETCH(uint, caps);
    QFETCH(bool, capture);
    QCOMPARE(IsCaptureNode(caps), capture);
}

void TestDevices::sourceList()
{
    const QString dir = QDir::tempPath() + "/tst_devices_scenario.json";
    {
        std::ofstream out(dir.toStdString());
        out << R"({"name": "Angled screen", "shots": []})";
    }
    const std::vector<DeviceEntry> list = ParseSourceList(
        " /videos/range day.mp4 ;demo;;" + dir.toStdString() + ";/missing/plain.json");
    QCOMPARE(int(list.size()), 4);
    QCOMPARE(QString::fromStdString(list[0].name), QString("Video: range day.mp4"));
    QVERIFY(list[0].kind == DeviceEntry::Kind::Video);
    QCOMPARE(QString::fromStdString(list[0].path), QString("/videos/range day.mp4"));
    QCOMPARE(QString::fromStdString(list[1].name), QString("Simulator: Demo"));
    QCOMPARE(QString::fromStdString(list[2].name), QString("Simulator: Angled screen"));
    // An unreadable source stays listed, under its file name.
    QCOMPARE(QString::fromStdString(list[3].name), QString("Simulator: plain.json"));
    QVERIFY(!CreateSource(list[3]));
    QFile::remove(dir);
}

void TestDevices::listsVirtualSourcesAfterNodes()
{
    // A folder with node-like names that are not devices: none of them is listed.
    QTemporaryDir dir;
    QFile(dir.filePath("video0")).open(QIODevice::WriteOnly);
    qputenv("LASER_SOURCES", "demo;/a/b.mp4");
    DeviceEnumerator e(dir.path().toStdString());
    QCOMPARE(e.Count(), 2);
    DeviceEntry entry;
    QVERIFY(e.Entry(1, entry));
    QCOMPARE(QString::fromStdString(entry.name), QString("Video: b.mp4"));
    QVERIFY(!e.Entry(2, entry));
    qputenv("LASER_SOURCES", "demo");
    QCOMPARE(e.Count(), 1); // a changed list is seen at the next call
    qunsetenv("LASER_SOURCES");
}

void TestDevices::valueForFraction_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("value");
    QTest::newRow("half of 0-255") << 0 << 255 << 1 << 0.5f << 128;
    QTest::newRow("exposure 3-2047 at 0") << 3 << 2047 << 1 << 0.0f << 3;
    QTest::newRow("exposure 3-2047 at 1") << 3 << 2047 << 1 << 1.0f << 2047;
    QTest::newRow("negative range") << -64 << 64 << 1 << 0.25f << -32;
    QTest::newRow("steps of 10") << 0 << 100 << 10 << 0.33f << 30;
    QTest::newRow("out of range fraction") << 0 << 10 << 1 << 1.5f << 10;
    QTest::newRow("empty range") << 5 << 5 << 1 << 0.7f << 5;
}

void TestDevices::valueForFraction()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(float, fraction);
    QFETCH(int, value);
    SettingInfo info;
    info.minimum = minimum;
    info.maximum = maximum;
    info.step = step;
    QCOMPARE(ValueForFraction(info, fraction), value);
}

void TestDevices::controlMapping()
{
    QCOMPARE(V4L2ControlFor(SettingGroup::Filter, 0), uint32_t(V4L2_CID_BRIGHTNESS));
    QCOMPARE(V4L2ControlFor(SettingGroup::Filter, 9), uint32_t(V4L2_CID_GAIN));
    QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 4), uint32_t(V4L2_CID_EXPOSURE_ABSOLUTE));
    QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 6), uint32_t(V4L2_CID_FOCUS_ABSOLUTE));
    QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 2), 0u); // no roll control in V4L2
    QCOMPARE(V4L2ControlFor(SettingGroup::Filter, 10), 0u);
    QCOMPARE(V4L2AutoControlFor(SettingGroup::Camera, 4), uint32_t(V4L2_CID_EXPOSURE_AUTO));
    QCOMPARE(V4L2AutoValue(V4L2_CID_EXPOSURE_AUTO, false), int(V4L2_EXPOSURE_MANUAL));
    QCOMPARE(V4L2AutoValue(V4L2_CID_AUTOGAIN, true), 1);
}

void TestDevices::emulatedSettings()
{
    PictureAdjustment a;
    SettingInfo info;
    QVERIFY(a.GetSetting(SettingGroup::Filter, 0, info));
    QVERIFY(!a.GetSetting(SettingGroup::Filter, 1, info));
    cv::Mat picture(4, 4, CV_8UC3, cv::Scalar::all(100));
    a.Apply(picture);
    QCOMPARE(int(picture.at<cv::Vec3b>(0, 0)[0]), 100); // defaults leave the picture alone
    a.SetSetting(SettingGroup::Filter, 0, 20, 0);
    a.Apply(picture);
    QCOMPARE(int(picture.at<cv::Vec3b>(0, 0)[1]), 120);
    a.SetSetting(SettingGroup::Filter, 0, 0, 0);
    a.SetSetting(SettingGroup::Camera, 4, 75, 2); // 25 steps up: twice the light
    a.Apply(picture);
    QCOMPARE(int(picture.at<cv::Vec3b>(0, 0)[2]), 240);
    QVERIFY(a.GetSetting(SettingGroup::Camera, 4, info));
    QCOMPARE(info.value, 75);
}

QTEST_APPLESS_MAIN(TestDevices)
#include "tst_devices.moc"
