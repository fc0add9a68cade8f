// SPDX-License-Identifier: GPL-3.0-or-later
// GroupStats: mean point of impact, extreme spread, mean radius and standard deviations.
#include "groupstats.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double Cross(const QPointF &o, const QPointF &a, const QPointF &b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

double Distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Monotone chain; collinear points are dropped, so a hull of a line is its two ends.
std::vector<QPointF> ConvexHull(std::vector<QPointF> p)
{
    std::sort(p.begin(), p.end(), [](const QPointF &a, const QPointF &b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 3)
        return p;
    std::vector<QPointF> hull(2 * p.size());
    size_t k = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p[i]) <= 0)
            --k;
        hull[k++] = p[i];
    }
    for (size_t i = p.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 0)
            --k;
        hull[k++] = p[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

} // namespace

double ExtremeSpread(const QList<QPointF> &points)
{
    if (points.size() < 2)
        return 0;
    const std::vector<QPointF> hull = ConvexHull(std::vector<QPointF>(points.begin(), points.end()));
    // A hull of a scattered group has few corners; comparing them all stays cheap and exact.
    double best = 0;
    for (size_t i = 0; i < hull.size(); ++i)
        for (size_t j = i + 1; j < hull.size(); ++j)
            best = std::max(best, Distance(hull[i], hull[j]));
    return best;
}

GroupStats ComputeGroupStats(const QList<QPointF> &offsets)
{
    GroupStats s;
    s.count = offsets.size();
    if (s.count == 0)
        return s;
    double sumX = 0, sumY = 0;
    for (const QPointF &p : offsets) {
        sumX += p.x();
        sumY += p.y();
    }
    const QPointF mean(sumX / s.count, sumY / s.count);
    s.meanPoint = mean;
    if (s.count < 2)
        return s;

    double sumR = 0, maxR = 0, sqX = 0, sqY = 0;
    for (const QPointF &p : offsets) {
        const double r = Distance(p, mean);
        sumR += r;
        maxR = std::max(maxR, r);
        sqX += (p.x() - mean.x()) * (p.x() - mean.x());
        sqY += (p.y() - mean.y()) * (p.y() - mean.y());
    }
    s.meanRadius = sumR / s.count;
    s.groupRadius = maxR;
    s.sdX = std::sqrt(sqX / (s.count - 1));
    s.sdY = std::sqrt(sqY / (s.count - 1));
    s.extremeSpread = ExtremeSpread(offsets);
    return s;
}

GroupStats ComputeGroupStats(const ShotPlotData &data)
{
    return ComputeGroupStats(data.offsets);
}
