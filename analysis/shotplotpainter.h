// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a shot plot: the target's rings or outline, the shots, the mean point of impact and the group circle.
#pragma once

#include "shotplotdata.h"

#include <QRectF>

class QPainter;

// Used by the plot view and by the report, so both look alike. Shots are numbered in order.
void PaintShotPlot(QPainter &painter, const QRectF &area, const ShotPlotData &data);
