// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2 control mapping: the program's setting ids onto V4L2 control ids.
#pragma once

#include "framesource.h"

#include <cstdint>

// The V4L2 control for a setting id, 0 when the group has no such control.
uint32_t V4L2ControlFor(SettingGroup group, int id);
// The control that switches the setting between automatic and manual, 0 when none.
uint32_t V4L2AutoControlFor(SettingGroup group, int id);
// The value of the automatic control meaning manual (flags 2) or automatic (flags 1).
int V4L2AutoValue(uint32_t autoControl, bool automatic);
// value for a fraction 0-1 of the range, rounded to the nearest step.
int ValueForFraction(const SettingInfo &info, float fraction);
