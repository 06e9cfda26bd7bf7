#include "clone/reader.h"

// std
#include <algorithm>

namespace transfer {

CloneReader::CloneReader(ClonePort& port, std::chrono::milliseconds silenceLimit,
                         std::optional<std::chrono::milliseconds> firstByteLimit)
    : CloneEngine(port), silenceLimit_(silenceLimit), firstByteLimit_(firstByteLimit)
{
}

void CloneReader::Start(Clock::time_point now)
{
    stream_.fill(0);
    received_ = 0;
    inBlock_ = 0;
    awaitingEcho_ = false;
    deadline_ = firstByteLimit_ ? now + *firstByteLimit_ : Clock::time_point::max();
}

bool CloneReader::Step(Clock::time_point now)
{
    return awaitingEcho_ ? ReadEcho(now) : ReadData(now);
}

// The echo of our own 0x06 comes back first; any other byte in its place is
// dropped and the echo is still awaited.
bool CloneReader::ReadEcho(Clock::time_point now)
{
    std::uint8_t byte = 0;
    if (ReadPort(&byte, 1) <= 0)
        return false;
    deadline_ = now + silenceLimit_;
    if (byte != kAck)
        return true;
    awaitingEcho_ = false;
    inBlock_ = 0;
    if (received_ == kStreamSize)
        Finish();
    return true;
}

int CloneReader::AskCount() const
{
    const int ask = received_ == kHeaderSize ? 1 : kBlockSize - inBlock_;
    // Never past the end of the stream, whatever the radio sends.
    return std::min(ask, kStreamSize - received_);
}

bool CloneReader::ReadData(Clock::time_point now)
{
    std::array<std::uint8_t, kBlockSize> chunk{};
    const int got = ReadPort(chunk.data(), AskCount());
    if (got <= 0)
        return false;
    int keepFrom = 0;
    if (received_ == 0) {
        // Only the start of the stream is synchronised on the header's 0x41.
        const auto first = std::find(chunk.begin(), chunk.begin() + got, kHeaderFirst);
        keepFrom = static_cast<int>(first - chunk.begin());
        if (keepFrom == got)
            return true;
    }
    const int kept = got - keepFrom;
    std::copy_n(chunk.begin() + keepFrom, kept, stream_.begin() + received_);
    received_ += kept;
    inBlock_ += kept;
    deadline_ = now + silenceLimit_;
    if (!IsBlockEnd(received_))
        return true;
    if (!WritePort(&kAck, 1))
        return false;
    inBlock_ = 0;
    awaitingEcho_ = true;
    return true;
}

void CloneReader::Finish()
{
    if (radio::ImageChecksum(stream_) == stream_[kChecksumAt])
        Succeed();
    else
        Fail(Failure::ChecksumError);
}

} // namespace transfer
