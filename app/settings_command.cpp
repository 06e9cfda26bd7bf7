// View > Settings...: the radio Settings dialog for the active document.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/window_commands.h"
#include "grid/ui/main_view.h"
#include "radio/main_doc.h"
#include "settings/settings_session.h"
#include "settings/ui/settings_dlg.h"

namespace app {
namespace {

constexpr const char* kTieStep = "Tie Setting File";

void RunSettingsDialog(CChildFrame& window)
{
    CMainView& view = window.View();
    const radio::CMainDoc& doc = view.Document();
    CSettingsDlg dialog(settings::ApplicationSettings(), doc.Image(), doc.SourceName(), &window);
    // A setting file saved under a new name belongs to the document from now
    // on; as a step of its own the tie makes the document modified, so it is
    // saved with the radio data file rather than lost.
    dialog.SetTieHandler([&view](const std::string& fileName) {
        view.RunStep(kTieStep, [&fileName](radio::CMainDoc& d) { d.SetSourceName(fileName); });
    });
    dialog.exec();
}

} // namespace

void InstallSettingsCommand(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::Settings, {.run = [&window] { RunSettingsDialog(window); }});
}

} // namespace app
