// The main frame driven offscreen: documents, the File Error report, the
// commit before every command, the save question, the loader's failure, About.

#include "app/child_frame.h"
#include "app/main_frame.h"

// project
#include "app/about_box.h"
#include "app/application.h"
#include "app/portkit_loader.h"
#include "grid/document_controller.h"
#include "grid/ui/main_view.h"
#include "app/command_ids.h"
#include "platform/prompt.h"
#include "radio/default_image.h"
#include "radio/channel_record.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

// std
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override { frame_.show(); }

    // A radio data file made by the document itself, with one comment.
    std::string MakeFile(const std::string& name, const std::string& comment)
    {
        const std::string path = dir_.path() + "/" + name;
        radio::CMainDoc doc{'.'};
        doc.OnNewDocument();
        doc.SetComment(0, comment);
        EXPECT_TRUE(doc.Save(path)) << doc.ErrorText();
        return path;
    }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* action : frame_.menuBar()->actions())
            titles << action->text();
        return titles;
    }

    test_support::TempConfigHome home_;
    test_support::TempDir dir_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
};

const QStringList kDocumentMenus{"&File", "&Edit", "&Radio", "&View", "&Window", "&Help"};
const QStringList kNoDocumentMenus{"&File", "&View", "&Help"};

} // namespace

TEST_F(Frame, NewDocumentsStartFromTheTemplateWithUntitledNames)
{
    EXPECT_EQ(MenuTitles(), kNoDocumentMenus);
    CChildFrame* first = frame_.NewDocument();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Doc().Data().Image(), radio::DefaultImage());
    EXPECT_EQ(first->Doc().Data().SourceName(), "NewFile");
    EXPECT_FALSE(first->Doc().IsModified());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Untitled[*]"));
    EXPECT_EQ(frame_.windowTitle(), QStringLiteral("Ostrel Programmer - [Untitled[*]]"));
    EXPECT_EQ(MenuTitles(), kDocumentMenus);

    CChildFrame* second = frame_.NewDocument();
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Untitled2[*]"));
    EXPECT_EQ(frame_.ActiveChild(), second);
    EXPECT_EQ(frame_.Children().size(), 2);
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(Frame, OpeningAFileShowsItOnceAndRemembersIt)
{
    const std::string path = MakeFile("club.rdf", "Repeater");
    CChildFrame* child = frame_.OpenDocument(path);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->windowTitle(), QStringLiteral("club.rdf[*]"));
    EXPECT_EQ(child->Doc().Data().Comment(0), "Repeater");
    EXPECT_FALSE(child->Doc().IsModified());
    ASSERT_FALSE(frame_.Recent().Paths().empty());
    EXPECT_EQ(frame_.Recent().Paths().front(), path);

    // The same file again activates its window.
    frame_.NewDocument();
    EXPECT_EQ(frame_.OpenDocument(path), child);
    EXPECT_EQ(frame_.Children().size(), 2);
    EXPECT_EQ(frame_.ActiveChild(), child);
}

TEST_F(Frame, BadFileShowsFileErrorAndOpensNothing)
{
    const std::string path = dir_.path() + "/bad.rdf";
    std::ofstream(path) << "not a radio data file";
    EXPECT_EQ(frame_.OpenDocument(path), nullptr);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].caption, "File Error");
    EXPECT_EQ(prompt_.shown[0].text, "Not a radio data file:\n" + path);
    EXPECT_EQ(prompt_.shown[0].icon, platform::Icon::Error);
    EXPECT_TRUE(frame_.Children().isEmpty());
    EXPECT_EQ(MenuTitles(), kNoDocumentMenus);
    EXPECT_TRUE(frame_.Recent().Paths().empty());
}

TEST_F(Frame, RecentFileThatVanishedLeavesTheList)
{
    const std::string kept = MakeFile("kept.rdf", "");
    const std::string gone = MakeFile("gone.rdf", "");
    ASSERT_NE(frame_.OpenDocument(kept), nullptr);
    ASSERT_NE(frame_.OpenDocument(gone), nullptr);
    frame_.ActiveChild()->close();
    QApplication::processEvents();
    std::filesystem::remove(gone);

    frame_.Dispatch(cmd::RecentFile1); // gone.rdf, the newest
    EXPECT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(frame_.Recent().Paths(), std::vector<std::string>{kept});
}

// Every command passes the view's commit first; a refusal drops it.
TEST_F(Frame, CommandRunsAfterTheCommitAndIsDroppedWhenItRefuses)
{
    CChildFrame* child = frame_.NewDocument();
    grid::DocumentController& controller = child->View().Controller();
    bool refuse = true;
    bool toolbarShownAtCommit = false;
    controller.editInProgress = true;
    controller.validateActiveCell = [&] {
        toolbarShownAtCommit = !frame_.ToolBar()->isHidden();
        return !refuse;
    };

    frame_.Dispatch(cmd::ViewToolbar);
    EXPECT_TRUE(toolbarShownAtCommit);
    EXPECT_FALSE(frame_.ToolBar()->isHidden()) << "the command ran although the commit refused";

    refuse = false;
    frame_.Dispatch(cmd::ViewToolbar);
    EXPECT_TRUE(toolbarShownAtCommit) << "the command ran before the commit";
    EXPECT_TRUE(frame_.ToolBar()->isHidden());
}

TEST_F(Frame, ClosingAModifiedDocumentAsksToSave)
{
    CChildFrame* child = frame_.NewDocument();
    child->Doc().Data().SetComment(2, "changed");

    prompt_.answers = {platform::Answer::Cancel};
    frame_.Dispatch(cmd::Close);
    QApplication::processEvents();
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text, "Save changes to Untitled?");
    EXPECT_EQ(prompt_.shown[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(frame_.Children().size(), 1) << "Cancel must keep the document open";

    prompt_.answers = {platform::Answer::No};
    frame_.Dispatch(cmd::Close);
    QApplication::processEvents();
    EXPECT_TRUE(frame_.Children().isEmpty());
}

TEST_F(Frame, YesSavesBeforeClosingAndAFailedSaveKeepsTheDocument)
{
    const std::string folder = dir_.path() + "/sub";
    std::filesystem::create_directory(folder);
    const std::string path = MakeFile("sub/club.rdf", "");
    CChildFrame* child = frame_.OpenDocument(path);
    ASSERT_NE(child, nullptr);

    // Writing fails: the folder is gone.
    std::uint8_t* record = child->Doc().Data().Image().data() + radio::ChannelOffset(1);
    radio::SetField(record, radio::ChannelField::InUse, 1); // a comment belongs to a channel
    radio::SetField(record, radio::ChannelField::Receive, 146520000);
    child->Doc().Data().SetComment(1, "first");
    std::filesystem::remove_all(folder);
    prompt_.answers = {platform::Answer::Yes};
    EXPECT_FALSE(child->close());
    ASSERT_EQ(prompt_.shown.size(), 2u);
    EXPECT_EQ(prompt_.shown[1].icon, platform::Icon::Error);
    EXPECT_EQ(frame_.Children().size(), 1);
    EXPECT_TRUE(child->Doc().IsModified());
    EXPECT_TRUE(child->isWindowModified());

    // With the folder back, Yes saves and closes.
    std::filesystem::create_directory(folder);
    prompt_.answers = {platform::Answer::Yes};
    EXPECT_TRUE(child->close());
    QApplication::processEvents();
    EXPECT_TRUE(frame_.Children().isEmpty());
    radio::CMainDoc reread{'.'};
    ASSERT_TRUE(reread.Load(path));
    EXPECT_EQ(reread.Comment(1), "first");
}

TEST_F(Frame, ExitAsksForEveryModifiedDocumentAndCancelKeepsRunning)
{
    CChildFrame* first = frame_.NewDocument();
    first->View().RunStep("Edit", [](radio::CMainDoc& doc) { doc.SetComment(0, "one"); });
    frame_.NewDocument();

    prompt_.answers = {platform::Answer::Cancel};
    frame_.Dispatch(cmd::Exit);
    EXPECT_TRUE(frame_.isVisible());
    EXPECT_EQ(frame_.Children().size(), 2);

    prompt_.answers = {platform::Answer::No};
    frame_.Dispatch(cmd::Exit);
    QApplication::processEvents();
    EXPECT_FALSE(frame_.isVisible());
    EXPECT_TRUE(frame_.Children().isEmpty());
    EXPECT_EQ(prompt_.shown.size(), 2u); // only the modified document asked
}

TEST_F(Frame, DroppedRadioDataFilesOpen)
{
    const std::string path = MakeFile("dropped.rdf", "");
    const std::string other = dir_.path() + "/notes.txt";
    std::ofstream(other) << "text";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(QString::fromStdString(other))});

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame_, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame_, &drop);
    ASSERT_EQ(frame_.Children().size(), 1);
    EXPECT_EQ(frame_.Children().front()->Doc().Path(), path);
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(Frame, ComportSetupWithoutTheLibraryNamesItAndKeepsRunning)
{
    test_support::TempDir empty;
    app::PortkitLoader::Instance().SetCandidates({empty.path() + "/Quillon/libportkit.so.2",
                                                   empty.path() + "/libportkit.so.2"});
    frame_.NewDocument();
    frame_.Dispatch(cmd::ComportSetup);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_NE(prompt_.shown[0].text.find("libportkit.so.2 could not be loaded"), std::string::npos);
    EXPECT_NE(prompt_.shown[0].text.find("cannot open shared object file"), std::string::npos)
        << prompt_.shown[0].text;

    // The next command tries (and reports) again; the program goes on.
    frame_.Dispatch(cmd::ComportSetup);
    EXPECT_EQ(prompt_.shown.size(), 2u);
    EXPECT_NE(frame_.NewDocument(), nullptr);
}

TEST_F(Frame, AboutShowsTheVersionLine)
{
    QString title;
    QString version;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<app::AboutBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            version = box->VersionText();
            box->accept();
        }
    });
    frame_.Dispatch(cmd::About);
    EXPECT_EQ(title, QStringLiteral("About Ostrel"));
    EXPECT_EQ(version, QStringLiteral("Ostrel Version 2.32"));
}

TEST_F(Frame, MenusAndAvailabilityFollowTheDocument)
{
    EXPECT_FALSE(frame_.IsCommandEnabled(cmd::Save));
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::Open));
    EXPECT_FALSE(frame_.IsCommandEnabled(cmd::RecentFile1));
    CChildFrame* child = frame_.NewDocument();
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::Save));
    EXPECT_EQ(frame_.Menu(app::MenuId::File)->actions().contains(frame_.Action(cmd::Import)), true);
    child->close();
    QApplication::processEvents();
    EXPECT_EQ(MenuTitles(), kNoDocumentMenus);
    EXPECT_FALSE(frame_.Menu(app::MenuId::File)->actions().contains(frame_.Action(cmd::Import)));
}

TEST(CommandLine, FilesAndTheTimingOption)
{
    const auto none = app::ParseCommandLine({QStringLiteral("Ostrel")});
    EXPECT_TRUE(none.files.empty());
    EXPECT_FALSE(none.quitAfterFirstWindow);
    const auto some = app::ParseCommandLine(
        {QStringLiteral("Ostrel"), QStringLiteral("/tmp/a.rdf"), QStringLiteral("--quit-after-first-window")});
    EXPECT_EQ(some.files, std::vector<std::string>{"/tmp/a.rdf"});
    EXPECT_TRUE(some.quitAfterFirstWindow);
}
