#pragma once
// The version line of the About box.

// std
#include <string>

namespace app {

// The program's version as the build gives it ("2.0.32.0").
const char* ProgramVersion();

// "Ostrel Version" followed by " major.third" with the third part in two digits
// ("2.0.32.0" gives "Ostrel Version 2.32"); " Demo" instead when the version
// has no four numeric parts.
std::string VersionLine(const std::string& version);

} // namespace app
