// The document and its radio data file: new, save, open (every accepted
// size, every refusal), repairs on open, comments, and saves that fail.

// std
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// system
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/channel_record.h"
#include "radio/hyper_area.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using namespace radio;
using test_support::Bytes;
using test_support::PutU32;
using test_support::ReadBytes;
using test_support::WriteBytes;

Bytes NewFileBytes()
{
    CMainDoc doc('.');
    auto bytes = doc.Bytes();
    return Bytes(bytes.begin(), bytes.end());
}

class DocumentFile : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir_.path() + "/" + name; }
    test_support::TempDir dir_;
};

TEST_F(DocumentFile, NewDocumentSavesAndReopensUnchanged)
{
    CMainDoc doc('.');
    EXPECT_EQ(doc.SourceName(), "NewFile");
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Save(Path("new.rdf"))) << doc.ErrorText();
    Bytes saved = ReadBytes(Path("new.rdf"));
    ASSERT_EQ(saved.size(), kRdfFileSize);
    EXPECT_EQ(std::memcmp(saved.data(), "RDF\0" "6310", 8), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(saved.data() + 16)), "Yaesu Ostrel");

    CMainDoc reopened('.');
    ASSERT_TRUE(reopened.Load(Path("new.rdf"))) << reopened.ErrorText();
    auto again = reopened.Bytes();
    EXPECT_TRUE(std::equal(again.begin(), again.end(), saved.begin()));
}

TEST_F(DocumentFile, OlderSizesOpenAndSaveInTheCurrentSize)
{
    struct Variant { std::uint32_t total; std::size_t body; int slots; };
    const Variant variants[] = {
        {64005, 63581, 1000}, {64008, 63584, 1000}, {64773, 64349, 1024}, {67208, 66781, 1100}, {67205, 66781, 1100},
    };
    for (const Variant& v : variants) {
        // Comments belong to channels: rows without one keep none.
        CMainDoc source('.');
        for (int row : {0, v.slots - 1}) {
            SetField(source.Image().data() + ChannelOffset(row), ChannelField::InUse, 1);
            SetField(source.Image().data() + ChannelOffset(row), ChannelField::Receive, 146520000);
        }
        source.SetComment(0, "first");
        source.SetComment(v.slots - 1, "last slot");
        auto full = source.Bytes();
        Bytes file(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(kRdfHeaderSize + v.body));
        PutU32(file, rdf::kTotalSizeAt, v.total);
        const std::string path = Path("old-" + std::to_string(v.total) + ".rdf");
        WriteBytes(path, file);

        CMainDoc doc('.');
        ASSERT_TRUE(doc.Load(path)) << v.total << ": " << doc.ErrorText();
        EXPECT_EQ(doc.Comment(0), "first");
        EXPECT_EQ(doc.Comment(v.slots - 1), "last slot");
        if (v.slots < kCommentSlots) {
            EXPECT_EQ(doc.Comment(kCommentSlots - 1), "");
        }
        ASSERT_TRUE(doc.Save(path));
        Bytes resaved = ReadBytes(path);
        ASSERT_EQ(resaved.size(), kRdfFileSize);
        const std::uint8_t size[4] = {0x85, 0x06, 0x01, 0x00}; // 67205, little-endian
        EXPECT_EQ(std::memcmp(resaved.data() + rdf::kTotalSizeAt, size, 4), 0);
    }
}

TEST_F(DocumentFile, LongerBodyIsReadOnlyUpToTheCurrentSize)
{
    Bytes file = NewFileBytes();
    PutU32(file, rdf::kTotalSizeAt, 67208);
    file.resize(file.size() + 5000, 0xEE);
    WriteBytes(Path("long.rdf"), file);
    CMainDoc doc('.');
    EXPECT_TRUE(doc.Load(Path("long.rdf"))) << doc.ErrorText();
}

TEST_F(DocumentFile, RefusalsGiveTheirTextsAndKeepTheDocument)
{
    Bytes good = NewFileBytes();
    struct Case { std::string name; Bytes bytes; std::string text; };
    std::vector<Case> cases;
    cases.push_back({"short.rdf", Bytes(good.begin(), good.begin() + 423), "Not a radio data file:\n" + Path("short.rdf")});
    Bytes magic = good;
    magic[0] = 'X';
    cases.push_back({"magic.rdf", magic, "Not a radio data file:\n" + Path("magic.rdf")});
    Bytes other = good;
    std::memcpy(other.data() + rdf::kIdentifierAt, "6100", 4);
    std::memset(other.data() + rdf::kRadioNameAt, 0, rdf::kRadioNameSize);
    std::memcpy(other.data() + rdf::kRadioNameAt, "Other Radio", 11);
    cases.push_back({"other.rdf", other, "Radio data file for different radio:\nOther Radio"});
    Bytes unterminated = other;
    std::memset(unterminated.data() + rdf::kRadioNameAt, 'N', rdf::kRadioNameSize + 30);
    cases.push_back({"name.rdf", unterminated, "Radio data file for different radio:\n" + std::string(40, 'N')});
    Bytes size = good;
    PutU32(size, rdf::kTotalSizeAt, 67206);
    cases.push_back({"size.rdf", size, "Radio data file has invalid header"});
    Bytes body(good.begin(), good.begin() + kRdfHeaderSize + 1000);
    cases.push_back({"body.rdf", body, "Radio data file has invalid format"});

    for (const Case& c : cases) {
        WriteBytes(Path(c.name), c.bytes);
        CMainDoc doc('.');
        doc.SetComment(5, "keep me");
        EXPECT_FALSE(doc.Load(Path(c.name)));
        EXPECT_EQ(doc.ErrorText(), c.text);
        EXPECT_EQ(doc.Comment(5), "keep me");
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(DocumentFile, UnreadablePathsNameThePathAndTheReason)
{
    ::mkdir(Path("folder.rdf").c_str(), 0755);
    ::mkfifo(Path("pipe.rdf").c_str(), 0644);
    for (const char* name : {"folder.rdf", "pipe.rdf", "missing.rdf"}) {
        CMainDoc doc('.');
        EXPECT_FALSE(doc.Load(Path(name)));
        EXPECT_NE(doc.ErrorText().find(Path(name)), std::string::npos) << doc.ErrorText();
        EXPECT_GT(doc.ErrorText().size(), Path(name).size() + 20) << doc.ErrorText();
    }
}

TEST_F(DocumentFile, OpenRepairsHyperMemoriesAndClearsReservedHeaderBytes)
{
    // Not the active Hyper Memory: the open takes the radio's current state into that one.
    CMainDoc source('.');
    const int hyper = (ActiveHyperArea(source.Image()) + 1) % kHyperCount;
    std::uint8_t* area = source.Image().data() + HyperAreaOffset(hyper);
    SetBankLink(area, 2, true);
    area[offs::kHyperSettings + 13] = 0xE1;
    Bytes file;
    auto bytes = source.Bytes();
    file.assign(bytes.begin(), bytes.end());
    std::memset(file.data() + rdf::kClearedAt, 0x77, rdf::kClearedSize);
    WriteBytes(Path("repair.rdf"), file);

    CMainDoc doc('.');
    ASSERT_TRUE(doc.Load(Path("repair.rdf")));
    const std::uint8_t* loaded = doc.Image().data() + HyperAreaOffset(hyper);
    EXPECT_FALSE(BankLink(loaded, 2));
    EXPECT_EQ(loaded[offs::kHyperSettings + 13], 0x01);
    for (std::size_t i = 0; i < rdf::kClearedSize; ++i)
        EXPECT_EQ(doc.Data().header[rdf::kClearedAt + i], 0);
}

TEST(DocumentState, CommentsAndSourceName)
{
    CMainDoc doc('.');
    doc.SetComment(3, "");
    EXPECT_FALSE(doc.IsModified());
    doc.SetComment(3, std::string(40, 'x'));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Comment(3), std::string(30, 'x'));
    doc.MarkClean();
    doc.SetComment(3, std::string(35, 'x')); // the same once cut
    EXPECT_FALSE(doc.IsModified());
    doc.SetComment(1100, "out of range");
    doc.SetComment(-1, "out of range");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Comment(1100), "");

    doc.SetSourceName("mine.rsf");
    EXPECT_EQ(doc.SourceName(), "mine.rsf");
    doc.SetSourceName(std::string(300, 'a'));
    EXPECT_EQ(doc.SourceName().size(), 255u);
    doc.OnNewDocument();
    EXPECT_EQ(doc.SourceName(), "NewFile");
    EXPECT_EQ(doc.Comment(3), "");
}

TEST_F(DocumentFile, FailedSaveIntoMissingFolderReportsAndStaysModified)
{
    CMainDoc doc('.');
    doc.SetComment(0, "edit");
    EXPECT_FALSE(doc.Save(Path("no/such/folder.rdf")));
    EXPECT_EQ(doc.ErrorText().rfind("Cannot create file:\n" + Path("no/such/folder.rdf"), 0), 0u) << doc.ErrorText();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentFile, SaveKeepsPermissionsAndFollowsLinks)
{
    WriteBytes(Path("target.rdf"), Bytes(10, 1));
    ::chmod(Path("target.rdf").c_str(), 0640);
    ::symlink("target.rdf", Path("link.rdf").c_str());
    CMainDoc doc('.');
    ASSERT_TRUE(doc.Save(Path("link.rdf"))) << doc.ErrorText();
    struct stat info {};
    ASSERT_EQ(::lstat(Path("link.rdf").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::stat(Path("target.rdf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadBytes(Path("target.rdf")).size(), kRdfFileSize);
}

TEST_F(DocumentFile, SaveOntoAReadOnlyFileIsRefusedAndKeepsIt)
{
    WriteBytes(Path("locked.rdf"), Bytes(10, 7));
    ::chmod(Path("locked.rdf").c_str(), 0444);
    CMainDoc doc('.');
    EXPECT_FALSE(doc.Save(Path("locked.rdf")));
    EXPECT_EQ(doc.ErrorText(), "Cannot create file:\n" + Path("locked.rdf") + "\nPermission denied");
    EXPECT_EQ(ReadBytes(Path("locked.rdf")), Bytes(10, 7));
    struct stat info {};
    ASSERT_EQ(::stat(Path("locked.rdf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
}

// A small tmpfs stands in for a full disk; skipped where mounting is not allowed.
TEST_F(DocumentFile, SaveOntoAFullDiskLeavesTheOldFileIntact)
{
    const std::string mountPoint = Path("full");
    ::mkdir(mountPoint.c_str(), 0755);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    const std::string target = mountPoint + "/radio.rdf";
    const Bytes old(5000, 0x5A);
    WriteBytes(target, old);

    CMainDoc doc('.');
    doc.SetComment(0, "unsaved");
    const bool saved = doc.Save(target);
    const Bytes after = ReadBytes(target);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(mountPoint))
        left.push_back(entry.path().filename().string());
    ::umount(mountPoint.c_str());

    EXPECT_FALSE(saved);
    EXPECT_EQ(doc.ErrorText().rfind("Error writing file:\n" + target, 0), 0u) << doc.ErrorText();
    EXPECT_EQ(after, old);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(left, std::vector<std::string>{"radio.rdf"});
}

} // namespace
