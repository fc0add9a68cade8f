// SPDX-License-Identifier: GPL-3.0-or-later
// CameraProfile: the table of webcam models the userspace device can play.
#include "cameraprofile.h"

#include <linux/videodev2.h>

namespace {

// The controls of a typical UVC webcam, in id order, with the class controls the driver lists.
std::vector<ProfileControl> UvcControls(bool withFocus)
{
    const uint32_t classFlags = V4L2_CTRL_FLAG_READ_ONLY | V4L2_CTRL_FLAG_WRITE_ONLY;
    std::vector<ProfileControl> c = {
        {V4L2_CID_USER_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "User Controls", 0, 0, 0, 0, classFlags, {}, 0, 0},
        {V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, "Brightness", 0, 255, 1, 128, 0, {}, 0, 0},
        {V4L2_CID_CONTRAST, V4L2_CTRL_TYPE_INTEGER, "Contrast", 0, 255, 1, 32, 0, {}, 0, 0},
        {V4L2_CID_SATURATION, V4L2_CTRL_TYPE_INTEGER, "Saturation", 0, 255, 1, 32, 0, {}, 0, 0},
        {V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CTRL_TYPE_BOOLEAN, "White Balance, Automatic", 0, 1, 1, 1, 0, {}, 0, 0},
        {V4L2_CID_GAIN, V4L2_CTRL_TYPE_INTEGER, "Gain", 0, 255, 1, 0, 0, {}, 0, 0},
        {V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_MENU, "Power Line Frequency", 0, 2, 1, 2, 0,
         {"Disabled", "50 Hz", "60 Hz"}, 0, 0},
        {V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CTRL_TYPE_INTEGER, "White Balance Temperature", 2000, 6500, 1,
         4000, 0, {}, V4L2_CID_AUTO_WHITE_BALANCE, 0},
        {V4L2_CID_SHARPNESS, V4L2_CTRL_TYPE_INTEGER, "Sharpness", 0, 255, 1, 24, 0, {}, 0, 0},
        {V4L2_CID_BACKLIGHT_COMPENSATION, V4L2_CTRL_TYPE_INTEGER, "Backlight Compensation", 0, 1, 1, 0, 0, {}, 0, 0},
        {V4L2_CID_CAMERA_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "Camera Controls", 0, 0, 0, 0, classFlags, {}, 0, 0},
        // Items 0 and 2 (shutter and aperture priority) are missing, as on most webcams.
        {V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, "Auto Exposure", 0, 3, 1, 3, 0,
         {nullptr, "Manual Mode", nullptr, "Aperture Priority Mode"}, 0, 0},
        {V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "Exposure Time, Absolute", 3, 2047, 1, 250, 0, {},
         V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL},
        {V4L2_CID_EXPOSURE_AUTO_PRIORITY, V4L2_CTRL_TYPE_BOOLEAN, "Exposure, Dynamic Framerate", 0, 1, 1, 0, 0, {},
         0, 0},
    };
    if (withFocus) {
        c.push_back({V4L2_CID_FOCUS_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "Focus, Absolute", 0, 250, 5, 0, 0, {},
                     V4L2_CID_FOCUS_AUTO, 0});
        c.push_back({V4L2_CID_FOCUS_AUTO, V4L2_CTRL_TYPE_BOOLEAN, "Focus, Automatic Continuous", 0, 1, 1, 1, 0, {},
                     0, 0});
    }
    return c;
}

std::vector<CameraProfile> MakeProfiles()
{
    std::vector<CameraProfile> list;

    // A cheap HD camera that only sends MJPEG, and only at 1280 x 720.
    CameraProfile mjpeg;
    mjpeg.key = "mjpeg720";
    mjpeg.card = "USB 2.0 HD Camera";
    mjpeg.formats = {{V4L2_PIX_FMT_MJPEG, "Motion-JPEG", {{1280, 720, {30, 15}}}}};
    mjpeg.controls = UvcControls(false);
    mjpeg.jpegWithoutHuffmanTables = true;
    list.push_back(mjpeg);

    // An old VGA camera: raw YUYV at 30 fps, nothing compressed.
    CameraProfile yuyv;
    yuyv.key = "yuyv480";
    yuyv.card = "USB 2.0 PC Camera";
    yuyv.formats = {{V4L2_PIX_FMT_YUYV, "YUYV 4:2:2", {{640, 480, {30, 15}}, {320, 240, {30, 15}}}}};
    yuyv.controls = UvcControls(false);
    list.push_back(yuyv);

    // A current webcam with both formats; MJPEG reaches 60 fps, YUYV only at the small sizes.
    CameraProfile both;
    both.key = "hd60";
    both.card = "HD Webcam 60";
    both.formats = {
        {V4L2_PIX_FMT_YUYV, "YUYV 4:2:2", {{640, 480, {30, 15}}, {1280, 720, {10, 5}}, {320, 240, {30, 15}}}},
        {V4L2_PIX_FMT_MJPEG, "Motion-JPEG",
         {{1280, 720, {30, 60, 15}}, {640, 480, {30, 60, 15}}, {320, 240, {30, 60, 15}}}},
    };
    both.controls = UvcControls(true);
    list.push_back(both);
    return list;
}

const std::vector<CameraProfile> &Profiles()
{
    static const std::vector<CameraProfile> profiles = MakeProfiles();
    return profiles;
}

} // namespace

const CameraProfile *FindCameraProfile(const std::string &key)
{
    for (const CameraProfile &p : Profiles())
        if (p.key == key)
            return &p;
    return nullptr;
}

std::string CameraProfileKeys()
{
    std::string keys;
    for (const CameraProfile &p : Profiles())
        keys += (keys.empty() ? "" : ", ") + p.key;
    return keys;
}
