// The "Options" and "Allowed Characters" dialogs of the View menu, opened
// through the view's commands and worked with the mouse and keys.

// lib
#include "grid/document_controller.h"
#include "grid/ui/allowed_characters_dialog.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "grid/ui/options_dialog.h"
#include "grid/ui/view_editing.h"
#include "platform/gui/message_box_prompt.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "radio/main_doc.h"

// Qt
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

// std
#include <cstdlib>
#include <memory>

// test
#include "support/temp_config.h"
#include "support/view_typing.h"
#include <gtest/gtest.h>

namespace {

using test_support::ViewTyping;

std::uint32_t Stored(const char* name)
{
    return platform::Registry::GetDword(platform::kSettingsKey, name).value_or(0xDEADBEEF);
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QPushButton* button = dialog.findChild<QDialogButtonBox*>()->button(which);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void Tick(QCheckBox* box)
{
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// A document window: built and shown like the program's, as often as needed
// (a second one after the first is gone is a restart as far as stored values go).
struct Window {
    Window()
    {
        doc.OnNewDocument();
        view.resize(1100, 700);
        view.show();
        view.OnInitialUpdate();
    }
    radio::CMainDoc doc{'.'};
    CMainView view{doc};
};

class OptionsDialog : public ::testing::Test {
protected:
    test_support::TempConfigHome config;
    platform::RecordingPrompt prompt;
    std::unique_ptr<Window> window = std::make_unique<Window>();
    grid::CSpreadSheet1& Cells(int sheet) { return window->view.Controller().Grid(sheet); }
};

TEST_F(OptionsDialog, ShowsTheColumnBoxesInColumnOrder)
{
    grid::COptionsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Options");
    const char* const labels[] = {"Transmit Frequency", "Offset Frequency", "Offset Direction", "Operating Mode",
                                  "Name", "Show Name", "Tone Mode", "CTCSS Tone", "DCS Code", "Step",
                                  "Clock Shift", "Tx Power", "Narrow"};
    for (int col = 2; col <= 14; ++col)
        EXPECT_EQ(dialog.ColumnBox(col)->text(), labels[col - 2]);
    for (int bank = 1; bank <= 20; ++bank)
        EXPECT_EQ(dialog.ColumnBox(14 + bank)->text(), QString("Bank %1").arg(bank));
    EXPECT_EQ(dialog.ColumnBox(1), nullptr);
    EXPECT_EQ(dialog.ColumnBox(35), nullptr);
    EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 33);
    EXPECT_EQ(dialog.FreezeBox()->minimum(), 1);
    EXPECT_EQ(dialog.FreezeBox()->maximum(), 4);
    EXPECT_EQ(dialog.FreezeBox()->value(), 1) << "nothing stored yet";
}

TEST_F(OptionsDialog, OkWritesTheValuesAndAppliesThemToEverySheet)
{
    ViewTyping::OnNextDialog([](QDialog& dialog) {
        auto& options = static_cast<grid::COptionsDlg&>(dialog);
        Tick(options.ColumnBox(2));   // bit 0 of "Columns"
        Tick(options.ColumnBox(9));   // CTCSS Tone, bit 7
        Tick(options.ColumnBox(31));  // Bank 17, bit 29
        Tick(options.ColumnBox(33));  // Bank 19, bit 1 of "Columns1"
        QTest::keyClick(options.FreezeBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(options.FreezeBox(), "3");
        Press(dialog, QDialogButtonBox::Ok);
    });
    window->view.Editing().Options();

    EXPECT_EQ(Stored("Columns"), 0x20000081U);
    EXPECT_EQ(Stored("Columns1"), 0x00000002U);
    EXPECT_EQ(Stored("Freeze"), 3U);
    for (int sheet = 0; sheet < 8; ++sheet) {
        EXPECT_TRUE(Cells(sheet).ColHidden(2)) << sheet;
        EXPECT_TRUE(Cells(sheet).ColHidden(9)) << sheet;
        EXPECT_FALSE(Cells(sheet).ColHidden(3)) << sheet;
        EXPECT_EQ(Cells(sheet).FrozenCols(), 3) << sheet;
    }
    EXPECT_TRUE(Cells(0).ColHidden(31));
    EXPECT_TRUE(Cells(0).ColHidden(33));
    EXPECT_FALSE(Cells(0).ColHidden(32));
    EXPECT_FALSE(Cells(0).ColHidden(35));
    EXPECT_TRUE(Cells(2).ColHidden(15)) << "Home never shows banks";
    EXPECT_TRUE(Cells(2).ColHidden(35));
    EXPECT_TRUE(Cells(3).ColHidden(6)) << "Hyper Memories never show names";

    // The values survive a restart: a new window reads them back.
    window.reset();
    window = std::make_unique<Window>();
    EXPECT_TRUE(Cells(0).ColHidden(2));
    EXPECT_TRUE(Cells(0).ColHidden(33));
    EXPECT_EQ(Cells(0).FrozenCols(), 3);
    grid::COptionsDlg dialog;
    EXPECT_TRUE(dialog.ColumnBox(2)->isChecked());
    EXPECT_TRUE(dialog.ColumnBox(31)->isChecked());
    EXPECT_TRUE(dialog.ColumnBox(33)->isChecked());
    EXPECT_FALSE(dialog.ColumnBox(3)->isChecked());
    EXPECT_EQ(dialog.FreezeBox()->value(), 3);
}

TEST_F(OptionsDialog, CancelWritesNothingAndStillAppliesWhatIsStored)
{
    platform::Registry::SetDword(platform::kSettingsKey, "Columns", 0x00000003);
    ViewTyping::OnNextDialog([](QDialog& dialog) {
        Tick(static_cast<grid::COptionsDlg&>(dialog).ColumnBox(5));
        Press(dialog, QDialogButtonBox::Cancel);
    });
    window->view.Editing().Options();
    EXPECT_EQ(Stored("Columns"), 0x00000003U);
    EXPECT_EQ(Stored("Freeze"), 0xDEADBEEFU);
    for (int sheet = 0; sheet < 8; ++sheet) {
        EXPECT_TRUE(Cells(sheet).ColHidden(2)) << sheet;
        EXPECT_TRUE(Cells(sheet).ColHidden(3)) << sheet;
        EXPECT_FALSE(Cells(sheet).ColHidden(5)) << sheet;
        EXPECT_EQ(Cells(sheet).FrozenCols(), 1) << sheet;
    }
}

TEST_F(OptionsDialog, HelpOpensTopic108)
{
    ViewTyping::OnNextDialog([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Help); });
    window->view.Editing().Options();
    // The test program has no help pages installed: the message names the topic.
    ASSERT_EQ(prompt.shown.size(), 1U);
    EXPECT_EQ(prompt.shown[0].text, "No help page is installed for topic 108.");
}

TEST_F(OptionsDialog, OptionsAppliedDuringTheBankLayoutLeaveItsFlagsRight)
{
    CMainView& view = window->view;
    view.Editing().ToggleBankLayout();
    // The direction hidden by the options while the layout hides it anyway.
    ViewTyping::OnNextDialog([](QDialog& dialog) {
        Tick(static_cast<grid::COptionsDlg&>(dialog).ColumnBox(4));
        Press(dialog, QDialogButtonBox::Ok);
    });
    view.Editing().Options();
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(Cells(0).ColHidden(c), c != 6) << "the layout stays on, column " << c;
    view.Editing().ToggleBankLayout();
    for (int c = 2; c <= 14; ++c)
        EXPECT_EQ(Cells(0).ColHidden(c), c == 4) << "as the options say, column " << c;
}

TEST(AllowedCharacters, ListsTheSixtyFourCharactersInSixLines)
{
    EXPECT_EQ(grid::AllowedCharactersText(),
              "0123456789\n"
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
              "Space ! \" \\ $ # %\n"
              "' ( ) * + , -\n"
              "; / | : < = >\n"
              "? @ [ & ] ^ _");
}

TEST_F(OptionsDialog, AllowedCharactersStaysOpenWhileEditingGoesOn)
{
    CMainView& view = window->view;
    view.Editing().ShowAllowedCharacters();
    grid::CAllowedCharactersDlg* dialog = view.Editing().AllowedCharacters();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Allowed Characters");
    EXPECT_EQ(dialog->List()->text().toStdString(), grid::AllowedCharactersText());

    ViewTyping typing(view);
    typing.Type(0, 1, 2, "146.52");
    typing.Type(0, 6, 2, "ok");
    EXPECT_EQ(typing.Text(0, 6, 2), "OK");
    EXPECT_TRUE(dialog->isVisible());

    view.Editing().ShowAllowedCharacters(); // once only
    EXPECT_EQ(view.Editing().AllowedCharacters(), dialog);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

// Pictures of a refusal, the bank layout and the two dialogs, for looking at
// under xvfb-run (QT_QPA_PLATFORM=xcb) with OSTREL_SCREENSHOT_DIR set.
TEST_F(OptionsDialog, Screenshots)
{
    const char* dir = std::getenv("OSTREL_SCREENSHOT_DIR");
    if (dir == nullptr)
        GTEST_SKIP() << "OSTREL_SCREENSHOT_DIR not set";
    const QString base = QString::fromLocal8Bit(dir) + QLatin1Char('/');
    CMainView& view = window->view;
    ViewTyping typing(view);
    typing.Type(0, 1, 2, "146.94");
    typing.Type(0, 6, 2, "rpt");
    typing.ClickCheck(0, 15, 2);
    typing.Type(0, 1, 3, "442.5");
    typing.ClickCheck(0, 16, 3);

    platform::gui::MessageBoxPrompt boxes;
    platform::Prompt* recording = platform::SetPrompt(&boxes);
    QTimer::singleShot(300, [base] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr)
            return;
        box->grab().save(base + QStringLiteral("edit_refusal.png"));
        box->close();
    });
    typing.Type(0, 1, 4, "830", Qt::Key_Tab);
    platform::SetPrompt(recording);
    view.ChannelGridView(0)->horizontalScrollBar()->setValue(0);
    view.grab().save(base + QStringLiteral("edit_refused_cell.png"));
    QTest::keyClick(typing.Editor(0), Qt::Key_Escape);

    view.Editing().ToggleBankLayout();
    view.ChannelGridView(0)->horizontalScrollBar()->setValue(0);
    view.grab().save(base + QStringLiteral("bank_layout.png"));
    view.Editing().ToggleBankLayout();

    grid::COptionsDlg options(&view);
    options.show();
    QTest::qWait(200);
    options.grab().save(base + QStringLiteral("options_dialog.png"));
    options.reject();

    view.Editing().ShowAllowedCharacters();
    QTest::qWait(200);
    view.Editing().AllowedCharacters()->grab().save(base + QStringLiteral("allowed_characters.png"));
}

} // namespace
