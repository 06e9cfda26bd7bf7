#pragma once
// Runs a clone engine to its end on the calling thread, waking on the port's
// readiness (poll) and on the engine's deadline, never on a fixed tick. Used
// by the command-line tool, the tests and the benchmarks; the dialogs drive
// the same engines from the event loop instead.

// std
#include <chrono>
#include <functional>

// project
#include "clone/engine.h"

namespace transfer {

struct RunHooks {
    // Called whenever the position moved.
    std::function<void(const Progress&)> progress;
    // Asked between waits; true cancels the transfer.
    std::function<bool()> cancelled;
    // Longest single wait, so that `cancelled` is asked often enough.
    std::chrono::milliseconds slice{100};
};

Outcome RunTransfer(CloneEngine& engine, ClonePort& port, const RunHooks& hooks = {});

} // namespace transfer
