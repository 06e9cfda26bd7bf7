#include "clone/run_transfer.h"

// system
#include <poll.h>

// std
#include <algorithm>
#include <thread>

namespace transfer {
namespace {

// Milliseconds to wait: up to the deadline, at most one slice.
int WaitMs(const CloneEngine& engine, Clock::time_point now, std::chrono::milliseconds slice)
{
    const Clock::time_point deadline = engine.Deadline();
    if (deadline == Clock::time_point::max())
        return static_cast<int>(slice.count());
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, slice.count()));
}

// True when the port became readable (or has no descriptor to wait on).
bool WaitForPort(const ClonePort& port, int timeoutMs)
{
    const int fd = port.Descriptor();
    if (fd < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 1)));
        return true;
    }
    pollfd waitFor{fd, POLLIN, 0};
    return ::poll(&waitFor, 1, timeoutMs) > 0;
}

} // namespace

Outcome RunTransfer(CloneEngine& engine, ClonePort& port, const RunHooks& hooks)
{
    engine.Start(Clock::now());
    int reported = -1;
    while (!engine.Finished()) {
        if (hooks.cancelled && hooks.cancelled()) {
            engine.Cancel();
            break;
        }
        if (WaitForPort(port, WaitMs(engine, Clock::now(), hooks.slice)))
            engine.OnReadable(Clock::now());
        engine.OnTime(Clock::now());
        const Progress progress = engine.GetProgress();
        if (hooks.progress && progress.bytes != reported) {
            reported = progress.bytes;
            hooks.progress(progress);
        }
    }
    return engine.GetOutcome();
}

} // namespace transfer
