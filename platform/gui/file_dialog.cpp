#include "platform/gui/file_dialog.h"

// Qt
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

namespace platform {
namespace {

// Qt's own file dialog starts too narrow for its columns; it opens at this
// size where the screen has room.
constexpr int kDialogWidth = 820;
constexpr int kDialogHeight = 520;

// The name takes the room left over; size, type and date are as wide as
// their longest entry, so a date is never cut to "8 Dec ...:50:36".
void FitColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>();
    if (view == nullptr)
        return;
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

} // namespace

QString RunFileDialog(QFileDialog& dialog)
{
    QSize size(kDialogWidth, kDialogHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
    dialog.setViewMode(QFileDialog::Detail);
    FitColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
