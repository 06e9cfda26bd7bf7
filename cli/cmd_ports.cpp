// ostrel-cli ports: every port number that maps to a device, with whether the
// device is there, who may open it and which process holds it.

#include "cli/subcommands.h"

// project
#include "portkit/core/port_diagnosis.h"
#include "portkit/core/port_names.h"

namespace cli {

namespace {

constexpr const char* kHelp =
    "Usage: ostrel-cli ports\n"
    "\n"
    "Lists the serial ports: one line per port number with its device, whether\n"
    "the device exists, the group owning it, whether this user may open it (and\n"
    "how to be allowed) and which process holds it. Port n is the link COM<n> in\n"
    "the port folder when there is one, else the built-in map (COM1-8\n"
    "/dev/ttyUSB0-7, COM9-16 /dev/ttyACM0-7, COM17-48 /dev/ttyS0-31).\n";

} // namespace

int CmdPorts(const Args& args, std::ostream& out, std::ostream&)
{
    if (!args.empty()) {
        if (args.size() != 1 || (args[0] != "--help" && args[0] != "-h"))
            return kExitUsage;
        out << kHelp;
        return kExitOk;
    }
    out << "Port folder: " << portkit::PortFolder() << '\n';
    for (int n : portkit::MappedPorts())
        out << portkit::DiagnosisText(portkit::DiagnosePort(n)) << '\n';
    return kExitOk;
}

} // namespace cli
