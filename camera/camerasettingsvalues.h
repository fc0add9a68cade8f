// SPDX-License-Identifier: GPL-3.0-or-later
// Camera settings arithmetic: slider positions onto device values, spot sizes onto circles.
#pragma once

// A device value chosen for a slider position, and the position that value really sits at.
struct SnappedSetting
{
    int value = 0;
    int percent = 0;
};

// The value for a position 0-100 over minimum..maximum, rounded to a whole device step; a
// setting without a range gives value 0 at position 0.
SnappedSetting SnapSetting(int minimum, int maximum, int position);
// Radius of the circle whose area is `pixels` pixels, in single precision.
float SizeCircleRadius(int pixels);
// Where a slider of the given range shows a value: clamped into the range.
int SliderPosition(int value, int minimum, int maximum);
