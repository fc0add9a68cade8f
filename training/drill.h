// SPDX-License-Identifier: GPL-3.0-or-later
// Drill: a named course of fire for the shot timer, as read from its JSON file.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// One string of a drill: the shots fired on one start signal.
struct DrillString
{
    int shots = 1;
    // Par time in microseconds from the start signal; 0: no par.
    qint64 parUs = 0;
    // Target of each shot, "any" for any target, a target name of the project, or "#n" for the
    // n-th ordinary target of the target list. One entry applies to every shot.
    QStringList targets{QStringLiteral("any")};
    // Shot numbers (1-based) after which the shooter reloads; the next split is a reload split.
    QVector<int> reloadAfter;
    // Index of its entry in the file's "strings"; the strings of one "repeat" share it.
    int entry = 0;
};

struct Drill
{
    enum class Scoring { Hits, Points, HitFactor };

    QString id; // the file's base name
    QString fileName;
    QString nameDe, nameEn;
    QString descriptionDe, descriptionEn;
    // Start delay range in microseconds; min == max for a fixed delay.
    qint64 delayMinUs = 2000000;
    qint64 delayMaxUs = 4000000;
    // Pause between strings, microseconds.
    qint64 pauseUs = 5000000;
    QVector<DrillString> strings;
    Scoring scoring = Scoring::Hits;
    // Pass rules of every string: par met (where a string has one), at least minHits hits
    // (-1: every shot), minPoints points, minHitFactor.
    bool passNeedsPar = true;
    int minHits = -1;
    int minPoints = 0;
    double minHitFactor = 0;

    // Name and description in a language ("de" German, anything else English where given).
    QString Name(const QString &language) const;
    QString Description(const QString &language) const;
    // The target this shot (0-based) of a string must hit, as written in the file.
    QString TargetSpec(int stringIndex, int shot) const;
};

// Reads and checks drill files; problems come as one translated sentence.
class DrillReader
{
    Q_DECLARE_TR_FUNCTIONS(DrillReader)

public:
    // The drill of a JSON document; false with *problem set when it is not a valid drill.
    static bool Parse(const QByteArray &json, Drill &drill, QString *problem);
    // Reads a file (at most 256 KiB): false with *problem naming what is wrong (not the file).
    static bool ReadFile(const QString &fileName, Drill &drill, QString *problem);
    // The name a wanted target stands for with the project's ordinary targets in list order:
    // empty for "any"; false with *problem when the project has no such target.
    static bool ResolveTarget(const QString &wanted, const QStringList &targetNames, QString *name,
                              QString *problem);
    // Empty when the project's targets fit the drill, else the first problem.
    static QString CheckTargets(const Drill &drill, const QStringList &targetNames);
};
