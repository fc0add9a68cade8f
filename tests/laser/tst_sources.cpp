// Tests of the virtual sources: scenario reading, simulator rendering, video-file playback.
#include "frameprocessor.h"
#include "homography.h"
#include "scenario.h"
#include "simulatorsource.h"
#include "videofilesource.h"

#include <QtTest>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/videoio.hpp>

class TestSources : public QObject
{
    Q_OBJECT

private slots:
    void readsScenario();
    void rejectsBadScenario_data();
    void rejectsBadScenario();
    void screenShotsFollowTheCorners();
    void rendersShotsWhereScripted_data();
    void rendersShotsWhereScripted();
    void imageBackgroundBesideScenario();
    void shortPulseShowsInOneFrame();
    void videoFilePlaysAndEnds();
};

void TestSources::readsScenario()
{
    Scenario s;
    QVERIFY(Scenario::FromJson(R"({
        "name": "Range", "fps": 25, "noise": 1.5,
        "background": {"kind": "rings", "brightness": 140},
        "screen": [[100, 50], [540, 60], [90, 430], [550, 420]],
        "shots": [{"t": 100, "x": 320.5, "y": 240.25, "ms": 80, "radius": 4, "colour": "green", "intensity": 200},
                  {"t": 500, "sx": 500, "sy": 500}],
        "random": {"every_ms": 700}, "loop": true})", s));
    QCOMPARE(s.fps, 25.0);
    QVERIFY(s.hasScreen && s.loop);
    QCOMPARE(s.screen[3][0], 550.0);
    QCOMPARE(int(s.shots.size()), 2);
    QVERIFY(s.shots[0].green && !s.shots[1].green && s.shots[1].onScreen);
    QCOMPARE(s.shots[0].intensity, 200);
    QCOMPARE(s.randomEveryMs, 700.0);
    QCOMPARE(s.ScriptLength(), 600.0); // second shot: 500 + default 100 ms
}

void TestSources::rejectsBadScenario_data()
{
    QTest::addColumn<QString>("json");
    QTest::newRow("not JSON") << "shots: none";
    QTest::newRow("a list") << "[1, 2, 3]";
    QTest::newRow("unterminated") << R"({"name": "x", "shots": [)";
}

void TestSources::rejectsBadScenario()
{
    QFETCH(QString, json);
    Scenario s;
    QVERIFY(!Scenario::FromJson(json.toStdString(), s));
}

void TestSources::screenShotsFollowTheCorners()
{
    Scenario s;
    QVERIFY(Scenario::FromJson(R"({"screen": [[100, 50], [540, 60], [90, 430], [550, 420]],
        "shots": [{"t": 0, "sx": 0, "sy": 0}, {"t": 0, "sx": 1000, "sy": 1000}, {"t": 0, "sx": 500, "sy": 500}]})", s));
    QCOMPARE(s.shots[0].x, 100.0);
    QCOMPARE(s.shots[0].y, 50.0);
    QVERIFY(qAbs(s.shots[1].x - 550.0) < 1e-9 && qAbs(s.shots[1].y - 420.0) < 1e-9);
    // The screen's centre is where its diagonals cross, not the corners' average.
    Homography h;
    for (int i = 0; i < 4; ++i)
        h.SetCorner(i, s.screen[i][0], s.screen[i][1]);
    QVERIFY(h.PreCalculate());
    double cx, cy;
    h.Map(s.shots[2].x, s.shots[2].y, &cx, &cy);
    QVERIFY(qAbs(cx - 500) < 1e-6 && qAbs(cy - 500) < 1e-6);
}

void TestSources::rendersShotsWhereScripted_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QString>("background");
    QTest::newRow("red on a wall") << "red" << 3.0 << "wall";
    QTest::newRow("green on a wall") << "green" << 2.0 << "wall";
    QTest::newRow("red on rings") << "red" << 3.0 << "rings";
}

void TestSources::rendersShotsWhereScripted()
{
    QFETCH(QString, colour);
    QFETCH(double, radius);
    QFETCH(QString, background);
    Scenario s;
    QVERIFY(Scenario::FromJson(QString(R"({"noise": 2, "background": {"kind": "%1", "brightness": 110},
        "shots": [{"t": 100, "x": 203.3, "y": 151.7, "ms": 60, "radius": %2, "colour": "%3"}]})")
                                   .arg(background).arg(radius).arg(colour).toStdString(), s));
    SimulatorSource sim(s);
    QVERIFY(sim.Open(640, 480));
    FrameProcessor p;
    FrameData f;
    cv::Mat picture;
    int shots = 0;
    for (int frame = 0; frame < 8; ++frame) { // frames of 33.3 ms from t = 0
        sim.Render(frame * 1000.0 / 30.0, picture);
        p.Process(picture, 640, 480, DetectorThresholds(), Homography(), f);
        for (int i = 0; i < f.shotCount; ++i) {
            ++shots;
            QCOMPARE(frame, 3); // the first frame the pulse lights: 100 ms
            QVERIFY2(qAbs(f.shots[i].x - 203.3) < 0.5 && qAbs(f.shots[i].y - 151.7) < 0.5,
                     qPrintable(QString("(%1, %2)").arg(f.shots[i].x).arg(f.shots[i].y)));
        }
    }
    QCOMPARE(shots, 1);
}

void TestSources::imageBackgroundBesideScenario()
{
    QTemporaryDir dir;
    cv::Mat image(60, 80, CV_8UC3, cv::Scalar(0, 0, 200)); // a red picture
    QVERIFY(cv::imwrite(dir.filePath("red.png").toStdString(), image));
    QFile f(dir.filePath("scene.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"noise": 0, "background": {"kind": "image", "image": "red.png", "brightness": 255}})");
    f.close();
    Scenario s;
    QVERIFY(Scenario::FromFile(dir.filePath("scene.json").toStdString(), s));
    QCOMPARE(QString::fromStdString(s.name), QString("scene.json"));
    SimulatorSource sim(s);
    QVERIFY(sim.Open(640, 480));
    cv::Mat picture;
    sim.Render(0, picture);
    QCOMPARE(picture.size(), cv::Size(640, 480));
    const cv::Vec3b centre = picture.at<cv::Vec3b>(240, 320);
    QCOMPARE(int(centre[2]), 200);
    QCOMPARE(int(centre[0]), 0);
    // Without its image the scenario cannot be opened: such a camera fails to open.
    QFile::remove(dir.filePath("red.png"));
    QVERIFY(!SimulatorSource(s).Open(640, 480));
}

void TestSources::shortPulseShowsInOneFrame()
{
    Scenario s;
    // 5 ms at 30 fps falls inside one frame's exposure and must still be seen.
    QVERIFY(Scenario::FromJson(R"({"noise": 0, "shots": [{"t": 110, "x": 50, "y": 60, "ms": 5}]})", s));
    SimulatorSource sim(s);
    QVERIFY(sim.Open(640, 480));
    cv::Mat picture;
    int lit = 0;
    for (int frame = 0; frame < 8; ++frame) {
        sim.Render(frame * 1000.0 / 30.0, picture);
        double peak;
        cv::minMaxLoc(picture.reshape(1), nullptr, &peak);
        lit += peak > 200;
    }
    QCOMPARE(lit, 1);
}

void TestSources::videoFilePlaysAndEnds()
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
    QVERIFY(!VideoFileSource("/nonexistent/clip.mp4").Open(640, 480));
}

QTEST_APPLESS_MAIN(TestSources)
#include "tst_sources.moc"
