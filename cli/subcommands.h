#pragma once
// The subcommands of ostrel-cli. Each lives in a file of its own and is listed
// once in the table of commands.cpp.

// std
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// project
#include "cli/commands.h"

namespace cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    std::function<int(const Args&, std::ostream&, std::ostream&)> run;
    bool ownHelp = false; // answers "--help" itself; else the usage line is the help
};

// File commands (cmd_file.cpp).
int CmdNew(const Args& args, std::ostream& out, std::ostream& err);
int CmdInfo(const Args& args, std::ostream& out, std::ostream& err);
int CmdExport(const Args& args, std::ostream& out, std::ostream& err);
int CmdResave(const Args& args, std::ostream& out, std::ostream& err);

// Import of channel rows (cmd_import.cpp).
int CmdImport(const Args& args, std::ostream& out, std::ostream& err);

// Channels changed as typed (cmd_set.cpp): "set FILE.rdf MEMORY FIELD=VALUE...".
int CmdSet(const Args& args, std::ostream& out, std::ostream& err);

// Radio settings (cmd_settings.cpp): "show FILE" and "set FILE.rsf ID=VALUE...".
int CmdSettings(const Args& args, std::ostream& out, std::ostream& err);

// Transfer commands (cmd_clone.cpp, cmd_simulate.cpp).
int CmdRead(const Args& args, std::ostream& out, std::ostream& err);
int CmdWrite(const Args& args, std::ostream& out, std::ostream& err);
int CmdSimulate(const Args& args, std::ostream& out, std::ostream& err);

// Comparing (cmd_diff.cpp, cmd_verify.cpp) and the kept reads (cmd_kept.cpp).
int CmdDiff(const Args& args, std::ostream& out, std::ostream& err);
int CmdVerify(const Args& args, std::ostream& out, std::ostream& err);
int CmdKept(const Args& args, std::ostream& out, std::ostream& err);

// Serial port diagnostics (cmd_ports.cpp): "ports".
int CmdPorts(const Args& args, std::ostream& out, std::ostream& err);
// The connection doctor (cmd_doctor.cpp): "doctor [--port N] [--echo] [--root DIR]".
int CmdDoctor(const Args& args, std::ostream& out, std::ostream& err);

} // namespace cli
