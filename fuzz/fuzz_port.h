#pragma once
// What a radio sends, played from fuzzer bytes to a clone engine. The input is
// a run of chunks: a control byte, then the chunk's bytes. Control 0xFF cuts
// the line, 0xFE makes the writes fail from then on; otherwise its low 6 bits
// are the chunk's length (0: nothing came) and its high 2 bits the pause
// before it (0, 40, 400 or 4000 ms). Bytes the engine leaves wait for it. Whatever the engine writes is taken and dropped.
// The engine must end: on the bytes, on a failure, or at its deadline once
// the input is used up; it is driven on a clock of its own, so nothing waits.

// std
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>

// project
#include "clone/engine.h"

namespace fuzz {

class FuzzPort : public transfer::ClonePort {
public:
    FuzzPort(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Takes the next chunk; false when the input is used up.
    bool NextChunk(transfer::Clock::duration& pause)
    {
        using std::chrono::milliseconds;
        if (at_ >= size_)
            return false;
        const std::uint8_t control = data_[at_++];
        pause = milliseconds(0);
        if (control == 0xFF) {
            cut_ = true;
            return true;
        }
        if (control == 0xFE) {
            failWrite_ = true;
            return true;
        }
        static constexpr std::array<int, 4> kPauses{0, 40, 400, 4000};
        pause = milliseconds(kPauses[control >> 6]);
        const std::size_t length = control & 0x3F;
        const std::size_t take = length < size_ - at_ ? length : size_ - at_;
        queue_.insert(queue_.end(), data_ + at_, data_ + at_ + take);
        at_ += take;
        return true;
    }

    int Available() override { return cut_ ? -1 : static_cast<int>(queue_.size()); }
    int Read(std::uint8_t* buf, int n) override
    {
        if (cut_)
            return -1;
        if (n < 0)
            std::abort();
        const std::size_t count = queue_.size() < static_cast<std::size_t>(n) ? queue_.size() : static_cast<std::size_t>(n);
        for (std::size_t i = 0; i < count; ++i) {
            buf[i] = queue_.front();
            queue_.pop_front();
        }
        return static_cast<int>(count);
    }
    int Write(const std::uint8_t* buf, int n) override
    {
        if (buf == nullptr || n < 0 || n > transfer::kStreamSize)
            std::abort();
        if (failWrite_ || cut_)
            return -1;
        written_ += static_cast<std::size_t>(n);
        return n;
    }
    bool Drain() override { return !cut_; }
    int Descriptor() const override { return -1; }

    std::size_t Written() const { return written_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::deque<std::uint8_t> queue_; // come, not yet read
    bool cut_ = false;
    bool failWrite_ = false;
    std::size_t written_ = 0;
};

// Drives engine over port to its end; aborts when it would never end or its
// progress leaves the stream.
inline void RunToEnd(transfer::CloneEngine& engine, FuzzPort& port)
{
    transfer::Clock::time_point now{};
    engine.Start(now);
    transfer::Clock::duration pause{};
    while (!engine.Finished() && port.NextChunk(pause)) {
        now += pause;
        engine.OnTime(now);
        if (!engine.Finished())
            engine.OnReadable(now);
    }
    // The input is used up: the radio says nothing more.
    for (int i = 0; i < 3 && !engine.Finished(); ++i) {
        const transfer::Clock::time_point deadline = engine.Deadline();
        if (deadline == transfer::Clock::time_point::max())
            std::abort(); // it would wait for ever
        now = deadline > now ? deadline : now;
        engine.OnTime(now);
    }
    if (!engine.Finished())
        std::abort(); // a passed deadline did not end it
    const transfer::Progress progress = engine.GetProgress();
    if (progress.bytes < 0 || progress.bytes > transfer::Progress::kTotalBytes || progress.blocks < 0 ||
        progress.blocks > transfer::Progress::kTotalBlocks)
        std::abort();
}

} // namespace fuzz
