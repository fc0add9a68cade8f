// SPDX-License-Identifier: GPL-3.0-or-later
// Ring generator geometry: the concentric scoring circles of a ring target over camera 1's picture.
#pragma once

#include <QRectF>
#include <QVector>

// One circle of a generated ring target.
struct GeneratedRing
{
    QRectF rect; // the circle's bounding square, in scene coordinates
    int score;
};

// The n rings centred on (320, 240), smallest first: ring i has diameter (400 / n) * (i + 1), the
// division dropping its remainder, and scores n - i. Empty for n below 1.
QVector<GeneratedRing> GenerateRings(int n);
