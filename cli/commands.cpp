#include "cli/commands.h"

// project
#include "cli/subcommands.h"

namespace cli {
namespace {

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"new", "new FILE.rdf", "create a new radio data file from the built-in template", 1, 1, CmdNew},
        {"info", "info FILE.rdf", "show the header, channels and banks in use, and the source name", 1, 1,
         CmdInfo},
        {"export", "export [--layout ours|other] FILE.rdf OUT",
         "write the Memories sheet as text (tab for .tab, else comma), or in other programs' CSV layout", 2, 4,
         CmdExport},
        {"import", "import TEXT --into DOC.rdf [-o OUT.rdf] [options]",
         "place the rows of a text file into memory channels (import --help for the options)", 1, 64, CmdImport, true},
        {"resave", "resave FILE.rdf [-o OUT.rdf]", "open, store the grids and save, as Save does", 1, 3,
         CmdResave},
        {"set", "set FILE.rdf MEMORY FIELD=VALUE... [-o OUT.rdf]", "change channels as typed (set --help for the names)", 1, 1000, CmdSet, true},
        {"settings", "settings show FILE.rsf|FILE.rdf | settings set FILE.rsf ID=VALUE... [dtmf N=DIGITS]...",
         "list the radio settings one per line, or change them by control id in a setting file", 1, 1000,
         CmdSettings, true},
        {"read", "read [--port N] [--wait SECONDS] [--log] -o FILE.rdf", "read the radio into a new radio data file", 1, 8,
         CmdRead},
        {"write", "write FILE.rdf [--port N] [--settings FILE.rsf] [--log] [--dry-run]",
         "prepare a file's image and write it to the radio, or with --dry-run show what it would change", 1, 7,
         CmdWrite},
        {"verify", "verify FILE.rdf [--settings FILE.rsf] [--port N] [--wait SECONDS] [--log]",
         "read the radio and compare it with what a write of the file sends (exit 1 when it differs)", 1, 8,
         CmdVerify},
        {"diff", "diff [--format text|tsv] A B   (A or B may be --kept latest)",
         "the differences between two radio data files or two setting files (exit 1 when they differ)", 2, 6,
         CmdDiff},
        {"kept", "kept", "list the reads kept on this computer: path, date, memories in use; newest first", 0, 0,
         CmdKept},
        {"simulate",
         "simulate (--send [FILE.rdf] | --receive [-o OUT.rdf] [--then-send [--corrupt N]]) [--link N] [--paced] "
         "[--latency MS] [--fault NAME]...",
         "a simulated radio in clone mode on a pseudo-terminal", 1, 20, CmdSimulate},
        {"ports", "ports", "list the serial ports: device, present, group, may open, held by", 0, 1, CmdPorts, true},
        {"doctor", "doctor [--port N] [--echo] [--root DIR]", "check the connection: port, USB chip, ModemManager, brltty, line", 0, 6, CmdDoctor, true},
    };
    return commands;
}

} // namespace

void PrintUsage(std::ostream& out)
{
    out << "Usage: ostrel-cli COMMAND ARGUMENTS\n\nCommands:\n";
    for (const Command& c : Commands())
        out << "  " << c.usage << "\n      " << c.summary << '\n';
}

namespace {

bool AsksForHelp(const Args& rest)
{
    return rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h");
}

// "COMMAND --help": a command with help of its own shows it; for the others
// the usage line and the summary are the help.
int RunHelp(const Command& c, const Args& rest, std::ostream& out, std::ostream& err)
{
    if (c.ownHelp)
        return c.run(rest, out, err);
    out << "Usage: ostrel-cli " << c.usage << "\n    " << c.summary << '\n';
    return kExitOk;
}

} // namespace

int Run(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(out);
        return kExitOk;
    }
    for (const Command& c : Commands()) {
        if (args[0] != c.name)
            continue;
        const Args rest(args.begin() + 1, args.end());
        if (AsksForHelp(rest))
            return RunHelp(c, rest, out, err);
        int code = kExitUsage;
        if (rest.size() >= c.minArgs && rest.size() <= c.maxArgs)
            code = c.run(rest, out, err);
        if (code == kExitUsage)
            err << "Usage: ostrel-cli " << c.usage << '\n';
        return code;
    }
    err << "Unknown command: " << args[0] << '\n';
    PrintUsage(err);
    return kExitUsage;
}

} // namespace cli
