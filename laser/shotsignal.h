// SPDX-License-Identifier: LGPL-2.1-or-later
// ShotSignal: the descriptor the camera threads raise when a frame with a laser shot is ready.
#pragma once

#include <atomic>
#include <mutex>

// One for the library: made when the program first asks for it, so that nothing is written
// while no one listens. Raising it from several threads at once is safe; it stays open until
// the library is unloaded.
class ShotSignal
{
public:
    static ShotSignal &Instance();

    // The descriptor (an eventfd, readable while raised); -1 where the system cannot make one.
    int Fd();
    // Makes the descriptor readable; nothing before Fd() was asked for.
    void Raise();

private:
    ShotSignal() = default;
    ~ShotSignal();

    std::once_flag made;
    std::atomic<int> fd{-1};
};
