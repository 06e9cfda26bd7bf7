#include "portkit/ui/sort_dialog.h"

#include "portkit/qt_app.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using portkit::SortDialog;

namespace {

const char* const kColumns[] = {"Channel", "Receive", "Transmit", "Name"};

SortOptions Options(int count)
{
    SortOptions options;
    std::memset(&options, 0, sizeof options);
    options.nCount = count;
    for (int i = 0; i < count && i < 4; ++i)
        options.pszNames[i] = kColumns[i];
    return options;
}

// Runs Sort() and lets act work on the dialog once it is shown.
bool ShowSort(SortOptions& options, const std::function<void(SortDialog&)>& act)
{
    test_support::App();
    QTimer::singleShot(0, [act] {
        auto* dialog = dynamic_cast<SortDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return portkit::RunSort(nullptr, &options);
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton* Button(SortDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

TEST(SortDialog, TextsAndLists)
{
    test_support::App();
    SortOptions options = Options(4);
    SortDialog dialog(options, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Sort");
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Sort by"));
    EXPECT_TRUE(labels.contains("Then sort by"));
    QStringList groups;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        groups << box->title();
    groups.sort();
    EXPECT_EQ(groups.join('|').toStdString(), "Channel Sort Selectioin|Sort Mode");
    EXPECT_EQ(dialog.Ascending()->text(), "Ascending");
    EXPECT_EQ(dialog.Descending()->text(), "Decsending");
    EXPECT_EQ(dialog.Selected()->text(), "Selected channels");
    EXPECT_EQ(dialog.AllChannels()->text(), "All Channels");
    EXPECT_EQ(Button(dialog, "ok")->text(), "OK");
    EXPECT_EQ(Button(dialog, "cancel")->text(), "Cancel");
    EXPECT_TRUE(Button(dialog, "ok")->isDefault());

    ASSERT_EQ(dialog.FirstKey()->count(), 4);
    ASSERT_EQ(dialog.SecondKey()->count(), 5);
    EXPECT_EQ(dialog.FirstKey()->itemText(0), "Channel");
    EXPECT_EQ(dialog.FirstKey()->itemText(3), "Name");
    EXPECT_EQ(dialog.SecondKey()->itemText(0), "None");
    EXPECT_EQ(dialog.SecondKey()->itemText(4), "Name");
    EXPECT_TRUE(dialog.FirstKey()->isEditable());
}

TEST(SortDialog, OkUntouchedGivesDefaultsWhateverTheCallerHeld)
{
    SortOptions options = Options(4);
    options.nOrder = 2;
    options.nScope = 1;
    options.nFirstKey = 3;
    options.nSecondKey = 2;
    bool ascendingShown = false;
    bool selectedShown = false;
    const bool ok = ShowSort(options, [&](SortDialog& dialog) {
        ascendingShown = dialog.Ascending()->isChecked();
        selectedShown = dialog.Selected()->isChecked();
        Click(Button(dialog, "ok"));
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(ascendingShown);
    EXPECT_TRUE(selectedShown);
    EXPECT_EQ(options.nScope, 0);
    EXPECT_EQ(options.nOrder, 1);
    EXPECT_EQ(options.nFirstKey, 1);
    EXPECT_EQ(options.nSecondKey, 0);
    EXPECT_EQ(options.nCount, 4);
    EXPECT_EQ(options.pszNames[3], kColumns[3]);
}

TEST(SortDialog, ChoicesComeBackAsPositions)
{
    SortOptions options = Options(4);
    const bool ok = ShowSort(options, [](SortDialog& dialog) {
        QTest::keyClick(dialog.FirstKey(), Qt::Key_Down); // "Receive"
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(dialog.SecondKey(), Qt::Key_Down); // the third name, "Transmit"
        Click(dialog.Descending());
        Click(dialog.AllChannels());
        Click(Button(dialog, "ok"));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(options.nFirstKey, 2);
    EXPECT_EQ(options.nSecondKey, 3);
    EXPECT_EQ(options.nOrder, 2);
    EXPECT_EQ(options.nScope, 1);
}

TEST(SortDialog, TypedTextMatchingNoEntryLeavesNoSelection)
{
    SortOptions options = Options(4);
    ShowSort(options, [](SortDialog& dialog) {
        dialog.FirstKey()->lineEdit()->selectAll();
        QTest::keyClicks(dialog.FirstKey()->lineEdit(), "Frequency");
        dialog.SecondKey()->lineEdit()->selectAll();
        QTest::keyClicks(dialog.SecondKey()->lineEdit(), "zzz");
        Click(Button(dialog, "ok"));
    });
    EXPECT_EQ(options.nFirstKey, 0);
    EXPECT_EQ(options.nSecondKey, -1);

    // Typing an entry's text chooses it.
    ShowSort(options, [](SortDialog& dialog) {
        dialog.SecondKey()->lineEdit()->selectAll();
        QTest::keyClicks(dialog.SecondKey()->lineEdit(), "Name");
        Click(Button(dialog, "ok"));
    });
    EXPECT_EQ(options.nSecondKey, 4);
}

TEST(SortDialog, NoNamesGiveEmptySortByList)
{
    SortOptions options = Options(0);
    int firstCount = -1;
    const bool ok = ShowSort(options, [&](SortDialog& dialog) {
        firstCount = dialog.FirstKey()->count();
        Click(Button(dialog, "ok"));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(firstCount, 0);
    EXPECT_EQ(options.nFirstKey, 0);
    EXPECT_EQ(options.nSecondKey, 0);
}

TEST(SortDialog, CancelAndEscapeLeaveZeros)
{
    SortOptions options = Options(4);
    options.nOrder = 2;
    options.nFirstKey = 4;
    EXPECT_FALSE(ShowSort(options, [](SortDialog& dialog) {
        Click(dialog.Descending());
        Click(Button(dialog, "cancel"));
    }));
    EXPECT_EQ(options.nScope, 0);
    EXPECT_EQ(options.nOrder, 0);
    EXPECT_EQ(options.nFirstKey, 0);
    EXPECT_EQ(options.nSecondKey, 0);
    EXPECT_EQ(options.pszNames[0], kColumns[0]);

    options.nFirstKey = 4;
    EXPECT_FALSE(ShowSort(options, [](SortDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
    EXPECT_EQ(options.nFirstKey, 0);
}

TEST(SortDialog, CountOutsideTheRecordIsClamped)
{
    SortOptions options = Options(4);
    options.nCount = 250;
    for (int i = 4; i < PORTKIT_SORT_MAX_NAMES; ++i)
        options.pszNames[i] = kColumns[i % 4];
    int shown = 0;
    ShowSort(options, [&](SortDialog& dialog) {
        shown = dialog.FirstKey()->count();
        Click(Button(dialog, "ok"));
    });
    EXPECT_EQ(shown, 100);
    EXPECT_EQ(options.nCount, 100);

    SortOptions negative = Options(0);
    negative.nCount = -5;
    ShowSort(negative, [](SortDialog& dialog) { Click(Button(dialog, "ok")); });
    EXPECT_EQ(negative.nCount, 0);
    EXPECT_EQ(negative.nFirstKey, 0);
}

TEST(SortDialog, NamesBeyondCountAreNotCopiedBack)
{
    SortOptions options = Options(4);
    options.nCount = 2;
    ShowSort(options, [](SortDialog& dialog) { Click(Button(dialog, "ok")); });
    EXPECT_EQ(options.pszNames[1], kColumns[1]);
    EXPECT_EQ(options.pszNames[2], nullptr);
}

} // namespace
