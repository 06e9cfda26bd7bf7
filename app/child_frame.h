#pragma once
// CChildFrame: the window of one open document inside the main frame. It owns
// the document, its one view and the window's command route, asks to save a
// modified document when it closes, and carries out Save and Save As.

// project
#include "app/document.h"

// Qt
#include <QMdiSubWindow>

// std
#include <memory>

class CMainFrame;
class CMainView;

namespace app {
class WindowCommands;
}

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes the document, builds its view and runs the view's first update.
    explicit CChildFrame(std::unique_ptr<app::Document> document, QWidget* parent = nullptr);
    ~CChildFrame() override;

    app::Document& Doc() { return *document_; }
    CMainView& View() { return *view_; }
    app::WindowCommands& Commands() { return *commands_; }
    // The main frame that holds this window (its text slots), nullptr while
    // the window is not inside one.
    CMainFrame* Frame() const;

    // Closes the window after the caller committed the grids (the close
    // then commits nothing again). False when the window stays open.
    bool CloseCommitted();

    // Save: to the document's file, or through Save As when it has none.
    // False when cancelled or when writing failed (after the message).
    bool Save();
    bool SaveAs();
    // The question for a modified document: Yes saves, No discards, Cancel
    // (or a failed save) keeps the document open and gives false.
    bool SaveModified();

    // Title and modified marker from the document.
    void UpdateTitle();

signals:
    // The document was written to this path (for the recent-file list).
    void saved(const QString& path);
    // The title or the modified marker changed.
    void titleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool SaveTo(const std::string& path);

    std::unique_ptr<app::Document> document_;
    CMainView* view_;
    std::unique_ptr<app::WindowCommands> commands_;
    bool committed_ = false;
};
