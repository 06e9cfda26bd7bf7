#pragma once
// The radio settings record: the set-mode menu, CW ID and DTMF memories of the
// radio, kept apart from any document and stored as a 358-byte setting file
// (.rsf). An 80-byte header is followed by the 278-byte settings block, whose
// parts mirror three ranges of the clone image.

// Project
#include "radio/byte_order.h"
#include "radio/radio_image.h"

// Standard library
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace radio {

inline constexpr std::size_t kSettingsRecordSize = 358;
inline constexpr std::size_t kSettingsHeaderSize = 80;
inline constexpr std::size_t kSettingsBlockSize = 278;

inline constexpr std::uint32_t kSettingsMagic = 0x00465352; // "RSF" and a zero byte
inline constexpr std::uint32_t kSettingsVersion = 1;
inline constexpr const char* kSettingsIdentifier = "6310";
inline constexpr const char* kSettingsRadioName = "Yaesu Ostrel";

// Offsets into the record.
namespace rsf {
inline constexpr std::size_t kMagic = 0;      // 32-bit
inline constexpr std::size_t kIdentifier = 4; // 4 characters, no terminator
inline constexpr std::size_t kIdentifierSize = 4;
inline constexpr std::size_t kVersion = 8;    // 32-bit
inline constexpr std::size_t kSize = 12;      // 32-bit
inline constexpr std::size_t kRadioName = 16; // zero-terminated text
inline constexpr std::size_t kRadioNameSize = 64;
inline constexpr std::size_t kBlock = 80; // the settings block
} // namespace rsf

// Offsets into the settings block.
namespace blk {
inline constexpr std::size_t kSetMode = 0; // 16 set-mode bytes
inline constexpr std::size_t kSetModeSize = 16;
inline constexpr std::size_t kActiveHyper = 1; // selected Hyper Memory
inline constexpr std::size_t kCwId = 16;       // 6 character codes
inline constexpr std::size_t kCwIdSize = 6;
inline constexpr std::size_t kDtmf = 22; // 16 memories of 16 digit codes
inline constexpr std::size_t kDtmfMemorySize = 16;
} // namespace blk

using SettingsBlock = std::array<std::uint8_t, kSettingsBlockSize>;
using SettingsBlockView = std::span<std::uint8_t, kSettingsBlockSize>;
using ConstSettingsBlockView = std::span<const std::uint8_t, kSettingsBlockSize>;

class SettingsRecord {
public:
    using Bytes = std::array<std::uint8_t, kSettingsRecordSize>;

    SettingsRecord() = default; // all zero

    // Magic, identifier, version, size and radio name as a file carries them.
    void SetHeaderFields();

    std::uint32_t Magic() const;
    std::string Identifier() const;
    std::uint32_t Version() const;
    std::uint32_t Size() const;
    std::string RadioName() const;

    SettingsBlockView Block();
    ConstSettingsBlockView Block() const;

    Bytes& Raw() { return bytes_; }
    const Bytes& Raw() const { return bytes_; }

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

private:
    Bytes bytes_{};
};

// One part of the settings block and the image bytes it mirrors.
struct SettingsImageRange {
    std::size_t block;
    std::size_t image;
    std::size_t length;
};

inline constexpr std::array<SettingsImageRange, 3> kSettingsImageRanges{{
    {blk::kSetMode, offs::kSetMode, blk::kSetModeSize},
    {blk::kCwId, offs::kCwId, blk::kCwIdSize},
    {blk::kDtmf, offs::kDtmf, kDtmfCount* blk::kDtmfMemorySize},
}};
static_assert(blk::kSetModeSize + blk::kCwIdSize + kDtmfCount * blk::kDtmfMemorySize == kSettingsBlockSize);

// Copies the settings block into the image (before sending it to the radio).
void MergeSettingsIntoImage(ConstSettingsBlockView block, RadioImage& image);
// Copies the image's settings into the block.
void CopySettingsFromImage(const RadioImage& image, SettingsBlockView block);

// A record with every header field set and the settings of the given image.
SettingsRecord SettingsRecordFromImage(const RadioImage& image);

} // namespace radio
