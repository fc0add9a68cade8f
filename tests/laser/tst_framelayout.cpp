// Tests of the frame hand-over layout: FrameBlock bytes and the program's buffer conventions.
#include "framedata.h"
#include "frameprocessor.h"
#include "homography.h"

#include <QtTest>

#include <cstring>

extern "C" int LaserHeaderBlockSize(void);

class TestFrameLayout : public QObject
{
    Q_OBJECT

private slots:
    void blockBytes();
    void strides_data();
    void strides();
    void detectionBufferMarksLaserPixels();
};

void TestFrameLayout::blockBytes()
{
    QCOMPARE(LaserHeaderBlockSize(), 324);
    FrameData f;
    f.shotCount = 2;
    f.shots[0].x = 10.25;
    f.shots[0].y = 20.5;
    f.shots[0].cx = 300.0;
    f.shots[0].cy = 400.0;
    f.shots[1].x = 1.0;
    f.peak = 201;
    FrameBlock block;
    std::memset(&block, 0xAB, sizeof block);
    f.WriteBlock(&block);
    const auto *bytes = reinterpret_cast<const unsigned char *>(&block);
    auto i32 = [&](int offset) { int32_t v; std::memcpy(&v, bytes + offset, 4); return v; };
    auto f64 = [&](int offset) { double v; std::memcpy(&v, bytes + offset, 8); return v; };
    QCOMPARE(i32(4), 1);
    QCOMPARE(f64(8), 10.25);
    QCOMPARE(f64(16), 20.5);
    QCOMPARE(f64(24), 300.0);
    QCOMPARE(f64(32), 400.0);
    QCOMPARE(i32(40 + 4), 1);
    QCOMPARE(f64(40 + 8), 1.0);
    for (int k = 2; k < 8; ++k) // unused records are cleared, not left over
        QCOMPARE(i32(40 * k + 4), 0);
    QCOMPARE(i32(320), 201);
}

void TestFrameLayout::strides_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("colourStride");
    QTest::addColumn<int>("greyStride");
    QTest::newRow("640") << 640 << 1920 << 640;
    QTest::newRow("641") << 641 << 1924 << 644;
    QTest::newRow("322") << 322 << 968 << 324;
}

void TestFrameLayout::strides()
{
    QFETCH(int, width);
    QFETCH(int, colourStride);
    QFETCH(int, greyStride);
    FrameData f;
    f.Resize(width, 10);
    QCOMPARE(f.colourStride, colourStride);
    QCOMPARE(f.greyStride, greyStride);
    QCOMPARE(int(f.colour.size()), colourStride * 10);
    QCOMPARE(int(f.detection.size()), greyStride * 10);
}

void TestFrameLayout::detectionBufferMarksLaserPixels()
{
    cv::Mat dark(480, 640, CV_8UC3, cv::Scalar::all(0));
    FrameProcessor p;
    FrameData f;
    p.Process(dark, 640, 480, DetectorThresholds(), Homography(), f); // background
    cv::Mat lit = dark.clone();
    lit(cv::Rect(100, 50, 3, 3)).setTo(cv::Scalar::all(250));
    p.Process(lit, 640, 480, DetectorThresholds(), Homography(), f);
    QCOMPARE(f.shotCount, 1);
    QCOMPARE(f.peak, 250);
    int zeros = 0, ones = 0;
    for (int row = 0; row < 480; ++row)
        for (int x = 0; x < 640; ++x) {
            const int v = f.detection[row * f.greyStride + x];
            const int upright = 479 - row;
            const bool inSpot = x >= 100 && x < 103 && upright >= 50 && upright < 53;
            if (v == 0) {
                ++zeros;
                QVERIFY(inSpot);
            } else if (v == 1) {
                ++ones; // black picture pixels are raised to 1, never 0
            }
        }
    QCOMPARE(zeros, 9);
    QCOMPARE(ones, 640 * 480 - 9);
    // Upright coordinates, pixel centres at +0.5: the 3x3 square's centre is (101.5, 51.5).
    QCOMPARE(f.shots[0].x, 101.5);
    QCOMPARE(f.shots[0].y, 51.5);
    QCOMPARE(f.shots[0].pixels, 9);
}

QTEST_APPLESS_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
