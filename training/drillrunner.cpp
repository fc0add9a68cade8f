// SPDX-License-Identifier: GPL-3.0-or-later
// DrillRunner: the state machine of the shot timer.
#include "drillrunner.h"

#include <chrono>
#include <limits>

DrillRunner::DrillRunner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<DrillStringResult>();
    timer.setSingleShot(true);
    // A start signal a few milliseconds late would be a late beep for the shooter.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &DrillRunner::Poll);
}

qint64 DrillRunner::MonotonicNowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool DrillRunner::Arm(const Drill &d)
{
    if (state == State::Standby || state == State::Running || d.strings.isEmpty())
        return false;
    drill = d;
    stringIndex = 0;
    timer.stop();
    SetState(State::Ready);
    return true;
}

void DrillRunner::Clear()
{
    timer.stop();
    shots.clear();
    stringIndex = 0;
    drill = Drill();
    SetState(State::NoDrill);
}

bool DrillRunner::Start(qint64 triggerUs)
{
    if (state == State::NoDrill || state == State::Standby || state == State::Running)
        return false;
    if (state == State::Ready) {
        const QString problem = DrillReader::CheckTargets(drill, targetNames);
        if (!problem.isEmpty()) {
            emit Refused(problem);
            return false;
        }
        // A new run: the target names hold for all its strings.
        runTargetNames = targetNames;
        stringIndex = 0;
        ++run;
    }
    shots.clear();
    parSignalled = false;
    const qint64 span = drill.delayMaxUs - drill.delayMinUs;
    const qint64 delay = drill.delayMinUs + (span > 0 ? qint64(random.bounded(double(span) + 1)) : 0);
    startUs = triggerUs > 0 ? triggerUs : Now();
    signalUs = startUs + delay;
    SetState(State::Standby);
    emit Standby(stringIndex);
    Poll();
    return true;
}

bool DrillRunner::Shot(const TimedShot &shot)
{
    if (state != State::Standby && state != State::Running)
        return false;
    shots << shot;
    // A shot seen before the signal is a false start, even when it is reported after it.
    if (state == State::Standby || shot.timeUs < signalUs) {
        FinishString(true);
        return true;
    }
    if (shots.size() >= drill.strings[stringIndex].shots) {
        FinishString(false);
        return true;
    }
    return false;
}

void DrillRunner::GameStopped()
{
    if (state == State::Standby) {
        Abort();
    } else if (state == State::Running) {
        FinishString(false);
        Abort();
    }
}

void DrillRunner::Abort()
{
    if (state == State::NoDrill)
        return;
    timer.stop();
    shots.clear();
    const bool wasUnderWay = state != State::Ready;
    stringIndex = 0;
    SetState(State::Ready);
    if (wasUnderWay)
        emit RunFinished(run);
}

void DrillRunner::Poll()
{
    const qint64 now = Now();
    if (state == State::Standby && now >= signalUs) {
        // The signal counts from when it was due; the timer fires within a millisecond of it.
        SetState(State::Running);
        emit StartSignal(stringIndex, signalUs);
    }
    if (state == State::Running && !parSignalled && drill.strings[stringIndex].parUs > 0
        && now >= signalUs + drill.strings[stringIndex].parUs) {
        parSignalled = true;
        emit ParTime(stringIndex);
    }
    if (state == State::Pause && now >= pauseEndUs) {
        pauseEndUs = std::numeric_limits<qint64>::max();
        emit NextStringDue(stringIndex);
    }
    Schedule();
}

void DrillRunner::Schedule()
{
    qint64 due = -1;
    if (state == State::Standby)
        due = signalUs;
    else if (state == State::Running && !parSignalled && drill.strings[stringIndex].parUs > 0)
        due = signalUs + drill.strings[stringIndex].parUs;
    else if (state == State::Pause && pauseEndUs != std::numeric_limits<qint64>::max())
        due = pauseEndUs;
    if (due < 0) {
        timer.stop();
        return;
    }
    const qint64 waitMs = qMax<qint64>(0, (due - Now() + 999) / 1000);
    timer.start(int(qMin<qint64>(waitMs, 24 * 3600 * 1000)));
}

void DrillRunner::SetState(State s)
{
    if (s == state)
        return;
    state = s;
    emit StateChanged(s);
}

void DrillRunner::FinishString(bool falseStart)
{
    timer.stop();
    DrillStringResult result = EvaluateDrillString(drill, stringIndex, signalUs, shots, runTargetNames, falseStart);
    result.run = run;
    if (!falseStart)
        result.delayUs = signalUs - startUs;
    result.drillName = drill.Name(language);
    shots.clear();
    const bool last = stringIndex + 1 >= drill.strings.size();
    if (last) {
        stringIndex = 0;
        SetState(State::Ready);
    } else {
        ++stringIndex;
        pauseEndUs = Now() + drill.pauseUs;
        SetState(State::Pause);
    }
    emit StringFinished(result);
    if (last)
        emit RunFinished(run);
    else
        Schedule();
}
