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
#include "app/main_frame.h"
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

// The document offers to be saved, becomes a new, untitled document (shown
// at once, so Save asks for a name), and then takes a good read as one step.
// After a failed or cancelled read it stays the new document, unmodified, and
// nothing is remembered.
void GetData(CChildFrame& window)
{
    if (!window.SaveModified())
        return;
    CMainView& view = window.View();
    auto* frame = qobject_cast<CMainFrame*>(window.window());
    window.Doc().ForgetPath(frame != nullptr ? frame->NextUntitledName() : app::UntitledName(1));
    view.NewDocument();
    window.UpdateTitle();

    transfer::CGetDataDlg dialog(&window);
    dialog.exec();
    if (!dialog.Succeeded())
        return;
    transfer::ReadAdoption adopted;
    view.AdoptRead([&](radio::CMainDoc& d) {
        adopted = transfer::AdoptRead(d, dialog.Received(), std::time(nullptr), &window);
    });
    if (!adopted.keptError.empty())
        ShowInStatusBar(window, adopted.keptError);
}

// The grids are stored, then the dialog sends what the document builds for
// the radio with its settings (the same bytes `ostrel-cli write` sends). The
// document itself is not changed by a write. A setting file of the document
// that is refused stops the write: its message was shown, nothing is sent.
void SendData(CChildFrame& window)
{
    CMainView& view = window.View();
    if (!view.Commit(true))
        return;
    const auto stream = transfer::StreamForWrite(view.Document());
    if (!stream)
        return;
    transfer::CSendDataDlg dialog(*stream, &window);
    dialog.exec();
}

} // namespace

void InstallTransferCommands(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::GetData, {.run = [&window] { GetData(window); }});
    commands.Register(cmd::SendData, {.run = [&window] { SendData(window); }});
}

} // namespace app
