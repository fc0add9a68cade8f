// FootageMatcher: nearest unused centre within the tolerance on both axes.
#include "footagematcher.h"

#include <cmath>

FootageMatcher::FootageMatcher(std::vector<std::pair<double, double>> req,
                               std::vector<std::pair<double, double>> opt, double tol)
    : tolerance(tol)
{
    for (const auto &p : req)
        required.push_back({p.first, p.second});
    for (const auto &p : opt)
        optional.push_back({p.first, p.second});
}

bool FootageMatcher::Claim(std::vector<Centre> &centres, double x, double y)
{
    Centre *best = nullptr;
    double bestDistance = 0.0;
    for (Centre &c : centres) {
        if (c.used || std::fabs(c.x - x) > tolerance || std::fabs(c.y - y) > tolerance)
            continue;
        const double d = std::hypot(c.x - x, c.y - y);
        if (!best || d < bestDistance) {
            best = &c;
            bestDistance = d;
        }
    }
    if (best)
        best->used = true;
    return best != nullptr;
}

char FootageMatcher::Report(double x, double y)
{
    if (Claim(required, x, y))
        return 'r';
    if (Claim(optional, x, y))
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
