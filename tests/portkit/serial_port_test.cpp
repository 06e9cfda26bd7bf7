#include "portkit/core/device.h"
#include "portkit/core/log_file.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/serial_port.h"

#include "platform/prompt.h"
#include "portkit/pty_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

using portkit::SerialPort;
using test_support::PortFolder;
using test_support::PseudoTerminal;

namespace {

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        ports.Link(1, pty.slaveName());
        port.SetPortNum(1);
    }

    termios SlaveSettings() const
    {
        termios tio{};
        tcgetattr(pty.slave(), &tio);
        return tio;
    }

    platform::RecordingPrompt prompt;
    PseudoTerminal pty;
    PortFolder ports;
    SerialPort port;
};

TEST_F(SerialPortTest, OpenGivesRawNineSixHundredEightDataTwoStopNoParityNoFlowControl)
{
    ASSERT_TRUE(port.Open(nullptr, 9600, 0, 8, 2));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_GE(port.Descriptor(), 0);
    EXPECT_TRUE(prompt.shown.empty()); // no modem lines on a pseudo-terminal is fine

    const termios tio = SlaveSettings();
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B9600));
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(tio.c_cflag & PARENB, 0u);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
    EXPECT_NE(tio.c_cflag & CREAD, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

// A pseudo-terminal refuses low latency: the port is open all the same, and
// the debug log says so whether it was running at the open or started later,
// as a transfer's log is; once the port is closed a new log does not.
TEST_F(SerialPortTest, LowLatencyAnswerGoesToTheDebugLog)
{
    test_support::TempDir state;
    test_support::ScopedEnv stateHome("XDG_STATE_HOME", state.path());
    portkit::LogFile* log = portkit::LogFile::Instance();
    ASSERT_NE(log, nullptr);
    const std::string line = "COM1 " + ports.path() +
                             "/COM1: low latency refused by the driver (Inappropriate ioctl for device)\r\n";
    const auto logged = [&] {
        std::ifstream in(state.path() + "/Quillon/Debug.log", std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::filesystem::remove(state.path() + "/Quillon/Debug.log");
        return text;
    };

    log->Start();
    EXPECT_TRUE(port.Open(nullptr, 9600, 0, 8, 2));
    log->Stop();
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_NE(logged().find("\r\n" + line), std::string::npos);

    log->Start();
    log->Stop();
    const std::string later = logged();
    EXPECT_EQ(later.find("\r\n" + line), later.find("\r\n") + 0) << later;

    port.Close();
    log->Start();
    log->Stop();
    EXPECT_EQ(logged().find(line), std::string::npos);
}

TEST_F(SerialPortTest, SettingsTakeParityBeforeDataBitsAndSurviveReopening)
{
    ASSERT_TRUE(port.Open(nullptr, 4800, 1, 7, 0));
    port.Close();
    ASSERT_TRUE(port.Open(nullptr));
    const termios tio = SlaveSettings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B4800));
    EXPECT_EQ(tio.c_cflag & CSTOPB, 0u); // a pseudo-terminal forces 8 bits without parity
    EXPECT_EQ(port.Settings().parity, 1);
    EXPECT_EQ(port.Settings().dataBits, 7);
}

TEST_F(SerialPortTest, RefusedLineSettingsAreShownAndThePortStaysOpen)
{
    EXPECT_TRUE(port.Open(nullptr, 12345, 0, 8, 2));
    EXPECT_TRUE(port.IsOpen());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Error");
    EXPECT_EQ(prompt.shown[0].text, portkit::SystemErrorText(EINVAL));
    EXPECT_EQ(prompt.shown[0].icon, platform::Icon::Information);
}

TEST_F(SerialPortTest, OpenFailuresNameThePortAndLeaveItClosed)
{
    int owner = 0;
    port.SetPortNum(0);
    EXPECT_FALSE(port.Open(&owner));
    port.SetPortNum(2); // no entry in the port folder
    EXPECT_FALSE(port.Open(&owner));
    ports.Link(3, ports.path() + "/missing-device");
    port.SetPortNum(3);
    EXPECT_FALSE(port.Open(&owner));

    ASSERT_EQ(prompt.shown.size(), 3u);
    EXPECT_EQ(prompt.shown[0].text, "No com port selected");
    EXPECT_EQ(prompt.shown[1].text, "COM2: Invalid or unsupported port.");
    EXPECT_EQ(prompt.shown[2].text, "COM3: Invalid or unsupported port.");
    for (const platform::Message& message : prompt.shown) {
        EXPECT_EQ(message.caption, "Com port error");
        EXPECT_EQ(message.owner, &owner);
    }
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Descriptor(), -1);
    port.Close(); // nothing to do
}

TEST_F(SerialPortTest, SecondHolderIsRefusedEvenForRoot)
{
    ASSERT_TRUE(port.Open(nullptr));
    SerialPort other;
    other.SetPortNum(1);
    EXPECT_FALSE(other.Open(nullptr));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "COM1: Is already open.");
    EXPECT_EQ(port.FindComPorts(1), portkit::kPortUnavailable);

    port.Close();
    EXPECT_EQ(port.FindComPorts(1), portkit::kPortAvailable);
    EXPECT_TRUE(other.Open(nullptr));
}

TEST_F(SerialPortTest, ReopeningAnOpenPortClosesItFirst)
{
    ASSERT_TRUE(port.Open(nullptr));
    ASSERT_TRUE(port.Open(nullptr)); // its own lock is released before the new open
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(prompt.shown.empty());
    pty.Send("x");
    char byte = 0;
    int got = 0;
    for (int i = 0; i < 500 && got == 0; ++i)
        got = port.Read(&byte, 1);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(byte, 'x');
}

TEST_F(SerialPortTest, ReadsTimeOutWithNothingQueued)
{
    ASSERT_TRUE(port.Open(nullptr));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.ReadByte(), 0xFF);
    char buffer[8];
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(port.Read(buffer, 0), 0);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SerialPortTest, QueuedBytesAreReturnedAsTheyCome)
{
    ASSERT_TRUE(port.Open(nullptr));
    pty.Send(std::string("\x06\xFF" "abc", 5));
    std::string got;
    for (int i = 0; i < 500 && got.size() < 5; ++i) {
        char buffer[16];
        const int n = port.Read(buffer, sizeof buffer);
        ASSERT_GE(n, 0);
        got.append(buffer, static_cast<size_t>(n));
    }
    EXPECT_EQ(got, std::string("\x06\xFF" "abc", 5));

    pty.Send("Z");
    std::uint8_t byte = 0xFF;
    for (int i = 0; i < 500 && byte == 0xFF; ++i)
        byte = port.ReadByte();
    EXPECT_EQ(byte, 'Z');
}

TEST_F(SerialPortTest, WritesReachTheFarEnd)
{
    ASSERT_TRUE(port.Open(nullptr));
    EXPECT_EQ(port.Write("hello", 5), 5);
    EXPECT_EQ(port.WriteByte(0x06), 1);
    EXPECT_EQ(pty.Receive(6), "hello\x06");

    EXPECT_EQ(port.WriteBytes("abc", 3, 0), 3);
    EXPECT_EQ(port.WriteBytesEx("def", 3, 1), 3);
    EXPECT_EQ(pty.Receive(6), "abcdef");
    EXPECT_EQ(port.WriteBytes("abc", 0, 5), 0);
    EXPECT_EQ(port.WriteBytesEx("abc", -1, 5), 0);
    EXPECT_EQ(port.Write("abc", 0), 0);
    EXPECT_FALSE(pty.HasOutput());
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SerialPortTest, PurgeDropsUnreadInput)
{
    ASSERT_TRUE(port.Open(nullptr));
    pty.Send("stale");
    pollfd wait{pty.slave(), POLLIN, 0};
    ASSERT_EQ(poll(&wait, 1, 2000), 1);
    port.Purge();
    char buffer[8];
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0);
}

TEST_F(SerialPortTest, CutLineIsAnErrorResultNotACrashOrHang)
{
    ASSERT_TRUE(port.Open(nullptr));
    pty.CloseMaster();
    const auto start = std::chrono::steady_clock::now();

    char buffer[8];
    EXPECT_EQ(port.Read(buffer, sizeof buffer), -portkit::kCeIoError);
    EXPECT_EQ(port.CommError(), 0); // the read already cleared the flags
    EXPECT_EQ(port.ReadByte(), 0xFF);
    EXPECT_LT(port.Write("abc", 3), 0);
    EXPECT_EQ(port.WriteByte(1), 0);
    EXPECT_EQ(port.WriteBytes("ab", 2, 0), 2);
    EXPECT_NE(port.CommError() & portkit::kCeIoError, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    ASSERT_EQ(prompt.shown.size(), 5u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(prompt.shown[i].caption, "Error");
        EXPECT_EQ(prompt.shown[i].icon, platform::Icon::Information);
        EXPECT_EQ(prompt.shown[i].owner, nullptr);
    }
    EXPECT_EQ(prompt.shown[3].text, "Error"); // one per byte of the paced write
    EXPECT_EQ(prompt.shown[4].text, "Error");
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialPortTest, ClosedPortRefusesIoWithoutTouchingAnyDevice)
{
    char buffer[4];
    EXPECT_LT(port.Read(buffer, sizeof buffer), 0);
    EXPECT_LT(port.Write("a", 1), 0);
    int cts = 7;
    int dsr = 7;
    port.ControlLines(&cts, &dsr);
    EXPECT_EQ(cts, 0);
    EXPECT_EQ(dsr, 0);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, portkit::SystemErrorText(EBADF));
}

TEST(DeviceIo, BrokenPipeIsAnErrorNotASignal)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    EXPECT_EQ(portkit::SendAll(ends[1], "x", 1, 9600), EPIPE); // the default SIGPIPE would end the test
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
    close(ends[1]);
}

TEST(DeviceIo, WriteToADeviceThatTakesNothingGivesUp)
{
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK), 0);
    const std::string block(256 * 1024, 'x'); // more than the pipe holds; nobody reads
    EXPECT_EQ(portkit::SendAll(ends[1], block.data(), static_cast<int>(block.size()), 4000000), ETIMEDOUT);
    close(ends[0]);
    close(ends[1]);
}

TEST(PortErrors, TextsForEachKindOfFailure)
{
    const test_support::TempDir dir;
    EXPECT_EQ(portkit::OpenErrorText(4, "", ENOENT), "COM4: Invalid or unsupported port.");
    EXPECT_EQ(portkit::OpenErrorText(4, "", EBUSY), "COM4: Is already open.");
    EXPECT_EQ(portkit::OpenErrorText(12, "", EINVAL), "COM12:  Unknown error #-22.");

    // Permission: the group is the one that owns the device node.
    const std::string denied = portkit::OpenErrorText(3, dir.path(), EACCES);
    EXPECT_EQ(denied.rfind("COM3: Permission denied.", 0), 0u) << denied;
    EXPECT_NE(denied.find("\"root\""), std::string::npos) << denied;
    EXPECT_NE(denied.find("log out and log in again"), std::string::npos) << denied;
}

} // namespace
