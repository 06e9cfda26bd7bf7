// ostrel-cli doctor: what on this machine stands between the program and the
// radio, one line per check, each OK, PROBLEM (with its cure) or NOTE.

#include "cli/subcommands.h"

// Qt
#include <QCommandLineParser>

// project
#include "cli/clone_support.h"
#include "portkit/core/port_doctor.h"

namespace cli {

namespace {

constexpr const char* kHelp =
    "Usage: ostrel-cli doctor [--port N] [--echo] [--root DIR]\n"
    "\n"
    "Checks the connection to the radio on port N (default: the stored port):\n"
    "the device, its group and holder; the USB serial chip behind it, its driver\n"
    "and latency timer; USB serial devices that no driver took; ModemManager and\n"
    "the udev rules that keep it off; brltty's rules for CH340 and CP210x cables;\n"
    "and whether the port opens at 9600 8N2. With --echo a few bytes are sent and\n"
    "must come back, as they do with the cable in the radio. One line per check:\n"
    "OK, PROBLEM with its cure, or NOTE. Nothing is changed. Exit 0 when no check\n"
    "is a problem, 1 otherwise. --root reads the system under DIR instead of /.\n";

} // namespace

int CmdDoctor(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kHelp;
        return kExitOk;
    }
    QCommandLineParser parser;
    parser.addOption({"port", "The serial port number (default: the stored one).", "N"});
    parser.addOption({"echo", "Send a few bytes and expect them back."});
    parser.addOption({"root", "Read the system under DIR.", "DIR"});
    if (!ParseOptions(parser, "doctor", args, err) || !parser.positionalArguments().isEmpty())
        return kExitUsage;
    const std::optional<int> port = PortFromOptions(parser);
    if (!port) {
        err << "--port takes a port number of 1 or more\n";
        return kExitUsage;
    }
    portkit::DoctorRequest request;
    request.port = *port;
    request.echo = parser.isSet("echo");
    if (parser.isSet("root"))
        request.root = parser.value("root").toLocal8Bit().toStdString();
    const std::vector<portkit::DoctorLine> lines = portkit::ExamineConnection(request);
    for (const portkit::DoctorLine& line : lines)
        out << portkit::DoctorLineText(line) << '\n';
    return portkit::AnyProblem(lines) ? kExitFailed : kExitOk;
}

} // namespace cli
