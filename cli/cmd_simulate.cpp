// ostrel-cli simulate: a simulated radio in clone mode on a pseudo-terminal,
// for trying the program (or ostrel-cli read and write) without a radio.

#include "cli/subcommands.h"

// system
#include <unistd.h>

// std
#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <thread>

// Qt
#include <QCommandLineParser>

// project
#include "cli/clone_support.h"
#include "clone/sim/sim_radio.h"
#include "platform/registry.h"
#include "platform/locale.h"
#include "radio/main_doc.h"

namespace cli {
namespace {

using namespace std::chrono_literals;
using transfer::sim::Faults;

std::atomic<bool> stopSimulation{false};

extern "C" void OnStop(int)
{
    stopSimulation = true;
}

// "name" or "name=number"; false for an unknown fault or a bad number.
bool ApplyFault(const QString& fault, Faults& f)
{
    const QString name = fault.section('=', 0, 0);
    bool ok = true;
    const int n = fault.contains('=') ? fault.section('=', 1).toInt(&ok) : 100;
    if (!ok || n < 0)
        return false;
    if (name == "garbage")
        f.garbageBeforeHeader = true;
    else if (name == "bad-checksum")
        f.badChecksum = true;
    else if (name == "refuse-header")
        f.refuseHeader = true;
    else if (name == "refuse-block")
        f.refuseBlock = n;
    else if (name == "silent-start")
        f.silentAtStart = true;
    else if (name == "silent-after")
        f.silentAfterBlock = n;
    else if (name == "cut-after")
        f.cutAfterBlock = n;
    else if (name == "corrupt-ack")
        f.corruptAckAfterBlock = n;
    else if (name == "slow") {
        f.slowPause = std::chrono::milliseconds(n);
        f.slowEvery = 25;
    } else if (name == "one-at-a-time")
        f.oneAtATimeBlocks = n;
    else
        return false;
    return true;
}

// The port folder the program looks in first.
std::string PortFolder()
{
    const char* dir = std::getenv("PORTKIT_PORT_DIR");
    return dir != nullptr && dir[0] != '\0' ? dir : platform::ConfigHome() + "/Quillon/ports";
}

bool LinkPort(int n, const std::string& target, std::ostream& out, std::ostream& err)
{
    namespace fs = std::filesystem;
    const fs::path link = fs::path(PortFolder()) / ("COM" + std::to_string(n));
    std::error_code error;
    fs::create_directories(link.parent_path(), error);
    fs::remove(link, error);
    fs::create_symlink(target, link, error);
    if (error) {
        err << "Could not link " << link.string() << ": " << error.message() << '\n';
        return false;
    }
    out << "Port " << n << " (" << link.string() << ") leads to the simulated radio.\n";
    return true;
}

bool SaveReceived(const std::vector<std::uint8_t>& stream, const std::string& path, std::ostream& out,
                  std::ostream& err)
{
    if (stream.size() != radio::kImageSize) {
        err << "The radio took " << stream.size() << " bytes, not a whole image; nothing saved.\n";
        return false;
    }
    radio::CMainDoc doc(platform::DecimalSeparator());
    doc.OnNewDocument();
    std::copy(stream.begin(), stream.end(), doc.Image().begin());
    if (!doc.Save(path)) {
        err << doc.ErrorText() << '\n';
        return false;
    }
    out << "Saved what the radio took into " << path << '\n';
    return true;
}

} // namespace

int CmdSimulate(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.addOption({"send", "Be a radio in clone Tx, holding the image of the file given (default: a sample)."});
    parser.addOption({"receive", "Be a radio in clone Rx."});
    parser.addOption({{"o", "output"}, "With --receive: save what the radio took.", "FILE.rdf"});
    parser.addOption({"link", "Link port N of the port folder to the simulated radio.", "N"});
    parser.addOption({"paced", "Pace the line at 9600 baud, 8N2, as the real radio."});
    parser.addOption({"fault", "Misbehave: garbage, bad-checksum, refuse-header, refuse-block=K, silent-start, "
                               "silent-after=K, cut-after=K, corrupt-ack=K, slow=MS, one-at-a-time=K.",
                      "NAME"});
    parser.addOption({"start-after", "With --send: start after this many seconds instead of on Enter; with "
                                     "--then-send: send back this many seconds after the stream (default 1).",
                      "SECONDS"});
    parser.addOption({"then-send", "With --receive: after the stream, send back what was taken on the next read "
                                   "(as for a verify)."});
    parser.addOption({"corrupt", "With --then-send: change N bytes of what was taken before sending it back.", "N"});
    parser.addOption({"latency", "Hold what the radio sends as a USB serial chip does: until 62 bytes wait or MS "
                                 "milliseconds passed since the first.",
                      "MS"});
    if (!ParseOptions(parser, "simulate", args, err) || parser.isSet("send") == parser.isSet("receive") ||
        parser.positionalArguments().size() > (parser.isSet("send") ? 1 : 0) ||
        (parser.isSet("then-send") && !parser.isSet("receive")) ||
        (parser.isSet("corrupt") && !parser.isSet("then-send")))
        return kExitUsage;

    transfer::sim::Options options;
    options.role = parser.isSet("receive") ? transfer::sim::Role::Receive : transfer::sim::Role::Send;
    options.paced = parser.isSet("paced");
    options.image = transfer::sim::SampleImage();
    for (const QString& fault : parser.values("fault")) {
        if (!ApplyFault(fault, options.faults)) {
            err << "Unknown fault: " << fault.toStdString() << '\n';
            return kExitUsage;
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        const std::string file = parser.positionalArguments().front().toLocal8Bit().toStdString();
        radio::CMainDoc doc(platform::DecimalSeparator());
        if (!doc.Load(file)) {
            err << doc.ErrorText() << '\n';
            return kExitFailed;
        }
        options.image = doc.Image();
    }
    bool ok = true;
    const int startAfter = parser.isSet("start-after") ? parser.value("start-after").toInt(&ok) : -1;
    const int linkPort = parser.isSet("link") ? parser.value("link").toInt(&ok) : 0;
    const int latency = parser.isSet("latency") ? parser.value("latency").toInt(&ok) : 0;
    if (!ok || linkPort < 0 || latency < 0)
        return kExitUsage;
    const int corrupt = parser.isSet("corrupt") ? parser.value("corrupt").toInt(&ok) : 0;
    if (!ok || corrupt < 0)
        return kExitUsage;
    options.latency = std::chrono::milliseconds(latency);
    if (startAfter >= 0)
        options.startDelay = options.thenSendDelay = std::chrono::seconds(startAfter);
    options.thenSend = parser.isSet("then-send");
    options.corruptBytes = corrupt;

    transfer::sim::SimRadio sim(options);
    if (!sim.ok()) {
        err << "Could not make a pseudo-terminal\n";
        return kExitFailed;
    }
    out << "Simulated radio on " << sim.PortPath() << '\n';
    if (linkPort > 0 && !LinkPort(linkPort, sim.PortPath(), out, err))
        return kExitFailed;
    if (options.role == transfer::sim::Role::Send && startAfter < 0) {
        out << "Open the port in the program, then press Enter to start clone Tx." << std::endl;
        std::string line;
        std::getline(std::cin, line);
    }
    out << (options.role == transfer::sim::Role::Send ? "Sending"
            : options.thenSend                           ? "Waiting for the stream, then sending it back"
                                                         : "Waiting for the stream")
        << "; Ctrl-C ends.\n"
        << std::flush;
    stopSimulation = false;
    std::signal(SIGINT, OnStop);
    std::signal(SIGTERM, OnStop);
    sim.Start();
    while (!stopSimulation && !sim.Finished())
        std::this_thread::sleep_for(20ms);
    // Let the last bytes reach the program before the line goes away.
    std::this_thread::sleep_for(200ms);
    sim.Stop();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    out << "Blocks acknowledged: " << sim.BlocksAcknowledged() << '\n';
    if (options.role == transfer::sim::Role::Receive && parser.isSet("output"))
        return SaveReceived(sim.Received(), parser.value("output").toLocal8Bit().toStdString(), out, err)
                   ? kExitOk
                   : kExitFailed;
    return kExitOk;
}

} // namespace cli
