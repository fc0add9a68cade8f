// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal ring score along the ray from the target's centre through the shot.
#include "decimalscore.h"

#include <QString>

#include <algorithm>
#include <cmath>

double DecimalRingScore(const AimTarget &target, const QPointF &pos)
{
    const int n = std::min(target.rings.size(), target.ringScores.size());
    if (n == 0)
        return 0;
    const double dx = pos.x() - target.aim.x(), dy = pos.y() - target.aim.y();
    const double d = std::hypot(dx, dy);
    const double ux = d > 0 ? dx / d : 1.0, uy = d > 0 ? dy / d : 0.0;
    const double e = d > target.allowance ? d - target.allowance : 0.0;

    double inner = 0;
    for (int i = 0; i < n; ++i) {
        const double outer = target.rings.at(i).RayExit(target.aim, QPointF(ux, uy));
        if (e < outer) {
            const double depth = outer > inner ? (outer - e) / (outer - inner) : 1.0;
            // The small bias keeps a shot exactly on a tenth's line from dropping to the outer
            // tenth through rounding, as 0.7 * 10 does.
            const int tenths = std::min(9, int(std::floor(depth * 10 + 1e-9)));
            return target.ringScores.at(i) + tenths / 10.0;
        }
        inner = outer;
    }
    return 0;
}

QPointF RingSpaceOffset(const AimTarget &target, const QPointF &pos, double outerRadius)
{
    const double hw = target.halfSize.width(), hh = target.halfSize.height();
    if (hw <= 0 || hh <= 0)
        return QPointF();
    const double dx = pos.x() - target.aim.x(), dy = pos.y() - target.aim.y();
    const int n = target.rings.size();
    if (n == 0)
        return QPointF(dx / hw, dy / hh) * outerRadius;
    const double d = std::hypot(dx, dy);
    if (d == 0)
        return QPointF();
    const QPointF ray(dx / d, dy / d);
    const double band = outerRadius / n;
    double inner = 0, radius = 0;
    for (int i = 0; i < n; ++i) {
        const double outer = target.rings.at(i).RayExit(target.aim, ray);
        if (d <= outer || i == n - 1) {
            const double width = outer > inner ? outer - inner : 1.0;
            radius = band * (i + (d - inner) / width);
            break;
        }
        inner = outer;
    }
    const double nx = dx / hw, ny = dy / hh;
    const double norm = std::hypot(nx, ny);
    return QPointF(nx / norm, ny / norm) * radius;
}

QString DecimalScoreText(double score)
{
    return QString::number(score, 'f', 1);
}
