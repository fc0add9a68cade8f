// laser-bench: time of one 640x480 frame through the pipeline, and of its stages alone.
#include "frameprocessor.h"
#include "homography.h"
#include "spotdetector.h"

#include <atomic>
#include <cstdlib>

#include <benchmark/benchmark.h>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

// Every allocation of the process, OpenCV's included, is counted: the pipeline must not
// allocate per frame once it runs. glibc lets the program's own malloc take precedence.
extern "C" void *__libc_malloc(size_t size);
static std::atomic<long> g_allocations{0};

extern "C" void *malloc(size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

namespace {

// A noisy wall with three laser spots, the common case of a frame with shots; shift moves
// the spots so that consecutive frames show new pulses.
cv::Mat TestPicture(int shift = 0)
{
    cv::Mat picture(480, 640, CV_8UC3, cv::Scalar::all(110));
    cv::Mat noise(480, 640, CV_16SC3);
    cv::RNG(7).fill(noise, cv::RNG::NORMAL, 0, 3);
    cv::add(picture, noise, picture, cv::noArray(), CV_8UC3);
    cv::circle(picture, {100 + shift, 120}, 3, cv::Scalar(150, 150, 255), cv::FILLED, cv::LINE_AA);
    cv::circle(picture, {320 + shift, 240}, 4, cv::Scalar(150, 255, 150), cv::FILLED, cv::LINE_AA);
    cv::circle(picture, {400 + shift, 400}, 2, cv::Scalar(200, 200, 255), cv::FILLED, cv::LINE_AA);
    return picture;
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

void BM_ProcessFrame(benchmark::State &state)
{
    cv::setNumThreads(1);
    // Eight pictures in turn, spots 25 px apart: every frame has three new pulses to report.
    std::vector<cv::Mat> pictures;
    for (int i = 0; i < 8; ++i)
        pictures.push_back(TestPicture(25 * i));
    const Homography h = Corners();
    FrameProcessor processor;
    FrameData frame;
    DetectorThresholds t;
    t.minDistance = 10;
    size_t n = 0;
    long shots = 0;
    for (int i = 0; i < 16; ++i) // warm up: buffers sized, vectors grown
        processor.Process(pictures[i % pictures.size()], 640, 480, t, h, frame);
    const long allocationsBefore = g_allocations.load();
    for (auto _ : state) {
        processor.Process(pictures[n++ % pictures.size()], 640, 480, t, h, frame);
        shots += frame.shotCount;
        benchmark::DoNotOptimize(frame.shots[0].cx);
    }
    state.counters["allocs/frame"] =
        double(g_allocations.load() - allocationsBefore) / double(state.iterations());
    state.counters["shots/frame"] = double(shots) / double(state.iterations());
}
BENCHMARK(BM_ProcessFrame)->Unit(benchmark::kMicrosecond);

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

} // namespace

BENCHMARK_MAIN();
