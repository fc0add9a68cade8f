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
    for (Centre &c : required) {
        const bool atA = Near(c.x, c.y, a.first, a.second);
        if (!atA && !Near(c.x, c.y, b.first, b.second))
            continue;
        c.hasOther = true;
        c.otherX = atA ? b.first : a.first;
        c.otherY = atA ? b.second : a.second;
        c.from = first;
        c.to = last + 1; // a streak is reported a frame late
    }
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
