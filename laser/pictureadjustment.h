// SPDX-License-Identifier: LGPL-2.1-or-later
// PictureAdjustment: brightness and exposure emulated on the pictures of virtual cameras.
#pragma once

#include "framesource.h"

#include <atomic>

// Filter setting 0 (brightness) adds an offset, camera setting 4 (exposure) scales the
// picture, so the settings dialog visibly acts on simulated and recorded cameras.
class PictureAdjustment
{
public:
    bool GetSetting(SettingGroup group, int id, SettingInfo &info) const;
    void SetSetting(SettingGroup group, int id, int value, int flags);
    // Applies both settings in place; nothing is done at their defaults.
    void Apply(cv::Mat &picture) const;

    static constexpr int BrightnessMin = -64, BrightnessMax = 64, BrightnessDefault = 0;
    static constexpr int ExposureMin = 0, ExposureMax = 100, ExposureDefault = 50;

private:
    std::atomic<int> brightness{BrightnessDefault};
    std::atomic<int> exposure{ExposureDefault};
};
