// File > Export: writes the sheet being shown as tab- or comma-delimited text,
// or in other programs' CSV layout.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/window_commands.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/gui/file_dialog.h"
#include "platform/prompt.h"
#include "textio/export.h"
#include "textio/other_layout.h"

// Qt
#include <QFileDialog>

namespace app {
namespace {

const QString kTabFilter = QStringLiteral("Tab Delimited  (*.tab)");
const QString kCsvFilter = QStringLiteral("Comma Delimited  (*.csv)");
const QString kOtherFilter = QStringLiteral("Other Programs' CSV  (*.csv)");
const QString kAllFilter = QStringLiteral("All files (*.*)");

struct ExportChoice {
    std::string path; // empty when cancelled
    bool otherLayout = false;
};

// The extension the filter gives a bare name: csv for the comma filters, else tab.
QString SuffixOf(const QString& filter)
{
    auto chosen = [&filter](const QString& name) { return filter.simplified() == name.simplified(); };
    return chosen(kCsvFilter) || chosen(kOtherFilter) ? QStringLiteral("csv") : QStringLiteral("tab");
}

// A save dialog that gives a bare name the extension of the chosen filter
// before it looks for the file, so that replacing an existing one is asked
// about under the name that is written.
class ExportDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        setDefaultSuffix(SuffixOf(selectedNameFilter()));
        QFileDialog::accept();
    }
};

// The chosen file and whether other programs' layout was chosen.
ExportChoice AskExportPath(QWidget* parent)
{
    ExportDialog dialog(parent, QStringLiteral("Export Radio File"), QStringLiteral("."),
                        kTabFilter + ";;" + kCsvFilter + ";;" + kOtherFilter + ";;" + kAllFilter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString path = platform::RunFileDialog(dialog);
    if (path.isEmpty())
        return {};
    return {PathBytes(path), dialog.selectedNameFilter().simplified() == kOtherFilter.simplified()};
}

} // namespace

void InstallExportCommand(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::Export, {.run = [&window] {
        CMainView& view = window.View();
        const ExportChoice choice = AskExportPath(&view);
        if (choice.path.empty())
            return;
        grid::DocumentController& controller = view.Controller();
        // Scan values belong to memories: only the Memories sheet writes them.
        const radio::RadioImage* scan = controller.CurrentSheet() == radio::kSheetMemories ? &view.Document().Image() : nullptr;
        std::string error;
        const bool written = choice.otherLayout
                                 ? textio::ExportOtherSheet(controller.CurrentGrid(), scan, choice.path, error)
                                 : textio::ExportSheet(controller.CurrentGrid(), choice.path, error);
        if (!written)
            platform::ShowMessage(error, textio::kExportErrorCaption, platform::Icon::Error, platform::Buttons::Ok,
                                  &view);
    }});
}

} // namespace app
