#pragma once
// GridView: the on-screen grid of one CSpreadSheet1. Column widths, hidden
// columns, row heights and the frozen leading columns follow the store; the
// frozen columns are a second view laid over the left edge that shares the
// model and the selection model. The current cell, the selection and the edit
// mode are kept in step with the store both ways, and moving the current cell
// raises the store's leave-cell event, which may refuse the move.

// lib
#include "grid/ui/grid_model.h"
#include "grid/ui/sheet_table_view.h"

namespace grid {

class GridDelegate;

class GridView final : public SheetTableView {
    Q_OBJECT
public:
    explicit GridView(CSpreadSheet1& sheet, QWidget* parent = nullptr);

    CSpreadSheet1& Sheet() { return Model().Sheet(); }
    const CSpreadSheet1& Sheet() const { return Model().Sheet(); }
    SheetTableView& FrozenView() { return *frozen_; }
    // The editor open in this view or its overlay, nullptr when none.
    SheetTableView* EditingView();
    // Writes an open editor's value into the store (the editor stays open).
    void CommitOpenEditor();
    // Cancels an open editor as Escape does (the grid is put away with a
    // refused value in it).
    void CancelOpenEditor();
    // Height in pixels of the header row and every data row, from the store.
    int ContentHeight() const;
    // The scroll bars' values (x horizontal, y vertical) and back.
    QPoint ScrollPosition() const;
    void SetScrollPosition(QPoint position);
    // Keeps the frozen columns in place when the target is one of them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void SetUpViews();
    void ApplyLayout();
    void ApplyColumns(int col, int col2);
    void ApplyRows();
    void ApplyFrozen();
    void PlaceOverlay();
    int FrozenWidth() const;
    bool InFrozenArea(const QModelIndex& index) const;
    void SyncFromStore();
    void SelectionToStore();
    void SelectionFromStore();
    void SetCurrentQuietly(const QModelIndex& index);

    GridDelegate* delegate_;
    SheetTableView* frozen_;
    bool quietCurrent_ = false;
    bool syncingSelection_ = false;
};

} // namespace grid
