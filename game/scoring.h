// Scoring of shots on the drawn display target: ring target and score image.
#pragma once

#include <QPointF>

class QImage;

// Corrected position (0..1000 on both axes) to the scene point on the drawn ring target,
// a 460 x 460 square with its top-left corner at (90, 10).
QPointF MapCorrectedToDisplay(QPointF corrected);

// Ring hit by a shot at `point` on an n-ring target centred on (320, 240) with outer radius 230.
// A marker of radius hitSize that touches a ring line counts for the inner ring; 0 is a miss.
int CircleTargetScore(QPointF point, int rings, int hitSize);

// Score read from a score image at relative position (u, v), each 0..1: the red component of
// the pixel divided by 10 (0..25). Positions on the far edges read the last column or row.
int ScoreImageValue(const QImage &scoreImage, double u, double v);

class QSize;
// The display image is shown at a quarter of its pixel size, rounded to whole units (halves up).
QSize DisplayImageShownSize(const QSize &pixmapSize);
