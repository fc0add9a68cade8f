// SPDX-License-Identifier: GPL-3.0-or-later
// ControlSet: a webcam's controls and their values, answered as the UVC driver answers them.
#pragma once

#include "cameraprofile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Each call answers one ioctl: 0, or an errno value. Integers are rounded to their step and
// clamped, booleans clamped, menus refused out of range (ERANGE) or on a missing item (EINVAL),
// read-only controls refused (EACCES). A control with an automatic master is inactive while the
// master is not at its manual value; it can still be set.
class ControlSet
{
public:
    explicit ControlSet(const std::vector<ProfileControl> &controls);

    int Query(void *queryctrl) const;         // VIDIOC_QUERYCTRL, with V4L2_CTRL_FLAG_NEXT_CTRL
    int QueryExt(void *queryExtCtrl) const;   // VIDIOC_QUERY_EXT_CTRL
    int QueryMenu(void *querymenu) const;     // VIDIOC_QUERYMENU
    int Get(uint32_t id, int32_t &value) const; // VIDIOC_G_CTRL
    // VIDIOC_S_CTRL with apply; value becomes what the driver takes.
    int Set(uint32_t id, int32_t &value, bool apply);
    // VIDIOC_G/S/TRY_EXT_CTRLS: all or nothing, error_idx as the V4L2 core sets it.
    int Ext(unsigned long request, void *extControls);
    // {"id": value, ...} without the class controls.
    std::string ValuesJson() const;

private:
    const ProfileControl *Find(uint32_t id) const;
    bool Inactive(const ProfileControl &c) const;

    const std::vector<ProfileControl> &controls;
    std::map<uint32_t, int32_t> values;
};
