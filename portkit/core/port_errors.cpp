#include "portkit/core/port_errors.h"

// portkit
#include "portkit/core/port_names.h"

// system
#include <grp.h>
#include <sys/stat.h>

// std
#include <cerrno>
#include <cstring>

namespace portkit {

std::string OwningGroup(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    group entry{};
    group* found = nullptr;
    char buffer[4096];
    if (::getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || found == nullptr)
        return {};
    return found->gr_name;
}

namespace {

std::string PermissionText(int n, const std::string& path)
{
    const std::string group = OwningGroup(path);
    const std::string member = group.empty() ? std::string("the group that owns ") + path
                                             : "the group \"" + group + "\", which owns " + path;
    return DeviceName(n) + ": Permission denied. To use this port your user must be a member of " +
           member + ". Add your user to that group, then log out and log in again.";
}

} // namespace

std::string OpenErrorText(int n, const std::string& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
    case ELOOP:
        return DeviceName(n) + ": Invalid or unsupported port.";
    case EBUSY:
        return DeviceName(n) + ": Is already open.";
    case EACCES:
    case EPERM:
        return PermissionText(n, path);
    default:
        return DeviceName(n) + ":  Unknown error #-" + std::to_string(error) + ".";
    }
}

std::string LowLatencyText(int refused)
{
    if (refused == 0)
        return "low latency taken by the driver";
    return "low latency refused by the driver (" + SystemErrorText(refused) + ")";
}

std::string SystemErrorText(int error)
{
    return std::strerror(error);
}

} // namespace portkit
