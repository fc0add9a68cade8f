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

// The decimal text of a score: "10.9", "0.0".
QString DecimalScoreText(double score);
