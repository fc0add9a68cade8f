// SPDX-License-Identifier: GPL-3.0-or-later
// DeviceConfig: the userspace device's configuration file: cameras, their pictures and failures.
#pragma once

#include <string>
#include <vector>

// Something going wrong at a frame of a stream (frames count from 0 at each STREAMON).
struct FailureStep
{
    enum class Kind {
        Drop,      // frames frame .. frame+count-1 are lost: a gap in the sequence numbers
        ErrorFlag, // the buffer comes back with V4L2_BUF_FLAG_ERROR
        Empty,     // the buffer comes back with bytesused 0
        Truncated, // only the first half of the picture's bytes
        Corrupt,   // bytes in the middle of the picture scrambled
        Stall,     // no frame from here on: poll times out
        StreamError, // the queue fails: DQBUF and QBUF EIO, poll POLLERR, until the node is opened anew
        Unplug     // EIO, then ENODEV and the node gone; back after backAfterMs (never when negative)
    };
    Kind kind = Kind::Drop;
    long frame = 0;
    long count = 1;
    int backAfterMs = -1;
};

struct FeedConfig
{
    enum class Kind { Wall, Demo, Scenario, Video, Manifest };
    Kind kind = Kind::Wall;
    std::string path;
    bool loop = false; // a video starts over at its end instead of the camera stalling
};

struct CameraConfig
{
    int node = 0; // /dev/video<node>; the metadata node is <node + 1>
    std::string profile = "hd60";
    std::string card; // the driver's name of the camera when not the profile's
    bool present = true;
    bool busy = false; // every open fails with EBUSY (another program holds a driver that allows one)
    int fps = 0; // the default frame rate of every size when above 0, else the profile's
    bool paced = true; // false: a queued buffer is filled at once (recordings played as fast as read)
    FeedConfig feed;
    std::vector<FailureStep> failures;
};

struct DeviceConfig
{
    std::string statePath; // where the device writes what it does; empty: nowhere
    int serial = 0; // echoed in the state file, so a test knows its configuration was read
    bool hideReal = true; // real /dev/video nodes are neither listed nor opened
    std::vector<CameraConfig> cameras;

    // Reads a configuration file; false with a message when it is unusable.
    static bool Load(const std::string &path, DeviceConfig &config, std::string &error);
};
