// SPDX-License-Identifier: GPL-3.0-or-later
// CentreShotTest: counting and the spread of the seen shots.
#include "centreshottest.h"

#include <QLineF>

#include <algorithm>

void CentreShotTest::Start(int expectedShots, QPointF c, double r)
{
    running = expectedShots > 0;
    expected = std::max(0, expectedShots);
    stray = 0;
    centre = c;
    radius = r;
    seen.clear();
}

bool CentreShotTest::AddShot(QPointF p)
{
    if (!running)
        return false;
    if (QLineF(centre, p).length() <= radius)
        seen.append(p);
    else
        ++stray;
    if (seen.size() >= expected)
        running = false;
    return true;
}

CentreShotTest::Result CentreShotTest::Outcome() const
{
    Result r;
    r.expected = expected;
    r.seen = int(seen.size());
    r.stray = stray;
    r.missed = expected - r.seen;
    if (seen.isEmpty())
        return r;
    QPointF sum;
    for (const QPointF &p : seen)
        sum += p;
    r.meanPoint = sum / seen.size();
    r.offset = QLineF(r.meanPoint, centre).length();
    for (int i = 0; i < seen.size(); ++i) {
        r.meanRadius += QLineF(seen[i], r.meanPoint).length();
        for (int j = i + 1; j < seen.size(); ++j)
            r.extremeSpread = std::max(r.extremeSpread, QLineF(seen[i], seen[j]).length());
    }
    r.meanRadius /= seen.size();
    return r;
}
