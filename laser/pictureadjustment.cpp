// SPDX-License-Identifier: LGPL-2.1-or-later
// PictureAdjustment: the emulated settings and their effect on a picture.
#include "pictureadjustment.h"

#include <algorithm>
#include <cmath>

bool PictureAdjustment::GetSetting(SettingGroup group, int id, SettingInfo &info) const
{
    info = SettingInfo();
    if (group == SettingGroup::Filter && id == 0) {
        info = {BrightnessMin, BrightnessMax, 1, brightness.load(), BrightnessDefault, 2};
        return true;
    }
    if (group == SettingGroup::Camera && id == 4) {
        info = {ExposureMin, ExposureMax, 1, exposure.load(), ExposureDefault, 2};
        return true;
    }
    return false;
}

void PictureAdjustment::SetSetting(SettingGroup group, int id, int value, int)
{
    if (group == SettingGroup::Filter && id == 0)
        brightness = std::clamp(value, BrightnessMin, BrightnessMax);
    else if (group == SettingGroup::Camera && id == 4)
        exposure = std::clamp(value, ExposureMin, ExposureMax);
}

void PictureAdjustment::Apply(cv::Mat &picture) const
{
    const int b = brightness.load(), e = exposure.load();
    if (b == BrightnessDefault && e == ExposureDefault)
        return;
    // Each 25 steps of exposure double or halve the light.
    const double gain = std::pow(2.0, (e - ExposureDefault) / 25.0);
    picture.convertTo(picture, -1, gain, b);
}
