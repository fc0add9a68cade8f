// Tests of the library through its C entry points, with simulated cameras from LASER_SOURCES.
#include "laser.h"

#include <QtTest>

#include <cmath>
#include <thread>

namespace {

// An angled screen with shots given both in picture pixels and on the screen.
const char *AngledScenario = R"({
    "name": "Angled", "fps": 30, "noise": 2,
    "background": {"kind": "rings", "brightness": 120},
    "screen": [[150, 80], [520, 110], [120, 420], [540, 400]],
    "shots": [
        {"t": 150, "x": 210.4, "y": 180.6, "ms": 100, "radius": 3},
        {"t": 400, "sx": 500, "sy": 500, "ms": 60, "radius": 3, "colour": "green"},
        {"t": 650, "sx": 120, "sy": 850, "ms": 150, "radius": 4},
        {"t": 900, "x": 450.2, "y": 350.9, "ms": 30, "radius": 2.5, "colour": "green"},
        {"t": 1150, "sx": 900, "sy": 100, "ms": 100, "radius": 3}],
    "loop": false})";

struct Shot
{
    double x, y, cx, cy;
};

class ScenarioFiles
{
public:
    // Writes the scenarios and points LASER_SOURCES at them (plus extra entries).
    ScenarioFiles(const QStringList &jsons, const QStringList &extra = {})
    {
        QStringList sources;
        for (int i = 0; i < jsons.size(); ++i) {
            const QString path = dir.filePath(QString("scenario%1.json").arg(i));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(jsons[i].toUtf8());
            sources << path;
        }
        sources << extra;
        qputenv("LASER_SOURCES", sources.join(';').toUtf8());
    }
    ~ScenarioFiles() { qunsetenv("LASER_SOURCES"); }

private:
    QTemporaryDir dir;
};

int DeviceNamed(const QString &name)
{
    const int n = CamListDevices();
    for (int i = 0; i < n; ++i) {
        char buffer[64];
        CamGetNameOfDevice(buffer, i);
        if (name == QString::fromLocal8Bit(buffer))
            return i;
    }
    return -1;
}

// Reads the selected camera until it closes or the time runs out; collects the shots.
int ReadAll(QVector<Shot> &shots, int timeoutMs, int *frames = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    int r = LASER_NO_FRAME;
    while (timer.elapsed() < timeoutMs) {
        FrameBlock block;
        r = CamReadFrame(&block);
        if (r == LASER_NOT_OPEN)
            break;
        if (r < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (frames)
            ++*frames;
        for (int i = 0; i < LASER_MAX_SPOTS && block.spots[i].kind == LASER_SPOT_LASER; ++i)
            shots.append({block.spots[i].x, block.spots[i].y, block.spots[i].cx, block.spots[i].cy});
        if (r != std::count_if(block.spots, block.spots + LASER_MAX_SPOTS,
                               [](const SpotRecord &s) { return s.kind == LASER_SPOT_LASER; }))
            return -100; // the result must be the number of spots handed out
    }
    return r;
}

QString Scenario(const QString &name, double x, double y, int t)
{
    return QString(R"({"name": "%1", "fps": 30, "noise": 2,
        "shots": [{"t": %2, "x": %3, "y": %4, "ms": 100, "radius": 3}], "loop": false})")
        .arg(name).arg(t).arg(x).arg(y);
}

} // namespace

class TestLaserApi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void endToEnd_data();
    void endToEnd();
    void failingSources();
    void vanishesAndReopens();
    void fourCamerasAtOnce();
    void thresholdsPerCamera();
    void emulatedSettings();
    void buffersOfTheCurrentFrame();
};

void TestLaserApi::initTestCase()
{
    CamSetVerbose(0);
    CamEnableMulipleCameras();
}

void TestLaserApi::cleanup()
{
    for (int c = 0; c < LASER_MAX_CAMERAS; ++c) {
        CamSelectCamera(c);
        CamFree();
    }
    CamSelectCamera(0);
}

void TestLaserApi::endToEnd_data()
{
    QTest::addColumn<bool>("threaded");
    QTest::newRow("threaded") << true;
    QTest::newRow("polled") << false;
}

void TestLaserApi::endToEnd()
{
    QFETCH(bool, threaded);
    threaded ? CamEnableThreading() : CamDisableThreading();
    ScenarioFiles files({AngledScenario});
    const int device = DeviceNamed("Simulator: Angled");
    QVERIFY(device >= 0);
    CamSelectCamera(0);
    QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
    QVERIFY(CamInit(device, 640, 480) > 0);
    const double corners[4][2] = {{150, 80}, {520, 110}, {120, 420}, {540, 400}};
    for (int c = 0; c < 4; ++c)
        CamSetCorner(c, corners[c][0], corners[c][1]);
    CamPreCalculate();
    CamSetScreenResolution(1000, 1000);
    double x, y;
    CamGetCorner(2, &x, &y);
    QCOMPARE(x, 120.0);
    QCOMPARE(y, 420.0);

    QVector<Shot> shots;
    QCOMPARE(ReadAll(shots, 20000), LASER_NOT_OPEN); // the scenario ends: the camera vanishes
    QCOMPARE(shots.size(), 5);
    // Each scripted shot once, in order: where it was scripted in the picture within 0.5 px, or
    // on the 0-1000 screen within 2 units.
    const struct { bool onScreen; double x, y; } expected[5] = {
        {false, 210.4, 180.6}, {true, 500, 500}, {true, 120, 850}, {false, 450.2, 350.9}, {true, 900, 100}};
    for (int i = 0; i < 5; ++i) {
        const double x = expected[i].onScreen ? shots[i].cx : shots[i].x;
        const double y = expected[i].onScreen ? shots[i].cy : shots[i].y;
        QVERIFY2(std::hypot(x - expected[i].x, y - expected[i].y) < (expected[i].onScreen ? 2.0 : 0.5),
                 qPrintable(QString("shot %1 at (%2, %3)").arg(i).arg(x).arg(y)));
    }
}

void TestLaserApi::failingSources()
{
    CamEnableThreading();
    const QString bad = QDir::tempPath() + "/tst_laserapi_bad.json";
    QFile f(bad);
    f.open(QIODevice::WriteOnly);
    f.write("{ not json");
    f.close();
    ScenarioFiles files({}, {"/nonexistent/clip.mp4", bad,
                             QDir::tempPath() + "/tst_laserapi_absent.json"});
    const int count = CamListDevices();
    QVERIFY(count >= 3);
    for (int d = count - 3; d < count; ++d) { // still listed, but cannot be opened
        CamSelectCamera(1);
        QCOMPARE(CamInit(d, 640, 480), LASER_OPEN_FAILED);
        QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
    }
    QCOMPARE(CamInit(count, 640, 480), LASER_NO_DEVICE);
    char name[64] = "stale";
    QCOMPARE(CamGetNameOfDevice(name, count), -1);
    QCOMPARE(name[0], '\0');
    // A picture too large for memory fails inside the library; the caller gets a result.
    ScenarioFiles huge({Scenario("Huge", 10, 10, 100)});
    QCOMPARE(CamInit(DeviceNamed("Simulator: Huge"), 1 << 20, 1 << 20), LASER_INTERNAL_ERROR);
    QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
    QFile::remove(bad);
}

void TestLaserApi::vanishesAndReopens()
{
    CamEnableThreading();
    ScenarioFiles files({Scenario("Short", 100.5, 100.5, 100)});
    const int device = DeviceNamed("Simulator: Short");
    CamSelectCamera(2);
    for (int round = 0; round < 2; ++round) {
        QVERIFY(CamInit(device, 640, 480) > 0);
        QVector<Shot> shots;
        int frames = 0;
        QCOMPARE(ReadAll(shots, 20000, &frames), LASER_NOT_OPEN);
        QCOMPARE(shots.size(), 1); // played again from the start after reopening
        QVERIFY(frames > 5);
        QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN); // stays closed until opened again
    }
}

void TestLaserApi::fourCamerasAtOnce()
{
    CamEnableThreading();
    QStringList jsons;
    for (int c = 0; c < 4; ++c)
        jsons << Scenario(QString("Cam%1").arg(c), 100 + 100 * c, 50 + 80 * c, 150 + 50 * c);
    ScenarioFiles files(jsons);
    for (int c = 0; c < 4; ++c) {
        CamSelectCamera(c);
        QVERIFY(CamInit(DeviceNamed(QString("Simulator: Cam%1").arg(c)), 640, 480) > 0);
    }
    QVector<Shot> shots[4];
    bool open[4] = {true, true, true, true};
    QElapsedTimer timer;
    timer.start();
    // Round robin like the program's tick, each camera drained in turn.
    while ((open[0] || open[1] || open[2] || open[3]) && timer.elapsed() < 20000) {
        for (int c = 0; c < 4; ++c) {
            CamSelectCamera(c);
            FrameBlock block;
            int r;
            while ((r = CamReadFrame(&block)) >= 0)
                for (int i = 0; i < r; ++i)
                    shots[c].append({block.spots[i].x, block.spots[i].y, 0, 0});
            if (r == LASER_NOT_OPEN)
                open[c] = false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (int c = 0; c < 4; ++c) {
        QVERIFY2(!open[c], qPrintable(QString("camera %1 still open").arg(c)));
        QCOMPARE(shots[c].size(), 1);
        QVERIFY(std::hypot(shots[c][0].x - (100 + 100 * c), shots[c][0].y - (50 + 80 * c)) < 0.5);
    }
}

void TestLaserApi::thresholdsPerCamera()
{
    CamSelectCamera(0);
    CamSetThreshold(LASER_THRESHOLD_LUMINANCE, 77);
    CamSetThreshold(LASER_THRESHOLD_MAX_SIZE, 1234);
    CamSelectCamera(3);
    QCOMPARE(CamGetThresholds(LASER_THRESHOLD_LUMINANCE), LASER_DEFAULT_LUMINANCE);
    CamSelectCamera(0);
    QCOMPARE(CamGetThresholds(LASER_THRESHOLD_LUMINANCE), 77);
    QCOMPARE(CamGetThresholds(LASER_THRESHOLD_MAX_SIZE), 1234);
    QCOMPARE(CamGetThresholds(9), 0);
    CamSetThreshold(LASER_THRESHOLD_LUMINANCE, LASER_DEFAULT_LUMINANCE);
    CamSetThreshold(LASER_THRESHOLD_MAX_SIZE, LASER_DEFAULT_MAX_SIZE);
}

void TestLaserApi::emulatedSettings()
{
    CamEnableThreading();
    ScenarioFiles files({}, {"demo"});
    CamSelectCamera(1);
    int values[6] = {1, 1, 1, 1, 1, 1};
    QCOMPARE(CamGetFilterSetting(0, &values[0], &values[1], &values[2], &values[3], &values[4],
                                 &values[5]), -1); // not open
    QVERIFY(CamInit(DeviceNamed("Simulator: Demo"), 640, 480) > 0);
    QCOMPARE(CamGetFilterSetting(0, &values[0], &values[1], &values[2], &values[3], &values[4],
                                 &values[5]), 0);
    QVERIFY(values[1] > values[0]);
    QCOMPARE(CamGetCameraSetting(2, &values[0], &values[1], &values[2], &values[3], &values[4],
                                 &values[5]), -1);
    QCOMPARE(values[1], 0);

    // Exposure down to its minimum darkens the picture the camera delivers.
    auto latestPeak = [] {
        FrameBlock block;
        int peak = -1;
        while (CamReadFrame(&block) >= 0)
            peak = block.peakBrightness;
        return peak;
    };
    // The conditions below are evaluated more than once: a read without a new frame keeps the
    // last peak seen.
    int before = -1;
    auto lit = [&] {
        before = std::max(before, latestPeak());
        return before > 0;
    };
    QTRY_VERIFY(lit());
    CamSetCameraSettingPct(4, 0.0f, 2);
    int value = 0;
    CamGetCameraSetting(4, nullptr, nullptr, nullptr, &value, nullptr, nullptr);
    QCOMPARE(value, 0);
    int after = -1;
    auto darkened = [&] {
        const int peak = latestPeak();
        after = peak >= 0 ? peak : after;
        return after >= 0 && after < before / 2;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(darkened(), qPrintable(QString("peak %1 -> %2").arg(before).arg(after)), 10000);
}

void TestLaserApi::buffersOfTheCurrentFrame()
{
    CamEnableThreading();
    ScenarioFiles files({Scenario("Buffers", 300.5, 100.5, 100)});
    CamSelectCamera(0);
    QVERIFY(CamInit(DeviceNamed("Simulator: Buffers"), 640, 480) > 0);
    QElapsedTimer timer;
    timer.start();
    FrameBlock block;
    int r = LASER_NO_FRAME;
    while (timer.elapsed() < 20000 && (r = CamReadFrame(&block)) <= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    QCOMPARE(r, 1);
    QCOMPARE(CamGetXMax(), 640);
    QCOMPARE(CamGetYMax(), 480);
    const unsigned char *detection = CamGetSpecialGreyBuf(6);
    const unsigned char *grey = CamGetGreyBuf();
    const unsigned char *colour = CamGetColourBuf();
    QVERIFY(detection && grey && colour);
    // The spot at upright (300, 100) is in buffer row 479 - 100: bottom row first.
    QCOMPARE(int(detection[(479 - 100) * 640 + 300]), 0);
    QVERIFY(detection[100 * 640 + 300] >= 1);
    QVERIFY(grey[(479 - 100) * 640 + 300] > 200);
    QVERIFY(colour[(479 - 100) * 1920 + 300 * 3 + 2] > 200); // red channel third
    char name[64];
    CamGetName(name);
    QCOMPARE(QString(name), QString("Simulator: Buffers"));
}

QTEST_APPLESS_MAIN(TestLaserApi)
#include "tst_laserapi.moc"
