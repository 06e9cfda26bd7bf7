#include "platform/gui/help.h"

// project
#include "platform/gui/help_window.h"
#include "platform/prompt.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

constexpr const char* kCaption = "Help";
constexpr const char* kHelpFolder = "/../share/ostrel/help";

} // namespace

std::string HelpPagePath(int context)
{
    if (QCoreApplication::instance() == nullptr)
        return {};
    const QFileInfo page(QDir(QCoreApplication::applicationDirPath() + QLatin1String(kHelpFolder)),
                         QString::number(context) + QStringLiteral(".html"));
    if (!page.isFile())
        return {};
    return QFile::encodeName(page.canonicalFilePath()).toStdString();
}

void ShowHelp(int context, void* owner)
{
    const std::string path = HelpPagePath(context);
    if (path.empty()) {
        ShowMessage("No help page is installed for topic " + std::to_string(context) + ".", kCaption,
                    Icon::Information, Buttons::Ok, owner);
        return;
    }
    ShowHelpWindowPage(QFile::decodeName(QByteArray::fromStdString(path)));
}

} // namespace platform
