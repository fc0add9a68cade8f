// SPDX-License-Identifier: GPL-3.0-or-later
// DrillSession: grouping results and writing their rows.
#include "drillsession.h"

#include <QPair>

#include <algorithm>
#include <cmath>

namespace {

QString Number(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

QString SplitsText(const DrillStringResult &r)
{
    QStringList parts;
    const QVector<qint64> splits = r.Splits();
    for (int i = 0; i < splits.size(); ++i) {
        QString s = DrillSession::Seconds(splits[i]);
        if (r.reloadSplits.value(i + 1))
            s += QStringLiteral(" R");
        parts << s;
    }
    return parts.join(QStringLiteral(" / "));
}

QString TargetsText(const DrillStringResult &r)
{
    QStringList parts;
    for (const DrillTargetTally &t : r.targets)
        parts << QStringLiteral("%1 %2/%3")
                     .arg(t.target.isEmpty() ? QStringLiteral("-") : t.target)
                     .arg(t.hits)
                     .arg(t.misses);
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString DrillSession::ScoreText(Drill::Scoring scoring, double value)
{
    switch (scoring) {
    case Drill::Scoring::Hits:
        return tr("%1 Treffer").arg(Number(value, value == std::floor(value) ? 0 : 1));
    case Drill::Scoring::Points:
        return tr("%1 Punkte").arg(Number(value, value == std::floor(value) ? 0 : 1));
    case Drill::Scoring::HitFactor:
        break;
    }
    return tr("HF %1").arg(Number(value, 2));
}

QString DrillSession::Seconds(qint64 us)
{
    if (us < 0)
        return {};
    const qint64 ms = (us + 500) / 1000;
    return QStringLiteral("%1.%2").arg(ms / 1000).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QStringList DrillSession::Header()
{
    return {tr("Drill"),  tr("Serie"),  tr("Lauf"),   tr("Startsignal nach"), tr("Erster Schuss"), tr("Splits"),
            tr("Gesamt"), tr("Par"),    tr("Treffer"), tr("Fehler"),      tr("Punkte"),
            tr("Hit-Faktor"), tr("Ziele (Treffer/Fehler)"), tr("Ergebnis"), tr("Wertung")};
}

QList<QStringList> DrillSession::Rows(QVector<RowKind> *kinds) const
{
    // Groups by drill and string, in the order they first appeared.
    QVector<QPair<QString, int>> keys;
    for (const DrillStringResult &r : results) {
        const QPair<QString, int> key(r.drillId, r.stringEntry);
        if (!keys.contains(key))
            keys << key;
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const QPair<QString, int> &a, const QPair<QString, int> &b) {
        auto firstOf = [&](const QString &id) {
            for (int i = 0; i < results.size(); ++i)
                if (results[i].drillId == id)
                    return i;
            return 0;
        };
        const int fa = firstOf(a.first), fb = firstOf(b.first);
        return fa != fb ? fa < fb : a.second < b.second;
    });

    QList<QStringList> rows;
    if (kinds)
        kinds->clear();
    for (const auto &key : keys) {
        QString name;
        int firstString = -1, lastString = -1;
        int count = 0;
        qint64 bestFirst = -1, bestTotal = -1, sumFirst = 0, sumTotal = 0;
        int bestHits = 0, bestPoints = 0, sumHits = 0, sumPoints = 0;
        double bestFactor = 0, sumFactor = 0, bestScore = 0, sumScore = 0;
        Drill::Scoring scoring = Drill::Scoring::Hits;
        for (const DrillStringResult &r : results) {
            if (r.drillId != key.first || r.stringEntry != key.second)
                continue;
            name = r.drillName;
            firstString = firstString < 0 ? r.stringIndex : qMin(firstString, r.stringIndex);
            lastString = qMax(lastString, r.stringIndex);
            QString verdict = r.falseStart ? tr("Fehlstart")
                              : !r.complete ? tr("Abgebrochen")
                              : r.passed    ? tr("Bestanden")
                                            : tr("Nicht bestanden");
            if (r.complete && !r.falseStart && r.parUs > 0 && !r.parPassed)
                verdict += QStringLiteral(" (") + tr("Par überschritten") + QLatin1Char(')');
            rows << QStringList{r.drillName,
                                QStringLiteral("%1/%2").arg(r.stringIndex + 1).arg(r.stringCount),
                                QString::number(r.run),
                                Seconds(r.delayUs),
                                Seconds(r.firstShotUs),
                                SplitsText(r),
                                Seconds(r.totalUs),
                                r.parUs > 0 ? Seconds(r.parUs) : QString(),
                                QString::number(r.hits),
                                QString::number(r.misses),
                                QString::number(r.points),
                                r.falseStart || r.totalUs < 0 ? QString() : Number(r.hitFactor, 2),
                                TargetsText(r),
                                verdict,
                                r.falseStart || r.totalUs < 0 ? QString() : ScoreText(r.scoring, r.Score())};
            if (kinds)
                *kinds << StringRow;
            if (!r.complete || r.falseStart)
                continue;
            ++count;
            bestFirst = bestFirst < 0 ? r.firstShotUs : std::min(bestFirst, r.firstShotUs);
            bestTotal = bestTotal < 0 ? r.totalUs : std::min(bestTotal, r.totalUs);
            bestHits = count == 1 ? r.hits : std::max(bestHits, r.hits);
            bestPoints = count == 1 ? r.points : std::max(bestPoints, r.points);
            bestFactor = count == 1 ? r.hitFactor : std::max(bestFactor, r.hitFactor);
            sumFirst += r.firstShotUs;
            sumTotal += r.totalUs;
            sumHits += r.hits;
            sumPoints += r.points;
            sumFactor += r.hitFactor;
            bestScore = count == 1 ? r.Score() : std::max(bestScore, r.Score());
            sumScore += r.Score();
            scoring = r.scoring;
        }
        const QString serie = firstString == lastString ? QString::number(firstString + 1)
                                                         : QStringLiteral("%1-%2").arg(firstString + 1).arg(lastString + 1);
        if (count == 0) {
            rows << QStringList{name, serie, tr("Bester"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
            rows << QStringList{name, serie, tr("Mittel"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
        } else {
            rows << QStringList{name, serie, tr("Bester"), {}, Seconds(bestFirst), {}, Seconds(bestTotal), {},
                                QString::number(bestHits), {}, QString::number(bestPoints), Number(bestFactor, 2),
                                {}, {}, ScoreText(scoring, bestScore)};
            rows << QStringList{name,
                                serie,
                                tr("Mittel"),
                                {},
                                Seconds(qint64(std::llround(double(sumFirst) / count))),
                                {},
                                Seconds(qint64(std::llround(double(sumTotal) / count))),
                                {},
                                Number(double(sumHits) / count, 1),
                                {},
                                Number(double(sumPoints) / count, 1),
                                Number(sumFactor / count, 2),
                                {},
                                {},
                                ScoreText(scoring, sumScore / count)};
        }
        if (kinds)
            *kinds << BestRow << MeanRow;
    }
    return rows;
}
