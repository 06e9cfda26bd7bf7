#pragma once
// CloneWriter: sends a prepared clone stream to the radio in clone-receive
// mode. Each block (the header, then 64-byte blocks) goes out whole; its echo
// is counted (from the first 0x41 for the header), then the radio's answer is
// awaited: 0x06 sends the next block, 0x15 ends the write. After the last
// block is accepted the checksum byte goes out alone, the port is drained so
// that it reaches the radio, and the write is done without waiting for an
// answer.
//
// Time limit: `answerLimit` from the sending of each block. A header that
// was echoed but never answered means the radio did not take it.

// project
#include "clone/engine.h"

namespace transfer {

class CloneWriter : public CloneEngine {
public:
    static constexpr std::chrono::milliseconds kAnswerLimit{1000};

    CloneWriter(ClonePort& port, const Stream& stream, std::chrono::milliseconds answerLimit = kAnswerLimit);

    void Start(Clock::time_point now) override;

    // The echo as it came back (counted, never compared).
    const Stream& Echo() const { return echo_; }

protected:
    bool Step(Clock::time_point now) override;
    Failure TimeoutFailure() const override;
    int Position() const override { return sent_; }

private:
    bool ReadAnswer(Clock::time_point now);
    bool CountEcho();
    // Skips stray bytes before the header's 0x41; false when none came.
    bool FindEchoStart();
    void SendBlock(Clock::time_point now);
    void SendChecksum();

    const Stream& stream_;
    std::chrono::milliseconds answerLimit_;
    Stream echo_{};
    int sent_ = 0;
    int blockSize_ = kHeaderSize;
    int echoCount_ = 0;
    bool awaitingAnswer_ = false;
};

} // namespace transfer
