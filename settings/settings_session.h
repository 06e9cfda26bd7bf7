#pragma once
// SettingsSession: what the Settings dialog does with the application's
// settings record, without any window. It loads the record for a document,
// collects the controls into it, asks whether to save, and carries out the
// file commands New, Open, Save and Save As. The dialog supplies the control
// values, shows what the session hands back and asks for file names.

// Project
#include "radio/radio_image.h"
#include "radio/settings_controls.h"
#include "radio/settings_record.h"

// Standard library
#include <functional>
#include <string>

namespace settings {

// The one settings record of the program: zero-filled at start, replaced by
// every load, New or Open, and kept when the dialog closes.
radio::SettingsRecord& ApplicationSettings();

inline constexpr const char* kTitlePrefix = "Settings - ";
inline constexpr const char* kSaveQuestion = "Save settings before closing?";
inline constexpr const char* kSaveQuestionCaption = "Settings";

// What the session needs of the dialog that shows it.
class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    virtual radio::SettingsControlValues ReadControls() const = 0;
    virtual void ShowControls(const radio::SettingsControlValues& values) = 0;
    virtual void ShowTitle(const std::string& title) = 0;
    // A setting file to open or to save to, starting in the folder; empty
    // when the user cancelled.
    virtual std::string AskOpenPath(const std::string& folder) = 0;
    virtual std::string AskSavePath(const std::string& folder) = 0;
};

class SettingsSession {
public:
    // Called after Save As with the saved file's name when it differs from
    // the document's source name: the document takes it as its source name.
    using TieHandler = std::function<void(const std::string& fileName)>;

    SettingsSession(radio::SettingsRecord& record, SettingsForm& form);

    void SetTieHandler(TieHandler tie) { tie_ = std::move(tie); }

    // Opening the dialog: loads the record for the document, fills the
    // controls and the title, clears the modified flag.
    void OpenFor(const radio::RadioImage& image, const std::string& sourceName);

    // Packs the controls into the working block; when it now differs from the
    // record, the record takes it and the session is modified. True when the
    // session is modified.
    bool Collect();
    // The save question. True when the action may go on: the user answered
    // No, or Yes and the settings were saved.
    bool QuerySave();

    void New();
    // True when a file was read and became current.
    bool Open();
    bool Save();
    bool SaveAs();
    // Exit and closing the window: true when the dialog may end.
    bool Exit() { return QuerySave(); }

    // The block the controls were last compared with; the DTMF dialog edits it.
    radio::SettingsBlock& WorkingBlock() { return working_; }

    std::string Title() const { return kTitlePrefix + fileName_; }
    const std::string& Path() const { return path_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& SettingDir() const { return settingDir_; }
    const std::string& SourceName() const { return sourceName_; }
    bool IsUntitled() const { return untitled_; }
    bool IsModified() const { return modified_; }

private:
    void Refresh();
    void BecomeUntitled(const radio::SettingsRecord& record);
    void BecomeCurrent(const std::string& path);
    bool WriteTo(const std::string& path);

    radio::SettingsRecord& record_;
    SettingsForm& form_;
    TieHandler tie_;
    radio::SettingsBlock working_{};
    std::string sourceName_;
    std::string settingDir_;
    std::string path_;
    std::string fileName_;
    bool untitled_ = true;
    bool modified_ = false;
};

} // namespace settings
