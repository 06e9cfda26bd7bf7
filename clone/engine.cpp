#include "clone/engine.h"

namespace transfer {

void CloneEngine::OnReadable(Clock::time_point now)
{
    // The first step runs even with nothing queued, so that a cut line (which
    // wakes the waiter with no bytes) is read and reported; later steps run
    // only on queued bytes, so a read never sits waiting on an empty port.
    bool first = true;
    while (!Finished()) {
        if (!first && port_.Available() == 0)
            return;
        first = false;
        if (!Step(now))
            return;
    }
}

void CloneEngine::OnTime(Clock::time_point now)
{
    if (!Finished() && now >= deadline_)
        Fail(TimeoutFailure());
}

void CloneEngine::Cancel()
{
    if (!Finished())
        outcome_ = Outcome::Cancelled;
}

int CloneEngine::ReadPort(std::uint8_t* into, int count)
{
    const int got = port_.Read(into, count);
    if (got < 0) {
        Fail(Failure::LineLost);
        return -1;
    }
    return got;
}

bool CloneEngine::WritePort(const std::uint8_t* from, int count)
{
    int written = 0;
    while (written < count) {
        const int n = port_.Write(from + written, count - written);
        if (n <= 0) {
            Fail(Failure::WriteFailed);
            return false;
        }
        written += n;
    }
    return true;
}

void CloneEngine::Fail(Failure failure)
{
    outcome_ = Outcome::Failed;
    failure_ = failure;
}

} // namespace transfer
