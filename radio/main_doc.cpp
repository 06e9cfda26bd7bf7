#include "radio/main_doc.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

// project
#include "radio/byte_order.h"
#include "radio/default_image.h"
#include "platform/file_io.h"
#include "radio/hyper_area.h"
#include "radio/record_rules.h"
#include "radio/settings_load.h"

namespace radio {
namespace {

constexpr std::uint32_t kFormatVersion = 2;
constexpr std::uint16_t kChannelCountField = 1000;
constexpr std::uint32_t kCommentTableOffset = kRdfHeaderSize + kImageSize + kRdfReservedSize; // 32005

// Total sizes of the file versions that open, and the body lengths they deliver.
constexpr std::uint32_t kAcceptedSizes[] = {64008, 64773, 67205, 64005, 67208};
constexpr std::size_t kAcceptedBodies[] = {63584, 64349, 66781, 63581};

void PutU32(RdfHeader& h, std::size_t at, std::uint32_t v) { WriteLe(h.data() + at, 4, v); }

void PutU16(RdfHeader& h, std::size_t at, std::uint16_t v) { WriteLe(h.data() + at, 2, v); }

std::uint32_t GetU32(const std::uint8_t* p) { return ReadLe(p, 4); }

// A zero-terminated text field, read without running past the field.
std::string TextField(const std::uint8_t* p, std::size_t size)
{
    const char* text = reinterpret_cast<const char*>(p);
    return std::string(text, ::strnlen(text, size));
}

void PutText(RdfHeader& h, std::size_t at, std::size_t size, const std::string& text)
{
    std::fill_n(h.begin() + static_cast<std::ptrdiff_t>(at), size, std::uint8_t{0});
    std::memcpy(h.data() + at, text.data(), std::min(text.size(), size - 1));
}

std::string Format(const char* format, const std::string& argument)
{
    std::vector<char> buffer(std::strlen(format) + argument.size() + 1);
    std::snprintf(buffer.data(), buffer.size(), format, argument.c_str());
    return buffer.data();
}

template <typename Table, typename Value> bool OneOf(const Table& table, Value value)
{
    return std::find(std::begin(table), std::end(table), value) != std::end(table);
}

// Splits a body (at most 66781 bytes) into the parts of the data area; what an
// older, shorter body does not supply stays zero.
void SplitBody(const std::uint8_t* body, std::size_t size, DocumentDataArea& data)
{
    auto take = [&](std::uint8_t* into, std::size_t want) {
        std::size_t n = std::min(want, size);
        std::memcpy(into, body, n);
        body += n;
        size -= n;
    };
    take(data.image.data(), data.image.size());
    take(data.reserved.data(), data.reserved.size());
    take(data.comments.data(), data.comments.size());
}

} // namespace

CMainDoc::CMainDoc(char separator) : RadioModel(separator) { OnNewDocument(); }

bool CMainDoc::OnNewDocument()
{
    data_ = DocumentDataArea{};
    RdfHeader& h = data_.header;
    PutU32(h, rdf::kMagicAt, rdf::kMagic);
    std::memcpy(h.data() + rdf::kIdentifierAt, rdf::kIdentifier, 4);
    PutU32(h, rdf::kVersionAt, kFormatVersion);
    PutU32(h, rdf::kTotalSizeAt, static_cast<std::uint32_t>(kRdfFileSize));
    PutText(h, rdf::kRadioNameAt, rdf::kRadioNameSize, rdf::kRadioName);
    PutU16(h, rdf::kChannelCountAt, kChannelCountField);
    PutU16(h, rdf::kSlotSizeAt, static_cast<std::uint16_t>(kCommentSlotSize));
    PutU32(h, rdf::kCommentTableAt, kCommentTableOffset);
    PutU32(h, rdf::kImageAt, static_cast<std::uint32_t>(kRdfHeaderSize));
    data_.image = DefaultImage();
    SetSourceName(rdf::kNewSource);
    error_.clear();
    Begin();
    return true;
}

// A document opened, created or read: the radio's current state (the VFO area
// and current settings block) is the active Hyper Memory's, every record is
// settled, and this is the one state of a new history.
void CMainDoc::Begin()
{
    CopyVfoToHyper(data_.image, ActiveHyperArea(data_.image));
    StartHistory();
}

void CMainDoc::StartHistory()
{
    SettleDocument(data_);
    history_.Reset(data_);
    Announce();
}

void CMainDoc::AdoptRead(const RadioImage& image)
{
    data_.image = image;
    ClearComments();
    SetSourceName(kSourceReadRadio);
    CopyVfoToHyper(data_.image, ActiveHyperArea(data_.image));
    SettleDocument(data_);
}

void CMainDoc::Settle() { SettleDocument(data_); }

void CMainDoc::ChooseActiveHyper(int hyper)
{
    if (hyper < 0 || hyper >= kHyperCount)
        return;
    radio::SetActiveHyper(data_.image, hyper);
    CopyHyperToVfo(data_.image, hyper);
}

bool CMainDoc::Load(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    platform::FileResult read = platform::ReadFilePrefix(path, kRdfFileSize, bytes);
    if (!read.ok()) {
        error_ = "Cannot open file:\n" + path + "\n" + read.Reason();
        return false;
    }
    return LoadBytes(bytes.data(), bytes.size(), path);
}

bool CMainDoc::LoadBytes(const std::uint8_t* bytes, std::size_t size, const std::string& path)
{
    if (size < kRdfHeaderSize || GetU32(bytes + rdf::kMagicAt) != rdf::kMagic) {
        error_ = Format("Not a radio data file:\n%s", path);
        return false;
    }
    if (std::memcmp(bytes + rdf::kIdentifierAt, rdf::kIdentifier, 4) != 0) {
        error_ = Format("Radio data file for different radio:\n%s",
                        TextField(bytes + rdf::kRadioNameAt, rdf::kRadioNameSize));
        return false;
    }
    if (!OneOf(kAcceptedSizes, GetU32(bytes + rdf::kTotalSizeAt))) {
        error_ = "Radio data file has invalid header";
        return false;
    }
    std::size_t body = std::min(size - kRdfHeaderSize, kRdfBodySize);
    if (!OneOf(kAcceptedBodies, body)) {
        error_ = "Radio data file has invalid format";
        return false;
    }

    // Build the new content aside, so a failed open leaves the document as it was.
    DocumentDataArea data{};
    std::memcpy(data.header.data(), bytes, kRdfHeaderSize);
    SplitBody(bytes + kRdfHeaderSize, body, data);
    std::fill_n(data.header.begin() + rdf::kClearedAt, rdf::kClearedSize, std::uint8_t{0});
    RepairHyperAreas(data.image);
    data_ = data;
    error_.clear();
    Begin();
    return true;
}

// The total size field is set in the output only, so saving leaves the data
// area (and with it the history's idea of "modified") as it was.
std::array<std::uint8_t, kRdfFileSize> CMainDoc::Bytes() const
{
    RdfHeader header = data_.header;
    PutU32(header, rdf::kTotalSizeAt, static_cast<std::uint32_t>(kRdfFileSize));
    std::array<std::uint8_t, kRdfFileSize> bytes{};
    auto out = bytes.begin();
    out = std::copy(header.begin(), header.end(), out);
    out = std::copy(data_.image.begin(), data_.image.end(), out);
    out = std::copy(data_.reserved.begin(), data_.reserved.end(), out);
    std::copy(data_.comments.begin(), data_.comments.end(), out);
    return bytes;
}

bool CMainDoc::Save(const std::string& path)
{
    const auto bytes = Bytes();
    platform::FileResult written = platform::ReplaceFile(path, bytes.data(), bytes.size());
    if (!written.ok()) {
        const char* what = written.status == platform::FileResult::CannotCreate ? "Cannot create file:\n" : "Error writing file:\n";
        error_ = what + path + "\n" + written.Reason();
        return false;
    }
    error_.clear();
    MarkClean();
    return true;
}

bool CMainDoc::CommitStep(const std::string& label)
{
    if (!history_.Push(data_, label))
        return false;
    Announce();
    return true;
}

bool CMainDoc::Undo() { return Restore(history_.Undo()); }

bool CMainDoc::Redo() { return Restore(history_.Redo()); }

bool CMainDoc::Restore(const DocumentDataArea* state)
{
    if (state == nullptr)
        return false;
    data_ = *state;
    Announce();
    return true;
}

void CMainDoc::MarkClean()
{
    history_.MarkClean(data_);
    Announce();
}

void CMainDoc::SetHistoryListener(HistoryListener listener)
{
    listener_ = std::move(listener);
    announcedModified_ = IsModified();
}

void CMainDoc::Announce()
{
    if (listener_.stepsChanged)
        listener_.stepsChanged();
    const bool modified = IsModified();
    if (modified == announcedModified_)
        return;
    announcedModified_ = modified;
    if (listener_.modifiedChanged)
        listener_.modifiedChanged(modified);
}

std::string CMainDoc::Comment(int row) const
{
    if (row < 0 || row >= kCommentSlots)
        return std::string();
    return TextField(data_.comments.data() + kCommentSlotSize * static_cast<std::size_t>(row), kCommentMax);
}

void CMainDoc::SetComment(int row, const std::string& text)
{
    if (row < 0 || row >= kCommentSlots)
        return;
    const std::string cut = CleanComment(text);
    if (cut == Comment(row))
        return;
    std::uint8_t* slot = data_.comments.data() + kCommentSlotSize * static_cast<std::size_t>(row);
    std::fill_n(slot, kCommentSlotSize, std::uint8_t{0});
    std::memcpy(slot, cut.data(), cut.size());
}

void CMainDoc::ClearComments() { data_.comments.fill(0); }

std::string CMainDoc::SourceName() const { return TextField(data_.header.data() + rdf::kSourceNameAt, rdf::kSourceNameSize); }

void CMainDoc::SetSourceName(const std::string& name)
{
    PutText(data_.header, rdf::kSourceNameAt, rdf::kSourceNameSize, name);
}

} // namespace radio
