// SheetBook: the grid cycle against a new document, the bank membership
// table, sheet 1's mirror and command availability.

// own
#include "grid/sheet_book.h"

// test
#include <gtest/gtest.h>
#include "support/temp_config.h"

// project
#include "grid/hyper_layout.h"
#include "platform/command_ids.h"
#include "radio/channel_record.h"

namespace grid {
namespace {

namespace col = radio::col;

class BookTest : public ::testing::Test {
protected:
    BookTest() : doc('.'), book(doc)
    {
        doc.OnNewDocument();
        book.FirstUpdate();
    }
    test_support::TempConfigHome config;
    radio::CMainDoc doc;
    SheetBook book;
};

TEST_F(BookTest, StoreWithoutChangeLeavesImageAndFlagAlone)
{
    const radio::RadioImage before = doc.Image();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(book.GridStore(true));
    EXPECT_TRUE(book.GridStore(false));
    EXPECT_EQ(doc.Image(), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BookTest, StoreWritesChangesAndKeepsTheSheet)
{
    book.SetCurrentSheet(radio::kSheetHome);
    book.Grid(radio::kSheetMemories).SetText(col::kComment, 1, "first");
    book.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 2, 1, true);
    const radio::RadioImage before = doc.Image();
    EXPECT_TRUE(book.GridStore(false));
    EXPECT_NE(doc.Image(), before);
    EXPECT_TRUE(radio::BankBit(doc.Image(), 2, 0));
    EXPECT_EQ(book.CurrentSheet(), radio::kSheetHome); // restored
    EXPECT_EQ(doc.SheetKind(), radio::kSheetHome);
}

TEST_F(BookTest, RefusedCheckStoresNothing)
{
    book.Grid(radio::kSheetMemories).SetChecked(col::kBank1, 1, true);
    const radio::RadioImage before = doc.Image();
    int checks = 0;
    book.validateActiveCell = [&] { return ++checks > 1; };
    book.editInProgress = true;
    book.CurrentGrid().SetEditMode(true);
    EXPECT_FALSE(book.GridStore(true));
    EXPECT_EQ(doc.Image(), before);
    EXPECT_TRUE(book.CurrentGrid().EditMode());
    // A store without validation does not ask.
    EXPECT_TRUE(book.GridStore(false));
    EXPECT_EQ(checks, 1);
    // Accepted: the cell leaves edit mode and the store goes on.
    EXPECT_TRUE(book.GridStore(true));
    EXPECT_FALSE(book.CurrentGrid().EditMode());
    EXPECT_FALSE(book.editInProgress);
    EXPECT_TRUE(radio::BankBit(doc.Image(), 0, 0));
}

TEST_F(BookTest, BankSnapshotComesFromMemoriesWhateverSheetIsCurrent)
{
    radio::SetBankBit(doc.Image(), 4, 0, true);   // channel 1 in bank 5
    radio::SetBankBit(doc.Image(), 19, 0, true);   // and in bank 20
    book.SetCurrentSheet(6);
    book.GridLoad();
    EXPECT_EQ(book.CurrentSheet(), 6);
    EXPECT_TRUE(book.BankMember(4, 0));
    EXPECT_TRUE(book.BankMember(19, 0));
    EXPECT_FALSE(book.BankMember(0, 0));
    EXPECT_EQ(book.FirstBankMember(4), 0);
    EXPECT_EQ(book.FirstBankMember(0), -1);
    EXPECT_FALSE(book.BankMember(20, 0)); // outside the table
    EXPECT_FALSE(book.BankMember(0, 1000));

    book.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 4, 1, false);
    book.TakeBankSnapshot();
    EXPECT_FALSE(book.BankHasMembers(4));
}

TEST_F(BookTest, HyperSheetShowsEmptyBanksGrey)
{
    book.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 2, 1, true);
    book.SetBankMember(2, 0, true);
    book.BeforeTabChange();
    book.AfterTabChange(4);
    const CSpreadSheet1& settings = book.HyperGrid(1);
    EXPECT_EQ(settings.TextColor(hyper::kBankLabelCol, 3), kBlack);
    EXPECT_EQ(settings.TextColor(hyper::kBankLabelCol, 5), kBankEmptyText);
    EXPECT_EQ(book.CurrentSheet(), 4);
    EXPECT_EQ(book.CurrentGrid().ActiveCol(), 1);
    EXPECT_EQ(book.CurrentGrid().ActiveRow(), 1);
}

TEST_F(BookTest, MirrorShowsTheActiveHyperMemory)
{
    // Tell the five Hyper Memories apart by a comment-free column: the name
    // column is hidden there, so mark the receive frequencies instead.
    for (int k = 0; k < kHyperSheets; ++k)
        book.Grid(radio::kSheetHyper1 + k).SetText(col::kReceive, 1, std::to_string(144 + k) + ".00000");
    book.AfterTabChange(radio::kSheetVfo);
    const CSpreadSheet1& mirror = book.Grid(radio::kSheetVfo);
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "144.00000");

    book.ChooseHyper(3);
    EXPECT_EQ(book.ActiveHyper(), 3);
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "147.00000");
    const CSpreadSheet1& source = book.Grid(radio::kSheetHyper1 + 3);
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(mirror.GetBlockText({1, row, 35, row}), source.GetBlockText({1, row, 35, row})) << row;
    EXPECT_TRUE(mirror.Locked(col::kReceive, 1));
    EXPECT_TRUE(mirror.Locked(col::kNarrow, 5));
    EXPECT_FALSE(book.suppressChanges);

    // An out-of-range index in the image counts as Hyper Memory 1.
    doc.Image()[radio::offs::kActiveHyper] = 9;
    book.RefreshMirror();
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "144.00000");
}

TEST_F(BookTest, ChosenHyperMemorySurvivesTheStore)
{
    book.ChooseHyper(2);
    EXPECT_TRUE(book.GridStore(false));
    EXPECT_EQ(doc.Image()[radio::offs::kActiveHyper], 2);
}

TEST_F(BookTest, TemplateTakesTheRowsChoices)
{
    CSpreadSheet1& memories = book.Grid(radio::kSheetMemories);
    memories.SetListIndex(col::kToneMode, 1, 2);
    memories.SetListIndex(col::kPower, 1, 3);
    memories.SetListIndex(col::kCtcss, 1, -1); // no choice: default kept
    memories.SetChecked(col::kClockShift, 1, true);
    book.RefreshTemplate(radio::kSheetMemories, 1);
    const auto& record = book.Template(radio::kSheetMemories);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::ToneMode), 2);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::Power), 3);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::Ctcss), 12);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::ClockShift), 1);
}

TEST_F(BookTest, CommandAvailability)
{
    EXPECT_TRUE(book.IsCommandEnabled(cmd::Cut));
    EXPECT_TRUE(book.IsCommandEnabled(cmd::Copy));
    EXPECT_FALSE(book.IsCommandChecked(cmd::BankSettings));
    book.bankLayout = true;
    EXPECT_TRUE(book.IsCommandChecked(cmd::BankSettings));
    book.AfterTabChange(radio::kSheetHome);
    for (int id : {cmd::Cut, cmd::Insert, cmd::Delete, cmd::Sort, cmd::BankSettings})
        EXPECT_FALSE(book.IsCommandEnabled(id)) << id;
    EXPECT_TRUE(book.IsCommandEnabled(cmd::Paste));
    book.lastPressInChannelGrid = false;
    EXPECT_FALSE(book.IsCommandEnabled(cmd::Copy));
    EXPECT_FALSE(book.IsCommandEnabled(cmd::Paste));
}

} // namespace
} // namespace grid
