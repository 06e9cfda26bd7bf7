#include "radio/channel_record.h"

// std
#include <climits>

// project
#include "radio/bit_field.h"
#include "radio/frequency.h"

namespace radio {

// The table lists the fields in the order of their enumerators, so a field
// finds its entry by position.
constexpr bool InFieldOrder()
{
    for (std::size_t i = 0; i < kChannelFields.size(); ++i)
        if (static_cast<std::size_t>(kChannelFields[i].field) != i)
            return false;
    return true;
}
static_assert(InFieldOrder(), "kChannelFields must list the fields in enumerator order");

const FieldEntry& EntryOf(ChannelField field)
{
    const auto index = static_cast<std::size_t>(field);
    return index < kChannelFields.size() ? kChannelFields[index] : kChannelFields[0];
}

int GetField(const std::uint8_t* record, ChannelField field)
{
    const FieldEntry& entry = EntryOf(field);
    const std::uint8_t* at = record + entry.byte;
    switch (entry.encoding) {
    case FieldEncoding::Frequency:
        return DecodeFrequency(at);
    case FieldEncoding::OffsetUnits: {
        long long hz = static_cast<long long>((at[0] << 8) | at[1]) * kOffsetUnit;
        return hz > INT_MAX ? INT_MAX : static_cast<int>(hz);
    }
    case FieldEncoding::Bits:
        break;
    }
    return GetBits(*at, entry.mask);
}

void SetField(std::uint8_t* record, ChannelField field, int value)
{
    const FieldEntry& entry = EntryOf(field);
    std::uint8_t* at = record + entry.byte;
    switch (entry.encoding) {
    case FieldEncoding::Frequency:
        EncodeFrequency(value, at);
        return;
    case FieldEncoding::OffsetUnits: {
        int units = value < 0 ? 0 : value / kOffsetUnit;
        if (units > 0xFFFF)
            units = 0xFFFF;
        at[0] = static_cast<std::uint8_t>(units >> 8); // high byte first
        at[1] = static_cast<std::uint8_t>(units & 0xFF);
        return;
    }
    case FieldEncoding::Bits:
        break;
    }
    SetBits(*at, entry.mask, static_cast<unsigned>(value));
}

int SheetRowCount(int kind)
{
    if (kind == kSheetMemories)
        return kChannelCount;
    return kind > kSheetMemories && kind < kSheetCount ? kBandCount : 0;
}

std::ptrdiff_t RecordOffset(int kind, int row)
{
    if (row < 0 || row >= SheetRowCount(kind))
        return -1;
    std::size_t at = 0;
    if (kind == kSheetMemories)
        return static_cast<std::ptrdiff_t>(ChannelOffset(row));
    if (kind == kSheetVfo)
        at = offs::kVfoArea;
    else if (kind == kSheetHome)
        at = offs::kHome;
    else
        at = offs::kHyperAreas + kHyperAreaSize * static_cast<std::size_t>(kind - kSheetHyper1);
    return static_cast<std::ptrdiff_t>(at + kChannelRecordSize * static_cast<std::size_t>(row));
}

std::ptrdiff_t NameOffset(int kind, int row)
{
    if (row < 0 || row >= SheetRowCount(kind))
        return -1;
    if (kind == kSheetMemories)
        return static_cast<std::ptrdiff_t>(offs::kChannelNames + kNameRecordSize * static_cast<std::size_t>(row));
    if (kind == kSheetHome)
        return static_cast<std::ptrdiff_t>(offs::kHomeNames + kNameRecordSize * static_cast<std::size_t>(row));
    return -1;
}

std::size_t ChannelOffset(int index) { return offs::kChannels + kChannelRecordSize * static_cast<std::size_t>(index); }

int FreeChannelCount(const RadioImage& image)
{
    int free = 0;
    for (int i = 0; i < kChannelCount; ++i)
        if (GetField(image.data() + ChannelOffset(i), ChannelField::InUse) == 0)
            ++free;
    return free;
}

namespace {
std::size_t BankByte(int bank, int memory)
{
    return offs::kBankBitmaps + kBankBitmapSize * static_cast<std::size_t>(bank) + static_cast<std::size_t>(memory / 8);
}
std::uint8_t BankMask(int memory) { return static_cast<std::uint8_t>(0x80 >> (memory % 8)); }
bool BankAddressOk(int bank, int memory) { return bank >= 0 && bank < kBankCount && memory >= 0 && memory < kMemoryCount; }
} // namespace

bool BankBit(const RadioImage& image, int bank, int memory)
{
    return BankAddressOk(bank, memory) && (image[BankByte(bank, memory)] & BankMask(memory)) != 0;
}

void SetBankBit(RadioImage& image, int bank, int memory, bool member)
{
    if (!BankAddressOk(bank, memory))
        return;
    std::uint8_t& byte = image[BankByte(bank, memory)];
    byte = static_cast<std::uint8_t>(member ? byte | BankMask(memory) : byte & ~BankMask(memory));
}

bool BankIsEmpty(const RadioImage& image, int bank)
{
    std::size_t start = offs::kBankBitmaps + kBankBitmapSize * static_cast<std::size_t>(bank);
    for (std::size_t i = 0; i < kBankBitmapSize; ++i)
        if (image[start + i] != 0)
            return false;
    return true;
}

} // namespace radio
