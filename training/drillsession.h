// SPDX-License-Identifier: GPL-3.0-or-later
// DrillSession: the finished strings of this sitting, with best and mean, as table rows.
#pragma once

#include "drillstringresult.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QVector>

class DrillSession
{
    Q_DECLARE_TR_FUNCTIONS(DrillSession)

public:
    // Kinds of the rows of Rows(), in the same order.
    enum RowKind { StringRow, BestRow, MeanRow };

    void Add(const DrillStringResult &result) { results << result; }
    void Clear() { results.clear(); }
    const QVector<DrillStringResult> &Results() const { return results; }

    // Column titles of Rows().
    static QStringList Header();
    // Strings grouped by drill (in the order first shot) and string (the repeats of a string
    // together), runs one under the
    // other, each group followed by its best and its mean row. Times in seconds with three
    // decimals; best and mean are taken over the complete strings without a false start.
    QList<QStringList> Rows(QVector<RowKind> *kinds = nullptr) const;

    // "1.234": microseconds as seconds, rounded to the millisecond; "" for a negative time.
    static QString Seconds(qint64 us);
    // The figure a drill counts, with its unit: "3 Treffer", "28 Punkte", "HF 13.12".
    static QString ScoreText(Drill::Scoring scoring, double value);

private:
    QVector<DrillStringResult> results;
};
