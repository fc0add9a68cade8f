// SPDX-License-Identifier: GPL-3.0-or-later
// WebcamRun: scenario and device configuration, the program's window, shot matching.
#include "webcamrun.h"

#include "camera.h"
#include "gamestate.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <unistd.h>

namespace {

// The device films frame k from k periods after the stream's start and stamps it one period later,
// at the end of its exposure; the first frame that shows a shot is the one whose exposure the
// shot starts in.
int64_t DeliveryUs(int64_t startUs, double shotMs, int fps)
{
    const long k = long(std::floor(shotMs * fps / 1000.0));
    return startUs + (k + 1) * int64_t(1000000 / fps);
}

// Shot times: the first a second in, then every shotEveryMs, each at its own point of a frame's
// exposure (a tenth to nine tenths into it), never on the boundary of two frames, where which
// frame first shows it would be a matter of rounding.
double ShotMs(int index, int everyMs, int fps)
{
    const double periodMs = 1000.0 / fps;
    const double start = 1000.0 + double(index) * everyMs;
    const double phase = std::floor(start / periodMs) * periodMs;
    return phase + periodMs * (0.1 + 0.8 * double((index * 37) % 100) / 100.0);
}

} // namespace

int64_t NowMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int64_t ProcessCpuMicros()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

long ResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

QString DecoderInUse()
{
    QFile f(QStringLiteral("/proc/self/maps"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QByteArray maps = f.readAll();
    if (maps.contains("libturbojpeg"))
        return QStringLiteral("TurboJPEG (libturbojpeg)");
    return QStringLiteral("OpenCV imdecode (libjpeg)");
}

WebcamRun::WebcamRun(int n, int rate, int seconds, int everyMs)
    : cameras(n), fps(rate), shotEveryMs(everyMs), present(n, true), streams(n)
{
    shotCount = int((seconds + 10) * 1000 / everyMs) + 1;
}

WebcamRun::~WebcamRun()
{
    delete window;
}

QJsonArray WebcamRun::DevicesJson() const
{
    QJsonArray devices;
    for (int c = 0; c < cameras; ++c)
        // Names of their own: the program tells cameras apart by name when the list changes.
        devices.append(QJsonObject{{"node", 2 * c}, {"profile", "hd60"}, {"card", QString("Webcam %1").arg(c + 1)},
                                   {"fps", fps}, {"present", present[c]},
                                   {"source", QJsonObject{{"kind", "scenario"}, {"path", scenarioPath}}}});
    return devices;
}

bool WebcamRun::Start(QString &error)
{
    if (!FakeV4L2::Loaded()) {
        error = QStringLiteral("the userspace webcam is not preloaded");
        return false;
    }
    // A wall at 110 with red laser pulses of 60 ms spread over the picture.
    QJsonArray shots;
    for (int i = 0; i < shotCount; ++i)
        shots.append(QJsonObject{{"t", ShotMs(i, shotEveryMs, fps)}, {"x", 80 + (i * 97) % 480}, {"y", 80 + (i * 61) % 320},
                                 {"ms", 60}, {"radius", 3}, {"colour", "red"}, {"intensity", 255}});
    const QJsonObject scenario{{"name", "Bench"}, {"fps", fps}, {"noise", 2},
                               {"background", QJsonObject{{"kind", "wall"}, {"brightness", 110}}},
                               {"shots", shots}, {"loop", false}};
    scenarioPath = config.StatePath() + QStringLiteral(".scenario.json");
    QFile f(scenarioPath);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(scenario).toJson()) < 0) {
        error = QStringLiteral("cannot write ") + scenarioPath;
        return false;
    }
    f.close();
    if (!config.Write(DevicesJson())) {
        error = QStringLiteral("the userspace webcam did not take its configuration");
        return false;
    }
    window = new MainWindow;
    if (!window->IsConfigured()) {
        error = QStringLiteral("no camera library beside the program");
        return false;
    }
    window->show();
    window->SetPage(2);
    window->SetFourCameras(cameras > 2);
    for (int c = 0; c < 4; ++c)
        connect(window->cameras[c], &Camera::Shot, this, [this, c] { OnShot(c); });
    Run(500); // camera 1 takes the first webcam by itself
    for (int c = 1; c < cameras; ++c)
        Choose(c);
    // A game that never ends by its count: every shot makes a row.
    window->ui->spinBoxSchotCount->setValue(window->ui->spinBoxSchotCount->maximum());
    window->ui->comboBoxGametype->setCurrentIndex(0);
    window->ui->pushButtonGameStart->click();
    return true;
}

void WebcamRun::Choose(int camera)
{
    QComboBox *combo = window->cameraCombos[camera];
    const int index = camera + 1;
    if (combo->count() <= index)
        return;
    combo->setCurrentIndex(index);
    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, index));
}

void WebcamRun::Run(int ms)
{
    // The program's own event loop, as when it runs for a user; the tool looks in ten times a
    // second to follow the device's streams and to start the game again when it has ended.
    QEventLoop loop;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [this] {
        ReadStreams();
        // The game stops at its shot count; start it again so every shot is written down.
        if (window && window->gameState != GameState::Running)
            window->ui->pushButtonGameStart->click();
    });
    look.start(100);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void WebcamRun::ReadStreams()
{
    const int64_t lastUs = NowMicros();
    for (int c = 0; c < cameras; ++c) {
        const QJsonObject d = config.Device(c);
        const int64_t start = int64_t(d.value(QStringLiteral("start_us")).toDouble());
        if (!d.value(QStringLiteral("streaming")).toBool() || start <= 0)
            continue;
        if (streams[c].isEmpty() || streams[c].last().startUs != start) {
            Stream s;
            s.startUs = start;
            s.seen.assign(size_t(shotCount), false);
            streams[c].append(s);
        }
        streams[c].last().endUs = lastUs;
    }
}

void WebcamRun::OnShot(int camera)
{
    // Connected after the main window's own slot: the hit marker and its row exist now.
    const int64_t now = NowMicros();
    if (camera < cameras && streams[camera].isEmpty())
        ReadStreams();
    if (camera >= cameras || streams[camera].isEmpty()) {
        ++unmatched;
        return;
    }
    Stream &s = streams[camera].last();
    // The latest scripted shot already delivered, within half a second.
    for (int i = shotCount - 1; i >= 0; --i) {
        const int64_t delivered = DeliveryUs(s.startUs, ShotMs(i, shotEveryMs, fps), fps);
        if (delivered > now)
            continue;
        if (now - delivered < 500000 && !s.seen[size_t(i)]) {
            s.seen[size_t(i)] = true;
            matches.append({camera, (now - delivered) / 1000.0});
            return;
        }
        break;
    }
    ++unmatched;
}

void WebcamRun::CountShots(int camera, int64_t fromUs, int64_t toUs, int &scripted, int &seen) const
{
    for (const Stream &s : streams[camera])
        for (int i = 0; i < shotCount; ++i) {
            const int64_t delivered = DeliveryUs(s.startUs, ShotMs(i, shotEveryMs, fps), fps);
            if (delivered < std::max(fromUs, s.startUs + 2000000) || delivered > std::min(toUs, s.endUs - 500000))
                continue;
            ++scripted;
            seen += s.seen[size_t(i)] ? 1 : 0;
        }
}

QVector<WebcamRun::Lost> WebcamRun::LostShots(int camera, int64_t fromUs, int64_t toUs) const
{
    QVector<Lost> lost;
    for (const Stream &s : streams[camera])
        for (int i = 0; i < shotCount; ++i) {
            const int64_t delivered = DeliveryUs(s.startUs, ShotMs(i, shotEveryMs, fps), fps);
            if (delivered < std::max(fromUs, s.startUs + 2000000) || delivered > std::min(toUs, s.endUs - 500000))
                continue;
            if (!s.seen[size_t(i)])
                lost.append({camera, i, s.startUs, delivered});
        }
    return lost;
}

double WebcamRun::DeviceCpuMs() const
{
    double sum = 0;
    for (const QJsonValue &d : config.State().value(QStringLiteral("devices")).toArray())
        sum += d.toObject().value(QStringLiteral("cpu_ms")).toDouble();
    return sum;
}

long WebcamRun::Frames(int camera) const
{
    return long(config.Device(camera).value(QStringLiteral("frames")).toDouble());
}

long WebcamRun::LostFrames(int camera) const
{
    return long(config.Device(camera).value(QStringLiteral("lost")).toDouble());
}

bool WebcamRun::Streaming(int camera) const
{
    return config.Device(camera).value(QStringLiteral("streaming")).toBool();
}

void WebcamRun::SetPresent(int camera, bool on)
{
    present[camera] = on;
    config.Write(DevicesJson());
}
