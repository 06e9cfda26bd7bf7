// Killing ostrel-cli with SIGKILL at random moments while it saves: the target
// is always the whole old file or the whole new file, and the next save leaves
// no temporary file behind. OSTREL_KILL_RUNS sets the number of kills (300
// when unset; tools/kill_save.sh runs more).

// std
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

// system
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// gtest
#include <gtest/gtest.h>

// project
#include "support/files.h"
#include "support/temp_config.h"

namespace {

using test_support::Bytes;
using test_support::ReadBytes;
using test_support::WriteBytes;
using Clock = std::chrono::steady_clock;

pid_t Start(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    std::string program = OSTREL_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (std::string& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return child;
}

int RunToEnd(const std::vector<std::string>& args)
{
    int status = 0;
    ::waitpid(Start(args), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int TempFiles(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().filename().string().rfind(".ostrel-save-", 0) == 0 ? 1 : 0;
    return count;
}

int KillRuns()
{
    const char* text = std::getenv("OSTREL_KILL_RUNS");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 300;
}

class KillDuringSave : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    // Restores `old` into `target`, starts `args`, kills it after a random
    // moment within its usual run time, and sorts what `target` holds then.
    void Hammer(const std::vector<std::string>& args, const std::string& target, const Bytes& old, const Bytes& fresh)
    {
        auto begin = Clock::now();
        for (int i = 0; i < 3; ++i) {
            WriteBytes(target, old);
            ASSERT_EQ(RunToEnd(args), 0);
        }
        const auto usual = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begin) / 3;
        ASSERT_EQ(ReadBytes(target), fresh);

        std::mt19937 random(20240611u);
        std::uniform_int_distribution<long> delay(0, usual.count());
        int oldFiles = 0;
        int newFiles = 0;
        int other = 0;
        int staleSeen = 0;
        const int runs = KillRuns();
        for (int i = 0; i < runs; ++i) {
            WriteBytes(target, old);
            const pid_t child = Start(args);
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const Bytes now = ReadBytes(target);
            oldFiles += now == old ? 1 : 0;
            newFiles += now == fresh ? 1 : 0;
            other += now != old && now != fresh ? 1 : 0;
            staleSeen += TempFiles(dir.path());
        }
        std::cout << "kills " << runs << ": old file " << oldFiles << ", new file " << newFiles << ", other " << other
                  << "; temporary files found before the next save " << staleSeen << '\n';
        EXPECT_EQ(other, 0);
        EXPECT_EQ(oldFiles + newFiles, runs);

        WriteBytes(target, old);
        ASSERT_EQ(RunToEnd(args), 0);
        EXPECT_EQ(ReadBytes(target), fresh);
        EXPECT_EQ(TempFiles(dir.path()), 0) << "the next save clears what killed saves left";
    }

    test_support::TempDir dir;
    test_support::TempConfigHome home;
};

TEST_F(KillDuringSave, ResaveLeavesTheOldOrTheNewFile)
{
    ASSERT_EQ(RunToEnd({"new", Path("source.rdf")}), 0);
    const Bytes fresh = ReadBytes(Path("source.rdf"));
    ASSERT_EQ(fresh.size(), 67205u);
    Bytes old = fresh;
    old[424 + 100] ^= 0xFF;
    old.back() = 'x';
    Hammer({"resave", Path("source.rdf"), "-o", Path("target.rdf")}, Path("target.rdf"), old, fresh);
}

TEST_F(KillDuringSave, SettingsSetLeavesTheOldOrTheNewFile)
{
    ASSERT_EQ(RunToEnd({"settings", "set", Path("radio.rsf"), "1124=Repeater"}), 0);
    const Bytes old = ReadBytes(Path("radio.rsf"));
    ASSERT_EQ(old.size(), 358u);
    ASSERT_EQ(RunToEnd({"settings", "set", Path("radio.rsf"), "1124=Low"}), 0);
    const Bytes fresh = ReadBytes(Path("radio.rsf"));
    ASSERT_NE(fresh, old);
    Hammer({"settings", "set", Path("radio.rsf"), "1124=Low"}, Path("radio.rsf"), old, fresh);
}

} // namespace
