// SPDX-License-Identifier: GPL-3.0-or-later
// The shot plot of a stored string.
#include "historyplotdata.h"

#include <QFileInfo>

ShotPlotData HistoryPlotData(const HistoryRecord &record)
{
    ShotPlotData d;
    QStringList parts;
    parts << record.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!record.drill.isEmpty())
        parts << record.drill;
    else if (!record.project.isEmpty())
        parts << QFileInfo(record.project).fileName();
    if (!record.target.isEmpty())
        parts << record.target;
    d.title = parts.join(QStringLiteral(" · "));
    if (!record.shots.isEmpty())
        d.unit = record.shots.first().unit;
    // An offset in percent of the target's size reaches the edge at 50.
    d.targetRadius = d.unit == QLatin1String("%") ? 50 : 0;
    for (const HistoryShot &s : record.shots) {
        if (s.unit != d.unit)
            continue;
        d.offsets.append(s.offset);
        d.scores.append(s.shot.score);
    }
    return d;
}
