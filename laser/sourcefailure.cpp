// SPDX-License-Identifier: LGPL-2.1-or-later
// Failure texts of sources that would not open, and the retry pause.
#include "sourcefailure.h"

#include "scenario.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

constexpr std::chrono::milliseconds RetryPause::FirstPause;
constexpr std::chrono::milliseconds RetryPause::LongestPause;

namespace {

std::string FileReason(const std::string &path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == EACCES ? "permission denied" : "file not found";
    if (S_ISDIR(info.st_mode))
        return "not a video file";
    if (access(path.c_str(), R_OK) != 0)
        return "file not readable";
    return {};
}

} // namespace

std::string OpenFailureReason(const DeviceEntry &entry)
{
    switch (entry.kind) {
    case DeviceEntry::Kind::Video: {
        const std::string reason = FileReason(entry.path);
        return reason.empty() ? "not a video file" : reason;
    }
    case DeviceEntry::Kind::Scenario: {
        const std::string reason = FileReason(entry.path);
        Scenario s;
        return !reason.empty() ? reason : Scenario::FromFile(entry.path, s) ? "device failed to open"
                                                                           : "scenario unreadable";
    }
    case DeviceEntry::Kind::V4L2: {
        const int fd = open(entry.path.c_str(), O_RDWR | O_NONBLOCK);
        const int error = errno;
        if (fd >= 0) {
            close(fd);
            return "device failed to open";
        }
        if (error == ENOENT || error == ENODEV || error == ENXIO)
            return "no such device";
        if (error == EACCES || error == EPERM)
            return "permission denied";
        if (error == EBUSY)
            return "device busy";
        return "device failed to open";
    }
    case DeviceEntry::Kind::Demo:
        break;
    }
    return "device failed to open";
}

bool RetryPause::Waiting(const std::string &key, Clock::time_point now) const
{
    return pause.count() > 0 && key == failedKey && now < nextTry;
}

void RetryPause::Failed(const std::string &key, Clock::time_point now)
{
    if (key != failedKey) {
        failedKey = key;
        pause = std::chrono::milliseconds(0);
    }
    pause = pause.count() == 0 ? FirstPause : std::min(pause * 2, LongestPause);
    nextTry = now + pause;
}

void RetryPause::Succeeded()
{
    failedKey.clear();
    pause = std::chrono::milliseconds(0);
}
