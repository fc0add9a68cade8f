// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryProgress: the points of the progress charts, one per stored string, built without widgets.
#pragma once

#include "historyrecord.h"

#include <QList>
#include <QPointF>
#include <QVector>

// x of every point: the string's UTC time in milliseconds since the epoch.
struct HistoryProgress
{
    QVector<QPointF> score;
    QVector<QPointF> hitFactor;
    QVector<QPointF> firstShotSeconds; // strings without shots are left out
    QVector<QPointF> groupSize; // strings with fewer than two shots are left out
    QString groupUnit; // the unit of the group sizes ("mm" or "%"); mixed units keep the first
    double minX = 0;
    double maxX = 0;
};

HistoryProgress BuildHistoryProgress(const QList<HistoryRecord> &strings);
