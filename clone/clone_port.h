#pragma once
// The port a clone transfer runs over: the serial port in the program and the
// command-line tool, a scripted stand-in in tests. Nothing here blocks for
// long: reads take what is queued.

// std
#include <cstdint>

namespace transfer {

class ClonePort {
public:
    virtual ~ClonePort() = default;
    // Bytes waiting to be read; negative when the port failed.
    virtual int Available() = 0;
    // Reads up to n bytes: the count, 0 when none came, negative on failure
    // (the line was cut, the device vanished).
    virtual int Read(std::uint8_t* buf, int n) = 0;
    // Writes n bytes: the count written, negative on failure.
    virtual int Write(const std::uint8_t* buf, int n) = 0;
    // Blocks until every written byte has left; false on failure.
    virtual bool Drain() = 0;
    // A descriptor that becomes readable when bytes arrive; -1 when none.
    virtual int Descriptor() const = 0;
};

} // namespace transfer
