#include "portkit/ui/import_wizard.h"

#include "platform/prompt.h"
#include "portkit/qt_app.h"
#include "support/files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using portkit::ImportSession;
using portkit::ImportWizard;

namespace {

// What the callback received: the record's cells as texts and the two numbers.
struct Call {
    std::vector<std::string> cells;
    int channelIndex;
    int overwrite;
};
std::vector<Call> g_calls;
std::vector<int> g_widths;

void RecordRow(void* record, int channelIndex, int overwrite)
{
    Call call{{}, channelIndex, overwrite};
    const char* at = static_cast<const char*>(record);
    for (const int w : g_widths) {
        call.cells.emplace_back(at, w); // the whole slot, zero bytes included
        at += w;
    }
    g_calls.push_back(call);
}

const char* const kNames[] = {"Channel Number", "Name", "Receive Frequency", "Comment"};
const int kWidths[] = {10, 10, 10, 31};

std::string Slot(const std::string& text, int width)
{
    return text + std::string(static_cast<std::size_t>(width) - text.size(), '\0');
}

std::string Cell(const QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString().toStdString();
}

std::string Header(const QTableView* view, int column)
{
    return view->model()->headerData(column, Qt::Horizontal).toString().toStdString();
}

class ImportWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test_support::App();
        g_calls.clear();
        g_widths.assign(std::begin(kWidths), std::end(kWidths));
    }

    // Opens the wizard on lines, with channels 1..last and `available` free.
    void Open(std::vector<std::string> lines, int available = 100, int last = 1100)
    {
        const ImportDataStruct data{nullptr, 4, 1, available, last};
        session = std::make_unique<ImportSession>(data, kNames, kWidths, &RecordRow);
        session->lines = std::move(lines);
        wizard = std::make_unique<ImportWizard>(*session, nullptr);
        wizard->showHelp = [this](int context) { help.push_back(context); };
        wizard->show();
    }

    void Press(QWizard::WizardButton which) { QTest::mouseClick(wizard->button(which), Qt::LeftButton); }
    void Next() { Press(QWizard::NextButton); }
    void Back() { Press(QWizard::BackButton); }
    void Finish() { Press(QWizard::FinishButton); }
    void ClickHeader(int column)
    {
        QHeaderView* header = wizard->Page3()->Table()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Chooses entry `index` of step 3's name list with the keyboard.
    void ChooseName(int index)
    {
        QComboBox* names = wizard->Page3()->Names();
        names->setFocus();
        QTest::keyClick(names, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(names, Qt::Key_Down);
    }

    std::unique_ptr<ImportSession> session;
    std::unique_ptr<ImportWizard> wizard;
    std::vector<int> help;
    platform::RecordingPrompt prompt;
};

TEST_F(ImportWizardTest, StepTitlesButtonsAndHelpContexts)
{
    Open({"1\tA"});
    const char* titles[] = {"Import Step 1 of 4", "Import Step 2 of 4", "Import Step 3 of 4",
                            "Import Step 4 of 4"};
    for (int step = 0; step < 4; ++step) {
        EXPECT_EQ(wizard->windowTitle().toStdString(), titles[step]);
        Press(QWizard::HelpButton);
        if (step < 3) {
            ClickHeader(0);
            if (step == 2)
                ChooseName(2);
            Next();
        }
    }
    EXPECT_EQ(help, (std::vector<int>{200, 201, 202, 203}));
    EXPECT_TRUE(wizard->button(QWizard::FinishButton)->isVisible());
    EXPECT_FALSE(wizard->button(QWizard::NextButton)->isVisible());
}

TEST_F(ImportWizardTest, StepOneSkipsAndPutsBackLines)
{
    Open({"title line", "1\tA", "2\tB"});
    const QTableView* table = wizard->Page1()->Table();
    QSpinBox* skip = wizard->Page1()->SkipBox();
    ASSERT_EQ(table->model()->rowCount(), 3);
    EXPECT_EQ(Header(table, 0), "Column 1");
    EXPECT_EQ(Cell(table, 1, 0), "1\tA");
    EXPECT_EQ(skip->maximum(), 2);
    QTest::keyClick(skip, Qt::Key_Up);
    EXPECT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(Cell(table, 0, 0), "1\tA");
    QTest::keyClick(skip, Qt::Key_Down);
    QTest::keyClick(skip, Qt::Key_Down); // at 0 nothing happens
    EXPECT_EQ(skip->value(), 0);
    EXPECT_EQ(Cell(table, 0, 0), "title line");
    QTest::keyClick(skip, Qt::Key_Up);
    Next();
    const QTableView* preview = wizard->Page2()->Table();
    ASSERT_EQ(preview->model()->rowCount(), 2);
    EXPECT_EQ(Header(preview, 1), "Column 2");
    EXPECT_EQ(Cell(preview, 1, 1), "B");
}

TEST_F(ImportWizardTest, StepTwoDelimitersQualifierAndOtherBox)
{
    Open({"'Smith, J',145.5;x"});
    Next();
    auto* step2 = wizard->Page2();
    const QTableView* preview = step2->Table();
    EXPECT_TRUE(step2->Delimiter('\t')->isChecked());
    EXPECT_EQ(step2->Qualifier()->currentText().toStdString(), "{None}");
    EXPECT_EQ(preview->model()->columnCount(), 1);
    QTest::mouseClick(step2->Delimiter(','), Qt::LeftButton);
    EXPECT_EQ(preview->model()->columnCount(), 3);
    QTest::keyClick(step2->Qualifier(), Qt::Key_Down); // the double quote
    QTest::keyClick(step2->Qualifier(), Qt::Key_Down); // the single quote
    EXPECT_EQ(step2->Qualifier()->currentText().toStdString(), "'");
    ASSERT_EQ(preview->model()->columnCount(), 2);
    EXPECT_EQ(Cell(preview, 0, 0), "Smith, J");
    EXPECT_EQ(Cell(preview, 0, 1), "145.5;x");
    QTest::keyClicks(step2->OtherBox(), ";");
    EXPECT_TRUE(step2->Delimiter('\0')->isChecked());
    EXPECT_EQ(Cell(preview, 0, 1), "x");
    EXPECT_EQ(Cell(preview, 0, 0), "Smith, J ,145.5"); // the closing quote reads as a blank
}

TEST_F(ImportWizardTest, StepTwoConsecutiveBlanks)
{
    Open({"  a   b  "});
    Next();
    auto* step2 = wizard->Page2();
    QTest::mouseClick(step2->Delimiter(' '), Qt::LeftButton);
    EXPECT_EQ(step2->Table()->model()->columnCount(), 7);
    QTest::mouseClick(step2->Consecutive(), Qt::LeftButton);
    ASSERT_EQ(step2->Table()->model()->columnCount(), 2);
    EXPECT_EQ(Cell(step2->Table(), 0, 0), "a");
    EXPECT_EQ(Cell(step2->Table(), 0, 1), "b");
}

TEST_F(ImportWizardTest, HeaderRowMappedAndNotImported)
{
    Open({"Name\tChannel Number\tOther", "CALL\t5\tx", "RPT\t6\ty"});
    Next();
    Next();
    const QTableView* table = wizard->Page3()->Table();
    EXPECT_EQ(table->model()->rowCount(), 3); // the heading stays visible here
    EXPECT_EQ(Header(table, 0), "Name");
    EXPECT_EQ(Header(table, 1), "Channel Number");
    EXPECT_EQ(Header(table, 2), "Ingore");
    Next();
    EXPECT_EQ(wizard->Page4()->Table()->model()->rowCount(), 2);
    EXPECT_EQ(Header(wizard->Page4()->Table(), 2), "Ignore");
    EXPECT_EQ(wizard->Page4()->Selected()->text(), "2");
    // Back in step 1 the shown count does not include the heading row.
    Back();
    Back();
    Back();
    EXPECT_EQ(wizard->Page1()->SkipBox()->value(), 0);
    Next();
    EXPECT_EQ(wizard->Page2()->Table()->model()->rowCount(), 2);
}

TEST_F(ImportWizardTest, StepThreeHeaderClickAndNameList)
{
    Open({"1\tA\t145.5"});
    Next();
    Next();
    auto* step3 = wizard->Page3();
    QStringList names;
    for (int i = 0; i < step3->Names()->count(); ++i)
        names << step3->Names()->itemText(i);
    EXPECT_EQ(names.join('|').toStdString(), "Ignore|Channel Number|Name|Receive Frequency|Comment");
    // Nothing is selected yet: the list changes nothing.
    ChooseName(2);
    EXPECT_EQ(Header(step3->Table(), 0), "Ingore");
    ClickHeader(1);
    EXPECT_EQ(step3->ColumnLabel()->text().toStdString(), "Column 2");
    EXPECT_EQ(Header(step3->Table(), 1), "");
    ChooseName(2);
    EXPECT_EQ(Header(step3->Table(), 1), "Name");
    ClickHeader(1);
    EXPECT_EQ(step3->Names()->currentIndex(), 2);
    ChooseName(0);
    EXPECT_EQ(Header(step3->Table(), 1), "Ignore");
}

TEST_F(ImportWizardTest, StepThreeRefusesNoneAndDuplicates)
{
    Open({"1\tA\tB"});
    Next();
    Next();
    Next();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "No columns were identified!");
    EXPECT_EQ(prompt.shown[0].caption, "Import Error");
    EXPECT_EQ(wizard->currentId(), ImportWizard::Step3);
    ClickHeader(1);
    ChooseName(2);
    ClickHeader(2);
    ChooseName(2);
    Next();
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, "Columns cannot be duplicated!");
    EXPECT_EQ(wizard->currentId(), ImportWizard::Step3);
    ClickHeader(2);
    ChooseName(4);
    Next();
    EXPECT_EQ(wizard->currentId(), ImportWizard::Step4);
}

TEST_F(ImportWizardTest, FinishHandsTickedRowsFromStart)
{
    Open({"Channel Number\tName\tComment", "1\tABCDEFGHIJKL\tfirst", "2\tB\tsecond", "3\tC\tthird",
          "4\tD\tfourth"});
    Next();
    Next();
    Next();
    auto* step4 = wizard->Page4();
    EXPECT_EQ(step4->Available()->text(), "100");
    EXPECT_EQ(step4->Total()->text(), "1100");
    EXPECT_EQ(step4->Start()->value(), 1);
    // Untick the second row with a click on its check box.
    QTableView* table = step4->Table();
    const QRect second = table->visualRect(table->model()->index(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(second.left() + 10, second.center().y()));
    EXPECT_EQ(step4->Selected()->text(), "3");
    step4->Start()->selectAll();
    QTest::keyClicks(step4->Start(), "5");
    QTest::mouseClick(step4->Overwrite(), Qt::LeftButton);
    Finish();
    EXPECT_FALSE(wizard->isVisible());
    ASSERT_EQ(g_calls.size(), 3u);
    EXPECT_EQ(g_calls[0].channelIndex, 4);
    EXPECT_EQ(g_calls[1].channelIndex, 5);
    EXPECT_EQ(g_calls[2].channelIndex, 6);
    EXPECT_EQ(g_calls[0].overwrite, 1);
    EXPECT_EQ(g_calls[0].cells[0], Slot("1", 10));
    EXPECT_EQ(g_calls[0].cells[1], Slot("ABCDEFGHI", 10)); // width 10: 9 bytes and a zero
    EXPECT_EQ(g_calls[0].cells[2], std::string(10, '\0'));
    EXPECT_EQ(g_calls[0].cells[3], Slot("first", 31));
    EXPECT_EQ(g_calls[1].cells[3], Slot("third", 31));
    EXPECT_EQ(g_calls[2].cells[1], Slot("D", 10));
    EXPECT_TRUE(prompt.shown.empty());
}

// A counter that tells what it was asked: the rows, their first channel index,
// overwrite, the first cell of each record and the assignment.
void CountForTest(void* context, const void* records, int count, int firstIndex, int overwrite, const int* assignment,
                  int columns, char* text, int capacity)
{
    std::string said = std::string(static_cast<const char*>(context)) + std::to_string(count) + " rows from " +
                       std::to_string(firstIndex) + (overwrite ? " over" : "") + ":";
    for (int k = 0; k < count; ++k)
        said += ' ' + std::string(static_cast<const char*>(records) + k * (10 + 10 + 10 + 31));
    for (int k = 0; k < columns; ++k)
        said += ' ' + std::to_string(assignment[k]);
    std::snprintf(text, static_cast<std::size_t>(capacity), "%s", said.c_str());
}

TEST_F(ImportWizardTest, LastPageShowsTheCallersCountsOfWhatFinishWouldHandOver)
{
    Open({"Channel Number\tName", "1\tA", "2\tB", "3\tC"});
    session->SetCounter({&CountForTest, const_cast<char*>("counted ")});
    Next();
    Next();
    Next();
    auto* step4 = wizard->Page4();
    ASSERT_TRUE(step4->Counts()->isVisible());
    EXPECT_EQ(step4->Counts()->text().toStdString(), "counted 3 rows from 0: 1 2 3 1 2");
    QTableView* table = step4->Table();
    const QRect second = table->visualRect(table->model()->index(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(second.left() + 10, second.center().y()));
    EXPECT_EQ(step4->Counts()->text().toStdString(), "counted 2 rows from 0: 1 3 1 2");
    step4->Start()->selectAll();
    QTest::keyClicks(step4->Start(), "7");
    QTest::mouseClick(step4->Overwrite(), Qt::LeftButton);
    EXPECT_EQ(step4->Counts()->text().toStdString(), "counted 2 rows from 6 over: 1 3 1 2");
    Finish();
    EXPECT_EQ(g_calls.size(), 2u);

    // Without a counter the page has no counts to show.
    Open({"Channel Number", "1"});
    Next();
    Next();
    Next();
    EXPECT_FALSE(wizard->Page4()->Counts()->isVisible());
}

TEST_F(ImportWizardTest, DeselectAllThenFinishAsks)
{
    Open({"Name", "A", "B"});
    Next();
    Next();
    Next();
    QTest::mouseClick(wizard->Page4()->findChild<QPushButton*>("deselectAll"), Qt::LeftButton);
    EXPECT_EQ(wizard->Page4()->Selected()->text(), "0");
    prompt.answers = {platform::Answer::No, platform::Answer::Yes};
    Finish();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "No channels are selected!\nDo you wish to cancel importing?");
    EXPECT_EQ(prompt.shown[0].caption, "Import Error");
    EXPECT_EQ(prompt.shown[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(wizard->isVisible());
    QTest::mouseClick(wizard->Page4()->findChild<QPushButton*>("selectAll"), Qt::LeftButton);
    EXPECT_EQ(wizard->Page4()->Selected()->text(), "2");
    QTest::mouseClick(wizard->Page4()->findChild<QPushButton*>("deselectAll"), Qt::LeftButton);
    Finish();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(ImportWizardTest, MoreRowsThanAvailableAsks)
{
    Open({"Name", "A", "B", "C"}, 2, 5);
    Next();
    Next();
    Next();
    auto* step4 = wizard->Page4();
    EXPECT_EQ(step4->Available()->text(), "2");
    prompt.answers = {platform::Answer::No};
    Finish();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              "More channels were selected than are available!\nDo you wish to cancel importing?");
    // Overwrite counts every channel from the start to the last.
    QTest::mouseClick(step4->Overwrite(), Qt::LeftButton);
    EXPECT_EQ(step4->Available()->text(), "5");
    QTest::keyClick(step4->Start(), Qt::Key_Up);
    QTest::keyClick(step4->Start(), Qt::Key_Up);
    EXPECT_EQ(step4->Available()->text(), "3");
    QTest::keyClick(step4->Start(), Qt::Key_Up);
    EXPECT_EQ(step4->Available()->text(), "2");
    prompt.answers = {platform::Answer::Yes};
    Finish();
    EXPECT_EQ(prompt.shown.size(), 2u);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(ImportWizardTest, StartBoxRefusesValuesOutsideRange)
{
    Open({"Name", "A"}, 100, 5);
    Next();
    Next();
    Next();
    QSpinBox* start = wizard->Page4()->Start();
    start->selectAll();
    QTest::keyClicks(start, "9");
    EXPECT_LE(start->value(), 5);
    start->selectAll();
    QTest::keyClicks(start, "0");
    EXPECT_GE(start->value(), 1);
}

TEST_F(ImportWizardTest, EmptyFileCannotBeFinished)
{
    Open({});
    Next();
    Next();
    EXPECT_EQ(wizard->Page3()->Table()->model()->rowCount(), 0);
    Next();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "No columns were identified!");
    EXPECT_EQ(wizard->currentId(), ImportWizard::Step3);
}

TEST_F(ImportWizardTest, ChangedDelimiterRebuildsColumnNames)
{
    // The heading line is split at commas from the start; Tab makes one column of it.
    Open({"Name,Comment", "A,x"});
    Next();
    EXPECT_TRUE(wizard->Page2()->Delimiter(',')->isChecked());
    QTest::mouseClick(wizard->Page2()->Delimiter('\t'), Qt::LeftButton);
    Next();
    EXPECT_EQ(wizard->Page3()->Table()->model()->columnCount(), 1);
    Back();
    QTest::mouseClick(wizard->Page2()->Delimiter(','), Qt::LeftButton);
    Next();
    ASSERT_EQ(wizard->Page3()->Table()->model()->columnCount(), 2);
    EXPECT_EQ(Header(wizard->Page3()->Table(), 1), "Comment");
    Next();
    Finish();
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].cells[1], Slot("A", 10));
    EXPECT_EQ(g_calls[0].cells[3], Slot("x", 31));
}

TEST_F(ImportWizardTest, OtherProgramFileStartsWithCommaAndAssignedColumns)
{
    std::vector<std::string> lines = portkit::SplitImportLines(
        "\xEF\xBB\xBF# exported\r\nLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
        "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n"
        "0,RPT,146.940000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,note\r\n");
    Open(lines);
    Next();
    EXPECT_TRUE(wizard->Page2()->Delimiter(',')->isChecked());
    Next();
    EXPECT_EQ(Header(wizard->Page3()->Table(), 0), "Channel Number");
    EXPECT_EQ(Header(wizard->Page3()->Table(), 2), "Receive Frequency");
    Next();
    Finish();
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].cells[0], Slot("0", 10));
    EXPECT_EQ(g_calls[0].cells[1], Slot("RPT", 10));
    EXPECT_EQ(g_calls[0].cells[2], Slot("146.94000", 10));
    EXPECT_EQ(g_calls[0].cells[3], Slot("note", 31));
}

TEST(ImportData, UnreadableFileReportsAndReturnsFalse)
{
    test_support::App();
    platform::RecordingPrompt prompt;
    const ImportDataStruct data{nullptr, 4, 1, 10, 10};
    EXPECT_FALSE(portkit::RunImport(&data, kNames, kWidths, "/nonexistent/list.tab", &RecordRow));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "An error occurred file tring to open the file: \n/nonexistent/list.tab");
    EXPECT_EQ(prompt.shown[0].caption, "Import Error");
    EXPECT_FALSE(portkit::RunImport(nullptr, kNames, kWidths, "x", &RecordRow));
}

// A file of `text` in the test's temporary folder.
std::string WriteList(const std::string& name, const std::string& text)
{
    const std::string path = testing::TempDir() + name;
    test_support::WriteBytes(path, test_support::Bytes(text.begin(), text.end()));
    return path;
}

// Presses Cancel in the wizard once it shows.
void CancelWhenShown()
{
    QTimer::singleShot(0, [] {
        auto* wizard = dynamic_cast<QWizard*>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
    });
}

TEST(ImportData, CancelReturnsFalseWithoutCalls)
{
    test_support::App();
    g_calls.clear();
    const std::string path = WriteList("import_cancel.tab", "Name\nA\n");
    CancelWhenShown();
    const ImportDataStruct data{nullptr, 4, 1, 10, 10};
    EXPECT_FALSE(portkit::RunImport(&data, kNames, kWidths, path.c_str(), &RecordRow));
    EXPECT_TRUE(g_calls.empty());
    std::remove(path.c_str());
}

// The wizard keeps the assignment it finished with: a column set to Ignore is
// 0 there, while its slot reads as empty as an assigned column's empty cell.
// A later run that does not finish leaves no assignment.
TEST(ImportData, FinishKeepsTheColumnAssignmentCancelDropsIt)
{
    test_support::App();
    g_calls.clear();
    g_widths.assign(std::begin(kWidths), std::end(kWidths));
    const std::string path = WriteList("import_assignment.tab", "Channel Number\tName\tComment\n1\tA\t\n");
    QTimer::singleShot(0, [] {
        auto* wizard = dynamic_cast<ImportWizard*>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QHeaderView* header = wizard->Page3()->Table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QComboBox* names = wizard->Page3()->Names();
        names->setFocus();
        QTest::keyClick(names, Qt::Key_Home); // "Ignore"
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    const ImportDataStruct data{nullptr, 4, 1, 10, 10};
    EXPECT_TRUE(portkit::RunImport(&data, kNames, kWidths, path.c_str(), &RecordRow));
    EXPECT_EQ(portkit::FinishedAssignment(), (std::vector<int>{1, 0, 4}));
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].cells[1], std::string(10, '\0')); // "A" not handed over
    EXPECT_EQ(g_calls[0].cells[3], std::string(31, '\0')); // assigned, empty

    QTimer::singleShot(0, [] { EXPECT_TRUE(portkit::FinishedAssignment().empty()); }); // while a run is open
    CancelWhenShown();
    EXPECT_FALSE(portkit::RunImport(&data, kNames, kWidths, path.c_str(), &RecordRow));
    EXPECT_TRUE(portkit::FinishedAssignment().empty());
    std::remove(path.c_str());
}

} // namespace
