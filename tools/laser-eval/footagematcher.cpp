// SPDX-License-Identifier: GPL-3.0-or-later
// FootageMatcher: nearest unused centre within the tolerance on both axes.
#include "footagematcher.h"

#include <cmath>

FootageMatcher::FootageMatcher(std::vector<std::pair<double, double>> req,
                               std::vector<std::pair<double, double>> opt, double tolX,
                               double tolY)
    : toleranceX(tolX), toleranceY(tolY)
{
    for (const auto &p : req)
        required.push_back({p.first, p.second});
    for (const auto &p : opt)
        optional.push_back({p.first, p.second});
}

bool FootageMatcher::Near(double ax, double ay, double bx, double by) const
{
    return std::fabs(ax - bx) <= toleranceX && std::fabs(ay - by) <= toleranceY;
}

void FootageMatcher::AddTwoFramePulse(long first, long last, std::pair<double, double> a,
                                      std::pair<double, double> b)
{
    // The pulse belongs to the nearest required centre at one of its frames' centres that has
    // no other pulse yet.
    Centre *best = nullptr;
    bool bestAtA = false;
    double bestDistance = 0.0;
    for (Centre &c : required) {
        if (c.hasOther)
            continue;
        for (const bool atA : {true, false}) {
            const std::pair<double, double> &p = atA ? a : b;
            if (!Near(c.x, c.y, p.first, p.second))
                continue;
            const double d = std::hypot(c.x - p.first, c.y - p.second);
            if (!best || d < bestDistance) {
                best = &c;
                bestAtA = atA;
                bestDistance = d;
            }
        }
    }
    if (!best)
        return;
    best->hasOther = true;
    best->otherX = bestAtA ? b.first : a.first;
    best->otherY = bestAtA ? b.second : a.second;
    best->from = first;
    best->to = last + 1; // a streak is reported a frame late
}

bool FootageMatcher::Claim(std::vector<Centre> &centres, double x, double y, long frame)
{
    Centre *best = nullptr;
    double bestDistance = 0.0;
    for (Centre &c : centres) {
        if (c.used)
            continue;
        double d;
        if (Near(c.x, c.y, x, y))
            d = std::hypot(c.x - x, c.y - y);
        else if (c.hasOther && frame >= c.from && frame <= c.to && Near(c.otherX, c.otherY, x, y))
            d = std::hypot(c.otherX - x, c.otherY - y);
        else
            continue;
        if (!best || d < bestDistance) {
            best = &c;
            bestDistance = d;
        }
    }
    if (best)
        best->used = true;
    return best != nullptr;
}

char FootageMatcher::Report(double x, double y, long frame)
{
    if (Claim(required, x, y, frame))
        return 'r';
    if (Claim(optional, x, y, frame))
        return 'o';
    ++falseShots;
    return 'f';
}

int FootageMatcher::Found() const
{
    int n = 0;
    for (const Centre &c : required)
        n += c.used;
    return n;
}
