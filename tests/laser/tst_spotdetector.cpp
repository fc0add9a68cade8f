// Tests of spot detection: thresholds, centre accuracy and the one-shot-per-pulse rule.
#include "corewhiteness.h"
#include "frameprocessor.h"
#include "homography.h"
#include "outshine.h"
#include "picturescaler.h"
#include "pulsefilter.h"
#include "spotdetector.h"

#include <QtTest>

#include <functional>
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

// Detects on a background frame, then on the frame with spots (rows top first); returns the peak.
int Detect(const cv::Mat &background, const cv::Mat &frame, const DetectorThresholds &t,
           std::vector<Spot> &spots)
{
    SpotDetector d;
    cv::Mat det(frame.size(), CV_8UC1);
    d.Detect(background.data, int(background.step), background.cols, background.rows, false,
             det.data, int(det.step), t, spots);
    return d.Detect(frame.data, int(frame.step), frame.cols, frame.rows, false, det.data,
                    int(det.step), t, spots);
}

// Lights {x, y, radius, rise} in a grid, as many shooters or lamps at once.
QVector<QVector<int>> Grid(int count)
{
    QVector<QVector<int>> lights;
    for (int i = 0; i < count; ++i)
        lights.append({30 + 70 * (i % 5), 30 + 50 * (i / 5), 3, 120});
    return lights;
}

// Paints frame i of a scene over the plain wall; frames are 1/30 s apart, 320 x 240.
using Scene = std::function<void(cv::Mat &picture, int i)>;

void Laser(cv::Mat &picture, int x, int y)
{
    cv::circle(picture, {x, y}, 3, cv::Scalar(240, 240, 255), cv::FILLED);
}

// The whole picture, or a band at its bottom, brightens by lift as a spot appears.
Scene LightChange(int lift, int sharePercent)
{
    return [=](cv::Mat &p, int i) {
        if (i != 3)
            return;
        const int rows = std::max(1, 240 * sharePercent / 100);
        p(cv::Rect(0, 240 - rows, 320, rows)) += cv::Scalar::all(lift);
        Laser(p, 100, 60);
    };
}

// Frame 1: a streak from `from` to (52, 60), round when it starts there; frame 2: a spot at restX.
Scene Streak(cv::Point from, int restX)
{
    return [=](cv::Mat &p, int i) {
        if (i == 1 && from == cv::Point(52, 60))
            Laser(p, 52, 60);
        else if (i == 1)
            cv::line(p, from, {52, 60}, cv::Scalar::all(250), 3);
        else if (i == 2 && restX >= 0)
            Laser(p, restX, 60);
    };
}

// The top quarter is white; frame 2 lights a patch of `level` gap rows below its edge.
Scene BrightEdge(int level, int gap)
{
    return [=](cv::Mat &p, int i) {
        p(cv::Rect(0, 0, 320, 60)) = cv::Scalar::all(252);
        if (i == 2)
            p(cv::Rect(150, 60 + gap, 8, 5)) = cv::Scalar::all(level);
    };
}

// The scene as a camera of half the resolution sees it, grown back: its edges blur over two pixels.
Scene Coarse(Scene scene)
{
    return [=](cv::Mat &p, int i) {
        scene(p, i);
        cv::Mat small;
        cv::resize(p, small, p.size() / 2, 0, 0, cv::INTER_AREA);
        cv::resize(small, p, p.size(), 0, 0, cv::INTER_LINEAR);
    };
}

// A darker camera: sensor noise on the left half of the wall; paint adds faint light.
Scene Faint(std::function<void(cv::Mat &, int)> paint)
{
    return [=](cv::Mat &p, int i) {
        cv::Mat noise(p.rows, p.cols / 2, CV_16SC3), left = p.colRange(0, p.cols / 2);
        cv::RNG(i + 1).fill(noise, cv::RNG::NORMAL, 0, 2);
        cv::add(left, noise, left, cv::noArray(), CV_8UC3);
        paint(p, i);
    };
}

// From frame 2 on, a still shape appears.
Scene Appears(std::function<void(cv::Mat &)> paint)
{
    return [=](cv::Mat &p, int i) {
        if (i >= 2)
            paint(p);
    };
}

// A hand rests on the wall over frames 20-59; under it a white label, or the bare wall with a
// laser spot appearing where the hand was.
Scene Uncovered(bool label)
{
    return [=](cv::Mat &p, int i) {
        if (label)
            p(cv::Rect(150, 110, 12, 12)) = cv::Scalar::all(235);
        if (i >= 20 && i < 60)
            cv::circle(p, {156, 116}, 25, cv::Scalar::all(30), cv::FILLED);
        if (!label && i >= 60 && i < 63)
            Laser(p, 156, 116);
    };
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestSpotDetector : public QObject
{
    Q_OBJECT

private slots:
    void detect_data();
    void detect();
    void pulses_data();
    void pulses();
    void lightsInOneFrame_data();
    void lightsInOneFrame();
    void scenes_data();
    void scenes();
    void anySourceSize_data();
    void anySourceSize();
    void scalerMatchesAreaResize_data();
    void scalerMatchesAreaResize();
    void whiteCore_data();
    void whiteCore();
    void outshine_data();
    void outshine();
};

void TestSpotDetector::detect_data()
{
    QTest::addColumn<int>("level"); // of the wall
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<int>("luminance");
    QTest::addColumn<int>("minSize");
    QTest::addColumn<int>("maxSize");
    QTest::addColumn<bool>("found");
    const QPointF c(80.3, 60.7);
    const QPointF m(80.5, 60.5);
    // A spot counts when its core closes luminance/255 of the gap between background and white.
    QTest::newRow("bright spot") << 90 << 120 << 3.0 << c << 100 << 1 << 5000 << true;
    QTest::newRow("closes enough of the gap") << 90 << 70 << 3.0 << c << 100 << 1 << 5000 << true;
    QTest::newRow("closes too little of the gap") << 90 << 55 << 3.0 << c << 100 << 1 << 5000 << false;
    QTest::newRow("higher threshold is less sensitive") << 90 << 120 << 3.0 << c << 200 << 1 << 5000 << false;
    QTest::newRow("lower threshold is more sensitive") << 90 << 55 << 3.0 << c << 40 << 1 << 5000 << true;
    QTest::newRow("smaller than min size") << 90 << 120 << 3.0 << c << 100 << 60 << 5000 << false;
    QTest::newRow("within min size") << 90 << 120 << 3.0 << c << 100 << 20 << 5000 << true;
    QTest::newRow("larger than max size") << 90 << 120 << 8.0 << c << 100 << 1 << 100 << false;
    QTest::newRow("within max size") << 90 << 120 << 8.0 << c << 100 << 1 << 400 << true;
    // A spot on a bright wall can only rise to white: saturating is all it can do.
    QTest::newRow("saturating on a bright wall") << 230 << 100 << 3.0 << c << 100 << 1 << 5000 << true;
    QTest::newRow("faint on a bright wall") << 200 << 15 << 3.0 << c << 100 << 1 << 5000 << false;
    QTest::newRow("faint in a dark room") << 10 << 80 << 3.0 << c << 100 << 1 << 5000 << false;
    QTest::newRow("bright in a dark room") << 10 << 120 << 3.0 << c << 100 << 1 << 5000 << true;
    QTest::newRow("255 asks for saturation") << 10 << 240 << 3.0 << c << 255 << 1 << 5000 << false;
    // A speck of a pixel or two on a bright wall closes much of the gap to white, yet carries
    // too little light to be a spot; a laser spot of a few pixels does not.
    QTest::newRow("noise speck on a bright wall") << 225 << 25 << 0.5 << m << 110 << 1 << 5000 << false;
    QTest::newRow("laser spot on the same wall") << 225 << 30 << 2.5 << m << 110 << 1 << 5000 << true;
    QTest::newRow("small bright spot in a dark room") << 40 << 200 << 0.8 << m << 110 << 1 << 5000 << true;
    // Centres to a tenth of a pixel wherever the spot lies.
    QTest::newRow("centre of a pixel") << 60 << 150 << 3.0 << QPointF(50.5, 40.5) << 110 << 1 << 5000 << true;
    QTest::newRow("centre on a pixel corner") << 60 << 150 << 2.5 << QPointF(61, 33) << 110 << 1 << 5000 << true;
    QTest::newRow("centre anywhere") << 60 << 150 << 4.0 << QPointF(70.37, 44.81) << 110 << 1 << 5000 << true;
    QTest::newRow("centre of a small spot") << 60 << 150 << 1.5 << QPointF(20.73, 22.18) << 110 << 1 << 5000 << true;
}

void TestSpotDetector::detect()
{
    QFETCH(int, level);
    QFETCH(int, amplitude);
    QFETCH(double, radius);
    QFETCH(QPointF, centre);
    QFETCH(int, luminance);
    QFETCH(int, minSize);
    QFETCH(int, maxSize);
    QFETCH(bool, found);
    // Large enough that the biggest spot is no change of the whole scene.
    const cv::Mat background(240, 320, CV_8UC1, cv::Scalar(level));
    cv::Mat frame = background.clone();
    DrawDisc(frame, centre.x(), centre.y(), radius, amplitude);
    DetectorThresholds t;
    t.luminance = luminance;
    t.minSize = minSize;
    t.maxSize = maxSize;
    std::vector<Spot> spots;
    const int peak = Detect(background, frame, t, spots);
    double brightest = 0;
    cv::minMaxLoc(frame, nullptr, &brightest);
    QCOMPARE(peak, int(brightest));
    QCOMPARE(int(spots.size()), found ? 1 : 0);
    if (found) {
        const double error = std::hypot(spots[0].x - centre.x(), spots[0].y - centre.y());
        QVERIFY2(error < 0.1, qPrintable(QString("off by %1 px").arg(error)));
    }
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

void TestSpotDetector::lightsInOneFrame_data()
{
    // Lights {x, y, radius, rise} on one frame; the shots, and which lights the first of them
    // are (indices into lights), in order.
    QTest::addColumn<QVector<QVector<int>>>("lights");
    QTest::addColumn<int>("maxShots");
    QTest::addColumn<int>("shots");
    QTest::addColumn<QVector<int>>("first");
    QVector<QVector<int>> rising; // brighter to the right
    for (int i = 0; i < 8; ++i)
        rising.append({20 + 45 * i, 60, 2, 100 + 15 * i});
    QTest::newRow("strongest first, the faintest left out")
        << rising << 5 << 5 << QVector<int>{7, 6, 5, 4, 3};
    // Two faint bits of halo that do not touch the spot.
    QTest::newRow("halo fragments beside a spot are one shot")
        << QVector<QVector<int>>{{50, 60, 4, 150}, {59, 60, 1, 160}, {50, 69, 1, 160}} << 8 << 1
        << QVector<int>{0};
    QTest::newRow("separate spots far apart")
        << QVector<QVector<int>>{{50, 60, 4, 150}, {110, 60, 1, 160}, {50, 120, 1, 160}} << 8
        << 3 << QVector<int>{0};
    QTest::newRow("three shooters at once") << Grid(3) << 8 << 3 << QVector<int>{};
    QTest::newRow("eight at once, as many as a frame holds") << Grid(8) << 8 << 8 << QVector<int>{};
    QTest::newRow("scene change: nine lights") << Grid(9) << 8 << 0 << QVector<int>{};
    QTest::newRow("scene change: lights everywhere") << Grid(20) << 8 << 0 << QVector<int>{};
}

void TestSpotDetector::lightsInOneFrame()
{
    QFETCH(QVector<QVector<int>>, lights);
    QFETCH(int, maxShots);
    QFETCH(int, shots);
    QFETCH(QVector<int>, first);
    const cv::Mat background(240, 400, CV_8UC1, cv::Scalar(50));
    cv::Mat frame = background.clone();
    for (const QVector<int> &l : lights)
        DrawDisc(frame, l[0], l[1], l[2], l[3]);
    std::vector<Spot> spots;
    Detect(background, frame, DetectorThresholds(), spots);
    QCOMPARE(int(spots.size()), lights.size());
    PulseFilter filter;
    Spot out[8];
    QCOMPARE(filter.Filter(spots, LASER_DEFAULT_MIN_DISTANCE, false, 0, out, maxShots), shots);
    for (int i = 0; i < first.size(); ++i) {
        const QVector<int> &l = lights[first[i]];
        QVERIFY2(qAbs(out[i].x - l[0]) < 0.5 && qAbs(out[i].y - l[1]) < 0.5,
                 qPrintable(QString("shot %1 at %2 %3").arg(i).arg(out[i].x).arg(out[i].y)));
    }
    // Every light is remembered, reported or not: still lit in the next frame, none is a shot.
    QCOMPARE(filter.Filter(spots, LASER_DEFAULT_MIN_DISTANCE, false, 33333, out, 8), 0);
}

void TestSpotDetector::scenes_data()
{
    // Frames of a wall of grey `wall`; the one shot expected (frame -1: none) and its x.
    QTest::addColumn<int>("wall");
    QTest::addColumn<int>("frames");
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<int>("shotFrame");
    QTest::addColumn<double>("shotX");
    QTest::newRow("steady scene") << 70 << 4 << LightChange(0, 100) << 3 << 100.5;
    QTest::newRow("faint flicker everywhere") << 70 << 4 << LightChange(10, 100) << 3 << 100.5;
    QTest::newRow("light switched on") << 70 << 4 << LightChange(60, 100) << -1 << 0.0;
    QTest::newRow("a fifth of the picture lit up") << 70 << 4 << LightChange(60, 20) << -1 << 0.0;
    // Something large moving, not the whole scene: a white laser core still counts.
    QTest::newRow("a twentieth of the picture lit up") << 70 << 4 << LightChange(60, 5) << 3 << 100.5;
    QTest::newRow("a small patch changed") << 70 << 4 << LightChange(60, 1) << 3 << 100.5;
    QTest::newRow("round spot: reported at once") << 60 << 4 << Streak({52, 60}, 52) << 1 << 52.5;
    QTest::newRow("streak, then where the laser came to rest") << 60 << 4 << Streak({40, 60}, 54) << 2 << 54.5;
    QTest::newRow("streak alone: its own centre, a frame late") << 60 << 4 << Streak({40, 60}, -1) << 2 << 46.5;
    // A streak is long whichever way it runs.
    QTest::newRow("upright streak: a frame late") << 60 << 4 << Streak({52, 48}, -1) << 2 << 52.5;
    QTest::newRow("diagonal streak: a frame late") << 60 << 4 << Streak({44, 52}, -1) << 2 << 48.5;
    QTest::newRow("dimmer band along a white edge") << 140 << 4 << BrightEdge(235, 0) << -1 << 0.0;
    QTest::newRow("the same band away from it") << 140 << 4 << BrightEdge(235, 40) << 2 << 154.0;
    QTest::newRow("saturated spot at a white edge") << 140 << 4 << BrightEdge(255, 0) << 2 << 154.0;
    QTest::newRow("dimmer band along a blurred white edge") << 140 << 4 << Coarse(BrightEdge(235, 0)) << -1 << 0.0;
    QTest::newRow("saturated spot at a blurred white edge") << 140 << 4 << Coarse(BrightEdge(255, 0)) << 2 << 154.0;
    QTest::newRow("faint band along a white edge on a bright wall") << 200 << 4 << BrightEdge(244, 0) << -1 << 0.0;
    const cv::Scalar faint = cv::Scalar::all(184);
    QTest::newRow("faint round spot on a darker camera") << 160 << 8 << Faint([=](cv::Mat &p, int i) {
        if (i == 6) cv::circle(p, {220, 120}, 4, faint, cv::FILLED);
    }) << 6 << 220.5;
    QTest::newRow("faint streak on a darker camera") << 160 << 8 << Faint([=](cv::Mat &p, int i) {
        if (i == 6) cv::line(p, {212, 120}, {228, 120}, faint, 3);
    }) << -1 << 0.0;
    QTest::newRow("faint spot outshone by a still patch") << 160 << 8 << Faint([=](cv::Mat &p, int i) {
        p(cv::Rect(225, 105, 2, 30)) = cv::Scalar::all(187);
        if (i == 6) cv::circle(p, {220, 120}, 4, faint, cv::FILLED);
    }) << -1 << 0.0;
    QTest::newRow("an outshone faint spot, then the laser at its place") << 160 << 8 << Faint([=](cv::Mat &p, int i) {
        p(cv::Rect(225, 105, 2, 30)) = cv::Scalar::all(187);
        if (i == 6) cv::circle(p, {220, 120}, 4, faint, cv::FILLED);
        if (i == 7) Laser(p, 220, 120);
    }) << 7 << 220.5;
    QTest::newRow("a white label uncovered by a hand") << 70 << 80 << Uncovered(true) << -1 << 0.0;
    QTest::newRow("a laser spot where the hand was") << 70 << 80 << Uncovered(false) << 60 << 156.5;
    const cv::Scalar white = cv::Scalar::all(240);
    QTest::newRow("laser spot appears") << 60 << 4 << Appears([](cv::Mat &p) {
        Laser(p, 100, 120);
    }) << 2 << 100.5;
    QTest::newRow("edge of a person walking in: a tall bar") << 60 << 4 << Appears([=](cv::Mat &p) {
        p(cv::Rect(100, 40, 6, 90)) = white;
    }) << -1 << 0.0;
    QTest::newRow("a bright thing moved on: a crescent") << 60 << 4 << Appears([=](cv::Mat &p) {
        cv::ellipse(p, {100, 120}, {22, 22}, 0, -70, 70, white, 5);
    }) << -1 << 0.0;
    QTest::newRow("spot cut by the picture's edge") << 60 << 4 << Appears([=](cv::Mat &p) {
        cv::circle(p, {1, 120}, 3, white, cv::FILLED);
    }) << -1 << 0.0;
    // A grey card, 60 px wide, moved into view; the laser lies on it.
    QTest::newRow("laser on a lit thing that moves") << 60 << 4 << Appears([](cv::Mat &p) {
        p(cv::Rect(110, 90, 60, 60)) = cv::Scalar(120, 130, 140);
        Laser(p, 140, 120);
    }) << 2 << 140.5;
    // Red and grey rings on a dark screen, 3 px further right from the third frame on.
    QTest::newRow("a projected target moved on: a filled crescent") << 25 << 4 << Scene([](cv::Mat &p, int i) {
        const cv::Point c(i >= 2 ? 103 : 100, 120);
        cv::circle(p, c, 22, cv::Scalar(50, 50, 170), cv::FILLED, cv::LINE_AA);
        cv::circle(p, c, 15, cv::Scalar(160, 170, 170), cv::FILLED, cv::LINE_AA);
        cv::circle(p, c, 6, cv::Scalar(50, 50, 170), cv::FILLED, cv::LINE_AA);
    }) << -1 << 0.0;
    // The first frame caught only the start of the pulse: a faint coloured speck, then the spot.
    QTest::newRow("laser flaring up from a faint coloured speck") << 60 << 4 << Scene([](cv::Mat &p, int i) {
        if (i == 2)
            p(cv::Rect(99, 119, 2, 2)) = cv::Scalar(60, 255, 0);
        else if (i == 3)
            cv::circle(p, {100, 120}, 5, cv::Scalar::all(240), cv::FILLED);
    }) << 3 << 100.5;
    // A dark plate hangs before a white sheet; hit twice in a row, it falls away five frames later.
    QTest::newRow("a hit target falls and uncovers a white sheet") << 60 << 40 << Scene([](cv::Mat &p, int i) {
        cv::circle(p, {100, 120}, 15, cv::Scalar::all(240), cv::FILLED);
        if (i < 36)
            cv::circle(p, {100, 120}, 16, cv::Scalar::all(30), cv::FILLED);
        if (i == 30 || i == 31)
            Laser(p, 100, 120);
    }) << 30 << 100.5;
}

void TestSpotDetector::scenes()
{
    QFETCH(int, wall);
    QFETCH(int, frames);
    QFETCH(Scene, scene);
    QFETCH(int, shotFrame);
    QFETCH(double, shotX);
    FrameProcessor processor;
    FrameData frame;
    const Homography h;
    const DetectorThresholds t;
    int found = 0;
    for (int i = 0; i < frames; ++i) {
        cv::Mat picture(240, 320, CV_8UC3, cv::Scalar::all(wall));
        scene(picture, i);
        processor.Process(picture, i * 33333, 320, 240, t, h, frame);
        found += frame.shotCount;
        if (i == shotFrame) {
            QCOMPARE(frame.shotCount, 1);
            QVERIFY2(qAbs(frame.shots[0].x - shotX) < 0.6, qPrintable(QString::number(frame.shots[0].x)));
        }
    }
    QCOMPARE(found, shotFrame >= 0 ? 1 : 0);
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

void TestSpotDetector::scalerMatchesAreaResize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1280 x 720: halved in one pass") << 1280 << 720;
    QTest::newRow("1920 x 1080") << 1920 << 1080;
    QTest::newRow("800 x 600") << 800 << 600;
    QTest::newRow("1283 x 721: no whole factor") << 1283 << 721;
}

// Every byte of a noisy picture, every channel on its own, against OpenCV's area scaling; upside
// down as the program asks for it, into rows wider than the picture.
void TestSpotDetector::scalerMatchesAreaResize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    cv::Mat picture(height, width, CV_8UC3);
    cv::theRNG().state = 7;
    cv::randu(picture, cv::Scalar::all(0), cv::Scalar::all(256));
    cv::Mat expected;
    cv::resize(picture, expected, cv::Size(640, 480), 0, 0, cv::INTER_AREA);
    cv::flip(expected, expected, 0);
    const int stride = 640 * 3 + 5;
    std::vector<uint8_t> out(size_t(stride) * 480, 0);
    PictureScaler scaler;
    scaler.Scale(picture, 640, 480, out.data(), stride, true);
    const cv::Mat scaled(480, 640, CV_8UC3, out.data(), size_t(stride));
    cv::Mat difference;
    cv::absdiff(scaled, expected, difference);
    double most = 0.0;
    cv::minMaxLoc(difference.reshape(1), nullptr, &most);
    QVERIFY2(most <= 2.0, qPrintable(QString::number(most)));
    QVERIFY(cv::mean(difference)[0] < 0.5);
}

void TestSpotDetector::whiteCore_data()
{
    // A spot's brightest pixel against the colour of the wall around it.
    using Rgb = QVector<int>;
    QTest::addColumn<QVector<int>>("wall"); // red, green, blue
    QTest::addColumn<QVector<int>>("core");
    QTest::addColumn<int>("least"); // whiteness at least
    QTest::addColumn<int>("most");  // and at most
    QTest::addColumn<QVector<int>>("peak");  // the brightest pixel, when it differs from the core
    QTest::addColumn<QVector<int>>("beside"); // one pixel beside it, when it differs
    QTest::newRow("white core on a dark wall") << Rgb{30, 30, 30} << Rgb{255, 255, 255} << 255 << 255 << Rgb() << Rgb();
    QTest::newRow("red laser core on a dark wall") << Rgb{30, 25, 25} << Rgb{255, 230, 230} << 200 << 255 << Rgb() << Rgb();
    QTest::newRow("green laser on a bright scene") << Rgb{230, 250, 120} << Rgb{250, 255, 230} << 200 << 255 << Rgb() << Rgb();
    QTest::newRow("bright yellow patch on the same scene") << Rgb{230, 250, 120} << Rgb{255, 255, 140} << 0 << 40 << Rgb() << Rgb();
    QTest::newRow("saturated green patch on a dark wall") << Rgb{20, 40, 20} << Rgb{40, 255, 40} << 0 << 40 << Rgb() << Rgb();
    QTest::newRow("noise dims the brightest pixel of a white core") << Rgb{30, 30, 30} << Rgb{255, 255, 255} << 200 << 255 << Rgb{255, 255, 120} << Rgb();
    QTest::newRow("one white pixel beside a yellow patch's peak") << Rgb{230, 250, 120} << Rgb{255, 255, 140} << 0 << 40 << Rgb() << Rgb{255, 255, 255};
    QTest::newRow("darker than the wall") << Rgb{200, 200, 200} << Rgb{150, 150, 150} << 0 << 0 << Rgb() << Rgb();
    // Around a spot on a saturated wall only a saturated core tells laser light.
    QTest::newRow("white core on a saturated wall") << Rgb{255, 255, 255} << Rgb{255, 255, 255} << 255 << 255 << Rgb() << Rgb();
    QTest::newRow("yellowish core on a saturated wall") << Rgb{255, 255, 255} << Rgb{255, 255, 200} << 0 << 0 << Rgb() << Rgb();
}

void TestSpotDetector::whiteCore()
{
    QFETCH(QVector<int>, wall);
    QFETCH(QVector<int>, core);
    QFETCH(int, least);
    QFETCH(int, most);
    QFETCH(QVector<int>, peak);
    QFETCH(QVector<int>, beside);
    const auto bgr = [](const QVector<int> &c) { return cv::Scalar(c[2], c[1], c[0]); };
    cv::Mat picture(60, 80, CV_8UC3, bgr(wall));
    picture(cv::Rect(38, 28, 5, 5)) = bgr(core);
    if (!peak.isEmpty())
        picture(cv::Rect(40, 30, 1, 1)) = bgr(peak);
    if (!beside.isEmpty())
        picture(cv::Rect(41, 30, 1, 1)) = bgr(beside);
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
    s.coreGrey = spot;
    QCOMPARE(Outshine(grey.data, detection.data, int(grey.step), 24, 24, s), expected);
}

QTEST_APPLESS_MAIN(TestSpotDetector)
#include "tst_spotdetector.moc"
