// The connection doctor read from made-up systems: a folder laid out like
// /sys, /proc, /dev and the udev rules folders, one case per problem. The
// port's device node in the made-up /dev leads to a pseudo-terminal, so the
// line checks run against a real terminal.

#include "portkit/core/port_doctor.h"

#include "portkit/pty_support.h"
#include "support/temp_config.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A made-up system root.
class FakeRoot {
public:
    const std::string& path() const { return dir_.path(); }

    void Write(const std::string& file, const std::string& text) const
    {
        const fs::path at = fs::path(path()) / file;
        fs::create_directories(at.parent_path());
        std::ofstream(at) << text;
    }
    void Link(const std::string& file, const std::string& target) const
    {
        const fs::path at = fs::path(path()) / file;
        fs::create_directories(at.parent_path());
        fs::remove(at);
        fs::create_symlink(target, at);
    }

    // A USB serial chip with its terminal, as sysfs shows one; latency -1 for
    // a driver without a latency timer.
    void UsbTty(const std::string& tty, const std::string& vendor, const std::string& product,
                const std::string& text, const std::string& driver, int latency) const
    {
        const std::string usb = "sys/devices/usb1/1-1/";
        Write(usb + "idVendor", vendor + "\n");
        Write(usb + "idProduct", product + "\n");
        Write(usb + "product", text + "\n");
        Link(usb + "1-1:1.0/driver", "../../../../bus/usb/drivers/" + driver);
        Link(usb + "1-1:1.0/" + tty + "/driver", "../../../../../bus/usb-serial/drivers/" + driver);
        if (latency >= 0)
            Write(usb + "1-1:1.0/" + tty + "/latency_timer", std::to_string(latency) + "\n");
        Link("sys/class/tty/" + tty + "/device", "../../../devices/usb1/1-1/1-1:1.0/" + tty);
        Link("sys/bus/usb/devices/1-1:1.0", "../../../devices/usb1/1-1/1-1:1.0");
    }
    // A USB device whose interface no driver took.
    void Unclaimed(const std::string& busId, const std::string& vendor, const std::string& product,
                   const std::string& text) const
    {
        const std::string usb = "sys/devices/usb1/" + busId + "/";
        Write(usb + "idVendor", vendor + "\n");
        Write(usb + "idProduct", product + "\n");
        Write(usb + "product", text + "\n");
        fs::create_directories(fs::path(path()) / (usb + busId + ":1.0"));
        Link("sys/bus/usb/devices/" + busId + ":1.0", "../../../devices/usb1/" + busId + "/" + busId + ":1.0");
    }
    void Process(int pid, const std::string& comm) const
    {
        Write("proc/" + std::to_string(pid) + "/comm", comm + "\n");
    }
    // The device node dev/<name> leads to target outside the root.
    void Node(const std::string& name, const std::string& target) const
    {
        Link("dev/" + name, fs::relative(target, fs::path(path()) / "dev").string());
    }

private:
    test_support::TempDir dir_;
};

constexpr const char* kPackageRuleLine = "ATTRS{idVendor}==\"0403\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n";
constexpr const char* kBrailleRule =
    "ACTION==\"add\", SUBSYSTEM==\"usb\", ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", "
    "GOTO=\"brltty_usb_run\"\n";

struct DoctorCase {
    const char* name;
    std::function<void(const FakeRoot&)> change; // applied to a healthy system
    std::string line;                            // the line it must give, "{port}" for the port folder entry
    bool problem;
};

std::vector<std::string> Lines(const std::vector<portkit::DoctorLine>& lines)
{
    std::vector<std::string> texts;
    for (const portkit::DoctorLine& line : lines)
        texts.push_back(portkit::DoctorLineText(line));
    return texts;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Healthy: an FTDI chip at 1 ms whose node leads to tty, ModemManager not
// running, no brltty.
void MakeHealthy(const FakeRoot& root, const std::string& tty)
{
    root.UsbTty("ttyUSB0", "0403", "6015", "FT230X Basic UART", "ftdi_sio", 1);
    root.Node("ttyUSB0", tty);
    root.Process(1, "systemd");
}

class PortDoctorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        ports.Link(1, "/dev/ttyUSB0");
    }

    static std::vector<std::string> Examine(const FakeRoot& root)
    {
        portkit::DoctorRequest request;
        request.port = 1;
        request.root = root.path();
        return Lines(portkit::ExamineConnection(request));
    }

    test_support::PseudoTerminal pty;
    test_support::PortFolder ports;
};

TEST_F(PortDoctorTest, HealthySystemGivesOnlyOkLines)
{
    FakeRoot root;
    MakeHealthy(root, pty.slaveName());
    struct stat info {};
    ASSERT_EQ(::stat(pty.slaveName().c_str(), &info), 0);
    const group* owner = ::getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    const std::vector<std::string> lines = Examine(root);
    EXPECT_EQ(Joined(lines),
              "OK      COM1 " + ports.path() + "/COM1 -> /dev/ttyUSB0: present, group " + owner->gr_name +
                  ", may open\n"
              "OK      COM1 USB serial chip 0403:6015 \"FT230X Basic UART\", driver ftdi_sio.\n"
              "OK      COM1 latency timer 1 ms.\n"
              "OK      COM1 opens at 9600 8N2; low latency refused by the driver (Inappropriate ioctl for device).\n"
              "OK      Every USB serial device plugged in has a driver.\n"
              "OK      ModemManager is not running.\n"
              "OK      brltty is not installed.\n");
}

TEST_F(PortDoctorTest, EachProblemGivesItsLineAndCure)
{
    const std::vector<DoctorCase> cases = {
        {"device unplugged", [](const FakeRoot& r) { fs::remove(fs::path(r.path()) / "dev/ttyUSB0"); },
         "PROBLEM COM1 {port}/COM1 -> /dev/ttyUSB0: missing: nothing is plugged in there; plug the cable in, or "
         "choose the port it is on in Com port setup.",
         true},
        {"no driver took a cable with a private id",
         [](const FakeRoot& r) { r.Unclaimed("1-2", "0403", "f0e1", "Radio Cable"); },
         "PROBLEM USB device 1-2 0403:f0e1 \"Radio Cable\" is plugged in but no driver took it, so it has no port: "
         "sudo modprobe ftdi_sio && echo 0403 f0e1 | sudo tee /sys/bus/usb-serial/drivers/ftdi_sio/new_id.",
         true},
        {"an unknown maker's serial device without a driver",
         [](const FakeRoot& r) { r.Unclaimed("3-1", "abcd", "0001", "USB-Serial Adapter"); },
         "PROBLEM USB device 3-1 abcd:0001 \"USB-Serial Adapter\" is plugged in but no driver took it, so it has no "
         "port: load the driver of its chip and write \"abcd 0001\" to that driver's new_id under "
         "/sys/bus/usb-serial/drivers.",
         true},
        {"ModemManager without a rule", [](const FakeRoot& r) { r.Process(812, "ModemManager"); },
         "PROBLEM ModemManager is running (812) and no udev rule keeps it off 0403:6015, so it may probe the cable "
         "during a clone: install the package's rule 60-ostrel-serial.rules in /etc/udev/rules.d, then plug the "
         "cable in again.",
         true},
        {"ModemManager with the package's rule switched off in /etc",
         [](const FakeRoot& r) {
             r.Process(812, "ModemManager");
             r.Write("usr/lib/udev/rules.d/60-ostrel-serial.rules", kPackageRuleLine);
             r.Link("etc/udev/rules.d/60-ostrel-serial.rules", "/dev/null");
         },
         "PROBLEM ModemManager is running (812) and no udev rule keeps it off 0403:6015, so it may probe the cable "
         "during a clone: install the package's rule 60-ostrel-serial.rules in /etc/udev/rules.d, then plug the "
         "cable in again.",
         true},
        {"ModemManager kept off by the package's rule",
         [](const FakeRoot& r) {
             r.Process(812, "ModemManager");
             r.Write("lib/udev/rules.d/60-ostrel-serial.rules", kPackageRuleLine);
         },
         "OK      ModemManager is running (812) but the udev rule 60-ostrel-serial.rules keeps it off 0403:6015.",
         false},
        {"brltty claiming CH340 cables",
         [](const FakeRoot& r) {
             r.Write("usr/bin/brltty", "");
             r.Write("usr/lib/udev/rules.d/85-brltty.rules", kBrailleRule);
         },
         "PROBLEM brltty is installed and its udev rule 85-brltty.rules claims CH340 cables (1a86:7523), which then "
         "vanish right after plugging: remove brltty if no braille display is used, or switch the rule off with sudo "
         "ln -s /dev/null /etc/udev/rules.d/85-brltty.rules.",
         true},
        {"brltty with its rule switched off",
         [](const FakeRoot& r) {
             r.Write("usr/bin/brltty", "");
             r.Write("usr/lib/udev/rules.d/85-brltty.rules", kBrailleRule);
             r.Link("etc/udev/rules.d/85-brltty.rules", "/dev/null");
         },
         "OK      brltty is installed; its udev rules leave CH340 and CP210x cables alone.", false},
        {"FTDI latency timer at its default",
         [](const FakeRoot& r) { r.Write("sys/devices/usb1/1-1/1-1:1.0/ttyUSB0/latency_timer", "16\n"); },
         "NOTE    COM1 latency timer 16 ms: every acknowledged block waits that long for its answer, about 8 s more "
         "per clone; the package's udev rule 60-ostrel-serial.rules sets it to 1 ms (install it in "
         "/etc/udev/rules.d and plug the cable in again).",
         false},
        {"counterfeit-prone chip",
         [](const FakeRoot& r) { r.UsbTty("ttyUSB0", "067b", "2303", "USB-Serial Controller", "pl2303", -1); },
         "NOTE    COM1 chip 067b:2303 (PL2303) is often sold counterfeit, and counterfeits drop bytes: if clones "
         "fail part-way, try a cable with another chip.",
         false},
        {"a port that is no serial line",
         [](const FakeRoot& r) {
             fs::remove(fs::path(r.path()) / "dev/ttyUSB0");
             r.Write("dev/ttyUSB0", "");
         },
         "PROBLEM COM1 does not take 9600 8N2 (Inappropriate ioctl for device): this is no serial line; choose the "
         "cable's port in Com port setup.",
         true},
    };
    for (const DoctorCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRoot root;
        MakeHealthy(root, pty.slaveName());
        c.change(root);

        const std::vector<std::string> lines = Examine(root);
        std::string expected = c.line;
        if (const auto at = expected.find("{port}"); at != std::string::npos)
            expected.replace(at, 6, ports.path());
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << Joined(lines);
        const bool anyProblem =
            std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("PROBLEM", 0) == 0; });
        EXPECT_EQ(anyProblem, c.problem) << Joined(lines);
    }
}

} // namespace
