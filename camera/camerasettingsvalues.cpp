// SPDX-License-Identifier: GPL-3.0-or-later
// Camera settings arithmetic.
#include "camerasettingsvalues.h"

#include <algorithm>
#include <cmath>

SnappedSetting SnapSetting(int minimum, int maximum, int position)
{
    const int range = maximum - minimum;
    if (range < 1)
        return {};
    const int steps = int((double(range) * position + 50.0) / 100.0);
    return {minimum + steps, steps * 100 / range};
}

float SizeCircleRadius(int pixels)
{
    return std::sqrt(float(std::max(pixels, 0)) / 3.14159f);
}

int SliderPosition(int value, int minimum, int maximum)
{
    return std::clamp(value, minimum, std::max(minimum, maximum));
}
