// Tests of the library through its C entry points, with simulated cameras from LASER_SOURCES.
#include "laser.h"

#include <QtTest>

#include <cmath>
#include <cstring>
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

// The angled screen's mapping from the 0-1000 square to the picture, by Heckbert's closed form
// for a square onto a quadrilateral: independent of the library's own solver.
struct ScreenMapping
{
    double m[3][3];

    ScreenMapping(const double tl[2], const double tr[2], const double bl[2], const double br[2])
    {
        const double dx1 = tr[0] - br[0], dx2 = bl[0] - br[0], dx3 = tl[0] - tr[0] + br[0] - bl[0];
        const double dy1 = tr[1] - br[1], dy2 = bl[1] - br[1], dy3 = tl[1] - tr[1] + br[1] - bl[1];
        const double den = dx1 * dy2 - dx2 * dy1;
        const double g = (dx3 * dy2 - dx2 * dy3) / den, h = (dx1 * dy3 - dx3 * dy1) / den;
        const double rows[3][3] = {{tr[0] - tl[0] + g * tr[0], bl[0] - tl[0] + h * bl[0], tl[0]},
                                   {tr[1] - tl[1] + g * tr[1], bl[1] - tl[1] + h * bl[1], tl[1]},
                                   {g, h, 1.0}};
        std::memcpy(m, rows, sizeof m);
    }
    // (u, v) in 0-1000 to picture pixels.
    QPointF ToPicture(double u, double v) const
    {
        u /= 1000.0;
        v /= 1000.0;
        const double w = m[2][0] * u + m[2][1] * v + m[2][2];
        return {(m[0][0] * u + m[0][1] * v + m[0][2]) / w, (m[1][0] * u + m[1][1] * v + m[1][2]) / w};
    }
    // Picture pixels to 0-1000, through the adjugate of the matrix.
    QPointF ToScreen(double x, double y) const
    {
        const double a[3][3] = {
            {m[1][1] * m[2][2] - m[1][2] * m[2][1], m[0][2] * m[2][1] - m[0][1] * m[2][2], m[0][1] * m[1][2] - m[0][2] * m[1][1]},
            {m[1][2] * m[2][0] - m[1][0] * m[2][2], m[0][0] * m[2][2] - m[0][2] * m[2][0], m[0][2] * m[1][0] - m[0][0] * m[1][2]},
            {m[1][0] * m[2][1] - m[1][1] * m[2][0], m[0][1] * m[2][0] - m[0][0] * m[2][1], m[0][0] * m[1][1] - m[0][1] * m[1][0]}};
        const double w = a[2][0] * x + a[2][1] * y + a[2][2];
        return {1000.0 * (a[0][0] * x + a[0][1] * y + a[0][2]) / w,
                1000.0 * (a[1][0] * x + a[1][1] * y + a[1][2]) / w};
    }
};

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
    void deviceNames();
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

void TestLaserApi::deviceNames()
{
    ScenarioFiles files({Scenario("Named", 10, 10, 0)}, {"demo", "/videos/clip one.mp4"});
    QVERIFY(DeviceNamed("Simulator: Named") >= 0);
    QCOMPARE(DeviceNamed("Simulator: Demo"), DeviceNamed("Simulator: Named") + 1);
    QCOMPARE(DeviceNamed("Video: clip one.mp4"), DeviceNamed("Simulator: Demo") + 1);
    char buffer[64] = "stale";
    QCOMPARE(CamGetNameOfDevice(buffer, CamListDevices()), -1);
    QCOMPARE(buffer[0], '\0');
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
    QCOMPARE(ReadAll(shots, 5000), LASER_NOT_OPEN); // the scenario ends: the camera vanishes
    QCOMPARE(shots.size(), 5);
    // Each scripted shot once, in order: picture position within 0.5 px, corrected position
    // within 2 units of the 0-1000 screen, both worked out independently of the library.
    const ScreenMapping screen(corners[0], corners[1], corners[2], corners[3]);
    const QPointF onScreen[5] = {screen.ToScreen(210.4, 180.6), {500, 500}, {120, 850},
                                 screen.ToScreen(450.2, 350.9), {900, 100}};
    for (int i = 0; i < 5; ++i) {
        const QPointF picture = screen.ToPicture(onScreen[i].x(), onScreen[i].y());
        QVERIFY2(std::hypot(shots[i].x - picture.x(), shots[i].y - picture.y()) < 0.5,
                 qPrintable(QString("shot %1 at (%2, %3), expected (%4, %5)").arg(i)
                                .arg(shots[i].x).arg(shots[i].y).arg(picture.x()).arg(picture.y())));
        QVERIFY2(std::hypot(shots[i].cx - onScreen[i].x(), shots[i].cy - onScreen[i].y()) < 2.0,
                 qPrintable(QString("shot %1 corrected (%2, %3), expected (%4, %5)").arg(i)
                                .arg(shots[i].cx).arg(shots[i].cy).arg(onScreen[i].x()).arg(onScreen[i].y())));
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
        QCOMPARE(ReadAll(shots, 3000, &frames), LASER_NOT_OPEN);
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
    while ((open[0] || open[1] || open[2] || open[3]) && timer.elapsed() < 6000) {
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
    auto peakAfterSettling = [] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        FrameBlock block;
        int peak = -1;
        while (CamReadFrame(&block) >= 0)
            peak = block.peakBrightness;
        return peak;
    };
    const int before = peakAfterSettling();
    CamSetCameraSettingPct(4, 0.0f, 2);
    int value = 0;
    CamGetCameraSetting(4, nullptr, nullptr, nullptr, &value, nullptr, nullptr);
    QCOMPARE(value, 0);
    peakAfterSettling();
    const int after = peakAfterSettling();
    QVERIFY2(before > 0 && after >= 0 && after < before / 2,
             qPrintable(QString("peak %1 -> %2").arg(before).arg(after)));
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
    while (timer.elapsed() < 3000 && (r = CamReadFrame(&block)) <= 0)
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
