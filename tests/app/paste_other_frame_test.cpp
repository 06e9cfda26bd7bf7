// Edit > Paste through the main frame offscreen with text that another
// program put on the clipboard: Ctrl+V in the Memories grid places the rows
// from the selected row through the import's conversion as one undo step and
// says in the status bar how many rows were dropped; our own copied rows
// still paste from the text slots.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/command_ids.h"
#include "app/paste_other.h"
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"
#include "textio/export.h"

// test
#include "grid/row_docs.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

// std
#include <gtest/gtest.h>

namespace {

const QString kHeading =
    "Channel Number\tReceive Frequency\tTransmit Frequency\tOffset Frequency\tOffset Direction\tOperating Mode\t"
    "Name\tShow Name\tTone Mode\tCTCSS Tone\tDCS Code\tStep\tClock Shift\tTx Power\tNarrow\tBank 1\tBank 2\tBank 3\t"
    "Bank 4\tBank 5\tBank 6\tBank 7\tBank 8\tBank 9\tBank 10\tBank 11\tBank 12\tBank 13\tBank 14\tBank 15\tBank 16\t"
    "Bank 17\tBank 18\tBank 19\tBank 20\tComment\r\n";

// Banks 1 and 2 off, 3 on, 4..20 off.
std::string Banks()
{
    std::string text = "\tOff\tOff\tOn";
    for (int bank = 4; bank <= 20; ++bank)
        text += "\tOff";
    return text;
}

const std::string kClubLine = "9\t145.50000\t145.50000\t600 kHz\tSimplex\tFM\tCLUB\tShow Name\tNone\t100.0\t023\t5 kHz\t"
                              "Off\tHigh\tOff" + Banks() + "\tnet night";

class PasteOther : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.resize(1100, 700);
        frame_.show();
        frame_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame_));
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    // Channels in rows 1..count at 140.1, 140.2, ... MHz, named and commented after their row.
    CChildFrame* OpenChannels(const std::string& name, int count)
    {
        radio::CMainDoc doc('.');
        doc.OnNewDocument();
        for (int row = 1; row <= count; ++row)
            test_rows::PutChannel(doc, row - 1,
                                  {140000000 + row * 100000, "CH" + std::to_string(row), "note " + std::to_string(row)});
        const std::string path = dir_.path() + "/" + name;
        EXPECT_TRUE(doc.Save(path)) << doc.ErrorText();
        return frame_.OpenDocument(path);
    }

    static radio::CMainDoc& Doc(CChildFrame* child) { return child->Doc().Data(); }
    static grid::GridView& Memories(CChildFrame* child) { return *child->View().ChannelGridView(0); }
    static std::string Cell(CChildFrame* child, int col, int row) { return Memories(child).Sheet().GetText(col, row); }
    static std::string Rx(CChildFrame* child, int row) { return Cell(child, 1, row); }

    static void SelectRow(CChildFrame* child, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        grid::GridView& view = Memories(child);
        view.scrollTo(view.model()->index(row - 1, 0));
        QHeaderView* header = view.verticalHeader();
        const int y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, QPoint(header->width() / 2, y));
    }
    static void PressCtrl(CChildFrame* child, Qt::Key key) { QTest::keyClick(&Memories(child), key, Qt::ControlModifier); }
    // The text as another program leaves it: plain text, nothing of ours beside it.
    static void OtherProgramCopies(const std::string& text)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
    std::string Status() { return frame_.statusBar()->currentMessage().toStdString(); }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

TEST_F(PasteOther, RowsFromAnotherProgramPasteFromTheSelectedRowAsOneStep)
{
    CChildFrame* child = OpenChannels("club.rdf", 4);
    ASSERT_NE(child, nullptr);
    const auto before = Doc(child).Data();
    OtherProgramCopies(kHeading.toStdString() + kClubLine + "\r\n" +
                       "3\t29.00000\r\n" + // below every band: dropped, takes no row
                       "\t146.52000\t\t\t\t\tSIMPLX\r\n");
    SelectRow(child, 2);
    PressCtrl(child, Qt::Key_V);

    EXPECT_EQ(Rx(child, 1), "140.10000");
    EXPECT_EQ(Rx(child, 2), "145.50000");
    EXPECT_EQ(Rx(child, 3), "146.52000");
    EXPECT_EQ(Rx(child, 4), "140.40000");
    EXPECT_EQ(Rx(child, 9), "");
    // Row 2 exports as the line pasted, under its own number.
    EXPECT_EQ(textio::BuildExportLine(Memories(child).Sheet(), 2, '\t'), "2" + kClubLine.substr(1) + "\n");
    EXPECT_EQ(Cell(child, 6, 3), "SIMPLX");
    EXPECT_EQ(Cell(child, 35, 3), ""); // overwritten: "note 3" went with the old channel
    EXPECT_TRUE(child->View().Controller().BankMember(2, 1));
    EXPECT_EQ(Doc(child).Comment(1), "net night");
    EXPECT_EQ(Doc(child).Comment(2), "");
    EXPECT_EQ(Doc(child).UndoLabel(), "Paste of 2 Channels");
    EXPECT_EQ(Status(), "Paste of 2 Channels, 1 row dropped");
    EXPECT_TRUE(Doc(child).IsModified());
    EXPECT_TRUE(prompt_.shown.empty());

    PressCtrl(child, Qt::Key_Z);
    EXPECT_TRUE(Doc(child).Data() == before);
    EXPECT_EQ(Rx(child, 2), "140.20000");
    EXPECT_EQ(Cell(child, 35, 3), "note 3");
    EXPECT_FALSE(Doc(child).IsModified());
}

TEST_F(PasteOther, LinesWithoutTheHeadingStopAtTheLastChannel)
{
    CChildFrame* child = OpenChannels("club.rdf", 1);
    OtherProgramCopies("1\t145.00000\n2\t145.10000\n3\t145.20000");
    SelectRow(child, 999);
    PressCtrl(child, Qt::Key_V);
    EXPECT_EQ(Rx(child, 999), "145.00000");
    EXPECT_EQ(Rx(child, 1000), "145.10000");
    EXPECT_EQ(Rx(child, 1001), ""); // the scan limits are not pushed into
    EXPECT_EQ(Status(), "Paste of 2 Channels, 1 row dropped");
}

TEST_F(PasteOther, OurOwnCopiedRowsStillPasteFromTheSlots)
{
    CChildFrame* child = OpenChannels("club.rdf", 4);
    SelectRow(child, 1);
    SelectRow(child, 2, Qt::ShiftModifier);
    PressCtrl(child, Qt::Key_C);
    // Our rows on the clipboard carry the heading and the export's lines too.
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Channel Number\t"));
    SelectRow(child, 6);
    PressCtrl(child, Qt::Key_V);
    EXPECT_EQ(Rx(child, 6), "140.10000");
    EXPECT_EQ(Cell(child, 35, 7), "note 2");
    EXPECT_EQ(Doc(child).UndoLabel(), "Paste of 2 Channels");
    EXPECT_EQ(Status().rfind("Paste", 0), std::string::npos); // nothing to report

    // Then another program copies: its text wins over the slots...
    OtherProgramCopies("\t147.00000");
    SelectRow(child, 6);
    PressCtrl(child, Qt::Key_V);
    EXPECT_EQ(Rx(child, 6), "147.00000");
    EXPECT_EQ(Rx(child, 7), "140.20000");
    EXPECT_EQ(Status(), "Paste of 1 Channel");

    // ...until we copy again.
    SelectRow(child, 3);
    PressCtrl(child, Qt::Key_C);
    SelectRow(child, 10);
    PressCtrl(child, Qt::Key_V);
    EXPECT_EQ(Rx(child, 10), "140.30000");
    EXPECT_EQ(Cell(child, 6, 10), "CH3");
}

TEST_F(PasteOther, RowsStampedByAnotherRunOfTheProgramComeAsText)
{
    CChildFrame* child = OpenChannels("club.rdf", 2);
    frame_.SetTextSlot(0, "141.00000\t141.00000\r\n"); // rows copied here earlier
    auto* data = new QMimeData;
    data->setText(kHeading + QString::fromStdString(kClubLine) + "\r\n");
    data->setData("application/x-ostrel-rows", "1-1");
    QGuiApplication::clipboard()->setMimeData(data);
    SelectRow(child, 2);
    PressCtrl(child, Qt::Key_V);
    EXPECT_EQ(Rx(child, 2), "145.50000");
    EXPECT_EQ(Cell(child, 35, 2), "net night");
}

TEST_F(PasteOther, OnlyTheMemoriesSheetTakesRowsFromAnotherProgram)
{
    CChildFrame* child = OpenChannels("club.rdf", 2);
    const auto before = Doc(child).Data();
    child->View().SetCurrentSheet(3);
    OtherProgramCopies("\t147.00000");
    grid::GridView& hyper = *child->View().ChannelGridView(3);
    hyper.Sheet().SelectBlock({1, 1, 35, 1});
    QTest::keyClick(&hyper, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Status(), app::kPasteOnMemoriesOnly);
    EXPECT_TRUE(Doc(child).Data() == before);
    EXPECT_EQ(Doc(child).UndoLabel(), "");
}

} // namespace
