#pragma once
// The controls of the Settings and DTMF dialogs as the radio's documentation
// writes them: id, label, items in order, block byte, the bits owned and how
// an item is stored. Tests compare the program against these literals, never
// against its own control table.

// std
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace facts {

struct Control {
    int id;
    std::string label;
    std::vector<std::string> items; // empty: a check box (Off, On)
    int byte;                       // settings block byte
    std::uint8_t mask;
    int offset = 0;                      // stored number = index + offset
    std::vector<std::uint8_t> bits = {}; // when set: the bits stored for each item

    bool IsCheck() const { return items.empty(); }
    int Count() const { return IsCheck() ? 2 : static_cast<int>(items.size()); }
    // The text shown for an item: the item, or Off/On for a check box.
    std::string Text(int item) const { return IsCheck() ? (item == 1 ? "On" : "Off") : items[item]; }
    // The bits of `byte` that stand for the item.
    std::uint8_t Stored(int item) const
    {
        if (!bits.empty())
            return bits[item];
        if (IsCheck())
            return item == 1 ? mask : 0;
        return static_cast<std::uint8_t>((item + offset) << std::countr_zero(static_cast<unsigned>(mask)));
    }
};

inline const std::vector<std::string> kKeys{"Priority", "Low",    "Tone", "MHz",     "Reverse", "Home",
                                            "Band",     "VFO/MR", "Scan", "Sql Off", "TCall",   "SSCH",
                                            "ARTS",     "TN FQ",  "DCSC", "Weather", "Repeater"};

// The Settings dialog, in the documented order (the CW ID text, 1127, last).
inline const std::vector<Control> kSettings{
    {1061, "Auto Power Off",
     {"0ff", "0.5 Hour", "1.0 Hour", "1.5 Hours", "2.0 Hours", "2.5 Hours", "3.0 Hours", "3.5 Hours",
      "4.0 Hours", "4.5 Hours", "5.0 Hours", "5.5 Hours", "6.0 Hours", "6.5 Hours", "7.0 Hours",
      "7.5 Hours", "8.0 Hours", "8.5 Hours", "9.0 Hours", "9.5 Hours", "10.0 Hours", "10.5 Hours",
      "11.0 Hours", "11.5 Hours", "12.0 Hours"},
     2, 0xFF},
    {1138, "Time Out Timer",
     {"Off", "1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "6 Minutes", "7 Minutes",
      "8 Minutes", "9 Minutes", "10 Minutes", "11 Minutes", "12 Minutes", "13 Minutes", "14 Minutes",
      "15 Minutes", "16 Minutes", "17 Minutes", "18 Minutes", "19 Minutes", "20 Minutes", "21 Minutes",
      "22 Minutes", "23 Minutes", "24 Minutes", "25 Minutes", "26 Minutes", "27 Minutes", "28 Minutes",
      "29 Minutes", "30 Minutes"},
     3, 0xFF},
    {1209, "Prg Panel [Low(ACC)]", {"Weather", "Reverse", "Repeater", "Squelch Off", "Lock", "Dimmer"}, 4, 0x07},
    {1207, "Interval", {"25 Seconds", "15 Seconds"}, 4, 0x10},
    {1039, "Lock", {"Off", "Key", "Dial", "Key + Dial", "PTT", "PTT + Key", "PTT + Dial", "All"}, 4, 0xE0},
    {1124, "P1", kKeys, 5, 0xFF, 26},
    {1142, "P2", kKeys, 6, 0xFF, 26},
    {1143, "P3", kKeys, 7, 0xFF, 26},
    {1144, "P4", kKeys, 8, 0xFF, 26},
    {1141, "RF Squelch", {"Off", "S-2", "S-3", "S-4", "S-5", "S-6", "S-7", "S-8", "S-9", "S-Full"}, 9, 0xFF},
    {1155, "DTMF Digit", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}, 10, 0x0F},
    {1156, "DTMF Memory",
     {"D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9", "D10", "D11", "D12", "D13", "D14", "D15", "D16"},
     10, 0xF0},
    {1125, "Dimmer", {"Off", "Dim 1", "Dim 2", "Dim 3"}, 11, 0x03},
    {1212, "Memory Only", {}, 11, 0x04},
    {1032, "Hyper Write", {"Manual", "1-Auto", "Auto"}, 11, 0x18, 0, {0x00, 0x10, 0x08}},
    {1211, "TONE | V/M", {"Reverse", "Home"}, 11, 0x40},
    {1031, "CW ID", {}, 11, 0x80},
    {1131, "Mode", {"Code", "Memory"}, 12, 0x08},
    {1062, "Beep", {"Off", "Key", "Key+Scan"}, 12, 0xA0, 0, {0x00, 0x20, 0xA0}},
    {1213, "Band Edge Beep", {}, 12, 0x40},
    {1210, "Priority Revert", {}, 13, 0x10},
    {1208, "Smart Search", {"Single", "Continuous"}, 13, 0x20},
    {1335, "DCS Polarity", {"T/RX Normal", "RX Reverse", "TX Reverse", "T/RX Reverse"}, 13, 0xC0},
    {1100, "Mode", {"Off", "Always", "In Range"}, 14, 0x03},
    {1140, "Scan Resume", {"Time", "Hold", "Busy"}, 14, 0x0C},
    {1134, "Microphone", {"MH-42", "MH-48"}, 14, 0x10},
};

// The DTMF dialog's two choices.
inline const std::vector<Control> kDtmf{
    {1129, "DTMF Delay", {"50 ms", "100 ms", "250 ms", "450 ms", "750 ms", "1 sec"}, 13, 0x07},
    {1130, "DTMF Speed", {"50 ms", "75 ms", "100 ms"}, 12, 0x03},
};

// Where the parts of the settings block sit in the clone image.
inline constexpr int kImageSetMode = 56; // block bytes 0-15
inline constexpr int kImageCwId = 578;   // block bytes 16-21
inline constexpr int kImageDtmf = 200;   // block bytes 22-277
inline constexpr int kFileBlock = 80;    // the block in a setting file

} // namespace facts
