#pragma once
// A port that hands the engines exactly the chunks a test scripts, records
// what they ask for and write, and can fail on request.

// std
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

// project
#include "clone/clone_port.h"

namespace test_support {

class ScriptPort : public transfer::ClonePort {
public:
    using Bytes = std::vector<std::uint8_t>;

    // Bytes that arrive together; a read takes at most one chunk.
    void Arrive(Bytes chunk)
    {
        if (!chunk.empty())
            chunks.push_back(std::move(chunk));
    }

    int Available() override
    {
        if (failReads)
            return -1;
        int count = 0;
        for (const Bytes& c : chunks)
            count += static_cast<int>(c.size());
        return count;
    }

    int Read(std::uint8_t* buf, int n) override
    {
        asked.push_back(n);
        if (failReads)
            return -0x400;
        if (chunks.empty())
            return 0;
        Bytes& front = chunks.front();
        const int got = std::min<int>(n, static_cast<int>(front.size()));
        std::copy_n(front.begin(), got, buf);
        front.erase(front.begin(), front.begin() + got);
        if (front.empty())
            chunks.pop_front();
        return got;
    }

    int Write(const std::uint8_t* buf, int n) override
    {
        if (failWrites)
            return -5;
        if (writeLimit >= 0)
            n = std::min(n, writeLimit);
        const Bytes bytes(buf, buf + n);
        writes.push_back(bytes);
        if (onWrite)
            onWrite(bytes);
        return n;
    }

    bool Drain() override
    {
        ++drains;
        return true;
    }

    int Descriptor() const override { return -1; }

    // Everything written, in one run.
    Bytes Written() const
    {
        Bytes all;
        for (const Bytes& w : writes)
            all.insert(all.end(), w.begin(), w.end());
        return all;
    }

    std::deque<Bytes> chunks;
    std::vector<int> asked;
    std::vector<Bytes> writes;
    std::function<void(const Bytes&)> onWrite;
    bool failReads = false;
    bool failWrites = false;
    int writeLimit = -1; // the most bytes one write takes; -1 for all of them
    int drains = 0;
};

} // namespace test_support
