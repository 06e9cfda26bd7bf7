#include "radio/record_rules.h"

// std
#include <algorithm>
#include <cstring>

// project
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"

namespace radio {
namespace {

constexpr int ListSize(const char* list)
{
    int entries = 1;
    for (; *list != '\0'; ++list)
        entries += *list == '\t' ? 1 : 0;
    return entries;
}

// A list field keeps a value its list shows; any other value is stored as the first entry.
struct ListField {
    ChannelField field;
    int entries;
};
constexpr ListField kListFields[] = {
    {ChannelField::ToneMode, ListSize(lists::kToneMode)},
    {ChannelField::Ctcss, kCtcssCount},
    {ChannelField::Dcs, kDcsCount},
    {ChannelField::Power, ListSize(lists::kPower)},
};
constexpr ChannelField kCarriedBits[] = {ChannelField::Narrow, ChannelField::ClockShift};

constexpr int kScanEntries = ListSize(lists::kScanValue);
constexpr int kSplitToneFrom = 5; // tone modes from "D" on use split tones
constexpr std::uint8_t kSplitToneBit = 0x08;

bool InUse(const std::uint8_t* record) { return GetField(record, ChannelField::InUse) != 0; }

std::uint8_t* At(RadioImage& image, std::ptrdiff_t offset) { return image.data() + offset; }

// Direction, offset and transmit frequency that agree with each other and
// with the receive frequency; a transmit frequency the radio cannot use
// gives simplex.
struct Shift {
    int direction;
    std::int32_t offset;
    std::int32_t tx;
};

Shift SettleShift(std::int32_t rx, int direction, std::int32_t offset, std::int32_t storedTx)
{
    if (!IsValidOffset(offset))
        offset = DefaultOffset(rx);
    if (direction != kSimplex && direction != kMinus && direction != kPlus && direction != kSplit) {
        // A code the lists do not have: the stored transmit frequency says what was meant.
        direction = kSimplex;
        if (IsValidFrequency(storedTx))
            offset = DirectionAndOffset(rx, direction, storedTx);
    }
    if ((direction == kMinus || direction == kPlus) && offset == 0)
        direction = kSimplex;
    std::int32_t tx = TransmitFrequency(rx, direction, offset, false);
    if (direction == kSplit)
        tx = storedTx;
    if (!IsValidFrequency(tx)) {
        direction = kSimplex;
        tx = rx;
    }
    return {direction, offset, tx};
}

int StepList(std::int32_t rx) { return ListSize(UsesHighStepList(rx) ? lists::kStepHigh : lists::kStep); }

} // namespace

bool SettleRecord(std::uint8_t* record, bool inUse)
{
    const std::int32_t rx = GetField(record, ChannelField::Receive);
    if (!IsValidFrequency(rx)) {
        SetField(record, ChannelField::InUse, 0);
        return false;
    }
    const Shift shift = SettleShift(rx, GetField(record, ChannelField::Direction), GetField(record, ChannelField::Offset),
                                    GetField(record, ChannelField::Transmit));
    std::uint8_t settled[kChannelRecordSize] = {};
    SetField(settled, ChannelField::InUse, inUse ? 1 : 0);
    SetField(settled, ChannelField::Receive, rx);
    SetField(settled, ChannelField::Direction, shift.direction);
    SetField(settled, ChannelField::Offset, shift.offset);
    SetField(settled, ChannelField::Transmit, shift.tx);
    SetField(settled, ChannelField::Mode, ModeIndexToBit(ModeBitToIndex(GetField(record, ChannelField::Mode), rx), rx));
    for (const ListField& list : kListFields) {
        const int value = GetField(record, list.field);
        SetField(settled, list.field, value < list.entries ? value : 0);
    }
    for (ChannelField bit : kCarriedBits)
        SetField(settled, bit, GetField(record, bit));
    const int step = StepCodeToIndex(GetField(record, ChannelField::Step), rx);
    SetField(settled, ChannelField::Step, StepIndexToCode(step >= 0 && step < StepList(rx) ? step : -1, rx));
    std::memcpy(record, settled, kChannelRecordSize);
    return true;
}

void SettleName(std::uint8_t* name)
{
    // Decoding takes the low six bits of each code and drops trailing spaces;
    // encoding that text gives those codes again, padded with spaces.
    constexpr std::uint8_t kCodeBits = 0x3F;
    int length = 0;
    if ((name[kHasNameByte] & kNameFlagBit) != 0)
        for (int i = 0; i < kNameLength; ++i)
            if ((name[i] & kCodeBits) != kSpaceCode)
                length = i + 1;
    for (int i = 0; i < kNameLength; ++i)
        name[i] = length == 0 ? 0 : i < length ? static_cast<std::uint8_t>(name[i] & kCodeBits) : kSpaceCode;
    name[kHasNameByte] = static_cast<std::uint8_t>(length == 0 ? name[kHasNameByte] & ~kNameFlagBit
                                                               : name[kHasNameByte] | kNameFlagBit);
}

namespace {
bool BreaksLine(char c) { return c == '\r' || c == '\n' || c == '\t'; }
} // namespace

std::string OneLineComment(std::string text)
{
    std::replace_if(text.begin(), text.end(), BreaksLine, ' ');
    return text;
}

std::string CleanComment(const std::string& text)
{
    std::string clean = text.substr(0, kCommentMax);
    clean.resize(::strnlen(clean.c_str(), clean.size()));
    return OneLineComment(std::move(clean));
}

bool IsCleanComment(std::string_view text)
{
    return text.size() <= kCommentMax &&
           std::none_of(text.begin(), text.end(), [](char c) { return BreaksLine(c) || c == '\0'; });
}

void NoteSplitTone(RadioImage& image, const std::uint8_t* record)
{
    if (GetField(record, ChannelField::ToneMode) >= kSplitToneFrom)
        image[offs::kSplitToneByte] |= kSplitToneBit;
}

void SettleHyperSettings(std::uint8_t* block)
{
    std::uint8_t settled[kHyperSettingsSize];
    std::memcpy(settled, block, kHyperSettingsSize);
    // The bank choice goes last: choosing a bank sets Memory Bank On.
    for (bool bankChoice : {false, true})
        for (const HyperSetting& setting : kHyperSettings)
            if (setting.kind != SettingKind::NoBits && (setting.kind == SettingKind::BankChoice) == bankChoice) {
                const int value = GetSetting(block, setting.field);
                SetSetting(settled, setting.field, value < setting.entries ? value : 0);
            }
    std::memcpy(block, settled, kHyperSettingsSize);
}

namespace {

std::uint8_t* CommentSlot(DocumentDataArea& data, int row)
{
    return data.comments.data() + kCommentSlotSize * static_cast<std::size_t>(row);
}

void SetSlot(std::uint8_t* slot, const std::string& text)
{
    std::fill_n(slot, kCommentSlotSize, std::uint8_t{0});
    std::memcpy(slot, text.data(), text.size());
}

void SettleChannels(DocumentDataArea& data)
{
    for (int row = 0; row < kChannelCount; ++row) {
        std::uint8_t* record = At(data.image, RecordOffset(kSheetMemories, row));
        std::uint8_t* slot = CommentSlot(data, row);
        const bool kept = InUse(record) && SettleRecord(record, true);
        if (kept)
            SettleName(At(data.image, NameOffset(kSheetMemories, row)));
        const std::string comment(reinterpret_cast<const char*>(slot), ::strnlen(reinterpret_cast<const char*>(slot), kCommentMax));
        SetSlot(slot, kept ? CleanComment(comment) : std::string());
    }
}

void SettleBandRows(RadioImage& image, int kind)
{
    for (int row = 0; row < kBandCount; ++row) {
        const bool valid = SettleRecord(At(image, RecordOffset(kind, row)), true);
        if (valid && NameOffset(kind, row) >= 0)
            SettleName(At(image, NameOffset(kind, row)));
    }
}

void SettleScanValues(RadioImage& image)
{
    for (int hyper = 0; hyper < kHyperCount; ++hyper)
        for (int memory = 0; memory < kMemoryCount; ++memory) {
            const int value = ScanValue(image, hyper, memory);
            const bool shown = InUse(At(image, RecordOffset(kSheetMemories, memory))) && value < kScanEntries;
            SetScanValue(image, hyper, memory, shown ? value : 0);
        }
}

void NoteSplitTones(RadioImage& image)
{
    for (int kind = kSheetMemories; kind < kSheetCount; ++kind)
        for (int row = 0; row < SheetRowCount(kind); ++row)
            if (const std::uint8_t* record = image.data() + RecordOffset(kind, row); kind != kSheetVfo && InUse(record))
                NoteSplitTone(image, record);
}

} // namespace

void SettleDocument(DocumentDataArea& data)
{
    RadioImage& image = data.image;
    const int active = ActiveHyperArea(image);
    SetActiveHyper(image, active);
    SettleChannels(data);
    SettleBandRows(image, kSheetHome);
    for (int hyper = 0; hyper < kHyperCount; ++hyper) {
        SettleBandRows(image, kSheetHyper1 + hyper);
        SettleHyperSettings(At(image, static_cast<std::ptrdiff_t>(HyperAreaOffset(hyper) + offs::kHyperSettings)));
    }
    SettleScanValues(image);
    CopyHyperToVfo(image, active);
    NoteSplitTones(image);
}

namespace {

// The part of the image a byte belongs to, in the words of the sheets.
std::string ImagePart(std::size_t at)
{
    const auto within = [at](std::size_t from, std::size_t size, std::size_t count) {
        return at >= from && at < from + size * count ? static_cast<int>((at - from) / size) : -1;
    };
    if (int i = within(offs::kChannels, kChannelRecordSize, kChannelCount); i >= 0)
        return "Memories row " + std::to_string(i + 1) + " record";
    if (int i = within(offs::kChannelNames, kNameRecordSize, kChannelCount); i >= 0)
        return "Memories row " + std::to_string(i + 1) + " name";
    if (int i = within(offs::kHome, kChannelRecordSize, kBandCount); i >= 0)
        return "Home row " + std::to_string(i + 1) + " record";
    if (int i = within(offs::kHomeNames, kNameRecordSize, kBandCount); i >= 0)
        return "Home row " + std::to_string(i + 1) + " name";
    if (int k = within(offs::kHyperAreas, kHyperAreaSize, kHyperCount); k >= 0) {
        const std::size_t inArea = at - HyperAreaOffset(k);
        return "Hyper Memory " + std::to_string(k + 1) +
               (inArea < kChannelRecordSize * kBandCount ? " row " + std::to_string(inArea / kChannelRecordSize + 1)
                                                         : std::string(" settings"));
    }
    if (int k = within(offs::kScanValues, kScanValuesSize, kHyperCount); k >= 0)
        return "Hyper Memory " + std::to_string(k + 1) + " scan values";
    if (within(offs::kVfoArea, kHyperAreaSize, 1) >= 0 || within(offs::kCurrentSettings, kHyperSettingsSize, 1) >= 0)
        return "current state";
    return "image byte " + std::to_string(at);
}

} // namespace

std::string FirstUnsettled(const DocumentDataArea& data)
{
    DocumentDataArea settled = data;
    SettleDocument(settled);
    const auto [image, settledImage] = std::mismatch(data.image.begin(), data.image.end(), settled.image.begin());
    if (image != data.image.end())
        return ImagePart(static_cast<std::size_t>(image - data.image.begin()));
    const auto [comment, settledComment] =
        std::mismatch(data.comments.begin(), data.comments.end(), settled.comments.begin());
    if (comment != data.comments.end())
        return "Memories row " + std::to_string((comment - data.comments.begin()) / kCommentSlotSize + 1) + " comment";
    return std::string();
}

} // namespace radio
