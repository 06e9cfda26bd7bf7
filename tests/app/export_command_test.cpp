// File > Export from a document window: the file dialog answered by the test,
// the file written from the sheet being shown, and the message when the file
// cannot be made.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/command_ids.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "support/files.h"
#include "support/temp_config.h"
#include "textio/export.h"

// Qt
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// std
#include <fstream>
#include <gtest/gtest.h>

namespace {

// Answers the next file dialog with `path`.
void AnswerFileDialog(const QString& path)
{
    QTimer::singleShot(0, [path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            // selectFile leaves the name box alone while it has the keyboard focus.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
}

} // namespace

// A bare name gets its extension before the dialog looks for the file, so the
// question about replacing it names the file that would be replaced.
TEST(ExportCommand, ReplacingAFileIsAskedAboutUnderItsFullName)
{
    test_support::TempConfigHome home;
    test_support::TempDir dir;
    CMainFrame frame;
    frame.show();
    ASSERT_NE(frame.NewDocument(), nullptr);
    const std::string path = dir.path() + "/list";
    std::ofstream(path + ".tab") << "kept\n";

    QString question;
    AnswerFileDialog(QString::fromStdString(path));
    // Says No to the question, then cancels the dialog that stays open.
    QTimer::singleShot(50, [&question] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        }
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
    });
    frame.Dispatch(cmd::Export);
    EXPECT_TRUE(question.contains(QStringLiteral("list.tab"))) << question.toStdString();
    EXPECT_EQ(test_support::ReadText(path + ".tab"), "kept\n");
}

TEST(ExportCommand, WritesTheShownSheetOrSaysWhyNot)
{
    test_support::TempConfigHome home;
    test_support::TempDir dir;
    platform::RecordingPrompt prompt;
    CMainFrame frame;
    frame.show();
    CChildFrame* child = frame.NewDocument();
    ASSERT_NE(child, nullptr);
    prompt.shown.clear(); // the loader's notice about a library not found
    ASSERT_TRUE(frame.IsCommandEnabled(cmd::Export));

    const std::string path = dir.path() + "/channels";
    AnswerFileDialog(QString::fromStdString(path));
    frame.Dispatch(cmd::Export);
    const auto& memories = child->View().Controller().Grid(0);
    EXPECT_EQ(test_support::ReadText(path + ".tab"), textio::BuildExportText(memories, '\t'));
    EXPECT_TRUE(prompt.shown.empty());

    AnswerFileDialog(QString::fromStdString(dir.path() + "/gone/x.csv"));
    frame.Dispatch(cmd::Export);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Export Error");
    EXPECT_EQ(prompt.shown[0].text.rfind("The data file could not be opened because of this error: ", 0), 0u);
}
