// SPDX-License-Identifier: GPL-3.0-or-later
// mjpeg-bench: a camera's MJPEG frame to the 640 x 480 picture detection works on, decoded by
// OpenCV (imdecode, full size) and by TurboJPEG (with DCT scaling where it applies), at the
// sizes webcams send, on a drawn picture and on a frame of the shared webcam footage (640 x 480).
// Prints each path's median time and the ratio.
#include "mjpegdecoder.h"
#include "picturescaler.h"

#include <benchmark/benchmark.h>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/videoio.hpp>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A lit wall with a ring target, sensor noise and two laser spots, as a webcam sees it; JPEG
// quality 80, about what UVC cameras send.
std::vector<uint8_t> Frame(int width, int height)
{
    cv::Mat picture(height, width, CV_8UC3, cv::Scalar(120, 125, 130));
    const cv::Point centre(width / 2, height / 2);
    for (int r = height / 2; r > 0; r -= height / 20)
        cv::circle(picture, centre, r, (r / (height / 20)) % 2 ? cv::Scalar::all(40) : cv::Scalar::all(210),
                   cv::FILLED, cv::LINE_AA);
    cv::Mat noise(height, width, CV_16SC3);
    cv::RNG(3).fill(noise, cv::RNG::NORMAL, 0, 3);
    cv::add(picture, noise, picture, cv::noArray(), CV_8UC3);
    cv::circle(picture, {width / 3, height / 4}, width / 200 + 2, cv::Scalar(180, 180, 255), cv::FILLED, cv::LINE_AA);
    cv::circle(picture, {width * 2 / 3, height / 2}, width / 200 + 2, cv::Scalar(180, 255, 180), cv::FILLED, cv::LINE_AA);
    std::vector<uint8_t> jpeg;
    cv::imencode(".jpg", picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, 80});
    return jpeg;
}

// The 30th frame of a webcam recording of the shared footage, as the webcam's MJPEG would
// carry it; empty when the footage is not there.
std::vector<uint8_t> FootageFrame()
{
#ifdef FIELDSHOT_FOOTAGE_DIR
    cv::VideoCapture video(FIELDSHOT_FOOTAGE_DIR "/lifecam-indoor-green.mp4", cv::CAP_FFMPEG);
    cv::Mat picture;
    for (int i = 0; i < 30 && video.read(picture);)
        ++i;
    std::vector<uint8_t> jpeg;
    if (!picture.empty())
        cv::imencode(".jpg", picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, 80});
    return jpeg;
#else
    return {};
#endif
}

std::vector<uint8_t> g_out(640 * 3 * 480);

// The present path: imdecode at full size, then the library's scaler to 640 x 480.
void BM_OpenCV(benchmark::State &state)
{
    cv::setNumThreads(1);
    const std::vector<uint8_t> jpeg = Frame(int(state.range(0)), int(state.range(1)));
    cv::Mat picture;
    PictureScaler scaler;
    for (auto _ : state) {
        cv::imdecode(jpeg, cv::IMREAD_COLOR, &picture);
        scaler.Scale(picture, 640, 480, g_out.data(), 640 * 3, true);
        benchmark::DoNotOptimize(g_out.data());
    }
    state.counters["decoded px"] = double(picture.total());
}

// TurboJPEG asked for want x want-height: reduced in the DCT where both axes keep that size.
void BM_TurboJPEG(benchmark::State &state)
{
    const std::vector<uint8_t> jpeg = Frame(int(state.range(0)), int(state.range(1)));
    const int wantWidth = int(state.range(2)), wantHeight = int(state.range(3));
    MjpegDecoder decoder;
    cv::Mat picture;
    PictureScaler scaler;
    for (auto _ : state) {
        if (!decoder.Decode(jpeg.data(), jpeg.size(), wantWidth, wantHeight, picture))
            state.SkipWithError("decoding failed");
        scaler.Scale(picture, 640, 480, g_out.data(), 640 * 3, true);
        benchmark::DoNotOptimize(g_out.data());
    }
    state.counters["decoded px"] = double(picture.total());
}

BENCHMARK(BM_OpenCV)->Args({640, 480})->Args({1280, 720})->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
// 640 x 480 asked: 1280 x 720 keeps its size (half would leave 360 rows), 1920 x 1080 halves.
BENCHMARK(BM_TurboJPEG)->Args({640, 480, 640, 480})->Args({1280, 720, 640, 480})->Args({1920, 1080, 640, 480})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
// For comparison: 1280 x 720 at half size (640 x 360, stretched to 480 rows).
BENCHMARK(BM_TurboJPEG)->Args({1280, 720, 640, 360})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Keeps the medians to print the two paths side by side after the table.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.aggregate_name == "median") {
                const std::string name = run.run_name.str();
                medians[name.substr(0, name.find("/repeats:"))] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const std::vector<uint8_t> footage = FootageFrame();
    if (!footage.empty()) {
        benchmark::RegisterBenchmark("BM_OpenCV/footage", [&footage](benchmark::State &state) {
            cv::Mat picture;
            PictureScaler scaler;
            for (auto _ : state) {
                cv::imdecode(footage, cv::IMREAD_COLOR, &picture);
                scaler.Scale(picture, 640, 480, g_out.data(), 640 * 3, true);
                benchmark::DoNotOptimize(g_out.data());
            }
        })->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("BM_TurboJPEG/footage", [&footage](benchmark::State &state) {
            MjpegDecoder decoder;
            cv::Mat picture;
            PictureScaler scaler;
            for (auto _ : state) {
                decoder.Decode(footage.data(), footage.size(), 640, 480, picture);
                scaler.Scale(picture, 640, 480, g_out.data(), 640 * 3, true);
                benchmark::DoNotOptimize(g_out.data());
            }
        })->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char *sizes[][2] = {{"640/480", "640/480/640/480"}, {"1280/720", "1280/720/640/480"},
                              {"1920/1080", "1920/1080/640/480"}, {"footage", "footage"}};
    std::printf("\nMJPEG frame to the 640 x 480 picture, median CPU time per frame:\n");
    for (const auto &s : sizes) {
        const double opencv = reporter.medians["BM_OpenCV/" + std::string(s[0])];
        const double turbo = reporter.medians["BM_TurboJPEG/" + std::string(s[1])];
        if (opencv > 0 && turbo > 0)
            std::printf("  %-10s OpenCV imdecode %7.0f us   TurboJPEG %7.0f us   %.2f times faster\n", s[0],
                        opencv, turbo, opencv / turbo);
    }
    benchmark::Shutdown();
    return 0;
}
