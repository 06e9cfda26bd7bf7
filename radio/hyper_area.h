#pragma once
// The 128-byte Hyper Memory area: band records, bank links and the 16-byte
// settings block, and the per-memory scan values of each Hyper Memory. The
// settings block is one table naming the byte, bits and settings-grid cell of
// every setting.

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// project
#include "radio/radio_image.h"

namespace radio {

// Cells of the Hyper Memory settings grid that the image fills.
namespace hyper_grid {
inline constexpr int kRows = 1000;
inline constexpr int kColumns = 11;
inline constexpr int kChannel = 1;     // rows 1..1000: memory frequency text
inline constexpr int kScan = 2;        // rows 1..1000: scan value list
inline constexpr int kBankLabel = 4;   // rows 1..20: "Bank %d"
inline constexpr int kBankLink = 5;    // rows 1..20: bank link check boxes
inline constexpr int kLeftLabel = 7;
inline constexpr int kLeftEditor = 8;  // rows 1..13
inline constexpr int kRightLabel = 10;
inline constexpr int kRightEditor = 11; // rows 1..9
} // namespace hyper_grid

enum class SettingKind {
    List,         // list index in (byte & mask) >> shift; an index >= limit stores 0
    Check,        // one bit
    BankChoice,   // byte = bank - 1 with Memory Bank On set, entry 0 "All Mem"
    MemoryNumber, // 16-bit little-endian list index
    NoBits,       // shown in the grid, not kept in the image
};

struct HyperSetting {
    const char* label; // the label cell text
    int row;
    int labelColumn;
    int editorColumn;
    SettingKind kind;
    int byte;
    std::uint8_t mask;
    int shift;
    int limit; // list positions that store their index
    const char* items; // tab-separated list, nullptr for check boxes
};

inline constexpr int kMemoryBankOnByte = 13;
inline constexpr std::uint8_t kMemoryBankOnBit = 0x10;

// Left column (labels in 7, editors in 8) then right column (labels in 10, editors in 11).
extern const std::array<HyperSetting, 22> kHyperSettings;

// Lists built at start: "1".."1000", "All Mem\tBank 1".."Bank 20", "Band".."PMS 50", ...
const std::string& HyperSettingItems(const HyperSetting& setting);

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
