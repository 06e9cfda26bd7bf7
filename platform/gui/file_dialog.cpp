#include "platform/gui/file_dialog.h"

// Qt
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

// Qt's own file dialog starts too narrow for its columns; it opens at this
// size where the screen has room.
constexpr int kDialogWidth = 820;
constexpr int kDialogHeight = 520;

} // namespace

QString RunFileDialog(QFileDialog& dialog)
{
    QSize size(kDialogWidth, kDialogHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
    dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
