#pragma once
// The commands of ostrel-cli, each a function of its arguments that writes to
// the given streams and returns the exit code: 0 done, 1 failed (the system's
// own message on the error stream), 2 wrong usage.

// std
#include <ostream>
#include <string>
#include <vector>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs the command named by args[0] with the rest of args.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

void PrintUsage(std::ostream& out);

} // namespace cli
