// The settings commands of ostrel-cli: show the radio settings of a setting
// file or a radio data file, and set them in a setting file.

#include "cli/subcommands.h"

// std
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>

// project
#include "platform/prompt.h"
#include "platform/radio_services.h"
#include "radio/main_doc.h"
#include "radio/settings_controls.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"
#include "radio/settings_text.h"

namespace cli {

namespace {

constexpr int kDtmfMemories = 16;
constexpr const char* kCwIdLabel = "CW ID";
constexpr const char* kOn = "On";
constexpr const char* kOff = "Off";

constexpr const char* kHelp =
    "Usage: ostrel-cli settings show FILE\n"
    "       ostrel-cli settings set FILE.rsf ID=VALUE... [dtmf N=DIGITS]...\n"
    "\n"
    "show lists the radio settings of a setting file (.rsf) or of the image of a\n"
    "radio data file (.rdf): one line ID<TAB>LABEL<TAB>VALUE per Settings dialog\n"
    "control, then dtmf N<TAB>DIGITS for memories 1 to 16, then the DTMF delay\n"
    "(1129) and speed (1130).\n"
    "\n"
    "set changes controls of a setting file by id, creating the file from the\n"
    "built-in template when it does not exist. VALUE is an item text as show\n"
    "prints it, On or Off for a check box, the CW ID text for 1127 (empty clears\n"
    "it), and 0-9, A-D, * and # (E for *, F for #) for a DTMF memory. An unknown\n"
    "id or value changes nothing and exits 2.\n";

// Messages of the file layer go to the command's error stream.
class StreamPrompt final : public platform::Prompt {
public:
    explicit StreamPrompt(std::ostream& err) : err_(err), previous_(platform::SetPrompt(this)) {}
    ~StreamPrompt() override { platform::SetPrompt(previous_); }
    StreamPrompt(const StreamPrompt&) = delete;
    StreamPrompt& operator=(const StreamPrompt&) = delete;

    platform::Answer Show(const platform::Message& message) override
    {
        err_ << message.text << '\n';
        return platform::Answer::Cancel;
    }

private:
    std::ostream& err_;
    platform::Prompt* previous_;
};

bool HasExtension(const std::string& path, const char* extension)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == extension;
}

// The settings of a setting file, or those in the image of a radio data file.
std::optional<radio::SettingsRecord> ReadSettings(const std::string& path, std::ostream& err)
{
    if (HasExtension(path, ".rdf")) {
        radio::CMainDoc doc('.');
        if (!doc.Load(path)) {
            err << doc.ErrorText() << '\n';
            return std::nullopt;
        }
        return radio::SettingsRecordFromImage(doc.Image());
    }
    radio::SettingsRecord record;
    if (!radio::ReadSettingsFile(path, record, platform::PromptMessages()))
        return std::nullopt;
    return record;
}

std::string ValueText(const radio::SettingControl& control, radio::ConstSettingsBlockView block)
{
    const int value = radio::UnpackControl(control, block);
    if (control.kind == radio::ControlKind::Check)
        return value == 1 ? kOn : kOff;
    return value >= 0 ? control.items[static_cast<std::size_t>(value)] : std::string();
}

void PrintControl(std::ostream& out, const radio::SettingControl& control, radio::ConstSettingsBlockView block)
{
    out << control.id << '\t' << control.label << '\t' << ValueText(control, block) << '\n';
}

void PrintSettings(std::ostream& out, radio::ConstSettingsBlockView block)
{
    for (const radio::SettingControl& control : radio::SettingsDialogControls())
        PrintControl(out, control, block);
    out << radio::kCwIdEditId << '\t' << kCwIdLabel << '\t' << radio::CwIdFromBlock(block) << '\n';
    for (int m = 0; m < kDtmfMemories; ++m)
        out << "dtmf " << m + 1 << '\t' << radio::DtmfMemoryText(block, m) << '\n';
    for (const radio::SettingControl& control : radio::DtmfDialogControls())
        PrintControl(out, control, block);
}

int ShowSettings(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2)
        return kExitUsage;
    const std::optional<radio::SettingsRecord> record = ReadSettings(args[1], err);
    if (!record)
        return kExitFailed;
    PrintSettings(out, record->Block());
    return kExitOk;
}

// The item index of a control's value text, -1 when it is none of them.
int ItemOf(const radio::SettingControl& control, const std::string& text)
{
    if (control.kind == radio::ControlKind::Check)
        return text == kOn ? 1 : text == kOff ? 0 : -1;
    const auto found = std::find(control.items.begin(), control.items.end(), text);
    return found == control.items.end() ? -1 : static_cast<int>(found - control.items.begin());
}

std::optional<int> Number(const std::string& text)
{
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](unsigned char c) {
            return std::isdigit(c);
        }))
        return std::nullopt;
    return std::stoi(text);
}

// Clearing the CW ID from the command line leaves no character at all.
void ClearCwId(radio::SettingsBlockView block)
{
    std::fill_n(&block[radio::blk::kCwId], radio::blk::kCwIdSize, std::uint8_t{0xFF});
}

// Applies one "ID=VALUE" (or "dtmf N=DIGITS") to the block; false, with the
// reason on err, when the id or the value is unknown.
bool Apply(const std::string& assignment, radio::SettingsBlockView block, std::ostream& err)
{
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
        err << "Not ID=VALUE: " << assignment << '\n';
        return false;
    }
    std::string id = assignment.substr(0, eq);
    const std::string value = assignment.substr(eq + 1);
    if (id.rfind("dtmf ", 0) == 0) {
        const std::optional<int> memory = Number(id.substr(5));
        if (!memory || *memory < 1 || *memory > kDtmfMemories) {
            err << "Unknown DTMF memory: " << id << '\n';
            return false;
        }
        if (!radio::StoreDtmfMemory(value, *memory - 1, block)) {
            err << "Invalid DTMF digits for " << id << ": " << value << '\n';
            return false;
        }
        return true;
    }
    const std::optional<int> number = Number(id);
    if (number && *number == radio::kCwIdEditId) {
        if (!radio::IsValidCwId(value)) {
            err << "Invalid CW ID for " << id << ": " << value << '\n';
            return false;
        }
        if (value.empty())
            ClearCwId(block);
        radio::StoreCwId(value, block);
        return true;
    }
    const radio::SettingControl* control = number ? radio::FindSettingControl(*number) : nullptr;
    if (control == nullptr) {
        err << "Unknown control id: " << id << '\n';
        return false;
    }
    const int item = ItemOf(*control, value);
    if (item < 0) {
        err << "Invalid value for " << id << " (" << control->label << "): " << value << '\n';
        return false;
    }
    radio::PackControl(*control, item, block);
    return true;
}

// "dtmf" followed by "N=DIGITS" is taken as one assignment, so that the
// form shown by "show" can be typed without quotes.
Args Assignments(const Args& args)
{
    Args joined;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "dtmf" && i + 1 < args.size())
            joined.push_back("dtmf " + args[++i]);
        else
            joined.push_back(args[i]);
    }
    return joined;
}

int SetSettings(const Args& args, std::ostream& err)
{
    if (args.size() < 3)
        return kExitUsage;
    const std::string& path = args[1];
    const Args assignments = Assignments(args);
    if (assignments.empty() || HasExtension(path, ".rdf"))
        return kExitUsage;
    radio::SettingsRecord record = radio::DefaultSettingsRecord();
    if (std::filesystem::exists(path) && !radio::ReadSettingsFile(path, record, platform::PromptMessages()))
        return kExitFailed;
    for (const std::string& assignment : assignments) {
        if (!Apply(assignment, record.Block(), err))
            return kExitUsage;
    }
    return radio::WriteSettingsFile(path, record, platform::PromptMessages()) ? kExitOk : kExitFailed;
}

} // namespace

int CmdSettings(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args[0] == "--help" || args[0] == "-h") {
        out << kHelp;
        return kExitOk;
    }
    StreamPrompt prompt(err);
    if (args[0] == "show")
        return ShowSettings(args, out, err);
    if (args[0] == "set")
        return SetSettings(args, err);
    return kExitUsage;
}

} // namespace cli
