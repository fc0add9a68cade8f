// SPDX-License-Identifier: LGPL-2.1-or-later
// AreaSums: a lit area's centre, box and shape from the sums its fill gathers.
#include "areasums.h"

#include "spot.h"

#include <algorithm>
#include <cmath>

void AreaSums::Describe(int height, bool bottomUp, Spot &spot) const
{
    spot.x = sx / sum;
    spot.y = sy / sum;
    if (bottomUp)
        spot.y = height - spot.y;
    spot.strength = sum;
    spot.pixels = count;
    spot.boxX = x0;
    spot.boxY = y0;
    spot.width = x1 - x0 + 1;
    spot.height = y1 - y0 + 1;
    SpotShape(count, mx, my, mxx, myy, mxy, spot);
}

void SpotShape(int count, double mx, double my, double mxx, double myy, double mxy, Spot &spot)
{
    const double n = count;
    const double cxx = mxx / n - (mx / n) * (mx / n) + 1.0 / 12.0; // a pixel is a unit square
    const double cyy = myy / n - (my / n) * (my / n) + 1.0 / 12.0;
    const double cxy = mxy / n - (mx / n) * (my / n);
    const double mean = (cxx + cyy) / 2.0;
    const double spread = std::sqrt((cxx - cyy) * (cxx - cyy) / 4.0 + cxy * cxy);
    const double major = mean + spread, minor = std::max(mean - spread, 1e-6);
    spot.elongation = std::sqrt(major / minor);
    // A bar of length L has the variance L^2 / 12 along it; a filled ellipse covers
    // 4 pi sqrt(major minor), a disc, bar or straight streak about that many pixels.
    spot.length = std::sqrt(12.0 * major);
    spot.fill = n / (4.0 * M_PI * std::sqrt(major * minor));
}

double Elongation(int count, double mx, double my, double mxx, double myy, double mxy)
{
    Spot s;
    SpotShape(count, mx, my, mxx, myy, mxy, s);
    return s.elongation;
}
