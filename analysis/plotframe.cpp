// SPDX-License-Identifier: GPL-3.0-or-later
// PlotFrame: fitting a shot plot into its area.
#include "plotframe.h"

#include <algorithm>
#include <cmath>

PlotFrame FitPlot(const QRectF &area, const ShotPlotData &data)
{
    double reach = data.targetRadius;
    for (const QPointF &p : data.offsets)
        reach = std::max({reach, std::fabs(p.x()), std::fabs(p.y())});
    if (!(reach > 0) || !std::isfinite(reach))
        reach = 1;
    PlotFrame frame;
    frame.centre = area.center();
    frame.scale = std::min(area.width(), area.height()) / 2 / (reach * 1.1);
    return frame;
}
