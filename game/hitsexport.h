// SPDX-License-Identifier: GPL-3.0-or-later
// Text forms of the table of hits: tab-separated for the clipboard, CSV for files.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One line per row, the header first, cells separated by tabs, every line ending in a line feed.
// Tabs and line breaks inside a cell become spaces, so that a spreadsheet keeps rows and columns.
QString HitsTsv(const QStringList &header, const QList<QStringList> &rows);

// A cell quoted as CSV wants it: in double quotes, with inner quotes doubled, when it holds a
// comma, a double quote or a line break; otherwise as it is.
QString CsvField(const QString &text);

// A CSV document (lines ended by CR LF): the header, the rows, then the total row.
QString HitsCsv(const QStringList &header, const QList<QStringList> &rows, const QStringList &total);

// A time as the table shows it ("12,34s", "0:00" before the clock ran) as a number of seconds
// with a dot and two decimals ("12.34", "0.00"), which a spreadsheet reads as a number. Any
// other text is returned as it is.
QString HitsTimeSeconds(const QString &clockText);

// The rows of the table made ready for export: a name found in `names` (the program's own words
// for a miss or a hit, in whichever language they were recorded) becomes its value, and the time
// in the third column becomes seconds (HitsTimeSeconds). Other cells stay as they are.
QList<QStringList> HitsExportRows(const QList<QStringList> &rows, const QHash<QString, QString> &names);
