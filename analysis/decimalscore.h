// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal ring score: the ring and the tenth of it a shot lies in, as in precision shooting.
#pragma once

#include "aimtarget.h"

#include <QPointF>

// Score in tenths of a shot at `pos` on a ring target: the integer part is the ring (as the integer
// scoring counts it, a shot exactly on a line belonging to the outer ring), the tenth how deep the
// shot lies in that ring: x.0 at its outer line, x.9 in the innermost tenth, 10.9 at the very centre
// of a ten-ring target. Rings that are not circles about the aim point (ellipses, polygons, rings
// filmed at an angle) are measured along the ray from the aim point through the shot.
// 0 outside the outer ring and for a target without rings.
double DecimalRingScore(const AimTarget &target, const QPointF &pos);

// A shot's offset from the aim point as it lies on the round target that the rings stand for, whose
// outer ring has the given radius: each ring's band along the shot's ray is stretched onto an
// equal-width band, so a shot on a ring line lands on the drawn line and one halfway into a ring
// halfway into the drawn ring, however squeezed or shifted the rings were filmed. The direction
// is taken after scaling the target's width and height to the same size. Beyond the outer ring
// the outer band's scale goes on; without rings the offset is only scaled to that size.
QPointF RingSpaceOffset(const AimTarget &target, const QPointF &pos, double outerRadius);

// The decimal text of a score: "10.9", "0.0".
QString DecimalScoreText(double score);
