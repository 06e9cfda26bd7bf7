// File > Import: a text file's rows through portkit's import wizard into
// memory channels, as one step of the document's history.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/window_commands.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/gui/file_dialog.h"
#include "portkit/portkit.h"
#include "radio/channel_record.h"
#include "textio/import_batch.h"
#include "textio/import_columns.h"

// Qt
#include <QFileDialog>

// std
#include <algorithm>
#include <array>
#include <vector>

namespace app {
namespace {

// The rows of the import under way. The wizard's callback carries no context
// of its own, and only one import runs at a time.
textio::ImportBatch* g_batch = nullptr;

void CollectRow(void* record, int channelIndex, int overwrite)
{
    if (g_batch != nullptr && record != nullptr)
        g_batch->Add(record, channelIndex, overwrite != 0);
}

// What the wizard's last page shows: the counts of placing its rows into the
// document as it is, without changing it.
struct CountContext {
    const radio::RadioImage& image;
    const textio::FileHeadings& headings;
};

void CountRows(void* context, const void* records, int count, int firstIndex, int overwrite, const int* assignment,
               int columns, char* text, int capacity)
{
    if (context == nullptr || text == nullptr || capacity < 1)
        return;
    const auto& counting = *static_cast<const CountContext*>(context);
    textio::ImportBatch batch;
    for (int k = 0; k < count; ++k)
        batch.Add(static_cast<const char*>(records) + static_cast<std::size_t>(k) * textio::RecordSize(),
                  firstIndex + k, overwrite != 0);
    if (assignment != nullptr && columns > 0)
        batch.SetAssignment({assignment, assignment + columns});
    const std::string counts = textio::CountsText(textio::CountBatch(counting.image, batch, counting.headings));
    const std::size_t n = std::min(counts.size(), static_cast<std::size_t>(capacity - 1));
    std::copy_n(counts.data(), n, text);
    text[n] = '\0';
}

std::string AskImportPath(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Import Radio File"), QStringLiteral("."),
                       QStringLiteral("Tab Delimited  (*.tab);;Comma Delimited  (*.csv);;All files (*.*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QString path = platform::RunFileDialog(dialog);
    return path.isEmpty() ? std::string() : PathBytes(path);
}

// Runs the wizard on `path` and keeps its column assignment with the rows;
// false when it did not finish. Rows always go to the Memories records,
// whichever sheet is shown.
bool RunWizard(CMainView& view, const std::string& path, const textio::FileHeadings& headings,
               textio::ImportBatch& batch)
{
    std::array<const char*, textio::kImportColumnCount> names{};
    std::array<int, textio::kImportColumnCount> widths{};
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k] = textio::kImportColumns[k].name;
        widths[k] = textio::kImportColumns[k].width;
    }
    const ImportDataStruct data{view.window(), textio::kImportColumnCount, 1,
                                radio::FreeChannelCount(view.Document().Image()), radio::kChannelCount};
    g_batch = &batch;
    CountContext counting{view.Document().Image(), headings};
    SetImportCounter(&CountRows, &counting);
    const bool finished = ImportData(data, names.data(), widths.data(), path.c_str(), &CollectRow);
    SetImportCounter(nullptr, nullptr);
    g_batch = nullptr;
    if (!finished)
        return false;
    // Which columns the user assigned: a column set to Ignore hands over the
    // same zero bytes as an assigned one with an empty cell.
    const std::vector<int> assignment = ImportAssignment();
    batch.SetAssignment(assignment);
    // Rows came without an assignment only from a library that lacks the
    // entry (after the loader's message): nothing is placed then.
    return batch.Empty() || !assignment.empty();
}

void RunImport(CMainView& view)
{
    const std::string path = AskImportPath(&view);
    if (path.empty())
        return;
    const textio::FileHeadings headings = textio::ReadFileHeadings(path);
    textio::ImportBatch batch;
    if (!RunWizard(view, path, headings, batch))
        return;
    const textio::ImportCounts counts = textio::CountBatch(view.Document().Image(), batch, headings);
    view.RunStep(textio::ImportStepLabel(counts.placed),
                 [&](radio::CMainDoc& doc) { textio::PlaceBatch(doc, batch, headings); });
    if (view.CurrentSheet() != radio::kSheetMemories)
        view.SetCurrentSheet(radio::kSheetMemories);
}

} // namespace

void InstallImportCommand(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::Import, {.run = [&window] { RunImport(window.View()); }});
}

} // namespace app
