#include "cli/clone_support.h"

// system
#include <csignal>
#include <unistd.h>

// std
#include <iostream>
#include <memory>

// project
#include "clone/progress_text.h"
#include "platform/registry.h"
#include "portkit/port_setup.h"
#include "portkit/prompt_hook.h"

namespace cli {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int)
{
    interrupted = true;
}

bool IsTerminal(const std::ostream& err)
{
    return &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

} // namespace

StreamPrompt::StreamPrompt(std::ostream& err) : err_(err), previous_(platform::SetPrompt(this))
{
    SetPortkitPrompt(this);
}

StreamPrompt::~StreamPrompt()
{
    SetPortkitPrompt(nullptr);
    platform::SetPrompt(previous_);
}

platform::Answer StreamPrompt::Show(const platform::Message& message)
{
    err_ << message.text << '\n';
    const bool choice = message.buttons != platform::Buttons::Ok;
    return choice ? (message.buttons == platform::Buttons::OkCancel ? platform::Answer::Cancel : platform::Answer::No)
                  : platform::Answer::Ok;
}

bool ParseOptions(QCommandLineParser& parser, const std::string& command, const std::vector<std::string>& args,
                  std::ostream& err)
{
    QStringList list{QString::fromStdString("ostrel-cli " + command)};
    for (const std::string& a : args)
        list << QString::fromLocal8Bit(a.c_str());
    if (parser.parse(list))
        return true;
    err << parser.errorText().toStdString() << '\n';
    return false;
}

std::optional<int> PortFromOptions(const QCommandLineParser& parser)
{
    if (!parser.isSet("port"))
        return GetRegComPort(platform::kSettingsKey);
    bool ok = false;
    const int port = parser.value("port").toInt(&ok);
    return ok && port >= 1 ? std::optional<int>(port) : std::nullopt;
}

transfer::RunHooks TerminalHooks(std::ostream& err)
{
    interrupted = false;
    std::signal(SIGINT, OnInterrupt);
    transfer::RunHooks hooks;
    hooks.cancelled = [] { return interrupted.load(); };
    if (IsTerminal(err)) {
        const auto start = std::make_shared<transfer::Clock::time_point>(transfer::Clock::now());
        hooks.progress = [&err, start](const transfer::Progress& p) {
            err << '\r' << transfer::ProgressLine(p, transfer::Clock::now() - *start) << "   " << std::flush;
        };
    }
    return hooks;
}

void EndProgress(std::ostream& err)
{
    std::signal(SIGINT, SIG_DFL);
    if (IsTerminal(err))
        err << '\n';
}

} // namespace cli
