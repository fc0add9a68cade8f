// SPDX-License-Identifier: GPL-3.0-or-later
// FootageMatcher: scores the shots reported for one recording against its expected centres.
#pragma once

#include <vector>

// Required centres must each be matched once; optional ones may be; anything else is false.
class FootageMatcher
{
public:
    FootageMatcher(std::vector<std::pair<double, double>> required,
                   std::vector<std::pair<double, double>> optional, double toleranceX,
                   double toleranceY);

    // A pulse lit in two frames in a row, first to last, at centres a and b: a required centre
    // at one of them is also matched, by a shot of those frames or the frame after, at the other.
    void AddTwoFramePulse(long first, long last, std::pair<double, double> a,
                          std::pair<double, double> b);

    // Returns what the shot matched: 'r' required, 'o' optional, 'f' nothing (a false shot).
    char Report(double x, double y, long frame);

    int Required() const { return int(required.size()); }
    int Found() const;
    int False() const { return falseShots; }
    bool Passed() const { return Found() == Required() && falseShots == 0; }

private:
    struct Centre
    {
        double x, y;
        bool used = false;
        // The other frame's centre of a two-frame pulse, accepted from frame `from` to `to`.
        bool hasOther = false;
        double otherX = 0.0, otherY = 0.0;
        long from = 0, to = -1;
    };
    bool Near(double ax, double ay, double bx, double by) const;
    bool Claim(std::vector<Centre> &centres, double x, double y, long frame);

    std::vector<Centre> required;
    std::vector<Centre> optional;
    double toleranceX;
    double toleranceY;
    int falseShots = 0;
};
