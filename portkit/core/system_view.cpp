#include "portkit/core/system_view.h"

// system
#include <fnmatch.h>

// std
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

namespace portkit {
namespace {

namespace fs = std::filesystem;

// The first line of a file, without surrounding blanks; empty when unreadable.
std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The name a driver link leads to, empty without one.
std::string DriverOf(const fs::path& device)
{
    std::error_code ec;
    const fs::path target = fs::read_symlink(device / "driver", ec);
    return ec ? std::string() : target.filename().string();
}

UsbIds IdsOf(const fs::path& usbDevice)
{
    return {Lower(FirstLine(usbDevice / "idVendor")), Lower(FirstLine(usbDevice / "idProduct"))};
}

// The nearest folder at or above dir that is a USB device (has idVendor),
// without leaving root; empty when there is none.
fs::path UsbDeviceAbove(fs::path dir, const fs::path& root)
{
    std::error_code ec;
    for (; !dir.empty() && dir != dir.root_path(); dir = dir.parent_path()) {
        if (dir == root)
            break;
        if (fs::exists(dir / "idVendor", ec))
            return dir;
    }
    return {};
}

// The folders udev reads rules from, the first one winning for a file name.
constexpr std::array<const char*, 4> kRuleFolders{
    {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"}};

// One test or assignment of a rule line: KEY{attr} op "value".
struct RuleTerm {
    std::string key;
    std::string op;
    std::string value;
};

std::vector<RuleTerm> TermsOf(const std::string& line)
{
    static const std::regex term(R"re(([A-Za-z_]+(\{[^}]*\})?)\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)")re");
    std::vector<RuleTerm> terms;
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return terms;
    for (std::sregex_iterator it(line.begin(), line.end(), term), end; it != end; ++it)
        terms.push_back({(*it)[1].str(), (*it)[3].str(), (*it)[4].str()});
    return terms;
}

// A rule value: glob patterns separated by '|', hex compared without case.
bool ValueMatches(const std::string& patterns, const std::string& text)
{
    std::size_t from = 0;
    while (true) {
        const std::size_t bar = patterns.find('|', from);
        const std::string one = patterns.substr(from, bar == std::string::npos ? std::string::npos : bar - from);
        if (::fnmatch(one.c_str(), text.c_str(), FNM_CASEFOLD) == 0)
            return true;
        if (bar == std::string::npos)
            return false;
        from = bar + 1;
    }
}

std::string WithoutLeadingZeros(const std::string& hex)
{
    const auto first = hex.find_first_not_of('0');
    return first == std::string::npos ? "0" : hex.substr(first);
}

// Whether an id test holds for ids; false in *isIdTest for other tests.
bool IdTestHolds(const RuleTerm& t, const UsbIds& ids, bool* isIdTest)
{
    *isIdTest = true;
    bool matches = false;
    if (t.key == "ATTRS{idVendor}" || t.key == "ATTR{idVendor}" || t.key == "ENV{ID_VENDOR_ID}") {
        matches = ValueMatches(t.value, ids.vendor);
    } else if (t.key == "ATTRS{idProduct}" || t.key == "ATTR{idProduct}" || t.key == "ENV{ID_MODEL_ID}") {
        matches = ValueMatches(t.value, ids.product);
    } else if (t.key == "ENV{PRODUCT}") { // "vendor/product/release", hex without leading zeros
        const std::string product = WithoutLeadingZeros(ids.vendor) + "/" + WithoutLeadingZeros(ids.product);
        const std::size_t second = t.value.find('/', t.value.find('/') + 1);
        matches = ValueMatches(t.value.substr(0, second), product);
    } else {
        *isIdTest = false;
        return true;
    }
    return t.op == "!=" ? !matches : matches;
}

} // namespace

std::string UnderRoot(const std::string& root, const std::string& path)
{
    if (root.empty() || root == "/" || path.empty() || path[0] != '/')
        return path;
    return (fs::path(root) / fs::path(path).relative_path()).lexically_normal().string();
}

DeviceNode LocateDevice(const std::string& root, const std::string& devicePath)
{
    DeviceNode node;
    if (devicePath.empty())
        return node;
    std::error_code ec;
    // A port folder entry is the user's, not the system's: read as it is.
    fs::path at = fs::is_symlink(devicePath, ec) ? fs::path(devicePath) : fs::path(UnderRoot(root, devicePath));
    std::vector<std::string> names;
    for (int hop = 0; hop < 40; ++hop) {
        names.push_back(at.filename().string());
        if (!fs::is_symlink(at, ec))
            break;
        const fs::path target = fs::read_symlink(at, ec);
        at = target.is_absolute() ? fs::path(UnderRoot(root, target.string()))
                                  : (at.parent_path() / target).lexically_normal();
    }
    node.path = at.string();
    node.tty = names.back();
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (fs::exists(UnderRoot(root, "/sys/class/tty/" + *name), ec)) {
            node.tty = *name;
            break;
        }
    }
    return node;
}

UsbSerialChip ChipOfTty(const std::string& root, const std::string& tty)
{
    UsbSerialChip chip;
    std::error_code ec;
    const fs::path device = fs::canonical(UnderRoot(root, "/sys/class/tty/" + tty + "/device"), ec);
    if (ec || tty.empty())
        return chip;
    chip.driver = DriverOf(device);
    if (const std::string latency = FirstLine(device / "latency_timer"); !latency.empty())
        chip.latencyMs = std::atoi(latency.c_str());
    const fs::path usb = UsbDeviceAbove(device, fs::canonical(root.empty() ? "/" : root, ec));
    if (usb.empty())
        return chip;
    chip.usb = true;
    chip.ids = IdsOf(usb);
    chip.productText = FirstLine(usb / "product");
    return chip;
}

std::vector<UnclaimedUsbDevice> UnclaimedUsbDevices(const std::string& root)
{
    std::map<std::string, UnclaimedUsbDevice> found;
    std::error_code ec;
    fs::directory_iterator it(UnderRoot(root, "/sys/bus/usb/devices"), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(':') == std::string::npos || !DriverOf(it->path()).empty())
            continue; // a device, or an interface that a driver took
        std::error_code resolve;
        const fs::path usb = fs::canonical(it->path(), resolve).parent_path();
        if (resolve || !fs::exists(usb / "idVendor", resolve))
            continue;
        const std::string busId = usb.filename().string();
        found[busId] = {busId, IdsOf(usb), FirstLine(usb / "product")};
    }
    std::vector<UnclaimedUsbDevice> devices;
    for (auto& [busId, device] : found)
        devices.push_back(device);
    return devices;
}

std::vector<int> ProcessesNamed(const std::string& root, const std::string& name)
{
    std::vector<int> pids;
    std::error_code ec;
    fs::directory_iterator it(UnderRoot(root, "/proc"), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (FirstLine(it->path() / "comm") == name)
            pids.push_back(std::stoi(pid));
    }
    std::sort(pids.begin(), pids.end());
    return pids;
}

std::vector<RuleLine> RulesInForce(const std::string& root)
{
    std::map<std::string, fs::path> files; // by name: udev reads them in this order
    for (const char* folder : kRuleFolders) {
        std::error_code ec;
        fs::directory_iterator it(UnderRoot(root, folder), ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (it->path().extension() == ".rules" && files.count(name) == 0)
                files[name] = it->path();
        }
    }
    std::vector<RuleLine> lines;
    for (const auto& [name, path] : files) {
        std::ifstream in(path); // a link to /dev/null reads as empty
        for (std::string text; std::getline(in, text);)
            lines.push_back({name, text});
    }
    return lines;
}

bool RuleMatchesIds(const std::string& line, const UsbIds& ids)
{
    bool tested = false;
    for (const RuleTerm& t : TermsOf(line)) {
        if (t.op != "==" && t.op != "!=")
            continue;
        bool isIdTest = false;
        if (!IdTestHolds(t, ids, &isIdTest))
            return false;
        tested = tested || isIdTest;
    }
    return tested;
}

bool RuleAssigns(const std::string& line, const std::string& key, const std::string& value)
{
    const std::vector<RuleTerm> terms = TermsOf(line);
    return std::any_of(terms.begin(), terms.end(), [&](const RuleTerm& t) {
        return t.key == key && (t.op == "=" || t.op == ":=") && t.value == value;
    });
}

} // namespace portkit
