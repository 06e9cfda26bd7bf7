// The row commands of one view: history steps and the desktop clipboard.

// own
#include "grid/ui/row_command_runner.h"

// Qt
#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

// project
#include "textio/export.h"

namespace grid {
namespace {

// The stamp of the rows this program put on the clipboard last, shared by
// every window (they share the text slots too).
QByteArray& LastStamp()
{
    static QByteArray stamp;
    return stamp;
}

QByteArray NewStamp()
{
    static unsigned long long copies = 0;
    return QByteArray::number(QCoreApplication::applicationPid()) + '-' + QByteArray::number(++copies);
}

constexpr const char* kMoveLabel = "Move Rows";

} // namespace

RowCommandRunner::RowCommandRunner(DocumentController& controller) : controller_(controller), commands_(controller, ownSlots_) {}

bool RowCommandRunner::Run(RowCommand command)
{
    if (command == RowCommand::Copy || command == RowCommand::Cut) {
        if (command == RowCommand::Copy ? commands_.Copy() : commands_.Cut())
            PutOnDesktopClipboard();
        return false;
    }
    return controller_.RunGridStep([&]() -> std::string {
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
}

bool RowCommandRunner::Move(int delta)
{
    return controller_.RunGridStep([&] { return commands_.Move(delta).changed ? std::string(kMoveLabel) : std::string(); });
}

bool RowCommandRunner::MoveTo(int dest)
{
    return controller_.RunGridStep([&] { return commands_.MoveTo(dest).changed ? std::string(kMoveLabel) : std::string(); });
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
    const CSpreadSheet1& grid = controller_.CurrentGrid();
    const std::string text = DesktopText(grid, grid.SelBlockRow(), grid.SelBlockRow2());
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    auto* data = new QMimeData; // the clipboard takes it
    data->setText(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    LastStamp() = NewStamp();
    data->setData(QString::fromLatin1(kRowsStampType), LastStamp());
    clipboard->setMimeData(data);
}

std::optional<std::string> RowCommandRunner::OtherProgramsText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (data == nullptr || !data->hasText())
        return std::nullopt;
    const QString type = QString::fromLatin1(kRowsStampType);
    if (!LastStamp().isEmpty() && data->hasFormat(type) && data->data(type) == LastStamp())
        return std::nullopt;
    QString text = data->text();
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace grid
