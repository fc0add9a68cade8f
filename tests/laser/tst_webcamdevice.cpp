// SPDX-License-Identifier: GPL-3.0-or-later
// The capture code and the camera library against the userspace webcam: formats and their
// negotiation, streaming, driver controls, and every failure the device can play.
#include "fakev4l2client.h"
#include "laser.h"
#include "v4l2source.h"

#include <QElapsedTimer>
#include <QtTest>

#include <linux/videodev2.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

QJsonObject Camera(const QString &profile, const QJsonObject &extra = {})
{
    QJsonObject c{{"node", 0}, {"profile", profile}, {"source", QJsonObject{{"kind", "wall"}}}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        c.insert(it.key(), it.value());
    return c;
}

int Xioctl(int fd, unsigned long request, void *arg)
{
    return ioctl(fd, request, arg) == 0 ? 0 : errno;
}

// Pictures a source delivers until it fails (-1) or none comes for a while (0).
struct GrabRun
{
    int pictures = 0;
    int end = 0;
    cv::Size size;
};

GrabRun GrabUntilEnd(V4L2Source &source, int quietMs = 600)
{
    GrabRun run;
    QElapsedTimer quiet;
    quiet.start();
    cv::Mat picture;
    int64_t stamp = 0;
    while (quiet.elapsed() < quietMs) {
        const int r = source.Grab(picture, stamp, 100);
        if (r < 0) {
            run.end = -1;
            break;
        }
        if (r == 1) {
            ++run.pictures;
            run.size = picture.size();
            quiet.restart();
        }
    }
    return run;
}

// Whether the selected camera hands out a frame within the time (a QTRY would read twice).
bool FrameWithin(int ms, FrameBlock *block = nullptr)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (CamReadFrame(block) >= 0)
            return true;
        QTest::qWait(5);
    }
    return false;
}

} // namespace

class TestWebcamDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(FakeV4L2::Loaded(), "the userspace webcam is not preloaded");
        CamSetVerbose(0);
        CamEnableThreading();
        CamEnableMulipleCameras();
    }

    void cleanup()
    {
        for (int c = 0; c < LASER_MAX_CAMERAS; ++c) {
            CamSelectCamera(c);
            CamFree();
        }
        CamSelectCamera(0);
        // The library sees every camera go before the next test plugs in its own.
        FakeV4L2::Config none;
        QVERIFY(none.Write({}));
        QTRY_COMPARE(CamListDevices(), 0);
    }

    // Each model through the real libv4l2 and the library: listed once (its metadata node not),
    // the format the library takes, the size the driver gives, and a picture of the right grey.
    void profiles_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("deviceSize");
        QTest::addColumn<int>("fps"); // the fastest rate up to 60 the format and size offer
        QTest::newRow("only MJPEG at 1280x720, without Huffman tables") << "mjpeg720" << "USB 2.0 HD Camera" << "MJPG"
                                                                       << QSize(1280, 720) << 30;
        QTest::newRow("only YUYV at 640x480, converted by libv4l2") << "yuyv480" << "USB 2.0 PC Camera" << "YUYV"
                                                                    << QSize(640, 480) << 30;
        QTest::newRow("YUYV and MJPEG: MJPEG preferred") << "hd60" << "HD Webcam 60" << "MJPG" << QSize(640, 480)
                                                         << 60;
    }

    void profiles()
    {
        QFETCH(QString, profile);
        QFETCH(QString, card);
        QFETCH(QString, format);
        QFETCH(QSize, deviceSize);
        QFETCH(int, fps);
        FakeV4L2::Config config;
        // A second camera on the next pair of nodes: two cameras, four nodes, two list entries.
        QVERIFY(config.Write({Camera(profile), Camera("hd60", {{"node", 2}})}));
        QTRY_COMPARE(CamListDevices(), 2);
        char name[64];
        QCOMPARE(CamGetNameOfDevice(name, 0), 0);
        QCOMPARE(QString(name), card);
        // Two webcams of one model: the second is numbered, so a camera kept by name stays apart.
        QCOMPARE(CamGetNameOfDevice(name, 1), 0);
        QCOMPARE(QString(name), profile == "hd60" ? "HD Webcam 60 (2)" : "HD Webcam 60");
        QCOMPARE(access("/dev/video1", F_OK), 0); // the metadata node exists, unlisted

        {
            V4L2Source source("/dev/video0");
            QVERIFY(source.Open(640, 480));
            QCOMPARE(config.Device().value("format").toString(), format);
            QCOMPARE(QSize(config.Device().value("width").toInt(), config.Device().value("height").toInt()),
                     deviceSize);
            cv::Mat picture;
            int64_t stamp = 0;
            QElapsedTimer t;
            t.start();
            int r = 0;
            while ((r = source.Grab(picture, stamp, 200)) == 0 && t.elapsed() < 3000) {
            }
            QCOMPARE(r, 1);
            QCOMPARE(picture.cols, deviceSize.width());
            QCOMPARE(picture.rows, deviceSize.height());
            // The simulated wall is grey 110: encoding, the YUYV conversion and decoding keep it.
            const cv::Scalar mean = cv::mean(picture);
            for (int c = 0; c < 3; ++c)
                QVERIFY2(std::abs(mean[c] - 110) < 6, qPrintable(QString("channel %1: %2").arg(c).arg(mean[c])));
            QVERIFY2(stamp > 0 && std::abs(stamp - MonotonicMicros()) < 2000000,
                     qPrintable(QString::number(stamp - MonotonicMicros())));
        }
        // The library scales whatever the camera gives to the size asked for.
        CamSelectCamera(0);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        FrameBlock block;
        QVERIFY(FrameWithin(10000, &block));
        QCOMPARE(CamGetXMax(), 640);
        QCOMPARE(CamGetYMax(), 480);
        QCOMPARE(config.Device().value("fps").toInt(), fps);
        // The rate the library reports as asked is the one the driver answered.
        LaserCaptureStats stats;
        QCOMPARE(CamGetCaptureStats(&stats), 0);
        QCOMPARE(qRound(stats.askedFps), fps);
    }

    // Three webcams of one model on three USB ports, plugged in and out step by step ("101": the
    // first and third are in): each keeps the number of its port while another is unplugged.
    void identicalWebcams_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("names");
        const QString hd = QStringLiteral("HD Webcam 60");
        QTest::newRow("the first unplugged: the second keeps its number")
            << QStringList{"110", "010"} << QStringList{hd + " (2)"};
        QTest::newRow("the first back: its own name again")
            << QStringList{"110", "010", "110"} << QStringList{hd, hd + " (2)"};
        QTest::newRow("a third while the first is away: a number of its own")
            << QStringList{"110", "010", "011"} << QStringList{hd + " (2)", hd + " (3)"};
        QTest::newRow("the model gone altogether: numbered afresh")
            << QStringList{"110", "000", "011"} << QStringList{hd, hd + " (2)"};
    }

    void identicalWebcams()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, names);
        FakeV4L2::Config config;
        for (const QString &step : steps) {
            QJsonArray cameras;
            for (int i = 0; i < 3; ++i)
                cameras.append(Camera("hd60", {{"node", 2 * i}, {"present", step[i] == '1'}}));
            QVERIFY(config.Write(cameras));
            QTRY_COMPARE(CamListDevices(), int(step.count('1')));
        }
        QStringList listed;
        char name[64];
        for (int i = 0; i < CamListDevices(); ++i) {
            QCOMPARE(CamGetNameOfDevice(name, i), 0);
            listed << QString(name);
        }
        QCOMPARE(listed, names);
    }

    // The driver's side of format and rate negotiation, through plain open and ioctl.
    void negotiation()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60")}));
        QTRY_COMPARE(CamListDevices(), 1);
        const int fd = open("/dev/video0", O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0);
        v4l2_capability cap{};
        QCOMPARE(Xioctl(fd, VIDIOC_QUERYCAP, &cap), 0);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(cap.driver)), QByteArray("uvcvideo"));
        QVERIFY(cap.device_caps & V4L2_CAP_VIDEO_CAPTURE);
        QVERIFY(cap.capabilities & V4L2_CAP_META_CAPTURE);

        QList<uint32_t> formats;
        v4l2_fmtdesc desc{};
        desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        for (desc.index = 0; Xioctl(fd, VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index)
            formats << desc.pixelformat;
        QCOMPARE(formats, (QList<uint32_t>{V4L2_PIX_FMT_YUYV, V4L2_PIX_FMT_MJPEG}));
        QList<uint32_t> rates;
        v4l2_frmivalenum interval{};
        interval.pixel_format = V4L2_PIX_FMT_MJPEG;
        interval.width = 640;
        interval.height = 480;
        for (interval.index = 0; Xioctl(fd, VIDIOC_ENUM_FRAMEINTERVALS, &interval) == 0; ++interval.index)
            rates << interval.discrete.denominator / interval.discrete.numerator;
        QCOMPARE(rates, (QList<uint32_t>{30, 60, 15}));

        // An unsupported size becomes the nearest one, an unknown format the first.
        v4l2_format fmt{};
        fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        fmt.fmt.pix = {800, 600, V4L2_PIX_FMT_MJPEG, V4L2_FIELD_ANY, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(Xioctl(fd, VIDIOC_TRY_FMT, &fmt), 0);
        QCOMPARE(QSize(int(fmt.fmt.pix.width), int(fmt.fmt.pix.height)), QSize(640, 480));
        fmt.fmt.pix.pixelformat = V4L2_PIX_FMT_H264;
        fmt.fmt.pix.width = 1920;
        fmt.fmt.pix.height = 1080;
        QCOMPARE(Xioctl(fd, VIDIOC_TRY_FMT, &fmt), 0);
        QCOMPARE(fmt.fmt.pix.pixelformat, uint32_t(V4L2_PIX_FMT_YUYV));
        QCOMPARE(QSize(int(fmt.fmt.pix.width), int(fmt.fmt.pix.height)), QSize(1280, 720));
        QCOMPARE(fmt.fmt.pix.bytesperline, 2560u);

        fmt.fmt.pix = {640, 480, V4L2_PIX_FMT_MJPEG, V4L2_FIELD_ANY, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(Xioctl(fd, VIDIOC_S_FMT, &fmt), 0);
        v4l2_streamparm parm{};
        parm.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        QCOMPARE(Xioctl(fd, VIDIOC_G_PARM, &parm), 0);
        QVERIFY(parm.parm.capture.capability & V4L2_CAP_TIMEPERFRAME);
        QCOMPARE(parm.parm.capture.timeperframe.denominator, 30u);
        // Asked rates round to the nearest the camera has: 50 gives 60, 1/40 s gives 30.
        const struct { v4l2_fract asked; uint32_t got; } steps[] = {{{1, 60}, 60}, {{1, 50}, 60}, {{1, 40}, 30}};
        for (const auto &s : steps) {
            parm.parm.capture.timeperframe = s.asked;
            QCOMPARE(Xioctl(fd, VIDIOC_S_PARM, &parm), 0);
            QCOMPARE(parm.parm.capture.timeperframe.denominator, s.got);
        }
        parm.parm.capture.timeperframe = {1, 60};
        QCOMPARE(Xioctl(fd, VIDIOC_S_PARM, &parm), 0);
        QCOMPARE(config.Device().value("fps").toInt(), 60);

        // Once buffers exist the format is fixed, and the stream belongs to this file.
        v4l2_requestbuffers req{};
        req.count = 2;
        req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        req.memory = V4L2_MEMORY_MMAP;
        QCOMPARE(Xioctl(fd, VIDIOC_REQBUFS, &req), 0);
        QCOMPARE(Xioctl(fd, VIDIOC_S_FMT, &fmt), EBUSY);
        const int other = open("/dev/video0", O_RDWR | O_NONBLOCK);
        QVERIFY(other >= 0);
        QCOMPARE(Xioctl(other, VIDIOC_QUERYCAP, &cap), 0);
        QCOMPARE(Xioctl(other, VIDIOC_S_FMT, &fmt), EBUSY);
        QCOMPARE(Xioctl(other, VIDIOC_REQBUFS, &req), EBUSY);
        close(other);
        // No read() I/O, and the metadata node streams no pictures.
        char byte;
        QCOMPARE(read(fd, &byte, 1), ssize_t(-1));
        QCOMPARE(errno, EINVAL);
        close(fd);
        const int meta = open("/dev/video1", O_RDWR);
        QVERIFY(meta >= 0);
        QCOMPARE(Xioctl(meta, VIDIOC_QUERYCAP, &cap), 0);
        QCOMPARE(cap.device_caps & (V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_META_CAPTURE), uint32_t(V4L2_CAP_META_CAPTURE));
        desc = v4l2_fmtdesc{};
        desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        QCOMPARE(Xioctl(meta, VIDIOC_ENUM_FMT, &desc), EINVAL);
        close(meta);
    }

    // Buffers through mmap, poll and DQBUF at 60 fps: sequence numbers, monotonic driver
    // timestamps a period apart, and a gap in the numbers for frames lost while no buffer waited.
    void streaming()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60", {{"fps", 60}})}));
        QTRY_COMPARE(CamListDevices(), 1);
        const int fd = open("/dev/video0", O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0);
        v4l2_format fmt{};
        fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        fmt.fmt.pix = {640, 480, V4L2_PIX_FMT_MJPEG, V4L2_FIELD_ANY, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(Xioctl(fd, VIDIOC_S_FMT, &fmt), 0);
        v4l2_requestbuffers req{};
        req.count = 4;
        req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        req.memory = V4L2_MEMORY_MMAP;
        QCOMPARE(Xioctl(fd, VIDIOC_REQBUFS, &req), 0);
        QCOMPARE(req.count, 4u);
        QVector<uchar *> maps;
        for (uint32_t i = 0; i < req.count; ++i) {
            v4l2_buffer buf{};
            buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
            buf.memory = V4L2_MEMORY_MMAP;
            buf.index = i;
            QCOMPARE(Xioctl(fd, VIDIOC_QUERYBUF, &buf), 0);
            QCOMPARE(buf.length, 640u * 480 * 2);
            void *p = mmap(nullptr, buf.length, PROT_READ, MAP_SHARED, fd, buf.m.offset);
            QVERIFY(p != MAP_FAILED);
            maps << static_cast<uchar *>(p);
            QCOMPARE(Xioctl(fd, VIDIOC_QBUF, &buf), 0);
            QCOMPARE(Xioctl(fd, VIDIOC_QBUF, &buf), EINVAL); // queued twice
        }
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        QCOMPARE(Xioctl(fd, VIDIOC_DQBUF, &buf), EINVAL); // not streaming yet
        int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        QCOMPARE(Xioctl(fd, VIDIOC_STREAMON, &type), 0);

        auto next = [&](v4l2_buffer &b) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 1000) != 1 || !(p.revents & POLLIN))
                return false;
            b = v4l2_buffer{};
            b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
            b.memory = V4L2_MEMORY_MMAP;
            return Xioctl(fd, VIDIOC_DQBUF, &b) == 0;
        };
        QVector<uint32_t> sequence;
        QVector<int64_t> stamps;
        for (int i = 0; i < 30; ++i) {
            QVERIFY(next(buf));
            QVERIFY(buf.flags & V4L2_BUF_FLAG_TIMESTAMP_MONOTONIC);
            QVERIFY(buf.bytesused > 1000);
            QCOMPARE(int(maps[int(buf.index)][0]), 0xFF); // a JPEG starts with SOI
            QCOMPARE(int(maps[int(buf.index)][1]), 0xD8);
            sequence << buf.sequence;
            stamps << int64_t(buf.timestamp.tv_sec) * 1000000 + buf.timestamp.tv_usec;
            QCOMPARE(Xioctl(fd, VIDIOC_QBUF, &buf), 0);
        }
        // A busy machine may take a frame late: then the numbers jump, and the stamps with them.
        for (int i = 1; i < sequence.size(); ++i) {
            QVERIFY(sequence[i] > sequence[i - 1]);
            QVERIFY(std::abs(stamps[i] - stamps[i - 1] - int64_t(sequence[i] - sequence[i - 1]) * 16667) < 100);
        }
        QVERIFY(sequence.last() - sequence.first() < 45);
        // Nothing requeued for 200 ms: four frames wait, the others are lost.
        QVector<v4l2_buffer> held;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(next(buf));
            held << buf;
        }
        QTest::qSleep(200);
        for (v4l2_buffer &b : held)
            QCOMPARE(Xioctl(fd, VIDIOC_QBUF, &b), 0);
        QVERIFY(next(buf));
        QVERIFY2(buf.sequence >= held.last().sequence + 10, qPrintable(QString::number(buf.sequence)));

        QCOMPARE(Xioctl(fd, VIDIOC_STREAMOFF, &type), 0);
        pollfd p{fd, POLLIN, 0};
        QCOMPARE(poll(&p, 1, 0), 1);
        QVERIFY(p.revents & POLLERR); // not streaming
        for (uchar *m : maps)
            munmap(m, 640 * 480 * 2);
        close(fd);
        QTRY_VERIFY(config.Device().value("lost").toInt() >= 10);
    }

    // Each failure of a stream as the capture code meets it, the recording played as fast as
    // read so the count is exact: 20 frames, then the camera stops delivering.
    void failures_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QJsonObject>("failure");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("end");
        const QJsonObject none;
        QTest::newRow("no failure") << "hd60" << none << 20 << 0;
        QTest::newRow("error flag on frame 5") << "hd60" << QJsonObject{{"kind", "error_flag"}, {"frame", 5}} << 19 << 0;
        QTest::newRow("bytesused 0 on frame 7") << "hd60" << QJsonObject{{"kind", "empty"}, {"frame", 7}} << 19 << 0;
        QTest::newRow("MJPEG cut in half on frame 9") << "hd60" << QJsonObject{{"kind", "truncated"}, {"frame", 9}} << 19
                                                      << 0;
        QTest::newRow("YUYV cut in half on frame 9") << "yuyv480"
                                                     << QJsonObject{{"kind", "truncated"}, {"frame", 9}} << 19 << 0;
        QTest::newRow("frames 10 to 12 dropped") << "hd60" << QJsonObject{{"kind", "drop"}, {"frame", 10}, {"count", 3}}
                                                 << 17 << 0;
        // The driver fails frame 10 while frames 7 to 9 still wait in the other three buffers:
        // the queue's error comes first (EIO), and they are lost with the stream.
        QTest::newRow("stream error (EIO) at frame 10")
            << "hd60" << QJsonObject{{"kind", "stream_error"}, {"frame", 10}} << 7 << -1;
        QTest::newRow("unplugged at frame 10") << "hd60" << QJsonObject{{"kind", "unplug"}, {"frame", 10}} << 7 << -1;
    }

    void failures()
    {
        QFETCH(QString, profile);
        QFETCH(QJsonObject, failure);
        QFETCH(int, pictures);
        QFETCH(int, end);
        QJsonArray script{QJsonObject{{"kind", "stall"}, {"frame", 20}}};
        if (!failure.isEmpty())
            script.prepend(failure);
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera(profile, {{"pace", "consumer"}, {"failures", script}})}));
        QTRY_COMPARE(CamListDevices(), 1);
        V4L2Source source("/dev/video0");
        QVERIFY(source.Open(640, 480));
        const GrabRun run = GrabUntilEnd(source);
        QCOMPARE(run.pictures, pictures);
        QCOMPARE(run.end, end);
    }

    // A scrambled MJPEG frame neither stops the stream nor ends the camera.
    void corruptFrame()
    {
        FakeV4L2::Config config;
        const QJsonArray script{QJsonObject{{"kind", "corrupt"}, {"frame", 9}}, QJsonObject{{"kind", "stall"}, {"frame", 20}}};
        QVERIFY(config.Write({Camera("hd60", {{"pace", "consumer"}, {"failures", script}})}));
        QTRY_COMPARE(CamListDevices(), 1);
        V4L2Source source("/dev/video0");
        QVERIFY(source.Open(640, 480));
        const GrabRun run = GrabUntilEnd(source);
        QVERIFY2(run.pictures >= 19, qPrintable(QString::number(run.pictures)));
        QCOMPARE(run.end, 0);
    }

    // Unplugged mid-stream: the camera closes, leaves the list and the node, and opens again
    // once it is back.
    void unplugAndBack()
    {
        FakeV4L2::Config config;
        const QJsonArray script{QJsonObject{{"kind", "unplug"}, {"frame", 15}, {"back_after_ms", 700}}};
        QVERIFY(config.Write({Camera("hd60", {{"pace", "consumer"}, {"failures", script}})}));
        QTRY_COMPARE(CamListDevices(), 1);
        CamSelectCamera(0);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        int frames = 0;
        int r = 0;
        QElapsedTimer t;
        t.start();
        int64_t notRead = 0; // replaced before this reader took them, see stall()
        while ((r = CamReadFrame(nullptr)) != LASER_NOT_OPEN && t.elapsed() < 3000) {
            frames += r >= 0;
            LaserCaptureStats stats;
            if (CamGetCaptureStats(&stats) == 0)
                notRead = stats.framesNotRead;
            QTest::qWait(5);
        }
        QCOMPARE(r, LASER_NOT_OPEN);
        QVERIFY(frames > 0);
        QCOMPARE(frames + notRead, 12); // frames 12 to 14 waited in the driver and went with the stream
        QTRY_COMPARE_WITH_TIMEOUT(CamListDevices(), 0, 500);
        QCOMPARE(open("/dev/video0", O_RDWR), -1);
        QCOMPARE(errno, ENOENT);
        QCOMPARE(CamInit(0, 640, 480), LASER_NO_DEVICE);
        QTRY_COMPARE_WITH_TIMEOUT(CamListDevices(), 1, 2000);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        QVERIFY(FrameWithin(5000));
        QCOMPARE(config.Device().value("plugs").toInt(), 2);
    }

    // The device of a file that was open when the camera went: ENODEV for every ioctl,
    // POLLERR|POLLHUP from poll, EIO first for the stream.
    void unpluggedFile()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60")}));
        QTRY_COMPARE(CamListDevices(), 1);
        V4L2Source source("/dev/video0");
        QVERIFY(source.Open(640, 480));
        const int fd = open("/dev/video0", O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QVERIFY(config.Write({Camera("hd60", {{"present", false}})}));
        cv::Mat picture;
        int64_t stamp;
        QTRY_COMPARE(source.Grab(picture, stamp, 50), -1);
        v4l2_capability cap{};
        QTRY_COMPARE(Xioctl(fd, VIDIOC_QUERYCAP, &cap), ENODEV);
        pollfd p{fd, POLLIN, 0};
        QCOMPARE(poll(&p, 1, 100), 1);
        QCOMPARE(p.revents & (POLLERR | POLLHUP), POLLERR | POLLHUP);
        QCOMPARE(close(fd), 0);
        QCOMPARE(CamListDevices(), 0);
    }

    // A camera that stops delivering stays open: no frames, but no closing either.
    void stall()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60", {{"pace", "consumer"},
                                              {"failures", QJsonArray{QJsonObject{{"kind", "stall"}, {"frame", 10}}}}})}));
        QTRY_COMPARE(CamListDevices(), 1);
        CamSelectCamera(0);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        int frames = 0;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 1200) {
            const int r = CamReadFrame(nullptr);
            QVERIFY(r != LASER_NOT_OPEN);
            frames += r >= 0;
            QTest::qWait(5);
        }
        // Frames come as fast as the library takes them: a slow reader may see a frame
        // replaced by the next (counted as not read), but none may be missing.
        LaserCaptureStats stats;
        QCOMPARE(CamGetCaptureStats(&stats), 0);
        QVERIFY(frames > 0);
        QCOMPARE(frames + stats.framesNotRead, 10);
        QCOMPARE(stats.framesDelivered, 10);
    }

    // Another user of the camera: a second open of a driver that allows one fails with EBUSY,
    // and a second camera on a node that streams gets EBUSY from the driver.
    void secondUser()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60", {{"busy", true}})}));
        QTRY_COMPARE(access("/dev/video0", F_OK), 0);
        QCOMPARE(open("/dev/video0", O_RDWR), -1);
        QCOMPARE(errno, EBUSY);
        // Not listed while another program holds it; listed once it lets go.
        QCOMPARE(CamListDevices(), 0);
        QVERIFY(config.Write({Camera("hd60")}));
        QTRY_COMPARE_WITH_TIMEOUT(CamListDevices(), 1, 2000);

        CamSelectCamera(0);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        CamSelectCamera(1);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPEN_FAILED);
        CamSelectCamera(0);
        QVERIFY(FrameWithin(5000));
        QVERIFY(FrameWithin(5000));
    }

    // The driver's controls through the library: listed with names and ranges (class
    // controls left out), set and read back, refused where the driver refuses, brightness and
    // exposure through the settings calls.
    void controls()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60")}));
        QTRY_COMPARE(CamListDevices(), 1);
        CamSelectCamera(0);
        QCOMPARE(CamInit(0, 640, 480), LASER_OPENED);
        LaserControl list[64];
        const int n = CamListControls(list, 64);
        QVERIFY(n > 0 && n <= 64);
        QMap<uint32_t, LaserControl> byId;
        for (int i = 0; i < n; ++i)
            byId[list[i].id] = list[i];
        const uint32_t expected[] = {V4L2_CID_BRIGHTNESS, V4L2_CID_CONTRAST, V4L2_CID_SATURATION,
                                     V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CID_GAIN, V4L2_CID_POWER_LINE_FREQUENCY,
                                     V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CID_SHARPNESS,
                                     V4L2_CID_BACKLIGHT_COMPENSATION, V4L2_CID_EXPOSURE_AUTO,
                                     V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CID_EXPOSURE_AUTO_PRIORITY,
                                     V4L2_CID_FOCUS_ABSOLUTE, V4L2_CID_FOCUS_AUTO};
        for (uint32_t id : expected)
            QVERIFY2(byId.contains(id), qPrintable(QString::number(id, 16)));
        QVERIFY(!byId.contains(V4L2_CID_CAMERA_CLASS));
        QCOMPARE(QString(byId[V4L2_CID_EXPOSURE_ABSOLUTE].name), QString("Exposure Time, Absolute"));
        QCOMPARE(byId[V4L2_CID_EXPOSURE_AUTO].type, LASER_CONTROL_MENU);
        QVERIFY(byId[V4L2_CID_EXPOSURE_ABSOLUTE].flags & LASER_CONTROL_INACTIVE); // automatic exposure
        char item[LASER_CONTROL_NAME_SIZE];
        QCOMPARE(CamGetControlMenuItem(V4L2_CID_EXPOSURE_AUTO, 1, item), 0);
        QCOMPARE(QString(item), QString("Manual Mode"));
        QCOMPARE(CamGetControlMenuItem(V4L2_CID_EXPOSURE_AUTO, 0, item), -1); // a missing item

        QCOMPARE(CamSetControl(V4L2_CID_POWER_LINE_FREQUENCY, 1), 0);
        QTRY_COMPARE(config.ControlValue(V4L2_CID_POWER_LINE_FREQUENCY), 1);
        QCOMPARE(CamSetControl(V4L2_CID_POWER_LINE_FREQUENCY, 3), -1); // ERANGE
        QCOMPARE(CamSetControl(V4L2_CID_EXPOSURE_AUTO, 2), -1); // no such item
        QCOMPARE(CamSetControl(V4L2_CID_FOCUS_ABSOLUTE, 102), 0); // rounded to the step of 5
        int value = 0;
        QCOMPARE(CamGetControl(V4L2_CID_FOCUS_ABSOLUTE, &value), 0);
        QCOMPARE(value, 100);

        // Exposure set by hand switches automatic exposure and its frame-rate priority off.
        CamSetCameraSetting(4, 120, 2);
        QTRY_COMPARE(config.ControlValue(V4L2_CID_EXPOSURE_ABSOLUTE), 120);
        QCOMPARE(config.ControlValue(V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
        QCOMPARE(config.ControlValue(V4L2_CID_EXPOSURE_AUTO_PRIORITY), 0);
        int minimum, maximum, step, current, def, flags;
        QCOMPARE(CamGetCameraSetting(4, &minimum, &maximum, &step, &current, &def, &flags), 0);
        QCOMPARE(QList<int>({minimum, maximum, current, def, flags}), QList<int>({3, 2047, 120, 250, 2}));
        QCOMPARE(CamListControls(list, 64), n);
        for (int i = 0; i < n; ++i)
            if (list[i].id == V4L2_CID_EXPOSURE_ABSOLUTE)
                QVERIFY(!(list[i].flags & LASER_CONTROL_INACTIVE));
        CamSetFilterSettingPct(0, 0.5f, 2);
        QTRY_COMPARE(config.ControlValue(V4L2_CID_BRIGHTNESS), 128);
        CamSetFilterSetting(7, 3000, 2); // white balance by hand
        QTRY_COMPARE(config.ControlValue(V4L2_CID_WHITE_BALANCE_TEMPERATURE), 3000);
        QCOMPARE(config.ControlValue(V4L2_CID_AUTO_WHITE_BALANCE), 0);
    }

    // Extended controls are all-or-nothing: one bad value leaves every control as it was.
    void extendedControls()
    {
        FakeV4L2::Config config;
        QVERIFY(config.Write({Camera("hd60")}));
        QTRY_COMPARE(CamListDevices(), 1);
        const int fd = open("/dev/video0", O_RDWR);
        QVERIFY(fd >= 0);
        v4l2_ext_control c[2]{};
        c[0].id = V4L2_CID_GAIN;
        c[0].value = 40;
        c[1].id = V4L2_CID_POWER_LINE_FREQUENCY;
        c[1].value = 7;
        v4l2_ext_controls ext{};
        ext.which = V4L2_CTRL_WHICH_CUR_VAL;
        ext.count = 2;
        ext.controls = c;
        QCOMPARE(Xioctl(fd, VIDIOC_S_EXT_CTRLS, &ext), ERANGE);
        QCOMPARE(ext.error_idx, 2u);
        QCOMPARE(Xioctl(fd, VIDIOC_TRY_EXT_CTRLS, &ext), ERANGE);
        QCOMPARE(ext.error_idx, 1u);
        c[1].value = 0;
        QCOMPARE(Xioctl(fd, VIDIOC_S_EXT_CTRLS, &ext), 0);
        c[0].value = c[1].value = -1;
        QCOMPARE(Xioctl(fd, VIDIOC_G_EXT_CTRLS, &ext), 0);
        QCOMPARE(c[0].value, 40);
        QCOMPARE(c[1].value, 0);
        ext.which = V4L2_CTRL_WHICH_DEF_VAL;
        QCOMPARE(Xioctl(fd, VIDIOC_G_EXT_CTRLS, &ext), 0);
        QCOMPARE(c[1].value, 2);
        v4l2_query_ext_ctrl q{};
        q.id = V4L2_CID_WHITE_BALANCE_TEMPERATURE;
        QCOMPARE(Xioctl(fd, VIDIOC_QUERY_EXT_CTRL, &q), 0);
        QCOMPARE(q.maximum, int64_t(6500));
        QVERIFY(q.flags & V4L2_CTRL_FLAG_INACTIVE);
        close(fd);
    }
};

int main(int argc, char **argv)
{
    FakeV4L2::Preload(argv);
    QCoreApplication app(argc, argv);
    TestWebcamDevice test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webcamdevice.moc"
