#pragma once
// Runs ostrel-cli in process and keeps what it printed and its exit code.

// std
#include <sstream>
#include <string>
#include <vector>

// project
#include "cli/commands.h"

namespace test_support {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace test_support
