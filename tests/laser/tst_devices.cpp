// Tests of the device list (node order, capture capability, LASER_SOURCES), setting mapping
// and the decoding of captured V4L2 buffers.
#include "deviceenumerator.h"
#include "pictureadjustment.h"
#include "v4l2controls.h"
#include "v4l2source.h"

#include <QtTest>

#include <linux/videodev2.h>
#include <opencv2/imgcodecs.hpp>

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
    void formatChoice_data();
    void formatChoice();
    void decodesCapturedBuffers_data();
    void decodesCapturedBuffers();
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
    // Drivers without per-node capabilities report the whole device's: a node that also
    // carries metadata is no webcam picture.
    QTest::newRow("video and metadata") << uint(V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_META_CAPTURE) << false;
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
    // The two groups are told apart, unmapped and out-of-range numbers give no control, and
    // exposure's automatic switch takes a menu value rather than a boolean.
    QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 4), uint32_t(V4L2_CID_EXPOSURE_ABSOLUTE));
    QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 2), 0u); // no roll control in V4L2
    QCOMPARE(V4L2ControlFor(SettingGroup::Filter, 10), 0u);
    QCOMPARE(V4L2AutoValue(V4L2_CID_EXPOSURE_AUTO, false), int(V4L2_EXPOSURE_MANUAL));
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

void TestDevices::formatChoice_data()
{
    QTest::addColumn<QVector<uint>>("offered");
    QTest::addColumn<uint>("chosen");
    QTest::newRow("MJPEG among others")
        << QVector<uint>{V4L2_PIX_FMT_YUYV, V4L2_PIX_FMT_MJPEG} << uint(V4L2_PIX_FMT_MJPEG);
    QTest::newRow("raw only: converted") << QVector<uint>{V4L2_PIX_FMT_YUYV} << uint(V4L2_PIX_FMT_BGR24);
    QTest::newRow("nothing listed") << QVector<uint>{} << uint(V4L2_PIX_FMT_BGR24);
}

void TestDevices::formatChoice()
{
    QFETCH(QVector<uint>, offered);
    QFETCH(uint, chosen);
    QCOMPARE(ChooseV4L2Format(std::vector<uint32_t>(offered.begin(), offered.end())), chosen);
}

void TestDevices::decodesCapturedBuffers_data()
{
    QTest::addColumn<uint>("format");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("bytesPerLine");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("blue"); // of the pixel at (5, 3), -1: not checked

    // 16 x 8 pictures: blue 40, green 120, red 200 everywhere.
    cv::Mat bgr(8, 16, CV_8UC3, cv::Scalar(40, 120, 200));
    std::vector<uint8_t> jpeg;
    cv::imencode(".jpg", bgr, jpeg, {cv::IMWRITE_JPEG_QUALITY, 95});
    QTest::newRow("MJPEG") << uint(V4L2_PIX_FMT_MJPEG)
                           << QByteArray(reinterpret_cast<const char *>(jpeg.data()), int(jpeg.size()))
                           << 0 << true << 40;
    QTest::newRow("corrupt MJPEG") << uint(V4L2_PIX_FMT_MJPEG) << QByteArray(200, 'x') << 0 << false << -1;

    // BGR24 with rows padded to 64 bytes.
    QByteArray padded(64 * 8, char(0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            padded[64 * y + 3 * x] = char(40);
            padded[64 * y + 3 * x + 1] = char(120);
            padded[64 * y + 3 * x + 2] = char(200);
        }
    QTest::newRow("BGR24, padded rows") << uint(V4L2_PIX_FMT_BGR24) << padded << 64 << true << 40;
    QTest::newRow("BGR24, short buffer") << uint(V4L2_PIX_FMT_BGR24) << padded.left(64 * 7) << 64
                                         << false << -1;

    // YUYV of mid grey: Y 128, U and V 128 (no colour).
    QByteArray yuyv(16 * 2 * 8, char(128));
    QTest::newRow("YUYV") << uint(V4L2_PIX_FMT_YUYV) << yuyv << 32 << true << 128;
    QTest::newRow("unknown format") << uint(V4L2_PIX_FMT_NV12) << yuyv << 16 << false << -1;
}

void TestDevices::decodesCapturedBuffers()
{
    QFETCH(uint, format);
    QFETCH(QByteArray, data);
    QFETCH(int, bytesPerLine);
    QFETCH(bool, ok);
    QFETCH(int, blue);
    cv::Mat picture;
    QCOMPARE(DecodeV4L2Frame(format, data.constData(), size_t(data.size()), 16, 8, bytesPerLine,
                             picture),
             ok);
    if (!ok)
        return;
    QCOMPARE(picture.type(), CV_8UC3);
    QCOMPARE(picture.cols, 16);
    QCOMPARE(picture.rows, 8);
    QVERIFY2(qAbs(picture.at<cv::Vec3b>(3, 5)[0] - blue) <= 3,
             qPrintable(QString::number(picture.at<cv::Vec3b>(3, 5)[0])));
}

QTEST_APPLESS_MAIN(TestDevices)
#include "tst_devices.moc"
