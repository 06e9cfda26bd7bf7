// The editing rules at the level of the cell store's events: the orders and
// corners a window rarely produces on demand (events in either order, the
// focus leaving the grid, the mirror sheet, program writes), the band rows
// and the offset texts as written, and the column option bits.

// own
#include "grid/bank_rules.h"
#include "grid/cell_rules.h"
#include "grid/channel_rules.h"
#include "grid/column_options.h"
#include "grid/rule_access.h"

// test
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "support/temp_config.h"

// project
#include "platform/prompt.h"
#include "platform/registry.h"
#include "radio/main_doc.h"

namespace grid {
namespace {

class RulesTest : public ::testing::Test {
protected:
    RulesTest() : doc('.'), controller(doc), access(controller), cells(access), banks(access)
    {
        doc.OnNewDocument();
        controller.FirstUpdate();
    }
    CSpreadSheet1& Grid(int sheet) { return controller.Grid(sheet); }
    // Text written into a cell and its change event, as the view does.
    void Write(int sheet, int col, int row, const char* text)
    {
        Grid(sheet).SetText(col, row, text);
        Grid(sheet).RaiseChange(col, row);
    }
    void EndEdit(int sheet, int col, int row) { Grid(sheet).RaiseEditMode(col, row, 0, true); }

    test_support::TempConfigHome config;
    platform::RecordingPrompt prompt;
    radio::CMainDoc doc{'.'};
    DocumentController controller;
    RuleAccess access;
    CellRules cells;
    BankRules banks;
};

TEST(BandRows, TakeTheWrittenRanges)
{
    struct Case {
        int row;
        std::int32_t hz;
        bool taken;
    };
    const Case cases[] = {
        {1, 107999999, false}, {1, 108000000, true},  {1, 200000000, true},  {1, 200000001, false},
        {2, 200000000, false}, {2, 200000001, true},  {2, 299999999, true},  {2, 300000000, false},
        {3, 299999999, false}, {3, 300000000, true},  {3, 399999999, true},  {4, 400000000, true},
        {4, 519999999, true},  {4, 520000000, false}, {5, 699999999, false}, {5, 700000000, true},
        {5, 823999999, true},  {5, 824000000, false}, {5, 848999999, false}, {5, 849000000, true},
        {5, 869000000, false}, {5, 893999999, false}, {5, 894000000, true},  {5, 914000000, true},
        {5, 914000001, false}, {5, 938999999, false}, {5, 939000000, true},  {5, 959000000, true},
        {5, 959000001, false}, {5, 960000000, false}, {5, 983999999, false}, {5, 984000000, true},
        {5, 985000000, true},  {5, 999999999, true},  {5, 1000000000, false},
    };
    const char* const messages[] = {
        "Enter a frequency between 108 MHz and 200 MHz", "Enter a frequency between 200 MHz and 300 MHz",
        "Enter a frequency between 300 MHz and 400 MHz", "Enter a frequency between 400 MHz and 520 MHz",
        "Enter a frequency between 700 MHz and 999 MHz"};
    for (const Case& c : cases)
        EXPECT_EQ(rules::BandRowRefusal(c.row, c.hz), c.taken ? "" : messages[c.row - 1]) << c.row << " " << c.hz;
}

TEST(TypedOffset, KilohertzBelowOneMegahertzElseMegahertz)
{
    EXPECT_EQ(rules::TypedOffsetText(600000), "600 kHz");
    EXPECT_EQ(rules::TypedOffsetText(50000), " 50 kHz");
    EXPECT_EQ(rules::TypedOffsetText(950000), "950 kHz");
    EXPECT_EQ(rules::TypedOffsetText(1000000), "1.000 MHz");
    EXPECT_EQ(rules::TypedOffsetText(5000000), "5.000 MHz");
    EXPECT_EQ(rules::TypedOffsetText(12350000), "12.350 MHz");
}

TEST(ColumnOptionBits, ColumnsAndColumns1)
{
    ColumnOptions options;
    options.columns = 0x00000003;
    EXPECT_TRUE(HiddenByOptions(options, 2));
    EXPECT_TRUE(HiddenByOptions(options, 3));
    EXPECT_FALSE(HiddenByOptions(options, 4));
    SetHiddenByOptions(options, 31, true);
    SetHiddenByOptions(options, 32, true);
    SetHiddenByOptions(options, 35, true);
    SetHiddenByOptions(options, 2, false);
    EXPECT_EQ(options.columns, 0x20000002U);
    EXPECT_EQ(options.columns1, 0x00000009U);
    EXPECT_EQ(OptionLabel(12), "Clock Shift");
}

TEST_F(RulesTest, FreshRowTakesTheTemplateWhicheverEventComesFirst)
{
    Grid(0).SetListIndex(8, 1, 2); // row 1 chooses tone mode "Enc-Dec" ...
    Grid(0).SetListIndex(13, 1, 3); // ... and power "Low"
    Grid(0).RaiseLeaveRow(1, 2);

    Write(0, 1, 2, "146.52"); // change first, then the end of the edit
    EndEdit(0, 1, 2);
    Grid(0).SetText(1, 3, "147.3"); // the end of the edit alone
    EndEdit(0, 1, 3);
    for (int row : {2, 3}) {
        EXPECT_EQ(Grid(0).GetText(8, row), "Enc-Dec") << row;
        EXPECT_EQ(Grid(0).GetText(13, row), "Low") << row;
        EXPECT_EQ(Grid(0).GetText(9, row), "100.0") << row;
        EXPECT_FALSE(Grid(0).Locked(2, row)) << row;
    }
    EXPECT_EQ(Grid(0).GetText(4, 3), "Plus");
    EXPECT_EQ(Grid(0).GetText(2, 3), "147.90000");
}

TEST_F(RulesTest, AnEditIsOneStepNamedAfterItsRow)
{
    Write(0, 1, 2, "146.52"); // the settings grids follow row 2 too
    EndEdit(0, 1, 2);
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.UndoLabel(), "Typing in Memories 2");
    EXPECT_TRUE(doc.IsModified());
    Grid(0).SetText(1, 2, "");
    EndEdit(0, 1, 2);
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.UndoLabel(), "Typing in Memories 2");
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(RulesTest, LeavingARowLocksItOnlyWithoutAReceiveFrequency)
{
    Write(0, 1, 2, "146.52");
    EndEdit(0, 1, 2);
    EXPECT_FALSE(Grid(0).RaiseLeaveRow(2, 3));
    EXPECT_FALSE(Grid(0).Locked(3, 2));
    Grid(0).SetLocked({2, 4, 35, 4}, false);
    EXPECT_FALSE(Grid(0).RaiseLeaveRow(4, 5));
    EXPECT_TRUE(Grid(0).Locked(3, 4));
}

TEST_F(RulesTest, FocusLeavingTheGridExaminesNothing)
{
    Grid(0).SetText(1, 2, "830");
    Grid(0).SetActiveCell(1, 2);
    EXPECT_FALSE(Grid(0).RaiseLeaveCell(1, 2, -1, -1));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(Grid(0).RaiseLeaveCell(1, 2, 2, 2));
    ASSERT_EQ(prompt.shown.size(), 1U);
    EXPECT_EQ(prompt.shown[0].text, "Please enter a valid receive frequency");
    EXPECT_EQ(prompt.shown[0].caption, "Ostrel Programmer");
    EXPECT_TRUE(Grid(0).EditMode());
    EXPECT_TRUE(controller.editInProgress);
}

TEST_F(RulesTest, OffsetIsCheckedOnlyWhereTheRowShiftsByIt)
{
    Write(0, 1, 2, "460");
    EndEdit(0, 1, 2);
    ASSERT_EQ(Grid(0).GetText(3, 2), "0.0000");
    EXPECT_FALSE(Grid(0).RaiseLeaveCell(3, 2, 4, 2)) << "a simplex row is not held";
    Grid(0).SetListIndex(4, 2, 2); // Plus
    EXPECT_TRUE(Grid(0).RaiseLeaveCell(3, 2, 4, 2));
    ASSERT_EQ(prompt.shown.size(), 1U);
    EXPECT_EQ(prompt.shown[0].text, "Please enter a valid offset frequency");
    Write(0, 3, 2, "1.00 MHz");
    EndEdit(0, 3, 2);
    EXPECT_EQ(Grid(0).GetText(2, 2), "461.00000");
    EXPECT_FALSE(Grid(0).RaiseLeaveCell(3, 2, 4, 2));
}

// An offset or direction takes effect only when the transmit frequency they
// give is one the row can use; otherwise the cell is refused and held, and
// nothing of the row changes.
TEST_F(RulesTest, OffsetAndDirectionAreTakenOnlyWithATransmitFrequencyTheRowCanUse)
{
    struct Step {
        int col;
        const char* text;
    };
    struct Case {
        int sheet;
        int row;
        std::vector<Step> steps; // after the receive frequency
        const char* message;     // of the last step, "" when taken
        const char* tx;
        const char* direction;
    };
    const char* const kOffset = "Please enter a valid offset frequency";
    const Case cases[] = {
        {0, 2, {{1, "146.52"}, {3, "0.123"}}, kOffset, "146.52", "Simplex"},
        {0, 3, {{1, "146.52"}, {3, "150"}}, kOffset, "146.52", "Simplex"},
        {0, 4, {{1, "442.5"}, {3, "0.125"}}, kOffset, "447.5", "Plus"},
        {0, 5, {{1, "146.52"}, {3, "2"}, {4, "Plus"}}, "", "148.52", "Plus"},
        {0, 6, {{1, "146.52"}, {3, "2"}, {4, "Minus"}}, "", "144.52", "Minus"},
        {0, 7, {{1, "110"}, {3, "5"}, {4, "Minus"}},
         "The offset would put the transmit frequency outside the radio's bands", "110", "Minus"},
        {0, 8, {{1, "850"}, {4, "Plus"}}, kOffset, "850", "Plus"},
        {2, 1, {{1, "199"}, {3, "5"}, {4, "Plus"}},
         "The offset would put the transmit frequency outside this row's band", "199", "Plus"},
        {2, 1, {{1, "199"}, {4, "Minus"}, {3, "99"}},
         "The offset would put the transmit frequency outside the radio's bands", "198.4", "Minus"},
    };
    for (const Case& c : cases) {
        controller.SetCurrentSheet(c.sheet);
        for (const Step& step : c.steps) {
            prompt.shown.clear();
            Grid(c.sheet).SetActiveCell(step.col, c.row);
            Grid(c.sheet).RaiseEditMode(step.col, c.row, 1, false);
            Write(c.sheet, step.col, c.row, step.text);
            EndEdit(c.sheet, step.col, c.row);
        }
        const std::string at = std::string(c.steps.back().text) + " on row " + std::to_string(c.row);
        EXPECT_EQ(prompt.shown.empty() ? "" : prompt.shown[0].text, std::string(c.message)) << at;
        EXPECT_EQ(std::stod(Grid(c.sheet).GetText(2, c.row)), std::stod(c.tx)) << at;
        EXPECT_EQ(Grid(c.sheet).GetText(4, c.row), c.direction) << at;
        // A refused value is held: no store takes it until it is corrected.
        EXPECT_EQ(controller.editInProgress, *c.message != 0) << at;
        EXPECT_EQ(controller.GridStore(true), *c.message == 0) << at;
        Grid(c.sheet).SetEditMode(false);
        controller.editInProgress = false;
    }

    // A taken offset shows as a load shows it: what the cell shows is stored.
    const std::pair<const char*, const char*> offsets[] = {
        {"1.05", "1.0500"}, {"0.6", "600 kHz"}, {"5", "5.00 MHz"}, {"600 kHz150", "600 kHz"}};
    for (const auto& [typed, shown] : offsets) {
        Write(0, 1, 11, "146.52");
        EndEdit(0, 1, 11);
        Write(0, 3, 11, typed);
        EndEdit(0, 3, 11);
        EXPECT_EQ(Grid(0).GetText(3, 11), shown) << typed;
    }

    // Frequencies exactly the largest shift apart make a split channel.
    Write(0, 1, 10, "146");
    EndEdit(0, 1, 10);
    Write(0, 2, 10, "245.95");
    EndEdit(0, 2, 10);
    EXPECT_EQ(Grid(0).GetText(4, 10), "Split");
    EXPECT_EQ(Grid(0).GetText(3, 10), "600 kHz");
}

TEST_F(RulesTest, CommentsKeepToOneLine)
{
    Write(0, 1, 2, "146.52");
    EndEdit(0, 1, 2);
    Write(0, 35, 2, "club\trepeater\r\nnet");
    EXPECT_EQ(Grid(0).GetText(35, 2), "club repeater  net");
}

TEST_F(RulesTest, ScanLimitBankCellsAskForNothingAndStayLocked)
{
    Write(0, 1, 1001, "146.52");
    EndEdit(0, 1, 1001);
    EXPECT_FALSE(Grid(0).Locked(2, 1001));
    EXPECT_FALSE(Grid(0).Locked(35, 1001));
    EXPECT_TRUE(Grid(0).Locked(15, 1001));
    Grid(0).RaiseEditError(15, 1001, 1);
    EXPECT_TRUE(prompt.shown.empty());
    Grid(0).RaiseEditError(3, 1002, 1);
    ASSERT_EQ(prompt.shown.size(), 1U);
    EXPECT_EQ(prompt.shown[0].text, "A receive frequency must be entered before editing channel data.");
    EXPECT_EQ(Grid(0).ActiveCol(), 1);
    EXPECT_EQ(Grid(0).ActiveRow(), 1002);
}

TEST_F(RulesTest, ProgramWritesAndTheMirrorSheetHearNothing)
{
    controller.suppressChanges = true;
    Write(0, 1, 2, "146.52");
    controller.suppressChanges = false;
    EXPECT_TRUE(Grid(0).Locked(2, 2));
    EXPECT_FALSE(doc.IsModified());

    Grid(1).SetText(1, 1, "830");
    EXPECT_FALSE(Grid(1).RaiseLeaveCell(1, 1, 2, 1));
    Grid(1).RaiseEditError(2, 1, 1);
    EXPECT_TRUE(prompt.shown.empty());
    int key = 'a';
    Grid(1).SetActiveCell(6, 1);
    EXPECT_EQ(Grid(1).RaiseKeyPress(key), 'a');
}

TEST_F(RulesTest, NameKeysAndCheckBoxes)
{
    Grid(2).SetActiveCell(6, 1);
    EXPECT_EQ(Grid(2).RaiseKeyPress('q'), 'Q');
    EXPECT_EQ(Grid(2).RaiseKeyPress('|'), '|');
    EXPECT_EQ(Grid(2).RaiseKeyPress('~'), 0);
    EXPECT_EQ(Grid(2).RaiseKeyPress('{'), 0);
    EXPECT_EQ(Grid(2).RaiseKeyPress(0xE9), 0);
    Grid(2).SetActiveCell(35, 1);
    EXPECT_EQ(Grid(2).RaiseKeyPress('~'), '~');

    // A name pasted whole keeps only the radio's characters.
    Write(2, 6, 1, "a~b{c");
    EXPECT_EQ(Grid(2).GetText(6, 1), "ABC");

    Grid(0).SetChecked(34, 5, true);
    Grid(0).RaiseButtonClicked(34, 5, 1);
    EXPECT_TRUE(controller.BankMember(19, 4));
    controller.GridStore(false);
    EXPECT_EQ(doc.UndoLabel(), "Typing in Memories 5");
    Grid(0).SetChecked(34, 5, false);
    Grid(0).RaiseButtonClicked(34, 5, 0);
    EXPECT_FALSE(controller.BankMember(19, 4));
}

TEST_F(RulesTest, EndingAnEditThatChangedNothingKeepsTheRow)
{
    Write(0, 1, 2, "146.94");
    EndEdit(0, 1, 2);
    Write(0, 2, 2, "146.94");
    EndEdit(0, 2, 2);
    ASSERT_EQ(Grid(0).GetText(4, 2), "Simplex");
    Grid(0).RaiseEditMode(1, 2, 1, false);
    Grid(0).RaiseEditMode(1, 2, 0, false); // Escape
    EXPECT_EQ(Grid(0).GetText(4, 2), "Simplex");
    EXPECT_EQ(Grid(0).GetText(2, 2), "146.94");
}

TEST_F(RulesTest, BankLayoutOnOffAndFirstChannel)
{
    Grid(0).SetColHidden(3, true); // hidden by the options
    SetBankLayout(controller, true);
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(Grid(0).ColHidden(c), c != 6) << c;
    SetBankLayout(controller, false);
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(Grid(0).ColHidden(c), c == 3) << c;

    EXPECT_EQ(FirstChannelInUse(controller), 0); // the new file's channel 1
    Grid(0).ClearBlock({1, 1, 35, 1});
    EXPECT_EQ(FirstChannelInUse(controller), -1);
    Grid(0).SetText(1, 77, "146.52000");
    EXPECT_EQ(FirstChannelInUse(controller), 76);
}

} // namespace
} // namespace grid
