#include "radio/settings_controls.h"

// Project
#include "radio/bit_field.h"
#include "radio/settings_text.h"

// Standard library
#include <algorithm>
#include <bit>
#include <cstdio>

namespace radio {
namespace {

using Items = std::vector<std::string>;

// "0ff" with a zero is the dialog's own item text.
Items AutoPowerOffItems()
{
    Items items{"0ff"};
    for (int halves = 1; halves <= 24; ++halves) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%d %s", halves / 2, halves % 2 * 5,
                      halves <= 2 ? "Hour" : "Hours");
        items.emplace_back(text);
    }
    return items;
}

Items TimeOutItems()
{
    Items items{"Off", "1 Minute"};
    for (int minutes = 2; minutes <= 30; ++minutes)
        items.push_back(std::to_string(minutes) + " Minutes");
    return items;
}

Items SquelchItems()
{
    Items items{"Off"};
    for (int s = 2; s <= 9; ++s)
        items.push_back("S-" + std::to_string(s));
    items.emplace_back("S-Full");
    return items;
}

Items HexDigitItems()
{
    Items items;
    for (const char c : std::string("0123456789ABCDEF"))
        items.emplace_back(1, c);
    return items;
}

Items DtmfMemoryItems()
{
    Items items;
    for (int m = 1; m <= kDtmfCount; ++m)
        items.push_back("D" + std::to_string(m));
    return items;
}

const Items kKeyFunctions{"Priority", "Low",    "Tone", "MHz",     "Reverse", "Home",
                          "Band",     "VFO/MR", "Scan", "Sql Off", "TCall",   "SSCH",
                          "ARTS",     "TN FQ",  "DCSC", "Weather", "Repeater"};
constexpr int kKeyFunctionBase = 26; // "Priority" is stored as 26

SettingControl Check(int id, const char* label, std::size_t byte, int bit)
{
    return {id, label, ControlKind::Check, {}, byte, static_cast<std::uint8_t>(1u << bit)};
}

SettingControl Combo(int id, const char* label, Items items, std::size_t byte, std::uint8_t mask,
                     int offset = 0)
{
    return {id, label, ControlKind::Combo, std::move(items), byte, mask, offset};
}

SettingControl Patterned(int id, const char* label, Items items, std::size_t byte,
                         std::vector<std::uint8_t> patterns)
{
    std::uint8_t mask = 0;
    for (const std::uint8_t bits : patterns)
        mask |= bits;
    return {id, label, ControlKind::Combo, std::move(items), byte, mask, 0, std::move(patterns)};
}

std::vector<SettingControl> BuildSettingsDialogControls()
{
    return {
        Combo(1061, "Auto Power Off", AutoPowerOffItems(), 2, 0xFF),
        Combo(1138, "Time Out Timer", TimeOutItems(), 3, 0xFF),
        Combo(1209, "Prg Panel [Low(ACC)]",
              {"Weather", "Reverse", "Repeater", "Squelch Off", "Lock", "Dimmer"}, 4, 0x07),
        Combo(1207, "Interval", {"25 Seconds", "15 Seconds"}, 4, 0x10),
        Combo(1039, "Lock", {"Off", "Key", "Dial", "Key + Dial", "PTT", "PTT + Key", "PTT + Dial", "All"}, 4,
              0xE0),
        Combo(1124, "P1", kKeyFunctions, 5, 0xFF, kKeyFunctionBase),
        Combo(1142, "P2", kKeyFunctions, 6, 0xFF, kKeyFunctionBase),
        Combo(1143, "P3", kKeyFunctions, 7, 0xFF, kKeyFunctionBase),
        Combo(1144, "P4", kKeyFunctions, 8, 0xFF, kKeyFunctionBase),
        Combo(1141, "RF Squelch", SquelchItems(), 9, 0xFF),
        Combo(1155, "DTMF Digit", HexDigitItems(), 10, 0x0F),
        Combo(1156, "DTMF Memory", DtmfMemoryItems(), 10, 0xF0),
        Combo(1125, "Dimmer", {"Off", "Dim 1", "Dim 2", "Dim 3"}, 11, 0x03),
        Check(1212, "Memory Only", 11, 2),
        // Bits 3 and 4 are one choice: each item clears the other's bit, so
        // that any item read back is the one chosen.
        Patterned(1032, "Hyper Write", {"Manual", "1-Auto", "Auto"}, 11, {0x00, 0x10, 0x08}),
        Combo(1211, "TONE | V/M", {"Reverse", "Home"}, 11, 0x40),
        Check(1031, "CW ID", 11, 7),
        Combo(1131, "Mode", {"Code", "Memory"}, 12, 0x08),
        // Bit 5 turns the beep on, bit 7 adds the scan beep; "Key" clears bit 7.
        Patterned(1062, "Beep", {"Off", "Key", "Key+Scan"}, 12, {0x00, 0x20, 0xA0}),
        Check(1213, "Band Edge Beep", 12, 6),
        Check(1210, "Priority Revert", 13, 4),
        Combo(1208, "Smart Search", {"Single", "Continuous"}, 13, 0x20),
        Combo(1335, "DCS Polarity", {"T/RX Normal", "RX Reverse", "TX Reverse", "T/RX Reverse"}, 13, 0xC0),
        Combo(1100, "Mode", {"Off", "Always", "In Range"}, 14, 0x03),
        Combo(1140, "Scan Resume", {"Time", "Hold", "Busy"}, 14, 0x0C),
        Combo(1134, "Microphone", {"MH-42", "MH-48"}, 14, 0x10),
    };
}

std::vector<SettingControl> BuildDtmfDialogControls()
{
    std::vector<SettingControl> controls{
        Combo(1129, "DTMF Delay", {"50 ms", "100 ms", "250 ms", "450 ms", "750 ms", "1 sec"}, 13, 0x07),
        Combo(1130, "DTMF Speed", {"50 ms", "75 ms", "100 ms"}, 12, 0x03),
    };
    for (SettingControl& control : controls)
        control.noneClears = true;
    return controls;
}

int UnpackPattern(const SettingControl& control, std::uint8_t byte)
{
    int best = -1;
    int bestCount = -1;
    for (std::size_t i = 0; i < control.patterns.size(); ++i) {
        const std::uint8_t bits = control.patterns[i];
        const int count = std::popcount(static_cast<unsigned>(bits));
        if ((byte & bits) == bits && count > bestCount) {
            best = static_cast<int>(i);
            bestCount = count;
        }
    }
    return best;
}

} // namespace

const std::vector<SettingControl>& SettingsDialogControls()
{
    static const std::vector<SettingControl> controls = BuildSettingsDialogControls();
    return controls;
}

const std::vector<SettingControl>& DtmfDialogControls()
{
    static const std::vector<SettingControl> controls = BuildDtmfDialogControls();
    return controls;
}

const SettingControl* FindSettingControl(int id)
{
    for (const auto* table : {&SettingsDialogControls(), &DtmfDialogControls()}) {
        const auto found =
            std::find_if(table->begin(), table->end(), [id](const SettingControl& c) { return c.id == id; });
        if (found != table->end())
            return &*found;
    }
    return nullptr;
}

int UnpackControl(const SettingControl& control, ConstSettingsBlockView block)
{
    const std::uint8_t byte = block[control.byte];
    if (!control.patterns.empty())
        return UnpackPattern(control, byte);
    const int value = GetBits(byte, control.mask) - control.offset;
    return value >= 0 && value < control.ItemCount() ? value : -1;
}

void PackControl(const SettingControl& control, int value, SettingsBlockView block)
{
    std::uint8_t& byte = block[control.byte];
    if (value < 0 || value >= control.ItemCount()) {
        if (control.noneClears)
            byte = static_cast<std::uint8_t>(byte & ~control.mask);
        return;
    }
    if (control.patterns.empty())
        SetBits(byte, control.mask, static_cast<unsigned>(value + control.offset));
    else
        SetMaskedBits(byte, control.mask, control.patterns[static_cast<std::size_t>(value)]);
}

SettingsControlValues ControlValuesFromBlock(ConstSettingsBlockView block)
{
    SettingsControlValues values;
    for (const SettingControl& control : SettingsDialogControls())
        values.choices[control.id] = UnpackControl(control, block);
    values.cwId = CwIdFromBlock(block);
    return values;
}

bool PackControlValues(const SettingsControlValues& values, SettingsBlockView block)
{
    for (const SettingControl& control : SettingsDialogControls()) {
        const auto found = values.choices.find(control.id);
        if (found != values.choices.end())
            PackControl(control, found->second, block);
    }
    return StoreCwId(values.cwId, block);
}

CollectResult CollectControls(const SettingsControlValues& values, SettingsBlock& comparison,
                              SettingsRecord& record)
{
    CollectResult result;
    result.cwIdAccepted = PackControlValues(values, comparison);
    const SettingsBlockView current = record.Block();
    if (!std::equal(comparison.begin(), comparison.end(), current.begin())) {
        std::copy(comparison.begin(), comparison.end(), current.begin());
        result.changed = true;
    }
    return result;
}

} // namespace radio
