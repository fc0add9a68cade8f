// SPDX-License-Identifier: GPL-3.0-or-later
// ShotPlotData: what a shot plot shows, as plain data, so that a live string and a stored session
// are drawn the same way.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

struct ShotPlotData
{
    QString title;
    // Unit of every length below: "mm" where the target's real size is known, else "%" (of the
    // target's size).
    QString unit = QStringLiteral("%");
    // Half the target's width (its radius for a ring target), in `unit`; 0 when unknown.
    double targetRadius = 0;
    // Scoring rings of a ring target (0: not a ring target).
    int rings = 0;
    // Each shot's offset from the aim point, x to the right, y downward, in `unit`.
    QList<QPointF> offsets;
    // Each shot's score as shown (integer or decimal ring), parallel to `offsets`.
    QList<double> scores;
};
