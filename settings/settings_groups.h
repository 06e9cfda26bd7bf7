#pragma once
// Where the Settings dialog places its controls: labelled groups in the order
// the radio's set menu reads, each naming its controls by id. The controls
// themselves (labels, items, bits) come from the settings control table.

// Standard library
#include <vector>

namespace settings {

struct SettingsGroup {
    const char* title;
    int column; // 0, 1 or 2, from left to right
    std::vector<int> ids;
};

const std::vector<SettingsGroup>& SettingsGroups();

} // namespace settings
