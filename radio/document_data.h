#pragma once
// The data area of a radio data file as the document keeps it: header, image,
// reserved bytes and comments, with the header's fields.

// std
#include <array>
#include <cstddef>
#include <cstdint>

// project
#include "radio/radio_image.h"

namespace radio {

inline constexpr std::size_t kRdfHeaderSize = 424;
inline constexpr std::size_t kRdfBodySize = 66781;
inline constexpr std::size_t kRdfFileSize = kRdfHeaderSize + kRdfBodySize; // 67205
inline constexpr std::size_t kRdfReservedSize = 20;
inline constexpr int kCommentSlots = 1100;
inline constexpr std::size_t kCommentSlotSize = 32;
inline constexpr std::size_t kCommentMax = 30;

// Fields of the radio data file header.
namespace rdf {
inline constexpr std::uint32_t kMagic = 0x00464452; // "RDF\0"
inline constexpr const char* kIdentifier = "6310";
inline constexpr const char* kRadioName = "Yaesu Ostrel";
inline constexpr const char* kNewSource = "NewFile";
inline constexpr std::size_t kMagicAt = 0;
inline constexpr std::size_t kIdentifierAt = 4;
inline constexpr std::size_t kVersionAt = 8;
inline constexpr std::size_t kTotalSizeAt = 12;
inline constexpr std::size_t kRadioNameAt = 16;
inline constexpr std::size_t kRadioNameSize = 40;
inline constexpr std::size_t kChannelCountAt = 56;
inline constexpr std::size_t kSlotSizeAt = 58;
inline constexpr std::size_t kCommentTableAt = 60;
inline constexpr std::size_t kImageAt = 64;
inline constexpr std::size_t kClearedAt = 70; // 18 bytes cleared after every load
inline constexpr std::size_t kClearedSize = 18;
inline constexpr std::size_t kSourceNameAt = 168;
inline constexpr std::size_t kSourceNameSize = 256;
} // namespace rdf

using RdfHeader = std::array<std::uint8_t, kRdfHeaderSize>;

struct DocumentDataArea {
    RdfHeader header{};
    RadioImage image{};
    std::array<std::uint8_t, kRdfReservedSize> reserved{};
    std::array<std::uint8_t, kCommentSlots * kCommentSlotSize> comments{};

    bool operator==(const DocumentDataArea&) const = default;
};

} // namespace radio
