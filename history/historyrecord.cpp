// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of a stored string.
#include "historyrecord.h"

#include <QHash>
#include <QStringList>

#include <cmath>

HistoryResults ComputeHistoryResults(const QList<HistoryShot> &shots, qint64 startUs, qint64 parUs)
{
    HistoryResults r;
    if (shots.isEmpty())
        return r;
    qint64 lastUs = startUs;
    for (const HistoryShot &s : shots) {
        r.total += s.shot.score;
        lastUs = qMax(lastUs, s.shot.timeUs);
    }
    r.firstShotUs = qMax<qint64>(0, shots.first().shot.timeUs - startUs);
    const double seconds = double(lastUs - startUs) / 1e6;
    r.hitFactor = seconds > 0 ? r.total / seconds : 0;
    if (parUs > 0)
        r.parPassed = lastUs - startUs <= parUs ? 1 : 0;
    r.groupUnit = shots.first().unit;
    if (shots.size() >= 2) {
        double spread = 0;
        for (int i = 0; i < shots.size(); ++i)
            for (int j = i + 1; j < shots.size(); ++j) {
                const QPointF d = shots[i].offset - shots[j].offset;
                spread = qMax(spread, std::hypot(d.x(), d.y()));
            }
        r.groupSize = spread;
    }
    return r;
}

QString MainTargetOf(const QList<HistoryShot> &shots)
{
    // Names in the order they were first hit, with their counts.
    QStringList names;
    QHash<QString, int> counts;
    for (const HistoryShot &s : shots) {
        if (s.shot.target.isEmpty())
            continue;
        if (!counts.contains(s.shot.target))
            names.append(s.shot.target);
        ++counts[s.shot.target];
    }
    QString best;
    int bestCount = 0;
    for (const QString &name : names)
        if (counts.value(name) > bestCount) {
            best = name;
            bestCount = counts.value(name);
        }
    return best;
}
