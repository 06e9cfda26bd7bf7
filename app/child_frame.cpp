#include "app/child_frame.h"

// project
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/window_commands.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"

// Qt
#include <QCloseEvent>

namespace {

constexpr const char* kAppTitle = "Ostrel Programmer";

} // namespace

CChildFrame::CChildFrame(std::unique_ptr<app::Document> document, QWidget* parent)
    : QMdiSubWindow(parent), document_(std::move(document)), view_(new CMainView(document_->Data(), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    view_->OnInitialUpdate();
    commands_ = std::make_unique<app::WindowCommands>(*this);
    connect(view_, &CMainView::modifiedChanged, this, &CChildFrame::UpdateTitle);
    connect(view_, &CMainView::historyChanged, this, &CChildFrame::titleChanged);
    UpdateTitle();
}

// The commands and the view refer to the document: they go first.
CChildFrame::~CChildFrame()
{
    commands_.reset();
    delete view_;
    view_ = nullptr;
}

CMainFrame* CChildFrame::Frame() const
{
    for (QWidget* widget = parentWidget(); widget != nullptr; widget = widget->parentWidget())
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    return nullptr;
}

void CChildFrame::UpdateTitle()
{
    setWindowTitle(app::PathText(document_->Title()) + QStringLiteral("[*]"));
    setWindowModified(document_->IsModified());
    emit titleChanged();
}

bool CChildFrame::Save()
{
    if (!document_->HasPath())
        return SaveAs();
    return SaveTo(document_->Path());
}

bool CChildFrame::SaveAs()
{
    const std::string path = app::AskSavePath(this, document_->HasPath() ? document_->Path() : document_->Title());
    if (path.empty())
        return false;
    return SaveTo(path);
}

bool CChildFrame::SaveTo(const std::string& path)
{
    if (!document_->SaveFile(path)) {
        platform::ShowMessage(document_->ErrorText(), kAppTitle, platform::Icon::Error, platform::Buttons::Ok,
                              this);
        UpdateTitle();
        return false;
    }
    UpdateTitle();
    emit saved(app::PathText(path));
    return true;
}

bool CChildFrame::SaveModified()
{
    if (!document_->IsModified())
        return true;
    const platform::Answer answer =
        platform::ShowMessage("Save changes to " + document_->Title() + "?", kAppTitle, platform::Icon::Warning,
                              platform::Buttons::YesNoCancel, this);
    switch (answer) {
    case platform::Answer::Yes:
        return Save();
    case platform::Answer::No:
        return true;
    case platform::Answer::Ok:
    case platform::Answer::Cancel:
        break;
    }
    return false;
}

bool CChildFrame::CloseCommitted()
{
    committed_ = true;
    const bool closed = close();
    committed_ = false;
    return closed;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // A refused cell does not stop the close: the image keeps what was valid.
    if (!committed_)
        view_->Commit(true);
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
