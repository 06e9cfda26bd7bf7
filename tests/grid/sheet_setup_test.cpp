// Sheet setup against the column table, the settings grid layout and the
// stored column options.

// own
#include "grid/sheet_setup.h"

// test
#include <gtest/gtest.h>
#include "support/temp_config.h"

// project
#include "grid/hyper_layout.h"
#include "platform/registry.h"

namespace grid {
namespace {

class SetupTest : public ::testing::Test {
protected:
    test_support::TempConfigHome config; // no stored options unless a test writes them
};

TEST_F(SetupTest, MemoriesSheetHasLabelsKindsAndLockedLimitBanks)
{
    CSpreadSheet1 grid;
    SetupChannelGrid(grid, 0, ',');
    EXPECT_EQ(grid.RowCount(), 1100);
    EXPECT_EQ(grid.ColCount(), 35);
    EXPECT_EQ(grid.GetText(0, 1000), "1000");
    EXPECT_EQ(grid.GetText(0, 1001), "L1");
    EXPECT_EQ(grid.GetText(0, 1002), "U1");
    EXPECT_EQ(grid.GetText(0, 1100), "U50");
    EXPECT_EQ(grid.GetText(1, 0), "Receive\nFrequency");
    EXPECT_EQ(grid.GetText(15, 0), "Bank\n1");
    EXPECT_EQ(grid.GetText(34, 0), "Bank\n20");
    EXPECT_EQ(grid.GetText(35, 0), "Comment");
    EXPECT_EQ(grid.RowHeight(0), 2 * kDefaultRowHeight);
    EXPECT_EQ(grid.ColWidth(0), 500);
    EXPECT_EQ(grid.ColWidth(35), 2880);

    EXPECT_EQ(grid.Kind(1, 1100), CellKind::Number);
    EXPECT_EQ(grid.Decimals(2, 5), 5);
    EXPECT_EQ(grid.Kind(3, 1), CellKind::EditList);
    EXPECT_EQ(grid.MaxLength(6, 1), 6);
    EXPECT_TRUE(grid.UpperCase(6, 1));
    EXPECT_EQ(grid.MaxLength(35, 1100), 30);
    for (int col : {7, 12, 14, 15, 34})
        EXPECT_EQ(grid.Kind(col, 1000), CellKind::CheckBox) << col;
    EXPECT_EQ(grid.List(9, 1)->front(), "67,0"); // the separator reaches the tone list
    EXPECT_EQ(grid.List(9, 1)->size(), 50u);
    EXPECT_EQ(grid.List(10, 1)->size(), 104u);
    EXPECT_EQ(grid.List(11, 1)->at(3), "15  kHz");

    // Bank cells of the scan-limit rows cannot be set.
    EXPECT_FALSE(grid.Locked(15, 1000));
    EXPECT_TRUE(grid.Locked(15, 1001));
    EXPECT_TRUE(grid.Locked(34, 1100));
    EXPECT_EQ(grid.BackColor(20, 1050), 0xE0E0E0u);
    EXPECT_NE(grid.Kind(20, 1050), CellKind::CheckBox);
    EXPECT_EQ(grid.ColWidth(15), grid.MaxTextColWidth(15));
}

TEST_F(SetupTest, BandSheetsAreLabelledByBand)
{
    CSpreadSheet1 grid;
    SetupChannelGrid(grid, 4, '.');
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.GetText(0, 1), "144");
    EXPECT_EQ(grid.GetText(0, 5), "850");
    EXPECT_EQ(grid.ColWidth(0), 700);
}

TEST_F(SetupTest, ListsAreSharedAcrossGrids)
{
    CSpreadSheet1 a;
    CSpreadSheet1 b;
    SetupChannelGrid(a, 0, '.');
    SetupChannelGrid(b, 2, '.');
    EXPECT_EQ(a.List(8, 1).get(), b.List(8, 5).get());
    EXPECT_EQ(a.List(9, 1).get(), a.List(9, 1100).get());
}

TEST_F(SetupTest, ColumnOptionsHideAndFreeze)
{
    platform::Registry::SetDword(platform::kSettingsKey, "Columns", 0x00000003);
    platform::Registry::SetDword(platform::kSettingsKey, "Columns1", 0x1); // column 32
    platform::Registry::SetDword(platform::kSettingsKey, "Freeze", 0);
    const ColumnOptions options = ReadColumnOptions();
    EXPECT_EQ(options.freeze, 1);

    CSpreadSheet1 memories;
    SetupChannelGrid(memories, 0, '.');
    EXPECT_FALSE(memories.ColHidden(1));
    EXPECT_TRUE(memories.ColHidden(2));
    EXPECT_TRUE(memories.ColHidden(3));
    EXPECT_FALSE(memories.ColHidden(4));
    EXPECT_TRUE(memories.ColHidden(32));
    EXPECT_FALSE(memories.ColHidden(35));
    EXPECT_EQ(memories.FrozenCols(), 1);

    // Removing "Columns1" does not bring back what "Columns" hides.
    platform::Registry::DeleteValue(platform::kSettingsKey, "Columns1");
    platform::Registry::SetDword(platform::kSettingsKey, "Freeze", 3);
    ApplyColumnOptions(memories, 0, ReadColumnOptions());
    EXPECT_TRUE(memories.ColHidden(2));
    EXPECT_FALSE(memories.ColHidden(32));
    EXPECT_EQ(memories.FrozenCols(), 3);
}

TEST_F(SetupTest, OtherSheetsNeverShowBanksOrComment)
{
    const ColumnOptions none;
    CSpreadSheet1 home;
    SetupChannelGrid(home, 2, '.');
    ApplyColumnOptions(home, 2, none);
    EXPECT_FALSE(home.ColHidden(6));
    EXPECT_TRUE(home.ColHidden(15));
    EXPECT_TRUE(home.ColHidden(35));
    for (int sheet : {1, 3, 7}) {
        CSpreadSheet1 grid;
        SetupChannelGrid(grid, sheet, '.');
        EXPECT_TRUE(grid.ColHidden(6)) << sheet;
        EXPECT_TRUE(grid.ColHidden(7)) << sheet;
        EXPECT_FALSE(grid.ColHidden(14)) << sheet;
        EXPECT_TRUE(grid.ColHidden(34)) << sheet;
    }
}

TEST_F(SetupTest, SettingsGridListsAndLabels)
{
    CSpreadSheet1 grid;
    SetupHyperGrid(grid);
    EXPECT_EQ(grid.RowCount(), 1000);
    EXPECT_EQ(grid.ColCount(), 11);
    EXPECT_EQ(grid.GetText(1, 0), "Channel");
    EXPECT_EQ(grid.GetText(2, 0), "Skip\\Scan");
    EXPECT_EQ(grid.GetText(5, 0), "Bank Link");
    EXPECT_EQ(grid.GetText(4, 0), " ");
    EXPECT_EQ(grid.GetText(4, 20), "Bank 20");
    EXPECT_TRUE(grid.Locked(1, 500));
    EXPECT_EQ(grid.MaxLength(1, 500), 30);
    EXPECT_EQ(grid.List(2, 1000)->size(), 3u);

    const auto list = [&](hyper::Setting setting) {
        const hyper::SettingCell& cell = hyper::CellOf(setting);
        return grid.List(cell.editCol, cell.row);
    };
    const ListPtr memory = list(hyper::Setting::MemoryNumber);
    ASSERT_EQ(memory->size(), 1000u);
    EXPECT_EQ(memory->front(), "1");
    EXPECT_EQ(memory->back(), "1000");
    const ListPtr special = list(hyper::Setting::SpecialScan);
    ASSERT_EQ(special->size(), 55u);
    EXPECT_EQ(special->at(1), "\xB1 1 MHz");
    EXPECT_EQ(special->at(5), "PMS 01");
    EXPECT_EQ(special->back(), "PMS 50");
    EXPECT_EQ(list(hyper::Setting::MemoryBank)->size(), 21u);
    EXPECT_EQ(list(hyper::Setting::MemoryBank)->back(), "Bank 20");
    EXPECT_EQ(list(hyper::Setting::Dtmf)->size(), 15u);
    EXPECT_EQ(list(hyper::Setting::WxChannel)->size(), 10u);
    EXPECT_EQ(list(hyper::Setting::MenuNumber)->size(), 48u);
    EXPECT_EQ(list(hyper::Setting::MenuNumber)->back(), "48 - WX ALT");

    EXPECT_EQ(grid.GetText(7, 4), "Memory #  ");
    EXPECT_EQ(grid.GetText(10, 6), "Wx Channel #");
    EXPECT_EQ(grid.Kind(8, 13), CellKind::CheckBox);
    EXPECT_EQ(grid.Kind(11, 9), CellKind::CheckBox);
    EXPECT_FALSE(grid.Locked(8, 4));
    EXPECT_FALSE(grid.Locked(11, 9));
}

TEST_F(SetupTest, SettingsGridRegionsAreLocked)
{
    CSpreadSheet1 grid;
    SetupHyperGrid(grid);
    for (int row : {1, 20, 21, 500, 1000}) {
        for (int col : {3, 6, 9}) {
            EXPECT_TRUE(grid.Locked(col, row)) << col << "," << row;
            EXPECT_EQ(grid.BackColor(col, row), hyper::kGrey);
        }
    }
    for (int col : {4, 5}) {
        EXPECT_TRUE(grid.Locked(col, 21));
        EXPECT_EQ(grid.BackColor(col, 1000), hyper::kGrey);
    }
    EXPECT_FALSE(grid.Locked(5, 20));
    EXPECT_TRUE(grid.Locked(4, 1)); // bank labels
    // The empty cells below each settings column.
    for (int col : {7, 8})
        EXPECT_TRUE(grid.Locked(col, 14)) << col;
    for (int row = 10; row <= 14; ++row) {
        EXPECT_TRUE(grid.Locked(10, row));
        EXPECT_TRUE(grid.Locked(11, row));
        EXPECT_EQ(grid.GetText(11, row), "");
    }
    EXPECT_EQ(grid.BackColor(7, 14), hyper::kLightGrey);
    EXPECT_EQ(grid.BackColor(11, 15), hyper::kGrey);
    EXPECT_EQ(grid.ColWidth(2), 12 * kCharWidth);
}

} // namespace
} // namespace grid
