// SPDX-License-Identifier: LGPL-2.1-or-later
// SimulatorSource: a camera that renders a scenario in real time, with noise and laser discs.
#pragma once

#include "framesource.h"
#include "pictureadjustment.h"
#include "scenario.h"

#include <vector>

// Frames are rendered at the scenario's rate; a shot shows in every frame whose exposure
// overlaps it, so even a pulse shorter than a frame is seen once. Without loop or random
// shots the camera vanishes after the last shot.
class SimulatorSource : public FrameSource
{
public:
    explicit SimulatorSource(Scenario scenario);

    bool Open(int width, int height) override;
    int Grab(cv::Mat &picture, int64_t &timestampUs, int timeoutMs) override;
    bool GetSetting(SettingGroup group, int id, SettingInfo &info) override;
    void SetSetting(SettingGroup group, int id, int value, int flags) override;
    CaptureInfo Capture() const override;

    // Renders the frame exposed from tMs for one frame period; no waiting. Used by Grab.
    void Render(double tMs, cv::Mat &picture);
    // The random shot number index of the endless stream.
    ScenarioShot RandomShot(long index) const;

private:
    bool BuildBackground();
    void DrawShot(cv::Mat &picture, const ScenarioShot &shot) const;

    Scenario scenario;
    PictureAdjustment adjustment;
    int width = 640;
    int height = 480;
    std::vector<cv::Mat> noisyBackgrounds;
    int64_t startUs = 0;
    int64_t frameIndex = 0;
    uint32_t noisePick = 1;
};
