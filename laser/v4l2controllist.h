// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2 control list: a device's controls as the C interface hands them out.
#pragma once

#include "laser.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct v4l2_queryctrl;

// An ioctl on one open device, answering as v4l2_ioctl does: 0, or -1 with errno set.
using V4L2Ioctl = std::function<int(unsigned long request, void *arg)>;

// The record of a queried control, value still unset; false for controls shown nowhere:
// disabled ones and kinds without a widget (classes, strings, 64-bit and compound values).
bool LaserControlFromQuery(const v4l2_queryctrl &query, LaserControl &control);
// Every control of the device with its current value, in the driver's order.
std::vector<LaserControl> ListV4L2Controls(const V4L2Ioctl &ioctl);
// The name of item `index` of a menu control; an integer menu's items are named by their number.
bool V4L2MenuItemName(const V4L2Ioctl &ioctl, uint32_t id, int index, std::string &name);
