// The Edit menu's row commands through the main frame offscreen: rows chosen
// by clicking the row headers, commands from the menu's actions, rows copied
// in one window pasted into another, the desktop clipboard's text, one undo
// step per command that restores the document byte for byte, and the two
// messages.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/portkit_loader.h"

#include "grid/row_commands.h"
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "app/command_ids.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

// test
#include "grid/row_docs.h"

// Qt
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMdiArea>
#include <QTest>
#include <QTimer>

// std
#include <gtest/gtest.h>

namespace {

class RowFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.resize(1100, 700);
        frame_.show();
    }

    // Channels in rows 1..count at 140.1, 140.2, ... MHz, each named and
    // commented after its row; channel 2 in bank 3.
    CChildFrame* OpenChannels(const std::string& name, int count)
    {
        radio::CMainDoc doc('.');
        doc.OnNewDocument();
        for (int row = 1; row <= count; ++row)
            test_rows::PutChannel(doc, row - 1,
                                  {140000000 + row * 100000, "CH" + std::to_string(row), "note " + std::to_string(row),
                                   row == 2 ? 2 : -1});
        const std::string path = dir_.path() + "/" + name;
        EXPECT_TRUE(doc.Save(path)) << doc.ErrorText();
        return frame_.OpenDocument(path);
    }

    static radio::CMainDoc& Doc(CChildFrame* child) { return child->Doc().Data(); }
    static grid::GridView& Memories(CChildFrame* child) { return *child->View().ChannelGridView(0); }
    static std::string Rx(CChildFrame* child, int row) { return Memories(child).Sheet().GetText(1, row); }

    // A click on a row's header; with Shift the selection runs from the last one.
    static void ClickRow(CChildFrame* child, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        grid::GridView& view = Memories(child);
        view.scrollTo(view.model()->index(row - 1, 0));
        QHeaderView* header = view.verticalHeader();
        const int y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, QPoint(header->width() / 2, y));
    }
    static void SelectRows(CChildFrame* child, int r1, int r2)
    {
        ClickRow(child, r1);
        if (r2 != r1)
            ClickRow(child, r2, Qt::ShiftModifier);
        ASSERT_EQ(Memories(child).Sheet().SelBlockRow(), r1);
        ASSERT_EQ(Memories(child).Sheet().SelBlockRow2(), r2);
    }
    void Choose(int id)
    {
        ASSERT_TRUE(frame_.IsCommandEnabled(id)) << id;
        frame_.Action(id)->trigger();
    }
    void Activate(CChildFrame* child) { child->mdiArea()->setActiveSubWindow(child); }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

TEST_F(RowFrame, RowsCopiedInOneWindowPasteIntoAnotherThatNeverCopied)
{
    CChildFrame* source = OpenChannels("source.rdf", 4);
    ASSERT_NE(source, nullptr);
    SelectRows(source, 1, 4);
    Choose(cmd::Copy);
    // The main frame's slots: the rows as grid text, then each settings grid's columns 1-2.
    EXPECT_EQ(frame_.TextSlot(0).substr(0, 20), "140.10000\t140.10000\t");
    EXPECT_EQ(frame_.TextSlot(1).substr(0, 16), "140.10000\tScan\r\n");

    CChildFrame* target = frame_.NewDocument();
    const auto before = Doc(target).Data();
    Activate(target);
    SelectRows(target, 7, 7);
    Choose(cmd::Paste);
    EXPECT_EQ(Rx(target, 7), "140.10000");
    EXPECT_EQ(Rx(target, 10), "140.40000");
    EXPECT_EQ(Memories(target).Sheet().GetText(35, 8), "note 2");
    EXPECT_EQ(Memories(target).Sheet().GetText(17, 8), "1"); // bank 3 went with channel 2
    EXPECT_TRUE(target->View().Controller().BankMember(2, 7));
    EXPECT_TRUE(Doc(target).IsModified());
    EXPECT_EQ(Doc(target).UndoLabel(), "Paste of 4 Channels");
    EXPECT_EQ(radio::GetField(Doc(target).Record(radio::kSheetMemories, 6), radio::ChannelField::Receive), 140100000); // stored: channel 7

    ASSERT_TRUE(target->View().Undo());
    EXPECT_TRUE(Doc(target).Data() == before);
    EXPECT_EQ(Rx(target, 7), "");
    EXPECT_FALSE(Doc(target).IsModified());
}

TEST_F(RowFrame, CopyLeavesTheExportLinesOnTheDesktopClipboard)
{
    CChildFrame* child = OpenChannels("club.rdf", 2);
    SelectRows(child, 1, 3); // row 3 holds no channel
    Choose(cmd::Copy);
    const QString text = QGuiApplication::clipboard()->text();
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 4) << text.toStdString(); // heading, rows 1 and 2, nothing after the last line feed
    EXPECT_TRUE(lines[0].startsWith("Channel Number\tReceive Frequency\tTransmit Frequency\tOffset Frequency\t"));
    EXPECT_TRUE(lines[0].endsWith("\tBank 20\tComment"));
    QString off20;
    for (int bank = 0; bank < 20; ++bank)
        off20 += "\tOff";
    EXPECT_EQ(lines[1], "1\t140.10000\t140.10000\t600 kHz\tSimplex\tFM\tCH1\t\tNone\t100.0\t023\t5 kHz\tOff\tHigh\tOff" +
                            off20 + "\tnote 1");
    EXPECT_TRUE(lines[2].startsWith("2\t140.20000\t"));
    EXPECT_EQ(lines[3], "");
}

TEST_F(RowFrame, DeleteIsOneStepThatUndoRestoresByteForByte)
{
    CChildFrame* child = OpenChannels("club.rdf", 9);
    const auto before = Doc(child).Data();
    SelectRows(child, 5, 7);
    Choose(cmd::Delete);
    EXPECT_TRUE(prompt_.shown.empty());
    EXPECT_EQ(Rx(child, 5), "140.80000");
    EXPECT_EQ(Doc(child).UndoLabel(), "Delete of 3 Channels");
    EXPECT_EQ(Doc(child).Comment(4), "note 8");
    const auto after = Doc(child).Data();

    ASSERT_TRUE(child->View().Undo());
    EXPECT_TRUE(Doc(child).Data() == before);
    EXPECT_EQ(Rx(child, 5), "140.50000");
    ASSERT_TRUE(child->View().Redo());
    EXPECT_TRUE(Doc(child).Data() == after);
}

TEST_F(RowFrame, InsertAnsweredNoChangesNothingAndYesIsOneStep)
{
    CChildFrame* child = OpenChannels("club.rdf", 3);
    child->View().Controller().Grid(0).SetText(1, 999, "145.00000"); // a channel near the top
    child->View().Commit(true);
    SelectRows(child, 10, 12);
    const auto typed = Doc(child).Data();
    const std::size_t position = Doc(child).History().Position();
    prompt_.answers = {platform::Answer::No};
    Choose(cmd::Insert);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text, "Upper memories will be lost.\nContinue?");
    EXPECT_EQ(prompt_.shown[0].caption, "Insert");
    EXPECT_EQ(Rx(child, 999), "145.00000");
    EXPECT_EQ(Doc(child).History().Position(), position);
    EXPECT_TRUE(Doc(child).Data() == typed);

    SelectRows(child, 2, 2);
    prompt_.answers = {platform::Answer::Yes};
    Choose(cmd::Insert);
    EXPECT_EQ(Doc(child).UndoLabel(), "Insert of 1 Channel");
    EXPECT_EQ(Rx(child, 3), "140.20000");
    EXPECT_EQ(Rx(child, 1000), "145.00000");
    ASSERT_TRUE(child->View().Undo());
    EXPECT_TRUE(Doc(child).Data() == typed);
}

TEST_F(RowFrame, SortAsksTheDialogAndRefusesASingleSelectedRow)
{
    CChildFrame* child = OpenChannels("club.rdf", 5);
    std::vector<std::string> offered;
    grid::SortChoice answer{0, 2, 1, 0};
    child->View().SetSortDialog([&](const std::vector<std::string>& names, grid::SortChoice& choice) {
        offered = names;
        choice = answer;
        return true;
    });
    const auto before = Doc(child).Data();
    SelectRows(child, 3, 3);
    Choose(cmd::Sort);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text, "No channels were selected for sorting.");
    EXPECT_EQ(prompt_.shown[0].caption, "Sort Error");
    ASSERT_EQ(offered.size(), 35u);
    EXPECT_EQ(offered[0], "Receive Frequency");
    EXPECT_EQ(offered[34], "Comment");
    EXPECT_TRUE(Doc(child).Data() == before);

    answer = {1, 2, 1, 0}; // all channels, descending by receive frequency
    Choose(cmd::Sort);
    EXPECT_EQ(Rx(child, 1), "140.50000");
    EXPECT_EQ(Rx(child, 5), "140.10000");
    EXPECT_EQ(Rx(child, 6), "");
    EXPECT_EQ(Doc(child).UndoLabel(), "Sort of 1000 Channels");
    EXPECT_TRUE(child->View().Controller().BankMember(2, 3)); // channel 2 is now row 4
    ASSERT_TRUE(child->View().Undo());
    EXPECT_TRUE(Doc(child).Data() == before);
}

TEST_F(RowFrame, SortThroughTheLibrarysDialog)
{
    app::PortkitLoader::Instance().SetCandidates({PORTKIT_TEST_LIBRARY});
    CChildFrame* child = OpenChannels("club.rdf", 4);
    SelectRows(child, 1, 2);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown = true;
        EXPECT_EQ(dialog->windowTitle(), "Sort");
        auto click = [&](const char* text) {
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                if (button->text() == QLatin1String(text))
                    QTest::mouseClick(button, Qt::LeftButton);
        };
        click("Decsending");
        click("All Channels");
        click("OK");
    });
    Choose(cmd::Sort);
    EXPECT_TRUE(shown);
    EXPECT_EQ(Rx(child, 1), "140.40000");
    EXPECT_EQ(Rx(child, 4), "140.10000");
    EXPECT_EQ(Doc(child).UndoLabel(), "Sort of 1000 Channels");
}

TEST_F(RowFrame, CommandsFollowTheSheetAndTheLastPress)
{
    CChildFrame* child = OpenChannels("club.rdf", 1);
    for (int id : {cmd::Cut, cmd::Copy, cmd::Paste, cmd::Insert, cmd::Delete, cmd::Sort})
        EXPECT_TRUE(frame_.IsCommandEnabled(id)) << id;
    child->View().SetCurrentSheet(3);
    for (int id : {cmd::Cut, cmd::Insert, cmd::Delete, cmd::Sort})
        EXPECT_FALSE(frame_.IsCommandEnabled(id)) << id;
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::Copy));
    // A press in the settings grid turns Copy and Paste off.
    grid::GridView* settings = child->View().SettingsGridView(0);
    QTest::mouseClick(settings->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    EXPECT_FALSE(frame_.IsCommandEnabled(cmd::Copy));
    EXPECT_FALSE(frame_.IsCommandEnabled(cmd::Paste));
}

} // namespace
