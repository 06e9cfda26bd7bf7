#include "portkit/core/port_doctor.h"

// portkit
#include "portkit/core/device.h"
#include "portkit/core/port_diagnosis.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/port_names.h"
#include "portkit/core/system_view.h"

// std
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>

namespace portkit {
namespace {

// The chip makers of USB serial cables, and the drivers their chips need.
struct ChipMaker {
    const char* vendor;
    const char* module;       // for modprobe
    const char* serialDriver; // under /sys/bus/usb-serial/drivers
};
constexpr ChipMaker kChipMakers[] = {
    {"0403", "ftdi_sio", "ftdi_sio"},
    {"067b", "pl2303", "pl2303"},
    {"10c4", "cp210x", "cp210x"},
    {"1a86", "ch341", "ch341-uart"},
};

struct KnownChip {
    UsbIds ids;
    const char* name;
};
// Chips often sold as counterfeits, which drop bytes or stop part-way.
const KnownChip kCounterfeitProne[] = {{{"067b", "2303"}, "PL2303"}, {{"0403", "6001"}, "FT232R"}};
// Chips whose ids a braille display driver's udev rules may claim.
const KnownChip kBrailleClaimed[] = {
    {{"1a86", "7523"}, "CH340"}, {{"1a86", "5523"}, "CH341"}, {{"10c4", "ea60"}, "CP210x"}, {{"10c4", "ea70"}, "CP2105"}};

constexpr const char* kPackageRule = "60-ostrel-serial.rules";
constexpr const char* kModemManager = "ModemManager";
constexpr const char* kBraille = "brltty";
constexpr const char* kBrailleBinaries[] = {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty", "/sbin/brltty"};
// Sent with --echo; the radio's data line gives every byte back.
constexpr unsigned char kEchoBytes[] = {0x55, 0xAA, 0x0F, 0xF0};
constexpr int kEchoWaitMs = 500;

DoctorLine Ok(std::string text)
{
    return {Finding::Ok, std::move(text)};
}
DoctorLine Problem(std::string text)
{
    return {Finding::Problem, std::move(text)};
}
DoctorLine Note(std::string text)
{
    return {Finding::Note, std::move(text)};
}

std::string IdsText(const UsbIds& ids)
{
    return ids.vendor + ":" + ids.product;
}

const ChipMaker* MakerOf(const std::string& vendor)
{
    for (const ChipMaker& maker : kChipMakers)
        if (vendor == maker.vendor)
            return &maker;
    return nullptr;
}

std::string PidsText(const std::vector<int>& pids)
{
    std::string text;
    for (int pid : pids)
        text += (text.empty() ? "" : ", ") + std::to_string(pid);
    return text;
}

bool Contains(std::string text, const std::string& lowerWord)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find(lowerWord) != std::string::npos;
}

// ---- the port ----------------------------------------------------------------------------

// The cure for a port that cannot be used, where its reason gives none.
std::string PortCure(const PortDiagnosis& d)
{
    if (d.device.empty() || !d.exists)
        return "; plug the cable in, or choose the port it is on in Com port setup.";
    if (d.openError == EBUSY)
        return "; close that program, then try again.";
    if (d.permitted && d.openError != 0)
        return "; choose the cable's port in Com port setup.";
    return "."; // the reason names its cure
}

DoctorLine PortLine(const PortDiagnosis& d)
{
    const std::string text = DiagnosisText(d);
    if (DiagnosisReason(d).empty())
        return Ok(text);
    return Problem(text + PortCure(d));
}

// ---- the chip ----------------------------------------------------------------------------

void CheckChip(const std::string& port, const UsbSerialChip& chip, const std::string& node,
               std::vector<DoctorLine>& lines)
{
    if (!chip.usb) {
        lines.push_back(Ok(port + " is not on a USB serial chip (" + node + "): no chip to check."));
        return;
    }
    lines.push_back(Ok(port + " USB serial chip " + IdsText(chip.ids) + " \"" + chip.productText + "\", driver " +
                       (chip.driver.empty() ? std::string("unknown") : chip.driver) + "."));
    for (const KnownChip& known : kCounterfeitProne) {
        if (known.ids.vendor == chip.ids.vendor && known.ids.product == chip.ids.product)
            lines.push_back(Note(port + " chip " + IdsText(chip.ids) + " (" + known.name +
                                 ") is often sold counterfeit, and counterfeits drop bytes: if clones fail "
                                 "part-way, try a cable with another chip."));
    }
}

std::string NewIdCure(const UnclaimedUsbDevice& device)
{
    const std::string ids = device.ids.vendor + " " + device.ids.product;
    if (const ChipMaker* maker = MakerOf(device.ids.vendor))
        return std::string("sudo modprobe ") + maker->module + " && echo " + ids +
               " | sudo tee /sys/bus/usb-serial/drivers/" + maker->serialDriver + "/new_id";
    return "load the driver of its chip and write \"" + ids + "\" to that driver's new_id under /sys/bus/usb-serial/drivers";
}

// A USB serial device that no driver took has no port at all.
void CheckUnclaimed(const std::string& root, std::vector<DoctorLine>& lines)
{
    bool any = false;
    for (const UnclaimedUsbDevice& device : UnclaimedUsbDevices(root)) {
        if (MakerOf(device.ids.vendor) == nullptr && !Contains(device.productText, "serial") &&
            !Contains(device.productText, "uart"))
            continue;
        any = true;
        lines.push_back(Problem("USB device " + device.busId + " " + IdsText(device.ids) + " \"" +
                                device.productText + "\" is plugged in but no driver took it, so it has no port: " +
                                NewIdCure(device) + "."));
    }
    if (!any)
        lines.push_back(Ok("Every USB serial device plugged in has a driver."));
}

// ---- other programs ----------------------------------------------------------------------

// The rule file that keeps ModemManager off a device with ids, empty for none.
std::string ModemManagerRule(const std::vector<RuleLine>& rules, const UsbIds& ids)
{
    for (const RuleLine& rule : rules)
        if (RuleAssigns(rule.text, "ENV{ID_MM_DEVICE_IGNORE}", "1") && RuleMatchesIds(rule.text, ids))
            return rule.file;
    return {};
}

void CheckModemManager(const std::string& root, const UsbSerialChip& chip,
                       const std::vector<RuleLine>& rules, std::vector<DoctorLine>& lines)
{
    const std::vector<int> pids = ProcessesNamed(root, kModemManager);
    if (pids.empty()) {
        lines.push_back(Ok("ModemManager is not running."));
        return;
    }
    const std::string running = "ModemManager is running (" + PidsText(pids) + ")";
    if (!chip.usb) {
        lines.push_back(Note(running + "; whether a udev rule keeps it off the cable shows only when the port is "
                             "a USB serial device."));
        return;
    }
    if (const std::string file = ModemManagerRule(rules, chip.ids); !file.empty()) {
        lines.push_back(Ok(running + " but the udev rule " + file + " keeps it off " + IdsText(chip.ids) + "."));
        return;
    }
    lines.push_back(Problem(running + " and no udev rule keeps it off " + IdsText(chip.ids) +
                            ", so it may probe the cable during a clone: install the package's rule " +
                            kPackageRule + " in /etc/udev/rules.d, then plug the cable in again."));
}

bool BrailleInstalled(const std::string& root)
{
    for (const char* binary : kBrailleBinaries)
        if (std::FILE* file = std::fopen(UnderRoot(root, binary).c_str(), "r")) {
            std::fclose(file);
            return true;
        }
    return false;
}

void CheckBraille(const std::string& root, const std::vector<RuleLine>& rules, std::vector<DoctorLine>& lines)
{
    if (!BrailleInstalled(root)) {
        lines.push_back(Ok("brltty is not installed."));
        return;
    }
    for (const RuleLine& rule : rules) {
        if (rule.file.find(kBraille) == std::string::npos)
            continue;
        for (const KnownChip& chip : kBrailleClaimed) {
            if (!RuleMatchesIds(rule.text, chip.ids))
                continue;
            lines.push_back(Problem("brltty is installed and its udev rule " + rule.file + " claims " + chip.name +
                                    " cables (" + IdsText(chip.ids) +
                                    "), which then vanish right after plugging: remove brltty if no braille "
                                    "display is used, or switch the rule off with sudo ln -s /dev/null "
                                    "/etc/udev/rules.d/" + rule.file + "."));
            return;
        }
    }
    lines.push_back(Ok("brltty is installed; its udev rules leave CH340 and CP210x cables alone."));
}

void CheckLatency(const std::string& port, const UsbSerialChip& chip, std::vector<DoctorLine>& lines)
{
    if (chip.latencyMs < 0)
        return;
    const std::string timer = port + " latency timer " + std::to_string(chip.latencyMs) + " ms";
    if (chip.latencyMs <= 1) {
        lines.push_back(Ok(timer + "."));
        return;
    }
    lines.push_back(Note(timer + ": every acknowledged block waits that long for its answer, about " +
                         std::to_string((chip.latencyMs * 495 + 500) / 1000) + " s more per clone; the package's udev rule " +
                         kPackageRule + " sets it to 1 ms (install it in /etc/udev/rules.d and plug the cable in "
                         "again)."));
}

// ---- the line ----------------------------------------------------------------------------

std::string HexText(const unsigned char* bytes, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        text += (i == 0 ? "" : " ") + std::string(hex);
    }
    return text;
}

// What came back of the echo bytes within the wait, at most as many as were sent.
int ReceiveEcho(int fd, unsigned char* got)
{
    const int want = static_cast<int>(sizeof kEchoBytes);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kEchoWaitMs);
    int have = 0;
    while (have < want && std::chrono::steady_clock::now() < until) {
        int error = 0;
        const int n = ReceiveSome(fd, got + have, want - have, 20, &error);
        if (n < 0)
            break;
        have += n;
    }
    return have;
}

DoctorLine EchoLine(const std::string& port, int fd)
{
    const int sent = static_cast<int>(sizeof kEchoBytes);
    DiscardQueues(fd);
    if (const int error = SendAll(fd, kEchoBytes, sent, 9600); error != 0)
        return Problem(port + " takes no bytes (" + SystemErrorText(error) + "): check the cable and its port.");
    unsigned char got[sizeof kEchoBytes] = {};
    const int have = ReceiveEcho(fd, got);
    const std::string what = std::to_string(sent) + " bytes sent (" + HexText(kEchoBytes, sent) + ")";
    if (have == sent && std::equal(got, got + have, kEchoBytes))
        return Ok(port + " echo: the " + what + " came back.");
    if (have == 0)
        return Problem(port + " echo: nothing came back of " + what +
                       ": put the cable in the radio's data jack, switch the radio on, and check that this is "
                       "the cable's port.");
    return Problem(port + " echo: " + what + " came back as " + HexText(got, have) +
                   ": the cable is faulty or another device answers on this port.");
}

void CheckLine(const std::string& port, const std::string& node, bool echo, std::vector<DoctorLine>& lines)
{
    const OpenResult opened = OpenExclusive(node);
    if (opened.fd < 0) {
        lines.push_back(Problem(port + " does not open (" + SystemErrorText(opened.error) +
                                "): choose the cable's port in Com port setup."));
        return;
    }
    LineSettings settings; // 9600 baud, 8 data bits, no parity, 2 stop bits
    if (const int refused = ApplyLineSettings(opened.fd, settings); refused != 0) {
        lines.push_back(Problem(port + " does not take 9600 8N2 (" + SystemErrorText(refused) +
                                "): this is no serial line; choose the cable's port in Com port setup."));
    } else {
        lines.push_back(Ok(port + " opens at 9600 8N2; " + LowLatencyText(RequestLowLatency(opened.fd)) + "."));
        if (echo)
            lines.push_back(EchoLine(port, opened.fd));
    }
    CloseDevice(opened.fd);
}

} // namespace

std::vector<DoctorLine> ExamineConnection(const DoctorRequest& request)
{
    std::vector<DoctorLine> lines;
    const std::string& root = request.root;
    const std::string port = DeviceName(request.port);
    UsbSerialChip chip;
    if (request.port <= 0) {
        lines.push_back(Problem("No com port selected: choose one in Com port setup (or give --port N)."));
    } else {
        const DeviceNode node = LocateDevice(root, DevicePath(request.port));
        const PortDiagnosis d = DiagnosePortAt(request.port, node.path, UnderRoot(root, "/proc"));
        lines.push_back(PortLine(d));
        if (d.exists) {
            chip = ChipOfTty(root, node.tty);
            CheckChip(port, chip, node.path, lines);
            CheckLatency(port, chip, lines);
        }
        if (DiagnosisReason(d).empty())
            CheckLine(port, node.path, request.echo, lines);
    }
    CheckUnclaimed(root, lines);
    const std::vector<RuleLine> rules = RulesInForce(root);
    CheckModemManager(root, chip, rules, lines);
    CheckBraille(root, rules, lines);
    return lines;
}

std::string DoctorLineText(const DoctorLine& line)
{
    switch (line.finding) {
    case Finding::Ok:
        return "OK      " + line.text;
    case Finding::Problem:
        return "PROBLEM " + line.text;
    case Finding::Note:
        break;
    }
    return "NOTE    " + line.text;
}

bool AnyProblem(const std::vector<DoctorLine>& lines)
{
    return std::any_of(lines.begin(), lines.end(), [](const DoctorLine& l) { return l.finding == Finding::Problem; });
}

} // namespace portkit
