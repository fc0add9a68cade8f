// SPDX-License-Identifier: GPL-3.0-or-later
// webcam-bench: the whole program with one and with four webcams at 640 x 480 MJPEG 60 fps (the
// userspace webcam of tests/v4l2device): CPU share and frame-to-shot latency. With --soak it runs
// four webcams for a long time, unplugging and replugging them in turn, and checks that nothing
// crashes, no shot of a streaming camera is lost and the resident memory stays flat.
#include "webcamrun.h"

#include "mainwindow.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <unistd.h>

namespace {

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p / 100.0 * double(v.size())))];
}

// The machine's 1-minute load average: figures taken on a busy machine are read beside it.
double LoadAverage()
{
    double load[1] = {0.0};
    return getloadavg(load, 1) == 1 ? load[0] : -1.0;
}

// Heap memory the program holds (allocated and not yet freed), and what malloc keeps from the
// system for it, over all arenas: a leak grows the first, fragmentation only the second.
void HeapBytes(double &inUseMb, double &heldMb)
{
    const struct mallinfo2 m = mallinfo2();
    inUseMb = double(m.uordblks + m.hblkhd) / 1048576.0;
    heldMb = double(m.arena + m.hblkhd) / 1048576.0;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: webcam-bench [SECONDS]            one and four cameras, side by side (default 20 s)\n"
                 "       webcam-bench --cameras N SECONDS  one measurement\n"
                 "       webcam-bench --soak MINUTES [--replug-every SECONDS]\n"
                 "                                         four cameras, one unplugged and replugged in turn\n"
                 "                                         (default every 180 s), 30 minutes by default\n");
    return 2;
}

// One measurement; prints a single line of figures: cameras, cpu %, device cpu %, p50, p99, max,
// shots seen, shots scripted, unmatched, frames per second per camera, decoder, CPU ms per frame.
int Measure(int cameras, int seconds)
{
    WebcamRun run(cameras, 60, seconds, 700);
    QString error;
    if (!run.Start(error)) {
        std::fprintf(stderr, "webcam-bench: %s\n", qPrintable(error));
        return 1;
    }
    run.Run(3000); // warm: buffers, caches, the background model
    const int64_t wall0 = NowMicros();
    const int64_t cpu0 = ProcessCpuMicros();
    const double device0 = run.DeviceCpuMs();
    long frames0 = 0;
    for (int c = 0; c < cameras; ++c)
        frames0 += run.Frames(c);
    const int matched0 = run.Matches().size();
    run.Run(seconds * 1000);
    const int64_t wall1 = NowMicros();
    const double wallMs = (wall1 - wall0) / 1000.0;
    const double cpuMs = (ProcessCpuMicros() - cpu0) / 1000.0;
    const double deviceMs = run.DeviceCpuMs() - device0;
    long frames1 = 0;
    for (int c = 0; c < cameras; ++c)
        frames1 += run.Frames(c);
    std::vector<double> latencies;
    for (int i = matched0; i < run.Matches().size(); ++i)
        latencies.push_back(run.Matches()[i].latencyMs);
    int scripted = 0, seen = 0;
    for (int c = 0; c < cameras; ++c)
        run.CountShots(c, wall0, wall1 - 500000, scripted, seen);
    std::printf("%d %.1f %.1f %.2f %.2f %.2f %d %d %d %.1f %s %.2f\n", cameras, 100.0 * (cpuMs - deviceMs) / wallMs,
                100.0 * deviceMs / wallMs, Percentile(latencies, 50), Percentile(latencies, 99),
                latencies.empty() ? 0.0 : *std::max_element(latencies.begin(), latencies.end()), seen, scripted,
                run.Unmatched(), (frames1 - frames0) * 1000.0 / wallMs / cameras,
                qPrintable(DecoderInUse().replace(' ', '_')),
                frames1 > frames0 ? (cpuMs - deviceMs) / double(frames1 - frames0) : 0.0);
    return 0;
}

int Compare(const char *self, int seconds)
{
    std::printf("The whole program (decoding, detection, the 10 ms tick, painting the view) with the\n"
                "userspace webcam at 640 x 480 MJPEG 60 fps, scripted shots every 700 ms, %d s measured\n"
                "after 3 s. CPU in %% of one core, the device's own rendering and encoding left out.\n"
                "Latency: from the driver timestamp of the frame that first shows a shot to the\n"
                "program's row and marker for it (before the view is painted). A machine too busy to\n"
                "keep up delivers fewer frames (fps/cam); CPU ms per frame still tells the cost.\n\n",
                seconds);
    std::printf("%-8s %8s %10s %9s %9s %9s %11s %10s %13s %8s\n", "cameras", "cpu %", "device %", "p50 ms", "p99 ms",
                "max ms", "shots", "fps/cam", "cpu ms/frame", "load");
    QString decoder;
    for (int cameras : {1, 4}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--cameras"), QString::number(cameras),
                                                    QString::number(seconds)});
        if (!child.waitForFinished((seconds + 60) * 1000) || child.exitCode() != 0) {
            std::fprintf(stderr, "webcam-bench: the %d-camera run failed\n", cameras);
            return 1;
        }
        const QStringList f = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().split(' ');
        if (f.size() < 12)
            return 1;
        std::printf("%-8s %8s %10s %9s %9s %9s %11s %10s %13s %8.2f\n", qPrintable(f[0]), qPrintable(f[1]),
                    qPrintable(f[2]), qPrintable(f[3]), qPrintable(f[4]), qPrintable(f[5]),
                    qPrintable(f[6] + "/" + f[7]), qPrintable(f[9]), qPrintable(f[11]), LoadAverage());
        decoder = f[10];
    }
    std::printf("\nMJPEG decoder of the camera library: %s\n", qPrintable(decoder.replace('_', ' ')));
    std::printf("load: the machine's 1-minute load average at the end of each run, on %ld cores.\n",
                sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("Goals with four cameras: under 40 %% CPU, p99 latency under 15 ms.\n");
    return 0;
}

// An unplug of one camera, as times on the monotonic clock.
struct Replug
{
    int camera = 0;
    int64_t unpluggedUs = 0;
    int64_t backUs = 0;
    int64_t chosenUs = 0;
    long residentBytes = 0; // once the camera streams again
};

// The resident memory over one round of replugs, every camera once: a camera's buffers, its
// capture thread and its picture come and go with it, so a single reading moves by megabytes
// with the camera last replugged. Each round holds every state once.
double RoundMeanMb(const std::vector<Replug> &replugs, size_t first)
{
    double sum = 0.0;
    for (size_t i = first; i < first + 4; ++i)
        sum += double(replugs[i].residentBytes);
    return sum / 4.0 / 1048576.0;
}

// Where a shot the program did not report lies against the nearest unplug, in seconds.
void PrintLostShots(const WebcamRun &run, const std::vector<Replug> &replugs, int64_t start, int64_t end)
{
    for (int c = 0; c < 4; ++c)
        for (const WebcamRun::Lost &l : run.LostShots(c, start, end)) {
            const Replug *nearest = nullptr;
            for (const Replug &r : replugs)
                if (!nearest || std::llabs(r.unpluggedUs - l.deliveredUs) < std::llabs(nearest->unpluggedUs - l.deliveredUs))
                    nearest = &r;
            std::printf("  lost: camera %d shot %d at %.3f min, %.3f s into its stream", c + 1, l.shot,
                        (l.deliveredUs - start) / 6e7, (l.deliveredUs - l.streamStartUs) / 1e6);
            if (nearest)
                std::printf("; camera %d unplugged %+.3f s, back %+.3f s, chosen %+.3f s from it", nearest->camera + 1,
                            (nearest->unpluggedUs - l.deliveredUs) / 1e6, (nearest->backUs - l.deliveredUs) / 1e6,
                            (nearest->chosenUs - l.deliveredUs) / 1e6);
            std::printf("\n");
        }
}

int Soak(int minutes, int replugEverySeconds)
{
    const int seconds = minutes * 60;
    WebcamRun run(4, 60, seconds, 700);
    QString error;
    if (!run.Start(error)) {
        std::fprintf(stderr, "webcam-bench: %s\n", qPrintable(error));
        return 1;
    }
    run.Run(5000);
    const long rss0 = ResidentBytes();
    const int64_t start = NowMicros();
    int scripted = 0, seen = 0;
    std::vector<Replug> replugs;
    // The device's count of frames it had no buffer for starts again at every plug.
    long lostFrames = 0;
    std::vector<long> lostSeen(4, 0);
    auto countLost = [&] {
        for (int c = 0; c < 4; ++c) {
            const long now = run.LostFrames(c);
            lostFrames += now >= lostSeen[size_t(c)] ? now - lostSeen[size_t(c)] : now;
            lostSeen[size_t(c)] = now;
        }
    };
    countLost();
    lostFrames = 0;
    auto replug = [&](int camera) {
        Replug r;
        r.camera = camera;
        r.unpluggedUs = NowMicros();
        run.SetPresent(camera, false);
        run.Run(3000);
        countLost();
        r.backUs = NowMicros();
        run.SetPresent(camera, true);
        run.Run(1500);
        countLost();
        r.chosenUs = NowMicros();
        run.Choose(camera);
        run.Run(500);
        r.residentBytes = ResidentBytes();
        replugs.push_back(r);
        std::printf("%5.1f min: camera %d unplugged and back; resident %.1f MB; load %.2f\n",
                    (NowMicros() - start) / 6e7, camera + 1, r.residentBytes / 1048576.0, LoadAverage());
        std::fflush(stdout);
    };
    auto minuteLine = [&] {
        double inUse = 0, held = 0;
        HeapBytes(inUse, held);
        std::printf("%5.1f min: resident %.1f MB, heap in use %.1f MB of %.1f MB held; %d shots reported; "
                    "%ld frames dropped for want of a buffer; load %.2f\n",
                    (NowMicros() - start) / 6e7, ResidentBytes() / 1048576.0, inUse, held,
                    run.Matches().size() + run.Unmatched(), lostFrames, LoadAverage());
        std::fflush(stdout);
    };

    // Warming up: every camera unplugged and replugged once, then the rest of 90 s. The memory a
    // run needs (buffers, caches, malloc arenas of the capture threads) is taken by then; growth
    // is measured from here. Shots count from the start.
    for (int c = 0; c < 4; ++c) {
        run.Run(5000);
        replug(c);
    }
    while (NowMicros() - start < 90000000)
        run.Run(1000);
    countLost();
    minuteLine();
    const long rssWarm = ResidentBytes();
    const size_t warmReplugs = replugs.size();

    int next = 0;
    int64_t nextReplug = NowMicros() + int64_t(replugEverySeconds) * 1000000;
    int64_t nextReport = start + 120000000;
    while (NowMicros() - start < int64_t(seconds) * 1000000) {
        run.Run(1000);
        countLost();
        if (NowMicros() >= nextReport) {
            nextReport += 60000000;
            minuteLine();
        }
        if (NowMicros() < nextReplug)
            continue;
        nextReplug += int64_t(replugEverySeconds) * 1000000;
        replug(next);
        next = (next + 1) % 4;
    }
    const int64_t end = NowMicros();
    for (int c = 0; c < 4; ++c)
        run.CountShots(c, start, end, scripted, seen);
    PrintLostShots(run, replugs, start, end);
    const long rss1 = ResidentBytes();
    // Growth: the last four replugs, every camera once, against the first four after the warm-up.
    const size_t rounds = (replugs.size() - warmReplugs) / 4;
    const double growthMb = rounds >= 2
        ? RoundMeanMb(replugs, replugs.size() - 4) - RoundMeanMb(replugs, warmReplugs)
        : (rss1 - rssWarm) / 1048576.0;
    std::printf("soak %d min, %zu replugs: shots seen %d of %d while cameras were up, %d reports unmatched, "
                "%ld frames dropped for want of a buffer\n",
                minutes, replugs.size(), seen, scripted, run.Unmatched(), lostFrames);
    std::printf("resident memory %.1f MB at the start, %.1f MB after warming up, %.1f MB at the end "
                "(%+.2f MB since the start)\n",
                rss0 / 1048576.0, rssWarm / 1048576.0, rss1 / 1048576.0, (rss1 - rss0) / 1048576.0);
    if (rounds >= 2)
        std::printf("resident memory over four replugs, every camera once: %.2f MB in the first four "
                    "after warming up, %.2f MB in the last four (%zu replugs): %+.2f MB\n",
                    RoundMeanMb(replugs, warmReplugs), RoundMeanMb(replugs, replugs.size() - 4),
                    replugs.size() - warmReplugs, growthMb);
    else
        std::printf("fewer than two rounds of replugs after warming up: growth measured from the "
                    "warm-up to the end, %+.2f MB\n", growthMb);
    const bool ok = seen == scripted && growthMb < 1.0;
    std::printf("%s\n", ok ? "passed" : "FAILED");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    FakeV4L2::Preload(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("LASER_SOURCES");
    // Every game the run finishes goes into the training history: a fresh one of its own, not
    // the user's, and not one grown by earlier runs.
    QTemporaryDir historyFolder;
    qputenv("FIELDSHOT_HISTORY_URL", ("sqlite:" + historyFolder.filePath(QStringLiteral("history.sqlite"))).toLocal8Bit());
    QApplication app(argc, argv);
    if (argc >= 4 && !std::strcmp(argv[1], "--cameras"))
        return Measure(std::clamp(std::atoi(argv[2]), 1, 4), std::max(1, std::atoi(argv[3])));
    if (argc >= 2 && !std::strcmp(argv[1], "--soak")) {
        const int minutes = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 30;
        const int every = argc >= 5 && !std::strcmp(argv[3], "--replug-every") ? std::max(10, std::atoi(argv[4])) : 180;
        return Soak(minutes, every);
    }
    if (argc >= 2 && argv[1][0] == '-')
        return Usage();
    return Compare(argv[0], argc >= 2 ? std::max(1, std::atoi(argv[1])) : 20);
}
