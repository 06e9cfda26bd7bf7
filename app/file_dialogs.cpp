#include "app/file_dialogs.h"

// project
#include "app/document.h"
#include "platform/gui/file_dialog.h"

// Qt
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace app {
namespace {

const QString kFilter = QStringLiteral("Radio Data Files (*.rdf);;All Files (*)");

} // namespace

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string AskOpenPath(QWidget* parent, const char* title)
{
    QFileDialog dialog(parent, QString::fromLatin1(title != nullptr ? title : "Open"), QString(), kFilter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return PathBytes(platform::RunFileDialog(dialog));
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
    const QString path = platform::RunFileDialog(dialog);
    if (path.isEmpty())
        return {};
    return WithDefaultExtension(PathBytes(path));
}

} // namespace app
