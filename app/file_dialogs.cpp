#include "app/file_dialogs.h"

// project
#include "app/document.h"

// Qt
#include <QFile>
#include <QFileDialog>

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

std::string AskOpenPath(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), kFilter);
    return PathBytes(path);
}

std::string AskSavePath(QWidget* parent, const std::string& suggested)
{
    const QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), PathText(suggested), kFilter);
    if (path.isEmpty())
        return {};
    return WithDefaultExtension(PathBytes(path));
}

} // namespace app
