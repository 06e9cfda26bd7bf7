#pragma once
// The line settings a port is opened with, in the codes callers pass.

#include <cstdint>

namespace portkit {

struct LineSettings {
    std::uint32_t baud = 9600;
    std::uint8_t dataBits = 8;
    std::uint8_t stopBits = 2; // 0 one, 1 one and a half, 2 two
    std::uint8_t parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
};

} // namespace portkit
