#pragma once
// What the connection doctor reads of a system: the USB serial chip behind a
// port (sysfs), USB devices that no driver took, running processes (/proc)
// and the udev rules in force. Everything is read under a root folder: "/"
// for this machine, a folder laid out the same way for a made-up system.
// Nothing is changed.

// std
#include <string>
#include <vector>

namespace portkit {

// path (absolute) as seen under root.
std::string UnderRoot(const std::string& root, const std::string& path);

// Where a port's device lies under root, following its links (an absolute
// link target is read under root too; a port folder entry is read as it is),
// and the name of its terminal in sysfs ("ttyUSB0"; the last name along the
// way that sysfs knows, else the last name).
struct DeviceNode {
    std::string path;
    std::string tty;
};
DeviceNode LocateDevice(const std::string& root, const std::string& devicePath);

struct UsbIds {
    std::string vendor;  // four lower-case hex digits, "0403"
    std::string product; // "6001"
};

// The USB serial chip under a terminal.
struct UsbSerialChip {
    bool usb = false;         // the terminal sits on a USB device
    UsbIds ids;
    std::string productText;  // the device's own product string
    std::string driver;       // the driver of the terminal's device, "ftdi_sio"
    int latencyMs = -1;       // latency_timer; -1 when the driver has none
};
UsbSerialChip ChipOfTty(const std::string& root, const std::string& tty);

// A USB device with an interface that no driver took.
struct UnclaimedUsbDevice {
    std::string busId; // "1-1.2"
    UsbIds ids;
    std::string productText;
};
std::vector<UnclaimedUsbDevice> UnclaimedUsbDevices(const std::string& root);

// Process ids whose /proc/<pid>/comm is name, ascending.
std::vector<int> ProcessesNamed(const std::string& root, const std::string& name);

// A line of a udev rules file in force.
struct RuleLine {
    std::string file; // the file's name, "60-ostrel-serial.rules"
    std::string text;
};
// The lines of the rules files udev reads, by file name in udev's order; a
// name in /etc/udev/rules.d hides the same name in /run, /usr/lib and /lib
// (so a link to /dev/null or an empty file there switches a rule file off).
std::vector<RuleLine> RulesInForce(const std::string& root);

// The line matches a device with ids: it tests the vendor or product id
// (ATTRS{idVendor}, ATTRS{idProduct}, ENV{ID_VENDOR_ID}, ENV{ID_MODEL_ID},
// ENV{PRODUCT}) at least once and every such test holds. Other tests of the
// line are taken to hold.
bool RuleMatchesIds(const std::string& line, const UsbIds& ids);

// The line sets ENV{key} to value.
bool RuleAssigns(const std::string& line, const std::string& key, const std::string& value);

} // namespace portkit
