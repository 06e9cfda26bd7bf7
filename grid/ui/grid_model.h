#pragma once
// GridModel: the Qt table model over one CSpreadSheet1. Texts are built on
// demand from the store; the store's change notices become dataChanged for
// exactly the cells that changed. Edits made through the model are written
// into the store and raise the store's events, so the program's logic sees
// the same events whichever view the user works in.

// lib
#include "grid/spreadsheet.h"

// Qt
#include <QAbstractTableModel>

namespace grid {

class GridModel final : public QAbstractTableModel, private SheetObserver {
    Q_OBJECT
public:
    // The selected index of a list cell (int, -1 for none); writable.
    static constexpr int ListIndexRole = Qt::UserRole + 1;

    explicit GridModel(CSpreadSheet1& sheet, QObject* parent = nullptr);
    ~GridModel() override;

    CSpreadSheet1& Sheet() { return sheet_; }
    const CSpreadSheet1& Sheet() const { return sheet_; }

    // Store address (col, row) of a model index and back.
    static int ColOf(const QModelIndex& index) { return index.column() + 1; }
    static int RowOf(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex IndexAt(int col, int row) const { return index(row - 1, col - 1); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // --- Events raised by the views.
    // An editor opened on the cell / closed again.
    void BeginEdit(const QModelIndex& index);
    void EndEdit(const QModelIndex& index);
    // The edit is cancelled (Escape): the cell takes back the text it held
    // when the user began the edit, even where a refused value was written
    // into it since; then the edit ends unchanged.
    void CancelEdit(const QModelIndex& index);
    // The user tried to edit a locked cell.
    void ReportLocked(const QModelIndex& index);
    // The current cell is about to move from one cell to another; true when
    // the logic keeps it where it is.
    bool LeaveCell(const QModelIndex& from, const QModelIndex& to);
    void SetActiveCell(const QModelIndex& index);
    // A character typed into an editor; returns the one to use, 0 to drop it.
    int KeyPress(int key);

    // While a Busy object lives, requests to bring the views in line with
    // the store's active cell and edit mode are held back; the last one to
    // go sends a single syncRequested, then actionFinished.
    class Busy {
    public:
        explicit Busy(GridModel& model);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        GridModel& model_;
    };

signals:
    // The store's active cell or edit mode changed from outside the views.
    void syncRequested();
    // A user action and the events it raised have run to the end.
    void actionFinished();
    void columnsChanged(int col, int col2);
    void rowsChanged(int row, int row2);
    void frozenChanged();
    void selectionChanged();

private:
    void CellsChanged(const Block& block) override;
    void StructureAboutToChange() override;
    void StructureChanged() override;
    void ColumnsChanged(int col, int col2) override;
    void RowsChanged(int row, int row2) override;
    void FrozenChanged() override;
    void ActiveCellChanged() override;
    void EditModeChanged() override;
    void SelectionChanged() override;

    bool SetCheck(int col, int row, bool checked);
    bool SetListIndex(int col, int row, int index);
    bool SetCellText(int col, int row, const std::string& text);
    void RequestSync();

    CSpreadSheet1& sheet_;
    int busy_ = 0;
    bool syncPending_ = false;
    bool editChanged_ = false; // the open editor's session changed its cell
    // The cell the user last began to edit and the text it held then.
    struct EditStart {
        int col = 0;
        int row = 0;
        std::string text;
    } editStart_;
    bool resetting_ = false;
};

} // namespace grid
