// SPDX-License-Identifier: GPL-3.0-or-later
// GroupStats: where a group of shots lies and how far it spreads, from their offsets to the aim point.
#pragma once

#include "shotplotdata.h"

#include <QList>
#include <QPointF>

#include <optional>

struct GroupStats
{
    int count = 0;
    // Mean point of impact, as an offset from the aim point; none without shots.
    std::optional<QPointF> meanPoint;
    // Largest distance between two shots, centre to centre.
    std::optional<double> extremeSpread;
    // Mean distance of the shots from the mean point of impact.
    std::optional<double> meanRadius;
    // Sample standard deviations along each axis (n - 1 in the denominator).
    std::optional<double> sdX;
    std::optional<double> sdY;
    // Radius of the circle about the mean point of impact that holds every shot.
    std::optional<double> groupRadius;
};

// Figures that need a spread are left empty below two shots: one shot has no group.
GroupStats ComputeGroupStats(const QList<QPointF> &offsets);
// The figures of a plot, so that a stored session shows what the live view showed.
GroupStats ComputeGroupStats(const ShotPlotData &data);

// Largest pairwise distance of the points, through their convex hull; 0 below two points.
double ExtremeSpread(const QList<QPointF> &points);
