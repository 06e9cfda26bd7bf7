// Edits typed into a document window of the program reach the file: each one
// is saved with File > Save and read back with `ostrel-cli export`; a command
// chosen while a refused value is in its cell does not run.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "cli/commands.h"
#include "grid/ui/allowed_characters_dialog.h"
#include "grid/ui/main_view.h"
#include "grid/ui/view_editing.h"
#include "app/command_ids.h"
#include "platform/prompt.h"
#include "radio/frequency.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"
#include "support/view_typing.h"

// Qt
#include <QAction>

// std
#include <functional>
#include <sstream>
#include <gtest/gtest.h>

namespace {

class TypedEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.show();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::Run({"new", file_}, out, err), cli::kExitOk) << err.str();
        child_ = frame_.OpenDocument(file_);
        ASSERT_NE(child_, nullptr);
        typing_ = std::make_unique<test_support::ViewTyping>(child_->View());
    }

    // Saves with the menu command and returns the first fields (channel, rx,
    // tx, offset, direction, mode, name) of a row's exported line; empty when
    // the row is not exported.
    std::string SavedRow(int row, int fields = 7)
    {
        frame_.Dispatch(cmd::Save);
        EXPECT_FALSE(child_->Doc().IsModified());
        const std::string out = dir_.path() + "/out.tab";
        std::ostringstream cliOut;
        std::ostringstream cliErr;
        EXPECT_EQ(cli::Run({"export", file_, out}, cliOut, cliErr), cli::kExitOk) << cliErr.str();
        std::istringstream lines(test_support::ReadText(out));
        const std::string key = std::to_string(row) + '\t';
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(key, 0) != 0)
                continue;
            std::string::size_type end = 0;
            for (int i = 0; i < fields && end != std::string::npos; ++i)
                end = line.find('\t', end + 1);
            return line.substr(0, end);
        }
        return {};
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
    std::string file_ = dir_.path() + "/typed.rdf";
    CChildFrame* child_ = nullptr;
    std::unique_ptr<test_support::ViewTyping> typing_;
};

} // namespace

TEST_F(TypedEdits, EveryEditIsInTheSavedFile)
{
    test_support::ViewTyping& t = *typing_;
    t.Type(0, 1, 2, "146.52");
    EXPECT_EQ(SavedRow(2), "2\t146.52000\t146.52000\t600 kHz\tSimplex\tFM\t");
    t.Type(0, 1, 3, "146.94");
    t.Type(0, 6, 3, "rpt~1");
    EXPECT_EQ(SavedRow(3), "3\t146.94000\t146.34000\t600 kHz\tMinus\tFM\tRPT1");
    t.Type(0, 1, 4, "442.5");
    EXPECT_EQ(SavedRow(4), "4\t442.50000\t447.50000\t5.00 MHz\tPlus\tFM\t");
    t.Type(0, 1, 5, "446.0");
    EXPECT_EQ(SavedRow(5), "5\t446.00000\t441.00000\t5.00 MHz\tMinus\tFM\t");
    t.Type(0, 1, 6, "433.0");
    EXPECT_EQ(SavedRow(6), "6\t433.00000\t433.00000\t5.00 MHz\tSimplex\tFM\t");
    t.Type(0, 1, 7, "145.0125");
    EXPECT_EQ(SavedRow(7), "7\t145.01250\t145.01250\t600 kHz\tSimplex\tFM\t");
    t.Type(0, 1, 8, "850");
    EXPECT_EQ(SavedRow(8), "8\t850.00000\t850.00000\t0.0000\tSimplex\tFM\t");

    t.Type(0, 1, 9, "146.4");
    t.Type(0, 2, 9, "147.0");
    EXPECT_EQ(SavedRow(9), "9\t146.40000\t147.00000\t600 kHz\tPlus\tFM\t");
    t.ReplaceCell(0, 2, 9, "146.33");
    EXPECT_EQ(SavedRow(9), "9\t146.40000\t146.33000\t600 kHz\tSplit\tFM\t");

    t.ClearCell(0, 1, 3);
    EXPECT_EQ(SavedRow(3), "");
    EXPECT_EQ(SavedRow(2), "2\t146.52000\t146.52000\t600 kHz\tSimplex\tFM\t");

    // Home row "850" takes 985 MHz.
    child_->View().SetCurrentSheet(2);
    t.ReplaceCell(2, 1, 5, "985", Qt::Key_Tab);
    frame_.Dispatch(cmd::Save);
    radio::CMainDoc reread('.');
    ASSERT_TRUE(reread.Load(file_));
    EXPECT_EQ(radio::DecodeFrequency(reread.Record(radio::kSheetHome, 4) + 1), 985000000);
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(TypedEdits, ACommandChosenWhileARefusedValueIsInTheCellDoesNotRun)
{
    test_support::ViewTyping& t = *typing_;
    t.Type(0, 1, 2, "146.52");
    ASSERT_TRUE(child_->Doc().IsModified());
    t.Type(0, 1, 4, "920", Qt::Key_Tab);
    ASSERT_EQ(prompt_.shown.size(), 1U);
    frame_.Dispatch(cmd::AllowedCharacters);
    EXPECT_EQ(child_->View().Editing().AllowedCharacters(), nullptr);
    ASSERT_EQ(prompt_.shown.size(), 2U);
    EXPECT_EQ(prompt_.shown[1].text, "Please enter a valid receive frequency");
    EXPECT_EQ(prompt_.shown[1].caption, "Ostrel Programmer");
    EXPECT_TRUE(t.Cells(0).EditMode());

    frame_.Dispatch(cmd::Save);
    EXPECT_EQ(prompt_.shown.size(), 3U);
    EXPECT_TRUE(child_->Doc().IsModified()) << "Save did not run";
    radio::CMainDoc onDisk('.');
    ASSERT_TRUE(onDisk.Load(file_));
    EXPECT_EQ(onDisk.Record(radio::kSheetMemories, 1)[0] & 0x80, 0) << "channel 2 is not in the file yet";

    auto* edit = qobject_cast<QLineEdit*>(t.Editor(0));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "446");
    frame_.Dispatch(cmd::AllowedCharacters);
    ASSERT_NE(child_->View().Editing().AllowedCharacters(), nullptr);
    EXPECT_TRUE(child_->View().Editing().AllowedCharacters()->isVisible());
    EXPECT_EQ(SavedRow(4), "4\t446.00000\t441.00000\t5.00 MHz\tMinus\tFM\t");
}

TEST_F(TypedEdits, AChannelLeftWithARefusedValueIsSavedAsItWas)
{
    test_support::ViewTyping& t = *typing_;
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(t.Editor(0), Qt::Key_Escape); },
        [&] {
            child_->View().SetCurrentSheet(radio::kSheetHome);
            child_->View().SetCurrentSheet(radio::kSheetMemories);
        },
    };
    int row = 4;
    for (const auto& leave : ways) {
        t.Type(0, 1, row, "146.94");
        const std::string saved = std::to_string(row) + "\t146.94000\t146.34000\t600 kHz\tMinus\tFM\t";
        ASSERT_EQ(SavedRow(row), saved);
        t.ReplaceCell(0, 1, row, "920", Qt::Key_Tab);
        ASSERT_NE(t.Editor(0), nullptr);
        leave();
        test_support::ViewTyping::Settle();
        frame_.Dispatch(cmd::Save);
        EXPECT_EQ(SavedRow(row), saved) << row;
        ++row;
    }
}

TEST_F(TypedEdits, BankSettingsIsOfferedOnTheMemoriesSheetWithItsCheckMark)
{
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::BankSettings));
    frame_.Dispatch(cmd::BankSettings);
    frame_.UpdateCommandStates();
    EXPECT_TRUE(frame_.Action(cmd::BankSettings)->isChecked());
    EXPECT_TRUE(typing_->Cells(0).ColHidden(2));
    EXPECT_FALSE(typing_->Cells(0).ColHidden(6));

    child_->View().SetCurrentSheet(radio::kSheetHome);
    EXPECT_FALSE(frame_.IsCommandEnabled(cmd::BankSettings));
    child_->View().SetCurrentSheet(radio::kSheetMemories);
    frame_.Dispatch(cmd::BankSettings);
    frame_.UpdateCommandStates();
    EXPECT_FALSE(frame_.Action(cmd::BankSettings)->isChecked());
    EXPECT_FALSE(typing_->Cells(0).ColHidden(2));
}
