#include "platform/gui/help_window.h"

// Qt
#include <QPushButton>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {
namespace {

HelpWindow* instance = nullptr;

} // namespace

HelpWindow& HelpWindow::Instance()
{
    if (instance == nullptr)
        instance = new HelpWindow();
    return *instance;
}

HelpWindow* HelpWindow::Existing()
{
    return instance;
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Ostrel Programmer Help"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Links between help pages stay here; a link elsewhere goes to the desktop.
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, browser_, [this] {
        browser_->setSource(browser_->source().resolved(QUrl(QStringLiteral("101.html"))));
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle().isEmpty() ? QStringLiteral("Ostrel Programmer Help")
                                                                         : browser_->documentTitle()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(640, 560);
}

HelpWindow::~HelpWindow()
{
    instance = nullptr;
}

void HelpWindow::ShowPage(const QString& path)
{
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

} // namespace platform
