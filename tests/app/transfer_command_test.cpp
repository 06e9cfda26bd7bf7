// "Get data from..." and "Send data to..." from a document window, against
// the simulated radio: the document, its history and modified state, and the
// registry after each ending.

#include "app/child_frame.h"
#include "app/main_frame.h"

// Qt
#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

// gtest
#include <gtest/gtest.h>

// project
#include "app/command_ids.h"
#include "app/portkit_loader.h"
#include "clone/sim/sim_radio.h"
#include "clone/transfer_doc.h"
#include "clone/ui/send_data_dialog.h"
#include "grid/ui/main_view.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/pty_support.h"
#include "radio/default_image.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using namespace std::chrono_literals;
using transfer::sim::Faults;
using transfer::sim::Role;

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

class TransferCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::PortkitLoader::Instance().SetCandidates({PORTKIT_TEST_LIBRARY});
        platform::Registry::SetDword(kKey, "comport", 4);
        frame_.show();
        window_ = frame_.NewDocument();
        ASSERT_NE(window_, nullptr);
        prompt_.shown.clear();
    }

    radio::CMainDoc& Doc() { return window_->View().Document(); }

    std::unique_ptr<transfer::sim::SimRadio> Radio(Role role, Faults faults = {})
    {
        transfer::sim::Options options;
        options.role = role;
        options.image = transfer::sim::SampleImage(12);
        options.faults = faults;
        options.startDelay = 50ms;
        auto sim = std::make_unique<transfer::sim::SimRadio>(options);
        ports_.Link(4, sim->PortPath());
        sim->Start();
        return sim;
    }

    // Does `act` to the next modal dialog once it is up.
    static void WithNextDialog(std::function<void(QWidget*)> act)
    {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            poll->stop();
            poll->deleteLater();
            act(modal);
        });
        poll->start(10);
    }

    test_support::TempConfigHome home_;
    test_support::TempDir state_;
    test_support::ScopedEnv stateEnv_{"XDG_STATE_HOME", state_.path()};
    test_support::PortFolder ports_;
    platform::RecordingPrompt prompt_;
    CMainFrame frame_;
    CChildFrame* window_ = nullptr;
};

// A read replaces the document: the window no longer belongs to the file it
// showed, so Save cannot overwrite that file with the radio's content.
TEST_F(TransferCommands, AReadIntoANamedWindowMakesItUntitled)
{
    const std::string path = state_.path() + "/club.rdf";
    ASSERT_TRUE(window_->Doc().SaveFile(path));
    const test_support::Bytes saved = test_support::ReadBytes(path);
    ASSERT_TRUE(window_->Doc().HasPath());
    auto sim = Radio(Role::Send);
    frame_.Dispatch(cmd::GetData);
    ASSERT_EQ(Doc().SourceName(), "ReadRadio");
    EXPECT_FALSE(window_->Doc().HasPath());
    EXPECT_EQ(window_->Doc().Title().rfind("Untitled", 0), 0u) << window_->Doc().Title();
    EXPECT_TRUE(window_->windowTitle().startsWith("Untitled")) << window_->windowTitle().toStdString();
    EXPECT_EQ(test_support::ReadBytes(path), saved);
}

TEST_F(TransferCommands, AGoodReadIsOneStepThatUndoTakesBack)
{
    Doc().SetComment(2, "before");
    auto sim = Radio(Role::Send);
    prompt_.answers.push_back(platform::Answer::No); // "Save changes to ...?"
    frame_.Dispatch(cmd::GetData);

    const auto image = transfer::sim::SampleImage(12);
    EXPECT_TRUE(std::equal(image.begin() + 1224, image.end(), Doc().Image().begin() + 1224));
    EXPECT_EQ(test_support::ReadBytes(state_.path() + "/Quillon/Debug.sys"),
              test_support::Bytes(image.begin(), image.end()));
    EXPECT_EQ(Doc().SourceName(), "ReadRadio");
    EXPECT_EQ(Doc().Comment(2), "");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().UndoLabel(), "Read from Radio");
    EXPECT_EQ(platform::Registry::GetDword(kKey, "Configuration1"), 0xB9u);
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text.rfind("Save changes to ", 0), 0u);

    window_->View().Undo();
    EXPECT_EQ(Doc().SourceName(), "NewFile");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Doc().CanUndo());
}

TEST_F(TransferCommands, ACopyThatCannotBeKeptIsToldInTheStatusBar)
{
    test_support::WriteBytes(state_.path() + "/Quillon", {1}); // a file where the folder should be
    auto sim = Radio(Role::Send);
    frame_.Dispatch(cmd::GetData);
    EXPECT_EQ(Doc().SourceName(), "ReadRadio");
    EXPECT_TRUE(frame_.statusBar()->currentMessage().startsWith("Could not keep a copy of the read in "))
        << frame_.statusBar()->currentMessage().toStdString();
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(TransferCommands, AFailedReadLeavesANewUnmodifiedDocumentAndRemembersNothing)
{
    Faults bad;
    bad.badChecksum = true;
    auto sim = Radio(Role::Send, bad);
    frame_.Dispatch(cmd::GetData);

    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].text, "Error: Check sum errror.");
    EXPECT_EQ(Doc().SourceName(), "NewFile");
    const auto& fresh = radio::DefaultImage();
    EXPECT_TRUE(std::equal(fresh.begin() + 1224, fresh.end() - 1, Doc().Image().begin() + 1224));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Doc().CanUndo());
    EXPECT_FALSE(platform::Registry::GetBinary(kKey, "Configuration").has_value());
}

TEST_F(TransferCommands, CancelWritesNothingToTheRegistry)
{
    Faults silent;
    silent.silentAtStart = true;
    auto sim = Radio(Role::Send, silent);
    WithNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    frame_.Dispatch(cmd::GetData);
    EXPECT_EQ(Doc().SourceName(), "NewFile");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(platform::Registry::GetBinary(kKey, "Configuration").has_value());
    EXPECT_FALSE(platform::Registry::GetDword(kKey, "Configuration1").has_value());
}

// The radio receives what the document builds with its settings; the
// document itself is not changed by a write.
TEST_F(TransferCommands, SendingSendsTheDocumentsStreamAndLeavesTheDocumentAsItWas)
{
    auto sim = Radio(Role::Receive);
    // The active Hyper Memory 1 points at memory 1000 (empty) and links bank 3 (empty).
    window_->View().RunStep("Import", [](radio::CMainDoc& d) {
        d.Image()[584 + 112 + 3] = 0xE7; // Memory # 999, low byte first
        d.Image()[584 + 112 + 4] = 0x03;
        d.Image()[584 + 86] |= 0x20;     // bank 3
        d.ChooseActiveHyper(0);
    });
    ASSERT_TRUE(Doc().Save(state_.path() + "/before.rdf"));
    ASSERT_FALSE(Doc().IsModified());
    WithNextDialog([](QWidget* dialog) {
        auto* send = qobject_cast<transfer::CSendDataDlg*>(dialog);
        ASSERT_NE(send, nullptr);
        auto* poll = new QTimer(send);
        QObject::connect(poll, &QTimer::timeout, send, [send, poll] {
            if (send->OkButton()->isEnabled()) {
                send->OkButton()->click();
            } else if (send->Sent()) { // the dialog offers Verify: close it
                poll->stop();
                send->CancelButton()->click();
            }
        });
        poll->start(10);
    });
    frame_.Dispatch(cmd::SendData);
    ASSERT_TRUE(sim->WaitFinished(2s));
    EXPECT_TRUE(sim->ReceivedGood());
    const auto got = sim->Received();
    ASSERT_EQ(got.size(), 31561u);
    const auto expected = transfer::StreamForWrite(Doc());
    ASSERT_TRUE(expected.has_value());
    EXPECT_TRUE(std::equal(got.begin(), got.end(), expected->begin()));
    // The fix-ups reach the line: the lowest memory in use, no link to an empty bank.
    int lowest = 0;
    while (lowest < 1000 && (Doc().Image()[1224 + 16 * lowest] & 0x80) == 0)
        ++lowest;
    ASSERT_LT(lowest, 1000);
    EXPECT_EQ(got[699] + 256 * got[700], lowest);
    EXPECT_EQ(got[43] + 256 * got[44], lowest); // the current state too
    EXPECT_EQ(got[670] & 0x20, 0);
    EXPECT_EQ(Doc().Image()[699] + 256 * Doc().Image()[700], 999); // the document as it was
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().UndoLabel(), "Import"); // the write added no step
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(TransferCommands, MenuAndToolbarCarryBothCommands)
{
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::GetData));
    EXPECT_TRUE(frame_.IsCommandEnabled(cmd::SendData));
    QStringList tools;
    for (QAction* action : frame_.findChildren<QToolBar*>().front()->actions())
        tools << action->text();
    EXPECT_TRUE(tools.contains("Get data from...")) << tools.join('|').toStdString();
    EXPECT_TRUE(tools.contains("Send data to..."));
}

} // namespace
