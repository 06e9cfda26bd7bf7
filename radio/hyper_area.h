#pragma once
// The 128-byte Hyper Memory area: band records, bank links and the 16-byte
// settings block, and the per-memory scan values of each Hyper Memory. The
// settings block is one table naming the byte and bits of every setting.

// std
#include <array>
#include <cstddef>
#include <cstdint>

// project
#include "radio/radio_image.h"

namespace radio {

enum class SettingKind {
    List,         // list index in (byte & mask) >> shift; an index >= limit stores 0
    Check,        // one bit
    BankChoice,   // byte = bank - 1 with Memory Bank On set, entry 0 "All Mem"
    MemoryNumber, // 16-bit little-endian list index
    NoBits,       // shown in the grid, not kept in the image
};

enum class HyperField {
    Mode, MemoryBank, Dtmf, MemoryNumber, Vfo, MemoryScan, SpecialScan, Scanning, MemoryTune, Arts,
    MemoryBankOn, Priority, SpecialScanOn, AutoRepeaterSplit, AutoReceive, AutoStep, VfoBand, WxAlert,
    WxChannel, MenuNumber, PacketSpeed, PacketMic,
};

struct HyperSetting {
    HyperField field;
    SettingKind kind;
    int byte;          // within the settings block
    std::uint8_t mask; // List and Check: the bits within the byte
    int limit;         // list positions 0..limit-1 store their index, others 0
    int entries;       // positions the settings grid shows; others show no choice
};

inline constexpr int kMemoryBankOnByte = 13;
inline constexpr std::uint8_t kMemoryBankOnBit = 0x10;

extern const std::array<HyperSetting, 22> kHyperSettings;
const HyperSetting& SettingOf(HyperField field);

// Value shown for a setting: a list position or a check state (0/1). The
// bank choice reads entry 0 while Memory Bank On is clear, else the bank + 1.
int GetSetting(const std::uint8_t* block, HyperField field);
// Stores a list position or check state; out-of-range positions store 0.
// A bank choice n >= 1 stores n - 1 and sets Memory Bank On.
void SetSetting(std::uint8_t* block, HyperField field, int value);

// Bank link bits of an area (bank 0..19).
bool BankLink(const std::uint8_t* area, int bank);
void SetBankLink(std::uint8_t* area, int bank, bool linked);

// Scan value 0..3 of memory 0..999 in Hyper Memory k (0..4).
int ScanValue(const RadioImage& image, int hyper, int memory);
void SetScanValue(RadioImage& image, int hyper, int memory, int value);

std::size_t HyperAreaOffset(int hyper);

// Active Hyper Memory in image byte 57: 0..5 as stored, 6 and above read as 0.
int ActiveHyper(const RadioImage& image);
// Writes `hyper` when 0..5, else 0.
void SetActiveHyper(RadioImage& image, int hyper);
// The area that mirrors the VFO area: as ActiveHyper, with 5 also read as 0.
int ActiveHyperArea(const RadioImage& image);

// VFO area and current settings block <-> the area of Hyper Memory k.
void CopyVfoToHyper(RadioImage& image, int hyper);
void CopyHyperToVfo(RadioImage& image, int hyper);

// Repairs done after a file is opened: links to empty banks cleared; Scanning,
// Memory Tune On, ARTS On and the top bits of the Special Scan byte cleared in
// every area and in the current settings block.
void RepairHyperAreas(RadioImage& image);

} // namespace radio
