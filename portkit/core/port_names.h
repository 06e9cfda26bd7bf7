#pragma once
// Which device stands for port number n.
//
// Port n is the entry "COM<n>" of the port folder when that entry exists (a
// link to any device, even one that is unplugged right now). The port folder
// is $PORTKIT_PORT_DIR when that is set; then it is the only source of ports.
// Otherwise it is $XDG_CONFIG_HOME/Quillon/ports, and numbers without an entry
// there use the built-in map (COM1-8 /dev/ttyUSB0-7, COM9-16 /dev/ttyACM0-7,
// COM17-48 /dev/ttyS0-31).

#include <string>

namespace portkit {

// The name the user knows the port by: "COM<n>".
std::string DeviceName(int n);

// The folder searched for "COM<n>" entries.
std::string PortFolder();

// The device path of port n; empty when n names no device.
std::string DevicePath(int n);

} // namespace portkit
