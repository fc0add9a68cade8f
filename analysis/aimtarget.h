// SPDX-License-Identifier: GPL-3.0-or-later
// AimTarget: what shots are measured against: an aim point, the target's extent and its scoring rings.
#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

// A scoring area drawn over a camera picture, reduced to its geometry.
struct AnalysisArea
{
    QString name;
    int score = 0;
    bool ellipse = false;
    QRectF bounds;     // the ellipse's rectangle, or the polygon's bounding rectangle
    QPolygonF polygon; // the outline of a polygon; empty for an ellipse

    // How far from `origin` (inside the area) the ray in unit direction `dir` leaves it; 0 when
    // it never meets the outline.
    double RayExit(const QPointF &origin, const QPointF &dir) const;
};

struct AimTarget
{
    // Names the target in the analysis and in the project's target sizes; empty for the display target.
    QString key;
    QPointF aim;
    // Half the target's width and height, in the units of its shots' positions.
    QSizeF halfSize;
    // The scoring rings, innermost first, with each ring's score; empty without rings.
    QVector<AnalysisArea> rings;
    QVector<int> ringScores;
    // Distance a shot's marker may overlap a ring line and still count for the inner ring.
    double allowance = 0;
};

// The drawn ring target of the display: n rings of equal width in a circle of radius 230 about
// (320, 240), scored with the hit size as allowance, as its integer scoring does.
AimTarget DisplayRingTarget(int rings, int hitSize);

// Areas nested one in the next, each about the middle of the next (the rings of "Generate
// Targets", or rings drawn over a target filmed at an angle, whose centres drift a little), form
// one ring target: named after its outermost ring, aimed at the middle of its innermost, its rings
// ordered from the innermost. Every other area is a target of its own, aimed at the centre of its
// bounding rectangle. targetOfArea receives the target index of each area.
QList<AimTarget> BuildAimTargets(const QList<AnalysisArea> &areas, QVector<int> *targetOfArea = nullptr);

// The aim target a shot belongs to: the one of the area that took it (-1 for none), else the one
// whose aim point is nearest, as a miss still belongs to the group; -1 when there are no targets.
int AimTargetIndexFor(const QList<AimTarget> &targets, const QVector<int> &targetOfArea, int areaIndex,
                      const QPointF &pos);
