#pragma once
// One codec for every bit field of the image: a value kept in the bits of
// `mask` within one byte (the lowest set bit of the mask is the value's bit 0).
// Channel records, Hyper Memory settings blocks and the Settings dialog's
// controls all read and write their fields through it.

// std
#include <bit>
#include <cstdint>

namespace radio {

constexpr int MaskShift(std::uint8_t mask)
{
    return mask == 0 ? 0 : std::countr_zero(static_cast<unsigned>(mask));
}

constexpr int GetBits(std::uint8_t byte, std::uint8_t mask)
{
    return (byte & mask) >> MaskShift(mask);
}

// Stores `value` into the mask's bits; the other bits are kept and what does
// not fit the mask is dropped.
constexpr void SetBits(std::uint8_t& byte, std::uint8_t mask, unsigned value)
{
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << MaskShift(mask)) & mask));
}

// Stores bits already in place (a pattern within the mask).
constexpr void SetMaskedBits(std::uint8_t& byte, std::uint8_t mask, unsigned bits)
{
    byte = static_cast<std::uint8_t>((byte & ~mask) | (bits & mask));
}

} // namespace radio
