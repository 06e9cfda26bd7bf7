// The transfer commands of ostrel-cli: read and write, over the same engines,
// preparation and kept copies as the program.

#include "cli/subcommands.h"

// std
#include <ctime>
#include <optional>

// project
#include "cli/clone_support.h"
#include "cli/diff_print.h"
#include "clone/logging_port.h"
#include "clone/messages.h"
#include "clone/reader.h"
#include "clone/serial_link.h"
#include "clone/transfer_doc.h"
#include "clone/write_check.h"
#include "clone/writer.h"
#include "platform/registry.h"
#include "portkit/log_message.h"
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

QCommandLineOption LogOption()
{
    return {"log", "Write every byte of the transfer to the debug log, Debug.log under $XDG_STATE_HOME/Quillon."};
}

// The debug log of one transfer, when --log asks for it: every byte through
// the port, and how the transfer ended.
class TransferLog {
public:
    TransferLog(bool on, const char* transfer, int port, transfer::ClonePort& link, std::ostream& out)
        : transfer_(transfer), link_(link)
    {
        CLogMessage* log = on ? CLogMessage::CreateInstance() : nullptr;
        if (log == nullptr)
            return;
        log->StartLogging();
        if (!CLogMessage::IsLogging())
            return;
        log_ = log;
        out << "Debug log: " << platform::StateHome() << "/Quillon/Debug.log\n";
        log_->LogMessage("%s on COM%d", transfer_, port);
        logged_.emplace(link_, [this](const std::string& line) { log_->LogMessage("%s", line.c_str()); });
    }
    ~TransferLog()
    {
        if (log_ != nullptr)
            log_->StopLogging();
    }
    TransferLog(const TransferLog&) = delete;
    TransferLog& operator=(const TransferLog&) = delete;

    transfer::ClonePort& Port() { return logged_ ? static_cast<transfer::ClonePort&>(*logged_) : link_; }
    void End(const transfer::CloneEngine& engine)
    {
        if (log_ != nullptr)
            log_->LogMessage("%s", transfer::EndingLine(transfer_, engine).c_str());
    }

private:
    const char* transfer_;
    transfer::ClonePort& link_;
    CLogMessage* log_ = nullptr;
    std::optional<transfer::LoggingPort> logged_;
};

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

void AddReadOptions(QCommandLineParser& parser)
{
    parser.addOption(PortOption());
    parser.addOption({"wait", "Seconds to wait for the radio to start (default 60).", "SECONDS"});
    parser.addOption(LogOption());
}

std::optional<transfer::Stream> ReadRadio(const QCommandLineParser& parser, std::ostream& out, std::ostream& err,
                                          int& code)
{
    bool waitOk = true;
    const int wait = parser.isSet("wait") ? parser.value("wait").toInt(&waitOk) : kFirstByteWaitSeconds;
    code = kExitUsage;
    if (!waitOk || wait < 1)
        return std::nullopt;

    OpenedPort port;
    code = kExitFailed;
    if (!OpenPort(parser, port, err, &code))
        return std::nullopt;
    transfer::SerialClonePort link(port.serial);
    TransferLog log(parser.isSet("log"), "Read", port.serial.GetPortNum(), link, out);
    transfer::CloneReader reader(log.Port(), transfer::CloneReader::kSilenceLimit, std::chrono::seconds(wait));
    out << "Waiting for the radio (start clone Tx on the radio)...\n" << std::flush;
    transfer::RunTransfer(reader, log.Port(), TerminalHooks(err));
    log.End(reader);
    EndProgress(err);
    port.serial.ClosePort();
    code = Ending(reader, err);
    if (code != kExitOk)
        return std::nullopt;
    return reader.Received();
}

int CmdRead(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    AddReadOptions(parser);
    parser.addOption({{"o", "output"}, "The radio data file to write.", "FILE.rdf"});
    if (!ParseOptions(parser, "read", args, err) || !parser.isSet("output") || !parser.positionalArguments().isEmpty())
        return kExitUsage;

    StreamPrompt prompt(err);
    int code = kExitFailed;
    const auto received = ReadRadio(parser, out, err, code);
    if (!received)
        return code; // a failed read writes no file

    radio::CMainDoc doc(platform::DecimalSeparator());
    doc.OnNewDocument();
    const auto adopted = transfer::AdoptRead(doc, *received, std::time(nullptr));
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

std::optional<transfer::Stream> StreamOfFile(const QCommandLineParser& parser, std::ostream& err)
{
    radio::CMainDoc doc(platform::DecimalSeparator());
    const std::string input = parser.positionalArguments().front().toLocal8Bit().toStdString();
    if (!doc.Load(input)) {
        err << doc.ErrorText() << '\n';
        return std::nullopt;
    }
    return transfer::StreamForWrite(doc, parser.value("settings").toLocal8Bit().toStdString());
}

int CmdWrite(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.addOption(PortOption());
    parser.addOption({"settings", "The radio setting file to merge (default: the document's own).", "FILE.rsf"});
    parser.addOption(LogOption());
    parser.addOption({"dry-run", "Print what the write would change in the radio, and send nothing."});
    if (!ParseOptions(parser, "write", args, err) || parser.positionalArguments().size() != 1)
        return kExitUsage;

    StreamPrompt prompt(err);
    const auto stream = StreamOfFile(parser, err);
    if (!stream) {
        err << "Nothing was sent to the radio.\n";
        return kExitFailed;
    }
    if (parser.isSet("dry-run")) {
        const transfer::WriteComparison comparison = transfer::CompareWithNewestRead(*stream);
        out << comparison.summary << '\n';
        PrintDifferences(comparison.differences, DiffFormat::Text, out);
        return kExitOk;
    }

    OpenedPort port;
    int code = kExitFailed;
    if (!OpenPort(parser, port, err, &code))
        return code;
    transfer::SerialClonePort link(port.serial);
    TransferLog log(parser.isSet("log"), "Write", port.serial.GetPortNum(), link, out);
    transfer::CloneWriter writer(log.Port(), *stream);
    transfer::RunTransfer(writer, log.Port(), TerminalHooks(err));
    log.End(writer);
    EndProgress(err);
    port.serial.ClosePort();
    const int ending = Ending(writer, err);
    if (ending == kExitOk)
        out << "Wrote " << parser.positionalArguments().front().toLocal8Bit().toStdString() << " to the radio\n";
    return ending;
}

} // namespace cli
