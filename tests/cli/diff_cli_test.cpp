// ostrel-cli diff on the golden pairs, and kept, write --dry-run and verify
// against the simulated radio, with their exit codes.

// std
#include <chrono>
#include <filesystem>
#include <regex>

// gtest
#include <gtest/gtest.h>

// project
#include "clone/kept_reads.h"
#include "clone/sim/sim_radio.h"
#include "portkit/pty_support.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using test_support::RunCli;
using transfer::sim::Role;
using transfer::sim::SimRadio;

const std::string kData = OSTREL_TEST_DATA_DIR "/diff/";

class DiffCli : public ::testing::Test {
protected:
    DiffCli() : state_("XDG_STATE_HOME", dir.path()) {}

    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    std::unique_ptr<SimRadio> Radio(int n, transfer::sim::Options options)
    {
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

TEST_F(DiffCli, GoldenListingsAndExitCodes)
{
    for (const char* pair : {"channels", "settings", "hyper"}) {
        const auto r = RunCli({"diff", kData + pair + ".a.rdf", kData + pair + ".b.rdf"});
        EXPECT_EQ(r.code, 1) << pair << r.err;
        EXPECT_EQ(r.out, test_support::ReadText(kData + pair + ".expected")) << pair;
    }
    const auto tsv = RunCli({"diff", "--format", "tsv", kData + "channels.a.rdf", kData + "channels.b.rdf"});
    EXPECT_EQ(tsv.out.substr(0, tsv.out.find('\n', tsv.out.find('\n') + 1) + 1),
              "Memory\t1\tName\tCLUB\t(none)\nComment\t1\t\tClub net\tClub net 2\n");

    const auto same = RunCli({"diff", kData + "hyper.a.rdf", kData + "channels.a.rdf"});
    EXPECT_EQ(same.code, 0) << same.out;
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(RunCli({"diff", kData + "hyper.a.rdf", Path("missing.rdf")}).code, 2);
    EXPECT_EQ(RunCli({"diff", kData + "hyper.a.rdf", Path("x.rsf")}).code, 2);
    EXPECT_EQ(RunCli({"diff", kData + "hyper.a.rdf"}).code, 2);
    EXPECT_EQ(RunCli({"diff", "--kept", "latest", kData + "hyper.a.rdf"}).code, 2) << "no kept read yet";
}

// Read, look at the kept read, dry-run a write of a changed file, write it
// to a radio that sends it back, and verify: equal, then with a byte corrupted.
TEST_F(DiffCli, KeptWriteDryRunAndVerifyOnTheSimulatedRadio)
{
    const auto none = RunCli({"kept"});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.err, "No read of the radio is kept on this computer\n");
    const auto blind = RunCli({"write", "--dry-run", kData + "hyper.a.rdf", "--port", "9"});
    EXPECT_EQ(blind.code, 0) << blind.err;
    EXPECT_EQ(blind.out, "No read of the radio is kept on this computer\n");

    transfer::sim::Options send;
    send.image = transfer::sim::SampleImage(4);
    auto sender = Radio(5, send);
    ASSERT_EQ(RunCli({"read", "--port", "5", "-o", Path("radio.rdf")}).code, 0);
    const auto kept = RunCli({"kept"});
    EXPECT_EQ(kept.code, 0);
    EXPECT_TRUE(std::regex_match(kept.out, std::regex(dir.path() + "/Quillon/read-[0-9]{8}-[0-9]{6}\\.rdf\t"
                                                      "[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\t"
                                                      "[0-9]+ memories in use\n")))
        << kept.out;
    EXPECT_EQ(RunCli({"diff", "--kept", "latest", Path("radio.rdf")}).code, 0);

    // The first memory in use renamed in a copy of what was read.
    auto file = test_support::ReadBytes(Path("radio.rdf"));
    std::size_t row = 0;
    while ((file[424 + 1224 + 16 * row] & 0x80) == 0)
        ++row;
    file[424 + 18824 + 8 * row] = 10; // "A" as the first character of the name
    file[424 + 18824 + 8 * row + 7] |= 0x80;
    test_support::WriteBytes(Path("changed.rdf"), file);
    const auto dry = RunCli({"write", "--dry-run", Path("changed.rdf"), "--port", "9"});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_TRUE(std::regex_search(dry.out, std::regex("^Compared with the radio as read on "
                                                      "[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}: 1 memory")))
        << dry.out;
    EXPECT_NE(dry.out.find("\nMemory " + std::to_string(row + 1) + ": Name "), std::string::npos) << dry.out;
    EXPECT_EQ(dry.err.find("COM9"), std::string::npos) << "a dry run opens no port";

    for (int corrupt : {0, 1}) {
        transfer::sim::Options receive;
        receive.role = Role::Receive;
        receive.thenSend = true;
        receive.corruptBytes = corrupt;
        auto radio = Radio(6 + corrupt, receive);
        const std::string port = std::to_string(6 + corrupt);
        ASSERT_EQ(RunCli({"write", Path("changed.rdf"), "--port", port}).code, 0);
        const auto verify = RunCli({"verify", Path("changed.rdf"), "--port", port, "--wait", "5"});
        if (corrupt == 0) {
            EXPECT_EQ(verify.code, 0) << verify.err;
            EXPECT_NE(verify.out.find("The radio holds what was sent\n"), std::string::npos) << verify.out;
        } else {
            EXPECT_EQ(verify.code, 1) << verify.err;
            EXPECT_NE(verify.out.find("The radio holds something else: "), std::string::npos) << verify.out;
        }
    }
    EXPECT_EQ(transfer::ListKeptReads().size(), 1u) << "a verify's read is not kept";

    const auto failed = RunCli({"verify", Path("changed.rdf"), "--port", "9"});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("COM9"), std::string::npos) << failed.err;
}

} // namespace
