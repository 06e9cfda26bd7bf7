// File > Import through the real windows: the file dialog answered, portkit's
// wizard (the built library, through the program's loader) stepped through
// with its buttons, the rows in the Memories grid as one named undo step, an
// import started on another sheet, Cancel; and Export in other programs' layout.
// A file in other programs' layout gives the same channels as ostrel-cli import.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/portkit_loader.h"
#include "cli/subcommands.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

// Qt
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWizard>

// std
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

// test
#include <gtest/gtest.h>

namespace {

// Calls `act` on the first modal widget of type W that shows up.
template <typename W> void WhenModal(std::function<void(W*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* widget = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        }
    });
    timer->start(5);
}

// Answers the next file dialog with `path`, in the given filter.
void AnswerFileDialog(const QString& path, const QString& filter = {})
{
    WhenModal<QFileDialog>([path, filter](QFileDialog* dialog) {
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        dialog->selectFile(path);
        // selectFile leaves the name box alone while it has the keyboard focus.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Steps through the wizard with its buttons: Next three times, then Finish (or Cancel).
void AnswerWizard(bool finish)
{
    WhenModal<QWizard>([finish](QWizard* wizard) {
        if (!finish) {
            QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
            return;
        }
        for (int step = 0; step < 3; ++step)
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
}

// Steps through the wizard choosing "Ignore" for the file columns `ignored`
// (0-based) in step 3, with "Overwrite existing channels" ticked in step 4.
void AnswerWizardIgnoring(std::vector<int> ignored)
{
    WhenModal<QWizard>([ignored](QWizard* wizard) {
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QHeaderView* header = wizard->currentPage()->findChild<QTableView*>()->horizontalHeader();
        QComboBox* names = wizard->currentPage()->findChild<QComboBox*>();
        for (const int column : ignored) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            names->setFocus();
            QTest::keyClick(names, Qt::Key_Home); // "Ignore"
        }
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        for (QCheckBox* box : wizard->currentPage()->findChildren<QCheckBox*>())
            if (box->text() == QStringLiteral("Overwrite existing channels"))
                QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
}

class ImportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::PortkitLoader::Instance().SetCandidates({PORTKIT_TEST_LIBRARY});
        frame.show();
        child = frame.NewDocument();
        ASSERT_NE(child, nullptr);
        path = dir.path() + "/rows.tab";
        test_support::WriteBytes(
            path, Bytes("Channel Number\tReceive Frequency\tName\tShow Name\tTone Mode\tCTCSS Tone\n"
                        "5\t145.5\tONE\tShow Name\tEnc\t88.5\n"
                        "6\t146.52\tTWO\t\t\t\n"
                        "7\t1300\tBAD\t\t\t\n"
                        "8\t442.5\tTHREE\t\tT Sql\t100.0\n"));
    }
    static test_support::Bytes Bytes(const std::string& text) { return {text.begin(), text.end()}; }

    std::string Cell(int col, int row)
    {
        return child->View().Controller().Grid(radio::kSheetMemories).GetText(col, row);
    }
    QString UndoText()
    {
        frame.UpdateCommandStates();
        return frame.Action(cmd::Undo)->text();
    }
    void Import(bool finish)
    {
        AnswerFileDialog(QString::fromStdString(path));
        AnswerWizard(finish);
        frame.Dispatch(cmd::Import);
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
    platform::RecordingPrompt prompt;
    CMainFrame frame;
    CChildFrame* child = nullptr;
    std::string path;
};

TEST_F(ImportCommand, RowsBecomeChannelsAsOneUndoStep)
{
    ASSERT_TRUE(frame.IsCommandEnabled(cmd::Import));
    Import(true);
    EXPECT_EQ(Cell(1, 5), "145.50000");
    EXPECT_EQ(Cell(6, 5), "ONE");
    EXPECT_EQ(Cell(7, 5), "1"); // shown
    EXPECT_EQ(Cell(8, 5), "Enc");
    EXPECT_EQ(Cell(6, 6), "TWO");
    EXPECT_EQ(Cell(7, 6), "0"); // the file has the column, empty: not shown
    EXPECT_EQ(Cell(1, 7), "");  // 1300 MHz was refused
    EXPECT_EQ(Cell(8, 8), "Enc-Dec");
    EXPECT_TRUE(child->View().Document().IsModified());
    EXPECT_EQ(UndoText(), "Undo Import of 3 Channels\tCtrl+Z");

    frame.Dispatch(cmd::Undo);
    EXPECT_EQ(Cell(1, 5), "");
    EXPECT_EQ(Cell(6, 8), "");
    EXPECT_FALSE(child->View().Document().IsModified());
}

TEST_F(ImportCommand, StartedOnAnotherSheetTheRowsGoToMemories)
{
    child->View().SetCurrentSheet(radio::kSheetHyper1);
    Import(true);
    EXPECT_EQ(child->View().CurrentSheet(), radio::kSheetMemories);
    EXPECT_EQ(Cell(6, 8), "THREE");
    EXPECT_EQ(child->View().Controller().Grid(radio::kSheetHyper1).GetText(6, 5), "");
}

TEST_F(ImportCommand, CancelChangesNothing)
{
    const radio::RadioImage before = child->View().Document().Image();
    Import(false);
    EXPECT_EQ(child->View().Document().Image(), before);
    EXPECT_FALSE(child->View().Document().CanUndo());
    EXPECT_EQ(Cell(1, 5), "");
}

// Show Name and Clock Shift set to Ignore in the wizard are left alone, as
// ostrel-cli import leaves them with the same columns mapped to Ignore.
TEST_F(ImportCommand, IgnoredShowNameAndClockShiftKeepTheirValuesAsOnTheCommandLine)
{
    const std::string heading = "Channel Number\tReceive Frequency\tName\tShow Name\tClock Shift\n";
    test_support::WriteBytes(path, Bytes(heading + "5\t145.5\tONE\t1\tOn\n6\t146.52\tTWO\t1\tOn\n"));
    Import(true);
    ASSERT_EQ(Cell(7, 5) + Cell(12, 5) + Cell(7, 6) + Cell(12, 6), "1111");
    const std::string before = dir.path() + "/before.rdf";
    ASSERT_TRUE(child->View().Document().Save(before));

    test_support::WriteBytes(path, Bytes(heading + "5\t145.6\tUNO\t0\tOff\n6\t146.54\tDOS\t\t\n"));
    AnswerFileDialog(QString::fromStdString(path));
    AnswerWizardIgnoring({3, 4});
    frame.Dispatch(cmd::Import);
    EXPECT_EQ(Cell(1, 5), "145.60000");
    EXPECT_EQ(Cell(6, 6), "DOS");
    EXPECT_EQ(Cell(7, 5) + Cell(12, 5) + Cell(7, 6) + Cell(12, 6), "1111");

    std::ostringstream out;
    std::ostringstream err;
    const std::string viaCli = dir.path() + "/cli.rdf";
    ASSERT_EQ(cli::CmdImport({path, "--into", before, "-o", viaCli, "--overwrite", "--map", "4=Ignore", "--map",
                              "5=Ignore"},
                             out, err),
              0)
        << err.str();
    radio::CMainDoc cliDoc('.');
    ASSERT_TRUE(cliDoc.Load(viaCli));
    EXPECT_EQ(child->View().Document().Image(), cliDoc.Image());
}

TEST_F(ImportCommand, ExportOffersOtherProgramsLayout)
{
    Import(true);
    // The dialog shows its filters with single blanks.
    AnswerFileDialog(QString::fromStdString(dir.path() + "/list"), "Other Programs' CSV (*.csv)");
    frame.Dispatch(cmd::Export);
    const std::string text = test_support::ReadText(dir.path() + "/list.csv");
    EXPECT_EQ(
        text.rfind("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                   "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n",
                   0),
        0u);
    EXPECT_NE(text.find("\n5,ONE,145.500000,,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,\n"),
              std::string::npos)
        << text;

    AnswerFileDialog(QString::fromStdString(dir.path() + "/plain"), "Comma Delimited (*.csv)");
    frame.Dispatch(cmd::Export);
    EXPECT_EQ(test_support::ReadText(dir.path() + "/plain.csv").rfind("Channel Number,Receive Frequency,", 0),
              0u);
}

TEST_F(ImportCommand, OtherProgramsCrossAndSkipAsTheCommandLineReadsThem)
{
    const std::string before = dir.path() + "/before.rdf";
    ASSERT_TRUE(child->View().Document().Save(before));
    path = dir.path() + "/other.csv";
    test_support::WriteBytes(
        path, Bytes("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n"
                    "1,CROSS,146.520000,,0.000000,Cross,88.5,100.0,023,NN,754,Tone->DTCS,FM,5.00,,50W,\n"
                    "2,SKIPPED,446.000000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,12.50,S,5W,\n"));
    Import(true);
    const radio::RadioImage& wizard = child->View().Document().Image();

    std::ostringstream out;
    std::ostringstream err;
    const std::string viaCli = dir.path() + "/cli.rdf";
    ASSERT_EQ(cli::CmdImport({path, "--into", before, "-o", viaCli}, out, err), 0) << err.str();
    radio::CMainDoc cliDoc('.');
    ASSERT_TRUE(cliDoc.Load(viaCli));
    const radio::RadioImage& command = cliDoc.Image();

    // Channel records 1 and 2 at 1240 and 1256, 16 bytes each (record 0 at 1224).
    for (std::size_t at = 1240; at < 1240 + 32; ++at)
        EXPECT_EQ(wizard[at], command[at]) << "byte " << at;
    EXPECT_EQ(wizard[1240 + 4] & 0x0F, 6);  // Tone->DTCS: Enc-DCS
    EXPECT_EQ(wizard[1240 + 8] & 0x3F, 8);  // 88.5 sent
    EXPECT_EQ(wizard[1240 + 9], 103);       // 754 received
    EXPECT_EQ(wizard[1256 + 4] & 0x0F, 2);  // TSQL: Enc-Dec
    EXPECT_EQ(wizard[1256 + 8] & 0x3F, 12); // with cToneFreq 100.0
    // Scan values of the five Hyper Memories, 256 bytes each from 30280, two
    // bits a memory from the top: memory 2 (the third) skipped in every one.
    for (std::size_t hyper = 0; hyper < 5; ++hyper) {
        const std::size_t at = 30280 + 256 * hyper;
        EXPECT_EQ(wizard[at], command[at]) << "Hyper Memory " << hyper + 1;
        EXPECT_EQ(wizard[at] & 0x3C, 0x04) << "Hyper Memory " << hyper + 1;
    }
    EXPECT_EQ(wizard, command);
}

} // namespace
