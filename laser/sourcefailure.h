// SPDX-License-Identifier: LGPL-2.1-or-later
// Why a source failed, and the growing pause before the same source is tried again.
#pragma once

#include "deviceenumerator.h"

#include <chrono>
#include <string>

// The short English text CamGetLastError gives for an entry that would not open, found by
// looking at the file or device once more.
std::string OpenFailureReason(const DeviceEntry &entry);

// Failed attempts at one source: the first waits FirstPause, each further failure doubles the
// pause up to LongestPause. Another source, or a success, starts afresh.
class RetryPause
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds FirstPause{500};
    static constexpr std::chrono::milliseconds LongestPause{8000};

    // True while the source `key` must not be tried again.
    bool Waiting(const std::string &key, Clock::time_point now) const;
    void Failed(const std::string &key, Clock::time_point now);
    void Succeeded();
    // The pause after the last failure; zero when there was none.
    std::chrono::milliseconds Pause() const { return pause; }

private:
    std::string failedKey;
    std::chrono::milliseconds pause{0};
    Clock::time_point nextTry{};
};
