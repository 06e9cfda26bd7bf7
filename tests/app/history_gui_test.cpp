// The document history through the real windows, typed with key events:
// edits mark the document modified and Close asks, Save then Close asks
// nothing, fifty edits undo back to the opened file byte for byte and redo
// again, undo after a tab change, the menu texts that name the step, and
// the status bar prompts.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/window_commands.h"
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

// std
#include <string>

// test
#include <gtest/gtest.h>

namespace {

constexpr int kCommentCol = 35;
constexpr int kEdits = 50;

class History : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.show();
        frame_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame_));
    }

    // A file whose first 50 memories are in use, each with a comment.
    std::string MakeFile()
    {
        const std::string path = dir_.path() + "/club.rdf";
        radio::CMainDoc doc('.');
        for (int i = 0; i < kEdits; ++i) {
            std::uint8_t* rec = doc.Record(radio::kSheetMemories, i);
            rec[0] = 0x80;
            radio::EncodeFrequency(145000000 + 25000 * i, rec + 1);
            radio::EncodeFrequency(145000000 + 25000 * i, rec + 5);
            doc.SetComment(i, "old " + std::to_string(i));
        }
        doc.Settle(); // as the program saves it
        EXPECT_TRUE(doc.Save(path)) << doc.ErrorText();
        return path;
    }

    // Types `text` into a cell of the shown channel grid and presses Enter.
    static void Type(grid::GridView& view, int col, int row, const QString& text)
    {
        view.setFocus();
        view.setCurrentIndex(view.Model().IndexAt(col, row));
        QTest::keyClicks(&view, text.left(1));
        ASSERT_NE(view.EditingView(), nullptr);
        QWidget* editor = view.EditingView()->OpenEditor();
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // Enter commits through a queued call
    }

    QString MenuText(int id)
    {
        frame_.UpdateCommandStates();
        return frame_.Action(id)->text();
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

TEST_F(History, AnEditMarksTheDocumentAndCloseAsks)
{
    CChildFrame* child = frame_.OpenDocument(MakeFile());
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->isWindowModified());
    Type(*child->View().ChannelGridView(0), kCommentCol, 3, "net night");
    EXPECT_TRUE(child->Doc().IsModified());
    EXPECT_TRUE(child->isWindowModified()); // the title's "*"

    prompt_.answers = {platform::Answer::Cancel};
    frame_.Dispatch(cmd::Close);
    QApplication::processEvents();
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text, "Save changes to club.rdf?");
    ASSERT_EQ(frame_.Children().size(), 1);

    frame_.Dispatch(cmd::Save);
    EXPECT_FALSE(child->isWindowModified());
    frame_.Dispatch(cmd::Close);
    QApplication::processEvents();
    EXPECT_EQ(prompt_.shown.size(), 1u) << "a saved document closes without asking";
    EXPECT_TRUE(frame_.Children().isEmpty());
    radio::CMainDoc saved('.');
    ASSERT_TRUE(saved.Load(dir_.path() + "/club.rdf"));
    EXPECT_EQ(saved.Comment(2), "net night");
}

TEST_F(History, FiftyEditsUndoToTheOpenedFileAndRedoAgain)
{
    const std::string path = MakeFile();
    const test_support::Bytes file = test_support::ReadBytes(path);
    CChildFrame* child = frame_.OpenDocument(path);
    ASSERT_NE(child, nullptr);
    const auto opened = child->Doc().Data().Bytes();
    EXPECT_TRUE(test_support::Bytes(opened.begin(), opened.end()) == file) << "the file was in the form the grids leave";
    grid::GridView& memories = *child->View().ChannelGridView(0);
    EXPECT_FALSE(frame_.Action(cmd::Undo)->isEnabled());
    EXPECT_EQ(MenuText(cmd::Undo), "Undo\tCtrl+Z");

    for (int i = 0; i < kEdits; ++i)
        Type(memories, kCommentCol, i + 1, QStringLiteral("new %1").arg(i));
    EXPECT_EQ(child->Doc().Data().Comment(49), "new 49");
    EXPECT_TRUE(frame_.Action(cmd::Undo)->isEnabled());
    EXPECT_EQ(MenuText(cmd::Undo), "Undo Typing in Memories 50\tCtrl+Z");
    EXPECT_EQ(MenuText(cmd::Redo), "Redo\tCtrl+Y");

    memories.setCurrentIndex(memories.Model().IndexAt(4, 700));
    const QPoint scrolled = memories.ScrollPosition();
    ASSERT_GT(scrolled.y(), 0);
    for (int i = 0; i < kEdits; ++i)
        frame_.Dispatch(cmd::Undo);
    EXPECT_EQ(memories.ScrollPosition(), scrolled);
    const auto bytes = child->Doc().Data().Bytes();
    EXPECT_TRUE(test_support::Bytes(bytes.begin(), bytes.end()) == file) << "not the opened file";
    EXPECT_FALSE(child->Doc().IsModified());
    EXPECT_FALSE(child->isWindowModified());
    EXPECT_FALSE(frame_.Action(cmd::Undo)->isEnabled());
    EXPECT_EQ(memories.Sheet().GetText(kCommentCol, 1), "old 0");
    // The cell stays where it was.
    EXPECT_EQ(memories.Sheet().ActiveCol(), 4);
    EXPECT_EQ(memories.Sheet().ActiveRow(), 700);

    EXPECT_EQ(MenuText(cmd::Redo), "Redo Typing in Memories 1\tCtrl+Y");
    for (int i = 0; i < kEdits; ++i)
        frame_.Dispatch(cmd::Redo);
    for (int i = 0; i < kEdits; ++i)
        EXPECT_EQ(child->Doc().Data().Comment(i), "new " + std::to_string(i));
    EXPECT_EQ(memories.Sheet().GetText(kCommentCol, 50), "new 49");
    EXPECT_TRUE(child->Doc().IsModified());
    EXPECT_FALSE(frame_.Action(cmd::Redo)->isEnabled());
}

TEST_F(History, UndoAfterATabChangeRestoresTheEditedSheet)
{
    CChildFrame* child = frame_.OpenDocument(MakeFile());
    ASSERT_NE(child, nullptr);
    Type(*child->View().ChannelGridView(0), kCommentCol, 2, "repeater");
    auto* tabs = child->View().findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(radio::kSheetHome);
    EXPECT_EQ(MenuText(cmd::Undo), "Undo Typing in Memories 2\tCtrl+Z");

    QTest::keyClick(child->View().ChannelGridView(radio::kSheetHome), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(child->View().Controller().Grid(0).GetText(kCommentCol, 2), "old 1");
    EXPECT_EQ(child->Doc().Data().Comment(1), "old 1");
    EXPECT_EQ(child->View().CurrentSheet(), radio::kSheetHome);
    EXPECT_FALSE(child->Doc().IsModified());
}

TEST_F(History, UndoAndRedoSitInTheEditMenuAndTheToolbar)
{
    frame_.NewDocument();
    const QList<QAction*> edit = frame_.Menu(app::MenuId::Edit)->actions();
    ASSERT_GE(edit.size(), 2);
    EXPECT_EQ(edit[0], frame_.Action(cmd::Undo));
    EXPECT_EQ(edit[1], frame_.Action(cmd::Redo));
    EXPECT_TRUE(frame_.ToolBar()->actions().contains(frame_.Action(cmd::Undo)));
    EXPECT_TRUE(frame_.ToolBar()->actions().contains(frame_.Action(cmd::Redo)));
}

TEST_F(History, PointedEntriesShowTheirPromptInTheStatusBar)
{
    frame_.NewDocument();
    frame_.Action(cmd::Export)->showStatusText(&frame_);
    EXPECT_EQ(frame_.statusBar()->currentMessage(), "Export current file to a text file");
    frame_.Action(cmd::Import)->showStatusText(&frame_);
    EXPECT_EQ(frame_.statusBar()->currentMessage(), "Import a text data file");
}

// Another group of commands joins with one registration call.
TEST_F(History, ARegisteredCommandRunsAfterTheCommitWhenEnabled)
{
    CChildFrame* child = frame_.NewDocument();
    int runs = 0;
    bool enabled = false;
    child->Commands().Register(cmd::Settings, {.run = [&] { ++runs; }, .enabled = [&] { return enabled; }});
    frame_.UpdateCommandStates();
    EXPECT_FALSE(frame_.Action(cmd::Settings)->isEnabled());
    frame_.Dispatch(cmd::Settings);
    EXPECT_EQ(runs, 0);
    enabled = true;
    frame_.Dispatch(cmd::Settings);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(frame_.Action(cmd::Settings)->isEnabled());
}

TEST_F(History, TextSlotsAreSharedByEveryWindowAndSlotZeroClearsTheRest)
{
    CChildFrame* first = frame_.NewDocument();
    CChildFrame* second = frame_.NewDocument();
    ASSERT_EQ(first->Frame(), &frame_);
    first->Frame()->SetTextSlot(0, "row one");
    first->Frame()->SetTextSlot(5, "row six");
    EXPECT_EQ(second->Frame()->TextSlot(5), "row six");
    second->Frame()->SetTextSlot(0, "again");
    EXPECT_EQ(frame_.TextSlot(0), "again");
    EXPECT_EQ(frame_.TextSlot(5), "");
    EXPECT_EQ(frame_.TextSlot(6), "");
}

} // namespace
