#include "app/version.h"

// std
#include <cstdio>

namespace app {

const char* ProgramVersion()
{
    return OSTREL_VERSION;
}

std::string VersionLine(const std::string& version)
{
    std::string line = "Ostrel Version";
    unsigned parts[4] = {};
    int consumed = 0;
    const int matched = std::sscanf(version.c_str(), "%5u.%5u.%5u.%5u%n", &parts[0], &parts[1], &parts[2],
                                    &parts[3], &consumed);
    const bool words = parts[0] <= 0xFFFF && parts[2] <= 0xFFFF && version.find('-') == std::string::npos;
    if (matched != 4 || static_cast<std::size_t>(consumed) != version.size() || !words) {
        line += " Demo";
        return line;
    }
    char number[32];
    std::snprintf(number, sizeof number, " %u.%02u", parts[0], parts[2]);
    return line + number;
}

} // namespace app
