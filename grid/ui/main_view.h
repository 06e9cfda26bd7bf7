#pragma once
// The one view of an open radio data file: a tab strip of eight sheets along the
// bottom, each sheet's channel grid, the Hyper Memory settings grid below the
// channel grid on sheets 3-7, and the Hyper Memory chooser of the VFO sheet.
// The state and rules live in grid::SheetBook; this widget shows them and turns
// Qt events into the book's events.

// Qt
#include <QPoint>
#include <QWidget>

// std
#include <functional>
#include <memory>

namespace radio {
class CMainDoc;
}

namespace grid {
class CSpreadSheet1;
class GridView;
class SheetBook;
class ViewEditing;
}

class CMainView : public QWidget {
    Q_OBJECT
public:
    explicit CMainView(radio::CMainDoc& doc, QWidget* parent = nullptr);
    ~CMainView() override;

    // Sheet setup, grid load and layout, with the wait cursor shown.
    void OnInitialUpdate();
    // The grid store; false when validation refused the cell being edited
    // (the message was shown and the command must be dropped).
    bool Commit(bool validate);
    // The grid load, after the document's image was replaced.
    void ReloadGrids();

    // Commands the view carries out: its own (Print) and those handed to it
    // with SetCommandHandler.
    bool HandlesCommand(int id) const;
    // Hands the view a command carried out elsewhere (a dialog of another
    // layer); it runs after the view's commit like the view's own commands.
    // An empty handler takes the command away again.
    void SetCommandHandler(int id, std::function<void()> handler);
    // Runs one command; false when the view does not handle it.
    bool OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;

    int CurrentSheet() const;
    // Switches sheets as if the tab had been clicked.
    void SetCurrentSheet(int sheet);

    grid::SheetBook& Book();
    // The editing rules and the View menu's editing aids of this view.
    grid::ViewEditing& Editing();
    // The on-screen grids: the channel grid of a sheet (0..7) and the settings
    // grid of a Hyper Memory (0..4); nullptr before the first update.
    grid::GridView* ChannelGridView(int sheet) const;
    grid::GridView* SettingsGridView(int hyper) const;
    radio::CMainDoc& Document();

signals:
    // An edit marked the document modified.
    void modifiedChanged();
    // The right button was released over a channel grid (not on the VFO sheet):
    // the host opens the Edit menu at this position.
    void contextMenuRequested(QPoint globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Parts;

    grid::GridView* MakeGridView(grid::CSpreadSheet1& sheet, bool channelGrid);
    void CommitOpenEditors();
    void CheckModified();
    void OnTabChanged(int sheet);
    void HideSheets();
    void ShowSheet(int sheet);
    void ShowVfoControls(bool show);
    void LayOut(int width, int height);
    void Print();

    radio::CMainDoc& doc_;
    std::unique_ptr<Parts> parts_;
};
