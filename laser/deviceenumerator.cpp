// SPDX-License-Identifier: LGPL-2.1-or-later
// DeviceEnumerator: scanning video nodes, reading LASER_SOURCES and making sources.
#include "deviceenumerator.h"

#include "scenario.h"
#include "simulatorsource.h"
#include "v4l2source.h"
#include "videofilesource.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FileName(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EndsWith(const std::string &s, const std::string &tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Trim(const std::string &s)
{
    const size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

} // namespace

std::vector<DeviceEntry> ParseSourceList(const std::string &list)
{
    std::vector<DeviceEntry> out;
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(';', pos);
        if (end == std::string::npos)
            end = list.size();
        const std::string item = Trim(list.substr(pos, end - pos));
        pos = end + 1;
        if (item.empty())
            continue;
        DeviceEntry e;
        e.path = item;
        if (item == "demo") {
            e.kind = DeviceEntry::Kind::Demo;
            e.name = "Simulator: Demo";
        } else if (EndsWith(item, ".json")) {
            e.kind = DeviceEntry::Kind::Scenario;
            // The scenario's own name when it can be read, else its file name.
            Scenario s;
            e.name = "Simulator: "
                + (Scenario::FromFile(item, s) && !s.name.empty() ? s.name : FileName(item));
        } else {
            e.kind = DeviceEntry::Kind::Video;
            e.name = "Video: " + FileName(item);
        }
        out.push_back(e);
    }
    NumberDuplicateNames(out);
    return out;
}

void NumberDuplicateNames(std::vector<DeviceEntry> &entries)
{
    std::vector<std::string> taken;
    for (DeviceEntry &e : entries) {
        const std::string base = e.name;
        // A name already numbered by hand ("Video: a (2)") is taken as it is, and skipped over.
        for (int n = 2; std::find(taken.begin(), taken.end(), e.name) != taken.end(); ++n)
            e.name = base + " (" + std::to_string(n) + ")";
        taken.push_back(e.name);
    }
}

std::vector<std::string> SortVideoNodes(std::vector<std::string> names)
{
    auto isNode = [](const std::string &n) {
        return n.size() > 5 && n.compare(0, 5, "video") == 0
            && std::all_of(n.begin() + 5, n.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string &n) { return !isNode(n); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return std::stol(a.substr(5)) < std::stol(b.substr(5));
    });
    return names;
}

bool IsCaptureNode(uint32_t caps)
{
    // Multi-planar nodes belong to codecs and camera pipelines, not webcams.
    return (caps & V4L2_CAP_VIDEO_CAPTURE) != 0 && (caps & V4L2_CAP_META_CAPTURE) == 0;
}

std::unique_ptr<FrameSource> CreateSource(const DeviceEntry &entry)
{
    switch (entry.kind) {
    case DeviceEntry::Kind::V4L2:
        return std::make_unique<V4L2Source>(entry.path);
    case DeviceEntry::Kind::Video:
        return std::make_unique<VideoFileSource>(entry.path);
    case DeviceEntry::Kind::Demo:
        return std::make_unique<SimulatorSource>(Scenario::Demo());
    case DeviceEntry::Kind::Scenario: {
        Scenario s;
        if (!Scenario::FromFile(entry.path, s))
            return nullptr;
        return std::make_unique<SimulatorSource>(s);
    }
    }
    return nullptr;
}

DeviceEnumerator::DeviceEnumerator(std::string dir) : directory(std::move(dir)) {}

void DeviceEnumerator::Refresh()
{
    const char *env = std::getenv("LASER_SOURCES");
    const std::string sources = env ? env : "";
    // The program asks every 10 ms. Nodes come and go through the folder, so an unchanged
    // folder time spares reading it; a time close to now is not trusted, since the clock
    // behind it is coarse and two changes in one tick would share it.
    struct stat folder {};
    const bool haveTime = stat(directory.c_str(), &folder) == 0;
    const bool sameTime = haveTime && folder.st_mtim.tv_sec == lastDirectoryTime.tv_sec
                          && folder.st_mtim.tv_nsec == lastDirectoryTime.tv_nsec;
    if (scanned && !unanswered && directoryTimeSettled && sameTime && sources == lastSources)
        return;
    if (haveTime) {
        lastDirectoryTime = folder.st_mtim;
        directoryTimeSettled = std::time(nullptr) - folder.st_mtim.tv_sec >= 2;
    } else {
        directoryTimeSettled = false;
    }

    std::vector<std::string> names;
    if (DIR *d = opendir(directory.c_str())) {
        while (dirent *e = readdir(d))
            names.emplace_back(e->d_name);
        closedir(d);
    }
    names = SortVideoNodes(names);
    // A node that could not be opened may only be waiting for its permissions (udev sets them
    // just after the node appears): look again now and then until every node answers.
    const auto now = std::chrono::steady_clock::now();
    const bool retry = unanswered && now - lastScan > std::chrono::milliseconds(500);
    if (scanned && !retry && names == lastNodes && sources == lastSources)
        return;
    scanned = true;
    unanswered = false;
    lastScan = now;
    lastNodes = names;
    lastSources = sources;

    devices.clear();
    for (const std::string &n : names) {
        const std::string path = directory + "/" + n;
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) {
            unanswered = unanswered || errno == EACCES || errno == EBUSY;
            continue;
        }
        v4l2_capability cap{};
        const bool ok = ioctl(fd, VIDIOC_QUERYCAP, &cap) == 0;
        close(fd);
        if (!ok)
            continue;
        const uint32_t caps = (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps
                                                                        : cap.capabilities;
        if (!IsCaptureNode(caps))
            continue;
        DeviceEntry e;
        e.kind = DeviceEntry::Kind::V4L2;
        e.path = path;
        e.name = std::string(reinterpret_cast<const char *>(cap.card),
                             strnlen(reinterpret_cast<const char *>(cap.card), sizeof cap.card));
        e.port = std::string(reinterpret_cast<const char *>(cap.bus_info),
                             strnlen(reinterpret_cast<const char *>(cap.bus_info), sizeof cap.bus_info));
        if (e.port.empty())
            e.port = path;
        devices.push_back(e);
    }
    NumberWebcams(devices);
    for (const DeviceEntry &e : ParseSourceList(sources))
        devices.push_back(e);
    // A virtual source named like a webcam, or like another source, is numbered after it.
    NumberDuplicateNames(devices);
}

void DeviceEnumerator::NumberWebcams(std::vector<DeviceEntry> &webcams)
{
    // Webcams of one model share a card name, and the program keeps a camera by the name it
    // chose. Numbered by list order, the second webcam would take the first one's name when that
    // one is unplugged; numbered by port, it keeps its own.
    std::map<std::string, std::vector<DeviceEntry *>> byCard;
    for (DeviceEntry &e : webcams)
        byCard[e.name].push_back(&e);
    for (auto it = portNumbers.begin(); it != portNumbers.end();)
        it = byCard.count(it->first) ? std::next(it) : portNumbers.erase(it);
    for (auto &card : byCard) {
        std::map<std::string, int> &numbers = portNumbers[card.first];
        std::vector<DeviceEntry *> &list = card.second;
        // New ports in port order, so that the same webcams on the same ports get the same names
        // at every start, whatever order their nodes were made in.
        std::stable_sort(list.begin(), list.end(),
                         [](const DeviceEntry *a, const DeviceEntry *b) { return a->port < b->port; });
        for (DeviceEntry *e : list) {
            if (!numbers.count(e->port)) {
                int n = 1;
                while (std::any_of(numbers.begin(), numbers.end(),
                                   [n](const std::pair<const std::string, int> &p) { return p.second == n; }))
                    ++n;
                numbers[e->port] = n;
            }
            const int n = numbers[e->port];
            if (n > 1)
                e->name += " (" + std::to_string(n) + ")";
        }
    }
}

std::vector<DeviceEntry> DeviceEnumerator::Devices()
{
    std::lock_guard<std::mutex> lock(mutex);
    Refresh();
    return devices;
}

int DeviceEnumerator::Count()
{
    std::lock_guard<std::mutex> lock(mutex);
    Refresh();
    return int(devices.size());
}

bool DeviceEnumerator::Entry(int index, DeviceEntry &entry)
{
    std::lock_guard<std::mutex> lock(mutex);
    // The list as last counted: an index means the entry the caller saw there, even when that
    // device has gone since and another one moved up into its place.
    if (!scanned)
        Refresh();
    if (index < 0 || index >= int(devices.size()))
        return false;
    entry = devices[index];
    return true;
}
