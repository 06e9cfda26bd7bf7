// ostrel-cli diff: the differences between two radio data files or two
// setting files, or a file and the newest kept read, in the windows' words.

#include "cli/subcommands.h"

// std
#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

// project
#include "cli/clone_support.h"
#include "cli/diff_print.h"
#include "clone/kept_reads.h"
#include "platform/locale.h"
#include "platform/radio_services.h"
#include "radio/image_diff.h"
#include "radio/main_doc.h"
#include "radio/settings_file.h"

namespace cli {
namespace {

struct Side {
    std::string path;
    bool kept = false; // a kept read: the radio keeps no comments
};

bool IsSettingFile(const std::string& path)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.ends_with(".rsf");
}

// The two sides and the format from the arguments; false on a usage error.
bool ParseDiffArgs(const Args& args, std::vector<Side>& sides, DiffFormat& format, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--format" && hasValue && (args[i + 1] == "tsv" || args[i + 1] == "text")) {
            format = args[++i] == "tsv" ? DiffFormat::Tsv : DiffFormat::Text;
        } else if (arg == "--kept" && hasValue && args[i + 1] == "latest") {
            ++i;
            const auto newest = transfer::NewestKeptRead();
            if (!newest) {
                err << "No read of the radio is kept on this computer\n";
                return false;
            }
            sides.push_back({newest->path, true});
        } else if (arg.starts_with("-")) {
            return false;
        } else {
            sides.push_back({arg, false});
        }
    }
    return sides.size() == 2;
}

std::optional<std::vector<radio::Difference>> CompareSettingFiles(const std::vector<Side>& sides, std::ostream& err)
{
    std::array<radio::SettingsRecord, 2> records;
    for (std::size_t i = 0; i < 2; ++i)
        if (!radio::ReadSettingsFile(sides[i].path, records[i], platform::PromptMessages())) {
            err << "Could not read " << sides[i].path << '\n';
            return std::nullopt;
        }
    return radio::CompareSettings(records[0], records[1]);
}

std::optional<std::vector<radio::Difference>> CompareDataFiles(const std::vector<Side>& sides, std::ostream& err)
{
    std::array<std::unique_ptr<radio::CMainDoc>, 2> docs;
    std::array<radio::CompareSide, 2> compared;
    for (std::size_t i = 0; i < 2; ++i) {
        docs[i] = std::make_unique<radio::CMainDoc>(platform::DecimalSeparator());
        if (!docs[i]->Load(sides[i].path)) {
            err << docs[i]->ErrorText() << '\n';
            return std::nullopt;
        }
        compared[i].image = &docs[i]->Data().image;
        compared[i].comments = sides[i].kept ? nullptr : &docs[i]->Data().comments;
    }
    return radio::CompareImages(compared[0], compared[1]);
}

} // namespace

int CmdDiff(const Args& args, std::ostream& out, std::ostream& err)
{
    std::vector<Side> sides;
    DiffFormat format = DiffFormat::Text;
    if (!ParseDiffArgs(args, sides, format, err))
        return kExitUsage;
    const bool settings = IsSettingFile(sides[0].path);
    if (settings != IsSettingFile(sides[1].path)) {
        err << "Compare two radio data files (.rdf) or two setting files (.rsf)\n";
        return kExitUsage;
    }
    StreamPrompt prompt(err);
    const auto differences = settings ? CompareSettingFiles(sides, err) : CompareDataFiles(sides, err);
    if (!differences)
        return kExitUsage;
    PrintDifferences(*differences, format, out);
    return differences->empty() ? kExitOk : kExitFailed;
}

} // namespace cli
