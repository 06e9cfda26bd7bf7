// Edit > Paste: our own rows, or text another program put on the clipboard.

// own
#include "app/paste_other.h"

// std
#include <algorithm>
#include <optional>

// Qt
#include <QStatusBar>
#include <QString>

// project
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "grid/row_commands.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "grid/ui/row_command_runner.h"
#include "radio/main_doc.h"
#include "textio/paste_rows.h"

namespace app {

std::string PasteOtherProgramsText(CMainView& view, const std::string& text)
{
    if (view.CurrentSheet() != radio::kSheetMemories)
        return kPasteOnMemoriesOnly;
    const int row = view.Controller().CurrentGrid().SelBlockRow();
    if (row < 1)
        return std::string();
    // The channels and the scan limits are separate regions, as for our own rows.
    const int first = row - 1;
    const int last = row <= grid::kShiftRows ? grid::kShiftRows - 1 : radio::kChannelCount - 1;
    const textio::PastedRows rows = textio::ReadPastedRows(text);
    // Overwriting, the conversion does not depend on what the channels held.
    const textio::PasteCounts counts = textio::CountPastedRows(view.Document().Image(), rows, first, last);
    if (counts.placed > 0)
        view.RunStep(grid::RowStepLabel("Paste", counts.placed),
                     [&](radio::CMainDoc& doc) { textio::PlacePastedRows(doc, rows, first, last); });
    return textio::PasteStatusText(counts);
}

void PasteRows(CChildFrame& window)
{
    CMainView& view = window.View();
    const std::optional<std::string> text = grid::RowCommandRunner::OtherProgramsText();
    if (!text) {
        view.RunRowCommand(grid::RowCommand::Paste);
        return;
    }
    const std::string report = PasteOtherProgramsText(view, *text);
    if (CMainFrame* frame = window.Frame(); frame != nullptr && !report.empty())
        frame->statusBar()->showMessage(QString::fromLatin1(report.data(), static_cast<int>(report.size())));
}

} // namespace app
