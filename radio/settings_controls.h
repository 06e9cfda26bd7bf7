#pragma once
// The controls of the Settings and DTMF dialogs as data: which byte and bits
// of the settings block each control owns and how its items are stored, with
// the functions that fill control values from a block and pack them back.

// Project
#include "radio/settings_record.h"

// Standard library
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace radio {

enum class ControlKind { Combo, Check };

struct SettingControl {
    int id;
    std::string label;
    ControlKind kind;
    std::vector<std::string> items; // empty for check boxes
    std::size_t byte;               // block byte
    std::uint8_t mask;              // bits of that byte the control owns
    int offset = 0;                 // stored number = item index + offset
    // When not empty: the bits (within mask) stored for each item, for
    // controls whose items are not a plain number. Reading picks the item
    // whose bits are all set and that has the most of them (ties: lower index).
    std::vector<std::uint8_t> patterns = {};
    // What an unselected combo (-1) does: keep the bits, or clear them.
    bool noneClears = false;

    int ItemCount() const { return kind == ControlKind::Check ? 2 : static_cast<int>(items.size()); }
};

// Controls of the Settings dialog, in the dialog's order.
const std::vector<SettingControl>& SettingsDialogControls();
// The delay and speed combos of the DTMF dialog.
const std::vector<SettingControl>& DtmfDialogControls();
// The control with this id in either table, or nullptr.
const SettingControl* FindSettingControl(int id);

// Controls that are not tied to a block field by the tables above.
inline constexpr int kCwIdEditId = 1127;   // CW ID text, bytes 16-21
inline constexpr int kDtmfButtonId = 1003; // opens the DTMF dialog
inline constexpr int kDtmfGridId = 1;      // the DTMF dialog's memory grid
inline constexpr const char* kDtmfHint = "Use E for * and F for #";

// The control's value in the block: the item index, 0/1 for a check box, or
// -1 when the stored bits match no item.
int UnpackControl(const SettingControl& control, ConstSettingsBlockView block);
// Stores a value into the control's bits; other bits are kept. A value that
// is no item (-1 for an unselected combo) changes nothing unless the control
// says that no selection clears its bits.
void PackControl(const SettingControl& control, int value, SettingsBlockView block);

// The values of a whole dialog: control id -> value, and the CW ID text.
struct SettingsControlValues {
    std::map<int, int> choices;
    std::string cwId;
};

SettingsControlValues ControlValuesFromBlock(ConstSettingsBlockView block);
// Packs every value of the Settings dialog into the block. Returns false when
// the CW ID text was refused; its bytes are then left as they were.
bool PackControlValues(const SettingsControlValues& values, SettingsBlockView block);

struct CollectResult {
    bool changed = false; // the record took a new block
    bool cwIdAccepted = true;
};

// Packs the controls into the dialog's comparison copy and, when that copy
// now differs from the record's block, copies it into the record.
CollectResult CollectControls(const SettingsControlValues& values, SettingsBlock& comparison,
                              SettingsRecord& record);

} // namespace radio
