// Text forms of the table of hits: tab-separated for the clipboard, CSV for files.
#pragma once

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
