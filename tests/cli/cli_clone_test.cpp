// ostrel-cli read and write against the simulated radio.

#include "cli/commands.h"

// std
#include <filesystem>
#include <numeric>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "clone/sim/sim_radio.h"
#include "platform/radio_services.h"
#include "platform/registry.h"
#include "portkit/pty_support.h"
#include "radio/main_doc.h"
#include "radio/settings_file.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using transfer::sim::Faults;
using transfer::sim::Role;
using transfer::sim::SimRadio;

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";
constexpr std::size_t kImageAt = 424; // the image's place in a radio data file

using Result = test_support::CliResult;
using test_support::RunCli;

class CliClone : public ::testing::Test {
protected:
    CliClone() : state_("XDG_STATE_HOME", dir.path()) {}

    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    // A simulated radio on port n, started.
    std::unique_ptr<SimRadio> Radio(int n, Role role, Faults faults = {}, unsigned seed = 9)
    {
        transfer::sim::Options options;
        options.role = role;
        options.image = transfer::sim::SampleImage(seed);
        options.faults = faults;
        auto sim = std::make_unique<SimRadio>(options);
        ports.Link(n, sim->PortPath());
        sim->Start();
        return sim;
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
    test_support::PortFolder ports;

private:
    test_support::ScopedEnv state_;
};

TEST_F(CliClone, ReadThenWriteRoundTripsTheImage)
{
    const auto sample = transfer::sim::SampleImage(9);
    auto sender = Radio(5, Role::Send);
    const Result read = RunCli({"read", "--port", "5", "-o", Path("radio.rdf")});
    ASSERT_EQ(read.code, 0) << read.err;

    const auto file = test_support::ReadBytes(Path("radio.rdf"));
    ASSERT_EQ(file.size(), 67205u);
    EXPECT_TRUE(std::equal(sample.begin(), sample.end() - 1, file.begin() + kImageAt)) << "the file's image";
    EXPECT_TRUE(std::all_of(file.begin() + kImageAt + 31561 + 20, file.end(), [](std::uint8_t b) { return b == 0; }))
        << "comments";
    radio::CMainDoc doc{'.'};
    ASSERT_TRUE(doc.Load(Path("radio.rdf")));
    EXPECT_EQ(doc.SourceName(), "ReadRadio");
    EXPECT_EQ(platform::Registry::GetDword(kKey, "Configuration1"), 0xB9u);

    auto receiver = Radio(6, Role::Receive);
    const Result write = RunCli({"write", Path("radio.rdf"), "--port", "6"});
    ASSERT_EQ(write.code, 0) << write.err;
    ASSERT_TRUE(receiver->WaitFinished(std::chrono::seconds(2)));
    const auto got = receiver->Received();
    ASSERT_EQ(got.size(), 31561u);
    EXPECT_TRUE(receiver->ReceivedGood());
    // The identity, and everything the preparation does not touch (from the
    // first memory record on), arrive as they were read.
    EXPECT_TRUE(std::equal(sample.begin(), sample.begin() + 8, got.begin()));
    EXPECT_TRUE(std::equal(sample.begin() + 1224, sample.end() - 1, got.begin() + 1224));
    EXPECT_EQ(got[56], sample[6]);
    // A write leaves the file as it was.
    EXPECT_EQ(test_support::ReadBytes(Path("radio.rdf")), file);
}

TEST_F(CliClone, AFailedReadWritesNoFileAndStoresNoIdentity)
{
    Faults bad;
    bad.badChecksum = true;
    auto sender = Radio(5, Role::Send, bad);
    const Result r = RunCli({"read", "--port", "5", "-o", Path("radio.rdf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Error: Check sum errror."), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(Path("radio.rdf")));
    EXPECT_FALSE(platform::Registry::GetBinary(kKey, "Configuration").has_value());
}

TEST_F(CliClone, ARadioThatNeverStartsEndsAfterTheWait)
{
    Faults silent;
    silent.silentAtStart = true;
    auto sender = Radio(5, Role::Send, silent);
    const Result r = RunCli({"read", "--port", "5", "--wait", "1", "-o", Path("radio.rdf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Communication timeout"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(Path("radio.rdf")));
}

TEST_F(CliClone, ARefusedHeaderEndsWithTheHardwareMessage)
{
    ASSERT_EQ(RunCli({"new", Path("new.rdf")}).code, 0);
    Faults refuse;
    refuse.refuseHeader = true;
    auto receiver = Radio(6, Role::Receive, refuse);
    const Result r = RunCli({"write", Path("new.rdf"), "--port", "6"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("The hardware information in the radio does not match that of the file.\nRead the radio to "
                         "get the correct hardware information for this radio."),
              std::string::npos)
        << r.err;
}

TEST_F(CliClone, TheStoredPortAndTheGivenSettingFileAreUsed)
{
    ASSERT_EQ(RunCli({"new", Path("new.rdf")}).code, 0);
    radio::SettingsRecord settings;
    auto block = settings.Block();
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(0x11 + i % 32);
    ASSERT_TRUE(radio::WriteSettingsFile(Path("mine.rsf"), settings, platform::PromptMessages()));
    platform::Registry::SetDword(kKey, "comport", 7);

    auto receiver = Radio(7, Role::Receive);
    const Result r = RunCli({"write", Path("new.rdf"), "--settings", Path("mine.rsf")});
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(receiver->WaitFinished(std::chrono::seconds(2)));
    const auto got = receiver->Received();
    ASSERT_EQ(got.size(), 31561u);
    EXPECT_EQ(got[57], 0x11 + 1); // set mode bytes 56..71 (56 carries the header's byte 6)
    EXPECT_EQ(got[71], 0x11 + 15);
    EXPECT_EQ(got[578], 0x11 + 16); // CW ID
    EXPECT_EQ(got[200], 0x11 + 22); // first DTMF memory
}

TEST_F(CliClone, PortFailuresAndUsage)
{
    const Result missing = RunCli({"read", "--port", "9", "-o", Path("radio.rdf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("COM9: Invalid or unsupported port."), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(Path("radio.rdf")));

    const Result none = RunCli({"write", Path("missing.rdf"), "--port", "9"});
    EXPECT_EQ(none.code, 1);

    EXPECT_EQ(RunCli({"read", "--port", "5"}).code, 2);
    EXPECT_EQ(RunCli({"read", "--port", "x", "-o", Path("a.rdf")}).code, 2);
    EXPECT_EQ(RunCli({"read", "--bogus", "-o", Path("a.rdf")}).code, 2);
    EXPECT_EQ(RunCli({"write", "--port", "5"}).code, 2);
    EXPECT_EQ(RunCli({"simulate"}).code, 2);
    EXPECT_EQ(RunCli({"simulate", "--send", "--fault", "nonsense"}).code, 2);
}

} // namespace
