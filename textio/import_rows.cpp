#include "textio/import_rows.h"

// std
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <strings.h>

// project
#include "portkit/core/import_table.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/record_rules.h"
#include "textio/import_rules.h"

namespace textio {
namespace {

using radio::ChannelField;

constexpr std::int32_t kTransmitInDirection = 100000000; // a direction text from here on is a frequency
constexpr int kDefaultCtcssIndex = 12;                   // 100.0 Hz
constexpr int kEncodeToneMode = 1;
constexpr std::size_t kCommentBytes = 30;

const std::string& Field(const RowFields& fields, int column) { return fields[static_cast<std::size_t>(column)]; }

bool HasNoField(const RowFields& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const std::string& text) { return text.empty(); });
}

// atoi's reading of a leading decimal number, without its overflow.
int LeadingNumber(const std::string& text)
{
    const long n = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(n, INT_MIN / 2, INT_MAX / 2));
}

std::int32_t ClampHz(long long hz) { return static_cast<std::int32_t>(std::clamp<long long>(hz, 0, INT32_MAX)); }

std::int32_t Distance(std::int32_t a, std::int32_t b)
{
    return ClampHz(a > b ? static_cast<long long>(a) - b : static_cast<long long>(b) - a);
}

std::int32_t TransmitByCode(std::int32_t rx, int code, std::int32_t offset)
{
    if (code == radio::kMinus)
        return ClampHz(static_cast<long long>(rx) - offset);
    if (code == radio::kPlus)
        return ClampHz(static_cast<long long>(rx) + offset);
    return rx;
}

struct Shift {
    int code;
    std::int32_t offset;
    std::int32_t transmit;
};

// An offset the row gives, as the Offset Frequency column takes it: one the
// radio cannot use (0, no multiple of 50 kHz, 99.95 MHz or more) is refused
// and counted, and the row keeps the default offset of its receive frequency.
// That default itself (0 from 450 MHz on) is no refusal.
std::int32_t CheckedOffset(std::int32_t offset, std::int32_t rx, int& refused)
{
    if (radio::IsValidOffset(offset) || offset == radio::DefaultOffset(rx))
        return offset;
    ++refused;
    return radio::DefaultOffset(rx);
}

// A transmit frequency the row gives, as the Transmit Frequency column takes
// it: one the radio cannot use is refused and counted, and reads as 0.
std::int32_t CheckedTransmit(const std::string& text, int& refused)
{
    const std::int32_t tx = radio::ParseFrequency(text);
    if (radio::IsValidFrequency(tx))
        return tx;
    ++refused;
    return 0;
}

// Direction, offset and transmit frequency of a row received on `rx`, as the
// cells would show them: the transmit frequency of a simplex, minus or plus
// row follows from its direction and offset; a transmit frequency given for
// a minus or plus row sets direction and offset as typing it would.
Shift ShiftOf(const RowFields& fields, std::int32_t rx, int& refused)
{
    const std::string& direction = Field(fields, icol::kDirection);
    const std::string& offsetText = Field(fields, icol::kOffset);
    const std::string& transmitText = Field(fields, icol::kTransmit);
    Shift shift{DirectionCodeFromText(direction), radio::DefaultOffset(rx), rx};
    if (!offsetText.empty())
        shift.offset = CheckedOffset(radio::ParseFrequency(offsetText), rx, refused);
    const std::int32_t tx = transmitText.empty() ? 0 : CheckedTransmit(transmitText, refused);
    // A lone code digit is a direction, never an offset of 1, 2 or 3 MHz.
    const std::int32_t d = IsDirectionDigit(direction) ? 0 : radio::ParseFrequency(direction);

    if (tx != 0 && (shift.code == radio::kMinus || shift.code == radio::kPlus)) {
        shift.offset = radio::DirectionAndOffset(rx, shift.code, tx);
        shift.transmit = tx;
        return shift;
    }
    if (tx != 0 && shift.code == radio::kSplit) {
        shift.transmit = tx;
        return shift;
    }
    if (tx == 0 && transmitText.empty() && offsetText.empty() && d >= kTransmitInDirection) {
        // The direction column holds the transmit frequency of a split row. One
        // the radio cannot use is refused: the text then says no direction.
        shift.code = radio::kSplit;
        shift.transmit = CheckedTransmit(direction, refused);
        if (shift.transmit == 0) {
            shift.code = radio::kSimplex;
            shift.transmit = rx;
            return shift;
        }
        shift.offset = radio::IsValidOffset(Distance(d, rx)) ? Distance(d, rx) : radio::DefaultOffset(rx);
        return shift;
    }
    if (offsetText.empty() && d != 0 && d < kTransmitInDirection) // "+5", "-0.6": direction and offset at once
        shift.offset = CheckedOffset(d, rx, refused);
    if (shift.code == radio::kMinus || shift.code == radio::kPlus)
        shift.transmit = TransmitByCode(rx, shift.code, shift.offset);
    return shift;
}

// The step code of a step text. From 700 MHz on the radio has no 5 and no
// 15 kHz step: a step the band's list lacks becomes the list's first, 10 kHz.
int StepFor(std::int32_t rx, const std::string& text)
{
    const int code = StepCodeFromHz(radio::ParseFrequency(text));
    if (radio::StepIndexToCode(radio::StepCodeToIndex(code, rx), rx) != code)
        return radio::StepIndexToCode(0, rx);
    return code;
}

// A name as its cell takes it: capitals, only the radio's characters (others
// are left out, as typing them is refused), at most six of them.
std::string NameText(const std::string& text)
{
    std::string kept;
    for (const char c : text) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (radio::NameCharCode(upper) >= 0 && kept.size() < static_cast<std::size_t>(radio::kNameLength))
            kept += upper;
    }
    return kept;
}

// A comment as one line of its cell: CR, LF and Tab each become a blank, so
// that copied rows stay rows; cut to the comment slot by whole characters.
std::string CommentText(std::string text)
{
    text = radio::OneLineComment(std::move(text));
    text.resize(portkit::CharacterCut(text, kCommentBytes));
    return text;
}

void SetFlag(std::uint8_t& byte, bool on)
{
    byte = static_cast<std::uint8_t>(on ? byte | radio::kNameFlagBit : byte & ~radio::kNameFlagBit);
}

} // namespace

const char* DropReasonText(DropReason reason)
{
    switch (reason) {
    case DropReason::EmptyRow:
        return "no field at all";
    case DropReason::OutsideSheet:
        return "channel number outside 1 to 1100";
    case DropReason::NoFreeChannel:
        return "no free channel left";
    case DropReason::BadReceive:
        return "receive frequency refused";
    }
    return "";
}

int ImportCounts::DroppedTotal() const
{
    int total = 0;
    for (int n : dropped)
        total += n;
    return total;
}

DropReason ImportCounts::MainDropReason() const
{
    return static_cast<DropReason>(std::max_element(dropped.begin(), dropped.end()) - dropped.begin());
}

std::string CountsText(const ImportCounts& counts)
{
    std::string text = "Rows placed: " + std::to_string(counts.placed) + "\nFields refused: " +
                       std::to_string(counts.refused) + "\nRows dropped: " + std::to_string(counts.DroppedTotal()) +
                       '\n';
    for (int reason = 0; reason < kDropReasonCount; ++reason)
        text += std::string("  ") + DropReasonText(static_cast<DropReason>(reason)) + ": " +
                std::to_string(counts.dropped[static_cast<std::size_t>(reason)]) + '\n';
    if (!counts.notKept.empty()) {
        int total = 0;
        for (const auto& [what, n] : counts.notKept)
            total += n;
        text += "Values not kept: " + std::to_string(total) + '\n';
        for (const auto& [what, n] : counts.notKept)
            text += "  " + what + ": " + std::to_string(n) + '\n';
    }
    if (!counts.unusedColumns.empty()) {
        text += "Columns not used: ";
        for (std::size_t k = 0; k < counts.unusedColumns.size(); ++k)
            text += (k > 0 ? ", " : "") + counts.unusedColumns[k];
        text += '\n';
    }
    return text;
}

RowImporter::RowImporter(radio::RadioModel& model, ColumnSet present) : model_(model), present_(present) {}

bool RowImporter::PlaceRecord(const void* record, int channelIndex, bool overwrite)
{
    return PlaceRow(FieldsFromRecord(record), channelIndex, overwrite);
}

bool RowImporter::PlaceRow(const RowFields& fields, int channelIndex, bool overwrite, const RowExtras& extras)
{
    if (HasNoField(fields))
        return Drop(DropReason::EmptyRow);
    const int target = TargetOf(fields, channelIndex);
    if (target < 0 || target >= radio::kChannelCount)
        return Drop(DropReason::OutsideSheet);
    const int channel = ChannelFor(target, overwrite);
    if (channel < 0)
        return Drop(DropReason::NoFreeChannel);
    const std::int32_t rx = radio::ParseFrequency(Field(fields, icol::kReceive));
    if (!radio::IsValidFrequency(rx))
        return Drop(DropReason::BadReceive);
    StoreRow(fields, channel, rx, extras);
    last_ = channel;
    ++counts_.placed;
    for (const std::string& value : extras.notKept)
        ++counts_.notKept[value];
    return true;
}

int RowImporter::TargetOf(const RowFields& fields, int channelIndex)
{
    const std::string& number = Field(fields, icol::kChannel);
    if (number.empty())
        return channelIndex;
    const int n = LeadingNumber(number);
    // Only the first row handed over can tell that the file counts from 0.
    if (channelIndex == 0 && n - 1 < 0)
        zeroBased_ = true;
    return zeroBased_ ? n : n - 1;
}

int RowImporter::ChannelFor(int target, bool overwrite) const
{
    if (overwrite)
        return target;
    const radio::RadioImage& image = model_.Image();
    for (int channel = target; channel < radio::kChannelCount; ++channel)
        if (radio::GetField(image.data() + radio::ChannelOffset(channel), ChannelField::InUse) == 0)
            return channel;
    return -1;
}

bool RowImporter::Drop(DropReason reason)
{
    ++counts_.dropped[static_cast<std::size_t>(reason)];
    return false;
}

void RowImporter::StoreRow(const RowFields& fields, int channel, std::int32_t rx, const RowExtras& extras)
{
    radio::RadioImage& image = model_.Image();
    std::uint8_t* record = image.data() + radio::ChannelOffset(channel);
    radio::SetField(record, ChannelField::Receive, rx);

    const Shift shift = ShiftOf(fields, rx, counts_.refused);
    radio::SetField(record, ChannelField::Direction, shift.code);
    radio::SetField(record, ChannelField::Offset, shift.offset);
    radio::SetField(record, ChannelField::Transmit, shift.transmit);
    radio::SetField(record, ChannelField::InUse, 1);

    std::uint8_t* name = image.data() + radio::NameOffset(radio::kSheetMemories, channel);
    const std::string nameText = NameText(Field(fields, icol::kName));
    SetFlag(name[radio::kHasNameByte], false);
    radio::EncodeName(nameText, name); // capitals, six characters, blanks for the rest
    if (!nameText.empty()) {
        SetFlag(name[radio::kHasNameByte], true);
        SetFlag(name[radio::kShowNameByte], true);
    }
    if (present_.test(icol::kShowName))
        SetFlag(name[radio::kShowNameByte], ReadShowName(Field(fields, icol::kShowName)));

    const std::string& toneText = Field(fields, icol::kToneMode);
    radio::SetField(record, ChannelField::ToneMode, ToneModeFromText(toneText));
    radio::SetField(record, ChannelField::Mode, ::strcasecmp(Field(fields, icol::kMode).c_str(), "am") == 0 ? 1 : 0);
    radio::SetField(record, ChannelField::Step, StepFor(rx, Field(fields, icol::kStep)));

    int ctcss = radio::CtcssIndexFromText(Field(fields, icol::kCtcss));
    if (ctcss < 0)
        ctcss = kDefaultCtcssIndex;
    else if (toneText.empty())
        radio::SetField(record, ChannelField::ToneMode, kEncodeToneMode);
    radio::SetField(record, ChannelField::Ctcss, ctcss);
    radio::SetField(record, ChannelField::Dcs, radio::DcsIndexFromText(Field(fields, icol::kDcs)));
    radio::SetField(record, ChannelField::Power, PowerFromText(Field(fields, icol::kPower)));
    radio::SetField(record, ChannelField::Narrow, ReadYesNo(Field(fields, icol::kNarrow)) ? 1 : 0);
    if (present_.test(icol::kClockShift))
        radio::SetField(record, ChannelField::ClockShift, ReadYesNo(Field(fields, icol::kClockShift)) ? 1 : 0);

    for (int bank = 0; bank < radio::kBankCount; ++bank)
        radio::SetBankBit(image, bank, channel, ReadYesNo(Field(fields, icol::kBank1 + bank)));
    if (extras.scan >= 0 && channel < radio::kMemoryCount)
        for (int hyper = 0; hyper < radio::kHyperCount; ++hyper)
            radio::SetScanValue(image, hyper, channel, extras.scan);
    model_.SetComment(channel, CommentText(Field(fields, icol::kComment)));
}

} // namespace textio
