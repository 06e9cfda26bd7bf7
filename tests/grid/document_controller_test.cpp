// DocumentController: the grid cycle against a new document, the bank membership
// table, sheet 1's mirror and command availability.

// own
#include "grid/document_controller.h"

// test
#include <gtest/gtest.h>
#include "support/temp_config.h"

// project
#include "grid/hyper_layout.h"
#include "radio/channel_record.h"
#include "radio/hyper_area.h"

namespace grid {
namespace {

namespace col = radio::col;

class BookTest : public ::testing::Test {
protected:
    BookTest() : doc('.'), controller(doc)
    {
        doc.OnNewDocument();
        controller.FirstUpdate();
    }
    test_support::TempConfigHome config;
    radio::CMainDoc doc{'.'};
    DocumentController controller;
};

TEST_F(BookTest, StoreWithoutChangeLeavesImageAndFlagAlone)
{
    const radio::RadioImage before = doc.Image();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(controller.GridStore(true));
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.Image(), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BookTest, StoreWritesChangesAndKeepsTheSheet)
{
    controller.SetCurrentSheet(radio::kSheetHome);
    controller.Grid(radio::kSheetMemories).SetText(col::kComment, 1, "first");
    controller.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 2, 1, true);
    const radio::RadioImage before = doc.Image();
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_NE(doc.Image(), before);
    EXPECT_TRUE(radio::BankBit(doc.Image(), 2, 0));
    EXPECT_EQ(controller.CurrentSheet(), radio::kSheetHome); // restored
}

TEST_F(BookTest, RefusedCheckStoresNothing)
{
    controller.Grid(radio::kSheetMemories).SetChecked(col::kBank1, 1, true);
    const radio::RadioImage before = doc.Image();
    int checks = 0;
    controller.validateActiveCell = [&] { return ++checks > 1; };
    controller.editInProgress = true;
    controller.CurrentGrid().SetEditMode(true);
    EXPECT_FALSE(controller.GridStore(true));
    EXPECT_EQ(doc.Image(), before);
    EXPECT_TRUE(controller.CurrentGrid().EditMode());
    // A store without validation does not ask.
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(checks, 1);
    // Accepted: the cell leaves edit mode and the store goes on.
    EXPECT_TRUE(controller.GridStore(true));
    EXPECT_FALSE(controller.CurrentGrid().EditMode());
    EXPECT_FALSE(controller.editInProgress);
    EXPECT_TRUE(radio::BankBit(doc.Image(), 0, 0));
}

TEST_F(BookTest, BankSnapshotComesFromMemoriesWhateverSheetIsCurrent)
{
    radio::SetBankBit(doc.Image(), 4, 0, true);   // channel 1 in bank 5
    radio::SetBankBit(doc.Image(), 19, 0, true);   // and in bank 20
    controller.SetCurrentSheet(6);
    controller.GridLoad();
    EXPECT_EQ(controller.CurrentSheet(), 6);
    EXPECT_TRUE(controller.BankMember(4, 0));
    EXPECT_TRUE(controller.BankMember(19, 0));
    EXPECT_FALSE(controller.BankMember(0, 0));
    EXPECT_EQ(controller.FirstBankMember(4), 0);
    EXPECT_EQ(controller.FirstBankMember(0), -1);
    EXPECT_FALSE(controller.BankMember(20, 0)); // outside the table
    EXPECT_FALSE(controller.BankMember(0, 1000));

    controller.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 4, 1, false);
    controller.TakeBankSnapshot();
    EXPECT_FALSE(controller.BankHasMembers(4));
}

TEST_F(BookTest, HyperSheetShowsEmptyBanksGrey)
{
    controller.Grid(radio::kSheetMemories).SetChecked(col::kBank1 + 2, 1, true);
    controller.SetBankMember(2, 0, true);
    controller.BeforeTabChange();
    controller.AfterTabChange(4);
    const CSpreadSheet1& settings = controller.HyperGrid(1);
    EXPECT_EQ(settings.TextColor(hyper::kBankLabelCol, 3), kBlack);
    EXPECT_EQ(settings.TextColor(hyper::kBankLabelCol, 5), kBankEmptyText);
    EXPECT_EQ(controller.CurrentSheet(), 4);
    EXPECT_EQ(controller.CurrentGrid().ActiveCol(), 1);
    EXPECT_EQ(controller.CurrentGrid().ActiveRow(), 1);
}

TEST_F(BookTest, MirrorShowsTheActiveHyperMemory)
{
    // Tell the five Hyper Memories apart by a comment-free column: the name
    // column is hidden there, so mark the receive frequencies instead.
    for (int k = 0; k < kHyperSheets; ++k)
        controller.Grid(radio::kSheetHyper1 + k).SetText(col::kReceive, 1, std::to_string(144 + k) + ".00000");
    controller.AfterTabChange(radio::kSheetVfo);
    const CSpreadSheet1& mirror = controller.Grid(radio::kSheetVfo);
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "144.00000");

    controller.ChooseHyper(3);
    EXPECT_EQ(controller.ActiveHyper(), 3);
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "147.00000");
    const CSpreadSheet1& source = controller.Grid(radio::kSheetHyper1 + 3);
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(mirror.GetBlockText({1, row, 35, row}), source.GetBlockText({1, row, 35, row})) << row;
    EXPECT_TRUE(mirror.Locked(col::kReceive, 1));
    EXPECT_TRUE(mirror.Locked(col::kNarrow, 5));
    EXPECT_FALSE(controller.suppressChanges);

    // An out-of-range index in the image counts as Hyper Memory 1.
    doc.Image()[radio::offs::kActiveHyper] = 9;
    controller.RefreshMirror();
    EXPECT_EQ(mirror.GetText(col::kReceive, 1), "144.00000");
}

TEST_F(BookTest, ChosenHyperMemorySurvivesTheStore)
{
    controller.ChooseHyper(2);
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.Image()[radio::offs::kActiveHyper], 2);
}

TEST_F(BookTest, TemplateTakesTheRowsChoices)
{
    CSpreadSheet1& memories = controller.Grid(radio::kSheetMemories);
    memories.SetListIndex(col::kToneMode, 1, 2);
    memories.SetListIndex(col::kPower, 1, 3);
    memories.SetListIndex(col::kCtcss, 1, -1); // no choice: default kept
    memories.SetChecked(col::kClockShift, 1, true);
    controller.RefreshTemplate(radio::kSheetMemories, 1);
    const auto& record = controller.Template(radio::kSheetMemories);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::ToneMode), 2);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::Power), 3);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::Ctcss), 12);
    EXPECT_EQ(radio::GetField(record.data(), radio::ChannelField::ClockShift), 1);
}

TEST_F(BookTest, TypedEditsAreNamedStepsThatUndoAndRedo)
{
    CSpreadSheet1& memories = controller.Grid(radio::kSheetMemories);
    const radio::DocumentDataArea opened = doc.Data();
    memories.SetText(col::kReceive, 12, "146.94");
    EXPECT_TRUE(controller.GridStore(true));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoLabel(), "Typing in Memories 12");
    EXPECT_EQ(radio::GetField(doc.Record(radio::kSheetMemories, 11), radio::ChannelField::Receive), 146940000);

    // Nothing new typed: no step.
    EXPECT_TRUE(controller.GridStore(true));
    EXPECT_EQ(doc.History().Size(), 2u);

    memories.SetActiveCell(3, 40);
    EXPECT_TRUE(controller.Undo());
    EXPECT_TRUE(doc.Data() == opened);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(memories.GetText(col::kReceive, 12), "");
    EXPECT_EQ(memories.ActiveCol(), 3);
    EXPECT_EQ(memories.ActiveRow(), 40);
    EXPECT_EQ(doc.RedoLabel(), "Typing in Memories 12");
    EXPECT_TRUE(controller.Redo());
    EXPECT_EQ(memories.GetText(col::kReceive, 12), "146.94000");
    EXPECT_FALSE(controller.Redo());
}

TEST_F(BookTest, RunStepStoresTypingFirstThenTheChange)
{
    const std::string homeBefore = controller.Grid(radio::kSheetHome).GetText(col::kReceive, 2);
    controller.Grid(radio::kSheetHome).SetText(col::kReceive, 2, "440.1");
    controller.SetCurrentSheet(radio::kSheetHome);
    controller.Grid(radio::kSheetHome).SetActiveCell(5, 2);
    controller.RunStep("Paste of 4 Channels", [](radio::CMainDoc& d) { d.SetComment(0, "pasted"); });
    EXPECT_EQ(doc.UndoLabel(), "Paste of 4 Channels");
    EXPECT_EQ(controller.Grid(radio::kSheetMemories).GetText(col::kComment, 1), "pasted"); // grids loaded
    EXPECT_EQ(controller.CurrentSheet(), radio::kSheetHome);
    EXPECT_EQ(controller.Grid(radio::kSheetHome).ActiveCol(), 5);
    EXPECT_EQ(controller.Grid(radio::kSheetHome).ActiveRow(), 2);

    EXPECT_TRUE(controller.Undo());
    EXPECT_EQ(doc.Comment(0), "");
    EXPECT_EQ(doc.UndoLabel(), "Typing in Home 2");
    EXPECT_EQ(controller.Grid(radio::kSheetHome).GetText(col::kReceive, 2), "440.10000");
    EXPECT_TRUE(controller.Undo());
    EXPECT_EQ(controller.Grid(radio::kSheetHome).GetText(col::kReceive, 2), homeBefore);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BookTest, UndoAfterATabChangeRestoresTheEditedSheet)
{
    controller.Grid(radio::kSheetMemories).SetText(col::kComment, 1, "before the tab");
    controller.BeforeTabChange();
    controller.AfterTabChange(radio::kSheetHyper1 + 1);
    EXPECT_EQ(doc.UndoLabel(), "Typing in Memories 1");
    EXPECT_TRUE(controller.Undo());
    EXPECT_EQ(controller.Grid(radio::kSheetMemories).GetText(col::kComment, 1), "");
    EXPECT_EQ(controller.CurrentSheet(), radio::kSheetHyper1 + 1);
}

TEST_F(BookTest, ViewStateLivesInTheBook)
{
    EXPECT_EQ(controller.HyperChoice(), 0);
    controller.SetCurrentSheet(radio::kSheetVfo);
    controller.ChooseHyper(3);
    EXPECT_EQ(controller.HyperChoice(), 3);
    EXPECT_TRUE(controller.GridStore(false));
    EXPECT_EQ(doc.Image()[radio::offs::kActiveHyper], 3);
    EXPECT_EQ(controller.HyperGridPointers()[2], &controller.HyperGrid(2));
    controller.Template(radio::kSheetHome)[0] = 0x55;
    controller.ResetTemplate(radio::kSheetHome);
    EXPECT_EQ(controller.Template(radio::kSheetHome)[0], 0);
}

// The radio's current state (VFO area) belongs to the active Hyper Memory:
// opening takes it into that one, choosing another makes the current state
// the chosen one's, and no later open, undo or redo copies an old state over
// a Hyper Memory. Band 144 of each area is told apart by its frequency.
TEST(HyperChoice, EveryHyperMemoryKeepsItsDataThroughChoiceSaveReopenUndoAndRedo)
{
    test_support::TempConfigHome config;
    const auto rxOf = [](const radio::RadioImage& image, std::size_t area) {
        return radio::GetField(image.data() + area, radio::ChannelField::Receive);
    };
    const std::size_t vfo = radio::offs::kVfoArea;
    const auto hyper = [](int k) { return radio::HyperAreaOffset(k); };
    const std::string path = config.path() + "/hyper.rdf";
    {
        radio::CMainDoc file('.');
        radio::SetField(file.Image().data() + vfo, radio::ChannelField::Receive, 148000000);
        for (int k = 0; k < 5; ++k)
            radio::SetField(file.Image().data() + hyper(k), radio::ChannelField::Receive, 140000000 + 1000000 * k);
        radio::SetActiveHyper(file.Image(), 0);
        ASSERT_TRUE(file.Save(path));
    }
    radio::CMainDoc doc('.');
    ASSERT_TRUE(doc.Load(path));
    DocumentController controller(doc);
    controller.FirstUpdate();
    EXPECT_EQ(rxOf(doc.Image(), hyper(0)), 148000000); // the radio's current state

    controller.ChooseHyper(2);
    EXPECT_EQ(doc.UndoLabel(), "Select Hyper Memory");
    const radio::RadioImage chosen = doc.Image();
    const auto expectAreas = [&](const radio::RadioImage& image, const char* when) {
        EXPECT_EQ(image[radio::offs::kActiveHyper], 2) << when;
        EXPECT_EQ(rxOf(image, vfo), 142000000) << when;
        const std::int32_t expected[] = {148000000, 141000000, 142000000, 143000000, 144000000};
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(rxOf(image, hyper(k)), expected[k]) << when << ", Hyper Memory " << k + 1;
    };
    expectAreas(doc.Image(), "chosen");

    ASSERT_TRUE(doc.Save(path));
    radio::CMainDoc reopened('.');
    ASSERT_TRUE(reopened.Load(path));
    EXPECT_EQ(reopened.Image(), chosen);

    ASSERT_TRUE(controller.Undo());
    EXPECT_EQ(doc.Image()[radio::offs::kActiveHyper], 0);
    EXPECT_EQ(rxOf(doc.Image(), hyper(2)), 142000000);
    ASSERT_TRUE(controller.Redo());
    expectAreas(doc.Image(), "redone");
    controller.GridLoad();
    EXPECT_TRUE(controller.GridStore(false));
    expectAreas(doc.Image(), "loaded and stored");
}

} // namespace
} // namespace grid
