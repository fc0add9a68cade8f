// laser-demo: lists the devices, opens one through the C interface and prints its shots.
#include "laser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char **argv)
{
    // Device number (default: the last, the demo when LASER_SOURCES=demo) and seconds to run.
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
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
