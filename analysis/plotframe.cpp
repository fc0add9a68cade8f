// SPDX-License-Identifier: GPL-3.0-or-later
// PlotFrame: fitting a shot plot into its area.
#include "plotframe.h"

#include "groupstats.h"

#include <algorithm>
#include <cmath>

PlotFrame FitPlot(const QRectF &area, const ShotPlotData &data)
{
    double reach = data.targetRadius;
    for (const QPointF &p : data.offsets)
        reach = std::max({reach, std::fabs(p.x()), std::fabs(p.y())});
    // The group circle about the mean point of impact can reach beyond every shot.
    const GroupStats stats = ComputeGroupStats(data);
    if (stats.meanPoint && stats.groupRadius)
        reach = std::max({reach, std::fabs(stats.meanPoint->x()) + *stats.groupRadius,
                          std::fabs(stats.meanPoint->y()) + *stats.groupRadius});
    if (!(reach > 0) || !std::isfinite(reach))
        reach = 1;
    PlotFrame frame;
    frame.centre = area.center();
    frame.scale = std::min(area.width(), area.height()) / 2 / (reach * 1.1);
    return frame;
}
