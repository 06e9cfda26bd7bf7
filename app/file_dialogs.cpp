#include "app/file_dialogs.h"

// project
#include "app/document.h"

// Qt
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace app {
namespace {

const QString kFilter = QStringLiteral("Radio Data Files (*.rdf);;All Files (*)");

// Qt's own file dialog starts too narrow for its name, size, type and date
// columns; it opens at this size where the screen has room.
constexpr int kDialogWidth = 820;
constexpr int kDialogHeight = 520;

// The chosen file, empty when cancelled.
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

} // namespace

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string AskOpenPath(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Open"), QString(), kFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return PathBytes(RunFileDialog(dialog));
}

std::string AskSavePath(QWidget* parent, const std::string& suggested)
{
    const QFileInfo suggestion(PathText(suggested));
    QFileDialog dialog(parent, QStringLiteral("Save As"), suggested.empty() ? QString() : suggestion.absolutePath(),
                       kFilter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suggested.empty())
        dialog.selectFile(suggestion.fileName());
    const QString path = RunFileDialog(dialog);
    if (path.isEmpty())
        return {};
    return WithDefaultExtension(PathBytes(path));
}

} // namespace app
