// SPDX-License-Identifier: GPL-3.0-or-later
// The training history as a CSV file: one line per stored string.
#pragma once

#include "historyrecord.h"

#include <QList>
#include <QString>

// CSV text (comma-separated, lines ended by CR LF, '.' as decimal point, UTC times in ISO 8601)
// with a header line of fixed English column names, so that spreadsheets and scripts read it alike.
QString HistoryCsv(const QList<HistoryRecord> &strings);

// Writes HistoryCsv to the file, whole or not at all; false with *error set on failure.
bool WriteHistoryCsv(const QString &fileName, const QList<HistoryRecord> &strings, QString *error);
