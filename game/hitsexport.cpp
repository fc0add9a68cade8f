// SPDX-License-Identifier: GPL-3.0-or-later
// Text forms of the table of hits: tab-separated for the clipboard, CSV for files.
#include "hitsexport.h"

#include <QRegularExpression>

static QString TsvCell(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

static QString TsvLine(const QStringList &cells)
{
    QStringList out;
    for (const QString &cell : cells)
        out << TsvCell(cell);
    return out.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString HitsTsv(const QStringList &header, const QList<QStringList> &rows)
{
    QString text = TsvLine(header);
    for (const QStringList &row : rows)
        text += TsvLine(row);
    return text;
}

QString CsvField(const QString &text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                       || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

static QString CsvLine(const QStringList &cells)
{
    QStringList out;
    for (const QString &cell : cells)
        out << CsvField(cell);
    return out.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QString HitsCsv(const QStringList &header, const QList<QStringList> &rows, const QStringList &total)
{
    QString text = CsvLine(header);
    for (const QStringList &row : rows)
        text += CsvLine(row);
    return text + CsvLine(total);
}

QString HitsTimeSeconds(const QString &clockText)
{
    static const QRegularExpression clock(QStringLiteral("^(\\d+),(\\d\\d)s$"));
    const QRegularExpressionMatch match = clock.match(clockText);
    if (match.hasMatch())
        return match.captured(1) + QLatin1Char('.') + match.captured(2);
    if (clockText == QLatin1String("0:00"))
        return QStringLiteral("0.00");
    return clockText;
}

QList<QStringList> HitsExportRows(const QList<QStringList> &rows, const QHash<QString, QString> &names)
{
    QList<QStringList> out = rows;
    for (QStringList &row : out) {
        if (!row.isEmpty())
            row[0] = names.value(row.at(0), row.at(0));
        if (row.size() > 2)
            row[2] = HitsTimeSeconds(row.at(2));
    }
    return out;
}
