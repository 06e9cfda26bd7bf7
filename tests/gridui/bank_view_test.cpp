// Banks through the real main view: bank check boxes ticked with the mouse,
// the settings grids' bank links and bank choices made with the mouse and
// keys, and the "Bank Settings" layout of the Memories sheet.

// lib
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "grid/ui/view_editing.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "radio/main_doc.h"

// Qt
#include <QTest>

// test
#include "support/temp_config.h"
#include "support/view_typing.h"
#include <gtest/gtest.h>

namespace {

using test_support::ViewTyping;

constexpr std::uint32_t kGrey = 0xC0C0C0;
constexpr std::uint32_t kBlack = 0x000000;

class BankView : public ::testing::Test, protected ViewTyping {
protected:
    BankView() : ViewTyping(view)
    {
        doc.OnNewDocument();
        view.resize(1100, 700);
        view.show();
        view.OnInitialUpdate();
    }

    std::vector<std::pair<std::string, std::string>> Messages()
    {
        std::vector<std::pair<std::string, std::string>> shown;
        for (const platform::Message& message : prompt.shown)
            shown.emplace_back(message.text, message.caption);
        prompt.shown.clear();
        return shown;
    }
    grid::CSpreadSheet1& HyperCells(int hyper) { return view.Controller().HyperGrid(hyper); }
    // A channel in a Memories row, member of one bank (1..20).
    void Channel(int row, const char* rx, int bank)
    {
        Type(0, 1, row, rx);
        ClickCheck(0, 14 + bank, row);
    }

    test_support::TempConfigHome config;
    platform::RecordingPrompt prompt;
    radio::CMainDoc doc{'.'};
    CMainView view{doc};
};

TEST_F(BankView, BankLinkOfAnEmptyBankIsRefused)
{
    Channel(2, "146.52", 3);
    view.SetCurrentSheet(3);
    EXPECT_EQ(HyperCells(0).TextColor(4, 5), kGrey);
    EXPECT_EQ(HyperCells(0).TextColor(4, 3), kBlack);

    ClickCheckIn(Settings(0), 5, 5);
    EXPECT_EQ(Messages(), (std::vector<std::pair<std::string, std::string>>{
                              {"Bank linking can not be enabled for banks that have no memories assigned.",
                               "Bank Error"}}));
    EXPECT_EQ(HyperCells(0).GetValue(5, 5), "0");

    ClickCheckIn(Settings(0), 5, 3);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(HyperCells(0).GetValue(5, 3), "1");
}

TEST_F(BankView, UntickingTheLastMemberGreysTheBankLabel)
{
    Channel(2, "146.52", 7);
    view.SetCurrentSheet(4);
    EXPECT_EQ(HyperCells(1).TextColor(4, 7), kBlack);
    view.SetCurrentSheet(0);
    ClickCheck(0, 21, 2);
    EXPECT_FALSE(view.Controller().BankMember(6, 1));
    view.SetCurrentSheet(4);
    EXPECT_EQ(HyperCells(1).TextColor(4, 7), kGrey);
}

TEST_F(BankView, ChoosingAMemoryBankSelectsItsFirstChannel)
{
    view.SetCurrentSheet(3);
    // "Bank 1" while no channel is in bank 1.
    ChooseIn(Settings(0), 8, 2, Qt::Key_Down);
    EXPECT_EQ(Messages(), (std::vector<std::pair<std::string, std::string>>{
                              {"Bank 1 does not have any channels assigned and can not be set.", "Bank Setting"}}));
    EXPECT_EQ(HyperCells(0).GetText(8, 2), "All Mem");
    EXPECT_EQ(HyperCells(0).GetText(8, 4), "1");
    EXPECT_EQ(HyperCells(0).GetValue(8, 11), "0");

    view.SetCurrentSheet(0);
    Channel(40, "147.3", 1);
    Channel(12, "146.94", 1);
    view.SetCurrentSheet(3);
    ChooseIn(Settings(0), 8, 2, Qt::Key_Down);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(HyperCells(0).GetText(8, 2), "Bank 1");
    EXPECT_EQ(HyperCells(0).GetText(8, 4), "12");
    EXPECT_EQ(HyperCells(0).GetValue(8, 11), "1");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BankView, ModeMemorySelectsTheFirstChannelInUse)
{
    ClearCell(0, 1, 1); // the new file's channel 1
    Type(0, 1, 5, "146.52");
    view.SetCurrentSheet(5);
    ChooseIn(Settings(2), 8, 1, Qt::Key_End);
    EXPECT_EQ(HyperCells(2).GetText(8, 1), "Memory");
    EXPECT_EQ(HyperCells(2).GetText(8, 4), "5");
}

TEST_F(BankView, ScanChoiceOnlyForChannelsThatExist)
{
    Type(0, 1, 2, "146.52");
    view.SetCurrentSheet(3);
    ClickIn(Settings(0), 2, 3);
    QTest::keyClick(&Settings(0), Qt::Key_F2);
    EXPECT_EQ(EditorOf(Settings(0)), nullptr);
    EXPECT_FALSE(HyperCells(0).EditMode());

    ChooseIn(Settings(0), 2, 2, Qt::Key_Down);
    EXPECT_EQ(HyperCells(0).GetText(2, 2), "Skip");
}

TEST_F(BankView, BankLayoutRestoresExactlyTheColumnsItHid)
{
    grid::CSpreadSheet1& memories = Cells(0);
    // Transmit frequency and tone mode hidden by the column options.
    platform::Registry::SetDword(platform::kSettingsKey, "Columns", (1U << 0) | (1U << 6));
    OnNextDialog([](QDialog&) {}); // Cancel: the stored options are applied
    view.Editing().Options();
    ASSERT_TRUE(memories.ColHidden(2));

    view.Editing().ToggleBankLayout();
    EXPECT_TRUE(view.Editing().BankLayout());
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(memories.ColHidden(c), c != 6) << c;
    EXPECT_FALSE(memories.ColHidden(1));
    EXPECT_FALSE(memories.ColHidden(15));
    EXPECT_FALSE(memories.ColHidden(35));

    view.Editing().ToggleBankLayout();
    EXPECT_FALSE(view.Editing().BankLayout());
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(memories.ColHidden(c), c == 2 || c == 8) << c;
}

} // namespace
