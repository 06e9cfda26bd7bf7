// The editing rules seen through the real main view: every value is typed
// with key events into the grid widgets, cells are chosen with the mouse, and
// the messages are read from the recording prompt.

// lib
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"

// Qt
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

// test
#include "support/temp_config.h"
#include "support/view_typing.h"
#include <gtest/gtest.h>

// std
#include <functional>

namespace {

using test_support::ViewTyping;

constexpr const char* kInvalidReceive = "Please enter a valid receive frequency";
constexpr const char* kNoReceive = "A receive frequency must be entered before editing channel data.";

class CellRulesView : public ::testing::Test, protected ViewTyping {
protected:
    CellRulesView() : ViewTyping(view)
    {
        doc.OnNewDocument();
        view.resize(1100, 700);
        view.show();
        view.OnInitialUpdate();
    }

    // The messages shown since the last call.
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const platform::Message& message : prompt.shown)
            texts.push_back(message.text);
        prompt.shown.clear();
        return texts;
    }

    test_support::TempConfigHome config;
    platform::RecordingPrompt prompt;
    radio::CMainDoc doc{'.'};
    CMainView view{doc};
};

TEST_F(CellRulesView, ReceiveFrequencyInAnEmptyRowMakesAChannel)
{
    ASSERT_TRUE(Cells(0).Locked(2, 2));
    Type(0, 1, 2, "146.52");
    EXPECT_FALSE(Cells(0).Locked(2, 2));
    EXPECT_FALSE(Cells(0).Locked(35, 2));
    EXPECT_EQ(Text(0, 2, 2), "146.52000");
    EXPECT_EQ(Text(0, 3, 2), "600 kHz");
    EXPECT_EQ(Text(0, 4, 2), "Simplex");
    EXPECT_EQ(Text(0, 5, 2), "FM");
    EXPECT_EQ(Text(0, 9, 2), "100.0"); // the template's tone
    EXPECT_TRUE(doc.IsModified());
    // Every Hyper Memory lists the new channel with the scan choice "Scan".
    for (int hyper = 0; hyper < 5; ++hyper) {
        EXPECT_EQ(view.Controller().HyperGrid(hyper).GetText(1, 2), "146.52000");
        EXPECT_EQ(view.Controller().HyperGrid(hyper).GetText(2, 2), "Scan");
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CellRulesView, ReceiveFrequencyGivesTheRepeaterShiftOfItsBand)
{
    struct Case {
        const char* typed;
        const char* tx;
        const char* offset;
        const char* direction;
    };
    const Case cases[] = {
        {"146.94", "146.34000", "600 kHz", "Minus"},
        {"442.5", "447.50000", "5.00 MHz", "Plus"},
        {"446.0", "441.00000", "5.00 MHz", "Minus"},
        {"433.0", "433.00000", "5.00 MHz", "Simplex"},
        {"145.0125", "145.01250", "600 kHz", "Simplex"},
        {"850", "850.00000", "0.0000", "Simplex"},
    };
    int row = 2;
    for (const Case& c : cases) {
        Type(0, 1, row, c.typed, Qt::Key_Tab);
        EXPECT_EQ(Text(0, 2, row), c.tx) << c.typed;
        EXPECT_EQ(Text(0, 3, row), c.offset) << c.typed;
        EXPECT_EQ(Text(0, 4, row), c.direction) << c.typed;
        EXPECT_EQ(Cells(0).ActiveCol(), 2) << c.typed << " is taken and the cursor moves on";
        ++row;
    }
    EXPECT_TRUE(Messages().empty());
    // Above 700 MHz the row offers the six steps and takes the second.
    EXPECT_EQ(Cells(0).List(11, 7)->size(), 6U);
    EXPECT_EQ(Text(0, 11, 7), "12.5 kHz");
    EXPECT_EQ(Text(0, 11, 2), "10 kHz");
}

TEST_F(CellRulesView, InvalidReceiveFrequencyKeepsTheCellInEditMode)
{
    for (const char* typed : {"145.011", "830", "920"}) {
        const int row = 10;
        Type(0, 1, row, typed, Qt::Key_Tab);
        EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive}) << typed;
        EXPECT_EQ(Cells(0).ActiveCol(), 1) << typed;
        ASSERT_TRUE(Cells(0).EditMode()) << typed;
        ASSERT_NE(Editor(0), nullptr) << typed;
        EXPECT_EQ(qobject_cast<QLineEdit*>(Editor(0))->text().toStdString(), typed);
        EXPECT_TRUE(Cells(0).Locked(2, row)) << typed;
        // Moving away once more is refused again, with one message.
        QTest::keyClick(Editor(0), Qt::Key_Down);
        QTest::keyClick(Editor(0), Qt::Key_Tab);
        EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive}) << typed;
        EXPECT_EQ(Cells(0).ActiveRow(), row);
        QTest::keyClick(Editor(0), Qt::Key_Escape);
        ClearCell(0, 1, row);
        Messages();
    }
}

// However the user gets away from a refused receive frequency, the channel
// the cell held is what the document keeps.
TEST_F(CellRulesView, ARefusedReceiveFrequencyNeverCostsTheChannel)
{
    struct Way {
        const char* name;
        std::function<void()> leave;
        std::size_t messages; // shown while leaving
    };
    const Way ways[] = {
        {"Escape", [&] { QTest::keyClick(Editor(0), Qt::Key_Escape); }, 0},
        {"Enter, then Escape",
         [&] {
             QTest::keyClick(Editor(0), Qt::Key_Return);
             Settle();
             EXPECT_FALSE(view.Commit(true)) << "the refused value is still held";
             ASSERT_NE(Editor(0), nullptr);
             QTest::keyClick(Editor(0), Qt::Key_Escape);
         },
         1},
        {"a tab change",
         [&] {
             view.SetCurrentSheet(2);
             view.SetCurrentSheet(0);
         },
         1},
    };
    int row = 20;
    for (const Way& way : ways) {
        Type(0, 1, row, "146.94");
        ReplaceCell(0, 2, row, "147.5"); // a split channel
        ASSERT_EQ(Text(0, 4, row), "Split");
        const std::string rx = Text(0, 1, row);
        const radio::RadioImage before = doc.Image();
        Messages();

        ReplaceCell(0, 1, row, "920", Qt::Key_Tab);
        EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive}) << way.name;
        way.leave();
        Settle();
        EXPECT_EQ(Messages().size(), way.messages) << way.name;
        EXPECT_FALSE(Cells(0).EditMode()) << way.name;
        EXPECT_EQ(Text(0, 1, row), rx) << way.name;
        EXPECT_TRUE(view.Commit(true)) << way.name;
        EXPECT_EQ(doc.Image(), before) << way.name;
        EXPECT_EQ(Text(0, 2, row), "147.5") << way.name;
        ++row;
    }
}

// An offset takes effect only where the transmit frequency it gives is one
// the row can use; Escape puts back what the cell held.
TEST_F(CellRulesView, AnOffsetOrDirectionIsTakenOnlyWhereTheRowCanUseIt)
{
    Type(0, 1, 2, "146.52");
    ReplaceCell(0, 3, 2, "150");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter a valid offset frequency"});
    ASSERT_NE(Editor(0), nullptr);
    QTest::keyClick(Editor(0), Qt::Key_Escape);
    EXPECT_EQ(Text(0, 3, 2), "600 kHz");
    ReplaceCell(0, 3, 2, "2");
    EXPECT_EQ(Text(0, 2, 2), "146.52000"); // simplex: the offset waits
    ChooseWithKey(0, 4, 2, Qt::Key_Down);
    EXPECT_EQ(Text(0, 4, 2), "Minus");
    EXPECT_EQ(Text(0, 2, 2), "144.52000");
    ChooseWithKey(0, 4, 2, Qt::Key_Down);
    EXPECT_EQ(Text(0, 4, 2), "Plus");
    EXPECT_EQ(Text(0, 2, 2), "148.52000");
    EXPECT_TRUE(Messages().empty());

    // Home row "144" keeps its transmit frequency in its band.
    view.SetCurrentSheet(2);
    ReplaceCell(2, 1, 1, "199");
    ReplaceCell(2, 3, 1, "9"); // no list entry starts so: 9 MHz
    ChooseWithKey(2, 4, 1, Qt::Key_Down);
    EXPECT_EQ(Text(2, 2, 1), "190.00000");
    ChooseWithKey(2, 4, 1, Qt::Key_Down);
    EXPECT_EQ(Messages(), std::vector<std::string>{"The offset would put the transmit frequency outside this row's band"});
    ASSERT_NE(Editor(2), nullptr);
    QTest::keyClick(Editor(2), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Text(2, 4, 1), "Minus");
    EXPECT_EQ(Text(2, 2, 1), "190.00000");
    EXPECT_TRUE(view.Commit(true));
}

TEST_F(CellRulesView, APastedCommentStaysOnOneLine)
{
    Type(0, 1, 1, "146.52");
    QGuiApplication::clipboard()->setText(QStringLiteral("club\trepeater\nnet"));
    Click(0, 35, 1);
    QTest::keyClick(&Channel(0), Qt::Key_F2);
    ASSERT_NE(Editor(0), nullptr);
    QTest::keyClick(Editor(0), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Editor(0), Qt::Key_Return);
    Settle();
    EXPECT_EQ(Text(0, 35, 1), "club repeater net");
}

TEST_F(CellRulesView, RefusalKeepsTheEditorOfTheFrozenColumn)
{
    // A double click on the frozen column edits it in the overlay.
    grid::GridView& memories = Channel(0);
    const QModelIndex cell = memories.Model().IndexAt(1, 12);
    memories.scrollTo(cell);
    grid::SheetTableView& overlay = memories.FrozenView();
    const QPoint centre = overlay.visualRect(cell).center();
    QTest::mouseClick(overlay.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(overlay.viewport(), Qt::LeftButton, {}, centre);
    ASSERT_NE(overlay.OpenEditor(), nullptr) << (Editor(0) != nullptr ? "opened in the scrolled part" : "none");
    QTest::keyClicks(overlay.OpenEditor(), "830");
    QTest::keyClick(overlay.OpenEditor(), Qt::Key_Tab);
    EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive});
    EXPECT_TRUE(Cells(0).EditMode());
    ASSERT_NE(Editor(0), nullptr);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Editor(0))->text(), "830");
}

TEST_F(CellRulesView, HomeBandRowsTakeOnlyTheirBand)
{
    view.SetCurrentSheet(2);
    Type(2, 1, 2, "146", Qt::Key_Tab);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter a frequency between 200 MHz and 300 MHz"});
    EXPECT_TRUE(Cells(2).EditMode());
    QTest::keyClick(Editor(2), Qt::Key_Escape);
    ClearCell(2, 1, 2);

    Type(2, 1, 5, "960", Qt::Key_Tab);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter a frequency between 700 MHz and 999 MHz"});
    QTest::keyClick(Editor(2), Qt::Key_Escape);
    ReplaceCell(2, 1, 5, "985", Qt::Key_Tab);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Text(2, 2, 5), "985.00000");
    EXPECT_EQ(Cells(2).ActiveCol(), 2);

    // A frequency inside the band that the radio cannot store is refused
    // too, rather than silently not stored.
    ReplaceCell(2, 1, 1, "146.011", Qt::Key_Tab);
    EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive});
    EXPECT_TRUE(Cells(2).EditMode());
}

TEST_F(CellRulesView, TypedTransmitFrequencySetsDirectionAndOffset)
{
    Type(0, 1, 1, "146.4");
    EXPECT_EQ(Text(0, 4, 1), "Plus");
    Type(0, 2, 1, "147.0");
    EXPECT_EQ(Text(0, 4, 1), "Plus");
    EXPECT_EQ(Text(0, 3, 1), "600 kHz");
    ReplaceCell(0, 2, 1, "146.33");
    EXPECT_EQ(Text(0, 4, 1), "Split");
    EXPECT_EQ(Text(0, 2, 1), "146.33");

    // Equal frequencies where the band has no default offset: Simplex and
    // the default offset's text.
    Type(0, 1, 2, "460");
    ReplaceCell(0, 2, 2, "461");
    EXPECT_EQ(Text(0, 4, 2), "Plus");
    EXPECT_EQ(Text(0, 3, 2), "1.000 MHz");
    ReplaceCell(0, 2, 2, "460");
    EXPECT_EQ(Text(0, 4, 2), "Simplex");
    EXPECT_EQ(Text(0, 3, 2), "0.0000");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CellRulesView, NamesTakeOnlyTheRadiosCharacters)
{
    Type(0, 1, 1, "146.52");
    Type(0, 6, 1, "a~b-c{1");
    EXPECT_EQ(Text(0, 6, 1), "AB-C1");
    ReplaceCell(0, 6, 1, "abcdefgh");
    EXPECT_EQ(Text(0, 6, 1), "ABCDEF");
}

TEST_F(CellRulesView, ClearingTheReceiveFrequencyClearsAndLocksTheRow)
{
    Type(0, 1, 3, "146.94");
    Type(0, 35, 3, "club");
    ClickCheck(0, 17, 3);
    EXPECT_TRUE(view.Controller().BankMember(2, 2));
    ClearCell(0, 1, 3);
    for (int c = 1; c <= 35; ++c)
        EXPECT_EQ(Cells(0).GetText(c, 3), c == 7 || c == 12 || c == 14 || (c >= 15 && c <= 34) ? "0" : "") << c;
    EXPECT_TRUE(Cells(0).Locked(2, 3));
    EXPECT_TRUE(Cells(0).Locked(35, 3));
    EXPECT_FALSE(view.Controller().BankMember(2, 2));
    EXPECT_EQ(view.Controller().HyperGrid(0).GetText(1, 3), "");
}

TEST_F(CellRulesView, LockedCellAsksForAReceiveFrequencyFirst)
{
    Click(0, 4, 7);
    QTest::keyClicks(&Channel(0), "x");
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoReceive});
    EXPECT_EQ(prompt.shown.size(), 0U);
    EXPECT_EQ(Cells(0).ActiveCol(), 1);
    EXPECT_EQ(Cells(0).ActiveRow(), 7);
}

TEST_F(CellRulesView, CommitRefusesWhileARefusedValueIsInTheCell)
{
    const radio::RadioImage before = doc.Image();
    Type(0, 1, 4, "830", Qt::Key_Return);
    EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive});
    EXPECT_FALSE(view.Commit(true));
    EXPECT_EQ(Messages(), std::vector<std::string>{kInvalidReceive});
    EXPECT_TRUE(Cells(0).EditMode());
    EXPECT_EQ(doc.Image(), before);

    // Corrected, the same commit goes through and ends the edit as Enter would.
    QLineEdit* edit = qobject_cast<QLineEdit*>(Editor(0));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "146.94");
    EXPECT_TRUE(view.Commit(true));
    EXPECT_EQ(Text(0, 4, 4), "Minus");
    EXPECT_EQ(Text(0, 2, 4), "146.34000");
    EXPECT_FALSE(Cells(0).EditMode());
}

TEST_F(CellRulesView, AFreshRowTakesTheSheetsTemplate)
{
    Type(0, 1, 1, "146.52");
    // Tone mode "Enc" and power "Low" chosen in row 1 ...
    ChooseWithKey(0, 8, 1, Qt::Key_Down);
    ChooseWithKey(0, 13, 1, Qt::Key_End);
    EXPECT_EQ(Text(0, 8, 1), "Enc");
    EXPECT_EQ(Text(0, 13, 1), "Low");
    // ... are what the next new channel gets.
    Type(0, 1, 2, "147.3");
    EXPECT_EQ(Text(0, 8, 2), "Enc");
    EXPECT_EQ(Text(0, 13, 2), "Low");
    EXPECT_EQ(Text(0, 4, 2), "Plus");
}

TEST_F(CellRulesView, BlocksCannotBeDraggedOnAnySheet)
{
    for (int sheet = 0; sheet < 8; ++sheet) {
        EXPECT_FALSE(Channel(sheet).dragEnabled()) << sheet;
        EXPECT_FALSE(Channel(sheet).FrozenView().dragEnabled()) << sheet;
    }
}

} // namespace
