// SPDX-License-Identifier: GPL-3.0-or-later
// The training history as a CSV file.
#include "historycsv.h"

#include <QSaveFile>
#include <QStringList>

namespace {

QString Field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Line(const QStringList &cells)
{
    QStringList out;
    for (const QString &c : cells)
        out << Field(c);
    return out.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QString Number(double v)
{
    return QString::number(v, 'f', 3);
}

} // namespace

QString HistoryCsv(const QList<HistoryRecord> &strings)
{
    QString text = Line({QStringLiteral("time_utc"), QStringLiteral("project"), QStringLiteral("drill"),
                         QStringLiteral("target"), QStringLiteral("game_type"), QStringLiteral("string"),
                         QStringLiteral("shots"), QStringLiteral("total"), QStringLiteral("hit_factor"),
                         QStringLiteral("first_shot_s"), QStringLiteral("par_passed"), QStringLiteral("group_size"),
                         QStringLiteral("group_unit")});
    for (const HistoryRecord &r : strings) {
        const HistoryResults &x = r.results;
        text += Line({r.when.toUTC().toString(Qt::ISODateWithMs), r.project, r.drill, r.target,
                      QString::number(r.gameType), QString::number(r.stringIndex + 1), QString::number(r.shotCount),
                      QString::number(x.total), Number(x.hitFactor),
                      x.firstShotUs < 0 ? QString() : Number(x.firstShotUs / 1e6),
                      x.parPassed < 0 ? QString() : (x.parPassed ? QStringLiteral("yes") : QStringLiteral("no")),
                      x.groupSize < 0 ? QString() : Number(x.groupSize), x.groupSize < 0 ? QString() : x.groupUnit});
    }
    return text;
}

bool WriteHistoryCsv(const QString &fileName, const QList<HistoryRecord> &strings, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(HistoryCsv(strings).toUtf8());
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
