// The document's history: steps with names, undo and redo through the whole
// data area, the derived modified state and the oldest steps leaving.

// project
#include "radio/history.h"
#include "radio/main_doc.h"

// test
#include <gtest/gtest.h>

namespace {

using radio::CMainDoc;
using radio::DocumentDataArea;
using radio::DocumentHistory;

TEST(History, StepsUndoAndRedoWithTheirNames)
{
    CMainDoc doc('.');
    const DocumentDataArea opened = doc.Data();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CommitStep("nothing changed"));

    doc.SetComment(11, "first");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.CommitStep("Typing in Memories 12"));
    doc.Image()[100] ^= 0xFF;
    EXPECT_TRUE(doc.CommitStep("Paste of 4 Channels"));
    doc.SetSourceName("radio.rsf"); // the header is part of a state
    EXPECT_TRUE(doc.CommitStep("Import"));

    EXPECT_EQ(doc.UndoLabel(), "Import");
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.SourceName(), "NewFile");
    EXPECT_EQ(doc.UndoLabel(), "Paste of 4 Channels");
    EXPECT_EQ(doc.RedoLabel(), "Import");
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.Undo());
    EXPECT_TRUE(doc.Data() == opened);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.UndoLabel(), "");

    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Comment(11), "first");
    EXPECT_TRUE(doc.IsModified());

    // A new step drops the redo branch.
    doc.SetComment(0, "branch");
    EXPECT_TRUE(doc.CommitStep("Typing in Memories 1"));
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_FALSE(doc.Redo());
}

TEST(History, SaveMarksTheCurrentStateClean)
{
    CMainDoc doc('.');
    doc.SetComment(0, "a");
    doc.CommitStep("one");
    doc.MarkClean();
    EXPECT_FALSE(doc.IsModified());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()); // the opened state is no longer the saved one
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    // Opening (and a new document) starts over with one clean state.
    doc.OnNewDocument();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

TEST(History, OldestStepsLeaveBeyondTheBudgetButTwoHundredStay)
{
    // A budget of ten states: still 200 are kept.
    DocumentHistory history(10 * sizeof(DocumentDataArea));
    DocumentDataArea state{};
    history.Reset(state);
    for (int i = 1; i <= 250; ++i) {
        state.image[0] = static_cast<std::uint8_t>(i);
        state.image[1] = static_cast<std::uint8_t>(i >> 8);
        ASSERT_TRUE(history.Push(state, "step " + std::to_string(i)));
    }
    EXPECT_EQ(history.Size(), 200u);
    int undone = 0;
    while (history.Undo() != nullptr)
        ++undone;
    EXPECT_EQ(undone, 199);
    EXPECT_EQ(history.Current().image[0], 51); // steps 1..50 left
    EXPECT_EQ(history.RedoLabel(), "step 52");

    // The default budget (32 MB) holds more than 200 states of 67 KB.
    DocumentHistory roomy;
    for (int i = 1; i <= 300; ++i) {
        state.image[0] = static_cast<std::uint8_t>(i);
        state.image[1] = static_cast<std::uint8_t>(i >> 8);
        roomy.Push(state, "step");
    }
    EXPECT_EQ(roomy.Size(), 301u);
}

TEST(History, CleanStateOutlivesTheStepsThatLeft)
{
    DocumentHistory history(0);
    DocumentDataArea state{};
    history.Reset(state);
    for (int i = 1; i <= 210; ++i) {
        state.image[0] = static_cast<std::uint8_t>(i);
        history.Push(state, "step");
    }
    DocumentDataArea opened{};
    EXPECT_TRUE(history.Clean() == opened);
}

} // namespace
