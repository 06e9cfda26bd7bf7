// ostrel-cli read and write --log: the debug log under $XDG_STATE_HOME/Quillon
// holds every byte that went through the port and how the transfer ended;
// without --log nothing is written.

#include "cli/commands.h"

// std
#include <filesystem>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "clone/sim/sim_radio.h"
#include "portkit/pty_support.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using transfer::sim::Role;
using transfer::sim::SimRadio;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class TransferLog : public ::testing::Test {
protected:
    TransferLog() : state_("XDG_STATE_HOME", state.path()) {}

    std::unique_ptr<SimRadio> Radio(int n, Role role, transfer::sim::Faults faults = {})
    {
        transfer::sim::Options options;
        options.role = role;
        options.image = transfer::sim::SampleImage(3);
        options.faults = faults;
        auto sim = std::make_unique<SimRadio>(options);
        ports.Link(n, sim->PortPath());
        sim->Start();
        return sim;
    }
    std::string LogPath() const { return state.path() + "/Quillon/Debug.log"; }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
    test_support::TempDir state;
    test_support::PortFolder ports;

private:
    test_support::ScopedEnv state_;
};

TEST_F(TransferLog, ReadAndWriteWithLogRecordEveryByteAndTheEnding)
{
    auto sender = Radio(5, Role::Send);
    const std::string file = dir.path() + "/radio.rdf";
    const Result read = RunCli({"read", "--port", "5", "--log", "-o", file});
    ASSERT_EQ(read.code, 0) << read.err;
    EXPECT_NE(read.out.find("Debug log: " + LogPath() + "\n"), std::string::npos) << read.out;

    std::string log = test_support::ReadText(LogPath());
    EXPECT_EQ(log.rfind("Log File started ", 0), 0u);
    EXPECT_NE(log.find("\r\nRead on COM5\r\n"), std::string::npos);
    // The header's first byte is "A" (0x41); every block is acknowledged with 0x06.
    EXPECT_NE(log.find(" 41"), std::string::npos);
    EXPECT_EQ(Count(log, "Wrote 1 byte\r\n  06\r\n"), 495u) << "one 0x06 for the header, 493 blocks and the checksum";
    EXPECT_NE(log.find("Read done after 31561 of 31561 bytes, 495 of 495 blocks\r\n"), std::string::npos);
    EXPECT_NE(log.find("Log File ended =============="), std::string::npos);

    auto receiver = Radio(6, Role::Receive);
    const Result write = RunCli({"write", file, "--port", "6", "--log"});
    ASSERT_EQ(write.code, 0) << write.err;
    log = test_support::ReadText(LogPath());
    EXPECT_EQ(Count(log, "Log File started "), 2u) << "the second transfer is appended";
    EXPECT_NE(log.find("\r\nWrite on COM6\r\n"), std::string::npos);
    EXPECT_NE(log.find("Wrote 8 bytes\r\n"), std::string::npos) << "the header goes out whole";
    EXPECT_NE(log.find("Write done after 31561 of 31561 bytes, 495 of 495 blocks\r\n"), std::string::npos);
}

TEST_F(TransferLog, FailedReadLogsWhyAndNoLogWithoutTheOption)
{
    transfer::sim::Faults faults;
    faults.badChecksum = true;
    auto sender = Radio(5, Role::Send, faults);
    const Result read = RunCli({"read", "--port", "5", "--log", "-o", dir.path() + "/bad.rdf"});
    EXPECT_EQ(read.code, 1);
    EXPECT_NE(test_support::ReadText(LogPath()).find("Read failed: checksum error after 31561 of 31561 bytes"),
              std::string::npos);

    std::filesystem::remove(LogPath());
    auto again = Radio(7, Role::Send);
    ASSERT_EQ(RunCli({"read", "--port", "7", "-o", dir.path() + "/good.rdf"}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(LogPath()));
}

} // namespace
