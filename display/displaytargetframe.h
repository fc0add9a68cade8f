// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed geometry of the drawn display target and the scoring of shots on it.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QImage;

namespace DisplayTargetFrame {

// Camera 1's area of the scene, which the display target covers.
const QRectF Area(0, 0, 640, 480);
const QPointF CircleCentre(320, 240);
constexpr double CircleDiameter = 460;
// Pictures are fitted into this working size and shown at a quarter of it.
const QSize ImageWorkingSize(2560, 1920);
constexpr double ImageScale = 0.25;
// Corrected positions run from 0 to this on both axes.
constexpr double CorrectedRange = 1000;

// Scene items of the drawn ring target live in this z band and nothing else does.
constexpr double CircleZMin = 800;
constexpr double CircleZMax = 900;
constexpr double ImageBackgroundZ = 901;
constexpr double ImageZ = 902;

} // namespace DisplayTargetFrame

// Corrected position (0..1000 on both axes) to the scene point on the drawn ring target,
// a 460 x 460 square with its top-left corner at (90, 10).
QPointF MapCorrectedToDisplay(QPointF corrected);

// Ring hit by a shot at `point` on an n-ring target centred on (320, 240) with outer radius 230.
// A marker of radius hitSize that touches a ring line counts for the inner ring; 0 is a miss.
int CircleTargetScore(QPointF point, int rings, int hitSize);

// Score read from a score image at relative position (u, v), each 0..1: the red component of
// the pixel divided by 10 (0..25). Positions on the far edges read the last column or row.
int ScoreImageValue(const QImage &scoreImage, double u, double v);

// The display image is shown at a quarter of its pixel size, rounded to whole units (halves up).
QSize DisplayImageShownSize(const QSize &pixmapSize);

// A picture fitted into the working size, keeping its aspect ratio.
QSize DisplayImageWorkingSize(const QSize &pictureSize);
// Where the fitted picture of that size sits so that it is centred in camera 1's area.
QPoint DisplayImagePosition(const QSize &workingSize);
