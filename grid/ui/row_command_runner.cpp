// The row commands of one view: history steps and the desktop clipboard.

// own
#include "grid/ui/row_command_runner.h"

// Qt
#include <QClipboard>
#include <QGuiApplication>
#include <QString>

// project
#include "textio/export.h"

namespace grid {

RowCommandRunner::RowCommandRunner(SheetBook& book) : book_(book), commands_(book, ownSlots_) {}

bool RowCommandRunner::Run(RowCommand command)
{
    if (command == RowCommand::Copy || command == RowCommand::Cut) {
        if (command == RowCommand::Copy ? commands_.Copy() : commands_.Cut())
            PutOnDesktopClipboard();
        return false;
    }
    const std::size_t position = book_.Doc().History().Position();
    book_.RunGridStep([&]() -> std::string {
        RowChange change;
        const char* name = "";
        switch (command) {
        case RowCommand::Paste:
            change = commands_.Paste();
            name = "Paste";
            break;
        case RowCommand::Insert:
            change = commands_.Insert();
            name = "Insert";
            break;
        case RowCommand::Delete:
            change = commands_.Delete();
            name = "Delete";
            break;
        default:
            change = commands_.Sort(sortAsk_);
            name = "Sort";
            break;
        }
        return change.changed ? RowStepLabel(name, change.rows) : std::string();
    });
    return book_.Doc().History().Position() != position;
}

std::string RowCommandRunner::DesktopText(const CSpreadSheet1& grid, int r1, int r2)
{
    std::string text = textio::BuildExportLine(grid, 0, '\t');
    for (int row = r1; row <= r2; ++row)
        if (textio::IsExportedRow(grid, row))
            text += textio::BuildExportLine(grid, row, '\t');
    return text;
}

void RowCommandRunner::PutOnDesktopClipboard()
{
    const CSpreadSheet1& grid = book_.CurrentGrid();
    const std::string text = DesktopText(grid, grid.SelBlockRow(), grid.SelBlockRow2());
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

} // namespace grid
