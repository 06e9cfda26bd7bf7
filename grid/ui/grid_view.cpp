#include "grid/ui/grid_view.h"

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_delegate.h"
#include "grid/ui/grid_model.h"
#include "grid/ui/units.h"

// Qt
#include <QHeaderView>
#include <QScrollBar>

// std
#include <algorithm>

namespace grid {

GridView::GridView(CSpreadSheet1& sheet, QWidget* parent)
    : SheetTableView(*new GridModel(sheet), parent),
      delegate_(new GridDelegate(this)),
      frozen_(new SheetTableView(Model(), this))
{
    Model().setParent(this);
    SetUpViews();
    ApplyLayout();
    SyncFromStore();

    GridModel& model = Model();
    connect(&model, &GridModel::modelReset, this, [this] {
        ApplyLayout();
        SyncFromStore();
    });
    connect(&model, &GridModel::columnsChanged, this, &GridView::ApplyColumns);
    connect(&model, &GridModel::rowsChanged, this, &GridView::ApplyRows);
    connect(&model, &GridModel::frozenChanged, this, &GridView::ApplyFrozen);
    connect(&model, &GridModel::syncRequested, this, &GridView::SyncFromStore);
    connect(&model, &GridModel::selectionChanged, this, &GridView::SelectionFromStore);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridView::SelectionToStore);
    connect(frozen_, &SheetTableView::rightButtonReleased, this, &SheetTableView::rightButtonReleased);
    connect(frozen_, &SheetTableView::mousePressed, this, &SheetTableView::mousePressed);
}

void GridView::SetUpViews()
{
    for (QTableView* view : {static_cast<QTableView*>(this), static_cast<QTableView*>(frozen_)}) {
        view->setItemDelegate(delegate_);
        view->setSelectionMode(ContiguousSelection);
        view->setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
        view->setVerticalScrollMode(ScrollPerPixel);
        view->setHorizontalScrollMode(ScrollPerPixel);
        view->setWordWrap(false);
        view->setCornerButtonEnabled(false);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setMinimumSectionSize(1);
        view->horizontalHeader()->setMinimumSectionSize(1);
        view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        view->horizontalHeader()->setHighlightSections(false);
    }
    frozen_->setSelectionModel(selectionModel());
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid palette(mid); }"));
    viewport()->stackUnder(frozen_);

    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        frozen_->setColumnWidth(section, size);
        PlaceOverlay();
    });
}

// --- Layout from the store.

void GridView::ApplyLayout()
{
    ApplyColumns(0, Sheet().ColCount());
    ApplyRows();
}

void GridView::ApplyColumns(int col, int col2)
{
    const CSpreadSheet1& sheet = Sheet();
    if (col <= 0)
        verticalHeader()->setMinimumWidth(ColumnPixels(*this, sheet.ColWidth(0)));
    for (int c = std::max(col, 1); c <= std::min(col2, sheet.ColCount()); ++c) {
        setColumnWidth(c - 1, ColumnPixels(*this, sheet.ColWidth(c)));
        setColumnHidden(c - 1, sheet.ColHidden(c));
    }
    ApplyFrozen();
}

// Rows are all as high as row 1 (the header row has its own height), so
// scrolling over a thousand rows never measures a row.
void GridView::ApplyRows()
{
    const CSpreadSheet1& sheet = Sheet();
    const int rowHeight = std::max(1, TwipsToPixelsY(*this, sheet.RowHeight(1)));
    const int headerHeight = std::max(TwipsToPixelsY(*this, sheet.RowHeight(0)), horizontalHeader()->sizeHint().height());
    for (QTableView* view : {static_cast<QTableView*>(this), static_cast<QTableView*>(frozen_)}) {
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
        view->horizontalHeader()->setFixedHeight(headerHeight);
    }
    updateGeometries();
}

void GridView::ApplyFrozen()
{
    const int frozen = Sheet().FrozenCols();
    const int count = Model().columnCount();
    for (int c = 0; c < count; ++c) {
        frozen_->setColumnWidth(c, columnWidth(c));
        frozen_->setColumnHidden(c, c >= frozen || isColumnHidden(c));
    }
    PlaceOverlay();
}

int GridView::FrozenWidth() const
{
    const int frozen = std::min(Sheet().FrozenCols(), Model().columnCount());
    int width = 0;
    for (int c = 0; c < frozen; ++c) {
        if (!isColumnHidden(c))
            width += columnWidth(c);
    }
    return width;
}

bool GridView::InFrozenArea(const QModelIndex& index) const
{
    return index.isValid() && index.column() < Sheet().FrozenCols();
}

void GridView::PlaceOverlay()
{
    const int width = FrozenWidth();
    frozen_->setVisible(width > 0);
    if (width <= 0)
        return;
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), width,
                         viewport()->height() + horizontalHeader()->height());
}

int GridView::ContentHeight() const
{
    const CSpreadSheet1& sheet = Sheet();
    int twips = 0;
    for (int r = 0; r <= sheet.RowCount(); ++r)
        twips += sheet.RowHeight(r);
    return TwipsToPixelsY(*this, twips);
}

void GridView::resizeEvent(QResizeEvent* event)
{
    SheetTableView::resizeEvent(event);
    PlaceOverlay();
}

void GridView::updateGeometries()
{
    SheetTableView::updateGeometries();
    PlaceOverlay();
}

// Keyboard moves to the left scroll the scrolled part so that the new cell
// does not end up under the frozen columns.
QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = SheetTableView::moveCursor(action, modifiers);
    const int frozenWidth = FrozenWidth();
    if (action == MoveLeft && current.isValid() && !InFrozenArea(current) &&
        visualRect(current).left() < frozenWidth) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + visualRect(current).left() - frozenWidth);
    }
    return current;
}

void GridView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!InFrozenArea(index)) {
        SheetTableView::scrollTo(index, hint);
        return;
    }
    const int horizontal = horizontalScrollBar()->value();
    SheetTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(horizontal);
}

// --- Current cell, edit mode and selection.

SheetTableView* GridView::EditingView()
{
    if (IsEditing())
        return this;
    return frozen_->IsEditing() ? frozen_ : nullptr;
}

void GridView::CommitOpenEditor()
{
    if (SheetTableView* view = EditingView())
        view->CommitEditor();
}

void GridView::CancelOpenEditor()
{
    if (SheetTableView* view = EditingView())
        view->CancelEditor();
}

void GridView::SetCurrentQuietly(const QModelIndex& index)
{
    quietCurrent_ = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    quietCurrent_ = false;
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    GridModel::Busy busy(Model());
    frozen_->FinishEdit();
    SheetTableView::currentChanged(current, previous);
    if (quietCurrent_ || !current.isValid())
        return;
    if (previous.isValid() && Model().LeaveCell(previous, current)) {
        SetCurrentQuietly(previous);
        return;
    }
    Model().SetActiveCell(current);
}

void GridView::SyncFromStore()
{
    const CSpreadSheet1& sheet = Sheet();
    const QModelIndex active = Model().IndexAt(sheet.ActiveCol(), sheet.ActiveRow());
    if (active.isValid() && active != currentIndex()) {
        SetCurrentQuietly(active);
        scrollTo(active);
    }
    SheetTableView* editing = EditingView();
    if (sheet.EditMode() && editing == nullptr && active.isValid()) {
        SheetTableView& view = InFrozenArea(active) ? *frozen_ : static_cast<SheetTableView&>(*this);
        view.OpenEditorFromStore(active);
    } else if (!sheet.EditMode() && editing != nullptr) {
        editing->CloseEditorFromStore();
    }
}

void GridView::SelectionToStore()
{
    if (syncingSelection_)
        return;
    syncingSelection_ = true;
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        Sheet().ClearSelection();
    } else {
        Block block{selection.first().left() + 1, selection.first().top() + 1, selection.first().right() + 1,
                    selection.first().bottom() + 1};
        for (const QItemSelectionRange& range : selection) {
            block.col = std::min(block.col, range.left() + 1);
            block.row = std::min(block.row, range.top() + 1);
            block.col2 = std::max(block.col2, range.right() + 1);
            block.row2 = std::max(block.row2, range.bottom() + 1);
        }
        Sheet().SelectBlock(block);
    }
    syncingSelection_ = false;
}

void GridView::SelectionFromStore()
{
    if (syncingSelection_)
        return;
    syncingSelection_ = true;
    const Block& block = Sheet().Selection();
    if (block.Empty()) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex topLeft = Model().IndexAt(std::max(block.col, 1), std::max(block.row, 1));
        const QModelIndex bottomRight = Model().IndexAt(std::min(block.col2, Sheet().ColCount()),
                                                        std::min(block.row2, Sheet().RowCount()));
        if (topLeft.isValid() && bottomRight.isValid())
            selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    }
    syncingSelection_ = false;
}

QPoint GridView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void GridView::SetScrollPosition(QPoint position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

} // namespace grid
