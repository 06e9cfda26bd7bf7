#include "clone/writer.h"

namespace transfer {

CloneWriter::CloneWriter(ClonePort& port, const Stream& stream, std::chrono::milliseconds answerLimit)
    : CloneEngine(port), stream_(stream), answerLimit_(answerLimit)
{
}

void CloneWriter::Start(Clock::time_point now)
{
    echo_.fill(0);
    sent_ = 0;
    echoCount_ = 0;
    awaitingAnswer_ = false;
    SendBlock(now);
}

void CloneWriter::SendBlock(Clock::time_point now)
{
    blockSize_ = BlockSizeAfter(sent_);
    if (!WritePort(stream_.data() + sent_, blockSize_))
        return;
    deadline_ = now + answerLimit_;
}

bool CloneWriter::Step(Clock::time_point now)
{
    return awaitingAnswer_ ? ReadAnswer(now) : CountEcho();
}

bool CloneWriter::ReadAnswer(Clock::time_point now)
{
    std::uint8_t answer = 0;
    if (ReadPort(&answer, 1) <= 0)
        return false;
    if (answer == kRefusal) {
        Fail(sent_ == kHeaderSize ? Failure::HardwareMismatch : Failure::BlockRefused);
        return false;
    }
    if (answer != kAck)
        return true; // anything else is not an answer
    awaitingAnswer_ = false;
    echoCount_ = 0;
    if (sent_ == kChecksumAt)
        SendChecksum();
    else
        SendBlock(now);
    return !Finished();
}

bool CloneWriter::FindEchoStart()
{
    while (sent_ == 0) {
        std::uint8_t byte = 0;
        if (ReadPort(&byte, 1) <= 0)
            return false;
        if (byte == kHeaderFirst) {
            echo_[0] = byte;
            sent_ = 1;
            echoCount_ = 1;
        }
    }
    return true;
}

bool CloneWriter::CountEcho()
{
    if (sent_ == 0 && !FindEchoStart())
        return false;
    const int ask = blockSize_ - echoCount_;
    if (ask > 0) {
        const int got = ReadPort(echo_.data() + sent_, ask);
        if (got < 0)
            return false;
        sent_ += got;
        echoCount_ += got;
        if (got == 0 && !IsBlockEnd(sent_))
            return false;
    }
    if (IsBlockEnd(sent_)) {
        awaitingAnswer_ = true;
        echoCount_ = 0;
    }
    return true;
}

// The checksum byte is a block of its own, sent alone; nothing is awaited
// after it, but it must have left the port before the port is closed.
void CloneWriter::SendChecksum()
{
    if (!WritePort(stream_.data() + kChecksumAt, 1))
        return;
    if (!port_.Drain()) {
        Fail(Failure::LineLost);
        return;
    }
    sent_ = kStreamSize;
    Succeed();
}

Failure CloneWriter::TimeoutFailure() const
{
    // The header went out and came back, but the radio never answered it.
    return sent_ == kHeaderSize ? Failure::HardwareMismatch : Failure::Timeout;
}

} // namespace transfer
