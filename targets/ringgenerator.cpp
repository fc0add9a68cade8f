// SPDX-License-Identifier: GPL-3.0-or-later
// Ring generator geometry.
#include "ringgenerator.h"

QVector<GeneratedRing> GenerateRings(int n)
{
    QVector<GeneratedRing> rings;
    if (n < 1)
        return rings;
    const int step = 400 / n;
    for (int i = 0; i < n; ++i) {
        const int d = step * (i + 1);
        // An odd diameter puts the corner on a half unit, so the circle stays centred.
        rings.append({QRectF(320 - d / 2.0, 240 - d / 2.0, d, d), n - i});
    }
    return rings;
}
