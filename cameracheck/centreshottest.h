// SPDX-License-Identifier: GPL-3.0-or-later
// CentreShotTest: "shoot N times at the centre": which shots the camera saw, which it missed,
// and how far they spread.
#pragma once

#include <QPointF>
#include <QVector>

// The user fires a known number of shots at the picture's centre. Shots within the radius
// count as seen; shots elsewhere are stray (a reflection, a second light, a badly aimed shot);
// the shots fired that never showed are missed. Spread is measured on the seen shots only.
class CentreShotTest
{
public:
    struct Result
    {
        int expected = 0;
        int seen = 0;
        int stray = 0;
        int missed = 0;           // expected shots not seen (never below 0)
        QPointF meanPoint;        // of the seen shots
        double offset = 0;        // mean point to centre, pixels
        double meanRadius = 0;    // mean distance of the seen shots from their mean point
        double extremeSpread = 0; // largest distance between two seen shots
    };

    void Start(int expectedShots, QPointF centre, double radius);
    // A reported shot, in the same coordinates as the centre; false when the test is not running.
    bool AddShot(QPointF p);
    // Ends the test early (or after the last shot): shots not seen by now are missed.
    void Stop() { running = false; }

    bool IsRunning() const { return running; }
    // Running ends by itself once the expected number of shots has been seen.
    Result Outcome() const;
    const QVector<QPointF> &Seen() const { return seen; }
    QPointF Centre() const { return centre; }
    double Radius() const { return radius; }

private:
    bool running = false;
    int expected = 0;
    int stray = 0;
    QPointF centre;
    double radius = 0;
    QVector<QPointF> seen;
};
