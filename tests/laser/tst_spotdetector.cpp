// Tests of spot detection: thresholds, centre accuracy and the one-shot-per-pulse rule.
#include "corewhiteness.h"
#include "frameprocessor.h"
#include "homography.h"
#include "outshine.h"
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
    void wholeFrameChange_data();
    void wholeFrameChange();
    void whiteCore_data();
    void whiteCore();
    void noiseSpecks_data();
    void noiseSpecks();
    void streakTakesNextRoundSpot_data();
    void streakTakesNextRoundSpot();
    void elongation_data();
    void elongation();
    void outshine_data();
    void outshine();
    void edgeOfBrightArea_data();
    void edgeOfBrightArea();
    void anySourceSize_data();
    void anySourceSize();
    void movingThings_data();
    void movingThings();
    void uncoveredArea_data();
    void uncoveredArea();
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
    // Large enough that the biggest spot is no change of the whole scene.
    const cv::Mat background(240, 320, CV_8UC1, cv::Scalar(level));
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
    QTest::addColumn<int>("fps");
    QTest::newRow("pulse over 3 frames is one shot")
        << QVector<int>{-1, 40, 40, 40, -1} << QVector<int>{0, 1, 0, 0, 0} << 30 << 30;
    // 200 ms apart at 30 fps: six frames dark between them.
    QTest::newRow("two pulses 200 ms apart at one place")
        << QVector<int>{-1, 40, 40, -1, -1, -1, -1, -1, -1, 40, 40}
        << QVector<int>{0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0} << 30 << 30;
    QTest::newRow("moved within min distance is the same pulse")
        << QVector<int>{-1, 40, 55, 70} << QVector<int>{0, 1, 0, 0} << 30 << 30;
    QTest::newRow("hand moving 50 px during the pulse is the same pulse")
        << QVector<int>{-1, 40, 90} << QVector<int>{0, 1, 0} << 30 << 30;
    QTest::newRow("far from the pulse in the next frame is a new shot")
        << QVector<int>{-1, 40, 140} << QVector<int>{0, 1, 1} << 30 << 30;
    QTest::newRow("overlapping spot is the same pulse even at distance 0")
        << QVector<int>{-1, 40, 43} << QVector<int>{0, 1, 0} << 0 << 30;
    QTest::newRow("flickering out for two frames is the same pulse")
        << QVector<int>{-1, 40, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0} << 30 << 30;
    QTest::newRow("dark for four frames: a new pulse")
        << QVector<int>{-1, 40, -1, -1, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0, 0, 1} << 30 << 30;
    QTest::newRow("60 fps: dark for 83 ms is the same pulse")
        << QVector<int>{-1, 40, -1, -1, -1, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0, 0, 0, 0}
        << 30 << 60;
    QTest::newRow("8 fps: lit in two frames in a row is one pulse")
        << QVector<int>{-1, 40, 40} << QVector<int>{0, 1, 0} << 30 << 8;
    QTest::newRow("8 fps: lit again after a dark frame is a new shot")
        << QVector<int>{-1, 40, -1, 40} << QVector<int>{0, 1, 0, 1} << 30 << 8;
    // A slow camera loses a fading pulse for a frame or two; back on its place, it is that pulse.
    QTest::newRow("24 fps: back on its place after two dark frames is the same pulse")
        << QVector<int>{-1, 40, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0} << 30 << 24;
    QTest::newRow("15 fps: back on its place after a dark frame is the same pulse")
        << QVector<int>{-1, 40, -1, 40} << QVector<int>{0, 1, 0, 0} << 30 << 15;
    QTest::newRow("24 fps: two dark frames, then beside the place: a new shot")
        << QVector<int>{-1, 40, -1, -1, 50} << QVector<int>{0, 1, 0, 0, 1} << 30 << 24;
    QTest::newRow("24 fps: three dark frames: a new shot")
        << QVector<int>{-1, 40, -1, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0, 1} << 30 << 24;
}

void TestSpotDetector::pulses()
{
    QFETCH(QVector<int>, positions);
    QFETCH(QVector<int>, shots);
    QFETCH(int, minDistance);
    QFETCH(int, fps);
    DetectorThresholds t;
    t.minDistance = minDistance;
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    for (int i = 0; i < positions.size(); ++i) {
        cv::Mat picture(120, 200, CV_8UC3, cv::Scalar::all(80));
        if (positions[i] >= 0)
            cv::circle(picture, {positions[i], 60}, 3, cv::Scalar(200, 200, 255), cv::FILLED);
        processor.Process(picture, int64_t(i) * 1000000 / fps, 200, 120, t, h, frame);
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
    const int n = filter.Filter(r.spots, 30, false, 0, shots, 5);
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
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, 0, out, 8), shots);
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
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, 0, out, 8), shots);
    // The lights are remembered all the same: still lit in the next frame, they are no shots.
    QCOMPARE(filter.Filter(r.spots, LASER_DEFAULT_MIN_DISTANCE, false, 33333, out, 8), 0);
}

void TestSpotDetector::wholeFrameChange_data()
{
    // Each frame brightens the whole picture by `lift` and shows a laser spot.
    QTest::addColumn<int>("lift");
    QTest::addColumn<int>("changedShare"); // percent of the picture that brightens
    QTest::addColumn<int>("shots");
    QTest::newRow("steady scene") << 0 << 100 << 1;
    QTest::newRow("faint flicker everywhere") << 10 << 100 << 1;
    QTest::newRow("light switched on") << 60 << 100 << 0;
    QTest::newRow("a fifth of the picture lit up") << 60 << 20 << 0;
    // Something large moving, not the whole scene: a white laser core still counts.
    QTest::newRow("a twentieth of the picture lit up") << 60 << 5 << 1;
    QTest::newRow("a small patch changed") << 60 << 1 << 1;
}

void TestSpotDetector::wholeFrameChange()
{
    QFETCH(int, lift);
    QFETCH(int, changedShare);
    QFETCH(int, shots);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    const cv::Mat wall(240, 320, CV_8UC3, cv::Scalar::all(70));
    for (int i = 0; i < 3; ++i)
        processor.Process(wall, 320, 240, t, h, frame);
    cv::Mat picture = wall.clone();
    // The changed part is a band at the bottom, away from the spot.
    const int rows = std::max(1, 240 * changedShare / 100);
    picture(cv::Rect(0, 240 - rows, 320, rows)) += cv::Scalar::all(lift);
    cv::circle(picture, {100, 60}, 3, cv::Scalar(230, 230, 255), cv::FILLED);
    processor.Process(picture, 320, 240, t, h, frame);
    QCOMPARE(frame.shotCount, shots);
}

void TestSpotDetector::whiteCore_data()
{
    // A spot's brightest pixel against the colour of the wall around it.
    QTest::addColumn<QVector<int>>("wall"); // red, green, blue
    QTest::addColumn<QVector<int>>("core");
    QTest::addColumn<int>("least"); // whiteness at least
    QTest::addColumn<int>("most");  // and at most
    QTest::addColumn<QVector<int>>("peak");  // the brightest pixel, when it differs from the core
    QTest::addColumn<QVector<int>>("beside"); // one pixel beside it, when it differs
    QTest::newRow("white core on a dark wall") << QVector<int>{30, 30, 30} << QVector<int>{255, 255, 255} << 255 << 255 << QVector<int>{} << QVector<int>{};
    QTest::newRow("red laser core on a dark wall") << QVector<int>{30, 25, 25} << QVector<int>{255, 230, 230} << 200 << 255 << QVector<int>{} << QVector<int>{};
    QTest::newRow("green laser on a bright scene") << QVector<int>{230, 250, 120} << QVector<int>{250, 255, 230} << 200 << 255 << QVector<int>{} << QVector<int>{};
    QTest::newRow("bright yellow patch on the same scene") << QVector<int>{230, 250, 120} << QVector<int>{255, 255, 140} << 0 << 40 << QVector<int>{} << QVector<int>{};
    QTest::newRow("saturated green patch on a dark wall") << QVector<int>{20, 40, 20} << QVector<int>{40, 255, 40} << 0 << 40 << QVector<int>{} << QVector<int>{};
    QTest::newRow("noise dims the brightest pixel of a white core") << QVector<int>{30, 30, 30} << QVector<int>{255, 255, 255} << 200 << 255 << QVector<int>{255, 255, 120} << QVector<int>{};
    QTest::newRow("one white pixel beside a yellow patch's peak") << QVector<int>{230, 250, 120} << QVector<int>{255, 255, 140} << 0 << 40 << QVector<int>{} << QVector<int>{255, 255, 255};
    QTest::newRow("darker than the wall") << QVector<int>{200, 200, 200} << QVector<int>{150, 150, 150} << 0 << 0 << QVector<int>{} << QVector<int>{};
}

void TestSpotDetector::whiteCore()
{
    QFETCH(QVector<int>, wall);
    QFETCH(QVector<int>, core);
    QFETCH(int, least);
    QFETCH(int, most);
    QFETCH(QVector<int>, peak);
    QFETCH(QVector<int>, beside);
    cv::Mat picture(60, 80, CV_8UC3, cv::Scalar(wall[2], wall[1], wall[0]));
    picture(cv::Rect(38, 28, 5, 5)) = cv::Scalar(core[2], core[1], core[0]);
    if (!peak.isEmpty())
        picture.at<cv::Vec3b>(30, 40) = cv::Vec3b(uchar(peak[2]), uchar(peak[1]), uchar(peak[0]));
    if (!beside.isEmpty())
        picture.at<cv::Vec3b>(30, 41) =
            cv::Vec3b(uchar(beside[2]), uchar(beside[1]), uchar(beside[0]));
    Spot s;
    s.boxX = 38;
    s.boxY = 28;
    s.width = 5;
    s.height = 5;
    s.peakColumn = 40;
    s.peakRow = 30;
    const int whiteness = CoreWhiteness(picture.data, int(picture.step), 80, 60, s);
    QVERIFY2(whiteness >= least && whiteness <= most, qPrintable(QString::number(whiteness)));
}

void TestSpotDetector::noiseSpecks_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("radius10"); // radius in tenths of a pixel
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<bool>("found");
    // On a bright wall a tiny rise closes much of the gap to white; a speck of a pixel or two
    // still carries too little light to be a spot, a laser spot of a few pixels does not.
    QTest::newRow("speck on a bright wall") << 225 << 5 << 25 << false;
    QTest::newRow("laser spot on the same wall") << 225 << 25 << 30 << true;
    QTest::newRow("small bright spot in a dark room") << 40 << 8 << 200 << true;
}

void TestSpotDetector::noiseSpecks()
{
    QFETCH(int, level);
    QFETCH(int, radius10);
    QFETCH(int, amplitude);
    QFETCH(bool, found);
    const cv::Mat background(120, 160, CV_8UC1, cv::Scalar(level));
    cv::Mat frame = background.clone();
    DrawDisc(frame, 80.5, 60.5, radius10 / 10.0, amplitude);
    const Detection r = Detect(background, frame, DetectorThresholds());
    QCOMPARE(int(r.spots.size()), found ? 1 : 0);
}

void TestSpotDetector::streakTakesNextRoundSpot_data()
{
    // Frame 1 shows the pulse as a line from (40, 60) to (52, 60) or as a round spot at (52, 60);
    // frame 2 shows a round spot at restX (-1: dark).
    QTest::addColumn<bool>("streak");
    QTest::addColumn<int>("restX");
    QTest::addColumn<int>("shotFrame");
    QTest::addColumn<double>("shotX");
    QTest::newRow("round spot: reported at once") << false << 52 << 1 << 52.5;
    QTest::newRow("streak, then where the laser came to rest") << true << 54 << 2 << 54.5;
    QTest::newRow("streak alone: its own centre, a frame late") << true << -1 << 2 << 46.5;
}

void TestSpotDetector::streakTakesNextRoundSpot()
{
    QFETCH(bool, streak);
    QFETCH(int, restX);
    QFETCH(int, shotFrame);
    QFETCH(double, shotX);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    const cv::Mat wall(240, 320, CV_8UC3, cv::Scalar::all(60));
    int shots = 0;
    for (int i = 0; i < 4; ++i) {
        cv::Mat picture = wall.clone();
        if (i == 1 && streak)
            cv::line(picture, {40, 60}, {52, 60}, cv::Scalar::all(250), 3);
        else if (i == 1)
            cv::circle(picture, {52, 60}, 3, cv::Scalar::all(250), cv::FILLED);
        else if (i == 2 && restX >= 0)
            cv::circle(picture, {restX, 60}, 3, cv::Scalar::all(250), cv::FILLED);
        processor.Process(picture, 320, 240, t, h, frame);
        shots += frame.shotCount;
        if (i == shotFrame) {
            QCOMPARE(frame.shotCount, 1);
            QVERIFY2(qAbs(frame.shots[0].x - shotX) < 0.6, qPrintable(QString::number(frame.shots[0].x)));
        }
    }
    QCOMPARE(shots, 1);
}

void TestSpotDetector::elongation_data()
{
    // An area drawn as a filled shape; its elongation must not depend on its direction.
    QTest::addColumn<int>("kind"); // 0 disc, 1 horizontal bar, 2 diagonal bar, 3 vertical bar
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("most");
    QTest::newRow("disc") << 0 << 1.0 << 1.15;
    QTest::newRow("bar 12 x 3") << 1 << 3.5 << 4.5;
    QTest::newRow("the same bar on the diagonal") << 2 << 3.0 << 5.0;
    QTest::newRow("the same bar upright") << 3 << 3.5 << 4.5;
}

void TestSpotDetector::elongation()
{
    QFETCH(int, kind);
    QFETCH(double, least);
    QFETCH(double, most);
    cv::Mat area(40, 40, CV_8UC1, cv::Scalar(0));
    if (kind == 0)
        cv::circle(area, {20, 20}, 6, cv::Scalar(1), cv::FILLED);
    else if (kind == 1)
        area(cv::Rect(14, 19, 12, 3)) = 1;
    else if (kind == 3)
        area(cv::Rect(19, 14, 3, 12)) = 1;
    else
        cv::line(area, {16, 16}, {24, 24}, cv::Scalar(1), 3);
    int count = 0;
    double mx = 0, my = 0, mxx = 0, myy = 0, mxy = 0;
    for (int y = 0; y < area.rows; ++y)
        for (int x = 0; x < area.cols; ++x)
            if (area.at<uint8_t>(y, x)) {
                ++count;
                mx += x;
                my += y;
                mxx += double(x) * x;
                myy += double(y) * y;
                mxy += double(x) * y;
            }
    const double e = Elongation(count, mx, my, mxx, myy, mxy);
    QVERIFY2(e >= least && e <= most, qPrintable(QString::number(e)));
}

void TestSpotDetector::outshine_data()
{
    // A 3x3 spot of grey `spot` at (10..12, 10..12) on a wall of 40, and one pixel of grey
    // `beside` at (bx, by), which is not part of the spot.
    QTest::addColumn<int>("spot");
    QTest::addColumn<int>("beside");
    QTest::addColumn<int>("bx");
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("expected");
    QTest::newRow("spot on a dark wall") << 230 << 40 << 0 << 0 << 40 - 230;
    QTest::newRow("brighter pixel touching its side") << 230 << 250 << 13 << 11 << 20;
    QTest::newRow("brighter pixel touching a corner") << 230 << 250 << 9 << 9 << 20;
    QTest::newRow("brighter pixel two away does not touch") << 230 << 250 << 14 << 11 << 40 - 230;
    QTest::newRow("saturated spot beside a saturated pixel") << 255 << 255 << 13 << 11 << 0;
}

void TestSpotDetector::outshine()
{
    QFETCH(int, spot);
    QFETCH(int, beside);
    QFETCH(int, bx);
    QFETCH(int, by);
    QFETCH(int, expected);
    cv::Mat grey(24, 24, CV_8UC1, cv::Scalar(40));
    cv::Mat detection(24, 24, CV_8UC1, cv::Scalar(40));
    grey(cv::Rect(10, 10, 3, 3)) = spot;
    detection(cv::Rect(10, 10, 3, 3)) = 0;
    grey.at<uint8_t>(by, bx) = uint8_t(beside);
    detection.at<uint8_t>(by, bx) = uint8_t(beside);
    Spot s;
    s.boxX = 10;
    s.boxY = 10;
    s.width = 3;
    s.height = 3;
    QCOMPARE(Outshine(grey.data, detection.data, int(grey.step), 24, 24, s), expected);
}

void TestSpotDetector::edgeOfBrightArea_data()
{
    // The top quarter of a grey wall is a white area; one frame lights up a patch of grey level
    // `level` whose top edge lies `gap` rows below the white area's edge.
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("shots");
    QTest::newRow("dimmer band along the white edge") << 235 << 0 << 0;
    QTest::newRow("the same band away from it") << 235 << 40 << 1;
    QTest::newRow("saturated spot at the white edge") << 255 << 0 << 1;
}

void TestSpotDetector::edgeOfBrightArea()
{
    QFETCH(int, level);
    QFETCH(int, gap);
    QFETCH(int, shots);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    cv::Mat wall(240, 320, CV_8UC3, cv::Scalar::all(140));
    wall(cv::Rect(0, 0, 320, 60)) = cv::Scalar::all(252);
    int found = 0;
    for (int i = 0; i < 4; ++i) {
        cv::Mat picture = wall.clone();
        if (i == 2)
            picture(cv::Rect(150, 60 + gap, 8, 5)) = cv::Scalar::all(level);
        processor.Process(picture, 320, 240, t, h, frame);
        found += frame.shotCount;
    }
    QCOMPARE(found, shots);
}

void TestSpotDetector::anySourceSize_data()
{
    // A spot at (200.5, 150.5) of the asked-for 640 x 480, seen by a camera of another size.
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1280 x 720") << 1280 << 720;
    QTest::newRow("1920 x 1080") << 1920 << 1080;
    QTest::newRow("800 x 600") << 800 << 600;
    QTest::newRow("320 x 240") << 320 << 240;
}

void TestSpotDetector::anySourceSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const double sx = width / 640.0, sy = height / 480.0;
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    cv::Mat picture(height, width, CV_8UC3, cv::Scalar::all(60));
    processor.Process(picture, 0, 640, 480, t, h, frame);
    // An ellipse as wide and tall as the spot in the camera's own pixels.
    cv::ellipse(picture, cv::Point(int(200.5 * sx), int(150.5 * sy)),
                cv::Size(int(4 * sx + 0.5), int(4 * sy + 0.5)), 0, 0, 360, cv::Scalar::all(250),
                cv::FILLED);
    processor.Process(picture, 300000, 640, 480, t, h, frame);
    QCOMPARE(frame.width, 640);
    QCOMPARE(frame.height, 480);
    QCOMPARE(frame.shotCount, 1);
    // The ellipse's centre lies at the middle of its centre pixel.
    const double x = (int(200.5 * sx) + 0.5) / sx, y = (int(150.5 * sy) + 0.5) / sy;
    QVERIFY2(qAbs(frame.shots[0].x - x) < 0.5 && qAbs(frame.shots[0].y - y) < 0.5,
             qPrintable(QString("%1 %2 for %3 %4").arg(frame.shots[0].x).arg(frame.shots[0].y)
                            .arg(x).arg(y)));
}

void TestSpotDetector::movingThings_data()
{
    // What lights up in one frame on a dim wall; only laser light is a shot.
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("shots");
    QTest::addColumn<double>("x"); // where the shot is, when there is one
    QTest::newRow("laser spot") << 0 << 1 << 100.5;
    QTest::newRow("edge of a person walking in: a tall bar") << 1 << 0 << 0.0;
    QTest::newRow("a bright thing moved on: a crescent") << 2 << 0 << 0.0;
    QTest::newRow("spot cut by the picture's edge") << 3 << 0 << 0.0;
    QTest::newRow("laser on a lit thing that moves") << 4 << 1 << 140.5;
    QTest::newRow("a projected target moved on: a filled crescent") << 5 << 0 << 0.0;
    QTest::newRow("laser flaring up from a faint coloured speck") << 6 << 1 << 100.5;
}

void TestSpotDetector::movingThings()
{
    QFETCH(int, kind);
    QFETCH(int, shots);
    QFETCH(double, x);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    const cv::Mat wall(240, 320, CV_8UC3, cv::Scalar::all(60));
    int found = 0;
    for (int i = 0; i < 4; ++i) {
        cv::Mat picture = wall.clone();
        if (kind == 5) {
            // Red and grey rings on a dark screen, 3 px further right from the third frame on.
            picture = cv::Scalar::all(25);
            const cv::Point c(i >= 2 ? 103 : 100, 120);
            cv::circle(picture, c, 22, cv::Scalar(50, 50, 170), cv::FILLED, cv::LINE_AA);
            cv::circle(picture, c, 15, cv::Scalar(160, 170, 170), cv::FILLED, cv::LINE_AA);
            cv::circle(picture, c, 6, cv::Scalar(50, 50, 170), cv::FILLED, cv::LINE_AA);
        } else if (i >= 2) {
            const cv::Scalar white = cv::Scalar::all(240);
            if (kind == 0)
                cv::circle(picture, {100, 120}, 3, white, cv::FILLED);
            else if (kind == 1)
                picture(cv::Rect(100, 40, 6, 90)) = white;
            else if (kind == 2)
                cv::ellipse(picture, {100, 120}, {22, 22}, 0, -70, 70, white, 5);
            else if (kind == 3)
                cv::circle(picture, {1, 120}, 3, white, cv::FILLED);
            else if (kind == 6 && i == 2)
                picture(cv::Rect(99, 119, 2, 2)) = cv::Scalar(60, 255, 0);
            else if (kind == 6)
                cv::circle(picture, {100, 120}, 5, white, cv::FILLED);
            else {
                // A grey card, 60 px wide, moved into view; the laser lies on it.
                picture(cv::Rect(110, 90, 60, 60)) = cv::Scalar(120, 130, 140);
                cv::circle(picture, {140, 120}, 3, cv::Scalar(250, 250, 255), cv::FILLED);
            }
        }
        processor.Process(picture, i * 33333, 320, 240, t, h, frame);
        found += frame.shotCount;
        if (frame.shotCount == 1)
            QVERIFY2(qAbs(frame.shots[0].x - x) < 1.0, qPrintable(QString::number(frame.shots[0].x)));
    }
    QCOMPARE(found, shots);
}

void TestSpotDetector::uncoveredArea_data()
{
    // A hand rests on the wall for 40 frames, then moves away; under it a white label, or the
    // bare wall with a laser spot appearing where the hand was.
    QTest::addColumn<bool>("label");
    QTest::addColumn<int>("shots");
    QTest::newRow("a white label uncovered") << true << 0;
    QTest::newRow("a laser spot where the hand was") << false << 1;
}

void TestSpotDetector::uncoveredArea()
{
    QFETCH(bool, label);
    QFETCH(int, shots);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    cv::Mat wall(240, 320, CV_8UC3, cv::Scalar::all(70));
    if (label)
        wall(cv::Rect(150, 110, 12, 12)) = cv::Scalar::all(235);
    int found = 0;
    for (int i = 0; i < 80; ++i) {
        cv::Mat picture = wall.clone();
        if (i >= 20 && i < 60)
            cv::circle(picture, {156, 116}, 25, cv::Scalar::all(30), cv::FILLED);
        if (!label && i >= 60 && i < 63)
            cv::circle(picture, {156, 116}, 4, cv::Scalar(235, 235, 255), cv::FILLED);
        processor.Process(picture, i * 33333, 320, 240, t, h, frame);
        found += frame.shotCount;
    }
    QCOMPARE(found, shots);
}

QTEST_APPLESS_MAIN(TestSpotDetector)
#include "tst_spotdetector.moc"
