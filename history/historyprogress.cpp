// SPDX-License-Identifier: GPL-3.0-or-later
// The points of the progress charts.
#include "historyprogress.h"

HistoryProgress BuildHistoryProgress(const QList<HistoryRecord> &strings)
{
    HistoryProgress p;
    p.score.reserve(strings.size());
    p.hitFactor.reserve(strings.size());
    p.firstShotSeconds.reserve(strings.size());
    p.groupSize.reserve(strings.size());
    bool first = true;
    for (const HistoryRecord &r : strings) {
        const double x = double(r.when.toMSecsSinceEpoch());
        if (first) {
            p.minX = p.maxX = x;
            first = false;
        }
        p.minX = qMin(p.minX, x);
        p.maxX = qMax(p.maxX, x);
        p.score.append(QPointF(x, r.results.total));
        p.hitFactor.append(QPointF(x, r.results.hitFactor));
        if (r.results.firstShotUs >= 0)
            p.firstShotSeconds.append(QPointF(x, r.results.firstShotUs / 1e6));
        if (r.results.groupSize >= 0) {
            // A group in other units than the first would not belong on the same axis.
            if (p.groupUnit.isEmpty())
                p.groupUnit = r.results.groupUnit;
            if (r.results.groupUnit == p.groupUnit)
                p.groupSize.append(QPointF(x, r.results.groupSize));
        }
    }
    return p;
}
