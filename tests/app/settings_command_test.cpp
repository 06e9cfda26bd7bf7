// View > Settings... through the real windows: the dialog opens for the
// active document, leaves its image alone, and Save As ties the setting file
// to the document as a step that makes it modified.

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "settings/ui/settings_dlg.h"
#include "support/temp_config.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>

// std
#include <functional>
#include <string>

// test
#include <gtest/gtest.h>

namespace {

class SettingsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_.show();
        frame_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame_));
    }

    // Runs View > Settings... and hands the open dialog to `use`, which
    // closes it.
    void RunSettings(const std::function<void(CSettingsDlg&)>& use)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CSettingsDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            use(*dialog);
            if (dialog->isVisible())
                dialog->done(0);
        });
        frame_.Dispatch(cmd::Settings);
        EXPECT_TRUE(seen);
    }

    static void ChooseP1(CSettingsDlg& dialog, const char* item)
    {
        auto* p1 = qobject_cast<QComboBox*>(dialog.Control(1124));
        p1->setCurrentIndex(p1->findText(item));
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

TEST_F(SettingsCommand, SaveAsTiesTheFileToTheDocumentAndMarksItModified)
{
    const std::string path = dir_.path() + "/club.rdf";
    {
        radio::CMainDoc doc('.');
        ASSERT_TRUE(doc.Save(path)) << doc.ErrorText();
    }
    CChildFrame* child = frame_.OpenDocument(path);
    ASSERT_NE(child, nullptr);
    frame_.UpdateCommandStates();
    EXPECT_EQ(frame_.Action(cmd::Settings)->text(), "Settings...");
    EXPECT_TRUE(frame_.Menu(app::MenuId::View)->actions().contains(frame_.Action(cmd::Settings)));
    const radio::RadioImage before = child->Doc().Data().Image();

    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Settings - Untitled.rsf");
        ChooseP1(dialog, "Repeater");
        dialog.SetFileAsker([&](bool, const std::string&) { return dir_.path() + "/club.rsf"; });
        dialog.Action(32823)->trigger();
        dialog.Action(32824)->trigger();
        EXPECT_FALSE(dialog.isVisible()) << "saved: Exit asks nothing";
    });
    EXPECT_TRUE(prompt_.shown.empty());
    EXPECT_EQ(child->Doc().Data().SourceName(), "club.rsf");
    EXPECT_EQ(child->Doc().Data().Image(), before) << "the dialog never writes into the image";
    EXPECT_TRUE(child->Doc().IsModified());
    EXPECT_TRUE(child->isWindowModified());
    frame_.UpdateCommandStates();
    EXPECT_EQ(frame_.Action(cmd::Undo)->text(), "Undo Tie Setting File\tCtrl+Z");

    // Saved with the data file, the tie brings the file back next time.
    frame_.Dispatch(cmd::Save);
    radio::CMainDoc reread('.');
    ASSERT_TRUE(reread.Load(path));
    EXPECT_EQ(reread.SourceName(), "club.rsf");
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Settings - club.rsf");
        EXPECT_EQ(qobject_cast<QComboBox*>(dialog.Control(1124))->currentText(), "Repeater");
    });
    EXPECT_FALSE(child->Doc().IsModified());
}

TEST_F(SettingsCommand, SavingUnderTheSameNameAgainChangesNothingAndUndoUnties)
{
    CChildFrame* child = frame_.NewDocument();
    ASSERT_NE(child, nullptr);
    const auto saveAs = [&](CSettingsDlg& dialog) {
        dialog.SetFileAsker([&](bool, const std::string&) { return dir_.path() + "/home.rsf"; });
        dialog.Action(32823)->trigger();
    };
    RunSettings(saveAs);
    EXPECT_EQ(child->Doc().Data().SourceName(), "home.rsf");
    ASSERT_TRUE(child->Doc().IsModified());
    frame_.Dispatch(cmd::Undo);
    EXPECT_EQ(child->Doc().Data().SourceName(), "NewFile");
    EXPECT_FALSE(child->Doc().IsModified());

    frame_.Dispatch(cmd::Redo);
    RunSettings(saveAs);
    frame_.UpdateCommandStates();
    EXPECT_EQ(frame_.Action(cmd::Undo)->text(), "Undo Tie Setting File\tCtrl+Z");
    frame_.Dispatch(cmd::Undo);
    EXPECT_FALSE(child->Doc().IsModified()) << "one step, not two";
}

} // namespace
