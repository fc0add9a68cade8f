// SPDX-License-Identifier: GPL-3.0-or-later
// AimTarget: ring targets recognised among the drawn areas, and which target a shot belongs to.
#include "aimtarget.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Half a unit of slack: rings drawn by hand or saved with rounded corners still nest.
constexpr double NestSlack = 0.5;
// How far the middle of an inner ring may lie from the middle of the ring around it, as a part of
// the outer ring's smaller half-size: perspective moves the middles of filmed rings apart.
constexpr double CentreDrift = 0.25;

bool Nests(const AnalysisArea &inner, const AnalysisArea &outer)
{
    const QRectF slack = outer.bounds.adjusted(-NestSlack, -NestSlack, NestSlack, NestSlack);
    if (!slack.contains(inner.bounds) || inner.bounds.width() * inner.bounds.height() >=
                                             outer.bounds.width() * outer.bounds.height())
        return false;
    const double half = std::min(outer.bounds.width(), outer.bounds.height()) / 2;
    return QLineF(inner.bounds.center(), outer.bounds.center()).length() <= CentreDrift * half;
}

} // namespace

double AnalysisArea::RayExit(const QPointF &origin, const QPointF &dir) const
{
    if (ellipse) {
        const double a = bounds.width() / 2, b = bounds.height() / 2;
        if (a <= 0 || b <= 0)
            return 0;
        const QPointF o = origin - bounds.center();
        // A circle about the origin, the common case, is exact: its lines are where scores change.
        if (a == b && o.isNull())
            return a;
        const double qa = (dir.x() * dir.x()) / (a * a) + (dir.y() * dir.y()) / (b * b);
        const double qb = 2 * (o.x() * dir.x() / (a * a) + o.y() * dir.y() / (b * b));
        const double qc = (o.x() * o.x()) / (a * a) + (o.y() * o.y()) / (b * b) - 1;
        const double disc = qb * qb - 4 * qa * qc;
        if (disc < 0)
            return 0;
        return std::max(0.0, (-qb + std::sqrt(disc)) / (2 * qa));
    }
    if (polygon.size() < 3)
        return 0;
    double far = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF p = polygon.at(i), q = polygon.at((i + 1) % polygon.size());
        const QPointF e = q - p;
        const double denom = dir.x() * e.y() - dir.y() * e.x();
        if (std::fabs(denom) < 1e-12)
            continue;
        const QPointF w = p - origin;
        const double t = (w.x() * e.y() - w.y() * e.x()) / denom;
        const double s = (w.x() * dir.y() - w.y() * dir.x()) / denom;
        if (t >= 0 && s >= -1e-9 && s <= 1 + 1e-9)
            far = std::max(far, t);
    }
    return far;
}

AimTarget DisplayRingTarget(int rings, int hitSize)
{
    AimTarget t;
    t.aim = QPointF(320, 240);
    t.halfSize = QSizeF(230, 230);
    t.allowance = hitSize;
    rings = std::max(rings, 1);
    const double width = 230.0 / rings;
    for (int i = 0; i < rings; ++i) {
        const double r = (i + 1) * width;
        AnalysisArea ring;
        ring.ellipse = true;
        ring.bounds = QRectF(t.aim - QPointF(r, r), QSizeF(2 * r, 2 * r));
        ring.score = rings - i;
        t.rings << ring;
        t.ringScores << ring.score;
    }
    return t;
}

QList<AimTarget> BuildAimTargets(const QList<AnalysisArea> &areas, QVector<int> *targetOfArea)
{
    // Smallest first; each area is linked to the smallest area around it that has no ring inside yet.
    QVector<int> order(areas.size());
    std::iota(order.begin(), order.end(), 0);
    const auto size = [&](int i) { return areas.at(i).bounds.width() * areas.at(i).bounds.height(); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return size(a) < size(b); });
    QVector<int> outerOf(areas.size(), -1), innerOf(areas.size(), -1);
    for (int k = 0; k < order.size(); ++k) {
        const int i = order[k];
        for (int m = k + 1; m < order.size(); ++m) {
            const int j = order[m];
            if (innerOf[j] < 0 && Nests(areas.at(i), areas.at(j))) {
                outerOf[i] = j;
                innerOf[j] = i;
                break;
            }
        }
    }

    QList<AimTarget> targets;
    if (targetOfArea)
        targetOfArea->fill(-1, areas.size());
    // Each chain starts at its innermost area; chains are listed in the order of their outermost
    // area's row, so the list follows the target list.
    QVector<int> chainOf(areas.size(), -1);
    QList<QVector<int>> chains;
    for (int i = 0; i < areas.size(); ++i) {
        if (innerOf[i] >= 0)
            continue;
        QVector<int> chain{i};
        while (outerOf[chain.last()] >= 0)
            chain << outerOf[chain.last()];
        chains << chain;
    }
    std::stable_sort(chains.begin(), chains.end(), [](const QVector<int> &a, const QVector<int> &b) {
        return *std::min_element(a.begin(), a.end()) < *std::min_element(b.begin(), b.end());
    });
    for (const QVector<int> &chain : chains) {
        const AnalysisArea &inner = areas.at(chain.first());
        const AnalysisArea &outer = areas.at(chain.last());
        AimTarget t;
        t.key = outer.name;
        t.halfSize = outer.bounds.size() / 2;
        t.aim = chain.size() > 1 ? inner.bounds.center() : outer.bounds.center();
        if (chain.size() > 1) {
            for (int m : chain) {
                t.rings << areas.at(m);
                t.ringScores << areas.at(m).score;
            }
        }
        for (int m : chain)
            if (targetOfArea)
                (*targetOfArea)[m] = targets.size();
        targets << t;
    }
    return targets;
}

int AimTargetIndexFor(const QList<AimTarget> &targets, const QVector<int> &targetOfArea, int areaIndex,
                      const QPointF &pos)
{
    if (areaIndex >= 0 && areaIndex < targetOfArea.size() && targetOfArea.at(areaIndex) >= 0)
        return targetOfArea.at(areaIndex);
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < targets.size(); ++i) {
        const double d = QLineF(targets.at(i).aim, pos).length();
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}
