#include "portkit/core/port_diagnosis.h"

// portkit
#include "portkit/core/device.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/port_names.h"
#include "portkit/core/port_setup_model.h"

// system
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// std
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>

namespace portkit {
namespace {

// n of a "COM<n>" name, 0 for any other name.
int PortOfEntry(const std::string& name)
{
    if (name.size() < 4 || name.size() > 9 || name.rfind("COM", 0) != 0)
        return 0;
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

bool InGroupOfSession(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count)
        return std::find(groups.begin(), groups.end(), gid) != groups.end();
    return false;
}

// The user is listed as a member of the group in the group database.
bool ListedInGroup(gid_t gid)
{
    const passwd* user = ::getpwuid(::getuid());
    const group* entry = ::getgrgid(gid);
    if (user == nullptr || entry == nullptr)
        return false;
    if (user->pw_gid == gid)
        return true;
    for (char** member = entry->gr_mem; *member != nullptr; ++member)
        if (user->pw_name == std::string(*member))
            return true;
    return false;
}

std::string CommandOf(const std::filesystem::path& process)
{
    std::ifstream in(process / "comm");
    std::string command;
    std::getline(in, command);
    return command;
}

constexpr const char* kMissing = "missing: nothing is plugged in there";

std::string HoldersText(const std::vector<PortHolder>& holders)
{
    std::string text;
    for (const PortHolder& h : holders)
        text += (text.empty() ? "" : ", ") + std::to_string(h.pid) + " (" + h.command + ")";
    return text;
}

} // namespace

std::vector<int> MappedPorts()
{
    std::set<int> ports;
    for (int n = 1; n <= PortSetupModel::kScanLast; ++n)
        if (!DevicePath(n).empty())
            ports.insert(n);
    std::error_code ec;
    std::filesystem::directory_iterator it(PortFolder(), ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        if (const int n = PortOfEntry(it->path().filename().string()); n > 0)
            ports.insert(n);
    return {ports.begin(), ports.end()};
}

std::vector<PortHolder> DeviceHolders(const std::string& path, const std::string& procDir)
{
    std::vector<PortHolder> holders;
    struct stat device {};
    if (path.empty() || ::stat(path.c_str(), &device) != 0)
        return holders;
    std::error_code ec;
    std::filesystem::directory_iterator procs(procDir, ec);
    for (; !ec && procs != std::filesystem::directory_iterator(); procs.increment(ec)) {
        const std::string name = procs->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int pid = std::stoi(name);
        if (pid == ::getpid())
            continue;
        std::error_code fdError;
        std::filesystem::directory_iterator fds(procs->path() / "fd", fdError);
        for (; !fdError && fds != std::filesystem::directory_iterator(); fds.increment(fdError)) {
            struct stat open {};
            if (::stat(fds->path().c_str(), &open) == 0 && open.st_dev == device.st_dev &&
                open.st_ino == device.st_ino) {
                holders.push_back({pid, CommandOf(procs->path())});
                break;
            }
        }
    }
    return holders;
}

PortDiagnosis DiagnosePort(int n)
{
    return DiagnosePortAt(n, DevicePath(n), "/proc");
}

PortDiagnosis DiagnosePortAt(int n, const std::string& node, const std::string& procDir)
{
    PortDiagnosis d;
    d.port = n;
    d.device = DevicePath(n);
    if (d.device.empty())
        return d;
    std::error_code ec;
    if (std::filesystem::is_symlink(d.device, ec))
        d.linkTarget = std::filesystem::read_symlink(d.device, ec).string();
    struct stat info {};
    d.exists = ::stat(node.c_str(), &info) == 0;
    if (!d.exists) {
        d.openError = ENOENT;
        return d;
    }
    d.group = OwningGroup(node);
    d.permitted = ::access(node.c_str(), R_OK | W_OK) == 0;
    d.groupPendingLogin = !d.permitted && !InGroupOfSession(info.st_gid) && ListedInGroup(info.st_gid);
    d.holders = DeviceHolders(node, procDir);
    if (!d.permitted) {
        d.openError = EACCES;
        return d;
    }
    const OpenResult trial = OpenExclusive(node);
    d.openError = trial.error;
    CloseDevice(trial.fd);
    return d;
}

std::string DiagnosisReason(const PortDiagnosis& d)
{
    if (d.device.empty())
        return "no device: the number is not in the port folder or the built-in map";
    if (!d.exists)
        return kMissing + std::string(d.linkTarget.empty() ? "" : " (the link leads to " + d.linkTarget + ")");
    if (!d.permitted) {
        const std::string group = d.group.empty() ? "the device's group" : "the group \"" + d.group + "\"";
        if (d.groupPendingLogin)
            return "not allowed yet: your user is in " + group + " but this session is not; log out and log in again";
        return "not allowed: add your user to " + group + " (usermod -aG " +
               (d.group.empty() ? std::string("GROUP") : d.group) + " USER), then log out and log in again";
    }
    if (d.openError == EBUSY)
        return d.holders.empty() ? "held by another program" : "held by " + HoldersText(d.holders);
    if (d.openError != 0)
        return "cannot be opened: " + SystemErrorText(d.openError);
    return {};
}

std::string DiagnosisText(const PortDiagnosis& d)
{
    if (d.device.empty())
        return DeviceName(d.port) + ": " + DiagnosisReason(d);
    std::string text = DeviceName(d.port) + " " + d.device;
    if (!d.linkTarget.empty())
        text += " -> " + d.linkTarget;
    if (!d.exists)
        return text + ": " + kMissing;
    const std::string reason = DiagnosisReason(d);
    text += ": present, group " + (d.group.empty() ? std::string("unknown") : d.group);
    if (!reason.empty())
        return text + ", " + reason;
    text += ", may open";
    if (!d.holders.empty())
        text += ", also open in " + HoldersText(d.holders);
    return text;
}

} // namespace portkit
