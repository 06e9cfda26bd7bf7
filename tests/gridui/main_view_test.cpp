// The main view on a new document: the Memories sheet with its 1100 rows and
// scan-limit labels, tab switches that show exactly the sheet's grids, the
// VFO sheet mirroring the active Hyper Memory, and the layout of the Hyper
// Memory sheets. With OSTREL_SCREENSHOT_DIR set, screenshots are written there.

// lib
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "radio/main_doc.h"

// Qt
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

// std
#include <cstdlib>
#include <string>

// test
#include "support/temp_config.h"
#include <gtest/gtest.h>

namespace {

class MainViewTest : public ::testing::Test {
protected:
    MainViewTest()
    {
        doc.OnNewDocument();
        view.resize(1000, 640);
        view.show();
        view.OnInitialUpdate();
    }

    grid::GridView& Channel(int sheet) { return *view.ChannelGridView(sheet); }
    grid::GridView& Settings(int hyper) { return *view.SettingsGridView(hyper); }
    QString RowLabel(int sheet, int row) { return Channel(sheet).model()->headerData(row - 1, Qt::Vertical).toString(); }

    test_support::TempConfigHome config;
    radio::CMainDoc doc{'.'};
    CMainView view{doc};
};

TEST_F(MainViewTest, NewDocumentShowsTheMemoriesSheet)
{
    EXPECT_EQ(view.CurrentSheet(), 0);
    EXPECT_TRUE(Channel(0).isVisible());
    EXPECT_EQ(Channel(0).model()->rowCount(), 1100);
    EXPECT_EQ(Channel(0).model()->columnCount(), 35);
    EXPECT_EQ(RowLabel(0, 1), "1");
    EXPECT_EQ(RowLabel(0, 1000), "1000");
    EXPECT_EQ(RowLabel(0, 1001), "L1");
    EXPECT_EQ(RowLabel(0, 1002), "U1");
    EXPECT_EQ(RowLabel(0, 1100), "U50");
    EXPECT_EQ(Channel(0).model()->headerData(0, Qt::Horizontal).toString(), "Receive\nFrequency");
    EXPECT_FALSE(doc.IsModified());

    auto* tabs = view.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(tabs->tabText(0), "Memories");
    EXPECT_EQ(tabs->tabText(7), "Hyper Memory 5");
    EXPECT_EQ(tabs->shape(), QTabBar::RoundedSouth);
    EXPECT_EQ(tabs->geometry().bottom(), view.height() - 1);
}

TEST_F(MainViewTest, TabSwitchShowsTheSheetsGrids)
{
    view.SetCurrentSheet(4);
    EXPECT_EQ(view.CurrentSheet(), 4);
    for (int sheet = 0; sheet < 8; ++sheet)
        EXPECT_EQ(Channel(sheet).isVisible(), sheet == 4) << "sheet " << sheet;
    for (int hyper = 0; hyper < 5; ++hyper)
        EXPECT_EQ(Settings(hyper).isVisible(), hyper == 1) << "hyper " << hyper;
    EXPECT_EQ(RowLabel(4, 5), "850");
    // The settings grid sits right under the channel grid.
    EXPECT_EQ(Settings(1).geometry().top(), Channel(4).geometry().bottom() + 1);
    EXPECT_EQ(Channel(4).currentIndex(), Channel(4).model()->index(0, 0));

    view.SetCurrentSheet(2);
    EXPECT_TRUE(Channel(2).isVisible());
    EXPECT_FALSE(Channel(4).isVisible());
    EXPECT_FALSE(Settings(1).isVisible());
    view.SetCurrentSheet(0);
}

TEST_F(MainViewTest, VfoSheetMirrorsTheActiveHyperMemory)
{
    grid::DocumentController& controller = view.Controller();
    controller.Grid(3 + 2).SetText(35, 1, "third");
    controller.Grid(3 + 0).SetText(35, 1, "first");
    doc.SetActiveHyper(0);

    view.SetCurrentSheet(1);
    auto* choice = view.findChild<QComboBox*>();
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(choice->isVisible());
    EXPECT_EQ(choice->currentIndex(), 0);
    EXPECT_EQ(controller.Grid(1).GetText(35, 1), "first");
    EXPECT_TRUE(controller.Grid(1).Locked(1, 1));

    emit choice->activated(2);
    EXPECT_EQ(controller.ActiveHyper(), 2);
    EXPECT_EQ(controller.Grid(1).GetText(35, 1), "third");
    EXPECT_EQ(Channel(1).model()->data(Channel(1).model()->index(0, 34)).toString(), "third");

    view.SetCurrentSheet(0);
    EXPECT_FALSE(choice->isVisible());
}

// Byte 57 outside 0..4 counts as the first Hyper Memory, and is stored so.
TEST_F(MainViewTest, StoredHyperMemoryOutOfRangeIsTheFirst)
{
    view.RunStep("Import", [](radio::CMainDoc& d) { d.Image()[57] = 255; });
    view.SetCurrentSheet(1);
    auto* choice = view.findChild<QComboBox*>();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->currentText(), "1");
    EXPECT_EQ(doc.Image()[57], 0);
    emit choice->activated(1);
    EXPECT_EQ(doc.Image()[57], 1);
    EXPECT_EQ(doc.UndoLabel(), "Select Hyper Memory");
    view.RunStep("Import", [](radio::CMainDoc& d) { d.Image()[57] = 5; });
    EXPECT_EQ(choice->currentText(), "1");
    view.RunStep("Import", [](radio::CMainDoc& d) { d.Image()[57] = 4; });
    EXPECT_EQ(choice->currentText(), "5");
}

TEST_F(MainViewTest, HyperMemoryGridHeightFollowsItsRows)
{
    view.SetCurrentSheet(3);
    EXPECT_EQ(Channel(3).height(), Channel(3).ContentHeight() + 28);
    // Every row of the five-row grids fits without scrolling, the mirror's too.
    EXPECT_EQ(Channel(3).verticalScrollBar()->maximum(), 0);
    view.SetCurrentSheet(1);
    EXPECT_EQ(Channel(1).verticalScrollBar()->maximum(), 0);
}

TEST_F(MainViewTest, CommitStoresTypedValuesAndReportsModification)
{
    QSignalSpy modified(&view, &CMainView::modifiedChanged);
    grid::CSpreadSheet1& memories = view.Controller().Grid(0);
    memories.SetActiveCell(35, 1);
    memories.SetEditMode(true);
    QWidget* editor = Channel(0).EditingView() != nullptr ? Channel(0).EditingView()->OpenEditor() : nullptr;
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "note");
    EXPECT_TRUE(view.Commit(false));
    EXPECT_EQ(memories.GetText(35, 1), "note");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(modified.size(), 1);
}

TEST_F(MainViewTest, Screenshots)
{
    const char* dir = std::getenv("OSTREL_SCREENSHOT_DIR");
    if (dir == nullptr)
        GTEST_SKIP() << "OSTREL_SCREENSHOT_DIR not set";
    const std::string base(dir);
    view.Controller().Grid(0).SetText(1, 1, "146.52000");
    view.grab().save(QString::fromStdString(base + "/main_view_memories.png"));
    Channel(0).scrollTo(Channel(0).model()->index(1005, 20));
    view.grab().save(QString::fromStdString(base + "/main_view_scan_limits.png"));
    view.SetCurrentSheet(4);
    view.grab().save(QString::fromStdString(base + "/main_view_hyper2.png"));
    view.SetCurrentSheet(1);
    view.grab().save(QString::fromStdString(base + "/main_view_vfo.png"));
}

} // namespace
