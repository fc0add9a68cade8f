// SPDX-License-Identifier: GPL-3.0-or-later
// FrameRateWatch: tells when a running camera's frame rate falls under 15 fps or its frames stop.
#pragma once

#include "laser.h"

#include <QtGlobal>

// Polled a few times a second with each camera's capture statistics. A camera just started gets
// a few seconds to settle (automatic exposure, the first frames) before it is judged; a rate
// must stay low for two seconds before it is reported, so a single slow second does not flicker.
class FrameRateWatch
{
public:
    enum class State { Fine, Slow, Stopped };

    static constexpr double SlowFps = 15.0;
    static constexpr qint64 SettleMs = 3000;
    static constexpr qint64 SlowForMs = 2000;
    static constexpr qint64 StoppedAfterMs = 2000;

    // stats null: the camera is not running (off, no device, closed); it is forgotten.
    State Update(int camera, const LaserCaptureStats *stats, qint64 nowMs);
    State StateOf(int camera) const;
    double Fps(int camera) const;
    // How long the camera has delivered nothing, in whole seconds.
    int StoppedSeconds(int camera) const;

private:
    struct Watched
    {
        bool running = false;
        qint64 runningSinceMs = 0;
        qint64 slowSinceMs = -1;
        State state = State::Fine;
        double fps = 0;
        int stoppedSeconds = 0;
    };
    Watched cameras[LASER_MAX_CAMERAS];
};
