// SPDX-License-Identifier: GPL-3.0-or-later
// CaptureCheck: differences to the statistics at the start, and the rules of the findings.
#include "capturecheck.h"

void CaptureCheck::Start(const LaserCaptureStats &stats)
{
    start = stats;
    Update(stats);
}

void CaptureCheck::Update(const LaserCaptureStats &stats)
{
    // A camera reopened since the start counts from zero again.
    if (stats.framesDelivered < start.framesDelivered || stats.framesDropped < start.framesDropped
        || stats.decodeFailures < start.decodeFailures)
        start = LaserCaptureStats();
    figures.askedFps = stats.askedFps;
    figures.measuredFps = stats.measuredFps;
    figures.delivered = stats.framesDelivered - start.framesDelivered;
    figures.dropped = stats.framesDropped - start.framesDropped;
    figures.decodeFailures = stats.decodeFailures - start.decodeFailures;
    const int64_t made = figures.delivered + figures.dropped + figures.decodeFailures;
    figures.droppedShare = made > 0 ? double(figures.dropped) / double(made) : 0.0;
    figures.fromSequence = stats.sequenceKnown != 0;
    figures.lastFrameAgeSeconds = stats.lastFrameAgeUs < 0 ? -1.0 : stats.lastFrameAgeUs / 1e6;
}

CaptureCheck::Findings CaptureCheck::Assess(const Figures &capture, const PictureCheck::Figures &picture)
{
    Findings found;
    if (capture.lastFrameAgeSeconds < 0 || capture.lastFrameAgeSeconds > StalledSeconds)
        found |= NoFrames;
    else if (capture.askedFps > 0 && capture.measuredFps < RateShare * capture.askedFps)
        found |= RateBelowAsked;
    if (capture.droppedShare > DroppedShare)
        found |= FramesDropped;
    const int64_t arrived = capture.delivered + capture.decodeFailures;
    if (arrived > 0 && double(capture.decodeFailures) / double(arrived) > DecodeShare)
        found |= DecodeFailures;
    if (picture.pictures > 0) {
        if (picture.backgroundLevel >= NearWhiteLevel)
            found |= BackgroundNearWhite;
        else if (picture.saturatedShare >= SaturatedShare)
            found |= ManySaturated;
        if (picture.noiseKnown && picture.noise > NoisyLevels)
            found |= Noisy;
    }
    return found;
}
