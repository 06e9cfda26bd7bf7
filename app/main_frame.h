#pragma once
// CMainFrame: the program's main window. It holds the document windows, builds
// the menus, toolbar and accelerators from the command table, and sends every
// command through one function that first runs the active view's commit.

// Qt
#include <QMainWindow>

// project
#include "app/command_table.h"
#include "app/recent_files.h"

// std
#include <array>
#include <map>
#include <memory>
#include <string>

class CChildFrame;
class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace app {
class Document;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // A new document from the template image in a new window.
    CChildFrame* NewDocument();
    // The name of the next untitled document: "Untitled", "Untitled2", ...
    std::string NextUntitledName();
    // Opens a radio data file in a new window (or activates the window that
    // already shows it); nullptr after the "File Error" message.
    CChildFrame* OpenDocument(const std::string& path);

    // The window of the active document, or nullptr.
    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;

    // Every menu, toolbar and accelerator command arrives here: the active
    // view commits its grids first, and a refused commit drops the command.
    void Dispatch(int id);

    // Availability and check marks from the view and the frame.
    void UpdateCommandStates();
    bool IsCommandEnabled(int id) const;

    // The six text slots that row copy writes and paste reads, shared by
    // every document window. Writing slot 0 clears slots 1 to 5.
    static constexpr int kTextSlots = 6;
    const std::string& TextSlot(int slot) const;
    void SetTextSlot(int slot, std::string text);

    QAction* Action(int id) const;
    QMenu* Menu(app::MenuId menu) const;
    QToolBar* ToolBar() const { return toolBar_; }
    const app::RecentFiles& Recent() const { return recent_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void FillMenus(bool documentOpen);
    void FillWindowList();
    void FillRecentFiles();

    void RunFrameCommand(int id);
    void OpenRecent(int index);
    CChildFrame* AddChild(std::unique_ptr<app::Document> document);
    void RefreshFrame();
    void RestoreReady();

    QMdiArea* mdi_;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<app::MenuId, QMenu*> menus_;
    QList<QAction*> windowList_;
    app::RecentFiles recent_;
    std::array<std::string, kTextSlots> textSlots_;
    int untitledCount_ = 0;
    int menuBar_ = -1; // which menu bar is shown: 0 no document, 1 a document
};
