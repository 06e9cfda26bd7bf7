#pragma once
// The radio's clone memory image: 31561 bytes, byte for byte as the radio
// sends it. Every offset in the program is an offset into this image.

#include <array>
#include <cstddef>
#include <cstdint>

namespace radio {

inline constexpr std::size_t kImageSize = 31561;
using RadioImage = std::array<std::uint8_t, kImageSize>;

inline constexpr int kMemoryCount = 1000;     // memories 1..1000
inline constexpr int kPmsPairCount = 50;      // scan-limit pairs L1/U1 .. L50/U50
inline constexpr int kChannelCount = 1100;    // memories, then the 100 PMS records
inline constexpr int kBandCount = 5;          // 144, 250, 350, 430, 850
inline constexpr int kHyperCount = 5;
inline constexpr int kBankCount = 20;
inline constexpr int kDtmfCount = 16;

inline constexpr std::size_t kChannelRecordSize = 16;
inline constexpr std::size_t kNameRecordSize = 8;
inline constexpr std::size_t kHyperAreaSize = 128;
inline constexpr std::size_t kHyperSettingsSize = 16;

// Offsets into the image.
namespace offs {
inline constexpr std::size_t kIdentifier = 0;         // 8 bytes, "AH016$Q$" in the template
inline constexpr std::size_t kCurrentChannel = 8;     // ChannelRecord, filled before sending
inline constexpr std::size_t kCurrentSettings = 40;   // mirror of the active HyperSettingsBlock
inline constexpr std::size_t kSetMode = 56;           // 16 set-mode bytes
inline constexpr std::size_t kActiveHyper = 57;       // index of the active Hyper Memory
inline constexpr std::size_t kSplitToneByte = 69;     // bit 3: some channel uses a split tone mode
inline constexpr std::size_t kVfoArea = 72;           // laid out like a HyperArea
inline constexpr std::size_t kDtmf = 200;             // 16 x 16 bytes
inline constexpr std::size_t kHome = 456;             // 5 band records
inline constexpr std::size_t kCwId = 578;             // 6 character codes
inline constexpr std::size_t kHyperAreas = 584;       // 5 x 128
inline constexpr std::size_t kChannels = 1224;        // 1100 x 16
inline constexpr std::size_t kChannelNames = 18824;   // 1100 x 8
inline constexpr std::size_t kHomeNames = 27656;      // 5 x 8
inline constexpr std::size_t kBankBitmaps = 27720;    // 20 x 128
inline constexpr std::size_t kScanValues = 30280;     // 5 x 256
inline constexpr std::size_t kChecksum = 31560;

// Within a HyperArea.
inline constexpr std::size_t kHyperBankLinks = 86;    // 3 bytes, bank 1 = bit 7 of the first
inline constexpr std::size_t kHyperSettings = 112;    // HyperSettingsBlock
} // namespace offs

inline constexpr std::size_t kBankBitmapSize = 128;
inline constexpr std::size_t kScanValuesSize = 256;

// The byte-sum checksum over bytes 0..31559.
inline std::uint8_t ImageChecksum(const RadioImage& image)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < offs::kChecksum; ++i)
        sum += image[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

} // namespace radio
