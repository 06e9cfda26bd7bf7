#pragma once
// What the two clone engines share: the outcome, the failures, progress and
// the time limit. An engine is a state machine driven from outside: Start
// once, OnReadable whenever the port may have bytes, OnTime when the clock
// passes Deadline(). It never waits and never shows anything; the dialog or
// the command line shows what it reports.

// std
#include <array>
#include <chrono>
#include <cstdint>

// project
#include "clone/clone_port.h"
#include "clone/wire.h"

namespace transfer {

using Clock = std::chrono::steady_clock;

enum class Outcome { Running, Done, Failed, Cancelled };

enum class Failure {
    None,
    ChecksumError,    // read: the stream's last byte is not the sum of the others
    Timeout,          // nothing came in time
    HardwareMismatch, // write: the header was refused or never answered
    BlockRefused,     // write: a later block was refused
    LineLost,         // the port failed while reading (the line was cut)
    WriteFailed,      // the port failed while writing (the serial port has said why)
};

struct Progress {
    int bytes = 0;
    int blocks = 0;
    static constexpr int kTotalBytes = kStreamSize;
    static constexpr int kTotalBlocks = kBlockCount;
};

class CloneEngine {
public:
    using Stream = std::array<std::uint8_t, kStreamSize>;

    explicit CloneEngine(ClonePort& port) : port_(port) {}
    virtual ~CloneEngine() = default;
    CloneEngine(const CloneEngine&) = delete;
    CloneEngine& operator=(const CloneEngine&) = delete;

    virtual void Start(Clock::time_point now) = 0;
    // Runs every step that the bytes waiting on the port allow.
    void OnReadable(Clock::time_point now);
    // Ends the transfer when its time limit has passed.
    void OnTime(Clock::time_point now);
    // When OnTime must run next; Clock::time_point::max() for never.
    Clock::time_point Deadline() const { return Finished() ? Clock::time_point::max() : deadline_; }
    void Cancel();

    Outcome GetOutcome() const { return outcome_; }
    Failure GetFailure() const { return failure_; }
    bool Finished() const { return outcome_ != Outcome::Running; }
    Progress GetProgress() const { return {Position(), BlocksDone(Position())}; }

protected:
    // One step on the bytes at hand; false when it must wait for more.
    virtual bool Step(Clock::time_point now) = 0;
    // The failure a passed deadline means.
    virtual Failure TimeoutFailure() const { return Failure::Timeout; }
    // Stream bytes done so far.
    virtual int Position() const = 0;

    void Fail(Failure failure);
    void Succeed() { outcome_ = Outcome::Done; }

    // Reads what is there, up to `count` bytes. A port that fails ends the
    // transfer with LineLost and gives -1.
    int ReadPort(std::uint8_t* into, int count);
    // Writes all `count` bytes, however many calls it takes. A port that
    // takes nothing ends the transfer with WriteFailed and gives false.
    bool WritePort(const std::uint8_t* from, int count);

    ClonePort& port_;
    Clock::time_point deadline_ = Clock::time_point::max();

private:
    Outcome outcome_ = Outcome::Running;
    Failure failure_ = Failure::None;
};

} // namespace transfer
