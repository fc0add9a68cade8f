// SPDX-License-Identifier: GPL-3.0-or-later
// PlotFrame: how a shot plot's lengths map onto an area of pixels, the aim point in its middle.
#pragma once

#include "shotplotdata.h"

#include <QPointF>
#include <QRectF>

struct PlotFrame
{
    QPointF centre;   // the aim point, in pixels
    double scale = 1; // pixels per unit of the plot
    QPointF Map(const QPointF &offset) const { return centre + offset * scale; }
    double Length(double units) const { return units * scale; }
};

// The largest scale that shows the whole target, every shot and the group circle (with a margin of
// a tenth) in the area, centred on the aim point. A plot with nothing to show spans one unit.
PlotFrame FitPlot(const QRectF &area, const ShotPlotData &data);
