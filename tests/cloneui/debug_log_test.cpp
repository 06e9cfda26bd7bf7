// The "Debug log" check box of the transfer dialogs: ticked, the transfer's
// bytes and its ending go to Debug.log under $XDG_STATE_HOME/Quillon, and the
// next dialog starts ticked; unticked, nothing more is written.

#include "clone/ui/get_data_dialog.h"
#include "clone/ui/send_data_dialog.h"

// Qt
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// std
#include <filesystem>

// gtest
#include <gtest/gtest.h>

// project
#include "clone/sim/sim_radio.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/portkit.h"
#include "portkit/pty_support.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using namespace std::chrono_literals;
using transfer::sim::Role;
using transfer::sim::SimRadio;

constexpr int kPort = 4;

class DebugLogBox : public ::testing::Test {
protected:
    DebugLogBox()
    {
        SetPortkitPrompt(&prompt);
        platform::Registry::SetDword("Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings", "comport", kPort);
    }
    ~DebugLogBox() override { SetPortkitPrompt(nullptr); }

    std::unique_ptr<SimRadio> Radio(Role role)
    {
        transfer::sim::Options options;
        options.role = role;
        options.image = transfer::sim::SampleImage(5);
        options.startDelay = 50ms;
        auto sim = std::make_unique<SimRadio>(options);
        std::filesystem::remove(ports.path() + "/COM" + std::to_string(kPort));
        ports.Link(kPort, sim->PortPath());
        sim->Start();
        return sim;
    }
    std::string Log() const { return test_support::ReadText(state.path() + "/Quillon/Debug.log"); }

    test_support::TempConfigHome home;
    test_support::TempDir state;
    test_support::ScopedEnv stateEnv{"XDG_STATE_HOME", state.path()};
    test_support::PortFolder ports;
    platform::RecordingPrompt prompt;
};

TEST_F(DebugLogBox, TickedBoxLogsTheTransferAndStaysTickedForTheNext)
{
    {
        auto sim = Radio(Role::Send);
        transfer::CGetDataDlg read;
        QCheckBox* box = read.DebugLogBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Debug log");
        EXPECT_FALSE(box->isChecked());
        read.show();
        QTest::keyClick(box, Qt::Key_Space);
        ASSERT_TRUE(box->isChecked());
        EXPECT_EQ(read.exec(), 1);
        ASSERT_TRUE(read.Succeeded());
    }
    std::string log = Log();
    EXPECT_EQ(log.rfind("Log File started ", 0), 0u) << log.substr(0, 200);
    EXPECT_NE(log.find("\r\nGet data from on COM4\r\n"), std::string::npos);
    EXPECT_NE(log.find("Wrote 1 byte\r\n  06\r\n"), std::string::npos);
    EXPECT_NE(log.find("\r\nGet data from done after 31561 of 31561 bytes, 495 of 495 blocks\r\n"), std::string::npos);
    EXPECT_NE(log.find("Log File ended"), std::string::npos);

    const std::size_t before = log.size();
    const radio::RadioImage image{};
    transfer::CSendDataDlg write(image);
    EXPECT_TRUE(write.DebugLogBox()->isChecked()) << "the wish lasts for the run of the program";
    write.show();
    QTest::keyClick(write.DebugLogBox(), Qt::Key_Space);
    EXPECT_FALSE(write.DebugLogBox()->isChecked());
    QTest::mouseClick(write.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(Log().size(), before) << "unticked, nothing more is written";
}

} // namespace
