// The row commands of one view: history steps and the desktop clipboard.

// own
#include "grid/ui/row_command_runner.h"

// Qt
#include <QClipboard>
#include <QGuiApplication>
#include <QString>

// project
#include "platform/command_ids.h"
#include "textio/export.h"

namespace grid {

RowCommandRunner::RowCommandRunner(SheetBook& book) : book_(book), commands_(book, ownClipboard_) {}

bool RowCommandRunner::Handles(int id)
{
    switch (id) {
    case cmd::Cut:
    case cmd::Copy:
    case cmd::Paste:
    case cmd::Insert:
    case cmd::Delete:
    case cmd::Sort:
        return true;
    default:
        return false;
    }
}

bool RowCommandRunner::Run(int id)
{
    if (id == cmd::Copy || id == cmd::Cut) {
        if (id == cmd::Copy ? commands_.Copy() : commands_.Cut())
            PutOnDesktopClipboard();
        return false;
    }
    if (!Handles(id))
        return false;
    const std::size_t position = book_.Doc().History().Position();
    book_.RunGridStep([&]() -> std::string {
        RowChange change;
        const char* name = "";
        switch (id) {
        case cmd::Paste:
            change = commands_.Paste();
            name = "Paste";
            break;
        case cmd::Insert:
            change = commands_.Insert();
            name = "Insert";
            break;
        case cmd::Delete:
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
