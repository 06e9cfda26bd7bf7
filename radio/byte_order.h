#pragma once
// Little-endian numbers of 1 to 4 bytes, as the radio data file, the setting
// file and the settings blocks store them.

// std
#include <cstddef>
#include <cstdint>

namespace radio {

inline std::uint32_t ReadLe(const std::uint8_t* bytes, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

inline void WriteLe(std::uint8_t* bytes, std::size_t size, std::uint32_t value)
{
    for (std::size_t i = 0; i < size; ++i, value >>= 8)
        bytes[i] = static_cast<std::uint8_t>(value & 0xFF);
}

inline std::uint32_t ReadLe32(const std::uint8_t* bytes) { return ReadLe(bytes, 4); }
inline void WriteLe32(std::uint8_t* bytes, std::uint32_t value) { WriteLe(bytes, 4, value); }

} // namespace radio
