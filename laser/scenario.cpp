// SPDX-License-Identifier: LGPL-2.1-or-later
// Scenario: JSON reading and the built-in demo.
#include "scenario.h"

#include "homography.h"

#include <opencv2/core.hpp>

#include <fstream>
#include <sstream>

namespace {

double Number(const cv::FileNode &n, double fallback)
{
    return (n.isInt() || n.isReal()) ? double(n) : fallback;
}

} // namespace

bool Scenario::FromJson(const std::string &text, Scenario &out, std::string *error)
{
    out = Scenario();
    try {
        cv::FileStorage fs(text, cv::FileStorage::READ | cv::FileStorage::MEMORY
                                     | cv::FileStorage::FORMAT_JSON);
        if (!fs.isOpened() || !fs.root().isMap()) {
            if (error)
                *error = "not a JSON object";
            return false;
        }
        const cv::FileNode root = fs.root();
        if (root["name"].isString())
            out.name = std::string(root["name"]);
        out.fps = Number(root["fps"], 30.0);
        if (out.fps < 1.0 || out.fps > 240.0)
            out.fps = 30.0;
        out.noise = std::max(0.0, Number(root["noise"], 2.0));
        const cv::FileNode bg = root["background"];
        if (bg.isMap()) {
            if (bg["kind"].isString())
                out.backgroundKind = std::string(bg["kind"]);
            if (bg["image"].isString())
                out.backgroundImage = std::string(bg["image"]);
            out.brightness = int(Number(bg["brightness"], out.brightness));
        }
        const cv::FileNode screen = root["screen"];
        if (screen.isSeq() && screen.size() == 4) {
            for (int i = 0; i < 4; ++i) {
                out.screen[i][0] = Number(screen[i][0], 0.0);
                out.screen[i][1] = Number(screen[i][1], 0.0);
            }
            out.hasScreen = true;
        }
        const cv::FileNode shots = root["shots"];
        if (shots.isSeq()) {
            for (const cv::FileNode &n : shots) {
                ScenarioShot s;
                s.t = Number(n["t"], 0.0);
                s.onScreen = n["x"].empty() && !n["sx"].empty();
                s.x = Number(n["x"], 0.0);
                s.y = Number(n["y"], 0.0);
                s.sx = Number(n["sx"], 0.0);
                s.sy = Number(n["sy"], 0.0);
                s.ms = Number(n["ms"], 100.0);
                s.radius = Number(n["radius"], 3.0);
                s.green = n["colour"].isString() && std::string(n["colour"]) == "green";
                s.intensity = int(Number(n["intensity"], 255));
                out.shots.push_back(s);
            }
        }
        const cv::FileNode random = root["random"];
        if (random.isMap())
            out.randomEveryMs = std::max(0.0, Number(random["every_ms"], 0.0));
        out.loop = Number(root["loop"], 0.0) != 0.0;
    } catch (const cv::Exception &e) {
        if (error)
            *error = e.what();
        return false;
    }
    out.ResolveScreenShots();
    return true;
}

bool Scenario::FromFile(const std::string &path, Scenario &out, std::string *error)
{
    std::ifstream in(path);
    if (!in) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (!FromJson(text.str(), out, error))
        return false;
    const size_t slash = path.find_last_of('/');
    if (out.name.empty())
        out.name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    // A background image is found beside the scenario unless its path is absolute.
    if (!out.backgroundImage.empty() && out.backgroundImage[0] != '/' && slash != std::string::npos)
        out.backgroundImage = path.substr(0, slash + 1) + out.backgroundImage;
    return true;
}

Scenario Scenario::Demo()
{
    Scenario s;
    s.name = "Demo";
    s.noise = 3.0;
    s.backgroundKind = "rings";
    s.brightness = 120;
    s.hasScreen = true;
    const double corners[4][2] = {{150, 80}, {520, 110}, {120, 420}, {540, 400}};
    for (int i = 0; i < 4; ++i) {
        s.screen[i][0] = corners[i][0];
        s.screen[i][1] = corners[i][1];
    }
    s.randomEveryMs = 1500.0;
    s.loop = true;
    return s;
}

void Scenario::ResolveScreenShots()
{
    static const double square[4][2] = {{0, 0}, {1000, 0}, {0, 1000}, {1000, 1000}};
    double h[9];
    if (!SolveHomography(square, screen, h))
        return;
    for (ScenarioShot &s : shots)
        if (s.onScreen)
            ApplyHomography(h, s.sx, s.sy, &s.x, &s.y);
}

double Scenario::ScriptLength() const
{
    double end = 0.0;
    for (const ScenarioShot &s : shots)
        end = std::max(end, s.t + s.ms);
    return end;
}
