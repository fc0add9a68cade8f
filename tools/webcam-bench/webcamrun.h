// SPDX-License-Identifier: GPL-3.0-or-later
// WebcamRun: the real program with one to four userspace webcams filming scripted laser shots,
// measured from the outside: shots matched to the frames that first showed them, CPU time, memory.
#pragma once

#include "fakev4l2client.h"

#include <QJsonArray>
#include <QObject>
#include <QVector>

#include <cstdint>
#include <vector>

class MainWindow;

// Monotonic microseconds (the clock of the device's buffer timestamps).
int64_t NowMicros();
// CPU time of the whole process, microseconds.
int64_t ProcessCpuMicros();
// Resident memory of the process, bytes.
long ResidentBytes();
// Which MJPEG decoder the loaded camera library uses, judged by the libraries mapped in.
QString DecoderInUse();

class WebcamRun : public QObject
{
    Q_OBJECT

public:
    // Scripted shots every shotEveryMs, on `cameras` webcams of the 60 fps profile.
    WebcamRun(int cameras, int fps, int seconds, int shotEveryMs);
    ~WebcamRun() override;

    bool Start(QString &error);
    // Runs the event loop for a while.
    void Run(int ms);
    void SetPresent(int camera, bool present);
    // Chooses camera's webcam in its box, as a user does after plugging it in again.
    void Choose(int camera);

    // A shot the program reported, matched to the scripted one that caused it.
    struct Match
    {
        int camera = 0;
        double latencyMs = 0;
    };
    const QVector<Match> &Matches() const { return matches; }
    int Unmatched() const { return unmatched; }
    // Scripted shots whose first frame was delivered between the two times, while a stream of the
    // camera ran (from two seconds after its start to half a second before its end), and how
    // many of them the program reported.
    void CountShots(int camera, int64_t fromUs, int64_t toUs, int &scripted, int &seen) const;
    // The scripted shots CountShots expects but the program did not report: when each was delivered.
    struct Lost
    {
        int camera = 0;
        int shot = 0;
        int64_t streamStartUs = 0;
        int64_t deliveredUs = 0;
    };
    QVector<Lost> LostShots(int camera, int64_t fromUs, int64_t toUs) const;
    double DeviceCpuMs() const;
    long Frames(int camera) const;
    // Frames the camera filmed while no buffer was queued to take them, since it was plugged in.
    long LostFrames(int camera) const;
    bool Streaming(int camera) const;
    MainWindow *Window() const { return window; }

private:
    void OnShot(int camera);
    void ReadStreams();
    QJsonArray DevicesJson() const;

    struct Stream
    {
        int64_t startUs = 0;
        int64_t endUs = 0; // last seen streaming
        std::vector<bool> seen;
    };

    int cameras;
    int fps;
    int shotEveryMs;
    int shotCount;
    QVector<bool> present;
    QVector<QVector<Stream>> streams; // per camera, every stream it played
    QVector<Match> matches;
    int unmatched = 0;
    FakeV4L2::Config config;
    QString scenarioPath;
    MainWindow *window = nullptr;
};
