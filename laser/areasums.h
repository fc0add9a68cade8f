// SPDX-License-Identifier: LGPL-2.1-or-later
// AreaSums: what a fill gathers over the pixels of a lit area, and the shape it gives.
#pragma once

#include <algorithm>

struct Spot;

// Shape of an area from its pixel moments (sums of offsets from any origin, their squares and
// product): elongation, the ratio of the long to the short axis (1 for a disc, large for a
// streak); length, that of a bar with the same spread; fill, the share of the ellipse with the
// same moments that the pixels cover (about 1 for a disc, a bar or a straight streak, much less
// for a crescent, a ring or a ragged patch).
void SpotShape(int count, double mx, double my, double mxx, double myy, double mxy, Spot &spot);
double Elongation(int count, double mx, double my, double mxx, double myy, double mxy);

// What a fill gathers over an area's pixels as it visits them: the brightness-weighted centre,
// the box, and unweighted moments about the first pixel (the shape, whatever the brightness).
struct AreaSums
{
    AreaSums(int firstX, int firstY)
        : ox(firstX), oy(firstY), x0(firstX), x1(firstX), y0(firstY), y1(firstY)
    {
    }
    void Add(int px, int py, double weight)
    {
        sum += weight;
        sx += weight * (px + 0.5);
        sy += weight * (py + 0.5);
        const double ex = px - ox, ey = py - oy;
        mx += ex;
        my += ey;
        mxx += ex * ex;
        myy += ey * ey;
        mxy += ex * ey;
        ++count;
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
    }
    // The spot's position (upright, rows of `height` counted from the top), strength, size, box
    // and shape. The box stays in the fill's own rows.
    void Describe(int height, bool bottomUp, Spot &spot) const;

    int ox, oy;
    double sum = 0.0, sx = 0.0, sy = 0.0;
    double mx = 0.0, my = 0.0, mxx = 0.0, myy = 0.0, mxy = 0.0;
    int count = 0;
    int x0, x1, y0, y1;
};
