#pragma once
// The one view of an open radio data file: a tab strip of eight sheets along the
// bottom, each sheet's channel grid, the Hyper Memory settings grid below the
// channel grid on sheets 3-7, and the Hyper Memory chooser of the VFO sheet.
// The state and rules live in grid::DocumentController; this widget shows them and turns
// Qt events into the controller's events.

// Qt
#include <QPoint>
#include <QWidget>

// std
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace radio {
class CMainDoc;
}

namespace grid {
enum class RowCommand;
struct SortChoice;
class CSpreadSheet1;
class RowSlots;
class GridView;
class DocumentController;
class ViewEditing;
class FindBar;
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
    // The document starts over from the template, a new history; the grids show it.
    void NewDocument();
    // One named step of the document's history: the commit, then `change`,
    // then the grid load; the sheet, cell and scroll position stay.
    void RunStep(const std::string& label, const std::function<void(radio::CMainDoc&)>& change);
    // The step "Read from Radio": `adopt` makes a read the document's.
    void AdoptRead(const std::function<void(radio::CMainDoc&)>& adopt);
    // Undo / redo one step; false when there was none.
    bool Undo();
    bool Redo();

    // Prints the current sheet's channel grid through the print dialog.
    void Print();

    // The text slots of the rows copied last, shared by every window (the
    // main frame's); until they are given the view keeps its own.
    void SetRowSlots(std::shared_ptr<grid::RowSlots> texts);
    // The dialog that asks how to sort (the utility library's Sort, owned by
    // this view); unset, Sort does nothing.
    void SetSortDialog(std::function<bool(const std::vector<std::string>& names, grid::SortChoice& choice)> ask);
    // Cut, Copy, Paste, Insert, Delete or Sort on the current grid's selected
    // rows; a change becomes one named step of the history.
    void RunRowCommand(grid::RowCommand command);

    // --- Editing many channels. The keys are the view's own: Ctrl+D,
    // Alt+Up, Alt+Down, Ctrl+F, F3, Shift+F3, Ctrl+G.
    // Edit > Fill...: asks for a value of the selected cells' column (with
    // the column's own editor) and writes it into every selected row that
    // holds a channel, as typed there: one step "Fill". Rows that refuse it
    // are counted in a message.
    void Fill();
    // Ctrl+D: the first selected cell's value filled into the rows below it.
    void FillDown();
    // Alt+Up / Alt+Down: the selected channels one row up (-1) or down (+1).
    void MoveRows(int delta);
    // A row header dragged from row `from` and dropped on row `to`: the
    // selected channels (or that row alone, when it is not selected) go with it.
    void DragRow(int from, int to);
    // Ctrl+F opens the find bar under the grid; F3 / Shift+F3 go to the next /
    // previous match of its text; Escape closes it.
    void OpenFindBar();
    void FindNext(bool forward);
    void CloseFindBar();
    grid::FindBar& FindBarWidget();
    // Ctrl+G: asks for a channel ("12", "L3") and goes to its row on the
    // Memories sheet; GoToChannel does so without asking (false: no such channel).
    void AskGoTo();
    bool GoToChannel(const std::string& channel);

    int CurrentSheet() const;
    // Switches sheets as if the tab had been clicked.
    void SetCurrentSheet(int sheet);

    grid::DocumentController& Controller();
    // The editing rules and the View menu's editing aids of this view.
    grid::ViewEditing& Editing();
    // The on-screen grids: the channel grid of a sheet (0..7) and the settings
    // grid of a Hyper Memory (0..4); nullptr before the first update.
    grid::GridView* ChannelGridView(int sheet) const;
    grid::GridView* SettingsGridView(int hyper) const;
    radio::CMainDoc& Document();

signals:
    // The document became modified or unmodified.
    void modifiedChanged();
    // A step was added to the document's history or undone / redone.
    void historyChanged();
    // The right button was released over a channel grid (not on the VFO sheet):
    // the host opens the Edit menu at this position.
    void contextMenuRequested(QPoint globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Parts;

    grid::GridView* MakeGridView(grid::CSpreadSheet1& sheet, bool channelGrid);
    void CommitOpenEditors();
    void AddKeys();
    void RunFill(bool ask);
    void GoToCell(int sheet, int col, int row);
    void AfterMove();
    void AfterAction();
    void ShowLoadedState();
    void KeepScroll(const std::function<void()>& work);
    void OnTabChanged(int sheet);
    void HideSheets();
    void ShowSheet(int sheet);
    void ShowVfoControls(bool show);
    void LayOut(int width, int height);

    radio::CMainDoc& doc_;
    std::unique_ptr<Parts> parts_;
};
