// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of spot detection: thresholds, centre accuracy and the one-shot-per-pulse rule.
#include "corewhiteness.h"
#include "frameprocessor.h"
#include "homography.h"
#include "outshine.h"
#include "picturescaler.h"
#include "pulsefilter.h"
#include "rowmarking.h"
#include "spotdetector.h"

#include <QtTest>

#include <functional>
#include <opencv2/imgproc.hpp>

namespace {

// Soft-edged discs {x, y, radius, rise} as laser spots look to a camera, full inside and fading
// over 2 pixels, on a wall of grey `level`, 400 x 240: the spots found after the bare wall.
std::vector<Spot> Detect(int level, const QVector<QVector<double>> &discs, const DetectorThresholds &t)
{
    const cv::Mat wall(240, 400, CV_8UC1, cv::Scalar(level));
    cv::Mat frame = wall.clone();
    for (const QVector<double> &disc : discs)
        for (int py = 0; py < frame.rows; ++py)
            for (int px = 0; px < frame.cols; ++px) {
                const double d = std::hypot(px + 0.5 - disc[0], py + 0.5 - disc[1]);
                const double a = std::clamp((disc[2] + 1.0 - d) / 2.0, 0.0, 1.0);
                uint8_t &pixel = frame.at<uint8_t>(py, px);
                pixel = cv::saturate_cast<uint8_t>(pixel + a * disc[3]);
            }
    SpotDetector detector;
    cv::Mat detection(frame.size(), CV_8UC1);
    std::vector<Spot> spots;
    for (const cv::Mat &picture : {wall, frame})
        detector.Detect(picture.data, int(picture.step), picture.cols, picture.rows, false,
                        detection.data, int(detection.step), t, spots);
    return spots;
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

// A white top quarter; frame 2 lights a patch of `level` below its edge. As a camera of half the
// resolution sees it, grown back: the edge blurs over two pixels.
Scene BlurredEdge(int level)
{
    return [=](cv::Mat &p, int i) {
        p(cv::Rect(0, 0, 320, 60)) = cv::Scalar::all(252);
        if (i == 2)
            p(cv::Rect(150, 60, 8, 5)) = cv::Scalar::all(level);
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

// A laser spot of `pixels` pixels centred on (x, y), its square box as large.
Spot LitArea(int x, int y, int pixels)
{
    Spot s;
    s.x = x;
    s.y = y;
    s.width = s.height = int(std::sqrt(pixels));
    s.boxX = x - s.width / 2;
    s.boxY = y - s.height / 2;
    s.pixels = pixels;
    s.strength = 10.0 * pixels;
    s.whiteness = 150;
    return s;
}

// A square spot's box, its brightest pixel in the middle.
Spot Box(int x, int y, int size)
{
    Spot s;
    s.boxX = x;
    s.boxY = y;
    s.width = s.height = size;
    s.peakColumn = x + size / 2;
    s.peakRow = y + size / 2;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestSpotDetector : public QObject
{
    Q_OBJECT

private slots:
    void detect_data()
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
        QTest::newRow("closes enough of the gap") << 90 << 70 << 3.0 << c << 100 << 1 << 5000 << true;
        QTest::newRow("closes too little of the gap") << 90 << 55 << 3.0 << c << 100 << 1 << 5000 << false;
        QTest::newRow("lower threshold is more sensitive") << 90 << 55 << 3.0 << c << 40 << 1 << 5000 << true;
        QTest::newRow("smaller than min size") << 90 << 120 << 3.0 << c << 100 << 60 << 5000 << false;
        QTest::newRow("larger than max size") << 90 << 120 << 8.0 << c << 100 << 1 << 100 << false;
        // A speck of a pixel or two on a bright wall closes much of the gap to white, yet carries
        // too little light to be a spot; a laser spot of a few pixels does not.
        QTest::newRow("noise speck on a bright wall") << 225 << 25 << 0.5 << m << 110 << 1 << 5000 << false;
        QTest::newRow("laser spot on the same wall") << 225 << 30 << 2.5 << m << 110 << 1 << 5000 << true;
        // Centres to a tenth of a pixel.
        QTest::newRow("centre of a small spot") << 60 << 150 << 1.5 << QPointF(20.73, 22.18) << 110 << 1 << 5000 << true;
    }

    void detect()
    {
        QFETCH(int, level);
        QFETCH(int, amplitude);
        QFETCH(double, radius);
        QFETCH(QPointF, centre);
        QFETCH(int, luminance);
        QFETCH(int, minSize);
        QFETCH(int, maxSize);
        QFETCH(bool, found);
        const DetectorThresholds t{luminance, minSize, maxSize, LASER_DEFAULT_MIN_DISTANCE};
        const std::vector<Spot> spots =
            Detect(level, {{centre.x(), centre.y(), radius, double(amplitude)}}, t);
        QCOMPARE(int(spots.size()), found ? 1 : 0);
        if (found) {
            const double error = std::hypot(spots[0].x - centre.x(), spots[0].y - centre.y());
            QVERIFY2(error < 0.1, qPrintable(QString("off by %1 px").arg(error)));
        }
    }

    void pulses_data()
    {
        // Each frame: whether the laser is on, and where (x); the shots expected per frame.
        QTest::addColumn<QVector<int>>("positions"); // -1: laser off
        QTest::addColumn<QVector<int>>("shots");
        QTest::addColumn<int>("minDistance");
        QTest::addColumn<int>("fps");
        QTest::newRow("pulse over 3 frames is one shot")
            << QVector<int>{-1, 40, 40, 40, -1} << QVector<int>{0, 1, 0, 0, 0} << 30 << 30;
        QTest::newRow("hand moving 50 px during the pulse is the same pulse")
            << QVector<int>{-1, 40, 90} << QVector<int>{0, 1, 0} << 30 << 30;
        QTest::newRow("far from the pulse in the next frame is a new shot")
            << QVector<int>{-1, 40, 140} << QVector<int>{0, 1, 1} << 30 << 30;
        // A slow camera loses a fading pulse for a frame or two; back on its place, it is that pulse.
        QTest::newRow("24 fps: back on its place after two dark frames is the same pulse")
            << QVector<int>{-1, 40, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0} << 30 << 24;
        QTest::newRow("24 fps: three dark frames: a new shot")
            << QVector<int>{-1, 40, -1, -1, -1, 40} << QVector<int>{0, 1, 0, 0, 0, 1} << 30 << 24;
    }

    void pulses()
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

    // A trigger held: the dot sinks into the background and, for a while, shows only as areas
    // too faint to be spots over it; where it rises out again, it is the same pulse. Faint areas
    // elsewhere carry nothing on, and are never shots.
    void heldPulseCarriedByFaintAreas_data()
    {
        QTest::addColumn<int>("faintX"); // of the faint areas of frames 1 to 5
        QTest::addColumn<int>("shotsAtTheEnd");
        QTest::newRow("faint over the held dot") << 100 << 0;
        QTest::newRow("faint beside it") << 130 << 1;
    }

    void heldPulseCarriedByFaintAreas()
    {
        QFETCH(int, faintX);
        QFETCH(int, shotsAtTheEnd);
        PulseFilter filter;
        Spot shots[4];
        Spot faint = LitArea(faintX, 63, 28);
        faint.strength = 40;
        faint.laser = false;
        faint.fading = true;
        QCOMPARE(filter.Filter({LitArea(100, 63, 28)}, 30, false, 0, shots, 4), 1);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(filter.Filter({faint}, 30, false, i * 33333, shots, 4), 0);
        QCOMPARE(filter.Filter({LitArea(100, 63, 28)}, 30, false, 6 * 33333, shots, 4), shotsAtTheEnd);
    }

    // A faint area, however much light it spreads over, is no lit thing whose halo a new laser
    // spot beside it could be part of.
    void newSpotBesideAFaintArea()
    {
        Spot faint = LitArea(110, 63, 60);
        faint.laser = false;
        faint.fading = true;
        PulseFilter filter;
        Spot shots[4];
        QCOMPARE(filter.Filter({faint, LitArea(100, 63, 28)}, 30, false, 0, shots, 4), 1);
        QCOMPARE(shots[0].x, 100.0);
    }

    // Two pulses 150 ms apart on nearly the same place, the first fading out small in its last
    // frame: the second is a shot. A lit area many times the first pulse's full spot there is a
    // hit target falling away, no shot.
    void secondPulseOnTheSamePlace_data()
    {
        QTest::addColumn<int>("pixels"); // of the area lit in frame 5
        QTest::addColumn<int>("shots");
        QTest::newRow("a second pulse, larger than the first one's last frame") << 180 << 1;
        QTest::newRow("a target falling away") << 600 << 0;
    }

    void secondPulseOnTheSamePlace()
    {
        QFETCH(int, pixels);
        QFETCH(int, shots);
        PulseFilter filter;
        Spot out[4];
        QCOMPARE(filter.Filter({LitArea(100, 100, 124)}, 30, false, 0, out, 4), 1);
        QCOMPARE(filter.Filter({LitArea(100, 100, 19)}, 30, false, 33333, out, 4), 0);
        for (int i = 2; i < 5; ++i)
            QCOMPARE(filter.Filter({}, 30, false, i * 33333, out, 4), 0);
        QCOMPARE(filter.Filter({LitArea(100, 100, pixels)}, 30, false, 5 * 33333, out, 4), shots);
    }

    void lightsInOneFrame_data()
    {
        // Lights {x, y, radius, rise} on one frame; the shots, and which lights the first of them
        // are (indices into lights), in order.
        QTest::addColumn<QVector<QVector<int>>>("lights");
        QTest::addColumn<int>("maxShots");
        QTest::addColumn<int>("shots");
        QTest::addColumn<QVector<int>>("first");
        QVector<QVector<int>> rising, grid; // brighter to the right; lamps everywhere
        for (int i = 0; i < 8; ++i)
            rising.append({20 + 45 * i, 60, 2, 100 + 15 * i});
        for (int i = 0; i < 20; ++i)
            grid.append({30 + 70 * (i % 5), 30 + 50 * (i / 5), 3, 120});
        QTest::newRow("strongest first, the faintest left out")
            << rising << 5 << 5 << QVector<int>{7, 6, 5, 4, 3};
        QTest::newRow("scene change: lights everywhere") << grid << 8 << 0 << QVector<int>{};
    }

    void lightsInOneFrame()
    {
        QFETCH(QVector<QVector<int>>, lights);
        QFETCH(int, maxShots);
        QFETCH(int, shots);
        QFETCH(QVector<int>, first);
        QVector<QVector<double>> discs;
        for (const QVector<int> &l : lights)
            discs.append({double(l[0]), double(l[1]), double(l[2]), double(l[3])});
        const std::vector<Spot> spots = Detect(50, discs, DetectorThresholds());
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

    void scenes_data()
    {
        // Frames of a wall of grey `wall`; the one shot expected (frame -1: none) and its x.
        QTest::addColumn<int>("wall");
        QTest::addColumn<int>("frames");
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<int>("shotFrame");
        QTest::addColumn<double>("shotX");
        QTest::newRow("faint flicker everywhere") << 70 << 4 << LightChange(10, 100) << 3 << 100.5;
        QTest::newRow("a fifth of the picture lit up") << 70 << 4 << LightChange(60, 20) << -1 << 0.0;
        // Something large moving, not the whole scene: a white laser core still counts.
        QTest::newRow("a twentieth of the picture lit up") << 70 << 4 << LightChange(60, 5) << 3 << 100.5;
        // Bright shapes drifting over a dark projected scene change a seventh of the picture
        // while its light stays: a laser beside them is still a shot.
        QTest::newRow("shapes drifting over a projected scene, then a laser") << 30 << 10 << Scene([](cv::Mat &p, int i) {
            for (int k = 0; k < 4; ++k)
                cv::circle(p, {40 + 80 * k + 6 * i, 70 + 30 * (k % 2)}, 30, cv::Scalar::all(200), cv::FILLED);
            if (i == 8)
                Laser(p, 160, 200);
        }) << 8 << 160.5;
        // A yellow disc drifts over a place on the dark screen and on; a red dot lights just
        // behind its trailing edge as it goes, in the wake it leaves. Shapes drifting elsewhere
        // stir the scene, where a core must otherwise be white.
        const auto wake = [](int step, int lit) {
            return [=](cv::Mat &p, int i) {
                for (int k = 0; k < 3; ++k)
                    cv::circle(p, {300 - 50 * k - 5 * i, 40}, 20, cv::Scalar::all(200), cv::FILLED);
                cv::circle(p, {60 + step * i, 140}, 30, cv::Scalar(100, 186, 203), cv::FILLED);
                if (i >= lit && i < lit + 3) {
                    cv::circle(p, {145, 140}, 4, cv::Scalar(100, 120, 200), cv::FILLED);
                    cv::circle(p, {145, 140}, 2, cv::Scalar(140, 190, 255), cv::FILLED);
                }
            };
        };
        QTest::newRow("a red dot in the wake of a projected disc") << 30 << 24 << Scene(wake(6, 20)) << 20 << 145.5;
        // A slower disc lies there long enough for the background to take its light: the dot
        // rises little over it, and is judged against what the screen showed before the disc.
        QTest::newRow("a red dot where a slow projected disc lay") << 30 << 44 << Scene(wake(3, 38)) << 38 << 145.5;
        // The same drifting shapes; the first frame of a pulse catches only its start, a dim
        // green dot without a white core, and the next the whole of it.
        QTest::newRow("shapes drifting, a pulse caught dimly, then in full") << 30 << 10 << Scene([](cv::Mat &p, int i) {
            for (int k = 0; k < 4; ++k)
                cv::circle(p, {40 + 80 * k + 6 * i, 70 + 30 * (k % 2)}, 30, cv::Scalar::all(200), cv::FILLED);
            if (i == 7)
                cv::circle(p, {160, 200}, 3, cv::Scalar(80, 255, 80), cv::FILLED);
            else if (i == 8)
                Laser(p, 160, 200);
        }) << 8 << 160.5;
        // A disc brightens on a projected scene: round, filled and far larger than any laser
        // dot, it is no shot. A laser then lands near its edge: the shot is at the dot.
        QTest::newRow("a laser on a large brightening disc") << 30 << 8 << Scene([](cv::Mat &p, int i) {
            cv::circle(p, {160, 120}, 14, cv::Scalar::all(std::min(255, 40 + 12 * i)), cv::FILLED);
            if (i == 6)
                Laser(p, 168, 120);
        }) << 6 << 168.5;
        // The camera knocked: the printed bars shift, half the picture changes while its light
        // stays, and nothing in that frame is a shot.
        QTest::newRow("the camera knocked while a laser lights") << 60 << 5 << Scene([](cv::Mat &p, int i) {
            for (int x = i == 3 ? 6 : 0; x < p.cols; x += 12)
                p.colRange(x, std::min(p.cols, x + 6)) = cv::Scalar::all(160);
            if (i == 3)
                Laser(p, 100, 60);
        }) << -1 << 0.0;
        QTest::newRow("round spot: reported at once") << 60 << 4 << Streak({52, 60}, 52) << 1 << 52.5;
        QTest::newRow("streak, then where the laser came to rest") << 60 << 4 << Streak({40, 60}, 54) << 2 << 54.5;
        QTest::newRow("streak alone: its own centre, a frame late") << 60 << 4 << Streak({40, 60}, -1) << 2 << 46.5;
        // The lit edge of a sleeve moving through a dim room: a thin stroke, its core grey.
        QTest::newRow("a thin weakly lit stroke in a dim room") << 40 << 6 << Scene([](cv::Mat &p, int i) {
            if (i >= 2)
                cv::line(p, {40 + 8 * i, 100}, {50 + 8 * i, 106}, cv::Scalar::all(140), 2);
        }) << -1 << 0.0;
        // A laser dragged fast enough to leave only a grey streak is no shot there, nor light
        // that lingers: the round dot where it came to rest is.
        QTest::newRow("grey streak, then where the laser came to rest") << 60 << 4 << Scene([](cv::Mat &p, int i) {
            if (i == 1)
                cv::line(p, {40, 60}, {52, 60}, cv::Scalar::all(170), 2);
            else if (i == 2)
                Laser(p, 54, 60);
        }) << 2 << 54.5;
        QTest::newRow("dimmer band along a blurred white edge") << 140 << 4 << BlurredEdge(235) << -1 << 0.0;
        QTest::newRow("saturated spot at a blurred white edge") << 140 << 4 << BlurredEdge(255) << 2 << 154.0;
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
        // The first frame caught only the start of the pulse: a faint coloured speck, then the spot.
        QTest::newRow("laser flaring up from a faint coloured speck") << 60 << 4 << Scene([](cv::Mat &p, int i) {
            if (i == 2)
                p(cv::Rect(99, 119, 2, 2)) = cv::Scalar(60, 255, 0);
            else if (i == 3)
                cv::circle(p, {100, 120}, 5, cv::Scalar::all(240), cv::FILLED);
        }) << 3 << 100.5;
        // Matte black ink sends back a twentieth of what paper does: a red dot on it saturates
        // red alone and rises little in grey, beside a white ring line brighter in grey than
        // the dot. Seen by its coloured core, it is reported a frame later.
        QTest::newRow("a red dot on the black of a ring target") << 200 << 5 << Faint([](cv::Mat &p, int i) {
            p(cv::Rect(60, 30, 80, 60)) = cv::Scalar::all(45);
            p(cv::Rect(60, 66, 80, 1)) = cv::Scalar::all(190);
            if (i == 3) {
                cv::circle(p, {100, 60}, 5, cv::Scalar(55, 60, 150), cv::FILLED);
                cv::circle(p, {100, 60}, 3, cv::Scalar(70, 75, 235), cv::FILLED);
            }
        }) << 4 << 100.5;
        // A recoil trainer's dot, seen in full on the ink in its first frame, is lifted up and
        // aside in the next: the shot is where it first appeared.
        QTest::newRow("a red dot on black ink, lifted by recoil") << 200 << 5 << Faint([](cv::Mat &p, int i) {
            p(cv::Rect(60, 30, 80, 60)) = cv::Scalar::all(45);
            if (i == 3) {
                cv::circle(p, {100, 60}, 5, cv::Scalar(55, 60, 150), cv::FILLED);
                cv::circle(p, {100, 60}, 3, cv::Scalar(70, 75, 235), cv::FILLED);
            } else if (i == 4) {
                cv::line(p, {102, 56}, {108, 46}, cv::Scalar(55, 60, 150), 9);
                cv::line(p, {102, 56}, {108, 46}, cv::Scalar(70, 75, 235), 5);
            }
        }) << 4 << 100.5;
        QTest::newRow("a green dot on the black of a ring target") << 200 << 5 << Faint([](cv::Mat &p, int i) {
            p(cv::Rect(60, 30, 80, 60)) = cv::Scalar::all(45);
            if (i == 3)
                cv::circle(p, {100, 60}, 3, cv::Scalar(80, 240, 70), cv::FILLED);
        }) << 4 << 100.5;
        // A dot of a few pixels keeps about half its channel's rise where the camera's coarser
        // colour blends it with the ink around.
        QTest::newRow("a small red dot on black ink, half-way to white in red") << 200 << 5 << Faint([](cv::Mat &p, int i) {
            p(cv::Rect(60, 30, 80, 60)) = cv::Scalar::all(45);
            if (i == 3)
                cv::circle(p, {100, 60}, 3, cv::Scalar(55, 60, 160), cv::FILLED);
        }) << 4 << 100.5;
        // A reddish glint on black brightens its red channel less than half way to white: no dot.
        QTest::newRow("a dim red glint on black ink") << 200 << 5 << Faint([](cv::Mat &p, int i) {
            p(cv::Rect(60, 30, 80, 60)) = cv::Scalar::all(45);
            if (i == 3)
                cv::circle(p, {100, 60}, 3, cv::Scalar(60, 70, 140), cv::FILLED);
        }) << -1 << 0.0;
        // A weak red dot on a red card in a bright room lifts red to white and hardly the grey
        // (a fifth of red's rise): it never reaches the marking level, only its colour tells it.
        const auto redCard = [](cv::Mat &p) { p(cv::Rect(60, 30, 80, 60)) = cv::Scalar(70, 75, 182); };
        QTest::newRow("a weak red dot on a red card") << 200 << 5 << Faint([=](cv::Mat &p, int i) {
            redCard(p);
            if (i == 3) {
                cv::circle(p, {100, 60}, 5, cv::Scalar(70, 75, 215), cv::FILLED);
                cv::circle(p, {100, 60}, 3, cv::Scalar(70, 75, 255), cv::FILLED);
            }
        }) << 4 << 100.5;
        // The same rise shared by every channel is light of the room's colour, no laser.
        QTest::newRow("a dim glint on a red card") << 200 << 5 << Faint([=](cv::Mat &p, int i) {
            redCard(p);
            if (i == 3)
                cv::circle(p, {100, 60}, 4, cv::Scalar(90, 95, 202), cv::FILLED);
        }) << -1 << 0.0;
        // A lamp flickering with the mains, seen by a rolling shutter: bands of light and shade
        // roll down the picture from frame to frame, and a laser still gives its shot.
        const auto bands = [](cv::Mat &p, int i) {
            for (int y = 0; y < p.rows; ++y) {
                cv::Mat row = p.row(y);
                row.convertTo(row, -1, 1.0 + 0.18 * std::sin(2 * M_PI * (y / 80.0 + 0.3 * i)));
            }
        };
        QTest::newRow("flicker bands, then a laser") << 150 << 8 << Scene([=](cv::Mat &p, int i) {
            bands(p, i);
            if (i == 6)
                Laser(p, 100, 60);
        }) << 6 << 100.5;
        QTest::newRow("flicker bands alone") << 150 << 8 << Scene(bands) << -1 << 0.0;
        // Auto exposure steps down: the whole picture darkens by a seventh, and the background
        // takes several frames to follow. A laser two frames after the step rises from the
        // picture as it is now.
        QTest::newRow("exposure stepped down, then a laser") << 160 << 8 << Scene([](cv::Mat &p, int i) {
            if (i >= 3)
                p.convertTo(p, -1, 0.85);
            if (i == 5)
                cv::circle(p, {100, 60}, 3, cv::Scalar(190, 190, 215), cv::FILLED);
        }) << 5 << 100.5;
        // A bright thing that moves is no laser however round it looks: a watch on an arm swinging
        // in at the picture's side, its face not white, amid the changes the arm makes around it...
        QTest::newRow("a watch swinging in on an arm") << 60 << 8 << Scene([](cv::Mat &p, int i) {
            if (i < 2)
                return;
            const cv::Point tip(12 * i, 100 + 3 * i);
            cv::line(p, tip + cv::Point(-24, 24), tip, cv::Scalar::all(88), 16);
            cv::circle(p, tip, 4, cv::Scalar::all(200), cv::FILLED);
        }) << -1 << 0.0;
        // ... and an arm raised over the black of a target: where it came to rest, the part over
        // the ink stays lit longest, a compact patch left of what was one long area.
        QTest::newRow("an arm coming to rest over black ink") << 200 << 20 << Scene([](cv::Mat &p, int i) {
            p(cv::Rect(140, 100, 24, 24)) = cv::Scalar::all(10);
            if (i < 2)
                return;
            const cv::Point tip(std::max(150, 300 - 40 * (i - 1)), 112);
            cv::line(p, {330, 200}, tip, cv::Scalar::all(235), 20);
        }) << -1 << 0.0;
        // A dark plate hangs before a white sheet; hit twice in a row, it falls away five frames later.
        QTest::newRow("a hit target falls and uncovers a white sheet") << 60 << 40 << Scene([](cv::Mat &p, int i) {
            cv::circle(p, {100, 120}, 15, cv::Scalar::all(240), cv::FILLED);
            if (i < 36)
                cv::circle(p, {100, 120}, 16, cv::Scalar::all(30), cv::FILLED);
            if (i == 30 || i == 31)
                Laser(p, 100, 120);
        }) << 30 << 100.5;
    }

    void scenes()
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

    void rejectedAreas_data()
    {
        // A wall of grey 60, 320 x 240; frame 2 shows a light that is no shot. The reason the
        // laser view shows for it, and its box in upright pixels.
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QRect>("box");
        const auto at2 = [](std::function<void(cv::Mat &)> paint) {
            return Scene([=](cv::Mat &p, int i) {
                if (i == 2)
                    paint(p);
            });
        };
        QTest::newRow("a lamp's long edge") << at2([](cv::Mat &p) {
            p(cv::Rect(50, 100, 90, 3)) = cv::Scalar::all(250);
        }) << LASER_REJECT_TOO_LONG << QRect(50, 100, 90, 3);
        QTest::newRow("a sheet larger than any spot") << at2([](cv::Mat &p) {
            p(cv::Rect(200, 20, 100, 60)) = cv::Scalar::all(250);
        }) << LASER_REJECT_TOO_LARGE << QRect(200, 20, 100, 60);
        QTest::newRow("a ring of light") << at2([](cv::Mat &p) {
            cv::circle(p, {160, 150}, 12, cv::Scalar::all(250), 2);
        }) << LASER_REJECT_NOT_ROUND << QRect(147, 137, 27, 27);
        QTest::newRow("a spot cut by the picture's edge") << at2([](cv::Mat &p) {
            cv::circle(p, {1, 120}, 4, cv::Scalar::all(250), cv::FILLED);
        }) << LASER_REJECT_AT_EDGE << QRect(0, 116, 6, 9);
        QTest::newRow("a bright patch of the scene's own colour") << at2([](cv::Mat &p) {
            cv::circle(p, {100, 60}, 4, cv::Scalar(30, 30, 250), cv::FILLED);
        }) << LASER_REJECT_TOO_FAINT << QRect(96, 56, 9, 9);
        QTest::newRow("a thin grey stroke") << at2([](cv::Mat &p) {
            p(cv::Rect(100, 100, 14, 2)) = cv::Scalar::all(170);
        }) << LASER_REJECT_NOT_ROUND << QRect(100, 100, 14, 2);
    }

    void rejectedAreas()
    {
        QFETCH(Scene, scene);
        QFETCH(int, reason);
        QFETCH(QRect, box);
        FrameProcessor processor;
        FrameData frame;
        const Homography h;
        for (int i = 0; i < 3; ++i) {
            cv::Mat picture(240, 320, CV_8UC3, cv::Scalar::all(60));
            scene(picture, i);
            processor.Process(picture, i * 33333, 320, 240, DetectorThresholds(), h, frame);
        }
        QCOMPARE(frame.shotCount, 0);
        QCOMPARE(frame.rejectedCount, 1);
        const LaserRejectedSpot &r = frame.rejected[0];
        QCOMPARE(r.reason, reason);
        const QRect got(r.x, r.y, r.width, r.height);
        // Anti-aliasing and blur may widen an area by a pixel.
        QVERIFY2(qAbs(got.left() - box.left()) <= 1 && qAbs(got.top() - box.top()) <= 1
                     && qAbs(got.right() - box.right()) <= 1 && qAbs(got.bottom() - box.bottom()) <= 1,
                 qPrintable(QString("%1 %2 %3 %4").arg(r.x).arg(r.y).arg(r.width).arg(r.height)));
        QVERIFY(r.pixels > 0 && r.pixels <= r.width * r.height);
    }

    void rejectedKeepsTheLargest()
    {
        // More rejected areas than are handed out: the largest stay, largest first.
        FrameData frame;
        frame.Resize(100, 100);
        for (int size = 1; size <= LASER_MAX_REJECTED + 4; ++size) {
            Spot s = Box(2 * size, 10, 1);
            s.pixels = (size * 7) % 23 + 1; // in no particular order
            frame.AddRejected(s, LASER_REJECT_MOVING, true);
        }
        QCOMPARE(frame.rejectedCount, int(LASER_MAX_REJECTED));
        for (int i = 1; i < frame.rejectedCount; ++i)
            QVERIFY(frame.rejected[i - 1].pixels >= frame.rejected[i].pixels);
        QCOMPARE(frame.rejected[0].pixels, 23);
        // Bottom-first rows: a box at row 10 of 100 rows, one high, is row 89 upright.
        QCOMPARE(frame.rejected[0].y, 89);
    }

    // The vector passes (thirty-two and sixteen pixels at a time, where the processor has them)
    // and the scalar tail give every pixel the same weight, detection value and moved
    // background: random rows against random backgrounds, of lengths and starts that leave
    // each pass its share.
    void markingMatchesPerPixelRule_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("gain");
        QTest::newRow("every pass, default threshold") << 0 << 77 << 110 << 4096;
        QTest::newRow("unaligned start, brighter row") << 5 << 101 << 110 << 4700;
        QTest::newRow("least threshold, darker row") << 3 << 64 << 1 << 3400;
        QTest::newRow("saturation threshold") << 0 << 49 << 255 << 4096;
    }

    void markingMatchesPerPixelRule()
    {
        using namespace RowMarking;
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, threshold);
        QFETCH(int, gain);
        cv::RNG rng(uint64(from * 1000 + to));
        const size_t n = size_t(to);
        std::vector<uint8_t> grey(n), w(n, 7), det(n, 7);
        std::vector<int16_t> bg(n), expectedBg(n);
        for (int round = 0; round < 50; ++round) {
            for (int x = 0; x < to; ++x) {
                bg[size_t(x)] = int16_t(rng.uniform(0, 256 << FractionBits));
                // Mostly near the background, some far above or below it, some clipped.
                const int near = (bg[size_t(x)] >> FractionBits) + rng.uniform(-30, 31);
                grey[size_t(x)] = uint8_t(std::clamp(rng.uniform(0, 4) ? near : rng.uniform(0, 256), 0, 255));
            }
            expectedBg = bg;
            uint8_t peak = 0, expectedPeak = 0;
            int changed = 0, expectedChanged = 0;
            int64_t deviation = 0, expectedDeviation = 0, sum = 0;
            DimBlocks dim;
            dim.Clear(255);
            const bool marked = MarkRow(grey.data(), bg.data(), w.data(), det.data(), from, to,
                                        threshold, gain, peak, changed, deviation, dim.Row(0), sum);
            bool expectedMarked = false;
            for (int x = from; x < to; ++x) {
                const int g = grey[size_t(x)];
                const int b = LitBackground(expectedBg[size_t(x)], gain);
                const int weight = std::max(0, g - std::min(255, (b >> FractionBits) + NeededRise(b, threshold) - 1));
                QCOMPARE(int(w[size_t(x)]), weight);
                expectedMarked = expectedMarked || weight;
                QCOMPARE(int(det[size_t(x)]), weight ? 0 : std::max(g, 1));
                expectedChanged += std::abs(g - (b >> FractionBits)) >= ChangeLevel;
                expectedDeviation += std::abs(g - (b >> FractionBits));
                expectedPeak = std::max<uint8_t>(expectedPeak, uint8_t(g));
                int16_t &e = expectedBg[size_t(x)];
                e = int16_t(e + (((g << FractionBits) - e) >> BackgroundShift));
                QCOMPARE(bg[size_t(x)], e);
            }
            QCOMPARE(marked, expectedMarked);
            QCOMPARE(int(peak), int(expectedPeak));
            QCOMPARE(changed, expectedChanged);
            QCOMPARE(deviation, expectedDeviation);
            QCOMPARE(sum, BackgroundRowSum(expectedBg.data() + from, to - from));
        }
    }

    void scalerMatchesAreaResize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("1280 x 720: halved in one pass") << 1280 << 720;
        QTest::newRow("1283 x 721: no whole factor") << 1283 << 721;
    }

    // Every byte of a noisy picture, every channel on its own, against OpenCV's area scaling; upside
    // down as the program asks for it, into rows wider than the picture.
    void scalerMatchesAreaResize()
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

    void scalerGrey_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("asked");
        QTest::newRow("same size") << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("same size, a row no multiple of 16") << QSize(651, 483) << QSize(651, 483);
        QTest::newRow("halved in one pass") << QSize(1280, 720) << QSize(640, 480);
        QTest::newRow("no whole factor") << QSize(1283, 721) << QSize(640, 480);
        QTest::newRow("grown") << QSize(320, 240) << QSize(640, 480);
    }

    // The grey written beside the scaled colour holds, row for row, OpenCV's grey of that colour:
    // every level the detection compares comes from it.
    void scalerGrey()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, asked);
        cv::Mat source(picture.height(), picture.width(), CV_8UC3);
        cv::theRNG().state = 11;
        cv::randu(source, cv::Scalar::all(0), cv::Scalar::all(256));
        const int stride = asked.width() * 3 + 5, greyStride = asked.width() + 3;
        std::vector<uint8_t> out(size_t(stride) * asked.height(), 0);
        std::vector<uint8_t> grey(size_t(greyStride) * asked.height(), 0);
        PictureScaler scaler;
        scaler.Scale(source, asked.width(), asked.height(), out.data(), stride, true, grey.data(),
                     greyStride);
        const cv::Mat scaled(asked.height(), asked.width(), CV_8UC3, out.data(), size_t(stride));
        cv::Mat expected;
        cv::cvtColor(scaled, expected, cv::COLOR_BGR2GRAY);
        const cv::Mat written(asked.height(), asked.width(), CV_8UC1, grey.data(), size_t(greyStride));
        QCOMPARE(cv::norm(written, expected, cv::NORM_INF), 0.0);
        // Nothing beyond the rows' width is touched.
        for (int y = 0; y < asked.height(); ++y)
            QCOMPARE(grey[size_t(y) * greyStride + size_t(asked.width())], uint8_t(0));
    }

    void whiteCore_data()
    {
        // A spot's brightest pixel against the colour of the wall around it.
        using Rgb = QVector<int>;
        QTest::addColumn<QVector<int>>("wall"); // red, green, blue
        QTest::addColumn<QVector<int>>("core");
        QTest::addColumn<int>("least"); // whiteness at least
        QTest::addColumn<int>("most");  // and at most
        QTest::addColumn<QVector<int>>("peak");  // the brightest pixel, when it differs from the core
        QTest::addColumn<QVector<int>>("beside"); // one pixel beside it, when it differs
        QTest::newRow("red laser core on a dark wall") << Rgb{30, 25, 25} << Rgb{255, 230, 230} << 200 << 255 << Rgb() << Rgb();
        QTest::newRow("noise dims the brightest pixel of a white core") << Rgb{30, 30, 30} << Rgb{255, 255, 255} << 200 << 255 << Rgb{255, 255, 120} << Rgb();
        QTest::newRow("one white pixel beside a yellow patch's peak") << Rgb{230, 250, 120} << Rgb{255, 255, 140} << 0 << 40 << Rgb() << Rgb{255, 255, 255};
        // Around a spot on a saturated wall only a saturated core tells laser light.
        QTest::newRow("white core on a saturated wall") << Rgb{255, 255, 255} << Rgb{255, 255, 255} << 255 << 255 << Rgb() << Rgb();
        QTest::newRow("yellowish core on a saturated wall") << Rgb{255, 255, 255} << Rgb{255, 255, 200} << 0 << 0 << Rgb() << Rgb();
    }

    void whiteCore()
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
        const int whiteness = CoreWhiteness(picture.data, int(picture.step), 80, 60, Box(38, 28, 5));
        QVERIFY2(whiteness >= least && whiteness <= most, qPrintable(QString::number(whiteness)));
    }

    void outshine_data()
    {
        // A 3x3 spot of grey `spot` at (10..12, 10..12) on a wall of 40, and one pixel of grey
        // `beside` at (bx, by), which is not part of the spot.
        QTest::addColumn<int>("spot");
        QTest::addColumn<int>("beside");
        QTest::addColumn<int>("bx");
        QTest::addColumn<int>("by");
        QTest::addColumn<int>("expected");
        QTest::newRow("brighter pixel touching a corner") << 230 << 250 << 9 << 9 << 20;
        QTest::newRow("brighter pixel two away does not touch") << 230 << 250 << 14 << 11 << 40 - 230;
        QTest::newRow("saturated spot beside a saturated pixel") << 255 << 255 << 13 << 11 << 0;
    }

    void outshine()
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
        Spot s = Box(10, 10, 3);
        s.coreGrey = spot;
        QCOMPARE(Outshine(grey.data, detection.data, int(grey.step), 24, 24, s), expected);
    }
};

QTEST_APPLESS_MAIN(TestSpotDetector)
#include "tst_spotdetector.moc"
