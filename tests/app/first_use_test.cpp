// What a new user meets first: a bad file on the command line, a document
// opened after Window > Tile, "Ready" after a menu and a dialog, the help
// window, and the Open dialog's size.

#include "app/application.h"
#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/command_ids.h"
#include "platform/gui/help_window.h"
#include "platform/prompt.h"
#include "support/temp_config.h"

// Qt
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

// std
#include <fstream>
#include <gtest/gtest.h>

namespace {

class FirstUse : public ::testing::Test {
protected:
    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
};

TEST_F(FirstUse, BadFileOnTheCommandLineIsReportedAndTheWindowStays)
{
    const std::string bad = dir_.path() + "/BADFILE";
    std::ofstream(bad) << "not a radio data file";
    CMainFrame frame;
    app::StartOptions options;
    options.files = {bad};
    app::StartUp(frame, options);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].caption, "File Error");
    EXPECT_EQ(prompt_.shown[0].text, "Not a radio data file:\n" + bad);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.Children().isEmpty());
    EXPECT_TRUE(frame.Action(cmd::Open)->isEnabled());

    CMainFrame fresh;
    app::StartUp(fresh, app::StartOptions{});
    EXPECT_TRUE(fresh.isVisible());
    EXPECT_EQ(fresh.Children().size(), 1);
}

TEST_F(FirstUse, DocumentOpenedAfterTileIsNotCollapsed)
{
    CMainFrame frame;
    frame.resize(1000, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.NewDocument();
    frame.NewDocument();
    frame.Dispatch(cmd::Tile);
    const QSize tiled = frame.Children().last()->size();
    ASSERT_FALSE(frame.Children().last()->isMaximized());

    CChildFrame* third = frame.NewDocument();
    ASSERT_NE(third, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(third->isMaximized());
    EXPECT_FALSE(third->isMinimized());
    EXPECT_GE(third->width(), tiled.width() / 2) << third->width();
    EXPECT_GE(third->height(), 300) << third->height();
    const QRect area = frame.findChild<QMdiArea*>()->viewport()->rect();
    EXPECT_TRUE(area.intersects(third->geometry()));
}

TEST_F(FirstUse, ReadyComesBackAfterAMenuHelpTextAndAfterADialog)
{
    CMainFrame frame;
    frame.show();
    QStatusBar* status = frame.statusBar();
    EXPECT_EQ(status->currentMessage(), "Ready");

    // Hovering a menu item shows its help text; leaving the menu clears it.
    QStatusTipEvent hover(frame.Action(cmd::About)->statusTip());
    QApplication::sendEvent(&frame, &hover);
    EXPECT_NE(status->currentMessage(), "Ready");
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&frame, &leave);
    EXPECT_EQ(status->currentMessage(), "Ready");

    // The help text still showing when the About box opened goes with it.
    QApplication::sendEvent(&frame, &hover);
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    frame.Dispatch(cmd::About);
    EXPECT_EQ(status->currentMessage(), "Ready");

    // A message a command leaves is its own and stays.
    status->showMessage("Read complete");
    frame.Dispatch(cmd::ViewToolbar);
    EXPECT_EQ(status->currentMessage(), "Read complete");
}

TEST_F(FirstUse, HelpIsShownInTheProgramsOwnWindow)
{
    QWidget& window = platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/102.html"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(&platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/101.html")), &window)
        << "one window for the program";
    window.findChild<QTextBrowser*>()->backward();
    QTextBrowser* browser = platform::HelpBrowser(window);
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("/102.html"));
    EXPECT_EQ(window.windowTitle(), "Radio settings - Ostrel Programmer");
    EXPECT_TRUE(
        browser->toPlainText().contains("The Settings dialog (View > Settings...) edits the radio's"));

    QPushButton* contents = nullptr;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == "Contents")
            contents = button;
    ASSERT_NE(contents, nullptr);
    QTest::mouseClick(contents, Qt::LeftButton);
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("/101.html"));
    window.close();
    EXPECT_EQ(platform::ExistingHelpWindow(), nullptr) << "a closed window shows no more pages";
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(platform::ExistingHelpWindow(), nullptr);
}

TEST_F(FirstUse, HelpFromAModalDialogCanBeUsed)
{
    // From the main window, help stays beside it.
    QWidget& window = platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/101.html"));
    EXPECT_EQ(window.windowModality(), Qt::NonModal);

    // A modal dialog would block it: from there it comes up above the dialog.
    QDialog dialog;
    QWidget* helpOverDialog = nullptr;
    QWidget* modalWithHelp = nullptr;
    QWidget* modalAfterHelp = nullptr;
    QTimer::singleShot(0, [&] {
        helpOverDialog = &platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/200.html"));
        modalWithHelp = QApplication::activeModalWidget();
        helpOverDialog->close();
        modalAfterHelp = QApplication::activeModalWidget();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(helpOverDialog, &window) << "the same window, not a second one";
    EXPECT_EQ(modalWithHelp, &window);
    EXPECT_EQ(modalAfterHelp, &dialog);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/101.html")).windowModality(),
              Qt::NonModal);
    platform::ExistingHelpWindow()->close();
}

TEST_F(FirstUse, HelpMadeByTheUtilityLibrarysCopyIsTheOneWindow)
{
    // The import wizard's Help runs the utility library's own copy of the help
    // code; its window is the same kind of window under the same names.
    QWidget other(nullptr, Qt::Window);
    other.setObjectName("helpWindow");
    auto* otherBrowser = new QTextBrowser(&other);
    otherBrowser->setObjectName("helpBrowser");
    other.show();

    QWidget& window = platform::ShowHelpWindowPage(QStringLiteral(OSTREL_HELP_SOURCE "/102.html"));
    EXPECT_EQ(&window, &other);
    EXPECT_TRUE(otherBrowser->source().toLocalFile().endsWith("/102.html"));
    int helpWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        helpWindows += widget->objectName() == "helpWindow" ? 1 : 0;
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(FirstUse, FileDialogsAreWideEnoughForTheirColumns)
{
    CMainFrame frame;
    frame.show();
    // The offscreen screen is 800 by 600; Qt's own size leaves the columns cut.
    const auto shownBy = [&frame](int command) {
        QSize shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->size();
                dialog->reject();
            }
        });
        frame.Dispatch(command);
        return shown;
    };
    const QSize open = shownBy(cmd::Open);
    EXPECT_GE(open.width(), 700);
    EXPECT_GE(open.height(), 500);
    EXPECT_TRUE(frame.Children().isEmpty());

    frame.Dispatch(cmd::New);
    for (int command : {cmd::Import, cmd::Export, cmd::SaveAs}) {
        const QSize shown = shownBy(command);
        EXPECT_GE(shown.width(), 700) << command;
        EXPECT_GE(shown.height(), 500) << command;
    }
}

} // namespace
