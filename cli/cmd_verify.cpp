// ostrel-cli verify: reads the radio and compares what it holds with what a
// write of the file sends. The read is only compared: it becomes no document
// and is not kept.

#include "cli/subcommands.h"

// project
#include "cli/clone_support.h"
#include "cli/diff_print.h"
#include "clone/write_check.h"

namespace cli {

int CmdVerify(const Args& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    AddReadOptions(parser);
    parser.addOption({"settings", "The radio setting file the write merged (default: the document's own).", "FILE.rsf"});
    if (!ParseOptions(parser, "verify", args, err) || parser.positionalArguments().size() != 1)
        return kExitUsage;

    StreamPrompt prompt(err);
    const auto sent = StreamOfFile(parser, err);
    if (!sent)
        return kExitFailed;
    int code = kExitFailed;
    const auto read = ReadRadio(parser, out, err, code);
    if (!read)
        return code;
    const auto differences = transfer::VerifyDifferences(*sent, *read);
    if (differences.empty()) {
        out << transfer::kRadioHoldsSent << '\n';
        return kExitOk;
    }
    out << "The radio holds something else: " << radio::SummaryText(differences) << '\n';
    PrintDifferences(differences, DiffFormat::Text, out);
    return kExitFailed;
}

} // namespace cli
