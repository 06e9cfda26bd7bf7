#pragma once
// What the Hyper Memory settings grid shows for each setting: its label (as
// the grid writes it, padded) and its choices. The grid lays these out and
// the comparison names a changed setting by them.

// std
#include <string>
#include <vector>

// project
#include "radio/hyper_area.h"

namespace radio {

// A check box when it has no items and no numbered entries; otherwise a
// fixed list: the tab-separated items, then `numbered` entries formatted
// with `numberFormat` from 1 up.
struct HyperSettingText {
    HyperField field;
    const char* label;
    const char* items;
    int numbered;
    const char* numberFormat;

    constexpr bool IsCheckBox() const { return items[0] == '\0' && numbered == 0; }
};

// "\xB1" is the plus-minus sign in the program's single-byte texts.
inline constexpr HyperSettingText kHyperSettingTexts[] = {
    {HyperField::Mode, "Mode  ", "VFO\tHome\tMemory", 0, ""},
    {HyperField::MemoryBank, "Memory Bank #  ", "All Mem", 20, "Bank %d"},
    {HyperField::Dtmf, "DTMF #  ", "", 15, "%d"},
    {HyperField::MemoryNumber, "Memory #  ", "", 1000, "%d"},
    {HyperField::Vfo, "VFO  ", "144 MHz\t250 MHz\t350 MHz\t430 MHz\t800 MHz", 0, ""},
    {HyperField::MemoryScan, "Memory Scan  ", "Normal\tPreferential", 0, ""},
    {HyperField::SpecialScan, "Special Scan  ", "Band\t\xB1 1 MHz\t\xB1 2 MHz\t\xB1 5 MHz\tAll", 50, "PMS %02d"},
    {HyperField::Scanning, "Scanning  ", "", 0, ""},
    {HyperField::MemoryTune, "Memory Tune On  ", "", 0, ""},
    {HyperField::Arts, "ARTS On  ", "", 0, ""},
    {HyperField::MemoryBankOn, "Memory Bank On  ", "", 0, ""},
    {HyperField::Priority, "Priority On  ", "", 0, ""},
    {HyperField::SpecialScanOn, "Special Scan On  ", "", 0, ""},
    {HyperField::AutoRepeaterSplit, "Auto Repeater Split  ", "", 0, ""},
    {HyperField::AutoReceive, "Auto Receive  ", "", 0, ""},
    {HyperField::AutoStep, "Auto Step  ", "", 0, ""},
    {HyperField::VfoBand, "VFO Band  ", "", 0, ""},
    {HyperField::WxAlert, "Wx Alert  ", "", 0, ""},
    {HyperField::WxChannel, "Wx Channel #", "", 10, "%d"},
    {HyperField::MenuNumber, "Menu #  ",
     "1 - APO\t2 - ARTS Beep\t3 - ARTS Interval\t4 - ARS\t5 - Beep\t6 - Clock Shift\t7 - CW ID\t"
     "8 - CW ID W\t9 - DCS Code\t10 - DCS N/R\t11 - Dimmer\t12 - DTMF Delay\t13 - DTMF Speed\t"
     "14 - DTMF Write\t15 - Edge Beep\t16 - Home/Reverse\t17 - HYPER\t18 - INET\t19 - INET Code\t"
     "20 - INET Memory\t21 - Lock\t22 - Mic\t23 - Name\t24 - Name Write\t25 - Pkt Mic\t26 - Pkt Speed\t"
     "27 - PRG.PNL\t28 - PG P1\t29 - PG P2\t30 - PG P3\t31 - PG P4\t32 - RF SQL\t33 - RPT Mode\t"
     "34 - PRI.RVT\t35 - Rx Mode\t36 - S SRCH\t37 - Scan\t38 - SCN MD\t39 - Shift\t40 - Skip\t"
     "41 - Split\t42 - SQL TYP\t43 - Step\t44 - TN FRQ\t45 - TOT\t46 - VFO.BND\t47 - WID.NAR\t"
     "48 - WX ALT",
     0, ""},
    {HyperField::PacketSpeed, "Packet Speed  ", "1200bps\t9600bps", 0, ""},
    {HyperField::PacketMic, "Packet Mic  ", "", 0, ""},
};

constexpr const HyperSettingText& TextOf(HyperField field)
{
    for (const HyperSettingText& text : kHyperSettingTexts)
        if (text.field == field)
            return text;
    return kHyperSettingTexts[0];
}

// The list's entries, the numbered ones formatted; empty for a check box.
std::vector<std::string> HyperSettingEntries(const HyperSettingText& text);

} // namespace radio
