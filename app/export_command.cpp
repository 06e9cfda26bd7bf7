// File > Export: writes the sheet being shown as tab- or comma-delimited text.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/window_commands.h"
#include "grid/sheet_book.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "textio/export.h"

// Qt
#include <QFileDialog>
#include <QFileInfo>

namespace app {
namespace {

const QString kTabFilter = QStringLiteral("Tab Delimited  (*.tab)");
const QString kCsvFilter = QStringLiteral("Comma Delimited  (*.csv)");
const QString kAllFilter = QStringLiteral("All files (*.*)");

// The chosen file, with the extension of the chosen filter added to a bare name
// (tab by default); empty when cancelled.
std::string AskExportPath(QWidget* parent)
{
    QString filter = kTabFilter;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Radio File"), QStringLiteral("."),
                                                kTabFilter + ";;" + kCsvFilter + ";;" + kAllFilter, &filter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == kCsvFilter ? QStringLiteral(".csv") : QStringLiteral(".tab");
    return PathBytes(path);
}

} // namespace

void InstallExportCommand(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::Export, {.run = [&window] {
        CMainView& view = window.View();
        const std::string path = AskExportPath(&view);
        if (path.empty())
            return;
        std::string error;
        if (!textio::ExportSheet(view.Book().CurrentGrid(), path, error))
            platform::ShowMessage(error, textio::kExportErrorCaption, platform::Icon::Error, platform::Buttons::Ok,
                                  &view);
    }});
}

} // namespace app
