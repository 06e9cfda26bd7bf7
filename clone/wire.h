#pragma once
// The clone stream on the wire: an 8-byte header, 493 blocks of 64 bytes and
// the checksum byte, each acknowledged by the receiver with 0x06; the
// receiver refuses a block with 0x15. Everything a side sends on the single
// data line comes back to it once as an echo.

// std
#include <cstdint>

// project
#include "radio/radio_image.h"

namespace transfer {

inline constexpr int kStreamSize = static_cast<int>(radio::kImageSize); // 31561
inline constexpr int kHeaderSize = 8;
inline constexpr int kBlockSize = 64;
inline constexpr int kChecksumAt = kStreamSize - 1;
// Header, 493 data blocks and the checksum byte.
inline constexpr int kBlockCount = 1 + (kChecksumAt - kHeaderSize) / kBlockSize + 1;

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kRefusal = 0x15;
inline constexpr std::uint8_t kHeaderFirst = 0x41; // "A"

// Line settings of clone mode: 9600 baud, no parity, 8 data bits, 2 stop bits.
inline constexpr std::uint32_t kBaud = 9600;
inline constexpr std::uint8_t kParity = 0;
inline constexpr std::uint8_t kDataBits = 8;
inline constexpr std::uint8_t kStopBitsCode = 2;
// Start bit, 8 data bits and 2 stop bits.
inline constexpr int kBitsPerByte = 11;

// Whether `count` stream bytes end a block: the header, every 64 bytes after
// it, and the checksum byte, which is a block of its own.
constexpr bool IsBlockEnd(int count)
{
    return count == kHeaderSize || (count > kHeaderSize && (count - kHeaderSize) % kBlockSize == 0) ||
           count == kStreamSize;
}

// Blocks complete once `count` stream bytes have passed.
constexpr int BlocksDone(int count)
{
    if (count < kHeaderSize)
        return 0;
    if (count >= kStreamSize)
        return kBlockCount;
    return 1 + (count - kHeaderSize) / kBlockSize;
}

// Size of the block that starts after `count` stream bytes.
constexpr int BlockSizeAfter(int count)
{
    if (count == 0)
        return kHeaderSize;
    const int rest = kStreamSize - count;
    return rest < kBlockSize ? rest : kBlockSize;
}

} // namespace transfer
