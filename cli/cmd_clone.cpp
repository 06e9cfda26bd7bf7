// The transfer commands of ostrel-cli: read and write, over the same engines,
// preparation and kept copies as the program.

#include "cli/subcommands.h"

// std
#include <ctime>

// project
#include "cli/clone_support.h"
#include "clone/messages.h"
#include "clone/reader.h"
#include "clone/serial_link.h"
#include "clone/transfer_doc.h"
#include "clone/writer.h"
#include "portkit/serial.h"
#include "platform/locale.h"
#include "radio/main_doc.h"

namespace cli {
namespace {

// The first byte of the radio's stream is awaited this long by default.
constexpr int kFirstByteWaitSeconds = 60;

QCommandLineOption PortOption()
{
    return {"port", "The serial port number (default: the stored one).", "N"};
}

// The engine's ending as an exit code, its message on err.
int Ending(const transfer::CloneEngine& engine, std::ostream& err)
{
    switch (engine.GetOutcome()) {
    case transfer::Outcome::Done:
        return kExitOk;
    case transfer::Outcome::Cancelled:
        err << "Cancelled\n";
        return kExitFailed;
    case transfer::Outcome::Failed:
    case transfer::Outcome::Running:
        break;
    }
    if (const auto message = transfer::FailureMessage(engine.GetFailure()))
        err << message->text << '\n';
    return kExitFailed;
}

struct OpenedPort {
    CSerial serial;
    bool open = false;
};

// Opens the port of the options; its message on err when it cannot be.
bool OpenPort(const QCommandLineParser& parser, OpenedPort& port, std::ostream& err, int* usage)
{
    const auto number = PortFromOptions(parser);
    if (!number) {
        err << "--port takes a port number of 1 or more\n";
        *usage = kExitUsage;
        return false;
    }
    port.open = transfer::OpenRadioPort(port.serial, *number, nullptr);
    return port.open;
}

} // namespace

int CmdRead(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.addOption(PortOption());
    parser.addOption({{"o", "output"}, "The radio data file to write.", "FILE.rdf"});
    parser.addOption({"wait", "Seconds to wait for the radio to start (default 60).", "SECONDS"});
    if (!ParseOptions(parser, "read", args, err) || !parser.isSet("output") || !parser.positionalArguments().isEmpty())
        return kExitUsage;
    bool waitOk = true;
    const int wait = parser.isSet("wait") ? parser.value("wait").toInt(&waitOk) : kFirstByteWaitSeconds;
    if (!waitOk || wait < 1)
        return kExitUsage;

    StreamPrompt prompt(err);
    OpenedPort port;
    int code = kExitFailed;
    if (!OpenPort(parser, port, err, &code))
        return code;
    transfer::SerialClonePort link(port.serial);
    transfer::CloneReader reader(link, transfer::CloneReader::kSilenceLimit, std::chrono::seconds(wait));
    out << "Waiting for the radio (start clone Tx on the radio)...\n" << std::flush;
    transfer::RunTransfer(reader, link, TerminalHooks(err));
    EndProgress(err);
    port.serial.ClosePort();
    if (const int ending = Ending(reader, err); ending != kExitOk)
        return ending; // a failed read writes no file

    radio::CMainDoc doc(platform::DecimalSeparator());
    doc.OnNewDocument();
    const auto adopted = transfer::AdoptRead(doc, reader.Received(), std::time(nullptr));
    if (!adopted.keptError.empty())
        err << adopted.keptError << '\n';
    const std::string output = parser.value("output").toLocal8Bit().toStdString();
    if (!doc.Save(output)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    out << "Read the radio into " << output << '\n';
    return kExitOk;
}

int CmdWrite(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.addOption(PortOption());
    parser.addOption({"settings", "The radio setting file to merge (default: the document's own).", "FILE.rsf"});
    if (!ParseOptions(parser, "write", args, err) || parser.positionalArguments().size() != 1)
        return kExitUsage;

    StreamPrompt prompt(err);
    radio::CMainDoc doc(platform::DecimalSeparator());
    const std::string input = parser.positionalArguments().front().toLocal8Bit().toStdString();
    if (!doc.Load(input)) {
        err << doc.ErrorText() << '\n';
        return kExitFailed;
    }
    const auto settings =
        transfer::SettingsForWrite(doc, parser.value("settings").toLocal8Bit().toStdString());
    if (!settings)
        return kExitFailed; // the setting file's refusal was shown
    transfer::PrepareDocumentForRadio(doc, *settings);
    const transfer::Stream stream = transfer::BuildSendStream(doc.Image());

    OpenedPort port;
    int code = kExitFailed;
    if (!OpenPort(parser, port, err, &code))
        return code;
    transfer::SerialClonePort link(port.serial);
    transfer::CloneWriter writer(link, stream);
    transfer::RunTransfer(writer, link, TerminalHooks(err));
    EndProgress(err);
    port.serial.ClosePort();
    const int ending = Ending(writer, err);
    if (ending == kExitOk)
        out << "Wrote " << input << " to the radio\n";
    return ending;
}

} // namespace cli
