// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the frame hand-over: FrameBlock bytes, buffer conventions, and the queue between
// the camera thread and the program with its drop-oldest rule. The queue's locking is checked
// by the thread sanitizer on the C interface's threaded cameras (tst_laserapi).
#include "framequeue.h"
#include "frameprocessor.h"
#include "homography.h"

#include <QtTest>

#include <cstring>

extern "C" int LaserHeaderBlockSize(void);

namespace {

// Publishes a frame whose shots carry its number in x.
void PublishFrame(FrameQueue &q, int number, int shots)
{
    FrameData *f = q.AcquireWritable();
    f->shotCount = shots;
    for (int i = 0; i < shots; ++i)
        f->shots[i].x = number * 100 + i;
    f->peak = number;
    q.Publish(f);
}

} // namespace

class TestFrameQueue : public QObject
{
    Q_OBJECT

private slots:
    // A frame as the camera thread makes it, and the block CamReadFrame fills from it.
    void frameAndBlock()
    {
        // 641 pixels wide: rows of colour and grey are padded to a multiple of 4 bytes.
        cv::Mat dark(480, 641, CV_8UC3, cv::Scalar::all(0));
        FrameProcessor p;
        FrameData f;
        p.Process(dark, 641, 480, DetectorThresholds(), Homography(), f); // background
        cv::Mat lit = dark.clone();
        lit(cv::Rect(100, 50, 3, 3)).setTo(cv::Scalar::all(250));
        p.Process(lit, 641, 480, DetectorThresholds(), Homography(), f);
        QCOMPARE(f.colourStride, 1924);
        QCOMPARE(f.greyStride, 644);
        QCOMPARE(int(f.colour.size()), 1924 * 480);
        QCOMPARE(int(f.detection.size()), 644 * 480);
        QCOMPARE(f.shotCount, 1);
        QCOMPARE(f.peak, 250);
        // Bottom row first: laser pixels are 0, black picture pixels are raised to 1, never 0.
        cv::Mat detection(480, 641, CV_8UC1, f.detection.data(), size_t(f.greyStride));
        cv::Mat expected(480, 641, CV_8UC1, cv::Scalar(1));
        expected(cv::Rect(100, 479 - 52, 3, 3)) = 0;
        QCOMPARE(cv::countNonZero(detection != expected), 0);
        // Upright coordinates, pixel centres at +0.5: the 3x3 square's centre is (101.5, 51.5).
        QCOMPARE(f.shots[0].x, 101.5);
        QCOMPARE(f.shots[0].y, 51.5);
        QCOMPARE(f.shots[0].pixels, 9);
        // The block, as C sees it: a record of kind 1 with the shot, the others cleared rather than
        // left over, the peak at byte 320.
        QCOMPARE(LaserHeaderBlockSize(), 324);
        FrameBlock block;
        std::memset(&block, 0xAB, sizeof block);
        f.WriteBlock(&block);
        const auto *bytes = reinterpret_cast<const unsigned char *>(&block);
        auto i32 = [&](int offset) { int32_t v; std::memcpy(&v, bytes + offset, 4); return v; };
        auto f64 = [&](int offset) { double v; std::memcpy(&v, bytes + offset, 8); return v; };
        QCOMPARE(i32(4), 1);
        QCOMPARE(QList<double>({f64(8), f64(16), f64(24), f64(32)}),
                 QList<double>({101.5, 51.5, f.shots[0].cx, f.shots[0].cy}));
        for (int k = 1; k < 8; ++k)
            QCOMPARE(i32(40 * k + 4), 0);
        QCOMPARE(i32(320), 250);
    }

    void dropsOldestKeepingShots_data()
    {
        // Frames 1, 2, ... published with these shots, then all taken: the frames handed out, and
        // every shot they carry in order.
        QTest::addColumn<int>("depth");
        QTest::addColumn<QVector<int>>("shotsPerFrame");
        QTest::addColumn<QVector<int>>("taken");
        QTest::addColumn<QVector<double>>("shots");
        // Depth 2: frames 1-4 published, 1 and 2 dropped, 3 is handed out with their shots.
        QTest::newRow("shots move on") << 2 << QVector<int>{1, 1, 1, 0} << QVector<int>{3, 4}
                                       << QVector<double>{100, 200, 300};
        QTest::newRow("at most eight, oldest first")
            << 2 << QVector<int>{5, 5, 2, 0} << QVector<int>{3, 4}
            << QVector<double>{100, 101, 102, 103, 104, 200, 201, 202};
        // Depth 1: a dropped frame leaves nothing waiting, so its shots wait for the next frame,
        // and are handed on once only.
        QTest::newRow("depth 1, carried once") << 1 << QVector<int>{1, 0, 0} << QVector<int>{3}
                                               << QVector<double>{100};
    }

    void dropsOldestKeepingShots()
    {
        QFETCH(int, depth);
        QFETCH(QVector<int>, shotsPerFrame);
        QFETCH(QVector<int>, taken);
        QFETCH(QVector<double>, shots);
        FrameQueue q(depth);
        QVERIFY(!q.Take());
        for (int i = 0; i < shotsPerFrame.size(); ++i)
            PublishFrame(q, i + 1, shotsPerFrame[i]);
        QCOMPARE(q.Dropped(), long(shotsPerFrame.size() - taken.size()));
        QCOMPARE(q.Waiting(), taken.size());
        QVector<int> peaks;
        QVector<double> xs;
        while (FrameData *f = q.Take()) {
            peaks << f->peak;
            for (int i = 0; i < f->shotCount; ++i)
                xs << f->shots[i].x;
        }
        QCOMPARE(peaks, taken);
        QCOMPARE(xs, shots);
        // The frame last taken is never reused while it is read, however often the writer laps
        // the reader; the next take hands out the oldest frame still waiting.
        FrameData *current = q.Current();
        for (int i = 100; i < 120; ++i)
            PublishFrame(q, i, 0);
        QCOMPARE(q.Current(), current);
        QCOMPARE(current->peak, taken.last());
        QCOMPARE(q.Take()->peak, 120 - depth);
    }
};

QTEST_APPLESS_MAIN(TestFrameQueue)
#include "tst_framequeue.moc"
