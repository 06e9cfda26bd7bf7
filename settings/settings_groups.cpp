#include "settings/settings_groups.h"

// Project
#include "radio/settings_controls.h"

namespace settings {

const std::vector<SettingsGroup>& SettingsGroups()
{
    static const std::vector<SettingsGroup> groups = {
        {"Power and timers", 0, {1061, 1138}},
        {"Keys and panel", 0, {1124, 1142, 1143, 1144, 1209, 1039, 1211, 1134}},
        {"Display and sound", 1, {1125, 1062, 1213}},
        {"Memory and scan", 1, {1212, 1032, 1140, 1208, 1210}},
        {"Squelch and DCS", 1, {1141, 1335}},
        {"ARTS", 2, {1100, 1207}},
        {"Internet", 2, {1131}},
        {"CW ID", 2, {1031, radio::kCwIdEditId}},
        {"DTMF", 2, {1155, 1156, radio::kDtmfButtonId}},
    };
    return groups;
}

} // namespace settings
