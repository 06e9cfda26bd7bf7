// Saves that never lose the old file: what a killed save leaves behind is
// cleared by the next one, and a read-only folder or a file on another
// filesystem reached through a link keeps the old file or replaces it whole.

// std
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

// system
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// gtest
#include <gtest/gtest.h>

// project
#include "platform/file_io.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using namespace platform;
using namespace radio;
using test_support::Bytes;
using test_support::ReadBytes;
using test_support::WriteBytes;

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The number of a process that has ended and been reaped.
pid_t DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class SafeSave : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }
    void TearDown() override { ::chmod(dir.path().c_str(), 0700); }

    test_support::TempDir dir;
};

TEST_F(SafeSave, TempFilesOfKilledSavesGoOnTheNextSaveAndLiveOnesStay)
{
    const std::string dead = ".ostrel-save-" + std::to_string(DeadPid()) + "-a1B2c3";
    WriteBytes(Path(dead), Bytes(100, 1));
    // A save still running in another process (here: this test's parent) holds its lock.
    const std::string live = ".ostrel-save-" + std::to_string(::getppid()) + "-x9Y8z7";
    WriteBytes(Path(live), Bytes(100, 2));
    const int liveFd = ::open(Path(live).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);
    // A dead process's name but a lock still held (a process in another pid namespace).
    const std::string locked = ".ostrel-save-" + std::to_string(DeadPid()) + "-q0w9e8";
    WriteBytes(Path(locked), Bytes(100, 3));
    const int lockedFd = ::open(Path(locked).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lockedFd, LOCK_EX), 0);
    // Names that only look alike are the user's own.
    WriteBytes(Path(".ostrel-save-notes"), Bytes(1, 4));
    WriteBytes(Path(".ostrel-save-1-"), Bytes(1, 5));

    const Bytes data(300, 0x42);
    ASSERT_TRUE(ReplaceFile(Path("radio.rdf"), data.data(), data.size()).ok());
    ::close(liveFd);
    ::close(lockedFd);

    const std::vector<std::string> expected = {".ostrel-save-1-", ".ostrel-save-notes", live, locked,
                                               "radio.rdf"};
    std::vector<std::string> sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Names(dir.path()), sorted);
    EXPECT_EQ(ReadBytes(Path("radio.rdf")), data);
}

TEST_F(SafeSave, OldStyleTempFilesGoOnlyOnceTheyAreTenMinutesOld)
{
    // Earlier versions named temporary files ".ostrel-save-XXXXXX" without the process.
    const auto age = [&](const std::string& name, long seconds) {
        const struct timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, Path(name).c_str(), times, 0), 0);
    };
    WriteBytes(Path(".ostrel-save-Ab3dE9"), Bytes(100, 1));
    age(".ostrel-save-Ab3dE9", 3600);
    WriteBytes(Path(".ostrel-save-Zz0yY1"), Bytes(100, 2)); // a save of an older version, running now
    age(".ostrel-save-Zz0yY1", 5);
    WriteBytes(Path(".ostrel-save-old.rd"), Bytes(1, 3)); // not a temporary name: the user's own
    age(".ostrel-save-old.rd", 3600);

    const Bytes data(300, 0x42);
    ASSERT_TRUE(ReplaceFile(Path("radio.rdf"), data.data(), data.size()).ok());
    const std::vector<std::string> expected = {".ostrel-save-Zz0yY1", ".ostrel-save-old.rd", "radio.rdf"};
    EXPECT_EQ(Names(dir.path()), expected);
}

TEST_F(SafeSave, PipesAndLinksToThemAreWrittenIntoNotReplaced)
{
    // As with "ostrel-cli export FILE.rdf /dev/stdout": a link to a pipe.
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(Path("pipe").c_str(), Path("stdout").c_str()), 0);
    const int reader = ::open(Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    const Bytes data(300, 0x42);
    EXPECT_TRUE(ReplaceFile(Path("stdout"), data.data(), data.size()).ok());
    Bytes got(1000);
    const ssize_t n = ::read(reader, got.data(), got.size());
    ::close(reader);
    got.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    EXPECT_EQ(got, data);

    struct stat info {};
    ASSERT_EQ(::lstat(Path("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(::lstat(Path("stdout").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"pipe", "stdout"}));

    // A folder is refused by name, not replaced.
    ASSERT_EQ(::mkdir(Path("folder.rdf").c_str(), 0700), 0);
    const FileResult folder = ReplaceFile(Path("folder.rdf"), data.data(), data.size());
    EXPECT_EQ(folder.status, FileResult::CannotCreate);
    EXPECT_EQ(folder.Reason(), "Is a directory");
}

TEST_F(SafeSave, ReadOnlyFolderKeepsTheOldFileWithItsReason)
{
    WriteBytes(Path("radio.rdf"), Bytes(10, 7));
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    CMainDoc doc('.');
    doc.SetComment(0, "unsaved");
    EXPECT_FALSE(doc.Save(Path("radio.rdf")));
    EXPECT_EQ(doc.ErrorText(), "Cannot create file:\n" + Path("radio.rdf") + "\nPermission denied");
    EXPECT_TRUE(doc.IsModified());
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(ReadBytes(Path("radio.rdf")), Bytes(10, 7));
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"radio.rdf"});
}

// /dev/shm is a memory filesystem, so a link from the temporary folder to it
// crosses filesystems; a rename across them would fail.
class OtherFilesystem : public SafeSave {
protected:
    void SetUp() override
    {
        struct stat here {};
        struct stat there {};
        if (::stat(dir.path().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
            here.st_dev == there.st_dev)
            GTEST_SKIP() << "no second filesystem at /dev/shm";
        char name[] = "/dev/shm/ostrel-save-test-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        far = name;
        WriteBytes(far + "/radio.rdf", Bytes(10, 9));
        ::symlink((far + "/radio.rdf").c_str(), Path("link.rdf").c_str());
    }
    void TearDown() override
    {
        if (!far.empty()) {
            ::chmod(far.c_str(), 0700);
            std::filesystem::remove_all(far);
        }
        SafeSave::TearDown();
    }

    std::string far;
};

TEST_F(OtherFilesystem, SaveThroughALinkReplacesTheFarFileWhole)
{
    CMainDoc doc('.');
    ASSERT_TRUE(doc.Save(Path("link.rdf"))) << doc.ErrorText();
    struct stat info {};
    ASSERT_EQ(::lstat(Path("link.rdf").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(far + "/radio.rdf").size(), 67205u);
    EXPECT_EQ(Names(far), std::vector<std::string>{"radio.rdf"});
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"link.rdf"});
}

TEST_F(OtherFilesystem, ReadOnlyFarFolderKeepsTheFarFileAndNamesTheLink)
{
    ASSERT_EQ(::chmod(far.c_str(), 0555), 0);
    CMainDoc doc('.');
    EXPECT_FALSE(doc.Save(Path("link.rdf")));
    EXPECT_EQ(doc.ErrorText(), "Cannot create file:\n" + Path("link.rdf") + "\nPermission denied");
    EXPECT_EQ(ReadBytes(far + "/radio.rdf"), Bytes(10, 9));
    EXPECT_EQ(Names(far), std::vector<std::string>{"radio.rdf"});
}

} // namespace
