#include "portkit/core/log_file.h"

#include "support/temp_config.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

using portkit::LogFile;

namespace {

// Runs each test with a fresh state folder, with logging off.
class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = LogFile::Instance();
        ASSERT_NE(log, nullptr);
    }
    void TearDown() override
    {
        if (LogFile::IsLogging())
            log->Stop();
    }

    std::string Contents() const
    {
        std::ifstream in(LogPath(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string LogPath() const { return dir_.path() + "/Quillon/Debug.log"; }
    bool LogExists() const { return std::filesystem::exists(LogPath()); }

    LogFile* log = nullptr;
    test_support::TempDir dir_;

private:
    test_support::ScopedEnv state_{"XDG_STATE_HOME", dir_.path()};
};

TEST_F(LogFileTest, NothingIsWrittenWhileOff)
{
    EXPECT_EQ(LogFile::Instance(), log);
    EXPECT_FALSE(LogFile::IsLogging());
    log->MessageF("%d items", 3);
    log->StringData("label", "data");
    EXPECT_FALSE(LogExists());
}

TEST_F(LogFileTest, PeriodsAppendLinesEndedByCrLf)
{
    log->Start();
    EXPECT_TRUE(LogFile::IsLogging());
    log->MessageF("%d items", 3);
    log->StringData("label", nullptr);
    log->Stop();
    EXPECT_FALSE(LogFile::IsLogging());
    log->MessageF("while off");
    log->Start();
    log->MessageF("second");
    log->Stop();

    const std::string started = R"(Log File started \d\d/\d\d/\d\d \d\d:\d\d:\d\d\r\n)";
    const std::string ended = "Log File ended ==============\r\n";
    const std::regex expected(started + "3 items\r\nlabel\r\n\r\n" + ended + started + "second\r\n" + ended);
    EXPECT_TRUE(std::regex_match(Contents(), expected)) << Contents();
}

TEST_F(LogFileTest, LogGoesToTheStateFolderWhichIsMadeOnStart)
{
    const std::string current = std::filesystem::current_path().string();
    log->Start();
    log->Stop();
    EXPECT_EQ(LogFile::Path(), dir_.path() + "/Quillon/Debug.log");
    EXPECT_TRUE(LogExists());
    EXPECT_FALSE(std::filesystem::exists(current + "/Debug.log"));

    const test_support::ScopedEnv unset("XDG_STATE_HOME", "");
    const test_support::ScopedEnv home("HOME", "/home/radio");
    EXPECT_EQ(LogFile::Path(), "/home/radio/.local/state/Quillon/Debug.log");
}

TEST_F(LogFileTest, LongMessagesAreCutAtTheBuffer)
{
    const std::string longText(5000, 'x');
    log->Start();
    log->MessageF("%s", longText.c_str());
    log->Stop();
    const std::string text = Contents();
    const std::string line = std::string(LogFile::kBufferSize - 1, 'x') + "\r\n";
    EXPECT_NE(text.find(line), std::string::npos);
    EXPECT_EQ(text.find(std::string(LogFile::kBufferSize, 'x')), std::string::npos);
}

TEST_F(LogFileTest, UnopenableLogLeavesLoggingOff)
{
    std::ofstream(dir_.path() + "/Quillon") << "a file where the folder belongs";
    log->Start();
    EXPECT_FALSE(LogFile::IsLogging());
    log->MessageF("dropped");
}

} // namespace
