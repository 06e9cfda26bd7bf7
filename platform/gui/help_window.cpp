#include "platform/gui/help_window.h"

// Qt
#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {
namespace {

const QString kWindowName = QStringLiteral("helpWindow");
const QString kBrowserName = QStringLiteral("helpBrowser");
const QString kTitle = QStringLiteral("Ostrel Programmer Help");

// Deletes itself when closed, and gives up its name at once so that no help
// page is shown in it while it waits to be deleted.
class HelpWindow : public QWidget {
public:
    HelpWindow() : QWidget(nullptr, Qt::Window) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        setObjectName(QString());
        QWidget::closeEvent(event);
    }
};

QWidget* MakeHelpWindow()
{
    auto* window = new HelpWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(kWindowName);
    window->setWindowTitle(kTitle);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(kBrowserName);
    // Links between help pages stay here; a link elsewhere goes to the desktop.
    browser->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("Back"), window);
    auto* contents = new QPushButton(QStringLiteral("Contents"), window);
    auto* close = new QPushButton(QStringLiteral("Close"), window);
    back->setEnabled(false);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    QObject::connect(contents, &QPushButton::clicked, browser, [browser] {
        browser->setSource(browser->source().resolved(QUrl(QStringLiteral("101.html"))));
    });
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window, [window, browser] {
        window->setWindowTitle(browser->documentTitle().isEmpty() ? kTitle : browser->documentTitle());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(buttons);
    layout->addWidget(browser, 1);
    window->resize(640, 560);
    return window;
}

} // namespace

QWidget* ExistingHelpWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == kWindowName && widget->findChild<QTextBrowser*>(kBrowserName) != nullptr)
            return widget;
    }
    return nullptr;
}

QTextBrowser* HelpBrowser(QWidget& window)
{
    return window.findChild<QTextBrowser*>(kBrowserName);
}

QWidget& ShowHelpWindowPage(const QString& path)
{
    QWidget* window = ExistingHelpWindow();
    if (window == nullptr)
        window = MakeHelpWindow();
    // Help asked for from a modal dialog would be blocked by that dialog: it
    // then comes up modal itself, above the dialog, until it is closed.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal != nullptr && modal != window ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        window->hide();
        window->setWindowModality(modality);
    }
    HelpBrowser(*window)->setSource(QUrl::fromLocalFile(path));
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

} // namespace platform
