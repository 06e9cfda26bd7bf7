// Project
#include "radio/fake_services.h"
#include "radio/settings_file.h"
#include "support/temp_config.h"

// Test framework
#include <gtest/gtest.h>

// System
#include <sys/resource.h>

// Standard library
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

radio::SettingsRecord SampleRecord()
{
    radio::SettingsRecord record;
    record.SetHeaderFields();
    for (std::size_t i = 0; i < radio::kSettingsBlockSize; ++i)
        record.Block()[i] = static_cast<std::uint8_t>(i * 7);
    return record;
}

Bytes SampleBytes()
{
    const radio::SettingsRecord record = SampleRecord();
    return Bytes(record.Raw().begin(), record.Raw().end());
}

class SettingsFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    // Reads a file expected to be refused; the record must not change.
    std::string Refusal(const std::string& path)
    {
        radio::SettingsRecord record = SampleRecord();
        const radio::SettingsRecord before = record;
        EXPECT_FALSE(radio::ReadSettingsFile(path, record, messages));
        EXPECT_EQ(before, record) << "a refused file must leave the record alone";
        EXPECT_EQ(1u, messages.shown.size());
        if (messages.shown.empty())
            return {};
        const test_support::RecordingMessages::Shown message = messages.shown.back();
        EXPECT_EQ("Error", message.caption);
        messages.shown.clear();
        return message.text;
    }

    test_support::TempDir dir;
    test_support::RecordingMessages messages;
};

TEST_F(SettingsFileTest, WrittenFileReadsBackWithHeaderSet)
{
    radio::SettingsRecord record = SampleRecord();
    record.Raw()[0] = 0; // header fields are set by the write
    record.Raw()[20] = 'Z';
    const std::string path = Path("a.rsf");
    ASSERT_TRUE(radio::WriteSettingsFile(path, record, messages));
    EXPECT_EQ(SampleBytes(), ReadAll(path));

    radio::SettingsRecord read;
    ASSERT_TRUE(radio::ReadSettingsFile(path, read, messages));
    EXPECT_EQ(SampleRecord(), read);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(1u, std::distance(std::filesystem::directory_iterator(dir.path()), {})) << "no temporary left";
}

TEST_F(SettingsFileTest, LongerFileIsReadAsFarAsTheRecord)
{
    Bytes bytes = SampleBytes();
    bytes.resize(5000, 0x33);
    WriteBytes(Path("long.rsf"), bytes);
    radio::SettingsRecord read;
    EXPECT_TRUE(radio::ReadSettingsFile(Path("long.rsf"), read, messages));
    EXPECT_EQ(SampleRecord(), read);
}

TEST_F(SettingsFileTest, EachCheckHasItsMessage)
{
    EXPECT_EQ("Cannot open file:\n" + Path("missing.rsf"), Refusal(Path("missing.rsf")));
    EXPECT_EQ("Cannot open file:\n" + dir.path(), Refusal(dir.path()));

    Bytes bytes = SampleBytes();
    bytes.resize(79);
    WriteBytes(Path("short.rsf"), bytes);
    EXPECT_EQ("Not a radio data file:\n" + Path("short.rsf"), Refusal(Path("short.rsf")));

    bytes = SampleBytes();
    bytes[2] = 'X';
    WriteBytes(Path("magic.rsf"), bytes);
    EXPECT_EQ("Not a radio data file:\n" + Path("magic.rsf"), Refusal(Path("magic.rsf")));

    bytes = SampleBytes();
    bytes[7] = '1';
    const std::string other = "Other Radio 9000";
    std::copy(other.begin(), other.end(), bytes.begin() + 16);
    std::fill(bytes.begin() + 16 + other.size(), bytes.begin() + 80, 0);
    WriteBytes(Path("other.rsf"), bytes);
    EXPECT_EQ("Radio data file for different radio:\n" + other, Refusal(Path("other.rsf")));

    bytes = SampleBytes();
    bytes[12] = 0x67; // 359
    WriteBytes(Path("size.rsf"), bytes);
    EXPECT_EQ("Radio data file has invalid header", Refusal(Path("size.rsf")));

    bytes = SampleBytes();
    bytes.resize(357);
    WriteBytes(Path("cut.rsf"), bytes);
    EXPECT_EQ("Radio data file has invalid format", Refusal(Path("cut.rsf")));
}

TEST_F(SettingsFileTest, RandomFilesNeverCrash)
{
    std::mt19937 random(7);
    const Bytes good = SampleBytes();
    for (int round = 0; round < 300; ++round) {
        Bytes bytes = good;
        bytes.resize(random() % 400);
        for (int flips = static_cast<int>(random() % 4); flips > 0 && !bytes.empty(); --flips)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        WriteBytes(Path("fuzz.rsf"), bytes);
        radio::SettingsRecord record;
        const bool ok = radio::ReadSettingsFile(Path("fuzz.rsf"), record, messages);
        EXPECT_EQ(ok, messages.shown.empty());
        if (ok) {
            EXPECT_EQ(0, std::memcmp(record.Raw().data(), bytes.data(), radio::kSettingsRecordSize));
        }
        messages.shown.clear();
    }
}

TEST_F(SettingsFileTest, UncreatableTargetsAreReported)
{
    radio::SettingsRecord record = SampleRecord();
    // The target is a folder: nothing can be created in its place.
    std::filesystem::create_directory(Path("folder.rsf"));
    EXPECT_FALSE(radio::WriteSettingsFile(Path("folder.rsf"), record, messages));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.rsf")));

    const std::string nowhere = Path("missing/x.rsf");
    EXPECT_FALSE(radio::WriteSettingsFile(nowhere, record, messages));

    ASSERT_EQ(2u, messages.shown.size());
    EXPECT_EQ("Cannot create file:\n" + Path("folder.rsf"), messages.shown[0].text);
    EXPECT_EQ("Cannot create file:\n" + nowhere, messages.shown[1].text);
    EXPECT_EQ("Error", messages.shown[1].caption);
}

// A write cut short (here by a file size limit, as a full disk would) must
// leave the file it was to replace byte for byte as it was.
TEST_F(SettingsFileTest, ShortWriteLeavesOldFileAlone)
{
    const std::string path = Path("keep.rsf");
    WriteBytes(path, Bytes(358, 0x11));
    radio::SettingsRecord record = SampleRecord();

    rlimit old{};
    ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &old));
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 100;
    ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &tiny));
    const bool written = radio::WriteSettingsFile(path, record, messages);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Error writing file:\n" + path, messages.shown[0].text);
    EXPECT_EQ(Bytes(358, 0x11), ReadAll(path));
    EXPECT_EQ(1u, std::distance(std::filesystem::directory_iterator(dir.path()), {})) << "no temporary left";
}

} // namespace
