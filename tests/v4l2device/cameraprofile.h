// SPDX-License-Identifier: GPL-3.0-or-later
// CameraProfile: what one webcam model offers: formats, sizes, frame intervals and controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One control as a UVC webcam reports it through VIDIOC_QUERYCTRL.
struct ProfileControl
{
    uint32_t id = 0;
    uint32_t type = 0; // V4L2_CTRL_TYPE_*
    const char *name = "";
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;
    int32_t defaultValue = 0;
    uint32_t flags = 0; // V4L2_CTRL_FLAG_* besides the inactive flag, which follows its master
    std::vector<const char *> menu; // item names by index; null for a missing item
    uint32_t master = 0; // the automatic control that makes this one inactive
    int32_t masterManual = 0; // the master's value at which this one is active
};

// One frame size of a format, with its intervals in 1/s steps (30 means 1/30 s); the first is the default.
struct ProfileFrame
{
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> fps;
};

struct ProfileFormat
{
    uint32_t pixelFormat = 0;
    const char *description = "";
    std::vector<ProfileFrame> frames;
};

struct CameraProfile
{
    std::string key;
    std::string card; // the name the driver reports, shown in the device list
    std::vector<ProfileFormat> formats;
    std::vector<ProfileControl> controls; // in the driver's order (ascending ids)
    bool jpegWithoutHuffmanTables = false; // many UVC cameras leave the standard tables out
};

// The profiles the device can play, looked up by key; null for an unknown key.
const CameraProfile *FindCameraProfile(const std::string &key);
// Every key, for error messages.
std::string CameraProfileKeys();
