// SPDX-License-Identifier: GPL-3.0-or-later
// laser-demo: lists the devices, opens one through the C interface and prints its shots;
// optionally saves the picture of the last shot, marked, as a PPM file.
#include "laser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <thread>

namespace {

// Writes the current colour buffer upright, with a cross at (x, y), as a binary PPM.
bool SaveMarked(const char *path, double x, double y)
{
    const unsigned char *colour = CamGetColourBuf();
    const int width = CamGetXMax(), height = CamGetYMax();
    if (!colour)
        return false;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> rgb(size_t(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const unsigned char *src = colour + size_t(height - 1 - row) * stride; // bottom row first
        for (int col = 0; col < width; ++col)
            for (int c = 0; c < 3; ++c)
                rgb[(size_t(row) * width + col) * 3 + c] = src[col * 3 + 2 - c];
    }
    const int cx = int(x), cy = int(y);
    for (int d = -12; d <= 12; ++d) {
        if (std::abs(d) < 5)
            continue; // leave the spot itself visible
        const int points[2][2] = {{cx + d, cy}, {cx, cy + d}};
        for (const auto &p : points)
            if (p[0] >= 0 && p[0] < width && p[1] >= 0 && p[1] < height) {
                unsigned char *px = &rgb[(size_t(p[1]) * width + p[0]) * 3];
                px[0] = 0;
                px[1] = 255;
                px[2] = 0;
            }
    }
    FILE *f = std::fopen(path, "wb");
    if (!f)
        return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    const bool ok = std::fwrite(rgb.data(), 1, rgb.size(), f) == rgb.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    // Device number (default: the last, the demo when LASER_SOURCES=demo), seconds to run and
    // where to save the picture of the last shot.
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const char *snapshot = argc > 3 ? argv[3] : nullptr;
    // Level 2 adds the library's latency and drop statistics every 100 frames.
    CamSetVerbose(2);
    CamEnableThreading();
    const int count = CamListDevices();
    for (int i = 0; i < count; ++i) {
        char name[64];
        CamGetNameOfDevice(name, i);
        std::printf("device %d: %s\n", i, name);
    }
    const int device = argc > 1 ? std::atoi(argv[1]) : count - 1;
    CamSelectCamera(0);
    if (CamInit(device, 640, 480) <= 0) {
        std::fprintf(stderr, "cannot open device %d\n", device);
        return 1;
    }
    // The demo's screen corners, so corrected positions run 0-1000 over its target.
    const double corners[4][2] = {{150, 80}, {520, 110}, {120, 420}, {540, 400}};
    for (int c = 0; c < 4; ++c)
        CamSetCorner(c, corners[c][0], corners[c][1]);
    CamPreCalculate();
    CamSetScreenResolution(1000, 1000);

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    long frames = 0;
    while (std::chrono::steady_clock::now() < end) {
        FrameBlock block;
        int r;
        while ((r = CamReadFrame(&block)) >= 0) {
            ++frames;
            for (int i = 0; i < LASER_MAX_SPOTS && block.spots[i].kind == LASER_SPOT_LASER; ++i)
                std::printf("frame %ld: shot at (%.2f, %.2f), corrected (%.1f, %.1f), peak %d\n",
                            frames, block.spots[i].x, block.spots[i].y, block.spots[i].cx,
                            block.spots[i].cy, block.peakBrightness);
            if (snapshot && block.spots[0].kind == LASER_SPOT_LASER
                && !SaveMarked(snapshot, block.spots[0].x, block.spots[0].y))
                std::fprintf(stderr, "cannot write %s\n", snapshot);
        }
        if (r == LASER_NOT_OPEN) {
            std::printf("camera closed\n");
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::printf("%ld frames\n", frames);

    CamFree();
    return 0;
}
