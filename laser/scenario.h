// SPDX-License-Identifier: LGPL-2.1-or-later
// Scenario: what a simulated camera shows: background, screen, noise and scripted laser shots.
#pragma once

#include <string>
#include <vector>

// One scripted laser pulse.
struct ScenarioShot
{
    double t = 0.0;         // ms after the camera opened
    double x = 0.0, y = 0.0; // picture pixels (from sx, sy when onScreen)
    bool onScreen = false;
    double sx = 0.0, sy = 0.0; // 0-1000 on the screen
    double ms = 100.0;
    double radius = 3.0;
    bool green = false;
    int intensity = 255;
};

// A parsed scenario file or the built-in demo.
struct Scenario
{
    std::string name;
    double fps = 30.0;
    double noise = 2.0;
    std::string backgroundKind = "wall"; // wall, rings or image
    std::string backgroundImage;
    int brightness = 110;
    bool hasScreen = false;
    double screen[4][2] = {{0, 0}, {640, 0}, {0, 480}, {640, 480}}; // TL, TR, BL, BR
    std::vector<ScenarioShot> shots;
    double randomEveryMs = 0.0; // 0: no random shots
    bool loop = false;

    // Reads a scenario from JSON text; false with a message in error when it is unusable.
    static bool FromJson(const std::string &text, Scenario &out, std::string *error = nullptr);
    static bool FromFile(const std::string &path, Scenario &out, std::string *error = nullptr);
    static Scenario Demo();

    // Places screen shots in the picture through the screen corners.
    void ResolveScreenShots();
    // End of the last scripted shot, ms.
    double ScriptLength() const;
};
