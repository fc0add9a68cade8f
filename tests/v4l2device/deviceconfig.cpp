// SPDX-License-Identifier: GPL-3.0-or-later
// DeviceConfig: reading the JSON configuration.
#include "deviceconfig.h"

#include "cameraprofile.h"

#include <opencv2/core.hpp>

namespace {

bool ReadFailure(const cv::FileNode &n, FailureStep &f, std::string &error)
{
    static const struct { const char *name; FailureStep::Kind kind; } kinds[] = {
        {"drop", FailureStep::Kind::Drop}, {"error_flag", FailureStep::Kind::ErrorFlag},
        {"empty", FailureStep::Kind::Empty}, {"truncated", FailureStep::Kind::Truncated},
        {"corrupt", FailureStep::Kind::Corrupt}, {"stall", FailureStep::Kind::Stall},
        {"stream_error", FailureStep::Kind::StreamError}, {"unplug", FailureStep::Kind::Unplug}};
    const std::string kind = n["kind"].empty() ? std::string() : std::string(n["kind"]);
    bool known = false;
    for (const auto &k : kinds)
        if (kind == k.name) {
            f.kind = k.kind;
            known = true;
        }
    if (!known) {
        error = "unknown failure kind '" + kind + "'";
        return false;
    }
    f.frame = n["frame"].empty() ? 0 : long(int(n["frame"]));
    f.count = n["count"].empty() ? 1 : std::max(1L, long(int(n["count"])));
    f.backAfterMs = n["back_after_ms"].empty() ? -1 : int(n["back_after_ms"]);
    return true;
}

bool ReadFeed(const cv::FileNode &n, FeedConfig &feed, std::string &error)
{
    if (n.empty())
        return true;
    const std::string kind = n["kind"].empty() ? std::string("wall") : std::string(n["kind"]);
    if (kind == "wall")
        feed.kind = FeedConfig::Kind::Wall;
    else if (kind == "demo")
        feed.kind = FeedConfig::Kind::Demo;
    else if (kind == "scenario")
        feed.kind = FeedConfig::Kind::Scenario;
    else if (kind == "video")
        feed.kind = FeedConfig::Kind::Video;
    else if (kind == "manifest")
        feed.kind = FeedConfig::Kind::Manifest;
    else {
        error = "unknown source kind '" + kind + "'";
        return false;
    }
    feed.path = n["path"].empty() ? std::string() : std::string(n["path"]);
    feed.loop = !n["loop"].empty() && int(n["loop"]) != 0;
    if (feed.kind != FeedConfig::Kind::Wall && feed.kind != FeedConfig::Kind::Demo && feed.path.empty()) {
        error = "source '" + kind + "' needs a path";
        return false;
    }
    return true;
}

} // namespace

bool DeviceConfig::Load(const std::string &path, DeviceConfig &config, std::string &error)
{
    config = DeviceConfig();
    cv::FileStorage fs;
    try {
        fs.open(path, cv::FileStorage::READ | cv::FileStorage::FORMAT_JSON);
    } catch (const cv::Exception &e) {
        error = "cannot read " + path + ": " + e.what();
        return false;
    }
    if (!fs.isOpened()) {
        error = "cannot read " + path;
        return false;
    }
    try {
        const cv::FileNode root = fs.root();
        if (!root["state"].empty())
            config.statePath = std::string(root["state"]);
        if (!root["serial"].empty())
            config.serial = int(root["serial"]);
        if (!root["hide_real"].empty())
            config.hideReal = int(root["hide_real"]) != 0;
        for (const cv::FileNode &d : root["devices"]) {
            CameraConfig c;
            c.node = d["node"].empty() ? int(config.cameras.size()) * 2 : int(d["node"]);
            if (!d["profile"].empty())
                c.profile = std::string(d["profile"]);
            if (!FindCameraProfile(c.profile)) {
                error = "unknown profile '" + c.profile + "' (known: " + CameraProfileKeys() + ")";
                return false;
            }
            if (!d["card"].empty())
                c.card = std::string(d["card"]);
            c.present = d["present"].empty() || int(d["present"]) != 0;
            c.busy = !d["busy"].empty() && int(d["busy"]) != 0;
            c.fps = d["fps"].empty() ? 0 : int(d["fps"]);
            c.paced = d["pace"].empty() || std::string(d["pace"]) != "consumer";
            if (!ReadFeed(d["source"], c.feed, error))
                return false;
            for (const cv::FileNode &f : d["failures"]) {
                FailureStep step;
                if (!ReadFailure(f, step, error))
                    return false;
                c.failures.push_back(step);
            }
            for (const CameraConfig &other : config.cameras)
                if (std::abs(other.node - c.node) < 2) {
                    error = "nodes of two cameras overlap (each takes its node and the next)";
                    return false;
                }
            config.cameras.push_back(c);
        }
    } catch (const cv::Exception &e) {
        error = std::string("bad configuration: ") + e.what();
        return false;
    }
    return true;
}
