// The grid view: sizes and hidden columns follow the store, the frozen
// overlay shows exactly the visible frozen columns, and the current cell,
// the edit mode and leave-cell refusals stay in step with the store.

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/sheet_table_view.h"
#include "grid/ui/units.h"

// Qt
#include <QAbstractItemDelegate>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

// std
#include <string>
#include <vector>

// test
#include <gtest/gtest.h>

namespace {

using grid::CellKind;
using grid::GridView;

class GridViewTest : public ::testing::Test {
protected:
    GridViewTest()
    {
        sheet.SetColCount(6);
        sheet.SetRowCount(50);
        for (int c = 1; c <= 6; ++c)
            sheet.SetColWidth(c, 1440);
        sheet.SetKind({4, 1, 4, 50}, CellKind::CheckBox);
        view = new GridView(sheet);
        view->resize(600, 400);
        view->show();
    }
    ~GridViewTest() override { delete view; }

    int Px(int twips) const { return grid::ColumnPixels(*view, twips); }
    std::vector<int> FrozenVisibleColumns()
    {
        std::vector<int> cols;
        for (int c = 0; c < 6; ++c) {
            if (!view->FrozenView().isColumnHidden(c))
                cols.push_back(c + 1);
        }
        return cols;
    }

    grid::CSpreadSheet1 sheet;
    GridView* view = nullptr;
};

TEST_F(GridViewTest, FrozenOverlayFollowsHiddenColumnsAndWidths)
{
    sheet.SetFrozenCols(3);
    EXPECT_EQ(FrozenVisibleColumns(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(view->FrozenView().width(), 3 * Px(1440));

    sheet.SetColHidden(2, true);
    EXPECT_TRUE(view->isColumnHidden(1));
    EXPECT_EQ(FrozenVisibleColumns(), (std::vector<int>{1, 3}));
    EXPECT_EQ(view->FrozenView().width(), 2 * Px(1440));

    sheet.SetColWidth(3, 2880);
    EXPECT_EQ(view->columnWidth(2), Px(2880));
    EXPECT_EQ(view->FrozenView().columnWidth(2), Px(2880));
    EXPECT_EQ(view->FrozenView().width(), Px(1440) + Px(2880));

    sheet.SetFrozenCols(0);
    EXPECT_FALSE(view->FrozenView().isVisible());
}

TEST_F(GridViewTest, RowsShareOneHeightAndTheHeaderHasItsOwn)
{
    for (int r = 1; r <= 50; ++r)
        sheet.SetRowHeight(r, 300);
    sheet.SetRowHeight(0, 600);
    const int row = grid::TwipsToPixelsY(*view, 300);
    EXPECT_EQ(view->rowHeight(0), row);
    EXPECT_EQ(view->rowHeight(49), row);
    EXPECT_GE(view->horizontalHeader()->height(), grid::TwipsToPixelsY(*view, 600));
    EXPECT_EQ(view->FrozenView().horizontalHeader()->height(), view->horizontalHeader()->height());
}

TEST_F(GridViewTest, CurrentCellAndEditModeFollowTheStore)
{
    sheet.SetActiveCell(2, 7);
    EXPECT_EQ(view->currentIndex(), view->Model().IndexAt(2, 7));

    sheet.SetEditMode(true);
    ASSERT_NE(view->EditingView(), nullptr);
    auto* edit = qobject_cast<QLineEdit*>(view->EditingView()->OpenEditor());
    ASSERT_NE(edit, nullptr);
    edit->setText("typed");
    view->CommitOpenEditor();
    EXPECT_EQ(sheet.GetText(2, 7), "typed");
    EXPECT_NE(view->EditingView(), nullptr) << "committing keeps the editor open";

    sheet.SetEditMode(false);
    EXPECT_EQ(view->EditingView(), nullptr);
}

// A message box that takes the focus from an editor makes the delegate queue a
// commit-and-close for it; when the refused cell's editor was meanwhile closed
// and reopened, that late call names a destroyed editor and must change nothing.
TEST_F(GridViewTest, ALateCloseOfADestroyedEditorIsIgnored)
{
    sheet.SetActiveCell(2, 7);
    sheet.SetEditMode(true);
    ASSERT_NE(view->EditingView(), nullptr);
    grid::SheetTableView* table = view->EditingView();
    QWidget* first = table->OpenEditor();
    QAbstractItemDelegate* delegate = table->itemDelegate();
    QMetaObject::invokeMethod(
        delegate, [delegate, first] { emit delegate->closeEditor(first, QAbstractItemDelegate::SubmitModelCache); },
        Qt::QueuedConnection);

    sheet.SetEditMode(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    sheet.SetEditMode(true);
    auto* second = qobject_cast<QLineEdit*>(view->EditingView()->OpenEditor());
    ASSERT_NE(second, nullptr);
    second->setText("830");
    QCoreApplication::processEvents();

    ASSERT_NE(view->EditingView(), nullptr) << "the reopened editor stays open";
    EXPECT_EQ(view->EditingView()->OpenEditor(), second);
    EXPECT_TRUE(sheet.EditMode());
}

TEST_F(GridViewTest, UserMovesRaiseLeaveCellAndARefusalKeepsTheCell)
{
    std::vector<std::string> events;
    bool refuse = false;
    sheet.Events().leaveCell = [&](int c, int r, int nc, int nr, bool& cancel) {
        events.push_back(std::to_string(c) + "," + std::to_string(r) + ">" + std::to_string(nc) + "," +
                         std::to_string(nr));
        cancel = refuse;
    };
    view->setCurrentIndex(view->Model().IndexAt(1, 1));
    events.clear();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(sheet.ActiveCol(), 2);
    refuse = true;
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->currentIndex(), view->Model().IndexAt(2, 1));
    EXPECT_EQ(sheet.ActiveRow(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"1,1>2,1", "2,1>2,2"}));
}

TEST_F(GridViewTest, TypingEditsTheCellAndLockedCellsReportAnError)
{
    std::vector<std::string> events;
    sheet.Events().editMode = [&](int c, int r, int mode, bool changed) {
        events.push_back("edit" + std::to_string(mode) + (changed ? "+" : "") + "@" + std::to_string(c) + "," +
                         std::to_string(r));
    };
    sheet.Events().editError = [&](int c, int r, int code) {
        events.push_back("error" + std::to_string(code) + "@" + std::to_string(c) + "," + std::to_string(r));
    };
    view->setFocus();
    view->setCurrentIndex(view->Model().IndexAt(1, 1));
    QTest::keyClicks(view, "a");
    ASSERT_NE(view->EditingView(), nullptr);
    QTest::keyClicks(view->EditingView()->OpenEditor(), "b");
    QTest::keyClick(view->EditingView()->OpenEditor(), Qt::Key_Tab);
    EXPECT_EQ(sheet.GetText(1, 1), "ab");
    EXPECT_EQ(sheet.ActiveCol(), 2);
    EXPECT_EQ(view->EditingView(), nullptr) << "Tab moves on without editing the next cell";

    sheet.SetLocked({2, 1, 2, 1}, true);
    QTest::keyClicks(view, "x");
    EXPECT_EQ(sheet.GetText(2, 1), "");
    EXPECT_EQ(events, (std::vector<std::string>{"edit1@1,1", "edit0+@1,1", "error1@2,1"}));
}

TEST_F(GridViewTest, SelectionReachesTheStoreBothWays)
{
    view->selectionModel()->select(QItemSelection(view->Model().IndexAt(1, 3), view->Model().IndexAt(6, 5)),
                                   QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(sheet.SelBlockRow(), 3);
    EXPECT_EQ(sheet.SelBlockRow2(), 5);

    sheet.SelectBlock({1, 10, 6, 12});
    EXPECT_TRUE(view->selectionModel()->isSelected(view->Model().IndexAt(3, 11)));
    EXPECT_FALSE(view->selectionModel()->isSelected(view->Model().IndexAt(3, 4)));
}

} // namespace
