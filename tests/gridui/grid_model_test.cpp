// The table model over the cell store: the model contract, display roles,
// exact change ranges, and edits that reach the store and its events.

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_model.h"

// Qt
#include <QAbstractItemModelTester>
#include <QSignalSpy>

// std
#include <string>
#include <vector>

// test
#include <gtest/gtest.h>

namespace {

using grid::Block;
using grid::CellKind;
using grid::GridModel;

// A small sheet with one column of each kind.
struct SmallSheet {
    SmallSheet()
    {
        sheet.SetColCount(5);
        sheet.SetRowCount(4);
        sheet.SetText(1, 0, "Receive\nFrequency");
        sheet.SetText(0, 1, "L1");
        sheet.SetKind({1, 1, 1, 4}, CellKind::Number);
        sheet.SetDecimals({1, 1, 1, 4}, 5);
        sheet.SetKind({2, 1, 2, 4}, CellKind::List);
        sheet.SetList({2, 1, 2, 4}, grid::MakeList("FM\tAM"));
        sheet.SetKind({3, 1, 3, 4}, CellKind::EditList);
        sheet.SetList({3, 1, 3, 4}, grid::MakeList("100 kHz\t600 kHz"));
        sheet.SetKind({4, 1, 4, 4}, CellKind::CheckBox);
        sheet.SetMaxLength({5, 1, 5, 4}, 6);
        sheet.SetUpperCase({5, 1, 5, 4}, true);
    }
    grid::CSpreadSheet1 sheet;
};

TEST(GridModelTest, PassesTheModelTesterThroughEditsAndResizes)
{
    SmallSheet s;
    GridModel model(s.sheet);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    s.sheet.SetText(1, 2, "146.52000");
    s.sheet.SetChecked(4, 3, true);
    model.setData(model.IndexAt(2, 1), 1, GridModel::ListIndexRole);
    s.sheet.SetRowCount(10);
    s.sheet.SetColCount(3);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.columnCount(), 3);
}

TEST(GridModelTest, ShowsTextsChecksHeadersAndFormats)
{
    SmallSheet s;
    GridModel model(s.sheet);
    s.sheet.SetText(1, 1, "146.52000");
    s.sheet.SetListIndex(2, 1, 1);
    s.sheet.SetChecked(4, 1, true);
    s.sheet.SetLocked({5, 2, 5, 2}, true);
    s.sheet.SetBackColor({5, 2, 5, 2}, 0xE0E0E0);

    EXPECT_EQ(model.data(model.IndexAt(1, 1)).toString(), "146.52000");
    EXPECT_EQ(model.data(model.IndexAt(1, 1), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(model.data(model.IndexAt(2, 1)).toString(), "AM");
    EXPECT_EQ(model.data(model.IndexAt(2, 1), GridModel::ListIndexRole).toInt(), 1);
    EXPECT_EQ(model.data(model.IndexAt(4, 1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_FALSE(model.data(model.IndexAt(4, 1)).isValid()) << "a check box shows no text";
    EXPECT_EQ(model.data(model.IndexAt(4, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_FALSE(model.data(model.IndexAt(1, 1), Qt::CheckStateRole).isValid());

    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Receive\nFrequency");
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "L1");

    EXPECT_TRUE(model.flags(model.IndexAt(5, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.IndexAt(4, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.IndexAt(4, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.IndexAt(5, 2)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
    EXPECT_EQ(model.data(model.IndexAt(5, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xE0, 0xE0, 0xE0));
}

TEST(GridModelTest, ReportsExactlyTheChangedCells)
{
    SmallSheet s;
    GridModel model(s.sheet);
    QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);

    s.sheet.SetText(5, 3, "ABC");
    ASSERT_EQ(data.size(), 1);
    EXPECT_EQ(data[0][0].toModelIndex(), model.IndexAt(5, 3));
    EXPECT_EQ(data[0][1].toModelIndex(), model.IndexAt(5, 3));
    EXPECT_TRUE(headers.isEmpty());

    data.clear();
    s.sheet.ClearBlock({2, 2, 4, 3});
    ASSERT_EQ(data.size(), 1);
    EXPECT_EQ(data[0][0].toModelIndex(), model.IndexAt(2, 2));
    EXPECT_EQ(data[0][1].toModelIndex(), model.IndexAt(4, 3));

    data.clear();
    s.sheet.SetText(2, 0, "Mode");
    EXPECT_TRUE(data.isEmpty()) << "a header change is no data change";
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0][0].value<Qt::Orientation>(), Qt::Horizontal);
    EXPECT_EQ(headers[0][1].toInt(), 1);
    EXPECT_EQ(headers[0][2].toInt(), 1);
}

// Records the store's events in order.
struct EventLog {
    explicit EventLog(grid::CSpreadSheet1& sheet)
    {
        auto& ev = sheet.Events();
        ev.change = [this](int c, int r) { Add("change", c, r); };
        ev.buttonClicked = [this](int c, int r, int state) { Add("button" + std::to_string(state), c, r); };
        ev.listSelChange = [this](int c, int r) { Add("list", c, r); };
        ev.editMode = [this](int c, int r, int mode, bool changed) {
            Add("edit" + std::to_string(mode) + (changed ? "+" : ""), c, r);
        };
        ev.editError = [this](int c, int r, int code) { Add("error" + std::to_string(code), c, r); };
        ev.leaveCell = [this](int c, int r, int, int, bool& cancel) {
            Add("leave", c, r);
            cancel = refuseLeave;
        };
        ev.leaveRow = [this](int r, int, bool&) { Add("leaverow", 0, r); };
    }
    void Add(const std::string& name, int c, int r) { events.push_back(name + "@" + std::to_string(c) + "," + std::to_string(r)); }
    std::vector<std::string> events;
    bool refuseLeave = false;
};

TEST(GridModelTest, EditsWriteTheStoreAndRaiseItsEvents)
{
    SmallSheet s;
    EventLog log(s.sheet);
    GridModel model(s.sheet);

    model.BeginEdit(model.IndexAt(1, 2));
    EXPECT_TRUE(s.sheet.EditMode());
    EXPECT_TRUE(model.setData(model.IndexAt(1, 2), "146.52", Qt::EditRole));
    model.EndEdit(model.IndexAt(1, 2));
    EXPECT_FALSE(s.sheet.EditMode());
    EXPECT_EQ(s.sheet.GetText(1, 2), "146.52");

    EXPECT_TRUE(model.setData(model.IndexAt(2, 2), 1, GridModel::ListIndexRole));
    EXPECT_EQ(s.sheet.ListIndex(2, 2), 1);
    EXPECT_TRUE(model.setData(model.IndexAt(4, 2), int(Qt::Checked), Qt::CheckStateRole));
    EXPECT_TRUE(s.sheet.IsChecked(4, 2));
    // An unchanged value raises nothing.
    EXPECT_TRUE(model.setData(model.IndexAt(4, 2), int(Qt::Checked), Qt::CheckStateRole));

    const std::vector<std::string> expected{"edit1@1,2", "change@1,2", "edit0+@1,2", "list@2,2",
                                            "change@2,2", "button1@4,2", "change@4,2"};
    EXPECT_EQ(log.events, expected);
}

TEST(GridModelTest, LockedCellsRefuseWritesAndEditableListsKeepFreeText)
{
    SmallSheet s;
    EventLog log(s.sheet);
    GridModel model(s.sheet);
    s.sheet.SetLocked({1, 3, 5, 3}, true);
    EXPECT_FALSE(model.setData(model.IndexAt(5, 3), "X", Qt::EditRole));
    EXPECT_FALSE(model.setData(model.IndexAt(4, 3), int(Qt::Checked), Qt::CheckStateRole));
    EXPECT_EQ(s.sheet.GetText(5, 3), "");
    EXPECT_FALSE(s.sheet.IsChecked(4, 3));
    EXPECT_TRUE(log.events.empty());

    EXPECT_TRUE(model.setData(model.IndexAt(3, 1), "1.60 MHz", Qt::EditRole));
    EXPECT_EQ(s.sheet.GetText(3, 1), "1.60 MHz");
    EXPECT_EQ(s.sheet.ListIndex(3, 1), -1);
    EXPECT_TRUE(model.setData(model.IndexAt(3, 1), "600 kHz", Qt::EditRole));
    EXPECT_EQ(s.sheet.ListIndex(3, 1), 1);
    EXPECT_FALSE(model.setData(model.IndexAt(2, 1), 7, GridModel::ListIndexRole)) << "no such item";
}

TEST(GridModelTest, LeavingACellRaisesLeaveCellThenLeaveRow)
{
    SmallSheet s;
    EventLog log(s.sheet);
    GridModel model(s.sheet);
    EXPECT_FALSE(model.LeaveCell(model.IndexAt(1, 1), model.IndexAt(2, 1)));
    EXPECT_FALSE(model.LeaveCell(model.IndexAt(2, 1), model.IndexAt(2, 2)));
    log.refuseLeave = true;
    EXPECT_TRUE(model.LeaveCell(model.IndexAt(2, 2), model.IndexAt(2, 3)));
    const std::vector<std::string> expected{"leave@1,1", "leave@2,1", "leaverow@0,1", "leave@2,2"};
    EXPECT_EQ(log.events, expected);
}

} // namespace
