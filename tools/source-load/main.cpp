// SPDX-License-Identifier: GPL-3.0-or-later
// source-load: polls camera 1 of a libLaser.so as the program's 10 ms tick does and prints the CPU it cost.
//
//   LASER_SOURCES=/tmp/notes.txt ./source-load ./libLaser.so 10
//
// Loads the library named on the command line (so that two builds can be compared), selects the
// first listed device, and for the given seconds reads frames every 10 ms and calls CamInit
// whenever the camera is not open, as the program's Camera does. Prints the process's CPU time
// as a share of one core, the CamInit calls, how many opened, the frames read and the library's
// last failure text.
#include "laser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/resource.h>
#include <thread>

namespace {

template <typename F>
F Entry(void *library, const char *name)
{
    return reinterpret_cast<F>(dlsym(library, name));
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIBRARY [SECONDS]\n", argv[0]);
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    void *library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    auto setVerbose = Entry<void (*)(int)>(library, "CamSetVerbose");
    auto enableThreading = Entry<void (*)()>(library, "CamEnableThreading");
    auto enableMultiple = Entry<void (*)()>(library, "CamEnableMulipleCameras");
    auto listDevices = Entry<int (*)()>(library, "CamListDevices");
    auto selectCamera = Entry<void (*)(int)>(library, "CamSelectCamera");
    auto init = Entry<int (*)(int, int, int)>(library, "CamInit");
    auto readFrame = Entry<int (*)(FrameBlock *)>(library, "CamReadFrame");
    auto free = Entry<void (*)()>(library, "CamFree");
    // Older builds do not say why a camera failed.
    auto lastError = Entry<int (*)(char *, int)>(library, "CamGetLastError");
    if (!setVerbose || !enableThreading || !enableMultiple || !listDevices || !selectCamera || !init
        || !readFrame || !free) {
        std::fprintf(stderr, "%s lacks entry points\n", argv[1]);
        return 1;
    }
    setVerbose(0);
    enableThreading();
    enableMultiple();
    if (listDevices() < 1) {
        std::fprintf(stderr, "no device listed (set LASER_SOURCES)\n");
        return 1;
    }

    long inits = 0, opened = 0, frames = 0;
    FrameBlock block{};
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    auto tick = start;
    while (std::chrono::steady_clock::now() < end) {
        listDevices();
        selectCamera(0);
        for (;;) {
            const int r = readFrame(&block);
            if (r >= 0) {
                ++frames;
                continue;
            }
            if (r == LASER_NOT_OPEN) {
                ++inits;
                if (init(0, 640, 480) > 0)
                    ++opened;
            }
            break;
        }
        tick += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(tick);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    char reason[128] = "";
    if (lastError)
        lastError(reason, sizeof reason);
    free();
    std::printf("cpu %.1f %% of a core over %.1f s; CamInit %ld, opened %ld, frames %ld; last error \"%s\"\n",
                100.0 * cpu / wall, wall, inits, opened, frames, lastError ? reason : "(not offered)");
    return 0;
}
