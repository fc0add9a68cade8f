// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the capture statistics: the frame-rate and drop arithmetic, a camera slot fed by a
// source with sequence numbers, and CamGetCaptureStats on a simulated camera.
#include "cameraslot.h"
#include "capturecounter.h"
#include "framesource.h"
#include "laser.h"

#include <QtTest>

#include <deque>

namespace {

// A source that hands out scripted frames: each with the driver's sequence number, or as a
// buffer that fails to decode. Ends (as if unplugged) when the script is used up.
class SequencedSource : public FrameSource
{
public:
    struct Step
    {
        uint32_t sequence;
        bool decodes;
    };
    explicit SequencedSource(std::deque<Step> s) : steps(std::move(s)) {}

    bool Open(int w, int h) override
    {
        info.askedFps = 60.0;
        info.sequenceKnown = true;
        info.width = w * 2; // as if the device delivered more than asked
        info.height = h * 2;
        info.pixelFormat = 0x47504a4d; // 'MJPG'
        return true;
    }
    int Grab(cv::Mat &picture, int64_t &timestampUs, int) override
    {
        if (steps.empty())
            return -1;
        const Step step = steps.front();
        steps.pop_front();
        info.Sequence(step.sequence);
        if (!step.decodes) {
            ++info.decodeFailures;
            return 0;
        }
        picture = cv::Mat(480, 640, CV_8UC3, cv::Scalar::all(90));
        timestampUs = MonotonicMicros();
        return 1;
    }
    bool GetSetting(SettingGroup, int, SettingInfo &) override { return false; }
    void SetSetting(SettingGroup, int, int, int) override {}
    CaptureInfo Capture() const override { return info; }

private:
    std::deque<Step> steps;
    CaptureInfo info;
};

QString WriteScenario(QTemporaryDir &dir, int fps)
{
    QFile f(dir.filePath("steady.json"));
    f.open(QIODevice::WriteOnly);
    f.write(QString(R"({"name": "Steady", "fps": %1, "noise": 2, "random": {"every_ms": 400},
        "loop": true})").arg(fps).toUtf8());
    return f.fileName();
}

} // namespace

class TestCaptureStats : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        CamSelectCamera(0);
        CamFree();
        qunsetenv("LASER_SOURCES");
    }

    // Frames stamped at the given multiples of the period (30 fps); dropped frames are the
    // whole periods missing between them, jitter up to half a period is none.
    void droppedByFrameTime_data()
    {
        QTest::addColumn<QVector<double>>("periods");
        QTest::addColumn<int>("dropped");
        QTest::newRow("steady") << QVector<double>{0, 1, 2, 3, 4} << 0;
        QTest::newRow("jitter") << QVector<double>{0, 1.4, 2, 3.45, 4} << 0;
        QTest::newRow("one lost") << QVector<double>{0, 1, 3, 4} << 1;
        QTest::newRow("three lost, late") << QVector<double>{0, 1, 5.2, 6} << 3;
        QTest::newRow("two gaps") << QVector<double>{0, 2, 3, 6} << 3;
        QTest::newRow("one frame") << QVector<double>{0} << 0;
    }
    void droppedByFrameTime()
    {
        QFETCH(QVector<double>, periods);
        QFETCH(int, dropped);
        CaptureCounter counter;
        counter.Reset(30.0);
        const int64_t start = 5000000;
        for (double p : periods) {
            const int64_t t = start + int64_t(p * 1e6 / 30.0);
            counter.Frame(t, t);
        }
        QCOMPARE(counter.DroppedByTime(), int64_t(dropped));
        QCOMPARE(counter.Delivered(), int64_t(periods.size()));
    }

    // The rate over the last second: steady streams at their rate, a stream that stopped
    // falls to what the second still holds, then to 0; nothing before the first frame.
    void measuredRate_data()
    {
        QTest::addColumn<double>("fps");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("askedAfterLastMs");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("30 fps") << 30.0 << 90 << 10 << 30.0 << 0.01;
        QTest::newRow("60 fps") << 60.0 << 200 << 5 << 60.0 << 0.01;
        QTest::newRow("5 fps, dim room") << 5.0 << 20 << 100 << 5.0 << 0.01;
        QTest::newRow("300 fps, more than the ring holds") << 300.0 << 600 << 1 << 300.0 << 0.01;
        QTest::newRow("stopped half a second ago") << 30.0 << 90 << 500 << 15.0 << 1.0;
        QTest::newRow("stopped two seconds ago") << 30.0 << 90 << 2000 << 0.0 << 0.0;
        QTest::newRow("no frame yet") << 30.0 << 0 << 0 << 0.0 << 0.0;
    }
    void measuredRate()
    {
        QFETCH(double, fps);
        QFETCH(int, frames);
        QFETCH(int, askedAfterLastMs);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        CaptureCounter counter;
        counter.Reset(fps);
        int64_t t = 1000000;
        for (int i = 0; i < frames; ++i) {
            t = 1000000 + int64_t(i * 1e6 / fps);
            counter.Frame(t, t);
        }
        const int64_t now = t + askedAfterLastMs * 1000;
        const double measured = counter.MeasuredFps(now);
        QVERIFY2(std::abs(measured - expected) <= tolerance, qPrintable(QString::number(measured)));
        QCOMPARE(counter.LastFrameAgeUs(now), frames ? int64_t(askedAfterLastMs) * 1000 : int64_t(-1));
    }

    // Dropped frames of a real camera come from its sequence numbers; a frame that arrives but
    // does not decode is a decode failure, not a drop.
    void slotWithSequenceNumbers()
    {
        std::deque<SequencedSource::Step> steps = {
            {10, true}, {11, true}, {14, true}, {15, false}, {16, true}, {20, false}, {21, true}, {3, true}, {5, true}};
        CameraSlot slot;
        QVERIFY(slot.Open(std::make_unique<SequencedSource>(steps), "seq", 640, 480, false) > 0);
        LaserCaptureStats stats;
        QVERIFY(slot.CaptureStats(stats));
        QCOMPARE(stats.askedFps, 60.0);
        QCOMPARE(stats.framesDelivered, int64_t(0));
        QCOMPARE(stats.lastFrameAgeUs, int64_t(-1));
        // A source that ends closes the slot, which then reports nothing.
        for (int i = 0; i < 20 && slot.ReadFrame(nullptr) != LASER_NOT_OPEN; ++i) {
        }
        QVERIFY(!slot.IsOpen());
        QVERIFY(!slot.CaptureStats(stats));
        QCOMPARE(stats.framesDelivered, int64_t(0));

        QVERIFY(slot.Open(std::make_unique<SequencedSource>(steps), "seq", 640, 480, false) > 0);
        for (int i = 0; i < int(steps.size()); ++i)
            slot.ReadFrame(nullptr);
        QVERIFY(slot.CaptureStats(stats));
        QCOMPARE(stats.sequenceKnown, 1);
        QCOMPARE(stats.framesDelivered, int64_t(7));
        QCOMPARE(stats.decodeFailures, int64_t(2));
        // 12-13, 17-19, and 4 after the numbers started again at 3.
        QCOMPARE(stats.framesDropped, int64_t(2 + 3 + 1));
        QCOMPARE(stats.lastSequence, uint32_t(5));
        QCOMPARE(stats.width, 1280);
        QCOMPARE(stats.height, 960);
        QCOMPARE(stats.pixelFormat, uint32_t(0x47504a4d));
        QVERIFY(stats.lastFrameAgeUs >= 0 && stats.lastFrameAgeUs < 1000000);
    }

    // Through the C interface, on a simulated camera at 30 fps read as the program reads it.
    void simulatedCamera()
    {
        QTemporaryDir dir;
        qputenv("LASER_SOURCES", WriteScenario(dir, 30).toUtf8());
        CamEnableThreading();
        CamSelectCamera(0);
        LaserCaptureStats stats;
        stats.framesDelivered = 99;
        QCOMPARE(CamGetCaptureStats(&stats), LASER_NOT_OPEN);
        QCOMPARE(stats.framesDelivered, int64_t(0));
        QCOMPARE(CamGetCaptureStats(nullptr), -1);

        QVERIFY(CamInit(CamListDevices() - 1, 640, 480) > 0);
        QElapsedTimer timer;
        timer.start();
        int read = 0;
        while (timer.elapsed() < 1500) {
            if (CamReadFrame(nullptr) >= 0)
                ++read;
            QTest::qWait(10);
        }
        // What waits in the queue is neither read nor dropped: taken first. One frame may still be
        // in processing, and another grabbed while the figures are fetched.
        while (CamReadFrame(nullptr) >= 0)
            ++read;
        QCOMPARE(CamGetCaptureStats(&stats), 0);
        QCOMPARE(stats.askedFps, 30.0);
        QVERIFY2(stats.measuredFps > 24 && stats.measuredFps < 36, qPrintable(QString::number(stats.measuredFps)));
        QVERIFY(stats.framesDelivered >= 35 && stats.framesDelivered <= 50);
        QCOMPARE(stats.framesDropped, int64_t(0)); // a simulator paces itself and loses nothing
        QCOMPARE(stats.sequenceKnown, 0);
        QCOMPARE(stats.decodeFailures, int64_t(0));
        QVERIFY2(stats.framesNotRead + read >= stats.framesDelivered - 2,
                 qPrintable(QString("%1 not read, %2 read, %3 delivered").arg(stats.framesNotRead).arg(read).arg(stats.framesDelivered)));
        QCOMPARE(stats.width, 640);
        QCOMPARE(stats.pixelFormat, uint32_t(0));

        // Another camera not open reports nothing, the first still does after it.
        CamSelectCamera(2);
        QCOMPARE(CamGetCaptureStats(&stats), LASER_NOT_OPEN);
        CamSelectCamera(0);
        QCOMPARE(CamGetCaptureStats(&stats), 0);
        CamFree();
        QCOMPARE(CamGetCaptureStats(&stats), LASER_NOT_OPEN);
    }
};

QTEST_GUILESS_MAIN(TestCaptureStats)
#include "tst_capturestats.moc"
