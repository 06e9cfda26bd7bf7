// The main frame's menus, toolbar, accelerators and status bar, all built from
// the command table, and the availability of the commands.

#include "app/main_frame.h"

// project
#include "app/child_frame.h"
#include "app/status_indicators.h"
#include "app/window_commands.h"
#include "grid/ui/main_view.h"
#include "app/command_ids.h"

// Qt
#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

// std
#include <algorithm>
#include <vector>

namespace {

bool IsRecent(int id)
{
    return id >= cmd::RecentFile1 && id < cmd::RecentFile1 + cmd::kRecentFileCount;
}

QIcon ToolIconOf(app::ToolIcon tool, const QStyle* style)
{
    switch (tool) {
    case app::ToolIcon::New:
        return QIcon::fromTheme(QStringLiteral("document-new"), style->standardIcon(QStyle::SP_FileIcon));
    case app::ToolIcon::Open:
        return QIcon::fromTheme(QStringLiteral("document-open"), style->standardIcon(QStyle::SP_DialogOpenButton));
    case app::ToolIcon::Save:
        return QIcon::fromTheme(QStringLiteral("document-save"), style->standardIcon(QStyle::SP_DialogSaveButton));
    case app::ToolIcon::Cut:
        return QIcon::fromTheme(QStringLiteral("edit-cut"));
    case app::ToolIcon::Copy:
        return QIcon::fromTheme(QStringLiteral("edit-copy"));
    case app::ToolIcon::Paste:
        return QIcon::fromTheme(QStringLiteral("edit-paste"));
    case app::ToolIcon::Undo:
        return QIcon::fromTheme(QStringLiteral("edit-undo"), style->standardIcon(QStyle::SP_ArrowBack));
    case app::ToolIcon::Redo:
        return QIcon::fromTheme(QStringLiteral("edit-redo"), style->standardIcon(QStyle::SP_ArrowForward));
    case app::ToolIcon::Print:
        return QIcon::fromTheme(QStringLiteral("document-print"));
    case app::ToolIcon::GetData:
        return QIcon::fromTheme(QStringLiteral("go-down"), style->standardIcon(QStyle::SP_ArrowDown));
    case app::ToolIcon::SendData:
        return QIcon::fromTheme(QStringLiteral("go-up"), style->standardIcon(QStyle::SP_ArrowUp));
    case app::ToolIcon::About:
        return QIcon::fromTheme(QStringLiteral("help-about"),
                                style->standardIcon(QStyle::SP_MessageBoxInformation));
    case app::ToolIcon::None:
        break;
    }
    return {};
}

// The menu text without the mnemonic marks and the key hint, for tool tips.
QString PlainText(const char* text)
{
    QString plain = QString::fromLatin1(text).section(QLatin1Char('\t'), 0, 0);
    plain.remove(QLatin1Char('&'));
    if (plain.endsWith(QLatin1String("...")))
        plain.chop(3);
    return plain;
}

} // namespace

void CMainFrame::CreateActions()
{
    for (const app::CommandInfo& info : app::Commands()) {
        auto* action = new QAction(QString::fromLatin1(info.text), this);
        action->setData(info.id);
        action->setCheckable(info.checkable);
        action->setToolTip(PlainText(info.text));
        action->setStatusTip(QString::fromLatin1(app::CommandPrompt(info.id)));
        if (*info.keys != '\0')
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(info.keys)));
        if (info.tool != app::ToolIcon::None)
            action->setIcon(ToolIconOf(info.tool, style()));
        // The key hint is part of the menu text already.
        action->setShortcutVisibleInContextMenu(false);
        connect(action, &QAction::triggered, this, [this, id = info.id] { Dispatch(id); });
        addAction(action); // accelerators work whichever menu bar is shown
        actions_[info.id] = action;
    }
}

void CMainFrame::CreateMenus()
{
    for (app::MenuId id : {app::MenuId::File, app::MenuId::Edit, app::MenuId::Radio, app::MenuId::View,
                           app::MenuId::Window, app::MenuId::Help}) {
        auto* menu = new QMenu(QString::fromLatin1(app::MenuTitle(id)), this);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        menus_[id] = menu;
    }
    connect(menus_[app::MenuId::File], &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
    connect(menus_[app::MenuId::Window], &QMenu::aboutToShow, this, &CMainFrame::FillWindowList);
}

// Menu 128 without a document, menu 129 with one.
void CMainFrame::FillMenus(bool documentOpen)
{
    const int bar = documentOpen ? 1 : 0;
    if (bar == menuBar_)
        return;
    menuBar_ = bar;
    const unsigned shown = documentOpen ? app::kMenuDocument : app::kMenuNoDocument;
    menuBar()->clear();
    for (auto& [id, menu] : menus_) {
        menu->clear();
        for (const app::CommandInfo& info : app::Commands()) {
            if (info.menu != id || (info.menuBars & shown) == 0)
                continue;
            if (info.separatorBefore && !menu->isEmpty())
                menu->addSeparator();
            menu->addAction(actions_.at(info.id));
        }
        if (!menu->isEmpty())
            menuBar()->addMenu(menu);
    }
    windowList_.clear();
    FillRecentFiles();
}

void CMainFrame::FillRecentFiles()
{
    const auto& paths = recent_.Paths();
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* action = actions_.at(cmd::RecentFile1 + i);
        const auto index = static_cast<std::size_t>(i);
        if (index < paths.size())
            action->setText(QString::fromLatin1(recent_.MenuText(index)));
        else if (i == 0)
            action->setText(QStringLiteral("Recent File"));
        // The first entry stands (disabled) when the list is empty.
        action->setVisible(index < paths.size() || i == 0);
        action->setEnabled(index < paths.size());
    }
}

// The open windows, below Cascade and Tile, the active one checked.
void CMainFrame::FillWindowList()
{
    QMenu* menu = menus_.at(app::MenuId::Window);
    for (QAction* action : windowList_) {
        menu->removeAction(action);
        delete action;
    }
    windowList_.clear();
    const QList<CChildFrame*> children = Children();
    if (children.isEmpty())
        return;
    windowList_ << menu->addSeparator();
    int number = 1;
    for (CChildFrame* child : children) {
        QString title = child->windowTitle();
        title.replace(QStringLiteral("[*]"), child->isWindowModified() ? QStringLiteral("*") : QString());
        auto* action = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(title));
        action->setCheckable(true);
        action->setChecked(child == ActiveChild());
        connect(action, &QAction::triggered, this, [this, child] { mdi_->setActiveSubWindow(child); });
        windowList_ << action;
    }
}

void CMainFrame::CreateToolBar()
{
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("toolbar128"));
    toolBar_->setIconSize(QSize(16, 16));
    std::vector<const app::CommandInfo*> buttons;
    for (const app::CommandInfo& info : app::Commands()) {
        if (info.toolSlot > 0)
            buttons.push_back(&info);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const app::CommandInfo* a, const app::CommandInfo* b) { return a->toolSlot < b->toolSlot; });
    int group = -1;
    for (const app::CommandInfo* info : buttons) {
        if (group >= 0 && info->toolSlot / 10 != group)
            toolBar_->addSeparator();
        group = info->toolSlot / 10;
        toolBar_->addAction(actions_.at(info->id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->showMessage(QStringLiteral("Ready"));
    new app::StatusIndicators(statusBar()); // owned by the status bar
}

QAction* CMainFrame::Action(int id) const
{
    const auto found = actions_.find(id);
    return found != actions_.end() ? found->second : nullptr;
}

QMenu* CMainFrame::Menu(app::MenuId menu) const
{
    const auto found = menus_.find(menu);
    return found != menus_.end() ? found->second : nullptr;
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    const app::CommandInfo* info = app::FindCommand(id);
    if (info == nullptr)
        return false;
    CChildFrame* child = ActiveChild();
    if (info->handler == app::Handler::View)
        return child != nullptr && child->Commands().IsEnabled(id);
    if (info->needsDocument && child == nullptr)
        return false;
    if (IsRecent(id))
        return static_cast<std::size_t>(id - cmd::RecentFile1) < recent_.Paths().size();
    return true;
}

void CMainFrame::UpdateCommandStates()
{
    CChildFrame* child = ActiveChild();
    for (const app::CommandInfo& info : app::Commands()) {
        QAction* action = actions_.at(info.id);
        action->setEnabled(IsCommandEnabled(info.id));
        if (info.handler == app::Handler::View) {
            // Entries that name what they act on ("Undo Typing in Memories 12").
            const std::string own = child != nullptr ? child->Commands().Text(info.id) : std::string();
            const QString hint = QString::fromLatin1(info.text).section(QLatin1Char('\t'), 1);
            const QString text = own.empty() ? QString::fromLatin1(info.text)
                                 : hint.isEmpty() ? QString::fromLatin1(own)
                                                  : QString::fromLatin1(own) + QLatin1Char('\t') + hint;
            if (action->text() != text) {
                action->setText(text);
                action->setToolTip(PlainText(text.toLatin1().constData()));
            }
        }
        if (!info.checkable)
            continue;
        if (info.id == cmd::ViewToolbar)
            action->setChecked(!toolBar_->isHidden());
        else if (info.id == cmd::ViewStatusBar)
            action->setChecked(!statusBar()->isHidden());
        else
            action->setChecked(child != nullptr && child->Commands().IsChecked(info.id));
    }
}
