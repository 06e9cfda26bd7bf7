#include "portkit/core/port_names.h"

// platform
#include "platform/registry.h"

// system
#include <sys/stat.h>

// std
#include <array>
#include <cstdlib>

namespace portkit {
namespace {

struct DeviceRange {
    int firstPort;
    int lastPort;
    const char* prefix; // device of firstPort is prefix + "0"
};

constexpr std::array<DeviceRange, 3> kBuiltInMap{{
    {1, 8, "/dev/ttyUSB"},
    {9, 16, "/dev/ttyACM"},
    {17, 48, "/dev/ttyS"},
}};

const char* OverrideFolder()
{
    const char* dir = std::getenv("PORTKIT_PORT_DIR");
    return dir != nullptr && dir[0] != '\0' ? dir : nullptr;
}

std::string BuiltInDevice(int n)
{
    for (const DeviceRange& range : kBuiltInMap) {
        if (n >= range.firstPort && n <= range.lastPort)
            return range.prefix + std::to_string(n - range.firstPort);
    }
    return {};
}

bool EntryExists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

std::string DeviceName(int n)
{
    return "COM" + std::to_string(n);
}

std::string PortFolder()
{
    if (const char* dir = OverrideFolder())
        return dir;
    return platform::ConfigHome() + "/Quillon/ports";
}

std::string DevicePath(int n)
{
    if (n <= 0)
        return {};
    const std::string entry = PortFolder() + "/" + DeviceName(n);
    if (EntryExists(entry))
        return entry;
    if (OverrideFolder() != nullptr)
        return {};
    return BuiltInDevice(n);
}

} // namespace portkit
