// The DTMF dialog: memories shown and typed in the grid, the delay and speed
// bits, OK and Cancel; and the Settings dialog's DTMF button.

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_view.h"
#include "settings/ui/dtmf_dlg.h"

// Qt
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

// test
#include "settings/settings_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using settings_test::SettingsDialogTest;

class DtmfDialogTest : public ::testing::Test {
protected:
    DtmfDialogTest() { block.fill(0xFF); }

    CDtmfDlg& Open()
    {
        dialog = std::make_unique<CDtmfDlg>(block);
        dialog->show();
        return *dialog;
    }

    // Types into row `row` (empty so far) of the grid with real key events.
    void TypeInto(int row, const char* keys)
    {
        grid::GridView& view = dialog->Grid();
        view.setFocus();
        view.setCurrentIndex(view.Model().IndexAt(1, row));
        QTest::keyClick(&view, Qt::Key_F2);
        ASSERT_NE(view.EditingView(), nullptr);
        QTest::keyClicks(view.EditingView()->OpenEditor(), keys);
    }

    // Return ends the edit; the grid writes the row once the key is handled.
    void Finish()
    {
        QTest::keyClick(dialog->Grid().EditingView()->OpenEditor(), Qt::Key_Return);
        QCoreApplication::processEvents();
        ASSERT_EQ(dialog->Grid().EditingView(), nullptr);
    }

    Bytes Memory(int m) const
    {
        const auto first = block.begin() + 22 + 16 * m;
        return Bytes(first, first + 16);
    }

    radio::SettingsBlock block{};
    std::unique_ptr<CDtmfDlg> dialog;
};

TEST_F(DtmfDialogTest, OpeningShowsEveryMemoryAndBothChoices)
{
    const Bytes first{1, 2, 10, 13, 14, 15, 0, 0xFF};
    std::copy(first.begin(), first.end(), block.begin() + 22);
    for (int i = 0; i < 16; ++i)
        block[static_cast<std::size_t>(22 + 16 * 15 + i)] = static_cast<std::uint8_t>(i);
    block[13] = 0xF8 | 4; // delay "750 ms"
    block[12] = 0xFC | 1; // speed "75 ms"
    Open();
    grid::CSpreadSheet1& sheet = dialog->Sheet();
    ASSERT_EQ(sheet.RowCount(), 16);
    EXPECT_EQ(sheet.GetText(1, 1), "12AD*#0");
    EXPECT_EQ(sheet.GetText(1, 16), "0123456789ABCD*#");
    for (int row = 2; row <= 15; ++row)
        EXPECT_EQ(sheet.GetText(1, row), "") << row;
    EXPECT_EQ(dialog->Combo(1129)->currentText(), "750 ms");
    EXPECT_EQ(dialog->Combo(1130)->currentText(), "75 ms");
    EXPECT_EQ(dialog->windowTitle(), "DTMF");
    bool hint = false;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        hint = hint || label->text() == "Use E for * and F for #";
    EXPECT_TRUE(hint);
}

TEST_F(DtmfDialogTest, TypingTakesOnlyDtmfKeysAndSixteenDigits)
{
    Open();
    TypeInto(2, "1a2b!cdEF9 x#*");
    EXPECT_EQ(dialog->Grid().EditingView()->OpenEditor()->property("text").toString(), "1A2BCD*#9#*");
    QTest::keyClick(dialog->Grid().EditingView()->OpenEditor(), Qt::Key_Backspace);
    Finish();
    EXPECT_EQ(dialog->Sheet().GetText(1, 2), "1A2BCD*#9#");

    TypeInto(3, "12345678901234567890");
    Finish();
    EXPECT_EQ(dialog->Sheet().GetText(1, 3), "1234567890123456");

    // Text that comes in without key presses, as a paste does, keeps only
    // the DTMF keys.
    TypeInto(4, "1");
    qobject_cast<QLineEdit*>(dialog->Grid().EditingView()->OpenEditor())->insert("x2e f#");
    Finish();
    EXPECT_EQ(dialog->Sheet().GetText(1, 4), "12*##");
}

TEST_F(DtmfDialogTest, OkStoresDigitCodesDelayAndSpeed)
{
    block[12] = 0xFF;
    block[13] = 0x00;
    Open();
    TypeInto(1, "12a*#");
    TypeInto(16, "0123456789ABCDEF");
    Finish();
    dialog->Combo(1129)->setCurrentIndex(dialog->Combo(1129)->findText("1 sec"));
    dialog->Combo(1130)->setCurrentIndex(dialog->Combo(1130)->findText("100 ms"));
    dialog->accept();

    const Bytes first = Memory(0);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 6), (Bytes{1, 2, 10, 14, 15, 0xFF}));
    EXPECT_EQ(Memory(15), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(Memory(1)[0], 0xFF);
    EXPECT_EQ(block[13], 5);    // delay index in bits 0-2
    EXPECT_EQ(block[12], 0xFE); // speed index 2 in bits 0-1, the rest kept
}

TEST_F(DtmfDialogTest, NoChoiceClearsItsBitsAndCancelChangesNothing)
{
    block[12] = 0xFF;
    block[13] = 0xFF; // bits 0-2 hold 7: no delay item
    Open();
    EXPECT_EQ(dialog->Combo(1129)->currentIndex(), -1);
    dialog->Combo(1130)->setCurrentIndex(-1);
    dialog->accept();
    EXPECT_EQ(block[13], 0xF8);
    EXPECT_EQ(block[12], 0xFC);

    const radio::SettingsBlock before = block;
    Open();
    TypeInto(5, "999");
    Finish();
    dialog->Combo(1129)->setCurrentIndex(0);
    dialog->reject();
    EXPECT_EQ(block, before);
}

// The button opens the DTMF dialog on the Settings dialog's working copy; the
// change shows up as a modified record when the controls are collected.
TEST_F(SettingsDialogTest, DtmfButtonEditsTheWorkingCopy)
{
    OpenDialog("ReadRadio");
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* dtmf = qobject_cast<CDtmfDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dtmf, nullptr);
        seen = true;
        dtmf->Sheet().SetText(1, 4, "42");
        dtmf->accept();
    });
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->Control(1003)), Qt::LeftButton);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(dialog->Session().Collect());
    const auto memory = record.Block().begin() + 22 + 16 * 3;
    EXPECT_EQ(Bytes(memory, memory + 3), (Bytes{4, 2, 0xFF}));
}

} // namespace
