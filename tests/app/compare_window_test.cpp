// File > Compare With... and File > Kept Reads... from a document window: the
// differences window follows the document's edits and undo, and a
// double-click on a line makes its cell the document's current cell; a kept
// read is deleted only after the user says yes.

#include "app/child_frame.h"
#include "app/main_frame.h"

// Qt
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

// std
#include <ctime>
#include <filesystem>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "app/command_ids.h"
#include "cli/commands.h"
#include "clone/kept_reads.h"
#include "clone/ui/differences_window.h"
#include "clone/ui/kept_reads_dialog.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"
#include "support/view_typing.h"

namespace {

class CompareWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.show();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::Run({"new", file_}, out, err), cli::kExitOk) << err.str();
        child_ = frame_.OpenDocument(file_);
        ASSERT_NE(child_, nullptr);
    }

    // Answers the next file dialog with `path`.
    static void AnswerFileDialog(const std::string& path)
    {
        QTimer::singleShot(0, [path] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                const QString name = QString::fromStdString(path);
                dialog->selectFile(name);
                if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    edit->setText(name);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
    }

    // The texts of a line of the differences window.
    static QStringList Line(const transfer::DifferencesWindow& window, int row)
    {
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts << window.Table()->model()->index(row, column).data().toString();
        return texts;
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    test_support::ScopedEnv stateEnv_{"XDG_STATE_HOME", dir_.path() + "/state"};
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
    std::string file_ = dir_.path() + "/club.rdf";
    CChildFrame* child_ = nullptr;
};

TEST_F(CompareWindow, FollowsTheDocumentAndADoubleClickSelectsTheCell)
{
    test_support::ViewTyping typing(child_->View());
    typing.Type(0, 1, 12, "146.52");
    frame_.Dispatch(cmd::Save); // club.rdf: memory 12 on 146.52, no name
    typing.Type(0, 6, 12, "RPT1");

    AnswerFileDialog(file_);
    frame_.Dispatch(cmd::CompareWith);
    auto* window = child_->findChild<transfer::DifferencesWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Differences from club.rdf to club.rdf");
    ASSERT_EQ(window->Table()->model()->rowCount(), 1);
    EXPECT_EQ(Line(*window, 0), QStringList({"Memories", "Memory 12", "Name", "(none)", "RPT1"}));

    // Another edit shows at once; its undo takes it away again.
    typing.Type(0, 1, 40, "446.0");
    ASSERT_EQ(window->Table()->model()->rowCount(), 2);
    EXPECT_EQ(Line(*window, 1).mid(0, 3), QStringList({"Memories", "Memory 40", "added"}));
    frame_.Dispatch(cmd::Undo);
    ASSERT_EQ(window->Table()->model()->rowCount(), 1);

    // The name's cell becomes current, on the Memories sheet, from elsewhere.
    typing.Click(0, 1, 3);
    child_->View().SetCurrentSheet(2);
    QTableView* table = window->Table();
    const QModelIndex line = table->model()->index(0, 2);
    // A double click arrives as a click and then the second press.
    const QPoint centre = table->visualRect(line).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(child_->View().CurrentSheet(), 0);
    const grid::CSpreadSheet1& memories = child_->View().Controller().Grid(0);
    EXPECT_EQ(memories.ActiveCol(), 6);
    EXPECT_EQ(memories.ActiveRow(), 12);
}

TEST_F(CompareWindow, KeptReadsListsNewestFirstAndDeletesOnlyAfterYes)
{
    radio::CMainDoc read('.');
    read.OnNewDocument();
    std::tm at{};
    at.tm_year = 2026 - 1900;
    at.tm_mon = 11;
    at.tm_mday = 8;
    at.tm_hour = 14;
    at.tm_min = 2;
    at.tm_isdst = -1;
    const std::time_t older = std::mktime(&at);
    transfer::Stream stream{};
    std::copy(read.Image().begin(), read.Image().end(), stream.begin());
    ASSERT_EQ(transfer::KeepReadCopies(stream, read.Bytes(), older), "");
    ASSERT_EQ(transfer::KeepReadCopies(stream, read.Bytes(), older + 3600), "");
    ASSERT_EQ(transfer::ListKeptReads().size(), 2u);

    QStringList shown;
    int remaining = -1;
    prompt_.answers = {platform::Answer::No, platform::Answer::Yes};
    test_support::ViewTyping::OnNextDialog([&](QDialog& dialog) {
        auto& kept = static_cast<transfer::KeptReadsDialog&>(dialog);
        QTableWidget* list = kept.List();
        for (int row = 0; row < list->rowCount(); ++row)
            shown << list->item(row, 0)->text() + " " + list->item(row, 1)->text() + " " +
                         list->item(row, 3)->text();
        list->selectRow(1); // the older one
        QTest::mouseClick(kept.DeleteButton(), Qt::LeftButton); // No: kept
        QTest::mouseClick(kept.DeleteButton(), Qt::LeftButton); // Yes: gone
        remaining = list->rowCount();
    });
    frame_.Dispatch(cmd::KeptReads);

    EXPECT_EQ(shown, QStringList({"2026-12-08 15:02:00 0", "2026-12-08 14:02:00 0"}));
    EXPECT_EQ(remaining, 1);
    ASSERT_EQ(prompt_.shown.size(), 2u);
    EXPECT_EQ(prompt_.shown[0].text, "Delete the read of 2026-12-08 14:02:00?\nIt cannot be brought back.");
    const auto left = transfer::ListKeptReads();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].when, older + 3600);
}

} // namespace
