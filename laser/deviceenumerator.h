// SPDX-License-Identifier: LGPL-2.1-or-later
// DeviceEnumerator: the device list: V4L2 capture nodes, then the virtual sources.
#pragma once

#include <chrono>
#include <memory>
#include <ctime>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class FrameSource;

// One entry of the device list.
struct DeviceEntry
{
    enum class Kind { V4L2, Video, Scenario, Demo };
    Kind kind = Kind::V4L2;
    std::string path; // device node or file
    std::string name; // shown to the user
    std::string port; // V4L2: the driver's bus_info (the USB port), else empty
};

// Virtual sources named by a LASER_SOURCES value ("a;b;demo"), in order.
std::vector<DeviceEntry> ParseSourceList(const std::string &list);
// Gives every entry whose name an earlier entry already has the suffix " (2)", " (3)" and so on,
// so that two webcams of one model, or two sources of the same kind and file name, can be told
// apart in the camera lists.
void NumberDuplicateNames(std::vector<DeviceEntry> &entries);
// /dev names of video nodes ("video0", "video10") in numeric order; others are dropped.
std::vector<std::string> SortVideoNodes(std::vector<std::string> names);
// Whether V4L2 device capabilities describe a picture capture node (not a metadata node).
bool IsCaptureNode(uint32_t deviceCaps);
// A source for an entry, not yet opened.
std::unique_ptr<FrameSource> CreateSource(const DeviceEntry &entry);

// Keeps the device list, looking at the drivers again only when the set of nodes in the
// device directory or LASER_SOURCES has changed (or a node was not yet accessible), since the
// program asks every 10 ms.
class DeviceEnumerator
{
public:
    explicit DeviceEnumerator(std::string deviceDirectory = "/dev");
    std::vector<DeviceEntry> Devices();
    // Count() looks at the devices again; Entry() reads the list as Count() last found it, so
    // that a program opening "device 2" of the list it showed never gets the device that moved
    // up when one before it was unplugged.
    int Count();
    bool Entry(int index, DeviceEntry &entry);

private:
    void Refresh();
    // Names webcams of one model "Name", "Name (2)" and so on by their USB ports, the numbers
    // kept for as long as any webcam of that model stays plugged in.
    void NumberWebcams(std::vector<DeviceEntry> &webcams);

    std::mutex mutex;
    std::string directory;
    std::vector<std::string> lastNodes;
    std::string lastSources;
    bool scanned = false;
    bool unanswered = false; // a node refused to open at the last scan
    std::chrono::steady_clock::time_point lastScan;
    timespec lastDirectoryTime{}; // modification time of the device folder at the last listing
    bool directoryTimeSettled = false; // that time was old enough to trust for "unchanged"
    std::vector<DeviceEntry> devices;
    std::map<std::string, std::map<std::string, int>> portNumbers; // card name -> port -> number
};
