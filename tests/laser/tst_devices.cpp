// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the camera sources: the device list, settings and driver controls against a fake
// device, decoding of captured V4L2 buffers, and the virtual sources (scenarios, video files).
#include "deviceenumerator.h"
#include "pictureadjustment.h"
#include "simulatorsource.h"
#include "sourcefailure.h"
#include "v4l2controllist.h"
#include "v4l2controls.h"
#include "v4l2source.h"
#include "videofilesource.h"

#include <QtTest>

#include <linux/videodev2.h>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/videoio.hpp>

#include <cerrno>
#include <cstring>
#include <map>
#include <unistd.h>

namespace {

// A device answering control ioctls from a table, walked with V4L2_CTRL_FLAG_NEXT_CTRL.
struct FakeDevice
{
    struct Control
    {
        v4l2_queryctrl query;
        int value;
        std::map<uint32_t, std::string> items; // an integer menu keeps its numbers as text
    };
    std::map<uint32_t, Control> controls;

    void Add(uint32_t id, uint32_t type, const char *name, int value, uint32_t flags = 0,
             std::map<uint32_t, std::string> items = {})
    {
        v4l2_queryctrl q{};
        q.id = id;
        q.type = type;
        std::snprintf(reinterpret_cast<char *>(q.name), sizeof q.name, "%s", name);
        q.flags = flags;
        controls[id] = {q, value, std::move(items)};
    }

    int Ioctl(unsigned long request, void *arg) const
    {
        const uint32_t id = *static_cast<uint32_t *>(arg); // every request here starts with the id
        auto it = controls.find(id);
        if (request == VIDIOC_QUERYCTRL && (id & V4L2_CTRL_FLAG_NEXT_CTRL))
            it = controls.upper_bound(id & ~V4L2_CTRL_FLAG_NEXT_CTRL);
        if (it == controls.end())
            return errno = EINVAL, -1;
        const Control &c = it->second;
        if (request == VIDIOC_QUERYCTRL)
            *static_cast<v4l2_queryctrl *>(arg) = c.query;
        else if (request == VIDIOC_G_CTRL)
            static_cast<v4l2_control *>(arg)->value = c.value;
        else if (request != VIDIOC_QUERYMENU)
            return errno = ENOTTY, -1;
        if (request != VIDIOC_QUERYMENU)
            return 0;
        auto *m = static_cast<v4l2_querymenu *>(arg);
        if (!c.items.count(m->index))
            return errno = EINVAL, -1;
        if (c.query.type == V4L2_CTRL_TYPE_INTEGER_MENU)
            m->value = std::stoll(c.items.at(m->index));
        else
            std::snprintf(reinterpret_cast<char *>(m->name), sizeof m->name, "%s", c.items.at(m->index).c_str());
        return 0;
    }

    V4L2Ioctl Bound() const { return [this](unsigned long r, void *a) { return Ioctl(r, a); }; }
};

} // namespace

class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    // Which nodes are cameras, in which order, and the format they are asked for.
    void deviceNodes()
    {
        const std::vector<std::string> sorted =
            SortVideoNodes({"video10", "null", "video2", "video0", "videoX", "video1", "vide"});
        QCOMPARE(sorted, (std::vector<std::string>{"video0", "video1", "video2", "video10"}));
        QVERIFY(IsCaptureNode(V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING));
        QVERIFY(!IsCaptureNode(V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING));
        // Drivers without per-node capabilities report the whole device's: a node that also
        // carries metadata is no webcam picture.
        QVERIFY(!IsCaptureNode(V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_META_CAPTURE));
        // MJPEG where offered, else BGR24 converted by the driver's library.
        QCOMPARE(ChooseV4L2Format({V4L2_PIX_FMT_YUYV, V4L2_PIX_FMT_MJPEG}), uint32_t(V4L2_PIX_FMT_MJPEG));
        QCOMPARE(ChooseV4L2Format({V4L2_PIX_FMT_YUYV}), uint32_t(V4L2_PIX_FMT_BGR24));
    }

    void sourceList()
    {
        // A folder with a node-like name that is no device, a scenario with an image background
        // beside it, and a list with blanks, a video, the demo and a missing scenario.
        QTemporaryDir dir;
        QFile(dir.filePath("video0")).open(QIODevice::WriteOnly);
        QVERIFY(cv::imwrite(dir.filePath("red.png").toStdString(), cv::Mat(60, 80, CV_8UC3, cv::Scalar(0, 0, 200))));
        QFile scene(dir.filePath("scene.json"));
        QVERIFY(scene.open(QIODevice::WriteOnly));
        scene.write(R"({"noise": 0, "background": {"kind": "image", "image": "red.png", "brightness": 255}})");
        scene.close();
        qputenv("LASER_SOURCES", " /videos/range day.mp4 ;demo;;" + scene.fileName().toUtf8() + ";/missing/plain.json");
        DeviceEnumerator e(dir.path().toStdString());
        QCOMPARE(e.Count(), 4);
        QStringList names;
        std::vector<DeviceEntry> list(4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(e.Entry(i, list[size_t(i)]));
            names << QString::fromStdString(list[size_t(i)].name);
        }
        QVERIFY(!e.Entry(4, list[0]));
        // An unreadable source stays listed, under its file name.
        QCOMPARE(names, QStringList({"Video: range day.mp4", "Simulator: Demo", "Simulator: scene.json",
                                     "Simulator: plain.json"}));
        QVERIFY(list[0].kind == DeviceEntry::Kind::Video);
        QCOMPARE(QString::fromStdString(list[0].path), QString("/videos/range day.mp4"));
        QVERIFY(!CreateSource(list[3]));
        // The image, found beside the scenario, fills the picture.
        std::unique_ptr<FrameSource> source = CreateSource(list[2]);
        QVERIFY(source && source->Open(640, 480));
        cv::Mat picture;
        int64_t stamp;
        QCOMPARE(source->Grab(picture, stamp, 1000), 1);
        QCOMPARE(picture.size(), cv::Size(640, 480));
        QCOMPARE(picture.at<cv::Vec3b>(240, 320), cv::Vec3b(0, 0, 200));
        // Without its image the scenario cannot be opened: such a camera fails to open.
        QFile::remove(dir.filePath("red.png"));
        source = CreateSource(list[2]);
        QVERIFY(!source || !source->Open(640, 480));
        qputenv("LASER_SOURCES", "demo");
        QCOMPARE(e.Count(), 1); // a changed list is seen at the next call
        qunsetenv("LASER_SOURCES");
    }

    void sameNamesNumbered_data()
    {
        QTest::addColumn<QString>("sources");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("one of each keeps its name")
            << "demo;/a/clip.mp4" << QStringList({"Simulator: Demo", "Video: clip.mp4"});
        QTest::newRow("two demos, two clips of one name")
            << "demo;/a/clip.mp4;demo;/b/clip.mp4;/a/clip.mp4"
            << QStringList({"Simulator: Demo", "Video: clip.mp4", "Simulator: Demo (2)", "Video: clip.mp4 (2)",
                            "Video: clip.mp4 (3)"});
        QTest::newRow("a name that looks numbered already")
            << "/a/clip.mp4 (2);/a/clip.mp4;/b/clip.mp4"
            << QStringList({"Video: clip.mp4 (2)", "Video: clip.mp4", "Video: clip.mp4 (3)"});
    }

    void sameNamesNumbered()
    {
        QFETCH(QString, sources);
        QFETCH(QStringList, names);
        QStringList got;
        for (const DeviceEntry &e : ParseSourceList(sources.toStdString()))
            got << QString::fromStdString(e.name);
        QCOMPARE(got, names);
    }

    void retryPauseGrows()
    {
        using namespace std::chrono;
        RetryPause pause;
        const RetryPause::Clock::time_point t0{};
        QVERIFY(!pause.Waiting("a", t0));
        // Each failure doubles the pause, up to its longest; the source is left alone until then.
        auto t = t0;
        const int expected[] = {500, 1000, 2000, 4000, 8000, 8000};
        for (int ms : expected) {
            pause.Failed("a", t);
            QCOMPARE(int(pause.Pause().count()), ms);
            QVERIFY(pause.Waiting("a", t + milliseconds(ms - 1)));
            QVERIFY(!pause.Waiting("b", t)); // another source is tried at once
            t += milliseconds(ms);
            QVERIFY(!pause.Waiting("a", t));
        }
        // Another source starts afresh, and so does the same one after a success.
        pause.Failed("b", t);
        QCOMPARE(int(pause.Pause().count()), 500);
        QVERIFY(!pause.Waiting("a", t));
        pause.Succeeded();
        QVERIFY(!pause.Waiting("b", t));
        pause.Failed("b", t);
        QCOMPARE(int(pause.Pause().count()), 500);
    }

    void failureReasons()
    {
        QTemporaryDir dir;
        QFile text(dir.filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a video\n") > 0);
        text.close();
        QFile locked(dir.filePath("locked.mp4"));
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.close();
        locked.setPermissions(QFileDevice::WriteOwner);
        const bool rootReadsAnything = access(locked.fileName().toLocal8Bit().constData(), R_OK) == 0;
        QFile scenario(dir.filePath("broken.json"));
        QVERIFY(scenario.open(QIODevice::WriteOnly) && scenario.write("{ not json") > 0);
        scenario.close();

        const struct { DeviceEntry::Kind kind; QString path; const char *reason; } cases[] = {
            {DeviceEntry::Kind::Video, dir.filePath("missing.mp4"), "file not found"},
            {DeviceEntry::Kind::Video, text.fileName(), "not a video file"},
            {DeviceEntry::Kind::Video, dir.path(), "not a video file"},
            {DeviceEntry::Kind::Video, locked.fileName(), rootReadsAnything ? "not a video file" : "file not readable"},
            {DeviceEntry::Kind::Scenario, dir.filePath("absent.json"), "file not found"},
            {DeviceEntry::Kind::Scenario, scenario.fileName(), "scenario unreadable"},
            {DeviceEntry::Kind::V4L2, dir.filePath("video99"), "no such device"},
        };
        for (const auto &c : cases) {
            DeviceEntry e;
            e.kind = c.kind;
            e.path = c.path.toStdString();
            QCOMPARE(QString::fromStdString(OpenFailureReason(e)), QString(c.reason));
        }
    }

    void settingMapping()
    {
        // The two groups are told apart, unmapped and out-of-range numbers give no control, and
        // exposure's automatic switch takes a menu value rather than a boolean.
        QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 4), uint32_t(V4L2_CID_EXPOSURE_ABSOLUTE));
        QCOMPARE(V4L2ControlFor(SettingGroup::Camera, 2), 0u); // no roll control in V4L2
        QCOMPARE(V4L2ControlFor(SettingGroup::Filter, 10), 0u);
        QCOMPARE(V4L2AutoValue(V4L2_CID_EXPOSURE_AUTO, false), int(V4L2_EXPOSURE_MANUAL));
        // A fraction of a range: rounded to its steps and kept within it.
        QCOMPARE(ValueForFraction({0, 255, 1}, 0.5f), 128);
        QCOMPARE(ValueForFraction({-64, 64, 1}, 0.25f), -32);
        QCOMPARE(ValueForFraction({0, 100, 10}, 0.33f), 30);
        QCOMPARE(ValueForFraction({0, 10, 1}, 1.5f), 10);
        QCOMPARE(ValueForFraction({5, 5, 1}, 0.7f), 5);
        // Without a driver, brightness and exposure are emulated on the picture.
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
    }

    // Captured buffers of 16 x 8 pictures, blue 40, green 120, red 200 everywhere.
    void decodesCapturedBuffers()
    {
        // The blue of pixel (5, 3); -1 when the buffer is refused, -2 for a picture of another shape.
        const auto blue = [](uint32_t format, const QByteArray &data, int bytesPerLine) {
            cv::Mat picture;
            if (!DecodeV4L2Frame(format, data.constData(), size_t(data.size()), 16, 8, bytesPerLine, picture))
                return -1;
            if (picture.type() != CV_8UC3 || picture.size() != cv::Size(16, 8))
                return -2;
            return int(picture.at<cv::Vec3b>(3, 5)[0]);
        };
        std::vector<uint8_t> jpeg;
        cv::imencode(".jpg", cv::Mat(8, 16, CV_8UC3, cv::Scalar(40, 120, 200)), jpeg, {cv::IMWRITE_JPEG_QUALITY, 95});
        const QByteArray mjpeg(reinterpret_cast<const char *>(jpeg.data()), int(jpeg.size()));
        QVERIFY(qAbs(blue(V4L2_PIX_FMT_MJPEG, mjpeg, 0) - 40) <= 3);
        QCOMPARE(blue(V4L2_PIX_FMT_MJPEG, QByteArray(200, 'x'), 0), -1);
        // Rows padded to 64 bytes; a buffer one row short is refused.
        const QByteArray padded = (QByteArray("\x28\x78\xc8").repeated(16) + QByteArray(16, 0)).repeated(8);
        QCOMPARE(blue(V4L2_PIX_FMT_BGR24, padded, 64), 40);
        QCOMPARE(blue(V4L2_PIX_FMT_BGR24, padded.left(64 * 7), 64), -1);
        // Mid grey: Y 128, U and V 128 (no colour).
        const QByteArray yuyv(16 * 2 * 8, char(128));
        QVERIFY(qAbs(blue(V4L2_PIX_FMT_YUYV, yuyv, 32) - 128) <= 3);
        QCOMPARE(blue(V4L2_PIX_FMT_NV12, yuyv, 16), -1);
    }

    void driverControls()
    {
        FakeDevice device;
        QVERIFY(ListV4L2Controls(device.Bound()).empty());
        device.Add(V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, "Brightness", 10);
        device.Add(V4L2_CID_CONTRAST, V4L2_CTRL_TYPE_INTEGER, "Contrast", 20, V4L2_CTRL_FLAG_READ_ONLY);
        device.Add(V4L2_CID_SATURATION, V4L2_CTRL_TYPE_INTEGER, "Saturation", 30, V4L2_CTRL_FLAG_GRABBED);
        device.Add(V4L2_CID_HUE, V4L2_CTRL_TYPE_INTEGER, "Hue", 5, V4L2_CTRL_FLAG_DISABLED);
        device.Add(V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CTRL_TYPE_BOOLEAN, "Auto White", 1);
        device.Add(V4L2_CID_DO_WHITE_BALANCE, V4L2_CTRL_TYPE_BUTTON, "Do White", 7);
        device.Add(V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_INTEGER_MENU, "Frequency", 1, 0, {{0, "0"}, {1, "50"}});
        device.Add(V4L2_CID_SHARPNESS, V4L2_CTRL_TYPE_STRING, "Text", 0);
        device.Add(V4L2_CID_CAMERA_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "Camera Controls", 0);
        device.Add(V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, "Auto Exposure", 3, 0, {{1, "Manual"}, {3, "Aperture"}});
        device.Add(V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "", 250,
                   V4L2_CTRL_FLAG_INACTIVE | V4L2_CTRL_FLAG_SLIDER);
        // A name filling its 32 bytes without a terminator is cut and terminated.
        std::memset(device.controls[V4L2_CID_EXPOSURE_ABSOLUTE].query.name, 'N', 32);
        QStringList shown;
        for (const LaserControl &c : ListV4L2Controls(device.Bound()))
            shown << QStringLiteral("%1=%2 type %3 flags %4").arg(c.name).arg(c.value).arg(c.type).arg(c.flags);
        // In id order as the driver walks them, with the program's types and flags (a grabbed
        // control is read-only for now, a button has no value to read); without the disabled hue,
        // the class heading and the types the program does not show.
        QCOMPARE(shown, QStringList({"Brightness=10 type 1 flags 0", "Contrast=20 type 1 flags 1",
                                     "Saturation=30 type 1 flags 1", "Auto White=1 type 2 flags 0",
                                     "Do White=0 type 4 flags 0", "Frequency=1 type 3 flags 0",
                                     "Auto Exposure=3 type 3 flags 0",
                                     QString(31, 'N') + "=250 type 1 flags 2"}));

        std::string name = "stale";
        QVERIFY(V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, 3, name));
        QCOMPARE(name, std::string("Aperture"));
        QVERIFY(V4L2MenuItemName(device.Bound(), V4L2_CID_POWER_LINE_FREQUENCY, 1, name));
        QCOMPARE(name, std::string("50"));
        QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, 2, name)); // a gap in the menu
        QCOMPARE(name, std::string());
        QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, -1, name));
        QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_BRIGHTNESS, 0, name)); // not a menu
    }

    void videoFilePlaysAndEnds()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("clip.avi").toStdString();
        {
            cv::VideoWriter writer(path, cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), 50.0,
                                   cv::Size(320, 240));
            if (!writer.isOpened())
                QSKIP("no video writer for MJPEG here");
            for (int i = 0; i < 10; ++i)
                writer.write(cv::Mat(240, 320, CV_8UC3, cv::Scalar::all(20 * i)));
        }
        VideoFileSource video(path);
        QVERIFY(video.Open(640, 480));
        QCOMPARE(video.FramesPerSecond(), 50.0);
        cv::Mat picture;
        int64_t first = 0, stamp = 0;
        int frames = 0, r;
        while ((r = video.Grab(picture, stamp, 100)) >= 0)
            if (r == 1 && frames++ == 0)
                first = stamp;
        QCOMPARE(frames, 10);
        // Played at its own rate: nine frame intervals of 20 ms.
        QVERIFY2(stamp - first >= 170000, qPrintable(QString::number(stamp - first)));
    }
};

QTEST_APPLESS_MAIN(TestDevices)
#include "tst_devices.moc"
