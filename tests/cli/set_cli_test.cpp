// ostrel-cli set: channels changed through the typed rules, the refused ones
// listed, and the exit codes.

#include "cli/commands.h"

// test
#include <gtest/gtest.h>

// project
#include "radio/channel_record.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using test_support::ReadBytes;
using test_support::RunCli;

class SetCli : public ::testing::Test {
protected:
    SetCli()
    {
        radio::CMainDoc doc('.');
        doc.OnNewDocument();
        const std::int32_t rx[] = {146520000, 433000000, 446000000};
        for (int row = 0; row < 3; ++row) {
            std::uint8_t* record = doc.Image().data() + radio::ChannelOffset(row);
            radio::SetField(record, radio::ChannelField::InUse, 1);
            radio::SetField(record, radio::ChannelField::Receive, rx[row]);
            radio::SetField(record, radio::ChannelField::Transmit, rx[row]);
        }
        doc.Save(Path("a.rdf"));
        // Settled as the program saves it, so a set that changes nothing keeps every byte.
        EXPECT_EQ(RunCli({"resave", Path("a.rdf")}).code, cli::kExitOk);
    }
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }
    std::int32_t Field(const std::string& file, int row, radio::ChannelField field)
    {
        radio::CMainDoc doc('.');
        EXPECT_TRUE(doc.Load(file)) << doc.ErrorText();
        return static_cast<std::int32_t>(radio::GetField(doc.Image().data() + radio::ChannelOffset(row), field));
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
};

TEST_F(SetCli, ValuesGoThroughTheTypedRules)
{
    const auto r = RunCli({"set", Path("a.rdf"), "all", "rec=146.94", "Tone Mode=Enc", "-o", Path("b.rdf")});
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out, "Receive Frequency: Filled 3 rows\nTone Mode: Filled 3 rows\n");
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Field(Path("b.rdf"), row, radio::ChannelField::Receive), 146940000) << row;
        EXPECT_EQ(Field(Path("b.rdf"), row, radio::ChannelField::Transmit), 146340000) << row;
        EXPECT_EQ(Field(Path("b.rdf"), row, radio::ChannelField::ToneMode), 1) << row;
    }
    EXPECT_EQ(Field(Path("b.rdf"), 3, radio::ChannelField::InUse), 0) << "an empty channel stays empty";
}

TEST_F(SetCli, RefusedRowsAreListedWithExitOneAndTheRestIsSaved)
{
    const auto before = ReadBytes(Path("a.rdf"));
    auto r = RunCli({"set", Path("a.rdf"), "1-2", "receive=830"});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "Memory 1: not a valid receive frequency\nMemory 2: not a valid receive frequency\n");
    EXPECT_EQ(ReadBytes(Path("a.rdf")), before) << "nothing taken, nothing changed";

    r = RunCli({"set", Path("a.rdf"), "2-3", "step=5 kHz", "name=rpt"});
    EXPECT_EQ(r.code, cli::kExitOk) << r.err;
    r = RunCli({"set", Path("a.rdf"), "1-3", "operating=FMN", "name=x~y"});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.out, "Operating Mode: Filled 0 rows; 3 refused (Memory 1, 2, 3: not one of the choices this row "
                     "offers)\nName: Filled 3 rows\n");
    ASSERT_EQ(RunCli({"export", Path("a.rdf"), Path("a.tab")}).code, cli::kExitOk);
    const auto text = ReadBytes(Path("a.tab"));
    EXPECT_NE(std::string(text.begin(), text.end()).find("\tXY\t"), std::string::npos) << "the name kept to its characters";
}

TEST_F(SetCli, WrongUsageExitsTwoAndLeavesTheFile)
{
    const auto before = ReadBytes(Path("a.rdf"));
    for (const char* memory : {"0", "1101", "5-2", "x", "3-"})
        EXPECT_EQ(RunCli({"set", Path("a.rdf"), memory, "name=A"}).code, cli::kExitUsage) << memory;
    for (const char* field : {"bogus=1", "bank=1", "name", "=1"})
        EXPECT_EQ(RunCli({"set", Path("a.rdf"), "1", field}).code, cli::kExitUsage) << field;
    EXPECT_EQ(RunCli({"set", Path("a.rdf"), "1"}).code, cli::kExitUsage);
    EXPECT_EQ(RunCli({"set", Path("missing.rdf"), "1", "name=A"}).code, cli::kExitFailed);
    EXPECT_EQ(ReadBytes(Path("a.rdf")), before);
}

} // namespace
