#pragma once
// CSettingsDlg: the radio's set-mode menu, CW ID and DTMF memories, edited on
// the application's settings record and kept in setting files. The controls
// are made in one loop over the settings control table and placed in the
// groups of SettingsGroups(); the file commands live in SettingsSession.

// Project
#include "radio/radio_image.h"
#include "settings/settings_groups.h"
#include "settings/settings_session.h"

// Qt
#include <QDialog>

// Standard library
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QMenuBar;

namespace radio {
struct SettingControl;
}

// Commands of the dialog's own menu.
namespace settings_cmd {
enum Id : int {
    New = 32820,
    Open = 32821,
    Save = 32822,
    SaveAs = 32823,
    Exit = 32824,
    Contents = 32828,
};
inline constexpr int kHelpContext = 102;
} // namespace settings_cmd

class CSettingsDlg final : public QDialog, private settings::SettingsForm {
    Q_OBJECT
public:
    // Asks for a setting file to open (save false) or to save to (save true),
    // starting in the folder; empty when cancelled.
    using FileAsker = std::function<std::string(bool save, const std::string& folder)>;

    // Loads the record for the document with this image and source name and
    // shows it.
    CSettingsDlg(radio::SettingsRecord& record, const radio::RadioImage& image, const std::string& sourceName,
                 QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // Save As ties the file to the document through this handler.
    void SetTieHandler(settings::SettingsSession::TieHandler tie);
    // Replaces the file dialogs (tests answer them from a script).
    void SetFileAsker(FileAsker asker) { asker_ = std::move(asker); }

    // The widget of a control id (combo box, check box, the CW ID line edit,
    // the DTMF button); nullptr for an unknown id.
    QWidget* Control(int id) const;
    // The menu command with this id.
    QAction* Action(int id) const;
    settings::SettingsSession& Session() { return session_; }

    // Exit and closing the window ask the save question first.
    void reject() override;

private:
    radio::SettingsControlValues ReadControls() const override;
    void ShowControls(const radio::SettingsControlValues& values) override;
    void ShowTitle(const std::string& title) override;
    std::string AskOpenPath(const std::string& folder) override;
    std::string AskSavePath(const std::string& folder) override;

    QMenuBar* BuildMenu();
    QWidget* BuildGroups();
    QGroupBox* BuildGroup(const settings::SettingsGroup& group, std::vector<QWidget*>& labels);
    QWidget* MakeControl(int id);
    QWidget* MakeTableControl(const radio::SettingControl& control);
    void OnCommand(int id);
    void OpenDtmf();

    settings::SettingsSession session_;
    std::map<int, QWidget*> controls_;
    std::map<int, QAction*> actions_;
    FileAsker asker_;
};
