#include "cli/commands.h"

// std
#include <filesystem>
#include <cstring>
#include <fstream>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/channel_record.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using test_support::PutU32;
using test_support::ReadBytes;
using test_support::WriteBytes;

using Result = test_support::CliResult;
using test_support::RunCli;

class Cli : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
};

} // namespace

TEST_F(Cli, NewSavesAFileThatReopensToTheSameBytes)
{
    ASSERT_EQ(RunCli({"new", Path("a.rdf")}).code, cli::kExitOk);
    const auto first = ReadBytes(Path("a.rdf"));
    ASSERT_EQ(first.size(), radio::kRdfFileSize);

    ASSERT_EQ(RunCli({"resave", Path("a.rdf"), "-o", Path("b.rdf")}).code, cli::kExitOk);
    EXPECT_EQ(ReadBytes(Path("b.rdf")), first);
    ASSERT_EQ(RunCli({"resave", Path("a.rdf")}).code, cli::kExitOk);
    EXPECT_EQ(ReadBytes(Path("a.rdf")), first);
}

// Files of the older layouts are the current file cut short, with the
// matching total size in the header; the body is read in place.
TEST_F(Cli, ResaveOfEveryOlderSizeWritesTheCurrentSizeWithCommentsInPlace)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    for (int row : {0, 999}) { // comments belong to channels
        radio::SetField(doc.Image().data() + radio::ChannelOffset(row), radio::ChannelField::InUse, 1);
        radio::SetField(doc.Image().data() + radio::ChannelOffset(row), radio::ChannelField::Receive, 146520000);
    }
    doc.SetComment(0, "First memory");
    doc.SetComment(999, "Last memory");
    const auto current = doc.Bytes();

    struct Layout {
        std::uint32_t total;
        std::size_t fileSize;
    };
    const Layout layouts[] = {{64005, 64005}, {64008, 64008}, {64773, 64773}, {67208, 67208}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.total);
        std::vector<std::uint8_t> bytes(current.begin(), current.end());
        bytes.resize(layout.fileSize, 0);
        PutU32(bytes, radio::rdf::kTotalSizeAt, layout.total);
        WriteBytes(Path("old.rdf"), bytes);

        const Result r = RunCli({"resave", Path("old.rdf"), "-o", Path("new.rdf")});
        ASSERT_EQ(r.code, cli::kExitOk) << r.err;
        const auto saved = ReadBytes(Path("new.rdf"));
        ASSERT_EQ(saved.size(), radio::kRdfFileSize);

        radio::CMainDoc reopened('.');
        ASSERT_TRUE(reopened.Load(Path("new.rdf"))) << reopened.ErrorText();
        EXPECT_EQ(reopened.Comment(0), "First memory");
        EXPECT_EQ(reopened.Comment(999), "Last memory");
    }
}

TEST_F(Cli, LoadFailuresPrintTheirMessageAndExitOne)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    const auto good = doc.Bytes();
    std::vector<std::uint8_t> bytes(good.begin(), good.end());

    WriteBytes(Path("short.rdf"), {bytes.begin(), bytes.begin() + 100});
    Result r = RunCli({"info", Path("short.rdf")});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "Not a radio data file:\n" + Path("short.rdf") + "\n");

    auto other = bytes;
    std::memcpy(other.data() + radio::rdf::kIdentifierAt, "6110", 4);
    WriteBytes(Path("other.rdf"), other);
    r = RunCli({"export", Path("other.rdf"), Path("out.csv")});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "Radio data file for different radio:\nYaesu Ostrel\n");

    auto header = bytes;
    PutU32(header, radio::rdf::kTotalSizeAt, 67206);
    WriteBytes(Path("header.rdf"), header);
    EXPECT_EQ(RunCli({"resave", Path("header.rdf")}).err, "Radio data file has invalid header\n");

    WriteBytes(Path("cut.rdf"), {bytes.begin(), bytes.begin() + radio::kRdfHeaderSize + 1000});
    EXPECT_EQ(RunCli({"info", Path("cut.rdf")}).err, "Radio data file has invalid format\n");
    // A refused file is never rewritten.
    EXPECT_EQ(ReadBytes(Path("header.rdf")), header);
}

TEST_F(Cli, InfoCountsChannelsAndBanks)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    doc.Record(radio::kSheetMemories, 1000)[0] |= 0x80;
    radio::SetField(doc.Record(radio::kSheetMemories, 1000), radio::ChannelField::Receive, 146520000);
    doc.SetBankBit(2, 0, true);
    doc.SetSourceName("club.rsf");
    ASSERT_TRUE(doc.Save(Path("c.rdf")));

    const Result r = RunCli({"info", Path("c.rdf")});
    ASSERT_EQ(r.code, cli::kExitOk);
    EXPECT_NE(r.out.find("Memories in use: 1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Scan limits in use: 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("Banks in use:    3 (1)\n"), std::string::npos);
    EXPECT_NE(r.out.find("Source name:     club.rsf\n"), std::string::npos);
}

TEST_F(Cli, UsageErrorsExitTwo)
{
    EXPECT_EQ(RunCli({}).code, cli::kExitUsage);
    EXPECT_EQ(RunCli({"frobnicate"}).code, cli::kExitUsage);
    EXPECT_EQ(RunCli({"export", Path("a.rdf")}).code, cli::kExitUsage);
    EXPECT_EQ(RunCli({"resave", Path("a.rdf"), "-x", Path("b.rdf")}).code, cli::kExitUsage);
    EXPECT_EQ(RunCli({"--help"}).code, cli::kExitOk);
}

// Every command answers --help on standard output with exit 0, and none takes
// "--help" for a file name.
TEST_F(Cli, EveryCommandAnswersHelpAndWritesNothing)
{
    for (const char* command : {"new", "info", "export", "import", "resave", "settings", "read", "write",
                                "simulate", "ports"}) {
        const auto result = RunCli({command, "--help"});
        EXPECT_EQ(result.code, cli::kExitOk) << command;
        EXPECT_NE(result.out.find(command), std::string::npos) << command << ": " << result.out;
    }
    EXPECT_FALSE(std::filesystem::exists("--help"));
}
