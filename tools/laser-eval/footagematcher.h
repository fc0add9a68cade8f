// FootageMatcher: scores the shots reported for one recording against its expected centres.
#pragma once

#include <vector>

// Required centres must each be matched once; optional ones may be; anything else is false.
class FootageMatcher
{
public:
    FootageMatcher(std::vector<std::pair<double, double>> required,
                   std::vector<std::pair<double, double>> optional, double tolerance);

    // Returns what the shot matched: 'r' required, 'o' optional, 'f' nothing (a false shot).
    char Report(double x, double y);

    int Required() const { return int(required.size()); }
    int Found() const;
    int False() const { return falseShots; }
    bool Passed() const { return Found() == Required() && falseShots == 0; }

private:
    struct Centre
    {
        double x, y;
        bool used = false;
    };
    bool Claim(std::vector<Centre> &centres, double x, double y);

    std::vector<Centre> required;
    std::vector<Centre> optional;
    double tolerance;
    int falseShots = 0;
};
