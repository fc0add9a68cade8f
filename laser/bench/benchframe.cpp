// SPDX-License-Identifier: LGPL-2.1-or-later
// laser-bench: time of one frame through the pipeline (640 x 480, and larger pictures scaled to
// it), of its stages alone, and of the plain OpenCV way on the same pictures.
#include "frameprocessor.h"
#include "homography.h"
#include "picturescaler.h"
#include "spotdetector.h"

#include <atomic>
#include <execinfo.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

// Every allocation of the process, OpenCV's included, is counted: the pipeline must not
// allocate per frame once it runs. glibc lets the program's own malloc take precedence.
// With LASER_BENCH_TRACE_ALLOCATIONS set, the first allocation inside a timed loop prints its
// call stack to stderr.
extern "C" void *__libc_malloc(size_t size);
static std::atomic<long> g_allocations{0};
static std::atomic<bool> g_traceNext{false};

extern "C" void *malloc(size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (g_traceNext.exchange(false, std::memory_order_relaxed)) {
        void *frames[32];
        const int depth = backtrace(frames, 32);
        backtrace_symbols_fd(frames, depth, 2);
    }
    return __libc_malloc(size);
}

static void TraceNextAllocation()
{
    if (std::getenv("LASER_BENCH_TRACE_ALLOCATIONS")) {
        void *frames[1];
        backtrace(frames, 1); // loads the unwinder now, not inside the traced call
        g_traceNext = true;
    }
}

namespace {

// A noisy wall with three laser spots, the common case of a frame with shots; shift moves
// the spots so that consecutive frames show new pulses. Spots are drawn at the picture's own
// scale, as a camera of that size would see them.
cv::Mat TestPicture(int shift = 0, int width = 640, int height = 480)
{
    const double sx = width / 640.0, sy = height / 480.0, r = std::sqrt(sx * sy);
    cv::Mat picture(height, width, CV_8UC3, cv::Scalar::all(110));
    cv::Mat noise(height, width, CV_16SC3);
    cv::RNG(7).fill(noise, cv::RNG::NORMAL, 0, 3);
    cv::add(picture, noise, picture, cv::noArray(), CV_8UC3);
    auto spot = [&](int x, int y, double radius, cv::Scalar colour) {
        cv::circle(picture, {int((x + shift) * sx), int(y * sy)}, int(radius * r + 0.5), colour,
                   cv::FILLED, cv::LINE_AA);
    };
    spot(100, 120, 3, cv::Scalar(150, 150, 255));
    spot(320, 240, 4, cv::Scalar(150, 255, 150));
    spot(400, 400, 2, cv::Scalar(200, 200, 255));
    return picture;
}

std::vector<cv::Mat> Pictures(int width, int height)
{
    // Eight pictures in turn, spots 25 px apart: every frame has three new pulses to report.
    std::vector<cv::Mat> pictures;
    for (int i = 0; i < 8; ++i)
        pictures.push_back(TestPicture(25 * i, width, height));
    return pictures;
}

Homography Corners()
{
    Homography h;
    const double c[4][2] = {{128, 96}, {512, 96}, {128, 384}, {512, 384}};
    for (int i = 0; i < 4; ++i)
        h.SetCorner(i, c[i][0], c[i][1]);
    h.PreCalculate();
    return h;
}

// The library's whole per-frame pipeline on pictures of state.range(0) x state.range(1), asked
// for at 640 x 480: scaling, flip, grey, detection, shot rules and correction.
void BM_ProcessFrame(benchmark::State &state)
{
    cv::setNumThreads(1);
    const std::vector<cv::Mat> pictures = Pictures(int(state.range(0)), int(state.range(1)));
    const Homography h = Corners();
    FrameProcessor processor;
    FrameData frame;
    DetectorThresholds t;
    t.minDistance = 10;
    size_t n = 0;
    long shots = 0;
    int64_t timeUs = 0;
    // Frames 250 ms apart, so that every picture's spots are new pulses.
    for (int i = 0; i < 16; ++i, timeUs += 250000) // warm up: buffers sized, vectors grown
        processor.Process(pictures[i % pictures.size()], timeUs, 640, 480, t, h, frame);
    const long allocationsBefore = g_allocations.load();
    TraceNextAllocation();
    for (auto _ : state) {
        processor.Process(pictures[n++ % pictures.size()], timeUs, 640, 480, t, h, frame);
        timeUs += 250000;
        shots += frame.shotCount;
        benchmark::DoNotOptimize(frame.shots[0].cx);
    }
    state.counters["allocs/frame"] =
        double(g_allocations.load() - allocationsBefore) / double(state.iterations());
    state.counters["shots/frame"] = double(shots) / double(state.iterations());
}
BENCHMARK(BM_ProcessFrame)
    ->Args({640, 480})
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The plain OpenCV way on the same 640 x 480 pictures: grey, a fixed threshold, connected
// components with their statistics. No background, no shot rules: the floor any detector built
// from these calls starts at.
void BM_OpenCVPipeline(benchmark::State &state)
{
    cv::setNumThreads(1);
    const std::vector<cv::Mat> pictures = Pictures(640, 480);
    cv::Mat grey, mask, labels, stats, centroids;
    size_t n = 0;
    long found = 0;
    for (auto _ : state) {
        cv::cvtColor(pictures[n++ % pictures.size()], grey, cv::COLOR_BGR2GRAY);
        cv::threshold(grey, mask, 160, 255, cv::THRESH_BINARY);
        found += cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S) - 1;
        benchmark::DoNotOptimize(centroids.data);
    }
    state.counters["spots/frame"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_OpenCVPipeline)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FlipAndGrey(benchmark::State &state)
{
    cv::setNumThreads(1);
    const cv::Mat picture = TestPicture();
    cv::Mat colour(480, 640, CV_8UC3), grey(480, 640, CV_8UC1);
    for (auto _ : state) {
        cv::flip(picture, colour, 0);
        cv::cvtColor(colour, grey, cv::COLOR_BGR2GRAY);
        benchmark::DoNotOptimize(grey.data);
    }
}
BENCHMARK(BM_FlipAndGrey)->Unit(benchmark::kMicrosecond);

// Scaling alone: a picture of state.range(0) x state.range(1) into the bottom-first buffer.
void BM_Scale(benchmark::State &state)
{
    const cv::Mat picture = TestPicture(0, int(state.range(0)), int(state.range(1)));
    std::vector<uint8_t> out(640 * 3 * 480);
    PictureScaler scaler;
    for (auto _ : state) {
        scaler.Scale(picture, 640, 480, out.data(), 640 * 3, true);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Scale)->Args({640, 480})->Args({1280, 720})->Unit(benchmark::kMicrosecond);

void BM_Detect(benchmark::State &state)
{
    const cv::Mat picture = TestPicture();
    cv::Mat grey, detection(480, 640, CV_8UC1);
    cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
    SpotDetector detector;
    std::vector<Spot> spots;
    const DetectorThresholds t;
    for (auto _ : state) {
        detector.Detect(grey.data, int(grey.step), 640, 480, true, detection.data, 640, t, spots);
        benchmark::DoNotOptimize(spots.data());
    }
}
BENCHMARK(BM_Detect)->Unit(benchmark::kMicrosecond);

// Keeps the medians of the two 640 x 480 pipelines to print their ratio after the table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name != "median")
                continue;
            const std::string name = run.benchmark_name();
            if (name.rfind("BM_ProcessFrame/640/480", 0) == 0)
                library = run.GetAdjustedCPUTime();
            else if (name.rfind("BM_OpenCVPipeline", 0) == 0)
                opencv = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double library = 0.0;
    double opencv = 0.0;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.library > 0.0 && reporter.opencv > 0.0)
        std::printf("640 x 480, median CPU time: library %.1f us, OpenCV grey + threshold + components "
                    "%.1f us: %.1f times faster\n",
                    reporter.library, reporter.opencv, reporter.opencv / reporter.library);
    // Four cameras at 60 frames a second ask for 240 frames of detection every second.
    if (reporter.library > 0.0)
        std::printf("60 fps x 4 cameras: %.1f us x 240 frames/s = %.1f %% of one core\n",
                    reporter.library, reporter.library * 240.0 / 1e6 * 100.0);
    benchmark::Shutdown();
    return 0;
}
