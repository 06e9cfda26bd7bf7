#include "app/main_frame.h"

// project
#include "app/about_box.h"
#include "app/child_frame.h"
#include "app/document.h"
#include "app/file_dialogs.h"
#include "app/portkit_loader.h"
#include "app/window_commands.h"
#include "grid/ui/main_view.h"
#include "app/command_ids.h"
#include "platform/gui/help.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/port_setup.h"

// Qt
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr const char* kAppTitle = "Ostrel Programmer";
constexpr int kHelpMain = 101;
// Availability of the toolbar buttons is refreshed while the program idles.
constexpr int kIdleUpdateMs = 250;

bool IsRadioDataFile(const QUrl& url)
{
    return url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".rdf"), Qt::CaseInsensitive);
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this))
{
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setAcceptDrops(true);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    recent_.Load();

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    FillMenus(false);
    UpdateCommandStates();

    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::RefreshFrame);
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    idle->start(kIdleUpdateMs);
    resize(1024, 700);
}

CMainFrame::~CMainFrame()
{
    // The document windows go down with the frame: nothing of theirs may call back.
    mdi_->disconnect(this);
    for (CChildFrame* child : Children())
        child->disconnect(this);
}

CChildFrame* CMainFrame::ActiveChild() const
{
    return qobject_cast<CChildFrame*>(mdi_->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::Children() const
{
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            children << child;
    }
    return children;
}

void CMainFrame::Dispatch(int id)
{
    app::PortkitLoader::Instance().ForgetFailure();
    if (CChildFrame* child = ActiveChild()) {
        if (!child->View().Commit(true))
            return;
    }
    // The commit may have changed what is possible (and a stale shortcut may fire).
    if (!IsCommandEnabled(id)) {
        UpdateCommandStates();
        return;
    }
    const app::CommandInfo* info = app::FindCommand(id);
    if (info->handler == app::Handler::View)
        ActiveChild()->Commands().Run(id);
    else
        RunFrameCommand(id);
    if (CChildFrame* child = ActiveChild())
        child->UpdateTitle();
    UpdateCommandStates();
    RestoreReady();
}

// A command's dialog may have ended while a menu's help text still showed;
// a message the command itself left stays.
void CMainFrame::RestoreReady()
{
    const QString shown = statusBar()->currentMessage();
    for (const auto& [id, action] : actions_) {
        if (!shown.isEmpty() && action->statusTip() == shown) {
            statusBar()->showMessage(QStringLiteral("Ready"));
            return;
        }
    }
}

void CMainFrame::RunFrameCommand(int id)
{
    CChildFrame* child = ActiveChild();
    switch (id) {
    case cmd::New:
        NewDocument();
        break;
    case cmd::Open: {
        const std::string path = app::AskOpenPath(this);
        if (!path.empty())
            OpenDocument(path);
        break;
    }
    case cmd::Close:
        child->CloseCommitted();
        break;
    case cmd::Save:
        child->Save();
        break;
    case cmd::SaveAs:
        child->SaveAs();
        break;
    case cmd::Exit:
        close();
        break;
    case cmd::ComportSetup:
        SetupPort(platform::kSettingsKey, this);
        break;
    case cmd::ViewToolbar:
        toolBar_->setVisible(toolBar_->isHidden());
        break;
    case cmd::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        break;
    case cmd::Cascade:
        mdi_->cascadeSubWindows();
        break;
    case cmd::Tile:
        mdi_->tileSubWindows();
        break;
    case cmd::NextPane:
        mdi_->activateNextSubWindow();
        break;
    case cmd::PrevPane:
        mdi_->activatePreviousSubWindow();
        break;
    case cmd::HelpContents:
    case cmd::HelpKey:
        platform::ShowHelp(kHelpMain, this);
        break;
    case cmd::About:
        app::AboutBox(this).exec();
        break;
    default:
        if (id >= cmd::RecentFile1 && id < cmd::RecentFile1 + cmd::kRecentFileCount)
            OpenRecent(id - cmd::RecentFile1);
        break;
    }
}

const std::string& CMainFrame::TextSlot(int slot) const
{
    static const std::string none;
    return slot >= 0 && slot < kTextSlots ? textSlots_[static_cast<std::size_t>(slot)] : none;
}

void CMainFrame::SetTextSlot(int slot, std::string text)
{
    if (slot < 0 || slot >= kTextSlots)
        return;
    if (slot == 0)
        std::fill(textSlots_.begin() + 1, textSlots_.end(), std::string());
    textSlots_[static_cast<std::size_t>(slot)] = std::move(text);
}

std::string CMainFrame::NextUntitledName()
{
    return app::UntitledName(++untitledCount_);
}

CChildFrame* CMainFrame::NewDocument()
{
    auto document = std::make_unique<app::Document>(NextUntitledName());
    if (!document->NewFile())
        return nullptr;
    return AddChild(std::move(document));
}

CChildFrame* CMainFrame::OpenDocument(const std::string& path)
{
    const QString absolute = QFileInfo(app::PathText(path)).absoluteFilePath();
    for (CChildFrame* child : Children()) {
        if (child->Doc().HasPath() && QFileInfo(app::PathText(child->Doc().Path())) == QFileInfo(absolute)) {
            mdi_->setActiveSubWindow(child);
            return child;
        }
    }
    auto document = std::make_unique<app::Document>(std::string());
    if (!document->OpenFile(app::PathBytes(absolute))) {
        platform::ShowMessage(document->ErrorText(), "File Error", platform::Icon::Error, platform::Buttons::Ok,
                              this);
        return nullptr;
    }
    recent_.Add(app::PathBytes(absolute));
    FillRecentFiles();
    return AddChild(std::move(document));
}

void CMainFrame::OpenRecent(int index)
{
    const auto position = static_cast<std::size_t>(index);
    if (position >= recent_.Paths().size())
        return;
    const std::string path = recent_.Paths()[position];
    if (OpenDocument(path) == nullptr) {
        // A file that can no longer be opened leaves the list.
        recent_.Remove(position);
        FillRecentFiles();
    }
}

CChildFrame* CMainFrame::AddChild(std::unique_ptr<app::Document> document)
{
    const CChildFrame* previous = ActiveChild();
    const bool maximized = previous == nullptr || previous->isMaximized();
    auto* child = new CChildFrame(std::move(document));
    mdi_->addSubWindow(child);
    connect(child, &CChildFrame::saved, this, [this](const QString& path) {
        recent_.Add(app::PathBytes(path));
        FillRecentFiles();
    });
    connect(child, &CChildFrame::titleChanged, this, &CMainFrame::RefreshFrame);
    connect(child, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &CMainFrame::RefreshFrame); });
    connect(&child->View(), &CMainView::contextMenuRequested, this,
            [this](QPoint position) { menus_.at(app::MenuId::Edit)->exec(position); });
    if (maximized) {
        child->showMaximized();
    } else {
        // Beside tiled or cascaded windows a new one would start at its bare
        // title bar: give it the size of the window it joins, or two thirds
        // of the area.
        const QSize area = mdi_->viewport()->size();
        const QSize size = previous != nullptr && !previous->isMinimized() ? previous->size() : area * 2 / 3;
        child->resize(size.expandedTo(QSize(area.width() / 2, area.height() / 2)).boundedTo(area));
        child->show();
    }
    mdi_->setActiveSubWindow(child);
    RefreshFrame();
    return child;
}

// The menu bar that fits and the commands' availability. (A maximized
// document window adds its title to the main window's by itself.)
void CMainFrame::RefreshFrame()
{
    FillMenus(!Children().isEmpty());
    UpdateCommandStates();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    for (CChildFrame* child : Children()) {
        mdi_->setActiveSubWindow(child);
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), IsRadioDataFile))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (IsRadioDataFile(url))
            OpenDocument(app::PathBytes(url.toLocalFile()));
    }
    event->acceptProposedAction();
}
