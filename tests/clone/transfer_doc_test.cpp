// What a good read does to the document, the registry and the state folder.

#include "clone/transfer_doc.h"

// std
#include <filesystem>

// gtest
#include <gtest/gtest.h>

// project
#include "clone/kept_reads.h"
#include "clone/sim/sim_radio.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/record_rules.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

namespace fs = std::filesystem;
constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

class AdoptedRead : public ::testing::Test {
protected:
    AdoptedRead() : state_("XDG_STATE_HOME", stateHome.path()) {}

    std::string StateFile(const std::string& name) const { return stateHome.path() + "/Quillon/" + name; }
    int KeptCount() const
    {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(stateHome.path() + "/Quillon"))
            count += entry.path().filename().string().starts_with("read-") ? 1 : 0;
        return count;
    }

    platform::RecordingPrompt prompt;
    test_support::TempConfigHome home;
    test_support::TempDir stateHome;

private:
    test_support::ScopedEnv state_;
};

// The read is the document's: every channel the radio sent with a frequency
// it can use is there, and the whole image is in the form the grids leave.
void ExpectReadAdopted(const radio::CMainDoc& doc, const transfer::Stream& stream)
{
    EXPECT_EQ(radio::FirstUnsettled(doc.Data()), "");
    for (int i = 0; i < radio::kChannelCount; ++i) {
        const std::uint8_t* sent = stream.data() + radio::ChannelOffset(i);
        const std::int32_t rx = radio::GetField(sent, radio::ChannelField::Receive);
        if (radio::GetField(sent, radio::ChannelField::InUse) == 0 || !radio::IsValidFrequency(rx))
            continue;
        const std::uint8_t* kept = doc.Image().data() + radio::ChannelOffset(i);
        EXPECT_EQ(radio::GetField(kept, radio::ChannelField::InUse), 1) << "channel " << i;
        EXPECT_EQ(radio::GetField(kept, radio::ChannelField::Receive), rx) << "channel " << i;
    }
}

TEST_F(AdoptedRead, BecomesTheDocumentWithoutCommentsAndIsKept)
{
    radio::CMainDoc doc{'.'};
    doc.OnNewDocument();
    doc.SetComment(3, "kept nowhere");
    const auto stream = transfer::sim::SampleImage(5);
    // 2026-12-08 10:11:12 local time.
    std::tm when{};
    when.tm_year = 126;
    when.tm_mon = 11;
    when.tm_mday = 8;
    when.tm_hour = 10;
    when.tm_min = 11;
    when.tm_sec = 12;
    when.tm_isdst = -1;
    const auto result = transfer::AdoptRead(doc, stream, std::mktime(&when));

    ExpectReadAdopted(doc, stream);
    EXPECT_EQ(doc.Comment(3), "");
    EXPECT_EQ(doc.SourceName(), "ReadRadio");
    EXPECT_TRUE(result.identityStored);
    EXPECT_EQ(platform::Registry::GetBinary(kKey, "Configuration"),
              std::vector<std::uint8_t>({'A', 'H', '0', '1', '6', '$', 'Q', '$'}));
    EXPECT_EQ(platform::Registry::GetDword(kKey, "Configuration1"), 0xB9u);

    EXPECT_EQ(result.keptError, "");
    EXPECT_TRUE(test_support::ReadBytes(StateFile("Debug.sys")) == test_support::Bytes(stream.begin(), stream.end()));
    EXPECT_EQ(test_support::ReadBytes(StateFile("Debug.rdf")).size(), 67205u);
    const auto kept = test_support::ReadBytes(StateFile("read-20261208-101112.rdf"));
    ASSERT_EQ(kept.size(), 67205u);
    radio::CMainDoc reopened{'.'};
    ASSERT_TRUE(reopened.Load(StateFile("read-20261208-101112.rdf")));
    EXPECT_EQ(reopened.SourceName(), "ReadRadio");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(AdoptedRead, OnlyTheNewestTwentyReadsAreKept)
{
    const auto stream = transfer::sim::SampleImage(5);
    radio::CMainDoc doc{'.'};
    doc.OnNewDocument();
    const std::time_t start = 1'800'000'000;
    for (int i = 0; i < 23; ++i)
        ASSERT_EQ(transfer::KeepReadCopies(stream, doc.Bytes(), start + 60 * i), "");
    EXPECT_EQ(KeptCount(), 20);
    EXPECT_FALSE(fs::exists(StateFile(transfer::KeptReadName(start + 60 * 2))));
    EXPECT_TRUE(fs::exists(StateFile(transfer::KeptReadName(start + 60 * 3))));
    EXPECT_TRUE(fs::exists(StateFile(transfer::KeptReadName(start + 60 * 22))));
}

// The list is newest first with each read's time and memories in use; the
// limit the user sets is stored, prunes at once and holds for later reads;
// only kept reads of the state folder can be deleted.
TEST_F(AdoptedRead, KeptReadsAreListedLimitedAndDeleted)
{
    const auto stream = transfer::sim::SampleImage(5);
    radio::CMainDoc doc{'.'};
    doc.OnNewDocument(); // the template: memory 1 in use
    const std::time_t start = 1'800'000'000;
    EXPECT_FALSE(transfer::NewestKeptRead().has_value());
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(transfer::KeepReadCopies(stream, doc.Bytes(), start + 60 * i), "");

    auto reads = transfer::ListKeptReads();
    ASSERT_EQ(reads.size(), 5u);
    EXPECT_EQ(reads[0].path, StateFile(transfer::KeptReadName(start + 240)));
    EXPECT_EQ(reads[0].when, start + 240);
    EXPECT_EQ(reads[4].when, start);
    EXPECT_EQ(reads[0].memoriesInUse, 1);
    EXPECT_EQ(transfer::NewestKeptRead()->path, reads[0].path);

    EXPECT_EQ(transfer::KeptReadLimit(), 20);
    EXPECT_FALSE(transfer::SetKeptReadLimit(0));
    ASSERT_TRUE(transfer::SetKeptReadLimit(3));
    EXPECT_EQ(platform::Registry::GetDword(kKey, "KeptReads"), 3u);
    EXPECT_EQ(KeptCount(), 3);
    ASSERT_EQ(transfer::KeepReadCopies(stream, doc.Bytes(), start + 600), "");
    EXPECT_EQ(KeptCount(), 3);
    EXPECT_EQ(transfer::ListKeptReads().back().when, start + 180);

    EXPECT_FALSE(transfer::DeleteKeptRead(StateFile("Debug.rdf")));
    test_support::WriteBytes(stateHome.path() + "/" + transfer::KeptReadName(start), {1});
    EXPECT_FALSE(transfer::DeleteKeptRead(stateHome.path() + "/" + transfer::KeptReadName(start)));
    EXPECT_TRUE(fs::exists(StateFile("Debug.rdf")));
    EXPECT_TRUE(transfer::DeleteKeptRead(StateFile(transfer::KeptReadName(start + 600))));
    EXPECT_EQ(transfer::NewestKeptRead()->when, start + 240);
}

TEST_F(AdoptedRead, AStateFolderThatCannotBeWrittenNeverFailsTheRead)
{
    test_support::WriteBytes(stateHome.path() + "/Quillon", {1, 2, 3}); // a file where the folder should be
    radio::CMainDoc doc{'.'};
    doc.OnNewDocument();
    const auto stream = transfer::sim::SampleImage(6);
    const auto result = transfer::AdoptRead(doc, stream, 0);
    EXPECT_NE(result.keptError, "");
    ExpectReadAdopted(doc, stream);
    EXPECT_EQ(doc.SourceName(), "ReadRadio");
}

TEST_F(AdoptedRead, ARegistryThatCannotBeWrittenIsReportedAndTheReadGoesOn)
{
    test_support::WriteBytes(home.path() + "/Quillon", {1}); // the store's folder cannot be made
    radio::CMainDoc doc{'.'};
    doc.OnNewDocument();
    const auto result = transfer::AdoptRead(doc, transfer::sim::SampleImage(6), 0);
    EXPECT_FALSE(result.identityStored);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Could not create the registry key.");
    EXPECT_EQ(prompt.shown[0].caption, "Ostrel Programmer");
    EXPECT_EQ(doc.SourceName(), "ReadRadio");
}

TEST(StateFolder, FollowsXdgStateHomeElseTheHomeFolder)
{
    {
        test_support::ScopedEnv state("XDG_STATE_HOME", "/some/state");
        EXPECT_EQ(transfer::StateDir(), "/some/state/Quillon");
    }
    test_support::ScopedEnv state("XDG_STATE_HOME", "");
    test_support::ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(transfer::StateDir(), "/home/someone/.local/state/Quillon");
}

} // namespace
