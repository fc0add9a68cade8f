// Tests of spot detection: thresholds, centre accuracy and the one-shot-per-pulse rule.
#include "frameprocessor.h"
#include "homography.h"
#include "pulsefilter.h"
#include "spotdetector.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

namespace {

// A soft-edged disc as a laser spot looks to a camera: full inside, fading over 2 pixels.
void DrawDisc(cv::Mat &grey, double x, double y, double radius, int amplitude)
{
    for (int py = 0; py < grey.rows; ++py)
        for (int px = 0; px < grey.cols; ++px) {
            const double d = std::hypot(px + 0.5 - x, py + 0.5 - y);
            const double a = std::clamp((radius + 1.0 - d) / 2.0, 0.0, 1.0);
            if (a > 0)
                grey.at<uint8_t>(py, px) = cv::saturate_cast<uint8_t>(grey.at<uint8_t>(py, px) + a * amplitude);
        }
}

struct Detection
{
    std::vector<Spot> spots;
    int peak = 0;
};

// Detects on a background frame, then on the frame with spots; rows top first.
Detection Detect(const cv::Mat &background, const cv::Mat &frame, const DetectorThresholds &t)
{
    SpotDetector d;
    cv::Mat det(frame.size(), CV_8UC1);
    Detection r;
    d.Detect(background.data, int(background.step), background.cols, background.rows, false,
             det.data, int(det.step), t, r.spots);
    r.peak = d.Detect(frame.data, int(frame.step), frame.cols, frame.rows, false, det.data,
                      int(det.step), t, r.spots);
    return r;
}

} // namespace

class TestSpotDetector : public QObject
{
    Q_OBJECT

private slots:
    void thresholds_data();
    void thresholds();
    void subPixelCentre_data();
    void subPixelCentre();
    void pulses_data();
    void pulses();
    void strongestFirst();
    void haloFragmentsAreOneShot_data();
    void haloFragmentsAreOneShot();
    void sceneChangeIsNoShot_data();
    void sceneChangeIsNoShot();
};

void TestSpotDetector::thresholds_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("luminance");
    QTest::addColumn<int>("minSize");
    QTest::addColumn<int>("maxSize");
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<double>("radius");
    QTest::addColumn<bool>("found");
    // A spot counts when its core closes luminance/255 of the gap between background and white.
    QTest::newRow("bright spot, defaults") << 90 << 100 << 1 << 5000 << 120 << 3.0 << true;
    QTest::newRow("closes enough of the gap") << 90 << 100 << 1 << 5000 << 70 << 3.0 << true;
    QTest::newRow("closes too little of the gap") << 90 << 100 << 1 << 5000 << 55 << 3.0 << false;
    QTest::newRow("higher threshold is less sensitive") << 90 << 200 << 1 << 5000 << 120 << 3.0 << false;
    QTest::newRow("lower threshold is more sensitive") << 90 << 40 << 1 << 5000 << 55 << 3.0 << true;
    QTest::newRow("smaller than min size") << 90 << 100 << 60 << 5000 << 120 << 3.0 << false;
    QTest::newRow("within min size") << 90 << 100 << 20 << 5000 << 120 << 3.0 << true;
    QTest::newRow("larger than max size") << 90 << 100 << 1 << 100 << 120 << 8.0 << false;
    QTest::newRow("within max size") << 90 << 100 << 1 << 400 << 120 << 8.0 << true;
    // A spot on a bright wall can only rise to white: saturating is all it can do.
    QTest::newRow("saturating on a bright wall") << 230 << 100 << 1 << 5000 << 100 << 3.0 << true;
    QTest::newRow("faint on a bright wall") << 200 << 100 << 1 << 5000 << 15 << 3.0 << false;
    QTest::newRow("faint in a dark room") << 10 << 100 << 1 << 5000 << 80 << 3.0 << false;
    QTest::newRow("bright in a dark room") << 10 << 100 << 1 << 5000 << 120 << 3.0 << true;
    QTest::newRow("255 asks for saturation") << 10 << 255 << 1 << 5000 << 240 << 3.0 << false;
}

void TestSpotDetector::thresholds()
{
    QFETCH(int, level);
    QFETCH(int, luminance);
    QFETCH(int, minSize);
    QFETCH(int, maxSize);
    QFETCH(int, amplitude);
    QFETCH(double, radius);
    QFETCH(bool, found);
    const cv::Mat background(120, 160, CV_8UC1, cv::Scalar(level));
    cv::Mat frame = background.clone();
    DrawDisc(frame, 80.3, 60.7, radius, amplitude);
    DetectorThresholds t;
    t.luminance = luminance;
    t.minSize = minSize;
    t.maxSize = maxSize;
    const Detection r = Detect(background, frame, t);
    QCOMPARE(int(r.spots.size()), found ? 1 : 0);
    QCOMPARE(r.peak, std::min(255, level + amplitude));
}

void TestSpotDetector::subPixelCentre_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("radius");
    QTest::newRow("centre of a pixel") << 50.5 << 40.5 << 3.0;
    QTest::newRow("pixel corner") << 61.0 << 33.0 << 2.5;
    QTest::newRow("arbitrary") << 70.37 << 44.81 << 4.0;
    QTest::newRow("small") << 20.73 << 22.18 << 1.5;
}

void TestSpotDetector::subPixelCentre()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, radius);
    const cv::Mat background(90, 120, CV_8UC1, cv::Scalar(60));
    cv::Mat frame = background.clone();
    DrawDisc(frame, x, y, radius, 150);
    const Detection r = Detect(background, frame, DetectorThresholds());
    QCOMPARE(int(r.spots.size()), 1);
    const double error = std::hypot(r.spots[0].x - x, r.spots[0].y - y);
    QVERIFY2(error < 0.1, qPrintable(QString("off by %1 px").arg(error)));
}

void TestSpotDetector::pulses_data()
{
    // Each frame: whether the laser is on, and where (x); the shots expected per frame.
    QTest::addColumn<QVector<int>>("positions"); // -1: laser off
    QTest::addColumn<QVector<int>>("shots");
    QTest::addColumn<int>("minDistance");
    QTest::newRow("pulse over 3 frames is one shot")
        << QVector<int>{-1, 40, 40, 40, -1} << QVector<int>{0, 1, 0, 0, 0} << 30;
    // 200 ms apart at 30 fps: six frames dark between them.
    QTest::newRow("two pulses 200 ms apart at one place")
        << QVector<int>{-1, 40, 40, -1, -1, -1, -1, -1, -1, 40, 40}
        << QVector<int>{0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0} << 30;
    QTest::newRow("moved within min distance is the same pulse")
        << QVector<int>{-1, 40, 55, 70} << QVector<int>{0, 1, 0, 0} << 30;
    QTest::newRow("jump beyond min distance is a new shot")
        << QVector<int>{-1, 40, 100} << QVector<int>{0, 1, 1} << 30;
    QTest::newRow("overlapping spot is the same pulse even at distance 0")
        << QVector<int>{-1, 40, 43} << QVector<int>{0, 1, 0} << 0;
}

void TestSpotDetector::pulses()
{
    QFETCH(QVector<int>, positions);
    QFETCH(QVector<int>, shots);
    QFETCH(int, minDistance);
    DetectorThresholds t;
    t.minDistance = minDistance;
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    for (int i = 0; i < positions.size(); ++i) {
        cv::Mat picture(120, 160, CV_8UC3, cv::Scalar::all(80));
        if (positions[i] >= 0)
            cv::circle(picture, {positions[i], 60}, 3, cv::Scalar(200, 200, 255), cv::FILLED);
        processor.Process(picture, 160, 120, t, h, frame);
        QVERIFY2(frame.shotCount == shots[i],
                 qPrintable(QString("frame %1: %2 shots").arg(i).arg(frame.shotCount)));
    }
}

void TestSpotDetector::strongestFirst()
{
    const cv::Mat background(120, 400, CV_8UC1, cv::Scalar(50));
    cv::Mat frame = background.clone();
    for (int i = 0; i < 8; ++i)
        DrawDisc(frame, 20 + 45 * i, 60, 2.0, 100 + 15 * i); // brighter to the right
    const Detection r = Detect(background, frame, DetectorThresholds());
    QCOMPARE(int(r.spots.size()), 8);
    PulseFilter filter;
    Spot shots[8];
    const int n = filter.Filter(r.spots, 30, false, shots, 5);
    QCOMPARE(n, 5);
    for (int i = 0; i < n; ++i) // the three faintest (leftmost) are the ones left out
        QVERIFY2(qAbs(shots[i].x - (20 + 45 * (7 - i))) < 0.5, qPrintable(QString::number(shots[i].x)));
}

void TestSpotDetector::haloFragmentsAreOneShot_data()
{
    QTest::addColumn<int>("fragmentDistance");
    QTest::addColumn<int>("shots");
    QTest::newRow("fragments beside the spot") << 9 << 1;
    QTest::newRow("separate spots far apart") << 60 << 3;
}

void TestSpotDetector::haloFragmentsAreOneShot()
{
    QFETCH(int, fragmentDistance);
    QFETCH(int, shots);
    const cv::Mat background(120, 200, CV_8UC1, cv::Scalar(60));
    cv::Mat frame = background.clone();
    DrawDisc(frame, 50, 60, 4.0, 150);
    // Two faint bits of halo that do not touch the spot.
    DrawDisc(frame, 50 + fragmentDistance, 60, 1.0, 160);
    DrawDisc(frame, 50, 60 + fragmentDistance, 1.0, 160);
    const Detection r = Detect(background, frame, DetectorThresholds());
    QCOMPARE(int(r.spots.size()), 3);
    PulseFilter filter;
    Spot out[8];
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, out, 8), shots);
    QVERIFY(qAbs(out[0].x - 50) < 0.1 && qAbs(out[0].y - 60) < 0.1); // the strong one first
}

void TestSpotDetector::sceneChangeIsNoShot_data()
{
    QTest::addColumn<int>("lights");
    QTest::addColumn<int>("shots");
    QTest::newRow("three shooters at once") << 3 << 3;
    QTest::newRow("eight at once, as many as a frame holds") << 8 << 8;
    QTest::newRow("nine lights: the scene changed") << 9 << 0;
    QTest::newRow("lights everywhere") << 20 << 0;
}

void TestSpotDetector::sceneChangeIsNoShot()
{
    QFETCH(int, lights);
    QFETCH(int, shots);
    const cv::Mat background(240, 400, CV_8UC1, cv::Scalar(60));
    cv::Mat frame = background.clone();
    for (int i = 0; i < lights; ++i)
        DrawDisc(frame, 30 + 70 * (i % 5), 30 + 50 * (i / 5), 3.0, 120);
    const Detection r = Detect(background, frame, DetectorThresholds());
    QCOMPARE(int(r.spots.size()), lights);
    PulseFilter filter;
    Spot out[8];
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, out, 8), shots);
    // The lights are remembered all the same: still lit in the next frame, they are no shots.
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, out, 8), 0);
}

QTEST_APPLESS_MAIN(TestSpotDetector)
#include "tst_spotdetector.moc"
