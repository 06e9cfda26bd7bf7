#include "radio/hyper_texts.h"

// std
#include <cstdio>

// project
#include "radio/lists.h"

namespace radio {

std::vector<std::string> HyperSettingEntries(const HyperSettingText& text)
{
    std::vector<std::string> entries = text.items[0] != '\0' ? SplitList(text.items) : std::vector<std::string>{};
    for (int n = 1; n <= text.numbered; ++n) {
        char entry[32];
        std::snprintf(entry, sizeof entry, text.numberFormat, n);
        entries.emplace_back(entry);
    }
    return entries;
}

} // namespace radio
