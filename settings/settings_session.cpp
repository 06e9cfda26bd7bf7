#include "settings/settings_session.h"

// Project
#include "platform/prompt.h"
#include "platform/radio_services.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"

// Standard library
#include <algorithm>
#include <filesystem>

namespace settings {

radio::SettingsRecord& ApplicationSettings()
{
    static radio::SettingsRecord record;
    return record;
}

SettingsSession::SettingsSession(radio::SettingsRecord& record, SettingsForm& form)
    : record_(record), form_(form)
{
}

void SettingsSession::OpenFor(const radio::RadioImage& image, const std::string& sourceName)
{
    sourceName_ = sourceName;
    settingDir_ = radio::StoredSettingsLocation(platform::RegistrySettings()).dir;
    radio::LoadedSettings loaded = radio::LoadSettingsForDocument(image, sourceName, platform::RegistrySettings(),
                                                                    platform::PromptMessages());
    record_ = loaded.record;
    path_ = loaded.path;
    // The title names the file actually loaded, the document's own one included.
    fileName_ = loaded.fileName;
    untitled_ = loaded.untitled;
    modified_ = false;
    Refresh();
}

// The controls, the working block and the title all follow the record, so
// that the DTMF memories of a file just opened are the ones saved later.
void SettingsSession::Refresh()
{
    const radio::ConstSettingsBlockView block = record_.Block();
    std::copy(block.begin(), block.end(), working_.begin());
    form_.ShowControls(radio::ControlValuesFromBlock(block));
    form_.ShowTitle(Title());
}

bool SettingsSession::Collect()
{
    if (radio::CollectControls(form_.ReadControls(), working_, record_).changed)
        modified_ = true;
    return modified_;
}

bool SettingsSession::QuerySave()
{
    if (!Collect())
        return true;
    switch (platform::ShowMessage(kSaveQuestion, kSaveQuestionCaption, platform::Icon::Question,
                                  platform::Buttons::YesNoCancel)) {
    case platform::Answer::Yes:
        // A save that failed or was cancelled keeps the dialog and its
        // settings, rather than dropping them for a new or opened file.
        return Save();
    case platform::Answer::No:
        return true;
    default:
        return false;
    }
}

void SettingsSession::BecomeUntitled(const radio::SettingsRecord& record)
{
    record_ = record;
    path_.clear();
    fileName_ = radio::kUntitledSettingsName;
    untitled_ = true;
}

void SettingsSession::New()
{
    if (!QuerySave())
        return;
    BecomeUntitled(radio::DefaultSettingsRecord());
    Refresh();
}

bool SettingsSession::Open()
{
    if (!QuerySave())
        return false;
    const std::string path = form_.AskOpenPath(settingDir_);
    if (path.empty())
        return false;
    radio::SettingsRecord read;
    if (!radio::ReadSettingsFile(path, read, platform::PromptMessages()))
        return false;
    record_ = read;
    BecomeCurrent(path);
    settingDir_ = radio::RememberOpenedSettingFile(platform::RegistrySettings(), path);
    Refresh();
    return true;
}

void SettingsSession::BecomeCurrent(const std::string& path)
{
    path_ = path;
    fileName_ = std::filesystem::path(path).filename().string();
    untitled_ = false;
    modified_ = false;
}

bool SettingsSession::WriteTo(const std::string& path)
{
    return radio::WriteSettingsFile(path, record_, platform::PromptMessages());
}

bool SettingsSession::Save()
{
    Collect();
    if (untitled_)
        return SaveAs();
    if (!WriteTo(path_))
        return false;
    modified_ = false;
    return true;
}

bool SettingsSession::SaveAs()
{
    Collect();
    record_.SetHeaderFields();
    const std::string path = form_.AskSavePath(settingDir_);
    if (path.empty() || !WriteTo(path))
        return false;
    BecomeCurrent(path);
    settingDir_ = radio::RememberSavedSettingFile(platform::RegistrySettings(), path);
    form_.ShowTitle(Title());
    if (fileName_ != sourceName_) {
        sourceName_ = fileName_;
        if (tie_)
            tie_(fileName_);
    }
    return true;
}

} // namespace settings
