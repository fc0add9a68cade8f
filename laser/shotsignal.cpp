// SPDX-License-Identifier: LGPL-2.1-or-later
// ShotSignal: an eventfd counting frames with shots; the reader clears it by reading it.
#include "shotsignal.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

ShotSignal &ShotSignal::Instance()
{
    static ShotSignal signal;
    return signal;
}

ShotSignal::~ShotSignal()
{
    const int f = fd.exchange(-1);
    if (f >= 0)
        ::close(f);
}

int ShotSignal::Fd()
{
    std::call_once(made, [this] { fd.store(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC), std::memory_order_release); });
    return fd.load(std::memory_order_acquire);
}

void ShotSignal::Raise()
{
    const int f = fd.load(std::memory_order_acquire);
    if (f < 0)
        return;
    const uint64_t one = 1;
    // Full only after 2^64 - 2 unread raises; a failed write loses nothing the reader needs.
    [[maybe_unused]] const ssize_t written = ::write(f, &one, sizeof one);
}
