// Fill, move, find and go-to through the real main view: cells chosen with the
// mouse, the commands given with their keys, values typed into the question,
// messages read from the recording prompt; each command's undo gives back the
// document's bytes.

// lib
#include "grid/document_controller.h"
#include "grid/ui/find_bar.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

// test
#include "support/temp_config.h"
#include "support/view_typing.h"
#include <gtest/gtest.h>

namespace {

using test_support::ViewTyping;

class BulkEditView : public ::testing::Test, protected ViewTyping {
protected:
    BulkEditView() : ViewTyping(view)
    {
        doc.OnNewDocument();
        view.resize(1100, 700);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
        view.OnInitialUpdate();
    }

    // Channels typed into Memories rows first.., one receive frequency each.
    void TypeChannels(int first, std::initializer_list<const char*> frequencies)
    {
        int row = first;
        for (const char* rx : frequencies)
            Type(0, 1, row++, rx);
    }
    // A click on the first cell and a shift-click on the last.
    void SelectCells(int sheet, int col, int r1, int r2)
    {
        Click(sheet, col, r1);
        grid::GridView& grid = Channel(sheet);
        const QModelIndex index = grid.Model().IndexAt(col, r2);
        grid.scrollTo(index);
        grid::SheetTableView& part = PartOf(grid, col);
        QTest::mouseClick(part.viewport(), Qt::LeftButton, Qt::ShiftModifier, part.visualRect(index).center());
    }
    void Key(int sheet, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Activate();
        QTest::keyClick(&Channel(sheet), key, modifiers);
        Settle();
    }
    // The window active again after a dialog closed, so its keys reach it.
    void Activate()
    {
        if (view.isActiveWindow())
            return;
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    // Answers the fill question by typing into its editor (or choosing in its list).
    void FillWith(const QString& value)
    {
        OnNextDialog([value](QDialog& dialog) {
            if (auto* combo = dialog.findChild<QComboBox*>())
                combo->setCurrentIndex(combo->findText(value));
            else if (auto* edit = dialog.findChild<QLineEdit*>())
                edit->setText(value);
            dialog.accept();
        });
        view.Fill();
        Settle();
    }
    // The receive frequency of a Memories row in Hz, 0 when empty.
    int Rx(int row) { return static_cast<int>(Cells(0).GetNumber(1, row).value_or(0) * 1e6 + 0.5); }
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const platform::Message& message : prompt.shown)
            texts.push_back(message.text);
        prompt.shown.clear();
        return texts;
    }
    // Undo gives back exactly `before`, in one step named `label`.
    void ExpectUndoTo(const radio::RadioImage& before, const std::string& label)
    {
        EXPECT_EQ(doc.UndoLabel(), label);
        ASSERT_TRUE(view.Undo());
        EXPECT_EQ(doc.Image(), before) << label;
    }

    test_support::TempConfigHome config;
    platform::RecordingPrompt prompt;
    radio::CMainDoc doc{'.'};
    CMainView view{doc};
};

TEST_F(BulkEditView, FillDownTakesTheFirstCellAndSkipsEmptyRows)
{
    TypeChannels(2, {"146.52", "146.94", "147.00"});
    ChooseWithKey(0, 8, 2, Qt::Key_End); // tone mode of row 2: the last entry, "D-Dec"
    const radio::RadioImage before = doc.Image();
    SelectCells(0, 8, 2, 6); // rows 5 and 6 hold no channel
    Key(0, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Text(0, 8, 3), "D-Dec");
    EXPECT_EQ(Text(0, 8, 4), "D-Dec");
    EXPECT_EQ(Text(0, 8, 5), "");
    EXPECT_TRUE(Cells(0).Locked(8, 5));
    EXPECT_TRUE(Messages().empty());
    ExpectUndoTo(before, "Fill");
}

// A filled receive frequency goes through the typed rules: the shift of the
// band follows, a frequency the row refuses is skipped and counted.
TEST_F(BulkEditView, FillOfReceiveFrequencyAppliesTheRules)
{
    TypeChannels(10, {"146.52", "433.0", "446.0", "147.3"});
    const radio::RadioImage before = doc.Image();
    SelectCells(0, 1, 10, 13);
    FillWith("146.94");
    for (int row = 10; row <= 13; ++row) {
        EXPECT_EQ(Text(0, 2, row), "146.34000") << row;
        EXPECT_EQ(Text(0, 4, row), "Minus") << row;
        EXPECT_EQ(Text(0, 3, row), "600 kHz") << row;
    }
    EXPECT_TRUE(Messages().empty());
    ExpectUndoTo(before, "Fill");

    SelectCells(0, 1, 10, 13);
    FillWith("830");
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Filled 0 rows; 4 refused (Memory 10, 11, 12, 13: not a valid receive frequency)"});
    EXPECT_EQ(doc.Image(), before);
    EXPECT_EQ(Text(0, 1, 11), "433.00000");

    // A band row takes only its band: row "144" takes it, the others refuse.
    view.SetCurrentSheet(radio::kSheetHome);
    SelectCells(radio::kSheetHome, 1, 1, 5);
    FillWith("146.94");
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Filled 1 row; 4 refused (Home 250: not between 200 MHz and 300 MHz; Home 350: not "
                              "between 300 MHz and 400 MHz; Home 430: not between 400 MHz and 520 MHz; Home 850: "
                              "not between 700 MHz and 999 MHz)"});
    EXPECT_EQ(Text(radio::kSheetHome, 2, 1), "146.34000");
    EXPECT_EQ(doc.UndoLabel(), "Fill");

    // The VFO mirror is never filled.
    view.SetCurrentSheet(radio::kSheetVfo);
    const radio::RadioImage mirror = doc.Image();
    Key(radio::kSheetVfo, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(doc.Image(), mirror);
}

// Alt+Up and Alt+Down move the selected channels with their bank, comment
// and scan values; the selection goes with them; undo gives the bytes back.
TEST_F(BulkEditView, AltArrowsMoveChannelsWithEverythingTheyHold)
{
    TypeChannels(1, {"146.52", "146.94", "147.00", "433.0"});
    ClickCheck(0, 17, 2); // bank 3
    Type(0, 35, 2, "ROOF");
    view.SetCurrentSheet(radio::kSheetHyper1);
    ChooseIn(Settings(0), 2, 2, Qt::Key_End); // Hyper Memory 1's scan value of memory 2
    const std::string scan = view.Controller().HyperGrid(0).GetText(2, 2);
    ASSERT_NE(scan, "Scan");
    const radio::RadioImage before = doc.Image();

    view.SetCurrentSheet(radio::kSheetMemories);
    SelectCells(0, 1, 2, 3);
    Key(0, Qt::Key_Down, Qt::AltModifier);
    Key(0, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Rx(2), 433000000);
    EXPECT_EQ(Rx(4), 146940000);
    EXPECT_EQ(Text(0, 35, 4), "ROOF");
    EXPECT_EQ(Text(0, 17, 4), "1");
    EXPECT_TRUE(view.Controller().BankMember(2, 3));
    EXPECT_FALSE(view.Controller().BankMember(2, 1));
    EXPECT_EQ(view.Controller().HyperGrid(0).GetText(2, 4), scan);
    EXPECT_EQ(Cells(0).SelBlockRow(), 4);
    EXPECT_EQ(Cells(0).SelBlockRow2(), 5);
    EXPECT_EQ(doc.UndoLabel(), "Move Rows");
    const radio::RadioImage once = doc.Image();

    // Up past the first row stops there: the last two keys make no step.
    for (int i = 0; i < 5; ++i)
        Key(0, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Rx(1), 146940000);
    EXPECT_EQ(Rx(3), 146520000);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(view.Undo());
    EXPECT_EQ(doc.Image(), once);
    ASSERT_TRUE(view.Undo());
    ExpectUndoTo(before, "Move Rows");
}

// The scan-limit rows never move, by key or by a dragged header.
TEST_F(BulkEditView, DraggedHeaderMovesChannelsButNeverTheScanLimits)
{
    TypeChannels(1, {"146.52", "146.94", "147.00"});
    Type(0, 1, 1001, "145.0");
    const radio::RadioImage before = doc.Image();
    QHeaderView* header = Channel(0).verticalHeader();
    header->moveSection(0, 5); // row 1 dropped on row 6
    Settle();
    EXPECT_EQ(Rx(1), 146940000);
    EXPECT_EQ(Rx(6), 146520000);
    EXPECT_EQ(header->visualIndex(0), 0) << "the header keeps its order";
    ExpectUndoTo(before, "Move Rows");

    SelectCells(0, 1, 1001, 1001);
    Key(0, Qt::Key_Up, Qt::AltModifier);
    header->moveSection(1000, 2);
    Settle();
    EXPECT_EQ(Rx(1001), 145000000);
    EXPECT_EQ(doc.Image(), before);
}

TEST_F(BulkEditView, FindBarFindsNamesFrequenciesAndCommentsRoundTheSheets)
{
    TypeChannels(3, {"146.52", "433.0"});
    Type(0, 6, 3, "rpt");
    Type(0, 35, 4, "old rp site");
    view.SetCurrentSheet(radio::kSheetHome);
    Type(radio::kSheetHome, 1, 4, "446.0");
    view.SetCurrentSheet(radio::kSheetMemories);
    Click(0, 1, 1);

    Key(0, Qt::Key_F, Qt::ControlModifier);
    grid::FindBar& bar = view.FindBarWidget();
    ASSERT_TRUE(bar.isVisible());
    ASSERT_TRUE(bar.Field().hasFocus());
    QTest::keyClicks(&bar.Field(), "RP");
    QTest::keyClick(&bar.Field(), Qt::Key_Return);
    EXPECT_EQ(Cells(0).ActiveRow(), 3);
    EXPECT_EQ(Cells(0).ActiveCol(), 6);
    QTest::keyClick(&bar.Field(), Qt::Key_F3);
    EXPECT_EQ(Cells(0).ActiveRow(), 4) << "the comment";
    EXPECT_EQ(Cells(0).ActiveCol(), 35);
    QTest::keyClick(&bar.Field(), Qt::Key_F3);
    EXPECT_EQ(Cells(0).ActiveRow(), 3) << "round to the top";
    QTest::keyClick(&bar.Field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Cells(0).ActiveRow(), 4) << "back round to the bottom";

    // A frequency on another sheet: found only across all sheets.
    bar.Field().setText("446");
    QTest::keyClick(&bar.Field(), Qt::Key_F3);
    EXPECT_EQ(view.CurrentSheet(), radio::kSheetMemories);
    EXPECT_EQ(Cells(0).ActiveRow(), 4) << "nothing found: the cell stays";
    bar.AllSheetsBox().setChecked(true);
    QTest::keyClick(&bar.Field(), Qt::Key_F3);
    EXPECT_EQ(view.CurrentSheet(), radio::kSheetHome);
    EXPECT_EQ(Cells(radio::kSheetHome).ActiveRow(), 4);

    QTest::keyClick(&bar.Field(), Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(doc.UndoLabel().starts_with("Typing")) << "finding changes nothing";
}

TEST_F(BulkEditView, CtrlGGoesToAChannelByNumberOrScanLimit)
{
    struct Case {
        const char* typed;
        int row;
    };
    for (const Case& c : {Case{"640", 640}, Case{"l3", 1005}, Case{"U50", 1100}}) {
        view.SetCurrentSheet(radio::kSheetHome);
        Activate();
        OnNextDialog([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>()->setText(c.typed);
            dialog.accept();
        });
        Key(radio::kSheetHome, Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(view.CurrentSheet(), radio::kSheetMemories) << c.typed;
        EXPECT_EQ(Cells(0).ActiveRow(), c.row) << c.typed;
    }
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(view.GoToChannel("1001"));
    EXPECT_FALSE(view.GoToChannel("U51"));
}

} // namespace
