// SPDX-License-Identifier: GPL-3.0-or-later
// CaptureCheck: a camera's frame rate and lost frames since a check began, and what they and
// the picture's figures advise.
#pragma once

#include "laser.h"
#include "picturecheck.h"

#include <QFlags>

class CaptureCheck
{
public:
    // Findings worth telling the user, each with its own advice.
    enum Finding {
        NoFrames = 0x1,            // nothing arrived for over a second
        RateBelowAsked = 0x2,      // the camera stretches its exposure or the bus is full
        FramesDropped = 0x4,       // frames lost on the way
        DecodeFailures = 0x8,      // frames that arrived damaged
        BackgroundNearWhite = 0x10, // the scene itself is almost white: a laser dot cannot stand out
        ManySaturated = 0x20,      // a large area is white: shots there cannot be seen
        Noisy = 0x40,              // grainy picture: faint shots drown
    };
    Q_DECLARE_FLAGS(Findings, Finding)

    struct Figures
    {
        double askedFps = 0;
        double measuredFps = 0;
        int64_t delivered = 0;      // since Start
        int64_t dropped = 0;        // since Start
        int64_t decodeFailures = 0; // since Start
        double droppedShare = 0;    // dropped of all frames the camera made since Start, 0-1
        bool fromSequence = false;  // drops counted from the driver's sequence numbers
        double lastFrameAgeSeconds = -1;
    };

    // Thresholds of the findings.
    static constexpr double RateShare = 0.85;      // measured below this share of the asked rate
    static constexpr double DroppedShare = 0.02;
    static constexpr double DecodeShare = 0.01;
    static constexpr double StalledSeconds = 1.0;
    static constexpr int NearWhiteLevel = 200;
    static constexpr double SaturatedShare = 0.05;
    static constexpr double NoisyLevels = 6.0;

    // The figures from now on count from these statistics.
    void Start(const LaserCaptureStats &stats);
    void Update(const LaserCaptureStats &stats);
    Figures Result() const { return figures; }

    static Findings Assess(const Figures &capture, const PictureCheck::Figures &picture);

private:
    LaserCaptureStats start{};
    Figures figures;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CaptureCheck::Findings)
