#pragma once
// Typing into a main view as a user does: cells are chosen with a mouse click,
// text goes in with key events, lists are changed with keys in their editor.

// lib
#include "grid/document_controller.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"

// Qt
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

// test
#include <gtest/gtest.h>

// std
#include <functional>

namespace test_support {

class ViewTyping {
public:
    explicit ViewTyping(CMainView& view) : view_(view) {}

    grid::GridView& Channel(int sheet) { return *view_.ChannelGridView(sheet); }
    grid::GridView& Settings(int hyper) { return *view_.SettingsGridView(hyper); }
    grid::CSpreadSheet1& Cells(int sheet) { return view_.Controller().Grid(sheet); }
    std::string Text(int sheet, int col, int row) { return Cells(sheet).GetText(col, row); }

    // The part of a grid view that shows the cell (the frozen overlay for the
    // leading columns).
    static grid::SheetTableView& PartOf(grid::GridView& grid, int col)
    {
        return col <= grid.Sheet().FrozenCols() ? grid.FrozenView() : static_cast<grid::SheetTableView&>(grid);
    }

    static void ClickIn(grid::GridView& grid, int col, int row)
    {
        const QModelIndex index = grid.Model().IndexAt(col, row);
        grid.scrollTo(index);
        grid::SheetTableView& part = PartOf(grid, col);
        QTest::mouseClick(part.viewport(), Qt::LeftButton, {}, part.visualRect(index).center());
    }
    void Click(int sheet, int col, int row) { ClickIn(Channel(sheet), col, row); }

    static QWidget* EditorOf(grid::GridView& grid)
    {
        grid::SheetTableView* part = grid.EditingView();
        return part != nullptr ? part->OpenEditor() : nullptr;
    }
    QWidget* Editor(int sheet) { return EditorOf(Channel(sheet)); }

    // Clicks the cell and types the text; the first key opens the editor.
    void Type(int sheet, int col, int row, const QString& text, Qt::Key end = Qt::Key_Return)
    {
        Click(sheet, col, row);
        grid::GridView& grid = Channel(sheet);
        QTest::keyClicks(&grid, text.left(1)); // keys go to the focused grid, never to its overlay
        QWidget* editor = Editor(sheet);
        ASSERT_NE(editor, nullptr) << "no editor at " << col << "," << row;
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, end);
        Settle();
    }

    // Return commits through a queued call, as a real key does.
    static void Settle() { QCoreApplication::processEvents(); }

    // Opens the cell's editor with F2, selects everything and types over it.
    void ReplaceCell(int sheet, int col, int row, const QString& text, Qt::Key end = Qt::Key_Return)
    {
        Click(sheet, col, row);
        grid::GridView& grid = Channel(sheet);
        if (Editor(sheet) == nullptr)
            QTest::keyClick(&grid, Qt::Key_F2);
        QWidget* editor = Editor(sheet);
        ASSERT_NE(editor, nullptr) << "no editor at " << col << "," << row;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, end);
        Settle();
    }
    void ClearCell(int sheet, int col, int row) { ReplaceCell(sheet, col, row, QString()); }

    // A list cell: F2 opens its box, one key chooses (Down: next entry, End: last).
    static void ChooseIn(grid::GridView& grid, int col, int row, Qt::Key key)
    {
        ClickIn(grid, col, row);
        QTest::keyClick(&grid, Qt::Key_F2);
        auto* combo = qobject_cast<QComboBox*>(EditorOf(grid));
        ASSERT_NE(combo, nullptr) << "no list at " << col << "," << row;
        QTest::keyClick(combo, key);
        Settle();
    }
    void ChooseWithKey(int sheet, int col, int row, Qt::Key key) { ChooseIn(Channel(sheet), col, row, key); }

    // A check box: a click on its centre.
    static void ClickCheckIn(grid::GridView& grid, int col, int row) { ClickIn(grid, col, row); }
    void ClickCheck(int sheet, int col, int row) { ClickCheckIn(Channel(sheet), col, row); }

    // Runs `act` on the next modal dialog once it is shown (the caller then
    // opens it); a dialog `act` leaves open is rejected.
    static void OnNextDialog(std::function<void(QDialog&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

private:
    CMainView& view_;
};

} // namespace test_support
