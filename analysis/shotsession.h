// SPDX-License-Identifier: GPL-3.0-or-later
// ShotSession: the shots of the current game (or string) with the targets they were aimed at.
#pragma once

#include "aimtarget.h"
#include "shotplotdata.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

struct SessionShot
{
    qint64 timeMs = 0;  // since the start of the game
    QString timeText;   // as the table of hits shows it
    int camera = -1;    // 0-3, -1 for the mouse
    QPointF pos;        // scene position, laser zero applied
    QPointF onTarget;   // position in the aim target's own coordinates (the display's for a drawn target)
    // The aim point in the shot's camera picture, for zeroing; none where it cannot be known.
    std::optional<QPointF> sceneAim;
    QString target;     // key of the aim target; the shot belongs to no group when it is not known
    bool hasTarget = false;
    int score = 0;      // as booked in the table of hits
    double decimal = 0; // decimal ring score, where the target has rings
    bool hasDecimal = false;
};

class ShotSession : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void Clear();
    // The target is remembered as it was when the shot fell, so later edits change no result.
    void Add(const SessionShot &shot, const AimTarget &target);

    const QList<SessionShot> &Shots() const { return shots; }
    // Keys of the targets shot at, in the order of their first shot.
    QStringList TargetKeys() const { return keys; }
    std::optional<AimTarget> Target(const QString &key) const;

    // Each camera's mean miss from the aim point, over the shots that have one: what a zeroing
    // string gives. Cameras without such shots are left out.
    QMap<int, QPointF> MeanMisses() const;

signals:
    void Changed();

private:
    QList<SessionShot> shots;
    QStringList keys;
    QMap<QString, AimTarget> targets;
};

// The plot of one target's shots: offsets in millimetres when the target's real width is known
// (sizeMm > 0, one scale for both axes, from the width), else in percent of its width and height.
// A ring target's shots are placed by the rings they lie in (RingSpaceOffset), as its rings are
// round in reality however they were filmed. Scores are the decimal ones where chosen and known.
ShotPlotData MakePlotData(const AimTarget &target, const QList<SessionShot> &shots, double sizeMm,
                          bool decimal, const QString &title);
