#include "clone/logging_port.h"

// std
#include <cstdio>

namespace transfer {
namespace {

constexpr int kBytesPerLine = 32;

const char* FailureName(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return "none";
    case Failure::ChecksumError:
        return "checksum error";
    case Failure::Timeout:
        return "time-out";
    case Failure::HardwareMismatch:
        return "header refused or not answered";
    case Failure::BlockRefused:
        return "block refused";
    case Failure::LineLost:
        return "line lost";
    case Failure::WriteFailed:
        return "port write failed";
    }
    return "unknown";
}

} // namespace

void LoggingPort::Bytes(const char* what, const std::uint8_t* buf, int n)
{
    log_(std::string(what) + " " + std::to_string(n) + (n == 1 ? " byte" : " bytes"));
    for (int at = 0; at < n; at += kBytesPerLine) {
        std::string line = " ";
        for (int i = at; i < n && i < at + kBytesPerLine; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", buf[i]);
            line += hex;
        }
        log_(line);
    }
}

int LoggingPort::Available()
{
    const int count = inner_.Available();
    // A failing port is told once, not at every poll.
    if (count < 0 && !availableFailed_)
        log_("Port failed while waiting (" + std::to_string(count) + ")");
    availableFailed_ = count < 0;
    return count;
}

int LoggingPort::Read(std::uint8_t* buf, int n)
{
    const int got = inner_.Read(buf, n);
    if (got < 0)
        log_("Read failed (" + std::to_string(got) + ")");
    else if (got > 0)
        Bytes("Read", buf, got);
    return got;
}

int LoggingPort::Write(const std::uint8_t* buf, int n)
{
    const int wrote = inner_.Write(buf, n);
    if (wrote < 0)
        log_("Write of " + std::to_string(n) + " bytes failed (" + std::to_string(wrote) + ")");
    else
        Bytes("Wrote", buf, wrote);
    return wrote;
}

bool LoggingPort::Drain()
{
    const bool drained = inner_.Drain();
    log_(drained ? "Drained" : "Drain failed");
    return drained;
}

std::string EndingLine(const char* transfer, const CloneEngine& engine)
{
    const Progress progress = engine.GetProgress();
    std::string line = std::string(transfer) + " ";
    switch (engine.GetOutcome()) {
    case Outcome::Done:
        line += "done";
        break;
    case Outcome::Cancelled:
        line += "cancelled";
        break;
    case Outcome::Failed:
        line += std::string("failed: ") + FailureName(engine.GetFailure());
        break;
    case Outcome::Running:
        line += "still running";
        break;
    }
    return line + " after " + std::to_string(progress.bytes) + " of " + std::to_string(Progress::kTotalBytes) +
           " bytes, " + std::to_string(progress.blocks) + " of " + std::to_string(Progress::kTotalBlocks) + " blocks";
}

} // namespace transfer
