// SPDX-License-Identifier: GPL-3.0-or-later
// DrillStringResult: the outcome of one finished string of a drill, with every time and tally.
#pragma once

#include "drill.h"
#include "timedshot.h"

#include <QMetaType>
#include <QString>
#include <QVector>

// Hits and misses on one target of a string (a miss on no particular target has an empty name).
struct DrillTargetTally
{
    QString target;
    int hits = 0;
    int misses = 0;
};

struct DrillStringResult
{
    QString drillId; // file base name of the drill
    QString drillName; // in the language of the moment the string ended
    int run = 1; // repetition of the drill in this session, from 1
    int stringIndex = 0; // from 0
    int stringCount = 1;
    int stringEntry = 0; // the string's entry in the drill file: repeats of one string share it
    // Monotonic time of the start signal, microseconds (0: no signal was given), and the start
    // delay before it (from the start, or the start-button shot; -1: no signal was given).
    qint64 startSignalUs = 0;
    qint64 delayUs = -1;
    // The shots in order; splitsUs[0] is the first-shot time (from the start signal), every
    // further entry the time since the shot before. countedShots[i]: shot i is a hit under
    // the drill's rules; reloadSplits[i]: the shooter reloaded before shot i.
    QVector<TimedShot> shots;
    QVector<qint64> splitsUs;
    QVector<bool> countedShots;
    QVector<bool> reloadSplits;
    qint64 firstShotUs = -1; // -1: no shot after the signal
    qint64 totalUs = -1; // start signal to last shot; -1: no shot after the signal
    int shotsAsked = 0;
    int hits = 0;
    int misses = 0; // shots that did not count, and shots the string asked for that never came
    int points = 0;
    double hitFactor = 0; // points per second of totalUs
    qint64 parUs = 0; // 0: no par
    bool parPassed = false; // every asked shot came by the par (true without a par)
    bool falseStart = false; // a shot came before the start signal
    bool complete = false; // every asked shot came
    bool passed = false; // the drill's pass rules hold
    QVector<DrillTargetTally> targets;
    // What the drill counts: its figure is Score().
    Drill::Scoring scoring = Drill::Scoring::Hits;

    double Score() const
    {
        return scoring == Drill::Scoring::Hits ? hits : scoring == Drill::Scoring::Points ? points : hitFactor;
    }
    // Splits of the shots after the first one.
    QVector<qint64> Splits() const { return splitsUs.mid(1); }
};

Q_DECLARE_METATYPE(DrillStringResult)

// The result of string stringIndex of a drill from its start signal and shots. targetNames are the
// project's ordinary targets in list order (for "#n" targets). A false start ends a string with
// the shots so far; an incomplete string (stopped early) counts its missing shots as misses.
DrillStringResult EvaluateDrillString(const Drill &drill, int stringIndex, qint64 startSignalUs,
                                      const QVector<TimedShot> &shots, const QStringList &targetNames,
                                      bool falseStart);
