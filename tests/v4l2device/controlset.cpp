// SPDX-License-Identifier: GPL-3.0-or-later
// ControlSet: a webcam's controls and their values, answered as the UVC driver answers them.
#include "controlset.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void CopyName(uint8_t *to, size_t size, const char *from)
{
    std::snprintf(reinterpret_cast<char *>(to), size, "%s", from);
}

} // namespace

ControlSet::ControlSet(const std::vector<ProfileControl> &list) : controls(list)
{
    for (const ProfileControl &c : controls)
        values[c.id] = c.defaultValue;
}

const ProfileControl *ControlSet::Find(uint32_t id) const
{
    for (const ProfileControl &c : controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

bool ControlSet::Inactive(const ProfileControl &c) const
{
    if (!c.master)
        return false;
    const auto it = values.find(c.master);
    return it != values.end() && it->second != c.masterManual;
}

int ControlSet::Query(void *arg) const
{
    auto *q = static_cast<v4l2_queryctrl *>(arg);
    const bool next = q->id & (V4L2_CTRL_FLAG_NEXT_CTRL | V4L2_CTRL_FLAG_NEXT_COMPOUND);
    const uint32_t id = q->id & V4L2_CTRL_ID_MASK;
    const ProfileControl *found = nullptr;
    for (const ProfileControl &c : controls)
        if (next ? c.id > id && (!found || c.id < found->id) : c.id == id)
            found = &c;
    if (!found)
        return EINVAL;
    std::memset(q, 0, sizeof *q);
    q->id = found->id;
    q->type = found->type;
    CopyName(q->name, sizeof q->name, found->name);
    q->minimum = found->minimum;
    q->maximum = found->maximum;
    q->step = found->step;
    q->default_value = found->defaultValue;
    q->flags = found->flags | (Inactive(*found) ? V4L2_CTRL_FLAG_INACTIVE : 0);
    return 0;
}

int ControlSet::QueryExt(void *arg) const
{
    auto *q = static_cast<v4l2_query_ext_ctrl *>(arg);
    v4l2_queryctrl plain{};
    plain.id = q->id;
    if (int e = Query(&plain))
        return e;
    std::memset(q, 0, sizeof *q);
    q->id = plain.id;
    q->type = plain.type;
    std::memcpy(q->name, plain.name, sizeof q->name);
    q->minimum = plain.minimum;
    q->maximum = plain.maximum;
    q->step = uint64_t(plain.step);
    q->default_value = plain.default_value;
    q->flags = plain.flags;
    q->elem_size = plain.type == V4L2_CTRL_TYPE_CTRL_CLASS ? 0 : 4;
    q->elems = 1;
    return 0;
}

int ControlSet::QueryMenu(void *arg) const
{
    auto *m = static_cast<v4l2_querymenu *>(arg);
    const ProfileControl *c = Find(m->id);
    if (!c || c->type != V4L2_CTRL_TYPE_MENU || m->index >= c->menu.size() || !c->menu[m->index])
        return EINVAL;
    const uint32_t id = m->id, index = m->index;
    std::memset(m, 0, sizeof *m);
    m->id = id;
    m->index = index;
    CopyName(m->name, sizeof m->name, c->menu[index]);
    return 0;
}

int ControlSet::Set(uint32_t id, int32_t &value, bool apply)
{
    const ProfileControl *c = Find(id);
    if (!c)
        return EINVAL;
    if (c->flags & V4L2_CTRL_FLAG_READ_ONLY)
        return EACCES;
    switch (c->type) {
    case V4L2_CTRL_TYPE_INTEGER: {
        // Rounded to the step and clamped, as the UVC driver does.
        const int64_t step = std::max(1, c->step);
        int64_t v = c->minimum + (int64_t(value) - c->minimum + step / 2) / step * step;
        if (int64_t(value) < c->minimum)
            v = c->minimum;
        value = int32_t(std::clamp<int64_t>(v, c->minimum, c->maximum));
        break;
    }
    case V4L2_CTRL_TYPE_BOOLEAN:
        value = std::clamp(value, 0, 1);
        break;
    case V4L2_CTRL_TYPE_MENU:
        if (value < c->minimum || value > c->maximum)
            return ERANGE;
        if (size_t(value) >= c->menu.size() || !c->menu[size_t(value)])
            return EINVAL;
        break;
    default:
        return EINVAL;
    }
    if (apply)
        values[id] = value;
    return 0;
}

int ControlSet::Ext(unsigned long request, void *arg)
{
    auto *ext = static_cast<v4l2_ext_controls *>(arg);
    if (ext->count == 0)
        return 0;
    if (!ext->controls)
        return EFAULT;
    const bool get = request == VIDIOC_G_EXT_CTRLS;
    const bool defaults = ext->which == V4L2_CTRL_WHICH_DEF_VAL;
    if (defaults && !get)
        return EINVAL;
    const uint32_t whichClass = ext->which == V4L2_CTRL_WHICH_CUR_VAL || defaults ? 0 : ext->which;
    // Every control is checked before any is set, so a refused one leaves all as they were.
    for (uint32_t i = 0; i < ext->count; ++i) {
        v4l2_ext_control &x = ext->controls[i];
        const ProfileControl *c = Find(x.id);
        int e = 0;
        if (!c || c->type == V4L2_CTRL_TYPE_CTRL_CLASS || (whichClass && V4L2_CTRL_ID2WHICH(x.id) != whichClass))
            e = EINVAL;
        else if (get && (c->flags & V4L2_CTRL_FLAG_WRITE_ONLY))
            e = EACCES;
        else if (!get) {
            int32_t v = x.value;
            e = Set(x.id, v, false);
        }
        if (e) {
            ext->error_idx = get || request == VIDIOC_TRY_EXT_CTRLS ? i : ext->count;
            return e;
        }
    }
    for (uint32_t i = 0; i < ext->count; ++i) {
        v4l2_ext_control &x = ext->controls[i];
        if (get)
            x.value = defaults ? Find(x.id)->defaultValue : values[x.id];
        else {
            int32_t v = x.value; // the driver writes back the value it took
            Set(x.id, v, request == VIDIOC_S_EXT_CTRLS);
            x.value = v;
        }
    }
    return 0;
}

int ControlSet::Get(uint32_t id, int32_t &value) const
{
    const ProfileControl *c = Find(id);
    if (!c)
        return EINVAL;
    if (c->flags & V4L2_CTRL_FLAG_WRITE_ONLY)
        return EACCES;
    value = values.at(id);
    return 0;
}

std::string ControlSet::ValuesJson() const
{
    std::string s = "{";
    for (const auto &v : values) {
        const ProfileControl *c = Find(v.first);
        if (c && c->type == V4L2_CTRL_TYPE_CTRL_CLASS)
            continue;
        s += (s.size() > 1 ? ", \"" : "\"") + std::to_string(v.first) + "\": " + std::to_string(v.second);
    }
    return s + "}";
}
