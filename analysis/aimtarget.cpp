// SPDX-License-Identifier: GPL-3.0-or-later
// AimTarget: ring targets recognised among the drawn areas, and which target a shot belongs to.
#include "aimtarget.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double CentreTolerance = 1.0;

bool SameCentre(const QPointF &a, const QPointF &b)
{
    return QLineF(a, b).length() <= CentreTolerance;
}

} // namespace

AimTarget DisplayRingTarget(int rings, int hitSize)
{
    AimTarget t;
    t.aim = QPointF(320, 240);
    t.halfSize = QSizeF(230, 230);
    t.allowance = hitSize;
    rings = std::max(rings, 1);
    const double width = 230.0 / rings;
    for (int i = 0; i < rings; ++i) {
        t.rings << QSizeF((i + 1) * width, (i + 1) * width);
        t.ringScores << rings - i;
    }
    return t;
}

QList<AimTarget> BuildAimTargets(const QList<AnalysisArea> &areas, QVector<int> *targetOfArea)
{
    QList<AimTarget> targets;
    if (targetOfArea)
        targetOfArea->fill(-1, areas.size());
    QVector<bool> used(areas.size(), false);
    for (int i = 0; i < areas.size(); ++i) {
        if (used[i])
            continue;
        const AnalysisArea &a = areas.at(i);
        QList<int> members{i};
        if (a.ellipse) {
            for (int j = i + 1; j < areas.size(); ++j)
                if (!used[j] && areas.at(j).ellipse && SameCentre(areas.at(j).bounds.center(), a.bounds.center()))
                    members << j;
        }
        for (int m : members) {
            used[m] = true;
            if (targetOfArea)
                (*targetOfArea)[m] = targets.size();
        }

        AimTarget t;
        if (members.size() < 2) {
            t.key = a.name;
            t.aim = a.bounds.center();
            t.halfSize = a.bounds.size() / 2;
            targets << t;
            continue;
        }
        std::sort(members.begin(), members.end(), [&](int x, int y) {
            return areas.at(x).bounds.width() < areas.at(y).bounds.width();
        });
        const AnalysisArea &outer = areas.at(members.last());
        t.key = outer.name;
        t.aim = outer.bounds.center();
        t.halfSize = outer.bounds.size() / 2;
        for (int m : members) {
            t.rings << areas.at(m).bounds.size() / 2;
            t.ringScores << areas.at(m).score;
        }
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
