// SPDX-License-Identifier: GPL-3.0-or-later
// GameState: the course of a game.
#pragma once

namespace GameState {
enum Value : int {
    Idle = 0, // no game; results of the last one stay visible
    Waiting = 1, // time game: start pressed, random hold running
    Running = 2, // clock running, shots are recorded
};
}
