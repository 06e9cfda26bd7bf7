// The one delegate: the cell's kind picks the editor, editors write list
// indexes and texts into the store, unfinished values write nothing, check
// boxes toggle without an editor, and typed keys pass the store's key event.

// lib
#include "grid/spreadsheet.h"
#include "grid/ui/grid_delegate.h"
#include "grid/ui/grid_model.h"

// Qt
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTest>

// std
#include <cctype>
#include <memory>

// test
#include <gtest/gtest.h>

namespace {

using grid::CellKind;
using grid::GridDelegate;
using grid::GridModel;

class GridDelegateTest : public ::testing::Test {
protected:
    GridDelegateTest()
    {
        sheet.SetColCount(5);
        sheet.SetRowCount(3);
        sheet.SetKind({1, 1, 1, 3}, CellKind::Number);
        sheet.SetDecimals({1, 1, 1, 3}, 5);
        sheet.SetKind({2, 1, 2, 3}, CellKind::List);
        sheet.SetList({2, 1, 2, 3}, grid::MakeList("Simplex\tMinus\tPlus\tSplit"));
        sheet.SetKind({3, 1, 3, 3}, CellKind::EditList);
        sheet.SetList({3, 1, 3, 3}, grid::MakeList("100 kHz\t600 kHz"));
        sheet.SetKind({4, 1, 4, 3}, CellKind::CheckBox);
        sheet.SetMaxLength({5, 1, 5, 3}, 6);
        sheet.SetUpperCase({5, 1, 5, 3}, true);
    }

    std::unique_ptr<QWidget> Editor(int col, int row)
    {
        return std::unique_ptr<QWidget>(delegate.createEditor(&parent, QStyleOptionViewItem(), model.IndexAt(col, row)));
    }

    QAbstractItemDelegate& Base() { return delegate; }

    grid::CSpreadSheet1 sheet;
    GridModel model{sheet};
    GridDelegate delegate;
    QWidget parent;
};

TEST_F(GridDelegateTest, KindPicksTheEditor)
{
    EXPECT_EQ(Editor(4, 1), nullptr) << "check boxes have no editor";

    auto list = Editor(2, 1);
    auto* combo = qobject_cast<QComboBox*>(list.get());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3), "Split");

    auto editList = Editor(3, 1);
    ASSERT_NE(qobject_cast<QComboBox*>(editList.get()), nullptr);
    EXPECT_TRUE(static_cast<QComboBox*>(editList.get())->isEditable());

    auto text = Editor(5, 1);
    auto* edit = qobject_cast<QLineEdit*>(text.get());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->maxLength(), 6);
    QTest::keyClicks(edit, "abcdefgh");
    EXPECT_EQ(edit->text(), "ABCDEF");
}

TEST_F(GridDelegateTest, EditorsWriteListIndexAndTextIntoTheStore)
{
    sheet.SetListIndex(2, 2, 0);
    auto list = Editor(2, 2);
    delegate.setEditorData(list.get(), model.IndexAt(2, 2));
    auto* combo = static_cast<QComboBox*>(list.get());
    EXPECT_EQ(combo->currentIndex(), 0);
    combo->setCurrentIndex(2);
    delegate.setModelData(combo, &model, model.IndexAt(2, 2));
    EXPECT_EQ(sheet.ListIndex(2, 2), 2);
    EXPECT_EQ(sheet.GetText(2, 2), "Plus");

    auto editList = Editor(3, 2);
    static_cast<QComboBox*>(editList.get())->setEditText("1.60 MHz");
    delegate.setModelData(editList.get(), &model, model.IndexAt(3, 2));
    EXPECT_EQ(sheet.GetText(3, 2), "1.60 MHz");

    auto number = Editor(1, 2);
    static_cast<QLineEdit*>(number.get())->setText("146,52");
    delegate.setModelData(number.get(), &model, model.IndexAt(1, 2));
    EXPECT_EQ(sheet.GetText(1, 2), "146,52");
}

TEST_F(GridDelegateTest, UnfinishedEditorsWriteNothing)
{
    int changes = 0;
    sheet.Events().change = [&](int, int) { ++changes; };
    sheet.SetText(1, 1, "146.52000");
    sheet.SetListIndex(2, 1, 1);

    auto number = Editor(1, 1);
    auto* edit = static_cast<QLineEdit*>(number.get());
    edit->setText(".");
    EXPECT_FALSE(GridDelegate::IsFinished(edit));
    delegate.setModelData(edit, &model, model.IndexAt(1, 1));
    QTest::keyClicks(edit, "x"); // not a number character: refused by the editor
    EXPECT_EQ(edit->text(), ".");
    EXPECT_EQ(sheet.GetText(1, 1), "146.52000");

    auto list = Editor(2, 1);
    static_cast<QComboBox*>(list.get())->setCurrentIndex(-1);
    delegate.setModelData(list.get(), &model, model.IndexAt(2, 1));
    EXPECT_EQ(sheet.ListIndex(2, 1), 1);
    EXPECT_EQ(changes, 0);

    // Emptying a number cell is a finished value: it clears the cell.
    edit->clear();
    delegate.setModelData(edit, &model, model.IndexAt(1, 1));
    EXPECT_EQ(sheet.GetText(1, 1), "");
    EXPECT_EQ(changes, 1);
}

TEST_F(GridDelegateTest, SpaceTogglesACheckBoxUnlessLocked)
{
    int clicks = 0;
    sheet.Events().buttonClicked = [&](int col, int row, int state) {
        EXPECT_EQ(col, 4);
        EXPECT_EQ(row, 1);
        clicks += state == 1 ? 1 : 10;
    };
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 40, 20);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(Base().editorEvent(&space, &model, option, model.IndexAt(4, 1)));
    EXPECT_TRUE(sheet.IsChecked(4, 1));
    EXPECT_TRUE(Base().editorEvent(&space, &model, option, model.IndexAt(4, 1)));
    EXPECT_FALSE(sheet.IsChecked(4, 1));
    EXPECT_EQ(clicks, 11);

    sheet.SetLocked({4, 2, 4, 2}, true);
    EXPECT_FALSE(Base().editorEvent(&space, &model, option, model.IndexAt(4, 2)));
    EXPECT_FALSE(sheet.IsChecked(4, 2));
}

TEST_F(GridDelegateTest, TypedKeysPassTheStoresKeyEvent)
{
    // The store's handler upper-cases and drops '~', as the name column does.
    sheet.Events().keyPress = [](int& key) {
        key = key == '~' ? 0 : std::toupper(key);
    };
    sheet.SetUpperCase({5, 1, 5, 1}, false);
    auto text = Editor(5, 1);
    text->installEventFilter(&delegate);
    QTest::keyClicks(text.get(), "a~b1");
    EXPECT_EQ(static_cast<QLineEdit*>(text.get())->text(), "AB1");
}

} // namespace
