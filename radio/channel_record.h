#pragma once
// The 16-byte channel record and the 8-byte name record as field tables, read
// and written by one generic routine, and where a sheet's records lie.

// std
#include <array>
#include <cstddef>
#include <cstdint>

// project
#include "radio/radio_image.h"

namespace radio {

// Sheet kinds: the tab, grid and image records that a number selects.
inline constexpr int kSheetMemories = 0;
inline constexpr int kSheetVfo = 1;
inline constexpr int kSheetHome = 2;
inline constexpr int kSheetHyper1 = 3; // 3..7: Hyper Memory 1..5
inline constexpr int kSheetCount = 8;

// Channel grid columns.
namespace col {
inline constexpr int kReceive = 1;
inline constexpr int kTransmit = 2;
inline constexpr int kOffset = 3;
inline constexpr int kDirection = 4;
inline constexpr int kMode = 5;
inline constexpr int kName = 6;
inline constexpr int kShowName = 7;
inline constexpr int kToneMode = 8;
inline constexpr int kCtcss = 9;
inline constexpr int kDcs = 10;
inline constexpr int kStep = 11;
inline constexpr int kClockShift = 12;
inline constexpr int kPower = 13;
inline constexpr int kNarrow = 14;
inline constexpr int kBank1 = 15; // 15..34: banks 1..20
inline constexpr int kComment = 35;
inline constexpr int kCount = 35;
} // namespace col

enum class ChannelField {
    InUse, Narrow, Mode, Direction, Receive, ClockShift, Step, ToneMode, Transmit, Power, Ctcss, Dcs, Offset
};

enum class FieldEncoding {
    Bits,          // (byte & mask) >> shift
    Frequency,     // 3-byte frequency code, hertz
    OffsetUnits,   // 16-bit big-endian count of 50 kHz, hertz
};

struct FieldEntry {
    ChannelField field;
    FieldEncoding encoding;
    int byte;
    std::uint8_t mask; // Bits: the field's bits (see bit_field.h)
};

// Byte 0 bits 6 and 3, byte 10 and bytes 13..15 belong to no field and are
// written 0 whenever a record is rebuilt.
inline constexpr std::array<FieldEntry, 13> kChannelFields{{
    {ChannelField::InUse, FieldEncoding::Bits, 0, 0x80},
    {ChannelField::Narrow, FieldEncoding::Bits, 0, 0x20},
    {ChannelField::Mode, FieldEncoding::Bits, 0, 0x10},
    {ChannelField::Direction, FieldEncoding::Bits, 0, 0x07},
    {ChannelField::Receive, FieldEncoding::Frequency, 1, 0},
    {ChannelField::ClockShift, FieldEncoding::Bits, 4, 0x80},
    {ChannelField::Step, FieldEncoding::Bits, 4, 0x70},
    {ChannelField::ToneMode, FieldEncoding::Bits, 4, 0x0F},
    {ChannelField::Transmit, FieldEncoding::Frequency, 5, 0},
    {ChannelField::Power, FieldEncoding::Bits, 8, 0xC0},
    {ChannelField::Ctcss, FieldEncoding::Bits, 8, 0x3F},
    {ChannelField::Dcs, FieldEncoding::Bits, 9, 0xFF},
    {ChannelField::Offset, FieldEncoding::OffsetUnits, 11, 0},
}};

const FieldEntry& EntryOf(ChannelField field);
// Field value (hertz for frequencies and offsets). Setting masks the value to the field.
int GetField(const std::uint8_t* record, ChannelField field);
void SetField(std::uint8_t* record, ChannelField field, int value);

// Name record: six codes, byte 6 bit 7 show-name, byte 7 bit 7 has-name.
inline constexpr int kShowNameByte = 6;
inline constexpr int kHasNameByte = 7;
inline constexpr std::uint8_t kNameFlagBit = 0x80;

// Rows of a sheet and the image offsets of their records. NameOffset is -1 for
// kinds without names; RecordOffset is -1 for a row the kind does not have.
int SheetRowCount(int kind);
std::ptrdiff_t RecordOffset(int kind, int row);
std::ptrdiff_t NameOffset(int kind, int row);
// Offset of channel record i (0..1099).
std::size_t ChannelOffset(int index);

// Records among the 1100 channel records with the in-use bit clear.
int FreeChannelCount(const RadioImage& image);

// Bank membership of memories 0..999 in banks 0..19.
bool BankBit(const RadioImage& image, int bank, int memory);
void SetBankBit(RadioImage& image, int bank, int memory, bool member);
bool BankIsEmpty(const RadioImage& image, int bank);

} // namespace radio
