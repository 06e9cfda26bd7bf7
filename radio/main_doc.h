#pragma once
// CMainDoc: one radio's data (file header, image and per-channel comments) and
// its radio data file. Qt-free; the caller shows load errors with the caption
// "File Error".

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// project
#include "radio/radio_model.h"

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
};

class CMainDoc : public RadioModel {
public:
    explicit CMainDoc(char separator = platform::DecimalSeparator());

    // A fresh document from the template image, with no comments.
    bool OnNewDocument();

    // Opens a radio data file. On failure returns false, keeps the document as it
    // was and leaves the message in ErrorText().
    bool Load(const std::string& path);
    // The same for file content already in memory (at most 67205 bytes are used).
    bool LoadBytes(const std::uint8_t* data, std::size_t size, const std::string& path);
    // Writes the 67205-byte file. Clears the modified flag on success; on failure
    // the old file stays as it was, the document stays modified and ErrorText() says why.
    bool Save(const std::string& path);
    // The 67205 bytes that Save writes (the total size field set to 67205).
    std::array<std::uint8_t, kRdfFileSize> Bytes();
    const std::string& ErrorText() const { return error_; }

    RadioImage& Image() override { return data_.image; }
    const RadioImage& Image() const override { return data_.image; }
    const DocumentDataArea& Data() const { return data_; }

    std::string Comment(int row) const override;
    // Cuts to 30 characters; marks the document modified only when the text changes.
    void SetComment(int row, const std::string& text) override;
    void ClearComments();

    std::string SourceName() const;
    void SetSourceName(const std::string& name);

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

private:
    DocumentDataArea data_;
    std::string error_;
    bool modified_ = false;
};

} // namespace radio
