// SPDX-License-Identifier: GPL-3.0-or-later
// FrameRateWatch: the settling time, the slow-rate hysteresis and the stop rule.
#include "frameratewatch.h"

FrameRateWatch::State FrameRateWatch::Update(int camera, const LaserCaptureStats *stats, qint64 nowMs)
{
    if (camera < 0 || camera >= LASER_MAX_CAMERAS)
        return State::Fine;
    Watched &w = cameras[camera];
    if (!stats) {
        w = Watched();
        return w.state;
    }
    if (!w.running) {
        w.running = true;
        w.runningSinceMs = nowMs;
    }
    w.fps = stats->measuredFps;
    const qint64 ageMs = stats->lastFrameAgeUs < 0 ? -1 : stats->lastFrameAgeUs / 1000;
    const bool settled = nowMs - w.runningSinceMs >= SettleMs;
    // A camera may be set below the warning rate on purpose (a slow video file).
    const bool slowByDesign = stats->askedFps > 0 && stats->askedFps < SlowFps;

    if (ageMs > StoppedAfterMs || (ageMs < 0 && settled)) {
        w.state = State::Stopped;
        w.stoppedSeconds = int((ageMs < 0 ? nowMs - w.runningSinceMs : ageMs) / 1000);
        w.slowSinceMs = -1;
        return w.state;
    }
    w.stoppedSeconds = 0;
    if (stats->measuredFps < SlowFps && !slowByDesign) {
        if (w.slowSinceMs < 0)
            w.slowSinceMs = nowMs;
    } else {
        w.slowSinceMs = -1;
    }
    const bool slow = settled && w.slowSinceMs >= 0 && nowMs - w.slowSinceMs >= SlowForMs;
    w.state = slow ? State::Slow : State::Fine;
    return w.state;
}

FrameRateWatch::State FrameRateWatch::StateOf(int camera) const
{
    return camera >= 0 && camera < LASER_MAX_CAMERAS ? cameras[camera].state : State::Fine;
}

double FrameRateWatch::Fps(int camera) const
{
    return camera >= 0 && camera < LASER_MAX_CAMERAS ? cameras[camera].fps : 0.0;
}

int FrameRateWatch::StoppedSeconds(int camera) const
{
    return camera >= 0 && camera < LASER_MAX_CAMERAS ? cameras[camera].stoppedSeconds : 0;
}
