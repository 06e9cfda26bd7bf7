#pragma once
// The layout of a Hyper Memory settings grid: where each cell sits, what it
// shows and which cells are painted and locked. The sheet setup builds the
// grid from these tables; the grid load and store find their cells here.

// std
#include <cstdint>

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

// A setting's editor is a check box when it has no items and no numbered
// entries; otherwise a fixed list: the tab-separated items, then `numbered`
// entries formatted with `numberFormat` from 1 up.
struct SettingCell {
    Setting setting;
    int labelCol;
    int editCol;
    int row;
    const char* label;
    const char* items;
    int numbered;
    const char* numberFormat;

    bool IsCheckBox() const { return items[0] == '\0' && numbered == 0; }
};

// "\xB1" is the plus-minus sign in the program's single-byte texts.
inline constexpr SettingCell kSettingCells[] = {
    {Setting::Mode, kLeftLabelCol, kLeftEditCol, 1, "Mode  ", "VFO\tHome\tMemory", 0, ""},
    {Setting::MemoryBank, kLeftLabelCol, kLeftEditCol, 2, "Memory Bank #  ", "All Mem", 20, "Bank %d"},
    {Setting::Dtmf, kLeftLabelCol, kLeftEditCol, 3, "DTMF #  ", "", 15, "%d"},
    {Setting::MemoryNumber, kLeftLabelCol, kLeftEditCol, 4, "Memory #  ", "", 1000, "%d"},
    {Setting::Vfo, kLeftLabelCol, kLeftEditCol, 5, "VFO  ", "144 MHz\t250 MHz\t350 MHz\t430 MHz\t800 MHz", 0,
     ""},
    {Setting::MemoryScan, kLeftLabelCol, kLeftEditCol, 6, "Memory Scan  ", "Normal\tPreferential", 0, ""},
    {Setting::SpecialScan, kLeftLabelCol, kLeftEditCol, 7, "Special Scan  ",
     "Band\t\xB1 1 MHz\t\xB1 2 MHz\t\xB1 5 MHz\tAll", 50, "PMS %02d"},
    {Setting::Scanning, kLeftLabelCol, kLeftEditCol, 8, "Scanning  ", "", 0, ""},
    {Setting::MemoryTune, kLeftLabelCol, kLeftEditCol, 9, "Memory Tune On  ", "", 0, ""},
    {Setting::Arts, kLeftLabelCol, kLeftEditCol, 10, "ARTS On  ", "", 0, ""},
    {Setting::MemoryBankOn, kLeftLabelCol, kLeftEditCol, 11, "Memory Bank On  ", "", 0, ""},
    {Setting::Priority, kLeftLabelCol, kLeftEditCol, 12, "Priority On  ", "", 0, ""},
    {Setting::SpecialScanOn, kLeftLabelCol, kLeftEditCol, 13, "Special Scan On  ", "", 0, ""},
    {Setting::AutoRepeaterSplit, kRightLabelCol, kRightEditCol, 1, "Auto Repeater Split  ", "", 0, ""},
    {Setting::AutoReceive, kRightLabelCol, kRightEditCol, 2, "Auto Receive  ", "", 0, ""},
    {Setting::AutoStep, kRightLabelCol, kRightEditCol, 3, "Auto Step  ", "", 0, ""},
    {Setting::VfoBand, kRightLabelCol, kRightEditCol, 4, "VFO Band  ", "", 0, ""},
    {Setting::WxAlert, kRightLabelCol, kRightEditCol, 5, "Wx Alert  ", "", 0, ""},
    {Setting::WxChannel, kRightLabelCol, kRightEditCol, 6, "Wx Channel #", "", 10, "%d"},
    {Setting::MenuNumber, kRightLabelCol, kRightEditCol, 7, "Menu #  ",
     "1 - APO\t2 - ARTS Beep\t3 - ARTS Interval\t4 - ARS\t5 - Beep\t6 - Clock Shift\t7 - CW ID\t"
     "8 - CW ID W\t9 - DCS Code\t10 - DCS N/R\t11 - Dimmer\t12 - DTMF Delay\t13 - DTMF Speed\t"
     "14 - DTMF Write\t15 - Edge Beep\t16 - Home/Reverse\t17 - HYPER\t18 - INET\t19 - INET Code\t"
     "20 - INET Memory\t21 - Lock\t22 - Mic\t23 - Name\t24 - Name Write\t25 - Pkt Mic\t26 - Pkt Speed\t"
     "27 - PRG.PNL\t28 - PG P1\t29 - PG P2\t30 - PG P3\t31 - PG P4\t32 - RF SQL\t33 - RPT Mode\t"
     "34 - PRI.RVT\t35 - Rx Mode\t36 - S SRCH\t37 - Scan\t38 - SCN MD\t39 - Shift\t40 - Skip\t"
     "41 - Split\t42 - SQL TYP\t43 - Step\t44 - TN FRQ\t45 - TOT\t46 - VFO.BND\t47 - WID.NAR\t"
     "48 - WX ALT",
     0, ""},
    {Setting::PacketSpeed, kRightLabelCol, kRightEditCol, 8, "Packet Speed  ", "1200bps\t9600bps", 0, ""},
    {Setting::PacketMic, kRightLabelCol, kRightEditCol, 9, "Packet Mic  ", "", 0, ""},
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
