// The channel row commands on a view's grids: Insert, Delete, Cut/Copy/Paste
// between windows, Sort, and what travels with a channel (banks, comments,
// the scan values of the Hyper Memory settings grids).

// own
#include "grid/row_commands.h"

// test
#include <gtest/gtest.h>
#include <vector>
#include "row_docs.h"
#include "support/temp_config.h"

// project
#include "platform/prompt.h"

namespace grid {
namespace {

using test_rows::Channel;
using test_rows::PutChannel;

// Receive frequency of grid column 1, as the grid shows it.
constexpr int kRx = 1;
constexpr int kName = 6;
constexpr int kPower = 13;
constexpr int kBank1 = 15;
constexpr int kComment = 35;

class RowsTest : public ::testing::Test {
protected:
    RowsTest() : doc('.'), controller(doc), rows(controller, clipboard) { doc.OnNewDocument(); }

    // Channel n (1-based row) at 140 + n MHz, named and commented after its row.
    void Fill(std::initializer_list<int> rowNumbers)
    {
        for (int row : rowNumbers)
            PutChannel(doc, row - 1, {140000000 + row * 100000, "CH" + std::to_string(row), "note " + std::to_string(row)});
    }
    void Load() { controller.FirstUpdate(); }
    CSpreadSheet1& Memories() { return controller.Grid(0); }
    std::string Rx(int row) { return Memories().GetText(kRx, row); }
    std::string Scan(int row) { return controller.HyperGrid(0).GetText(2, row); }
    void Select(int r1, int r2) { controller.CurrentGrid().SelectBlock({1, r1, 35, r2}); }
    std::string AllRows() { return Memories().GetBlockText({0, 1, 35, 1100}); }

    test_support::TempConfigHome config;
    radio::CMainDoc doc{'.'};
    DocumentController controller;
    RowClipboard clipboard;
    RowCommands rows;
    platform::RecordingPrompt prompt;
};

TEST(RowStepLabel, NamesCommandAndCount)
{
    EXPECT_EQ(RowStepLabel("Delete", 3), "Delete of 3 Channels");
    EXPECT_EQ(RowStepLabel("Paste", 1), "Paste of 1 Channel");
}

TEST_F(RowsTest, InsertAsksWhenAnUpperChannelWouldBeLost)
{
    Fill({10, 999});
    Load();
    const std::string before = AllRows();
    Select(10, 12);
    prompt.answers = {platform::Answer::No};
    EXPECT_FALSE(rows.Insert().changed);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Upper memories will be lost.\nContinue?");
    EXPECT_EQ(prompt.shown[0].caption, "Insert");
    EXPECT_EQ(prompt.shown[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(AllRows(), before);

    prompt.answers = {platform::Answer::Yes};
    const RowChange change = rows.Insert();
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.rows, 3);
    EXPECT_EQ(Rx(13), "141.00000");
    EXPECT_EQ(Memories().GetText(kComment, 13), "note 10");
    EXPECT_EQ(Rx(10), "");
    EXPECT_EQ(Rx(1000), ""); // channel 999 pushed out
}

TEST_F(RowsTest, InsertWithTopRowsEmptyAsksNothingAndKeepsScanLimits)
{
    Fill({1, 2, 997, 1001, 1100});
    Load();
    const std::string limits = Memories().GetBlockText({0, 1001, 35, 1100});
    Select(1, 3);
    EXPECT_TRUE(rows.Insert().changed);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(Rx(4), "140.10000");
    EXPECT_EQ(Rx(5), "140.20000");
    EXPECT_EQ(Rx(1000), "239.70000");
    EXPECT_EQ(Memories().GetBlockText({0, 1001, 35, 1100}), limits);
    // The emptied rows take nothing but a frequency, as after a load.
    EXPECT_FALSE(Memories().Locked(kRx, 2));
    EXPECT_TRUE(Memories().Locked(kName, 2));
}

TEST_F(RowsTest, DeleteMovesRowsUpAndEmptiesTheLast)
{
    Fill({4, 5, 6, 7, 8, 1000, 1001});
    PutChannel(doc, 7, {140800000, "EIGHT", "eighth", 2, 1});
    Load();
    const std::string limits = Memories().GetBlockText({0, 1001, 35, 1100});
    Select(5, 7);
    const RowChange change = rows.Delete();
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.rows, 3);
    EXPECT_TRUE(prompt.shown.empty()); // no confirmation
    EXPECT_EQ(Rx(4), "140.40000");
    EXPECT_EQ(Rx(5), "140.80000");
    EXPECT_EQ(Memories().GetText(kName, 5), "EIGHT");
    EXPECT_EQ(Memories().GetText(kComment, 5), "eighth");
    EXPECT_EQ(Memories().GetText(kBank1 + 2, 5), "1");
    EXPECT_EQ(Scan(5), "Skip");
    EXPECT_EQ(Rx(997), "240.00000");
    for (int row : {998, 999, 1000}) {
        EXPECT_EQ(Rx(row), "") << row;
        EXPECT_EQ(Scan(row), "") << row;
    }
    EXPECT_EQ(Memories().GetBlockText({0, 1001, 35, 1100}), limits);
    // The bank table follows: channel 8 is now channel 5 of bank 3.
    EXPECT_TRUE(controller.BankMember(2, 4));
    EXPECT_FALSE(controller.BankMember(2, 7));
}

TEST_F(RowsTest, NothingSelectedDoesNothing)
{
    Fill({1, 2});
    Load();
    Memories().ClearSelection();
    const std::string before = AllRows();
    EXPECT_FALSE(rows.Copy());
    EXPECT_FALSE(rows.Cut());
    EXPECT_FALSE(rows.Paste().changed);
    EXPECT_FALSE(rows.Insert().changed);
    EXPECT_FALSE(rows.Delete().changed);
    bool asked = false;
    EXPECT_FALSE(rows.Sort([&](const auto&, SortChoice&) { return asked = true; }).changed);
    EXPECT_FALSE(asked);
    EXPECT_EQ(AllRows(), before);
}

TEST_F(RowsTest, PasteFillsTheCopiedSpanOrTheLongerSelection)
{
    Fill({1, 2, 3, 4});
    Load();
    Select(1, 4);
    ASSERT_TRUE(rows.Copy());
    Select(20, 20);
    EXPECT_EQ(rows.Paste().rows, 4);
    EXPECT_EQ(Rx(20), "140.10000");
    EXPECT_EQ(Rx(23), "140.40000");
    EXPECT_EQ(Rx(24), "");
    EXPECT_FALSE(Memories().Locked(kName, 23)); // pasted rows are unlocked

    // A longer selection is filled whole, the rows repeating.
    Select(30, 35);
    EXPECT_EQ(rows.Paste().rows, 6);
    EXPECT_EQ(Rx(33), "140.40000");
    EXPECT_EQ(Rx(34), "140.10000");
    EXPECT_EQ(Rx(35), "140.20000");
    EXPECT_EQ(Rx(36), "");
}

TEST_F(RowsTest, PasteKeepsChannelsOutOfTheScanLimits)
{
    Fill({1, 2, 3, 1001});
    Load();
    const std::string limits = Memories().GetBlockText({0, 1001, 35, 1100});
    Select(1, 3);
    rows.Copy();
    Select(999, 999);
    EXPECT_EQ(rows.Paste().rows, 2);
    EXPECT_EQ(Rx(1000), "140.20000");
    EXPECT_EQ(Memories().GetBlockText({0, 1001, 35, 1100}), limits);

    // Pasted into the scan limits themselves, bank cells stay clear and locked.
    PutChannel(doc, 0, {145000000, "A", "", 4});
    controller.GridLoad();
    Select(1, 1);
    rows.Copy();
    const std::string bank = Memories().GetText(kBank1 + 4, 1002);
    Select(1002, 1002);
    rows.Paste();
    EXPECT_EQ(Rx(1002), "145.00000");
    EXPECT_EQ(Memories().GetText(kBank1 + 4, 1002), bank);
    EXPECT_TRUE(Memories().Locked(kBank1 + 4, 1002));
}

TEST_F(RowsTest, CutClearsItsRowsOnPasteAndCopyForgetsIt)
{
    Fill({1, 2, 3});
    Load();
    Select(1, 2);
    rows.Cut();
    EXPECT_EQ(Rx(1), "140.10000"); // nothing removed before the paste
    Select(10, 10);
    rows.Paste();
    EXPECT_EQ(Rx(10), "140.10000");
    EXPECT_EQ(Rx(11), "140.20000");
    EXPECT_EQ(Rx(1), "");
    EXPECT_EQ(Rx(2), "");
    EXPECT_EQ(Rx(3), "140.30000");

    // Cut then Copy: the later paste removes nothing.
    Select(10, 10);
    rows.Cut();
    Select(3, 3);
    rows.Copy();
    Select(20, 20);
    rows.Paste();
    EXPECT_EQ(Rx(10), "140.10000");
    EXPECT_EQ(Rx(20), "140.30000");
}

TEST_F(RowsTest, PasteOverlappingItsCutKeepsThePastedRows)
{
    Fill({1, 2, 3, 4});
    Load();
    Select(1, 3);
    rows.Cut();
    Select(2, 2);
    rows.Paste();
    EXPECT_EQ(Rx(1), "");
    EXPECT_EQ(Rx(2), "140.10000");
    EXPECT_EQ(Rx(3), "140.20000");
    EXPECT_EQ(Rx(4), "140.30000");
}

TEST_F(RowsTest, RowsMovedUnderAPendingCutDropTheCut)
{
    Fill({1, 2, 3, 4, 5, 6});
    Load();
    Select(5, 5);
    rows.Cut();
    Select(1, 1);
    rows.Delete(); // channel 6 is now row 5
    Select(20, 20);
    rows.Paste();
    EXPECT_EQ(Rx(20), "140.50000");
    EXPECT_EQ(Rx(5), "140.60000");
    EXPECT_FALSE(rows.CutPending());
}

TEST_F(RowsTest, CutOnMemoriesPastedOnAHyperSheetEmptiesTheMemoriesRows)
{
    Fill({1, 2, 3, 4, 5});
    PutChannel(doc, 4, {250000000, "", ""});
    Load();
    Select(4, 5);
    rows.Cut();
    controller.AfterTabChange(radio::kSheetHyper1);
    controller.CurrentGrid().SelectBlock({1, 1, 35, 1});
    rows.Paste();
    EXPECT_EQ(controller.CurrentGrid().GetText(kRx, 1), "140.40000"); // band rows "144" and "250"
    EXPECT_EQ(controller.CurrentGrid().GetText(kRx, 2), "250.00000");
    EXPECT_EQ(Rx(4), "");
    EXPECT_EQ(Rx(5), "");
    EXPECT_EQ(Rx(3), "140.30000");
    EXPECT_TRUE(prompt.shown.empty());
}

// Channels that find no row (the paste runs out of rows, or a band row
// refuses their frequency) stay in the rows they were cut from.
TEST_F(RowsTest, ACutPastedWhereItDoesNotFitClearsOnlyTheChannelsThatLanded)
{
    const std::int32_t cut[] = {146520000, 250000000, 446000000, 146940000, 146000000};
    struct Case {
        int sheet;
        int target;
        std::vector<std::string> landed; // receive frequencies from the target row on
        std::vector<bool> cleared;       // per cut row 5..9
        std::string message;
    };
    const Case cases[] = {
        {radio::kSheetMemories, 998, {"146.52000", "250.00000", "446.00000"}, {true, true, true, false, false}, ""},
        // Home rows "144", "250", "350", "430", "850": only the first two take theirs.
        {radio::kSheetHome, 1, {"146.52000", "250.00000"}, {true, true, false, false, false},
         "3 channels were not pasted: a row takes only the frequencies of its band."},
    };
    for (int i = 0; i < 5; ++i)
        PutChannel(doc, 4 + i, {cut[i], "", ""});
    Load();
    for (const Case& c : cases) {
        controller.GridLoad();
        controller.AfterTabChange(radio::kSheetMemories);
        Select(5, 9);
        ASSERT_TRUE(rows.Cut());
        controller.AfterTabChange(c.sheet);
        CSpreadSheet1& target = controller.CurrentGrid();
        const std::string untouched = target.GetText(kRx, c.target + 2);
        target.SelectBlock({1, c.target, 35, c.target});
        prompt.shown.clear();
        EXPECT_EQ(rows.Paste().rows, static_cast<int>(c.landed.size())) << c.sheet;
        for (std::size_t i = 0; i < c.landed.size(); ++i)
            EXPECT_EQ(target.GetText(kRx, c.target + static_cast<int>(i)), c.landed[i]) << c.sheet;
        if (c.sheet == radio::kSheetHome) {
            EXPECT_EQ(target.GetText(kRx, c.target + 2), untouched) << "a refusing row keeps its channel";
        }
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Rx(5 + i).empty(), c.cleared[static_cast<std::size_t>(i)]) << c.sheet << " row " << 5 + i;
        ASSERT_EQ(prompt.shown.size(), c.message.empty() ? 0U : 1U) << c.sheet;
        if (!c.message.empty()) {
            EXPECT_EQ(prompt.shown[0].text, c.message);
        }
    }
}

TEST_F(RowsTest, ShiftsStopAtTheLastChannelRow)
{
    Fill({998, 999, 1000, 1001, 1002});
    Load();
    const std::string limits = Memories().GetBlockText({0, 1001, 35, 1100});
    Select(999, 1002);
    EXPECT_EQ(rows.Delete().rows, 2);
    EXPECT_EQ(Rx(998), "239.80000");
    EXPECT_EQ(Rx(999), "");
    EXPECT_EQ(Memories().GetBlockText({0, 1001, 35, 1100}), limits);
    Select(1001, 1002);
    EXPECT_FALSE(rows.Insert().changed);
    EXPECT_FALSE(rows.Delete().changed);
    EXPECT_EQ(Memories().GetBlockText({0, 1001, 35, 1100}), limits);
}

TEST_F(RowsTest, RowsPasteIntoAnotherWindowThatNeverCopied)
{
    Fill({1, 2, 3});
    Load();
    radio::CMainDoc otherDoc('.');
    otherDoc.OnNewDocument();
    DocumentController other(otherDoc);
    other.FirstUpdate();
    RowCommands otherRows(other, clipboard);

    Select(1, 3);
    rows.Cut();
    other.CurrentGrid().SelectBlock({1, 7, 35, 7});
    EXPECT_EQ(otherRows.Paste().rows, 3);
    EXPECT_EQ(other.Grid(0).GetText(kRx, 7), "140.10000");
    EXPECT_EQ(other.Grid(0).GetText(kComment, 9), "note 3");
    EXPECT_EQ(Rx(1), "140.10000"); // the cut belongs to the first window

    // Another window copying replaces the rows held: the first window's cut
    // no longer clears anything when it pastes them.
    other.CurrentGrid().SelectBlock({1, 7, 35, 7});
    otherRows.Copy();
    Select(50, 50);
    rows.Paste();
    EXPECT_EQ(Rx(50), "140.10000");
    EXPECT_EQ(Rx(51), "");
    EXPECT_EQ(Rx(2), "140.20000");
}

TEST_F(RowsTest, PasteNeverWritesTheVfoMirror)
{
    Fill({1});
    Load();
    Select(1, 1);
    rows.Copy();
    controller.AfterTabChange(radio::kSheetVfo);
    const std::string mirror = controller.CurrentGrid().GetBlockText({1, 1, 35, 5});
    controller.CurrentGrid().SelectBlock({1, 1, 35, 1});
    EXPECT_FALSE(rows.Paste().changed);
    EXPECT_EQ(controller.CurrentGrid().GetBlockText({1, 1, 35, 5}), mirror);
}

TEST_F(RowsTest, RowsFromTheHomeSheetShowInTheSettingsGrids)
{
    Load();
    controller.AfterTabChange(radio::kSheetHome);
    controller.CurrentGrid().SetText(kRx, 2, "145.50000");
    controller.CurrentGrid().SelectBlock({1, 2, 35, 2});
    rows.Copy();
    controller.AfterTabChange(radio::kSheetMemories);
    Select(3, 3);
    rows.Paste();
    EXPECT_EQ(Rx(3), "145.50000");
    EXPECT_EQ(controller.HyperGrid(4).GetText(1, 3), "145.50000");
    EXPECT_EQ(controller.HyperGrid(4).GetText(2, 3), "Scan");
}

TEST_F(RowsTest, PastedRowsKeepTheirFrequencyLists)
{
    PutChannel(doc, 0, {146000000, "TWO", ""});
    PutChannel(doc, 1, {900000000, "", ""}); // above 700 MHz: step list without "5 kHz"
    Fill({3});
    Load();
    Memories().SetText(11, 3, "5 kHz");
    Memories().SetText(11, 2, "12.5 kHz");
    Select(1, 2);
    rows.Copy();
    Select(3, 3);
    rows.Paste();
    EXPECT_EQ(Memories().GetText(11, 4), "12.5 kHz");
    EXPECT_EQ(Memories().ListIndex(11, 4), 1); // "10 kHz\t12.5 kHz\t..."
}

TEST_F(RowsTest, SortNamesAreTheHeadersOnOneLine)
{
    Load();
    const std::vector<std::string> names = RowCommands::SortNames(Memories());
    ASSERT_EQ(names.size(), 35u);
    EXPECT_EQ(names[0], "Receive Frequency");
    EXPECT_EQ(names[1], "Transmit Frequency");
    EXPECT_EQ(names[5], "Name");
    EXPECT_EQ(names[6], "Show Name");
    EXPECT_EQ(names[14], "Bank 1");
    EXPECT_EQ(names[33], "Bank 20");
    EXPECT_EQ(names[34], "Comment");
}

TEST_F(RowsTest, SortOfOneSelectedRowIsRefused)
{
    Fill({1, 2});
    Load();
    Select(2, 2);
    const std::string before = AllRows();
    const RowChange change = rows.Sort([](const auto&, SortChoice& c) {
        c = {0, 1, 1, 0};
        return true;
    });
    EXPECT_FALSE(change.changed);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "No channels were selected for sorting.");
    EXPECT_EQ(prompt.shown[0].caption, "Sort Error");
    EXPECT_EQ(AllRows(), before);
}

class SortTest : public RowsTest {
protected:
    // Rows 1..6: two channels empty in between, frequencies whose text order
    // differs from their value order, comments in mixed case.
    SortTest()
    {
        PutChannel(doc, 0, {430000000, "B", "beta", 1, 2});
        PutChannel(doc, 2, {900000000, "A", "Alpha", -1, 1});
        PutChannel(doc, 3, {145000000, "C", "alpha", 5, 0});
        PutChannel(doc, 5, {108000000, "D", "Gamma", -1, 0});
        Load();
        Select(1, 2);
    }
    RowChange SortBy(int scope, int order, int first, int second)
    {
        return rows.Sort([&](const std::vector<std::string>& names, SortChoice& c) {
            EXPECT_EQ(names.size(), 35u);
            c = {scope, order, first, second};
            return true;
        });
    }
    std::string Column(int col, int from, int to)
    {
        std::string text;
        for (int row = from; row <= to; ++row)
            text += Memories().GetText(col, row) + "|";
        return text;
    }
};

TEST_F(SortTest, FrequenciesByValueEmptyRowsLastInBothOrders)
{
    EXPECT_TRUE(SortBy(1, 1, 1, 0).changed);
    EXPECT_EQ(Column(kRx, 1, 7), "108.00000|145.00000|430.00000|900.00000||||");
    EXPECT_EQ(Column(kComment, 1, 4), "Gamma|alpha|beta|Alpha|");
    SortBy(1, 2, 1, 0);
    EXPECT_EQ(Column(kRx, 1, 7), "900.00000|430.00000|145.00000|108.00000||||");
    // Scan values and banks went with their channels.
    EXPECT_EQ(controller.HyperGrid(0).GetText(2, 1), "Skip");
    EXPECT_EQ(controller.HyperGrid(0).GetText(2, 2), "Preferential Scan");
    EXPECT_EQ(Memories().GetText(kBank1 + 5, 3), "1");
    EXPECT_TRUE(controller.BankMember(5, 2));
    EXPECT_TRUE(controller.BankMember(1, 1));
    EXPECT_FALSE(controller.BankMember(1, 0));
}

TEST_F(SortTest, TextWithoutRegardToCaseAndStable)
{
    SortBy(1, 1, 35, 0);
    EXPECT_EQ(Column(kComment, 1, 4), "Alpha|alpha|beta|Gamma|");
    SortBy(1, 2, 35, 0);
    EXPECT_EQ(Column(kComment, 1, 4), "Gamma|beta|Alpha|alpha|");
}

TEST_F(SortTest, SecondKeyAndSelectedScope)
{
    Memories().SetText(kPower, 1, "Low");
    Memories().SetText(kPower, 4, "Low");
    // Tx Power by list position ("High\tMid1\tMid2\tLow"), then receive frequency.
    SortBy(1, 1, kPower, kRx);
    EXPECT_EQ(Column(kRx, 1, 4), "108.00000|900.00000|145.00000|430.00000|");

    // Only rows 2..4, the rest stays.
    Select(2, 4);
    SortBy(0, 2, kRx, 0);
    EXPECT_EQ(Column(kRx, 1, 4), "108.00000|900.00000|430.00000|145.00000|");
}

TEST_F(SortTest, CancelOrUnknownScopeSortsNothing)
{
    const std::string before = AllRows();
    EXPECT_FALSE(rows.Sort([](const auto&, SortChoice&) { return false; }).changed);
    EXPECT_FALSE(SortBy(2, 1, 1, 0).changed);
    EXPECT_FALSE(SortBy(1, 1, 0, 0).changed); // no key chosen
    EXPECT_EQ(AllRows(), before);
}

TEST_F(RowsTest, CommandsCarryIntoTheImageThroughTheStore)
{
    Fill({1, 2, 3});
    PutChannel(doc, 1, {140200000, "TWO", "second", 7, 1});
    Load();
    Select(1, 1);
    rows.Delete();
    ASSERT_TRUE(controller.GridStore(false));
    EXPECT_EQ(radio::GetField(doc.Record(radio::kSheetMemories, 0), radio::ChannelField::Receive), 140200000);
    EXPECT_EQ(doc.Comment(0), "second");
    EXPECT_TRUE(radio::BankBit(doc.Image(), 7, 0));
    EXPECT_FALSE(radio::BankBit(doc.Image(), 7, 1));
    EXPECT_EQ(radio::ScanValue(doc.Image(), 0, 0), 1);
    EXPECT_EQ(radio::GetField(doc.Record(radio::kSheetMemories, 2), radio::ChannelField::InUse), 0);
}

// A row left without a channel takes its comment out of the file's table,
// within the command's own undo step.
TEST_F(RowsTest, RowsEmptiedByACommandLeaveNoCommentBehind)
{
    Fill({1, 2, 3});
    Load();
    const auto run = [&](RowChange (RowCommands::*command)(), const char* name) {
        controller.RunGridStep([&]() -> std::string { return (rows.*command)().changed ? name : ""; });
    };
    Select(1, 1);
    run(&RowCommands::Delete, "Delete of 1 Channel");
    EXPECT_EQ(doc.Comment(0), "note 2");
    EXPECT_EQ(doc.Comment(1), "note 3");
    EXPECT_EQ(doc.Comment(2), "");

    run(&RowCommands::Insert, "Insert of 1 Channel");
    EXPECT_EQ(doc.Comment(0), "");
    EXPECT_EQ(doc.Comment(1), "note 2");

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Comment(0), "note 2");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Comment(2), "note 3");
    controller.GridLoad();

    // Cut, pasted elsewhere: the cut row empties.
    Select(1, 1);
    ASSERT_TRUE(rows.Cut());
    Select(10, 10);
    run(&RowCommands::Paste, "Paste of 1 Channel");
    EXPECT_EQ(doc.Comment(0), "");
    EXPECT_EQ(doc.Comment(9), "note 1");

    // The receive frequency cleared by typing.
    Memories().SetText(kRx, 2, "");
    ASSERT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.Comment(1), "");
    EXPECT_EQ(doc.Comment(2), "note 3");
}

} // namespace
} // namespace grid
