// ostrel-cli kept: the reads kept on this computer, newest first.

#include "cli/subcommands.h"

// std
#include <ctime>

// project
#include "clone/kept_reads.h"

namespace cli {

int CmdKept(const Args& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty())
        return kExitUsage;
    const auto reads = transfer::ListKeptReads();
    if (reads.empty()) {
        err << "No read of the radio is kept on this computer\n";
        return kExitOk;
    }
    for (const transfer::KeptRead& read : reads) {
        std::tm local{};
        localtime_r(&read.when, &local);
        char when[32] = {};
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
        out << read.path << '\t' << when << '\t';
        if (read.memoriesInUse < 0)
            out << "unreadable\n";
        else
            out << read.memoriesInUse << (read.memoriesInUse == 1 ? " memory" : " memories") << " in use\n";
    }
    return kExitOk;
}

} // namespace cli
