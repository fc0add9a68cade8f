// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryRecord: one finished game or drill string as the training history stores it.
#pragma once

#include "training/timedshot.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>
#include <QtGlobal>

// A shot of a stored string: the shot itself plus its offset from the aim point of its target.
struct HistoryShot
{
    // timeUs counts from the string's start (HistoryRecord::startUs) once stored.
    TimedShot shot;
    // Offset from the aim point, x to the right, y downward, in `unit` ("mm" or "%" of the
    // target's size).
    QPointF offset;
    QString unit = QStringLiteral("%");
};

// Figures of a string, computed once when it is stored so that the progress view needs no shots.
struct HistoryResults
{
    int total = 0;
    // Points per second of the string's time (start to last shot); 0 without shots.
    double hitFactor = 0;
    // Time from the start to the first shot in microseconds; -1 without shots.
    qint64 firstShotUs = -1;
    // -1: the string had no par time; 0 missed; 1 passed.
    int parPassed = -1;
    // Extreme spread of the offsets (largest distance between two shots) in groupUnit;
    // -1 where it needs more shots (fewer than two).
    double groupSize = -1;
    QString groupUnit = QStringLiteral("%");
};

struct HistoryRecord
{
    qint64 id = 0; // 0 until stored
    QDateTime when; // UTC wall time of the string's start
    QString project; // file name of the project shot in (may be empty)
    QString drill; // empty for a plain game
    QString target; // the target the string was shot at (the one most shots went to)
    int gameType = 0; // index of the game type box: 0 shot count, 1 time game
    int stringIndex = 0; // number of the string within its drill, from 0
    // Monotonic start time of the string in microseconds; shots' times are relative to it
    // in the store (it is stored as 0).
    qint64 startUs = 0;
    // Number of shots stored, known even when the shots were not loaded.
    int shotCount = 0;
    QList<HistoryShot> shots;
    HistoryResults results;
};

// The results of a string from its shots: total, hit factor, first-shot time and group size.
// parUs > 0 sets parPassed (the last shot no later than the par time).
HistoryResults ComputeHistoryResults(const QList<HistoryShot> &shots, qint64 startUs, qint64 parUs = 0);

// The target most shots of a string went to, misses left out (empty when all missed); of two
// with equal counts the one hit first.
QString MainTargetOf(const QList<HistoryShot> &shots);
