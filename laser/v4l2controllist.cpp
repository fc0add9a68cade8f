// SPDX-License-Identifier: LGPL-2.1-or-later
// V4L2 control list: enumeration with V4L2_CTRL_FLAG_NEXT_CTRL and the mapping of types and flags.
#include "v4l2controllist.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cstring>

bool LaserControlFromQuery(const v4l2_queryctrl &q, LaserControl &c)
{
    if (q.flags & V4L2_CTRL_FLAG_DISABLED)
        return false;
    c = LaserControl();
    switch (q.type) {
    case V4L2_CTRL_TYPE_INTEGER: c.type = LASER_CONTROL_INTEGER; break;
    case V4L2_CTRL_TYPE_BOOLEAN: c.type = LASER_CONTROL_BOOLEAN; break;
    case V4L2_CTRL_TYPE_MENU:
    case V4L2_CTRL_TYPE_INTEGER_MENU: c.type = LASER_CONTROL_MENU; break;
    case V4L2_CTRL_TYPE_BUTTON: c.type = LASER_CONTROL_BUTTON; break;
    default: return false;
    }
    c.id = q.id;
    // The driver's name need not be terminated within its 32 bytes.
    const size_t n = strnlen(reinterpret_cast<const char *>(q.name), sizeof q.name);
    std::memcpy(c.name, q.name, std::min(n, sizeof c.name - 1));
    c.minimum = q.minimum;
    c.maximum = q.maximum;
    c.step = q.step;
    c.defaultValue = q.default_value;
    c.value = q.default_value;
    if (q.flags & (V4L2_CTRL_FLAG_READ_ONLY | V4L2_CTRL_FLAG_GRABBED))
        c.flags |= LASER_CONTROL_READ_ONLY;
    if (q.flags & V4L2_CTRL_FLAG_INACTIVE)
        c.flags |= LASER_CONTROL_INACTIVE;
    return true;
}

std::vector<LaserControl> ListV4L2Controls(const V4L2Ioctl &ioctl)
{
    std::vector<LaserControl> list;
    v4l2_queryctrl q{};
    q.id = V4L2_CTRL_FLAG_NEXT_CTRL;
    // The bound only protects against a driver that keeps answering with the same id.
    for (int guard = 0; guard < 1024 && ioctl(VIDIOC_QUERYCTRL, &q) == 0; ++guard) {
        const uint32_t id = q.id;
        LaserControl c;
        if (LaserControlFromQuery(q, c)) {
            v4l2_control value{id, 0};
            const bool readable = c.type != LASER_CONTROL_BUTTON && !(q.flags & V4L2_CTRL_FLAG_WRITE_ONLY);
            if (readable && ioctl(VIDIOC_G_CTRL, &value) == 0)
                c.value = value.value;
            list.push_back(c);
        }
        q = v4l2_queryctrl{};
        q.id = id | V4L2_CTRL_FLAG_NEXT_CTRL;
    }
    return list;
}

bool V4L2MenuItemName(const V4L2Ioctl &ioctl, uint32_t id, int index, std::string &name)
{
    name.clear();
    v4l2_queryctrl q{};
    q.id = id;
    if (index < 0 || ioctl(VIDIOC_QUERYCTRL, &q) != 0
        || (q.type != V4L2_CTRL_TYPE_MENU && q.type != V4L2_CTRL_TYPE_INTEGER_MENU))
        return false;
    v4l2_querymenu m{};
    m.id = id;
    m.index = uint32_t(index);
    if (ioctl(VIDIOC_QUERYMENU, &m) != 0)
        return false;
    if (q.type == V4L2_CTRL_TYPE_INTEGER_MENU) {
        name = std::to_string(m.value);
    } else {
        const char *text = reinterpret_cast<const char *>(m.name);
        name.assign(text, strnlen(text, sizeof m.name));
    }
    return true;
}
