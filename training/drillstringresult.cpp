// SPDX-License-Identifier: GPL-3.0-or-later
// DrillStringResult: the evaluation of a string's shots under a drill's rules.
#include "drillstringresult.h"

namespace {

DrillTargetTally &TallyOf(QVector<DrillTargetTally> &tallies, const QString &target)
{
    for (DrillTargetTally &t : tallies)
        if (t.target == target)
            return t;
    tallies.append(DrillTargetTally{target, 0, 0});
    return tallies.last();
}

} // namespace

DrillStringResult EvaluateDrillString(const Drill &drill, int stringIndex, qint64 startSignalUs,
                                      const QVector<TimedShot> &shots, const QStringList &targetNames,
                                      bool falseStart)
{
    DrillStringResult r;
    r.drillId = drill.id;
    r.stringIndex = stringIndex;
    r.stringCount = drill.strings.size();
    r.falseStart = falseStart;
    r.startSignalUs = falseStart ? 0 : startSignalUs;
    r.shots = shots;
    const DrillString asked = stringIndex >= 0 && stringIndex < drill.strings.size() ? drill.strings[stringIndex]
                                                                                     : DrillString();
    r.shotsAsked = asked.shots;
    r.stringEntry = asked.entry;
    r.scoring = drill.scoring;
    r.parUs = asked.parUs;

    // The target every asked shot must hit (empty: any), and whether the drill names any.
    QStringList expected;
    bool ordered = false;
    for (int i = 0; i < asked.shots; ++i) {
        QString name;
        DrillReader::ResolveTarget(drill.TargetSpec(stringIndex, i), targetNames, &name, nullptr);
        ordered = ordered || !name.isEmpty();
        expected << name;
    }
    if (ordered)
        for (const QString &name : expected)
            TallyOf(r.targets, name);

    for (int i = 0; i < shots.size(); ++i) {
        const TimedShot &s = shots[i];
        const QString want = i < expected.size() ? expected[i] : QString();
        const bool counted = !s.target.isEmpty() && (want.isEmpty() || s.target == want);
        r.countedShots << counted;
        r.reloadSplits << asked.reloadAfter.contains(i);
        if (!falseStart)
            r.splitsUs << s.timeUs - (i == 0 ? startSignalUs : shots[i - 1].timeUs);
        if (counted) {
            ++r.hits;
            r.points += s.score;
        } else {
            ++r.misses;
        }
        DrillTargetTally &tally = TallyOf(r.targets, ordered ? want : (counted ? s.target : QString()));
        if (counted)
            ++tally.hits;
        else
            ++tally.misses;
    }
    // Shots that never came are misses on the targets they were meant for.
    for (int i = shots.size(); i < asked.shots; ++i) {
        ++r.misses;
        ++TallyOf(r.targets, ordered ? expected[i] : QString()).misses;
    }

    r.complete = !falseStart && shots.size() >= asked.shots;
    if (!falseStart && !shots.isEmpty()) {
        r.firstShotUs = shots.first().timeUs - startSignalUs;
        r.totalUs = shots.last().timeUs - startSignalUs;
        r.hitFactor = r.totalUs > 0 ? r.points / (r.totalUs / 1e6) : 0;
    }
    r.parPassed = r.complete && (asked.parUs <= 0 || r.totalUs <= asked.parUs);
    const int minHits = drill.minHits < 0 ? asked.shots : drill.minHits;
    r.passed = r.complete && (!drill.passNeedsPar || r.parPassed) && r.hits >= minHits
               && r.points >= drill.minPoints && r.hitFactor >= drill.minHitFactor;
    return r;
}
