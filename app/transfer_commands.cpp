// "Get data from..." and "Send data to...": reading the radio into the
// active document and writing the document to the radio.

// own
#include "app/window_commands.h"

// Qt
#include <QMainWindow>
#include <QStatusBar>

// std
#include <ctime>

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "clone/transfer_doc.h"
#include "clone/ui/get_data_dialog.h"
#include "clone/ui/send_data_dialog.h"
#include "grid/ui/main_view.h"
#include "radio/main_doc.h"

namespace app {
namespace {

void ShowInStatusBar(CChildFrame& window, const std::string& text)
{
    if (auto* frame = qobject_cast<QMainWindow*>(window.window()))
        frame->statusBar()->showMessage(QString::fromStdString(text), 10000);
}

// The document offers to be saved, becomes a new document (shown at once),
// and then takes a good read as one step. After a failed or cancelled read
// it stays the new document, unmodified, and nothing is remembered.
void GetData(CChildFrame& window)
{
    if (!window.SaveModified())
        return;
    CMainView& view = window.View();
    radio::CMainDoc& doc = view.Document();
    if (!doc.OnNewDocument())
        return;
    view.ReloadGrids();
    // The load settles a few bytes: that is the new document, not an edit.
    doc.StartHistory();
    window.UpdateTitle();

    transfer::CGetDataDlg dialog(&window);
    dialog.exec();
    if (!dialog.Succeeded())
        return;
    transfer::ReadAdoption adopted;
    view.RunStep("Read from Radio", [&](radio::CMainDoc& d) {
        adopted = transfer::AdoptRead(d, dialog.Received(), std::time(nullptr), &window);
    });
    if (!adopted.keptError.empty())
        ShowInStatusBar(window, adopted.keptError);
}

// The document's settings are merged and its image made ready for the radio
// as one step, which leaves the modified state as it was; then the dialog
// sends it.
void SendData(CChildFrame& window)
{
    CMainView& view = window.View();
    radio::CMainDoc& doc = view.Document();
    const auto settings = transfer::SettingsForWrite(doc);
    if (!settings)
        return;
    const bool wasModified = doc.IsModified();
    view.RunStep("Prepare for Radio",
                 [&](radio::CMainDoc& d) { transfer::PrepareDocumentForRadio(d, *settings); });
    if (!wasModified)
        doc.MarkClean();
    window.UpdateTitle();

    transfer::CSendDataDlg dialog(doc.Image(), &window);
    dialog.exec();
}

} // namespace

void InstallTransferCommands(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::GetData, {.run = [&window] { GetData(window); }});
    commands.Register(cmd::SendData, {.run = [&window] { SendData(window); }});
}

} // namespace app
