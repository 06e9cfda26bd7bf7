#pragma once
// What the transfer commands of ostrel-cli share: their messages on the error
// stream, the choice of port, progress on a terminal and Ctrl-C.

// std
#include <atomic>
#include <optional>
#include <ostream>
#include <string>

// Qt
#include <QCommandLineParser>

// project
#include "clone/prepare.h"
#include "clone/run_transfer.h"
#include "platform/prompt.h"

namespace cli {

// Sends every message of the program and of portkit to a stream, as one line
// of text each, for the life of the object.
class StreamPrompt : public platform::Prompt {
public:
    explicit StreamPrompt(std::ostream& err);
    ~StreamPrompt() override;
    StreamPrompt(const StreamPrompt&) = delete;
    StreamPrompt& operator=(const StreamPrompt&) = delete;

    platform::Answer Show(const platform::Message& message) override;

private:
    std::ostream& err_;
    platform::Prompt* previous_;
};

// Parses args (without the command's name); on a usage error writes it to err.
bool ParseOptions(QCommandLineParser& parser, const std::string& command, const std::vector<std::string>& args,
                  std::ostream& err);

// The port from --port, else the stored "comport" (0 when neither: the
// serial port then says that no port is chosen). nullopt for a bad number.
std::optional<int> PortFromOptions(const QCommandLineParser& parser);

// Progress on err when it is the terminal, and Ctrl-C as Cancel, for one run.
transfer::RunHooks TerminalHooks(std::ostream& err);
// Ends the progress line.
void EndProgress(std::ostream& err);

// The options of a read from the radio (--port, --wait, --log), and the read
// itself as ostrel-cli read does it (cmd_clone.cpp): the stream received, or
// none with its exit code (kExitUsage for a bad option) and message on err.
void AddReadOptions(QCommandLineParser& parser);
std::optional<transfer::Stream> ReadRadio(const QCommandLineParser& parser, std::ostream& out, std::ostream& err,
                                          int& code);

// The stream a write of the file named by the one positional argument sends,
// its setting file from --settings (cmd_clone.cpp); none when the file could
// not be opened (said on err) or its setting file was refused (said by the
// prompt).
std::optional<transfer::Stream> StreamOfFile(const QCommandLineParser& parser, std::ostream& err);

} // namespace cli
