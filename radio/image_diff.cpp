// The differences between two images in the words of the sheets and dialogs.
//
// Every part of the image that a grid cell or a dialog control shows is
// compared as the window shows it; each line marks the bits it speaks for as
// covered. Whatever differs and is covered by no line is reported last, by
// offset, so that no differing byte goes unmentioned.

// own
#include "radio/image_diff.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <utility>

// project
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/hyper_texts.h"
#include "radio/lists.h"
#include "radio/settings_controls.h"
#include "radio/settings_text.h"

namespace radio {
namespace {

constexpr const char* kNone = "(none)";
constexpr const char* kOn = "On";
constexpr const char* kOff = "Off";
constexpr char kSeparator = '.';

// The channel fields by the grid's column headings (the heading's two words
// on one line). Banks are reported per bank, comments as comments.
struct ColumnName {
    int column;
    const char* name;
};
constexpr ColumnName kColumnNames[] = {
    {col::kReceive, "Receive Frequency"}, {col::kTransmit, "Transmit Frequency"},
    {col::kOffset, "Offset Frequency"},   {col::kDirection, "Offset Direction"},
    {col::kMode, "Operating Mode"},       {col::kName, "Name"},
    {col::kShowName, "Show Name"},        {col::kToneMode, "Tone Mode"},
    {col::kCtcss, "CTCSS Tone"},          {col::kDcs, "DCS Code"},
    {col::kStep, "Step"},                 {col::kClockShift, "Clock Shift"},
    {col::kPower, "Tx Power"},            {col::kNarrow, "Narrow"},
    {col::kComment, "Comment"},
};

// The record columns compared bit by bit, with the record field whose bits they show.
struct RecordColumn {
    int column;
    ChannelField field;
};
constexpr RecordColumn kRecordColumns[] = {
    {col::kReceive, ChannelField::Receive},   {col::kTransmit, ChannelField::Transmit},
    {col::kOffset, ChannelField::Offset},     {col::kDirection, ChannelField::Direction},
    {col::kMode, ChannelField::Mode},         {col::kToneMode, ChannelField::ToneMode},
    {col::kCtcss, ChannelField::Ctcss},       {col::kDcs, ChannelField::Dcs},
    {col::kStep, ChannelField::Step},         {col::kClockShift, ChannelField::ClockShift},
    {col::kPower, ChannelField::Power},       {col::kNarrow, ChannelField::Narrow},
};

// Settings controls whose dialog label names them only within their group.
struct ControlName {
    int id;
    const char* name;
};
constexpr ControlName kControlNames[] = {{1100, "ARTS Mode"}, {1131, "Internet Mode"}};
constexpr const char* kCwIdText = "CW ID Text";
constexpr const char* kActiveHyperName = "Hyper Memory";
constexpr const char* kMovedTo = "moved to ";

constexpr const char* kBandLabels[] = {"144", "250", "350", "430", "850"};

struct AreaPrefix {
    DiffArea area;
    const char* name;   // for scripts
    const char* prefix; // of the place
};
constexpr AreaPrefix kAreaPrefixes[] = {
    {DiffArea::Memory, "Memory", "Memory "},    {DiffArea::Bank, "Bank", "Bank "},
    {DiffArea::Vfo, "VFO", "VFO "},             {DiffArea::Home, "Home", "Home "},
    {DiffArea::Hyper, "Hyper Memory", "Hyper Memory "}, {DiffArea::Settings, "Settings", "Settings"},
    {DiffArea::Dtmf, "DTMF", "DTMF "},          {DiffArea::Comment, "Comment", "Comment of Memory "},
    {DiffArea::Bytes, "Bytes", "Bytes "},
};

// List entries, split once.
const std::vector<std::string>& Entries(const char* list)
{
    static std::map<const char*, std::vector<std::string>> cache;
    auto found = cache.find(list);
    if (found == cache.end())
        found = cache.emplace(list, SplitList(list)).first;
    return found->second;
}

std::string EntryText(const std::vector<std::string>& entries, int index)
{
    if (index < 0 || index >= static_cast<int>(entries.size()) || entries[static_cast<std::size_t>(index)].empty())
        return kNone;
    return entries[static_cast<std::size_t>(index)];
}

const std::vector<std::string>& CtcssEntries()
{
    static const std::vector<std::string> entries = SplitList(CtcssListText(kSeparator));
    return entries;
}

const std::vector<std::string>& DcsEntries()
{
    static const std::vector<std::string> entries = SplitList(DcsListText());
    return entries;
}

std::string OnOff(bool on) { return on ? kOn : kOff; }

std::string Hex(std::uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// The offset a row shows: the stored one when valid, else the band's default.
std::int32_t ShownOffset(const std::uint8_t* record)
{
    const std::int32_t offset = GetField(record, ChannelField::Offset);
    return IsValidOffset(offset) ? offset : DefaultOffset(GetField(record, ChannelField::Receive));
}

// A record column's text as the grid load puts it in the cell.
std::string RecordCellText(const std::uint8_t* record, int column)
{
    const std::int32_t rx = GetField(record, ChannelField::Receive);
    auto field = [record](ChannelField f) { return GetField(record, f); };
    switch (column) {
    case col::kReceive:
        return FormatFrequency(rx, kSeparator);
    case col::kTransmit: {
        int direction = field(ChannelField::Direction);
        std::int32_t tx = TransmitFrequency(rx, direction, ShownOffset(record), false);
        return FormatFrequency(tx < 0 ? field(ChannelField::Transmit) : tx, kSeparator);
    }
    case col::kOffset:
        return FormatOffset(ShownOffset(record), kSeparator);
    case col::kDirection:
        return EntryText(Entries(lists::kDirection), DirectionCodeToIndex(field(ChannelField::Direction)));
    case col::kMode:
        return EntryText(Entries(UsesLowModeList(rx) ? lists::kModeLow : lists::kMode),
                         ModeBitToIndex(field(ChannelField::Mode), rx));
    case col::kToneMode:
        return EntryText(Entries(lists::kToneMode), field(ChannelField::ToneMode));
    case col::kCtcss:
        return EntryText(CtcssEntries(), field(ChannelField::Ctcss));
    case col::kDcs:
        return EntryText(DcsEntries(), field(ChannelField::Dcs));
    case col::kStep:
        return EntryText(Entries(UsesHighStepList(rx) ? lists::kStepHigh : lists::kStep),
                         StepCodeToIndex(field(ChannelField::Step), rx));
    case col::kPower:
        return EntryText(Entries(lists::kPower), field(ChannelField::Power));
    case col::kClockShift:
        return OnOff(field(ChannelField::ClockShift) != 0);
    case col::kNarrow:
        return OnOff(field(ChannelField::Narrow) != 0);
    default:
        return kNone;
    }
}

std::string NameText(const std::uint8_t* name)
{
    if ((name[kHasNameByte] & kNameFlagBit) == 0)
        return kNone;
    std::string text = DecodeName(name);
    TrimRight(text);
    return text.empty() ? kNone : text;
}

std::string CommentText(const CommentSlots& slots, int row)
{
    const char* at = reinterpret_cast<const char*>(slots.data()) + kCommentSlotSize * static_cast<std::size_t>(row);
    std::string text(at, strnlen(at, kCommentMax));
    return text.empty() ? kNone : text;
}

std::string MemoryLabel(int row)
{
    if (row < kMemoryCount)
        return std::to_string(row + 1);
    const int limit = row - kMemoryCount + 1; // 1..100: L1, U1, L2, U2 ...
    return (limit % 2 == 1 ? "L" : "U") + std::to_string((limit + 1) / 2);
}

std::string MemoryPlace(int row) { return "Memory " + MemoryLabel(row); }

// Collects lines with the offset they sort by, and the bits they cover.
class Collector {
public:
    Collector(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)
        : before_(before), after_(after), covered_(before.size(), 0)
    {
    }

    void Add(std::size_t offset, Difference line) { lines_.emplace_back(offset, std::move(line)); }
    void Cover(std::size_t offset, std::uint8_t mask) { covered_[offset] |= mask; }
    void CoverBytes(std::size_t offset, std::size_t count)
    {
        std::fill_n(covered_.begin() + static_cast<std::ptrdiff_t>(offset), count, std::uint8_t{0xFF});
    }
    std::span<const std::uint8_t> Before() const { return before_; }
    std::span<const std::uint8_t> After() const { return after_; }

    // Bits that differ and no line covers, one line per run of such bytes,
    // then every line in offset order.
    std::vector<Difference> Finish()
    {
        constexpr std::size_t kStride = 64;
        for (std::size_t i = 0; i < before_.size();) {
            if (i % kStride == 0 && i + kStride <= before_.size() &&
                std::memcmp(before_.data() + i, after_.data() + i, kStride) == 0) {
                i += kStride;
                continue;
            }
            if (((before_[i] ^ after_[i]) & ~covered_[i]) == 0) {
                ++i;
                continue;
            }
            std::size_t end = i + 1;
            while (end < before_.size() && ((before_[end] ^ after_[end]) & ~covered_[end]) != 0)
                ++end;
            AddBytes(i, end);
            i = end;
        }
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<Difference> out;
        out.reserve(lines_.size());
        for (auto& line : lines_)
            out.push_back(std::move(line.second));
        return out;
    }

private:
    void AddBytes(std::size_t begin, std::size_t end)
    {
        Difference line;
        line.area = DiffArea::Bytes;
        line.place = "Bytes " + std::to_string(begin);
        if (end - begin > 1)
            line.place += "-" + std::to_string(end - 1);
        for (std::size_t i = begin; i < end; ++i) {
            line.before += (i == begin ? "" : " ") + Hex(before_[i]);
            line.after += (i == begin ? "" : " ") + Hex(after_[i]);
        }
        Add(begin, std::move(line));
    }

    std::span<const std::uint8_t> before_;
    std::span<const std::uint8_t> after_;
    std::vector<std::uint8_t> covered_;
    std::vector<std::pair<std::size_t, Difference>> lines_;
};

bool Differs(const Collector& c, std::size_t offset, std::size_t count)
{
    return !std::equal(c.Before().begin() + static_cast<std::ptrdiff_t>(offset),
                       c.Before().begin() + static_cast<std::ptrdiff_t>(offset + count),
                       c.After().begin() + static_cast<std::ptrdiff_t>(offset));
}

// Where a line lies and how the window shows it.
struct Place {
    DiffArea area;
    std::string name;
    int sheet = -1;
    int row = -1;
};

Difference Line(const Place& place, std::string field, std::string before, std::string after, int column = -1)
{
    Difference line;
    line.area = place.area;
    line.place = place.name;
    line.field = std::move(field);
    line.before = std::move(before);
    line.after = std::move(after);
    if (column >= 0) {
        line.sheet = place.sheet;
        line.row = place.row;
        line.column = column;
    }
    return line;
}

Difference Event(const Place& place, std::string field, std::string event, int column)
{
    Difference line = Line(place, std::move(field), {}, {}, column);
    line.event = std::move(event);
    return line;
}

// The bits of a record field.
void CoverField(Collector& c, std::size_t record, ChannelField field)
{
    const FieldEntry& entry = EntryOf(field);
    const std::size_t at = record + static_cast<std::size_t>(entry.byte);
    switch (entry.encoding) {
    case FieldEncoding::Bits:
        c.Cover(at, entry.mask);
        return;
    case FieldEncoding::Frequency:
        c.CoverBytes(at, kFrequencyCodeBytes);
        return;
    case FieldEncoding::OffsetUnits:
        c.CoverBytes(at, 2);
        return;
    }
}

const char* ColumnNameOf(int column)
{
    for (const ColumnName& entry : kColumnNames)
        if (entry.column == column)
            return entry.name;
    return "";
}

// The field lines of a channel or band row shown on both sides, all placed
// with the record so that a row's lines stay together.
void CompareRecordFields(Collector& c, const Place& place, std::size_t record, std::ptrdiff_t name)
{
    const std::uint8_t* a = c.Before().data() + record;
    const std::uint8_t* b = c.After().data() + record;
    if (Differs(c, record, kChannelRecordSize))
        for (const RecordColumn& entry : kRecordColumns) {
            std::string before = RecordCellText(a, entry.column);
            std::string after = RecordCellText(b, entry.column);
            if (before == after)
                continue;
            c.Add(record, Line(place, ColumnNameOf(entry.column), std::move(before), std::move(after), entry.column));
            CoverField(c, record, entry.field);
        }
    if (name < 0 || !Differs(c, static_cast<std::size_t>(name), kNameRecordSize))
        return;
    const auto at = static_cast<std::size_t>(name);
    if (std::string before = NameText(a - record + at), after = NameText(b - record + at); before != after) {
        c.Add(record, Line(place, ColumnNameOf(col::kName), before, after, col::kName));
        c.CoverBytes(at, static_cast<std::size_t>(kNameLength));
        c.Cover(at + kHasNameByte, kNameFlagBit);
    }
    const bool showBefore = (c.Before()[at + kShowNameByte] & kNameFlagBit) != 0;
    const bool showAfter = (c.After()[at + kShowNameByte] & kNameFlagBit) != 0;
    if (showBefore != showAfter) {
        c.Add(record, Line(place, ColumnNameOf(col::kShowName), OnOff(showBefore), OnOff(showAfter), col::kShowName));
        c.Cover(at + kShowNameByte, kNameFlagBit);
    }
}

// --- Memories -------------------------------------------------------------

bool InUse(std::span<const std::uint8_t> image, int row)
{
    return GetField(image.data() + ChannelOffset(row), ChannelField::InUse) != 0;
}

struct CommentSides {
    const CommentSlots* before = nullptr;
    const CommentSlots* after = nullptr;
    bool Both() const { return before != nullptr && after != nullptr; }
};

// What makes a channel the same channel at another number.
std::string ChannelKey(std::span<const std::uint8_t> image, const CommentSlots* comments, int row)
{
    const std::uint8_t* record = image.data() + ChannelOffset(row);
    const std::uint8_t* name = image.data() + NameOffset(kSheetMemories, row);
    std::string key(reinterpret_cast<const char*>(record), kChannelRecordSize);
    key.append(reinterpret_cast<const char*>(name), kNameRecordSize);
    if (comments != nullptr)
        key += CommentText(*comments, row);
    return key;
}

// Rows removed whose channel was added at another number: removed row -> added row.
std::map<int, int> FindMoves(const Collector& c, const CommentSides& comments)
{
    std::multimap<std::string, int> added;
    std::vector<int> removed;
    for (int row = 0; row < kChannelCount; ++row) {
        const bool was = InUse(c.Before(), row);
        const bool is = InUse(c.After(), row);
        if (!was && is)
            added.emplace(ChannelKey(c.After(), comments.Both() ? comments.after : nullptr, row), row);
        else if (was && !is)
            removed.push_back(row);
    }
    std::map<int, int> moves;
    if (added.empty())
        return moves;
    for (int row : removed) {
        auto found = added.find(ChannelKey(c.Before(), comments.Both() ? comments.before : nullptr, row));
        if (found == added.end())
            continue;
        moves.emplace(row, found->second);
        added.erase(found);
    }
    return moves;
}

void CoverChannel(Collector& c, int row)
{
    c.CoverBytes(ChannelOffset(row), kChannelRecordSize);
    c.CoverBytes(static_cast<std::size_t>(NameOffset(kSheetMemories, row)), kNameRecordSize);
}

void CompareMemories(Collector& c, const CommentSides& comments)
{
    const std::map<int, int> moves = FindMoves(c, comments);
    std::set<int> movedTo;
    for (const auto& move : moves)
        movedTo.insert(move.second);

    for (int row = 0; row < kChannelCount; ++row) {
        const std::size_t record = ChannelOffset(row);
        const auto name = static_cast<std::size_t>(NameOffset(kSheetMemories, row));
        const bool commentsDiffer =
            comments.Both() && !std::equal(comments.before->begin() + kCommentSlotSize * static_cast<std::size_t>(row),
                                           comments.before->begin() + kCommentSlotSize * static_cast<std::size_t>(row + 1),
                                           comments.after->begin() + kCommentSlotSize * static_cast<std::size_t>(row));
        if (!commentsDiffer && !Differs(c, record, kChannelRecordSize) && !Differs(c, name, kNameRecordSize))
            continue;
        const Place place{DiffArea::Memory, MemoryPlace(row), kSheetMemories, row + 1};
        const bool was = InUse(c.Before(), row);
        const bool is = InUse(c.After(), row);
        if (auto move = moves.find(row); move != moves.end()) {
            Difference line = Event(place, {}, kMovedTo + MemoryPlace(move->second), -1);
            line.sheet = kSheetMemories;
            line.row = move->second + 1;
            c.Add(record, std::move(line));
            CoverChannel(c, row);
            CoverChannel(c, move->second);
            continue;
        }
        if (was != is) {
            if (movedTo.count(row) == 0) {
                Difference line = Event(place, {}, is ? "added" : "removed", -1);
                line.sheet = kSheetMemories;
                line.row = row + 1;
                c.Add(record, std::move(line));
            }
            CoverChannel(c, row);
        } else if (is) {
            CompareRecordFields(c, place, record, NameOffset(kSheetMemories, row));
        }
        if (!comments.Both() || !was || !is)
            continue; // an added or removed channel is one line, comment and all
        std::string before = CommentText(*comments.before, row);
        std::string after = CommentText(*comments.after, row);
        if (before != after) {
            Place comment{DiffArea::Comment, "Comment of " + place.name, kSheetMemories, row + 1};
            c.Add(record, Line(comment, {}, std::move(before), std::move(after), col::kComment));
        }
    }
}

void CompareBanks(Collector& c)
{
    for (int bank = 0; bank < kBankCount; ++bank) {
        const std::size_t bitmap = offs::kBankBitmaps + kBankBitmapSize * static_cast<std::size_t>(bank);
        for (int memory = 0; memory < kMemoryCount; ++memory) {
            const std::size_t at = bitmap + static_cast<std::size_t>(memory / 8);
            if (c.Before()[at] == c.After()[at]) {
                memory |= 7; // the rest of this byte
                continue;
            }
            const auto bit = static_cast<std::uint8_t>(0x80 >> (memory % 8));
            const bool was = (c.Before()[at] & bit) != 0;
            if (was == ((c.After()[at] & bit) != 0))
                continue;
            if (!InUse(c.Before(), memory) && !InUse(c.After(), memory))
                continue; // the grid shows no banks for an empty row
            const Place place{DiffArea::Bank, "Bank " + std::to_string(bank + 1), kSheetMemories, memory + 1};
            c.Add(at, Event(place, MemoryPlace(memory), was ? "removed" : "added", col::kBank1 + bank));
            c.Cover(at, bit);
        }
    }
}

// --- Band rows and Hyper Memories ----------------------------------------------

void CompareBandRows(Collector& c, int sheet, DiffArea area, const std::string& prefix)
{
    for (int band = 0; band < kBandCount; ++band) {
        const Place place{area, prefix + kBandLabels[band], sheet, band + 1};
        CompareRecordFields(c, place, static_cast<std::size_t>(RecordOffset(sheet, band)), NameOffset(sheet, band));
    }
}

const std::vector<std::string>& HyperEntries(const HyperSettingText& text)
{
    static std::map<HyperField, std::vector<std::string>> cache;
    auto found = cache.find(text.field);
    if (found == cache.end())
        found = cache.emplace(text.field, HyperSettingEntries(text)).first;
    return found->second;
}

std::string HyperSettingValue(const HyperSettingText& text, int value)
{
    return text.IsCheckBox() ? OnOff(value != 0) : EntryText(HyperEntries(text), value);
}

// A setting's label as the settings grid shows it, without its padding.
std::string HyperLabel(const HyperSettingText& text)
{
    std::string label = text.label;
    label.erase(label.find_last_not_of(' ') + 1);
    return label;
}

void CoverHyperSetting(Collector& c, std::size_t block, const HyperSetting& setting)
{
    const std::size_t at = block + static_cast<std::size_t>(setting.byte);
    switch (setting.kind) {
    case SettingKind::BankChoice:
        c.CoverBytes(at, 1);
        c.Cover(block + kMemoryBankOnByte, kMemoryBankOnBit);
        return;
    case SettingKind::MemoryNumber:
        c.CoverBytes(at, 2);
        return;
    case SettingKind::List:
    case SettingKind::Check:
        c.Cover(at, setting.mask);
        return;
    case SettingKind::NoBits:
        return;
    }
}

void CompareHyperArea(Collector& c, int hyper)
{
    const std::string name = "Hyper Memory " + std::to_string(hyper + 1);
    const int sheet = kSheetHyper1 + hyper;
    CompareBandRows(c, sheet, DiffArea::Hyper, name + " ");
    const Place place{DiffArea::Hyper, name, sheet, -1};
    const std::size_t area = HyperAreaOffset(hyper);
    const std::uint8_t* before = c.Before().data() + area;
    const std::uint8_t* after = c.After().data() + area;
    for (int bank = 0; bank < kBankCount; ++bank) {
        const bool was = BankLink(before, bank);
        if (was == BankLink(after, bank))
            continue;
        c.Add(area + offs::kHyperBankLinks, Line(place, "Bank " + std::to_string(bank + 1), OnOff(was), OnOff(!was)));
        c.Cover(area + offs::kHyperBankLinks + static_cast<std::size_t>(bank / 8),
                static_cast<std::uint8_t>(0x80 >> (bank % 8)));
    }
    const std::size_t block = area + offs::kHyperSettings;
    if (!Differs(c, block, kHyperSettingsSize))
        return;
    for (const HyperSettingText& text : kHyperSettingTexts) {
        const HyperSetting& setting = SettingOf(text.field);
        std::string was = HyperSettingValue(text, GetSetting(before + offs::kHyperSettings, text.field));
        std::string is = HyperSettingValue(text, GetSetting(after + offs::kHyperSettings, text.field));
        if (was == is)
            continue;
        c.Add(block + static_cast<std::size_t>(setting.byte), Line(place, HyperLabel(text), std::move(was), std::move(is)));
        CoverHyperSetting(c, block, setting);
    }
}

void CompareScanValues(Collector& c)
{
    for (int hyper = 0; hyper < kHyperCount; ++hyper) {
        const std::size_t values = offs::kScanValues + kScanValuesSize * static_cast<std::size_t>(hyper);
        const Place place{DiffArea::Hyper, "Hyper Memory " + std::to_string(hyper + 1), kSheetHyper1 + hyper, -1};
        for (int memory = 0; memory < kMemoryCount; ++memory) {
            const std::size_t at = values + static_cast<std::size_t>(memory / 4);
            if (c.Before()[at] == c.After()[at]) {
                memory |= 3; // the rest of this byte
                continue;
            }
            const int shift = 2 * (3 - memory % 4);
            const int was = (c.Before()[at] >> shift) & 3;
            const int is = (c.After()[at] >> shift) & 3;
            if (was == is || (!InUse(c.Before(), memory) && !InUse(c.After(), memory)))
                continue;
            std::string before = EntryText(Entries(lists::kScanValue), was);
            std::string after = EntryText(Entries(lists::kScanValue), is);
            if (before == after)
                continue;
            c.Add(at, Line(place, MemoryPlace(memory), std::move(before), std::move(after)));
            c.Cover(at, static_cast<std::uint8_t>(3 << shift));
        }
    }
}

// --- The settings block ----------------------------------------------------------

const char* ControlNameOf(const SettingControl& control)
{
    for (const ControlName& entry : kControlNames)
        if (entry.id == control.id)
            return entry.name;
    return control.label.c_str();
}

std::string ControlText(const SettingControl& control, int value)
{
    if (control.kind == ControlKind::Check)
        return OnOff(value != 0);
    return EntryText(control.items, value);
}

std::string OrNone(const std::string& text) { return text.empty() ? kNone : text; }

// A text of codes ended by 0xFF: the codes of the longer side and its end.
void CoverText(Collector& c, const std::function<std::size_t(std::size_t)>& at, std::size_t first,
               std::size_t size, std::size_t length)
{
    for (std::size_t i = 0; i < std::min(size, length + 1); ++i)
        c.CoverBytes(at(first + i), 1);
}

// The settings block's lines; `at` maps a block offset to the collector's.
void CompareSettingsBlock(Collector& c, ConstSettingsBlockView before, ConstSettingsBlockView after,
                          const std::function<std::size_t(std::size_t)>& at)
{
    const Place settings{DiffArea::Settings, "Settings", -1, -1};
    for (const auto* table : {&SettingsDialogControls(), &DtmfDialogControls()})
        for (const SettingControl& control : *table) {
            std::string was = ControlText(control, UnpackControl(control, before));
            std::string is = ControlText(control, UnpackControl(control, after));
            if (was == is)
                continue;
            c.Add(at(control.byte), Line(settings, ControlNameOf(control), std::move(was), std::move(is)));
            c.Cover(at(control.byte), control.mask);
        }

    auto hyperText = [](std::uint8_t value) {
        return value < kHyperCount ? std::to_string(value + 1) : std::string(kNone);
    };
    if (std::string was = hyperText(before[blk::kActiveHyper]), is = hyperText(after[blk::kActiveHyper]); was != is) {
        c.Add(at(blk::kActiveHyper), Line(settings, kActiveHyperName, std::move(was), std::move(is)));
        c.CoverBytes(at(blk::kActiveHyper), 1);
    }

    if (std::string was = CwIdFromBlock(before), is = CwIdFromBlock(after); was != is) {
        CoverText(c, at, blk::kCwId, blk::kCwIdSize, std::max(was.size(), is.size()));
        c.Add(at(blk::kCwId), Line(settings, kCwIdText, OrNone(was), OrNone(is)));
    }

    for (int memory = 0; memory < kDtmfCount; ++memory) {
        std::string was = DtmfMemoryText(before, memory);
        std::string is = DtmfMemoryText(after, memory);
        if (was == is)
            continue;
        const std::size_t first = blk::kDtmf + blk::kDtmfMemorySize * static_cast<std::size_t>(memory);
        const Place place{DiffArea::Dtmf, "DTMF " + std::to_string(memory + 1), -1, -1};
        CoverText(c, at, first, blk::kDtmfMemorySize, std::max(was.size(), is.size()));
        c.Add(at(first), Line(place, {}, OrNone(was), OrNone(is)));
    }
}

std::size_t ImageOffsetOfBlock(std::size_t offset)
{
    for (const SettingsImageRange& range : kSettingsImageRanges)
        if (offset >= range.block && offset < range.block + range.length)
            return range.image + (offset - range.block);
    return 0;
}

bool SettingsDiffer(const Collector& c)
{
    return std::any_of(kSettingsImageRanges.begin(), kSettingsImageRanges.end(),
                       [&c](const SettingsImageRange& range) { return Differs(c, range.image, range.length); });
}

const AreaPrefix& PrefixOf(DiffArea area)
{
    for (const AreaPrefix& entry : kAreaPrefixes)
        if (entry.area == area)
            return entry;
    return kAreaPrefixes[0];
}

// The bytes a "Bytes" line speaks for: one hexadecimal value each.
std::size_t ByteCount(const Difference& line)
{
    return static_cast<std::size_t>(std::count(line.before.begin(), line.before.end(), ' ')) + 1;
}

} // namespace

std::string Difference::Text() const
{
    std::string text = place + ": ";
    if (!event.empty())
        return text + (field.empty() ? "" : field + " ") + event;
    return text + (field.empty() ? "" : field + " ") + before + " -> " + after;
}

std::string ChannelFieldName(int column)
{
    if (column >= col::kBank1 && column < col::kBank1 + kBankCount)
        return "Bank " + std::to_string(column - col::kBank1 + 1);
    return ColumnNameOf(column);
}

std::string AreaName(DiffArea area) { return PrefixOf(area).name; }

std::string PlaceNumber(const Difference& difference)
{
    const std::string prefix = PrefixOf(difference.area).prefix;
    return difference.place.starts_with(prefix) ? difference.place.substr(prefix.size()) : difference.place;
}

std::vector<Difference> CompareImages(const CompareSide& before, const CompareSide& after)
{
    if (before.image == nullptr || after.image == nullptr)
        return {};
    Collector c(*before.image, *after.image);
    if (*before.image == *after.image && (before.comments == nullptr || after.comments == nullptr ||
                                          *before.comments == *after.comments))
        return {};

    if (SettingsDiffer(c)) {
        SettingsBlock a{};
        SettingsBlock b{};
        CopySettingsFromImage(*before.image, a);
        CopySettingsFromImage(*after.image, b);
        CompareSettingsBlock(c, a, b, ImageOffsetOfBlock);
    }
    CompareBandRows(c, kSheetVfo, DiffArea::Vfo, "VFO ");
    CompareBandRows(c, kSheetHome, DiffArea::Home, "Home ");
    for (int hyper = 0; hyper < kHyperCount; ++hyper)
        CompareHyperArea(c, hyper);
    CompareMemories(c, CommentSides{before.comments, after.comments});
    CompareBanks(c);
    CompareScanValues(c);
    return c.Finish();
}

std::vector<Difference> CompareSettings(const SettingsRecord& before, const SettingsRecord& after)
{
    Collector c(before.Block(), after.Block());
    CompareSettingsBlock(c, before.Block(), after.Block(), [](std::size_t offset) { return offset; });
    return c.Finish();
}

std::string SummaryText(const std::vector<Difference>& differences)
{
    std::set<std::string> memories;
    std::set<std::string> settings;
    std::size_t bytes = 0;
    for (const Difference& d : differences) {
        switch (d.area) {
        case DiffArea::Memory:
            memories.insert(d.place);
            if (d.event.starts_with(kMovedTo))
                memories.insert(d.event.substr(std::string_view(kMovedTo).size()));
            break;
        case DiffArea::Bank:
            memories.insert(d.field);
            break;
        case DiffArea::Comment:
            memories.insert(PlaceNumber(d).insert(0, "Memory "));
            break;
        case DiffArea::Hyper:
            // A Hyper Memory's scan values count once.
            settings.insert(d.field.starts_with("Memory ") ? d.place + "\n(scan)" : d.place + "\n" + d.field);
            break;
        case DiffArea::Bytes:
            bytes += ByteCount(d);
            break;
        default:
            settings.insert(d.place + "\n" + d.field);
            break;
        }
    }
    auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::vector<std::string> parts;
    if (!memories.empty())
        parts.push_back(count(memories.size(), "memory", "memories"));
    if (!settings.empty())
        parts.push_back(count(settings.size(), "setting", "settings"));
    if (bytes != 0)
        parts.push_back(count(bytes, "other byte", "other bytes"));
    if (parts.empty())
        return "Nothing changes";
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        text += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
    const bool one = memories.size() + settings.size() + bytes == 1;
    return text + (one ? " changes" : " change");
}

} // namespace radio
