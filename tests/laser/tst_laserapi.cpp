// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the library through its C entry points, with simulated cameras from LASER_SOURCES.
#include "laser.h"

#include <QtTest>

#include <linux/videodev2.h>

#include <cmath>
#include <functional>
#include <thread>
#include <unistd.h>

namespace {

// An angled screen with shots given both in picture pixels and on the screen, near its corners;
// the last lasts 5 ms, inside one frame's exposure.
const char *AngledScenario = R"({
    "name": "Angled", "fps": 30, "noise": 2,
    "background": {"kind": "rings", "brightness": 120},
    "screen": [[150, 80], [520, 110], [120, 420], [540, 400]],
    "shots": [
        {"t": 150, "x": 210.4, "y": 180.6, "ms": 100, "radius": 3},
        {"t": 400, "sx": 120, "sy": 850, "ms": 150, "radius": 4, "colour": "green"},
        {"t": 650, "sx": 900, "sy": 100, "ms": 30, "radius": 2.5},
        {"t": 910, "x": 300.5, "y": 250.5, "ms": 5, "radius": 3}],
    "loop": false})";

QString Scenario(const QString &name, double x, double y, int t)
{
    return QString(R"({"name": "%1", "fps": 30, "noise": 2,
        "shots": [{"t": %2, "x": %3, "y": %4, "ms": 100, "radius": 3}], "loop": false})")
        .arg(name).arg(t).arg(x).arg(y);
}

// Writes the scenarios and points LASER_SOURCES at them (plus extra entries) until cleanup().
struct ScenarioFiles
{
    ScenarioFiles(const QStringList &jsons, const QStringList &extra = {})
    {
        QStringList sources;
        for (int i = 0; i < jsons.size(); ++i) {
            QFile f(dir.filePath(QString("scenario%1.json").arg(i)));
            f.open(QIODevice::WriteOnly);
            f.write(jsons[i].toUtf8());
            sources << f.fileName();
        }
        qputenv("LASER_SOURCES", (sources + extra).join(';').toUtf8());
    }
    QTemporaryDir dir;
};

int DeviceNamed(const QString &name)
{
    for (int i = 0; i < CamListDevices(); ++i) {
        char buffer[64];
        CamGetNameOfDevice(buffer, i);
        if (name == QString::fromLocal8Bit(buffer))
            return i;
    }
    return -1;
}

QString LastError()
{
    char buffer[128];
    CamGetLastError(buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer);
}

struct Shot
{
    QPointF picture;
    QPointF screen;
};

// Reads cameras 0 to count - 1 in turn, like the program's tick, until all are closed or the
// time runs out; collects each camera's shots and calls onShot with the camera after a frame
// with shots.
int ReadAll(int count, QVector<Shot> *shots, const std::function<void(int)> &onShot = {})
{
    QElapsedTimer timer;
    timer.start();
    QVector<bool> open(count, true);
    while (open.contains(true) && timer.elapsed() < 20000) {
        for (int c = 0; c < count; ++c) {
            CamSelectCamera(c);
            FrameBlock block;
            int r;
            while ((r = CamReadFrame(&block)) >= 0) {
                int laser = 0;
                for (; laser < LASER_MAX_SPOTS && block.spots[laser].kind == LASER_SPOT_LASER; ++laser)
                    shots[c].append({{block.spots[laser].x, block.spots[laser].y},
                                     {block.spots[laser].cx, block.spots[laser].cy}});
                if (r != laser)
                    return -100; // the result must be the number of spots handed out
                if (r > 0 && onShot)
                    onShot(c);
            }
            open[c] = r != LASER_NOT_OPEN;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return open.contains(true) ? LASER_NO_FRAME : LASER_NOT_OPEN;
}

} // namespace

class TestLaserApi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CamSetVerbose(0);
        CamEnableThreading();
        CamEnableMulipleCameras();
    }

    void cleanup()
    {
        for (int c = 0; c < LASER_MAX_CAMERAS; ++c) {
            CamSelectCamera(c);
            CamFree();
        }
        CamSelectCamera(0);
        CamEnableThreading();
        qunsetenv("LASER_SOURCES");
    }

    void endToEnd()
    {
        ScenarioFiles files({AngledScenario});
        const int device = DeviceNamed("Simulator: Angled");
        QVERIFY(device >= 0);
        QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
        QVERIFY(CamInit(device, 640, 480) > 0);
        const double corners[4][2] = {{150, 80}, {520, 110}, {120, 420}, {540, 400}};
        for (int c = 0; c < 4; ++c)
            CamSetCorner(c, corners[c][0], corners[c][1]);
        CamPreCalculate();
        CamSetScreenResolution(1000, 1000);
        double x, y;
        CamGetCorner(2, &x, &y);
        QCOMPARE(QPointF(x, y), QPointF(120, 420));

        // The shot descriptor: one for the library, raised once for every frame with shots.
        const int notifier = CamGetShotNotifier();
        QVERIFY(notifier >= 0);
        QCOMPARE(CamGetShotNotifier(), notifier);
        uint64_t raised = 0;
        while (read(notifier, &raised, sizeof raised) == sizeof raised) {}

        QVector<Shot> shots;
        int shotFrames = 0;
        QCOMPARE(ReadAll(1, &shots, [&](int) { ++shotFrames; }), LASER_NOT_OPEN); // the scenario ends: the camera vanishes
        QCOMPARE(read(notifier, &raised, sizeof raised), ssize_t(sizeof raised));
        QCOMPARE(raised, uint64_t(shotFrames));
        QCOMPARE(read(notifier, &raised, sizeof raised), ssize_t(-1)); // cleared by reading
        // Each scripted shot once, in order: where it was scripted in the picture within 0.5 px,
        // or on the 0-1000 screen within 2 units.
        const struct { bool onScreen; QPointF at; } expected[4] = {
            {false, {210.4, 180.6}}, {true, {120, 850}}, {true, {900, 100}}, {false, {300.5, 250.5}}};
        QCOMPARE(shots.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const bool onScreen = expected[i].onScreen;
            const QPointF at = onScreen ? shots[i].screen : shots[i].picture;
            const QPointF error = at - expected[i].at;
            QVERIFY2(std::hypot(error.x(), error.y()) < (onScreen ? 2.0 : 0.5),
                     qPrintable(QString("shot %1 at (%2, %3)").arg(i).arg(at.x()).arg(at.y())));
        }
    }

    void rejectedSpotsOfTheCurrentFrame()
    {
        // A dot cut by the picture's left edge is no shot; the frame that shows it says why.
        ScenarioFiles files({Scenario("Edge", 1.0, 200.0, 100)});
        const int device = DeviceNamed("Simulator: Edge");
        QVERIFY(device >= 0);
        LaserRejectedSpot spots[LASER_MAX_REJECTED];
        QCOMPARE(CamGetRejectedSpots(spots, LASER_MAX_REJECTED), 0); // no frame yet
        QVERIFY(CamInit(device, 640, 480) > 0);
        QCOMPARE(CamGetRejectedSpots(nullptr, 1), -1);
        QElapsedTimer timer;
        timer.start();
        int shots = 0;
        bool seen = false;
        FrameBlock block;
        int r = LASER_NO_FRAME;
        while (!seen && r != LASER_NOT_OPEN && timer.elapsed() < 10000) {
            while ((r = CamReadFrame(&block)) >= 0 && !seen) {
                shots += r;
                const int n = CamGetRejectedSpots(spots, LASER_MAX_REJECTED);
                QVERIFY(n >= 0 && n <= LASER_MAX_REJECTED);
                QCOMPARE(CamGetRejectedSpots(nullptr, 0), n);
                for (int i = 0; i < n && !seen; ++i)
                    seen = spots[i].reason == LASER_REJECT_AT_EDGE && spots[i].x == 0
                        && qAbs(spots[i].y + spots[i].height / 2.0 - 200.0) < 3.0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        QVERIFY(seen);
        QCOMPARE(shots, 0);
    }

    void failingSources()
    {
        ScenarioFiles files({"{ not json"}, {"/nonexistent/clip.mp4", "/nonexistent/absent.json"});
        const int count = CamListDevices();
        QVERIFY(count >= 3);
        CamSelectCamera(1);
        QCOMPARE(LastError(), QString()); // nothing failed yet
        const QStringList reasons{"scenario unreadable", "file not found", "file not found"};
        for (int d = count - 3; d < count; ++d) { // still listed, but cannot be opened, and say why
            QCOMPARE(CamInit(d, 640, 480), LASER_OPEN_FAILED);
            QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
            QCOMPARE(LastError(), reasons.at(d - count + 3));
        }
        // The reason belongs to the camera that failed, and fits any buffer.
        CamSelectCamera(2);
        QCOMPARE(LastError(), QString());
        CamSelectCamera(1);
        char small[5] = "xxxx";
        QCOMPARE(CamGetLastError(small, sizeof small), 14);
        QCOMPARE(QByteArray(small), QByteArray("file"));
        QCOMPARE(CamGetLastError(nullptr, 0), 14);
        QCOMPARE(CamInit(count, 640, 480), LASER_NO_DEVICE);
        QCOMPARE(LastError(), QString("no such device"));
        CamFree();
        QCOMPARE(LastError(), QString());
        char name[64] = "stale";
        QCOMPARE(CamGetNameOfDevice(name, count), -1);
        QCOMPARE(name[0], '\0');
        // A picture too large for memory fails inside the library; the caller gets a result.
        ScenarioFiles huge({Scenario("Huge", 10, 10, 100)});
        QCOMPARE(CamInit(DeviceNamed("Simulator: Huge"), 1 << 20, 1 << 20), LASER_INTERNAL_ERROR);
        QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
    }

    void failedSourceWaitsBeforeRetry()
    {
        // A scenario that is missing at first and written right after the failure: the library
        // does not look again until the pause has passed, then opens it.
        QTemporaryDir dir;
        const QString path = dir.filePath("later.json");
        qputenv("LASER_SOURCES", path.toUtf8());
        const int device = DeviceNamed("Simulator: later.json");
        QVERIFY(device >= 0);
        QCOMPARE(CamInit(device, 640, 480), LASER_OPEN_FAILED);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Scenario("Later", 10, 10, 100).toUtf8());
        file.close();
        QCOMPARE(CamInit(device, 640, 480), LASER_OPEN_FAILED);
        QCOMPARE(LastError(), QString("file not found"));
        // Tried as the program's tick does; the macros below would call it once more.
        int opened = LASER_OPEN_FAILED;
        QTRY_VERIFY_WITH_TIMEOUT((opened = opened > 0 ? opened : CamInit(device, 640, 480)) > 0, 3000);
        QCOMPARE(LastError(), QString("file not found")); // until a picture comes
        // Delivering clears the reason.
        FrameBlock block;
        int read = LASER_NO_FRAME;
        QTRY_VERIFY((read = read >= 0 ? read : CamReadFrame(&block)) >= 0);
        QCOMPARE(LastError(), QString());
    }

    // Polled: the program's tick reads each camera itself.
    void fourCamerasAtOnce()
    {
        CamDisableThreading();
        QStringList jsons;
        for (int c = 0; c < 4; ++c)
            jsons << Scenario(QString("Cam%1").arg(c), 100 + 100 * c, 50 + 80 * c, 150 + 50 * c);
        ScenarioFiles files(jsons);
        for (int c = 0; c < 4; ++c) {
            CamSelectCamera(c);
            const int device = DeviceNamed(QString("Simulator: Cam%1").arg(c));
            // With multiple cameras off, a second camera is refused while the first is open.
            if (c == 1) {
                CamDisableMulipleCameras();
                QCOMPARE(CamInit(device, 640, 480), LASER_CAMERA_BUSY);
                CamEnableMulipleCameras();
            }
            QVERIFY(CamInit(device, 640, 480) > 0);
        }
        // The buffers are those of the frame just read: a spot at upright (x, y) lies in buffer
        // row 479 - y, bottom row first.
        const auto buffersHoldTheSpot = [](int c) {
            QCOMPARE(CamGetXMax(), 640);
            QCOMPARE(CamGetYMax(), 480);
            const int x = 100 + 100 * c, y = 50 + 80 * c;
            const unsigned char *detection = CamGetSpecialGreyBuf(6);
            QCOMPARE(int(detection[(479 - y) * 640 + x]), 0);
            QVERIFY(detection[y * 640 + x] >= 1);
            QVERIFY(CamGetGreyBuf()[(479 - y) * 640 + x] > 200);
            QVERIFY(CamGetColourBuf()[(479 - y) * 1920 + x * 3 + 2] > 200); // red third
            char name[64];
            CamGetName(name);
            QCOMPARE(QString(name), QString("Simulator: Cam%1").arg(c));
        };
        QVector<Shot> shots[4];
        QCOMPARE(ReadAll(4, shots, buffersHoldTheSpot), LASER_NOT_OPEN);
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(shots[c].size(), 1);
            const QPointF error = shots[c][0].picture - QPointF(100 + 100 * c, 50 + 80 * c);
            QVERIFY(std::hypot(error.x(), error.y()) < 0.5);
        }
        // A scenario that has ended is played again from the start after reopening, and the
        // camera stays closed until then.
        CamSelectCamera(0);
        QCOMPARE(CamReadFrame(nullptr), LASER_NOT_OPEN);
        QVERIFY(CamInit(DeviceNamed("Simulator: Cam0"), 640, 480) > 0);
        QCOMPARE(ReadAll(1, shots), LASER_NOT_OPEN);
        QCOMPARE(shots[0].size(), 2);
    }

    void settingsAndControls()
    {
        // Thresholds are kept per camera.
        CamSelectCamera(1);
        CamSetThreshold(LASER_THRESHOLD_LUMINANCE, 77);
        CamSetThreshold(LASER_THRESHOLD_MAX_SIZE, 1234);
        CamSelectCamera(3);
        QCOMPARE(CamGetThresholds(LASER_THRESHOLD_LUMINANCE), LASER_DEFAULT_LUMINANCE);
        CamSelectCamera(1);
        QCOMPARE(CamGetThresholds(LASER_THRESHOLD_LUMINANCE), 77);
        QCOMPARE(CamGetThresholds(LASER_THRESHOLD_MAX_SIZE), 1234);
        QCOMPARE(CamGetThresholds(9), 0);
        CamSetThreshold(LASER_THRESHOLD_LUMINANCE, LASER_DEFAULT_LUMINANCE);
        CamSetThreshold(LASER_THRESHOLD_MAX_SIZE, LASER_DEFAULT_MAX_SIZE);
        // A simulated camera: the settings the program uses, no driver controls.
        ScenarioFiles files({}, {"demo"});
        int v[6] = {1, 1, 1, 1, 1, 1};
        QCOMPARE(CamGetFilterSetting(0, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), -1); // not open
        QCOMPARE(CamListControls(nullptr, 0), 0);
        QVERIFY(CamInit(DeviceNamed("Simulator: Demo"), 640, 480) > 0);
        // Brightness and exposure are emulated on the picture; the simulator has no roll.
        QCOMPARE(CamGetFilterSetting(0, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 0);
        QVERIFY(v[1] > v[0]);
        QCOMPARE(CamGetCameraSetting(2, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), -1);
        QCOMPARE(v[1], 0);
        CamSetCameraSettingPct(4, 0.0f, 2);
        CamGetCameraSetting(4, nullptr, nullptr, nullptr, &v[3], nullptr, nullptr);
        QCOMPARE(v[3], 0);
        // No driver controls to list, read or set.
        LaserControl controls[4];
        QCOMPARE(CamListControls(controls, 4), 0);
        char item[LASER_CONTROL_NAME_SIZE] = "stale";
        QCOMPARE(CamGetControlMenuItem(V4L2_CID_POWER_LINE_FREQUENCY, 1, item), -1);
        QCOMPARE(item[0], '\0');
        int value = 7;
        QCOMPARE(CamGetControl(V4L2_CID_BRIGHTNESS, &value), -1);
        QCOMPARE(value, 7);
        QCOMPARE(CamSetControl(V4L2_CID_BRIGHTNESS, 1), -1);
    }
};

QTEST_APPLESS_MAIN(TestLaserApi)
#include "tst_laserapi.moc"
