#pragma once
// The layout of a Hyper Memory settings grid: where each cell sits, what it
// shows and which cells are painted and locked. The sheet setup builds the
// grid from these tables; the grid load and store find their cells here.

// std
#include <cstdint>

// project
#include "radio/hyper_texts.h"

namespace grid::hyper {

inline constexpr int kRows = 1000;
inline constexpr int kCols = 11;

// Per-memory rows 1..1000.
inline constexpr int kChannelCol = 1; // frequency text of memory r, locked
inline constexpr int kScanCol = 2;    // "Scan", "Skip", "Preferential Scan"
inline constexpr int kChannelTextLimit = 30;

// Bank rows 1..20: label "Bank %d" and the bank link check box.
inline constexpr int kBankLabelCol = 4;
inline constexpr int kBankLinkCol = 5;
inline constexpr int kBankRows = 20;

// The settings: a label cell left of its editor.
inline constexpr int kLeftLabelCol = 7;
inline constexpr int kLeftEditCol = 8;
inline constexpr int kRightLabelCol = 10;
inline constexpr int kRightEditCol = 11;

enum class Setting {
    Mode,
    MemoryBank,
    Dtmf,
    MemoryNumber,
    Vfo,
    MemoryScan,
    SpecialScan,
    Scanning,
    MemoryTune,
    Arts,
    MemoryBankOn,
    Priority,
    SpecialScanOn,
    AutoRepeaterSplit,
    AutoReceive,
    AutoStep,
    VfoBand,
    WxAlert,
    WxChannel,
    MenuNumber,
    PacketSpeed,
    PacketMic,
};

// Where a setting's label and editor sit; what they show is the radio
// layer's text of the setting.
struct SettingCell {
    Setting setting;
    int labelCol;
    int editCol;
    int row;
    const radio::HyperSettingText& text;
};

inline constexpr SettingCell kSettingCells[] = {
    {Setting::Mode, kLeftLabelCol, kLeftEditCol, 1, radio::TextOf(radio::HyperField::Mode)},
    {Setting::MemoryBank, kLeftLabelCol, kLeftEditCol, 2, radio::TextOf(radio::HyperField::MemoryBank)},
    {Setting::Dtmf, kLeftLabelCol, kLeftEditCol, 3, radio::TextOf(radio::HyperField::Dtmf)},
    {Setting::MemoryNumber, kLeftLabelCol, kLeftEditCol, 4, radio::TextOf(radio::HyperField::MemoryNumber)},
    {Setting::Vfo, kLeftLabelCol, kLeftEditCol, 5, radio::TextOf(radio::HyperField::Vfo)},
    {Setting::MemoryScan, kLeftLabelCol, kLeftEditCol, 6, radio::TextOf(radio::HyperField::MemoryScan)},
    {Setting::SpecialScan, kLeftLabelCol, kLeftEditCol, 7, radio::TextOf(radio::HyperField::SpecialScan)},
    {Setting::Scanning, kLeftLabelCol, kLeftEditCol, 8, radio::TextOf(radio::HyperField::Scanning)},
    {Setting::MemoryTune, kLeftLabelCol, kLeftEditCol, 9, radio::TextOf(radio::HyperField::MemoryTune)},
    {Setting::Arts, kLeftLabelCol, kLeftEditCol, 10, radio::TextOf(radio::HyperField::Arts)},
    {Setting::MemoryBankOn, kLeftLabelCol, kLeftEditCol, 11, radio::TextOf(radio::HyperField::MemoryBankOn)},
    {Setting::Priority, kLeftLabelCol, kLeftEditCol, 12, radio::TextOf(radio::HyperField::Priority)},
    {Setting::SpecialScanOn, kLeftLabelCol, kLeftEditCol, 13, radio::TextOf(radio::HyperField::SpecialScanOn)},
    {Setting::AutoRepeaterSplit, kRightLabelCol, kRightEditCol, 1, radio::TextOf(radio::HyperField::AutoRepeaterSplit)},
    {Setting::AutoReceive, kRightLabelCol, kRightEditCol, 2, radio::TextOf(radio::HyperField::AutoReceive)},
    {Setting::AutoStep, kRightLabelCol, kRightEditCol, 3, radio::TextOf(radio::HyperField::AutoStep)},
    {Setting::VfoBand, kRightLabelCol, kRightEditCol, 4, radio::TextOf(radio::HyperField::VfoBand)},
    {Setting::WxAlert, kRightLabelCol, kRightEditCol, 5, radio::TextOf(radio::HyperField::WxAlert)},
    {Setting::WxChannel, kRightLabelCol, kRightEditCol, 6, radio::TextOf(radio::HyperField::WxChannel)},
    {Setting::MenuNumber, kRightLabelCol, kRightEditCol, 7, radio::TextOf(radio::HyperField::MenuNumber)},
    {Setting::PacketSpeed, kRightLabelCol, kRightEditCol, 8, radio::TextOf(radio::HyperField::PacketSpeed)},
    {Setting::PacketMic, kRightLabelCol, kRightEditCol, 9, radio::TextOf(radio::HyperField::PacketMic)},
};

// The cell of one setting.
constexpr const SettingCell& CellOf(Setting setting)
{
    for (const SettingCell& cell : kSettingCells)
        if (cell.setting == setting)
            return cell;
    return kSettingCells[0];
}

inline constexpr std::uint32_t kGrey = 0xC0C0C0;
inline constexpr std::uint32_t kLightGrey = 0xE0E0E0;

// Painted and locked regions (inclusive), applied in order. A back colour of
// 0 leaves the colour alone and only locks.
struct Region {
    int col;
    int row;
    int col2;
    int row2;
    std::uint32_t back;
};

inline constexpr Region kRegions[] = {
    {3, 1, 3, kRows, kGrey},                            // separator
    {6, 1, 6, kRows, kGrey},                            // separator
    {9, 1, 9, kRows, kGrey},                            // separator
    {kLeftLabelCol, 1, kLeftLabelCol, 14, kLightGrey},  // left labels
    {kRightLabelCol, 1, kRightLabelCol, 14, kLightGrey}, // right labels
    {kLeftEditCol, 14, kLeftEditCol, 14, 0},            // below the left editors
    {kRightEditCol, 10, kRightEditCol, 14, 0},          // below the right editors
    {3, kBankRows + 1, 5, kRows, kGrey},                // below the banks
    {6, 15, 11, kRows, kGrey},                          // below the settings
};

// Column widths in the grid's character units; 0 keeps the default width.
inline constexpr int kColumnChars[kCols + 1] = {5, 0, 12, 1, 0, 0, 1, 15, 0, 1, 15, 15};

} // namespace grid::hyper
