// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2 control mapping: which control stands for which setting, and how auto modes are set.
#include "v4l2controls.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cmath>

uint32_t V4L2ControlFor(SettingGroup group, int id)
{
    static const uint32_t filter[] = {
        V4L2_CID_BRIGHTNESS, V4L2_CID_CONTRAST, V4L2_CID_HUE, V4L2_CID_SATURATION,
        V4L2_CID_SHARPNESS, V4L2_CID_GAMMA,
        V4L2_CID_COLOR_KILLER, // colour enable is its inverse; V4L2Source flips the value
        V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CID_BACKLIGHT_COMPENSATION, V4L2_CID_GAIN};
    static const uint32_t camera[] = {
        V4L2_CID_PAN_ABSOLUTE, V4L2_CID_TILT_ABSOLUTE, 0 /* roll: V4L2 has none */,
        V4L2_CID_ZOOM_ABSOLUTE, V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CID_IRIS_ABSOLUTE,
        V4L2_CID_FOCUS_ABSOLUTE};
    if (group == SettingGroup::Filter)
        return (id >= 0 && id < 10) ? filter[id] : 0;
    return (id >= 0 && id < 7) ? camera[id] : 0;
}

uint32_t V4L2AutoControlFor(SettingGroup group, int id)
{
    if (group == SettingGroup::Filter) {
        if (id == 7)
            return V4L2_CID_AUTO_WHITE_BALANCE;
        if (id == 9)
            return V4L2_CID_AUTOGAIN;
        return 0;
    }
    if (id == 4)
        return V4L2_CID_EXPOSURE_AUTO;
    if (id == 6)
        return V4L2_CID_FOCUS_AUTO;
    return 0;
}

int V4L2AutoValue(uint32_t autoControl, bool automatic)
{
    if (autoControl == V4L2_CID_EXPOSURE_AUTO)
        return automatic ? V4L2_EXPOSURE_APERTURE_PRIORITY : V4L2_EXPOSURE_MANUAL;
    return automatic ? 1 : 0;
}

int ValueForFraction(const SettingInfo &info, float fraction)
{
    const double f = std::clamp(double(fraction), 0.0, 1.0);
    const int range = info.maximum - info.minimum;
    if (range <= 0)
        return info.minimum;
    const int step = info.step > 0 ? info.step : 1;
    const long steps = std::lround(f * range / step);
    return std::min(info.maximum, int(info.minimum + steps * step));
}
