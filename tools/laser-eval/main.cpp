// SPDX-License-Identifier: GPL-3.0-or-later
// laser-eval: runs the library's detector with default thresholds over a footage manifest.
#include "footagematcher.h"
#include "footagevariant.h"

#include "frameprocessor.h"
#include "homography.h"
#include "v4l2source.h"

#include <opencv2/core.hpp>
#include <opencv2/core/utility.hpp>
#include <opencv2/videoio.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The size the program asks every camera for.
constexpr int Width = 640;
constexpr int Height = 480;

// Median of the per-frame times: the first frames of a recording pay for buffers and caches.
double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

std::vector<std::pair<double, double>> Points(const cv::FileNode &list)
{
    std::vector<std::pair<double, double>> out;
    for (const cv::FileNode &p : list)
        out.emplace_back(double(p[0]), double(p[1]));
    return out;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: laser-eval [-v] [--spots A B] [--luminance N] [--min-size N] [--min-distance N]\n"
                 "                  [--skip-missing] [--min-passed N] [--min-found N]\n"
                 "                  [--max-false N] [--two-frame-pulses FILE] [--variant NAME]\n"
                 "                  [--device NODE] MANIFEST\n"
                 "  -v              print every reported shot\n"
                 "  --spots A B     print every lit area of frames A to B, laser light or not,\n"
                 "                  and the rejected areas with their reason (LASER_REJECT_*)\n"
                 "  --luminance N, --min-size N, --min-distance N\n"
                 "                  try other thresholds than the defaults\n"
                 "  --skip-missing  exit 77 (skipped) when the manifest does not exist\n"
                 "  --min-passed N  exit 0 when at least N recordings pass (regression floor)\n"
                 "  --min-found N   ... and at least N required shots are found\n"
                 "  --max-false N   ... and at most N false shots are reported\n"
                 "  --two-frame-pulses FILE\n"
                 "                  pulses lit in two frames in a row (two-frame-pulses.py): for\n"
                 "                  the one recording the file names, a shot at the other\n"
                 "                  frame's centre matches too\n"
                 "  --variant NAME  alter every picture as it is read, the expected centres with\n"
                 "                  it: %s\n"
                 "  --device NODE   read each recording's pictures from a V4L2 device instead, opened\n"
                 "                  once per recording as the library opens a camera (the userspace\n"
                 "                  webcam of tests/v4l2device plays a manifest so); a recording ends\n"
                 "                  when the device stops delivering\n",
                 FootageVariant::Names());
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    bool verbose = false, skipMissing = false;
    DetectorThresholds thresholds; // the library's defaults, the same for every recording
    int minPassed = -1, minFound = -1, maxFalse = -1;
    long spotsFrom = -1, spotsTo = -2;
    const char *manifestPath = nullptr;
    const char *twoFramePath = nullptr;
    const char *deviceNode = nullptr;
    bool variantSelected = false;
    FootageVariant variant;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-v"))
            verbose = true;
        else if (!std::strcmp(argv[i], "--skip-missing"))
            skipMissing = true;
        else if (!std::strcmp(argv[i], "--luminance") && i + 1 < argc)
            thresholds.luminance = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--min-size") && i + 1 < argc)
            thresholds.minSize = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--min-distance") && i + 1 < argc)
            thresholds.minDistance = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--min-passed") && i + 1 < argc)
            minPassed = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--min-found") && i + 1 < argc)
            minFound = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--max-false") && i + 1 < argc)
            maxFalse = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--spots") && i + 2 < argc) {
            spotsFrom = std::atol(argv[++i]);
            spotsTo = std::atol(argv[++i]);
        } else if (!std::strcmp(argv[i], "--two-frame-pulses") && i + 1 < argc)
            twoFramePath = argv[++i];
        else if (!std::strcmp(argv[i], "--variant") && i + 1 < argc) {
            if (!variant.Select(argv[++i]))
                return Usage();
            variantSelected = true;
        } else if (!std::strcmp(argv[i], "--device") && i + 1 < argc)
            deviceNode = argv[++i];
        else if (argv[i][0] == '-')
            return Usage();
        else
            manifestPath = argv[i];
    }
    if (!manifestPath || (deviceNode && variantSelected))
        return Usage();

    if (skipMissing && access(manifestPath, F_OK) != 0) {
        std::printf("no footage at %s: skipped\n", manifestPath);
        return 77;
    }
    cv::setNumThreads(1);
    cv::FileStorage twoFrame;
    if (twoFramePath) {
        try {
            twoFrame.open(twoFramePath, cv::FileStorage::READ | cv::FileStorage::FORMAT_JSON);
        } catch (const cv::Exception &) {
        }
        if (!twoFrame.isOpened()) {
            std::fprintf(stderr, "laser-eval: cannot read %s\n", twoFramePath);
            return 2;
        }
    }
    cv::FileStorage manifest;
    try {
        manifest.open(manifestPath, cv::FileStorage::READ | cv::FileStorage::FORMAT_JSON);
    } catch (const cv::Exception &) {
    }
    if (!manifest.isOpened()) {
        std::fprintf(stderr, "laser-eval: cannot read %s\n", manifestPath);
        return 2;
    }
    std::string folder = manifestPath;
    const size_t slash = folder.find_last_of('/');
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    // One tolerance for both axes, or [x, y] for recordings scaled unevenly.
    const cv::FileNode toleranceNode = manifest["tolerance_px"];
    double toleranceX = 3.0, toleranceY = 3.0;
    if (toleranceNode.isSeq() && toleranceNode.size() == 2) {
        toleranceX = double(toleranceNode[0]);
        toleranceY = double(toleranceNode[1]);
    } else if (!toleranceNode.empty()) {
        toleranceX = toleranceY = double(toleranceNode);
    }

    int passed = 0, failed = 0, totalRequired = 0, totalFound = 0, totalFalse = 0;
    double totalSeconds = 0.0;
    long totalFrames = 0;
    std::vector<double> allTimes;
    const Homography homography;
    for (const cv::FileNode &rec : manifest["recordings"]) {
        const std::string video = std::string(rec["video"]);
        cv::VideoCapture capture(folder + "/" + video);
        const int sourceWidth = int(capture.get(cv::CAP_PROP_FRAME_WIDTH));
        const int sourceHeight = int(capture.get(cv::CAP_PROP_FRAME_HEIGHT));
        // The variant's centres, and a tolerance that follows its pixels.
        const auto moved = [&](std::vector<std::pair<double, double>> points) {
            for (auto &p : points)
                p = variant.Move(p, sourceWidth, sourceHeight);
            return points;
        };
        const auto tolerance =
            variant.Tolerance({toleranceX, toleranceY}, sourceWidth, sourceHeight);
        FootageMatcher matcher(moved(Points(rec["required"])), moved(Points(rec["optional"])),
                               tolerance.first, tolerance.second);
        // Only the recording the list was measured on.
        if (twoFrame.isOpened() && std::string(twoFrame["video"]) == video)
            for (const cv::FileNode &p : twoFrame["pulses"]) {
                const std::vector<std::pair<double, double>> c = moved(Points(p["centres"]));
                if (c.size() == 2 && p["frames"].size() == 2)
                    matcher.AddTwoFramePulse(int(p["frames"][0]), int(p["frames"][1]), c[0], c[1]);
            }
        variant.Restart();
        const double rate = capture.get(cv::CAP_PROP_FPS);
        const double fps = rate > 0.5 && rate < 1000.0 ? rate : 30.0;
        FrameProcessor processor;
        FrameData frame;
        cv::Mat decoded;
        double seconds = 0.0;
        long frames = 0;
        std::vector<double> times;
        std::unique_ptr<V4L2Source> device;
        if (deviceNode) {
            device = std::make_unique<V4L2Source>(deviceNode);
            if (!device->Open(Width, Height)) {
                std::fprintf(stderr, "laser-eval: cannot open %s\n", deviceNode);
                return 2;
            }
        }
        int64_t deviceTimeUs = 0;
        // The next picture, from the file or the device; a device is done once it stays quiet.
        const auto nextPicture = [&]() {
            if (!device)
                return capture.isOpened() && capture.read(decoded) && !decoded.empty();
            const auto quietFrom = std::chrono::steady_clock::now();
            while (std::chrono::steady_clock::now() - quietFrom < std::chrono::milliseconds(1000)) {
                const int r = device->Grab(decoded, deviceTimeUs, 100);
                if (r < 0)
                    return false;
                if (r == 1)
                    return true;
            }
            return false;
        };
        while (nextPicture()) {
            const cv::Mat &picture = variant.Apply(decoded);
            const auto start = std::chrono::steady_clock::now();
            // As the program opens every camera: 640 x 480, whatever the recording's size.
            const int64_t timeUs = device ? deviceTimeUs : int64_t(frames * 1e6 / fps);
            processor.Process(picture, timeUs, Width, Height, thresholds, homography, frame);
            const double took =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            seconds += took;
            times.push_back(took);
            if (frames >= spotsFrom && frames <= spotsTo)
                for (const Spot &s : processor.LastSpots())
                    std::printf("  frame %ld spot %.1f %.1f (%d px, %dx%d, peak rise %d, "
                                "whiteness %d, colour %d, elongation %.2f, length %.1f, fill %.2f, rejected %d)%s\n",
                                frames, s.x * picture.cols / double(Width),
                                s.y * picture.rows / double(Height), s.pixels, s.width, s.height,
                                s.peakRise, s.whiteness, s.colourShare, s.elongation, s.length, s.fill, s.rejected,
                                s.laser ? " laser" : "");
            if (frames >= spotsFrom && frames <= spotsTo)
                for (int i = 0; i < frame.rejectedCount; ++i) {
                    const LaserRejectedSpot &r = frame.rejected[i];
                    std::printf("  frame %ld rejected %d at %d %d (%dx%d, %d px)\n", frames, r.reason,
                                r.x * picture.cols / Width, r.y * picture.rows / Height, r.width,
                                r.height, r.pixels);
                }
            for (int i = 0; i < frame.shotCount; ++i) {
                // The manifest counts in the recording's own pixels.
                const double x = frame.shots[i].x * picture.cols / double(Width);
                const double y = frame.shots[i].y * picture.rows / double(Height);
                const char match = matcher.Report(x, y, frames);
                if (verbose)
                    std::printf("  frame %ld shot %.1f %.1f (%d px, %dx%d, strength %.0f, "
                                "peak rise %d, whiteness %d, elongation %.2f, length %.1f, fill %.2f) %s\n",
                                frames, x, y, frame.shots[i].pixels,
                                frame.shots[i].width, frame.shots[i].height,
                                frame.shots[i].strength, frame.shots[i].peakRise, frame.shots[i].whiteness,
                                frame.shots[i].elongation, frame.shots[i].length,
                                frame.shots[i].fill,
                                match == 'r' ? "required" : match == 'o' ? "optional" : "false");
            }
            ++frames;
        }
        const bool ok = frames > 0 && matcher.Passed();
        // ms/frame is the median detection time of one frame.
        std::printf("%s required %d/%d false %d %s ms/frame %.3f\n", video.c_str(), matcher.Found(),
                    matcher.Required(), matcher.False(), ok ? "pass" : "fail", Median(times) * 1000.0);
        allTimes.insert(allTimes.end(), times.begin(), times.end());
        std::fflush(stdout);
        (ok ? passed : failed)++;
        totalRequired += matcher.Required();
        totalFound += matcher.Found();
        totalFalse += matcher.False();
        totalSeconds += seconds;
        totalFrames += frames;
    }
    std::printf("total required %d/%d false %d ms/frame %.3f (mean %.3f)\n", totalFound, totalRequired,
                totalFalse, Median(allTimes) * 1000.0, totalFrames ? totalSeconds * 1000.0 / totalFrames : 0.0);
    std::printf("%d passed, %d failed\n", passed, failed);
    if (minPassed >= 0 || minFound >= 0 || maxFalse >= 0)
        return (passed >= minPassed && totalFound >= minFound
                && (maxFalse < 0 || totalFalse <= maxFalse))
            ? 0
            : 1;
    return failed == 0 ? 0 : 1;
}
