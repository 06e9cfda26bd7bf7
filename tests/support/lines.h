#pragma once
// A text cut into its lines (the line ends dropped).

// std
#include <sstream>
#include <string>
#include <vector>

namespace test_support {

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace test_support
