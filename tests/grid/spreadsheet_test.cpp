// The cell store: content rules per kind, shared lists, block operations and
// the notices an attached view receives.

// own
#include "grid/spreadsheet.h"

// test
#include <gtest/gtest.h>

// std
#include <vector>

namespace grid {
namespace {

class SheetTest : public ::testing::Test {
protected:
    SheetTest()
    {
        sheet.SetColCount(4);
        sheet.SetRowCount(6);
    }
    CSpreadSheet1 sheet;
};

TEST_F(SheetTest, OutOfRangeCellsReadEmptyAndIgnoreWrites)
{
    sheet.SetText(5, 1, "x");
    sheet.SetText(1, 7, "x");
    sheet.SetText(-1, 1, "x");
    EXPECT_EQ(sheet.GetText(5, 1), "");
    EXPECT_EQ(sheet.GetText(-1, -1), "");
    EXPECT_EQ(sheet.ListIndex(9, 9), -1);
    EXPECT_FALSE(sheet.Locked(9, 9));
    EXPECT_EQ(sheet.LastUsedCol(), 0);
}

TEST_F(SheetTest, TextCellsApplyUpperCaseAndLengthLimit)
{
    sheet.SetUpperCase({1, 1, 1, 6}, true);
    sheet.SetMaxLength({1, 1, 1, 6}, 6);
    sheet.SetText(1, 1, "abcdefgh");
    EXPECT_EQ(sheet.GetText(1, 1), "ABCDEF");
    sheet.SetText(2, 1, "free text stays as written");
    EXPECT_EQ(sheet.GetText(2, 1), "free text stays as written");
    // A limit set later cuts what is there.
    sheet.SetMaxLength(Block::Cell(2, 1), 4);
    EXPECT_EQ(sheet.GetText(2, 1), "free");
}

TEST_F(SheetTest, CheckBoxesReadOneOrZero)
{
    sheet.SetKind({1, 1, 1, 6}, CellKind::CheckBox);
    EXPECT_EQ(sheet.GetValue(1, 1), "0"); // never set
    sheet.SetText(1, 1, "1");
    EXPECT_TRUE(sheet.IsChecked(1, 1));
    EXPECT_EQ(sheet.GetValue(1, 1), "1");
    sheet.SetText(1, 1, "yes");
    EXPECT_EQ(sheet.GetValue(1, 1), "0");
    sheet.SetChecked(1, 2, true);
    sheet.ClearBlock({1, 1, 1, 6});
    EXPECT_EQ(sheet.GetValue(1, 2), "0");
}

TEST_F(SheetTest, ListCellsSelectByIndexOrText)
{
    sheet.SetKind({1, 1, 1, 6}, CellKind::List);
    sheet.SetList({1, 1, 1, 6}, MakeList("Simplex\tMinus\tPlus\tSplit"));
    sheet.SetListIndex(1, 1, 2);
    EXPECT_EQ(sheet.GetText(1, 1), "Plus");
    sheet.SetListIndex(1, 1, 4); // past the end: no selection
    EXPECT_EQ(sheet.ListIndex(1, 1), -1);
    EXPECT_EQ(sheet.GetText(1, 1), "");
    sheet.SetListIndex(1, 1, -3);
    EXPECT_EQ(sheet.ListIndex(1, 1), -1);
    sheet.SetText(1, 2, "Split");
    EXPECT_EQ(sheet.ListIndex(1, 2), 3);
    sheet.SetText(1, 2, "Sideways"); // a fixed list keeps no free text
    EXPECT_EQ(sheet.ListIndex(1, 2), -1);
    EXPECT_EQ(sheet.GetText(1, 2), "");
}

TEST_F(SheetTest, EditableListKeepsFreeText)
{
    sheet.SetKind(Block::Cell(1, 1), CellKind::EditList);
    sheet.SetList(Block::Cell(1, 1), MakeList("100 kHz\t600 kHz"));
    sheet.SetText(1, 1, "600 kHz");
    EXPECT_EQ(sheet.ListIndex(1, 1), 1);
    sheet.SetText(1, 1, "2.50 MHz");
    EXPECT_EQ(sheet.ListIndex(1, 1), -1);
    EXPECT_EQ(sheet.GetText(1, 1), "2.50 MHz");
}

TEST_F(SheetTest, ShorterListDropsSelectionThatNoLongerFits)
{
    sheet.SetKind({1, 1, 1, 2}, CellKind::List);
    sheet.SetList({1, 1, 1, 2}, MakeList("a\tb\tc"));
    sheet.SetListIndex(1, 1, 2);
    sheet.SetListIndex(1, 2, 1);
    sheet.SetList({1, 1, 1, 2}, MakeList("x\ty"));
    EXPECT_EQ(sheet.ListIndex(1, 1), -1);
    EXPECT_EQ(sheet.GetText(1, 2), "y");
}

TEST_F(SheetTest, ListsAreSharedNotCopied)
{
    const ListPtr items = MakeList("1\t2\t3");
    sheet.SetKind({1, 1, 4, 6}, CellKind::List);
    sheet.SetList({1, 1, 4, 6}, items);
    EXPECT_EQ(sheet.List(4, 6).get(), items.get());
    // An equal list made elsewhere reuses the one already held.
    sheet.SetList(Block::Cell(2, 2), MakeList("1\t2\t3"));
    EXPECT_EQ(sheet.List(2, 2).get(), items.get());
    EXPECT_EQ(items.use_count(), 2); // the caller and the sheet's one slot
}

TEST_F(SheetTest, KindChangeKeepsWhatTheCellShows)
{
    sheet.SetList(Block::Cell(1, 1), MakeList("FM\tAM"));
    sheet.SetText(1, 1, "AM");
    sheet.SetKind(Block::Cell(1, 1), CellKind::List);
    EXPECT_EQ(sheet.ListIndex(1, 1), 1);
    sheet.SetKind(Block::Cell(1, 1), CellKind::Text);
    EXPECT_EQ(sheet.GetText(1, 1), "AM");
}

TEST_F(SheetTest, NumbersUseDecimalsAndSeparator)
{
    sheet.SetKind({1, 1, 1, 6}, CellKind::Number);
    sheet.SetDecimals({1, 1, 1, 6}, 5);
    sheet.SetDecimalSeparator(',');
    sheet.SetNumber(1, 1, 146.52);
    EXPECT_EQ(sheet.GetText(1, 1), "146,52000");
    EXPECT_DOUBLE_EQ(*sheet.GetNumber(1, 1), 146.52);
    sheet.SetText(1, 2, " 430.5 ");
    EXPECT_DOUBLE_EQ(*sheet.GetNumber(1, 2), 430.5);
    sheet.SetText(1, 3, "12abc");
    EXPECT_FALSE(sheet.GetNumber(1, 3).has_value());
    EXPECT_FALSE(sheet.GetNumber(1, 4).has_value());

    // A typed number is kept as typed and shown with the cell's decimals.
    sheet.SetText(1, 5, "146.94");
    EXPECT_EQ(sheet.GetText(1, 5), "146.94");
    EXPECT_EQ(sheet.ShownText(1, 5), "146,94000");
    EXPECT_EQ(sheet.ShownText(1, 2), "430,50000");
    EXPECT_EQ(sheet.ShownText(1, 3), "12abc");
    EXPECT_EQ(sheet.ShownText(1, 4), "");
    sheet.SetText(2, 1, "146.94"); // a text cell shows what it holds
    EXPECT_EQ(sheet.ShownText(2, 1), "146.94");
}

TEST_F(SheetTest, ClearBlockKeepsFormats)
{
    sheet.SetKind({1, 1, 2, 2}, CellKind::List);
    sheet.SetList({1, 1, 2, 2}, MakeList("a\tb"));
    sheet.SetLocked({1, 1, 2, 2}, true);
    sheet.SetBackColor({1, 1, 2, 2}, 0xE0E0E0);
    sheet.SetListIndex(1, 1, 1);
    sheet.SetText(3, 1, "outside");
    sheet.ClearBlock({1, 1, 2, 2});
    EXPECT_EQ(sheet.ListIndex(1, 1), -1);
    EXPECT_EQ(sheet.Kind(1, 1), CellKind::List);
    EXPECT_TRUE(sheet.Locked(2, 2));
    EXPECT_EQ(sheet.BackColor(2, 2), 0xE0E0E0u);
    EXPECT_EQ(sheet.GetText(3, 1), "outside");
}

TEST_F(SheetTest, OverlappingCopiesMoveRowsIntact)
{
    for (int r = 1; r <= 6; ++r)
        sheet.SetText(1, r, std::to_string(r));
    sheet.SetLocked(Block::Cell(1, 2), true);
    // Down by two, like making room for an insert.
    sheet.CopyBlock({1, 1, 1, 4}, 1, 3);
    EXPECT_EQ(sheet.GetBlockText({1, 1, 1, 6}), "1\r\n2\r\n1\r\n2\r\n3\r\n4\r\n");
    EXPECT_TRUE(sheet.Locked(1, 4)); // formats travel with the cells
    // Up by two, like closing a gap.
    sheet.CopyBlock({1, 3, 1, 6}, 1, 1);
    EXPECT_EQ(sheet.GetBlockText({1, 1, 1, 6}), "1\r\n2\r\n3\r\n4\r\n3\r\n4\r\n");
}

TEST_F(SheetTest, CopyIsCutAtTheSheetEdge)
{
    sheet.SetText(1, 1, "a");
    sheet.SetText(2, 1, "b");
    sheet.CopyBlock({1, 1, 2, 1}, 4, 6);
    EXPECT_EQ(sheet.GetText(4, 6), "a");
    sheet.CopyBlock({1, 1, 2, 1}, 9, 9); // nothing lands inside
    EXPECT_EQ(sheet.GetText(4, 6), "a");
}

TEST_F(SheetTest, CopyFromAnotherSheetSharesItsLists)
{
    CSpreadSheet1 other;
    other.SetColCount(2);
    other.SetRowCount(2);
    const ListPtr items = MakeList("FMN\tAM");
    other.SetKind(Block::Cell(1, 1), CellKind::List);
    other.SetList(Block::Cell(1, 1), items);
    other.SetListIndex(1, 1, 0);
    sheet.CopyBlockFrom(other, {1, 1, 2, 2}, 2, 3);
    EXPECT_EQ(sheet.GetText(2, 3), "FMN");
    EXPECT_EQ(sheet.List(2, 3).get(), items.get());
}

TEST_F(SheetTest, SortOrdersByKeysWithEmptyCellsLast)
{
    sheet.SetKind({1, 1, 1, 6}, CellKind::Number);
    const char* freqs[] = {"446.0", "", "146.52", "1000.0", "146.52", "50.0"};
    const char* names[] = {"A", "B", "C", "D", "E", "F"};
    for (int r = 1; r <= 6; ++r) {
        sheet.SetText(1, r, freqs[r - 1]);
        sheet.SetText(2, r, names[r - 1]);
    }
    const SortKey up[] = {{1, SortOrder::Ascending}, {2, SortOrder::Descending}};
    const std::vector<int> order = sheet.SortBlock({1, 1, 2, 6}, up);
    // Numbers by value (1000 after 446), the tie broken by the second key.
    EXPECT_EQ(sheet.GetBlockText({2, 1, 2, 6}), "F\r\nE\r\nC\r\nA\r\nD\r\nB\r\n");
    EXPECT_EQ(order, (std::vector<int>{6, 5, 3, 1, 4, 2}));

    const SortKey down[] = {{1, SortOrder::Descending}};
    sheet.SortBlock({1, 1, 2, 6}, down);
    EXPECT_EQ(sheet.GetBlockText({2, 1, 2, 6}), "D\r\nA\r\nE\r\nC\r\nF\r\nB\r\n");
}

TEST_F(SheetTest, SortListsByPositionAndFollowWithReorder)
{
    sheet.SetKind({1, 1, 1, 6}, CellKind::List);
    sheet.SetList({1, 1, 1, 6}, MakeList("67.0\t100.0\t254.1"));
    const int picks[] = {2, 0, 1, 2, 0, 1};
    for (int r = 1; r <= 6; ++r) {
        sheet.SetListIndex(1, r, picks[r - 1]);
        sheet.SetText(4, r, std::to_string(r)); // outside the sorted block
    }
    const SortKey key[] = {{1, SortOrder::Ascending}};
    const std::vector<int> order = sheet.SortBlock({1, 2, 3, 5}, key);
    EXPECT_EQ(order, (std::vector<int>{2, 5, 3, 4}));
    EXPECT_EQ(sheet.GetText(1, 1), "254.1"); // row 1 was outside
    EXPECT_EQ(sheet.GetText(4, 2), "2");     // column 4 was outside

    CSpreadSheet1 follower;
    follower.SetColCount(1);
    follower.SetRowCount(6);
    for (int r = 1; r <= 6; ++r)
        follower.SetText(1, r, std::to_string(r));
    follower.ReorderRows({1, 2, 1, 5}, order);
    EXPECT_EQ(follower.GetBlockText({1, 1, 1, 6}), "1\r\n2\r\n5\r\n3\r\n4\r\n6\r\n");
    follower.ReorderRows({1, 2, 1, 5}, std::vector<int>{9, 9, 9, 9}); // foreign rows: ignored
    EXPECT_EQ(follower.GetText(1, 3), "5");
}

TEST_F(SheetTest, BlockTextRoundTripsAndAcceptsAnyLineEnd)
{
    sheet.SetKind({3, 1, 3, 6}, CellKind::CheckBox);
    sheet.SetBlockText({1, 1, 3, 3}, "a\tb\t1\r\nc\t\t0\nd\te\t1\rignored");
    EXPECT_EQ(sheet.GetBlockText({1, 1, 3, 3}), "a\tb\t1\r\nc\t\t0\r\nd\te\t1\r\n");
    EXPECT_EQ(sheet.GetText(1, 4), ""); // cut to the block
    // Extra fields beyond the block are dropped, short lines leave the rest.
    sheet.SetBlockText({1, 5, 2, 5}, "x\ty\tz");
    EXPECT_EQ(sheet.GetText(3, 5), "0");
    sheet.SetBlockText({1, 1, 3, 1}, "only");
    EXPECT_EQ(sheet.GetBlockText({1, 1, 3, 1}), "only\tb\t1\r\n");
}

TEST_F(SheetTest, ResizeKeepsContentAndClampsState)
{
    sheet.SetText(2, 3, "kept");
    sheet.SetText(4, 6, "dropped");
    sheet.SetFrozenCols(4);
    sheet.SetActiveCell(4, 6);
    sheet.SetColCount(3);
    sheet.SetRowCount(5);
    EXPECT_EQ(sheet.GetText(2, 3), "kept");
    EXPECT_EQ(sheet.FrozenCols(), 3);
    EXPECT_LE(sheet.ActiveCol(), 3);
    sheet.SetColCount(4);
    sheet.SetRowCount(6);
    EXPECT_EQ(sheet.GetText(4, 6), "");
}

TEST_F(SheetTest, WidestTextCountsTheLongestHeaderLine)
{
    sheet.SetText(1, 0, "Bank\n20");
    EXPECT_EQ(sheet.MaxTextColWidth(1), 5 * kCharWidth);
    sheet.SetText(1, 3, "longer text");
    EXPECT_EQ(sheet.MaxTextColWidth(1), 12 * kCharWidth);
}

struct Recorder : SheetObserver {
    void CellsChanged(const Block& block) override { cells.push_back(block); }
    void StructureAboutToChange() override { ++structure; }
    void ColumnsChanged(int col, int col2) override { columns.push_back({col, col2}); }
    std::vector<Block> cells;
    std::vector<std::pair<int, int>> columns;
    int structure = 0;
};

TEST_F(SheetTest, ObserversHearExactRanges)
{
    Recorder seen;
    sheet.AddObserver(&seen);
    sheet.SetText(2, 3, "x");
    sheet.SetLocked({1, 2, 9, 4}, true); // clipped to the sheet
    sheet.SetColHidden(3, true);
    sheet.SetColHidden(3, true); // no change, no notice
    sheet.SetRowCount(8);
    ASSERT_EQ(seen.cells.size(), 2u);
    EXPECT_EQ(seen.cells[0], Block::Cell(2, 3));
    EXPECT_EQ(seen.cells[1], (Block{1, 2, 4, 4}));
    EXPECT_EQ(seen.columns, (std::vector<std::pair<int, int>>{{3, 3}}));
    EXPECT_EQ(seen.structure, 1);

    // With repaint off the notices gather into one covering block.
    seen.cells.clear();
    sheet.SetRedraw(false);
    sheet.SetText(1, 1, "a");
    sheet.SetText(3, 7, "b");
    EXPECT_TRUE(seen.cells.empty());
    sheet.SetRedraw(true);
    EXPECT_EQ(seen.cells, (std::vector<Block>{{1, 1, 3, 7}}));
    sheet.RemoveObserver(&seen);
    sheet.SetText(1, 1, "c");
    EXPECT_EQ(seen.cells.size(), 1u);
}

TEST_F(SheetTest, EventsReachTheirHandlers)
{
    EXPECT_FALSE(sheet.RaiseLeaveCell(1, 1, 2, 1)); // no handler: not cancelled
    EXPECT_EQ(sheet.RaiseKeyPress('a'), 'a');
    sheet.Events().leaveCell = [](int, int, int, int newRow, bool& cancel) { cancel = newRow > 3; };
    sheet.Events().keyPress = [](int& key) { key = key == '~' ? 0 : key; };
    EXPECT_TRUE(sheet.RaiseLeaveCell(1, 1, 1, 4));
    EXPECT_FALSE(sheet.RaiseLeaveCell(1, 1, 1, 2));
    EXPECT_EQ(sheet.RaiseKeyPress('~'), 0);
}

} // namespace
} // namespace grid
