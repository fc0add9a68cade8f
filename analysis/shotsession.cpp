// SPDX-License-Identifier: GPL-3.0-or-later
// ShotSession: collecting shots per aim target and turning them into plot data.
#include "shotsession.h"

#include "decimalscore.h"

void ShotSession::Clear()
{
    shots.clear();
    keys.clear();
    targets.clear();
    emit Changed();
}

void ShotSession::Add(const SessionShot &shot, const AimTarget &target)
{
    shots << shot;
    if (shot.hasTarget && !targets.contains(shot.target)) {
        keys << shot.target;
        targets.insert(shot.target, target);
    }
    emit Changed();
}

std::optional<AimTarget> ShotSession::Target(const QString &key) const
{
    const auto it = targets.find(key);
    if (it == targets.end())
        return std::nullopt;
    return *it;
}

QMap<int, QPointF> ShotSession::MeanMisses() const
{
    QMap<int, QPointF> sums;
    QMap<int, int> counts;
    for (const SessionShot &s : shots) {
        if (s.camera < 0 || !s.sceneAim)
            continue;
        sums[s.camera] += s.pos - *s.sceneAim;
        ++counts[s.camera];
    }
    QMap<int, QPointF> means;
    for (auto it = sums.begin(); it != sums.end(); ++it)
        means.insert(it.key(), it.value() / counts.value(it.key()));
    return means;
}

ShotPlotData MakePlotData(const AimTarget &target, const QList<SessionShot> &shots, double sizeMm,
                          bool decimal, const QString &title)
{
    ShotPlotData data;
    data.title = title;
    data.rings = target.rings.size();
    const double w = target.halfSize.width() * 2, h = target.halfSize.height() * 2;
    const bool metric = sizeMm > 0 && w > 0;
    double sx = 0, sy = 0;
    if (metric) {
        data.unit = QStringLiteral("mm");
        sx = sy = sizeMm / w;
        data.targetRadius = sizeMm / 2;
    } else {
        data.unit = QStringLiteral("%");
        sx = w > 0 ? 100 / w : 0;
        sy = h > 0 ? 100 / h : 0;
        data.targetRadius = 50;
    }
    for (const SessionShot &s : shots) {
        if (!s.hasTarget || s.target != target.key)
            continue;
        const QPointF d = s.onTarget - target.aim;
        // Rings are round in reality: their shots are placed by the rings they lie in.
        data.offsets << (target.rings.isEmpty() ? QPointF(d.x() * sx, d.y() * sy)
                                                : RingSpaceOffset(target, s.onTarget, data.targetRadius));
        data.scores << (decimal && s.hasDecimal ? s.decimal : double(s.score));
    }
    return data;
}
