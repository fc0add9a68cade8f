// SPDX-License-Identifier: GPL-3.0-or-later
// TimedShot: one shot as the timing, analysis and history code see it, free of widgets and scene.
#pragma once

#include <QPointF>
#include <QString>
#include <QtGlobal>

struct TimedShot
{
    // Monotonic time of the shot in microseconds (the frame's capture time for a camera shot,
    // the event's time for a mouse shot), on the clock of QElapsedTimer / CLOCK_MONOTONIC.
    qint64 timeUs = 0;
    // Position in scene coordinates, and inside the corrected ring target (0-1000 on both axes;
    // (0, 0) when the shot did not come through it).
    QPointF pos;
    QPointF corrected;
    // Camera number 0-3, or -1 for the mouse.
    int camera = -1;
    // The target that took it (empty: a miss), and the score its row got.
    QString target;
    int score = 0;
};
