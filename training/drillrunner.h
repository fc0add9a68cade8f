// SPDX-License-Identifier: GPL-3.0-or-later
// DrillRunner: the shot timer running a drill: start delay, start signal, par times, strings.
#pragma once

#include "drill.h"
#include "drillstringresult.h"
#include "timedshot.h"

#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <functional>

// Driven by Start (the game's start), Shot (every shot on the Game page with its time),
// GameStopped and the clock. Every time is monotonic microseconds from Now(), which tests can
// replace; Poll() acts on what has come due, and a precise timer calls it on time.
class DrillRunner : public QObject
{
    Q_OBJECT

public:
    enum class State {
        NoDrill, // nothing armed: the game runs as always
        Ready, // a drill is armed; the next start begins a string
        Standby, // start delay running
        Running, // start signal given, shots are timed
        Pause, // between two strings
    };
    Q_ENUM(State)

    explicit DrillRunner(QObject *parent = nullptr);

    // Monotonic microseconds on the steady clock (that of QElapsedTimer and CamGetFrameTime).
    static qint64 MonotonicNowUs();
    qint64 Now() const { return clock ? clock() : MonotonicNowUs(); }
    // Replaces the clock (null: the steady clock again).
    void SetClock(std::function<qint64()> c) { clock = std::move(c); }
    void SeedRandom(quint32 seed) { random.seed(seed); }
    // Language of the drill name in results ("de" or another code).
    void SetLanguage(const QString &code) { language = code; }

    // Arms a drill (a new run begins at its first string); Clear disarms. Only while no string
    // is in standby or running.
    bool Arm(const Drill &drill);
    void Clear();
    const Drill &ArmedDrill() const { return drill; }
    bool IsArmed() const { return state != State::NoDrill; }
    // The project's ordinary targets in list order, read when a string starts.
    void SetTargetNames(const QStringList &names) { targetNames = names; }

    // The game's start: begins the next string's start delay, counted from triggerUs (the time of
    // a start-button shot; 0: now). False, with refused() emitted where a reason exists, when no
    // drill is armed, a string is already under way or the project's targets do not fit.
    bool Start(qint64 triggerUs = 0);
    // A shot on the Game page while a string is in standby or running; true when it ended the
    // string (the last asked shot, or a false start).
    bool Shot(const TimedShot &shot);
    // The game ended by other means (Stop, a page switch, the game's own shot count): a string
    // in standby is dropped, a running one ends incomplete; the rest of the run is given up.
    void GameStopped();
    // Ends the run without a result for the string under way.
    void Abort();
    void Poll();

    State CurrentState() const { return state; }
    int StringIndex() const { return stringIndex; }
    int Run() const { return run; }
    qint64 SignalUs() const { return signalUs; }
    int ShotsSoFar() const { return shots.size(); }

signals:
    void StateChanged(DrillRunner::State state);
    // Start delay begun for a string.
    void Standby(int stringIndex);
    void StartSignal(int stringIndex, qint64 timeUs);
    void ParTime(int stringIndex);
    void StringFinished(const DrillStringResult &result);
    // The pause after a string is over: the next string may start.
    void NextStringDue(int stringIndex);
    void RunFinished(int run);
    void Refused(const QString &problem);

private:
    void SetState(State s);
    void FinishString(bool falseStart);
    void Schedule();

    Drill drill;
    State state = State::NoDrill;
    std::function<qint64()> clock;
    QRandomGenerator random{QRandomGenerator::securelySeeded()};
    QStringList targetNames;
    QString language = QStringLiteral("de");
    QStringList runTargetNames;
    QTimer timer;
    int run = 0;
    int stringIndex = 0;
    qint64 signalUs = 0; // due time in standby, signal time once running
    qint64 startUs = 0; // what the start delay counts from
    qint64 pauseEndUs = 0;
    bool parSignalled = false;
    QVector<TimedShot> shots;
};
