#pragma once
// CloneReader: receives the clone stream that the radio sends in clone-transmit
// mode. It skips whatever comes before the header's first byte 0x41,
// acknowledges each block (header, 64-byte blocks, checksum byte) with 0x06
// and reads back the echo of every 0x06 before it goes on, and checks the
// byte-sum checksum at the end.
//
// Time limits: before the header's first byte the reader waits as long as it
// is let (the user may still be pressing the radio's keys), or up to
// `firstByteLimit` when one is given; once the header has begun, a silence of
// `silenceLimit` ends the read with a time-out.

// std
#include <optional>

// project
#include "clone/engine.h"

namespace transfer {

class CloneReader : public CloneEngine {
public:
    static constexpr std::chrono::milliseconds kSilenceLimit{3000};

    explicit CloneReader(ClonePort& port, std::chrono::milliseconds silenceLimit = kSilenceLimit,
                         std::optional<std::chrono::milliseconds> firstByteLimit = std::nullopt);

    void Start(Clock::time_point now) override;

    // The stream as received (complete once the outcome is Done or a
    // checksum error).
    const Stream& Received() const { return stream_; }
    // Whether the first byte of the header has come.
    bool Started() const { return received_ > 0; }

protected:
    bool Step(Clock::time_point now) override;
    int Position() const override { return received_; }

private:
    bool ReadEcho(Clock::time_point now);
    bool ReadData(Clock::time_point now);
    // The count to ask for: one byte after the header, else the rest of the block.
    int AskCount() const;
    void Finish();

    std::chrono::milliseconds silenceLimit_;
    std::optional<std::chrono::milliseconds> firstByteLimit_;
    Stream stream_{};
    int received_ = 0;
    int inBlock_ = 0;
    bool awaitingEcho_ = false;
};

} // namespace transfer
