#include "app/portkit_loader.h"

// project
#include "platform/prompt.h"
#include "platform/registry.h"
#include "portkit/portkit.h"
#include "support/temp_config.h"

// Qt
#include <QApplication>
#include <QTest>
#include <QTimer>

// std
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// The library is missing: the call that needed it names the library and the
// loader's reason, gets nothing, and the failure is reported once per command.
TEST(PortkitLoader, MissingLibraryIsReportedOncePerCommand)
{
    test_support::TempDir empty;
    app::PortkitLoader loader({empty.path() + "/Quillon/" PORTKIT_LIBRARY_FILE,
                               empty.path() + "/" PORTKIT_LIBRARY_FILE});
    platform::RecordingPrompt prompt;

    EXPECT_EQ(loader.Entry("portkit_setup_port"), nullptr);
    ASSERT_EQ(prompt.shown.size(), 1u);
    const std::string& text = prompt.shown[0].text;
    EXPECT_NE(text.find("libportkit.so.2 could not be loaded"), std::string::npos) << text;
    EXPECT_NE(text.find("No such file or directory"), std::string::npos) << text;
    EXPECT_EQ(prompt.shown[0].icon, platform::Icon::Error);
    EXPECT_FALSE(loader.IsLoaded());

    EXPECT_EQ(loader.Entry("portkit_get_reg_com_port"), nullptr);
    EXPECT_EQ(prompt.shown.size(), 1u);

    loader.ForgetFailure();
    EXPECT_EQ(loader.Entry("portkit_get_reg_com_port"), nullptr);
    EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST(PortkitLoader, FirstCandidateThatLoadsWinsAndUnknownEntriesAreReported)
{
    test_support::TempDir empty;
    app::PortkitLoader loader({empty.path() + "/" PORTKIT_LIBRARY_FILE, PORTKIT_TEST_LIBRARY});
    platform::RecordingPrompt prompt;
    EXPECT_NE(loader.Entry("portkit_interface_version"), nullptr);
    EXPECT_TRUE(loader.IsLoaded());
    EXPECT_TRUE(prompt.shown.empty());

    EXPECT_EQ(loader.Entry("portkit_no_such_entry"), nullptr);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_NE(prompt.shown[0].text.find("has no entry portkit_no_such_entry"), std::string::npos);
}

TEST(PortkitLoader, DefaultSearchLooksInTheCommonFilesFolderFirst)
{
    const auto candidates = app::DefaultPortkitCandidates();
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], app::CommonFilesDir() + "/Quillon/libportkit.so.2");
    EXPECT_EQ(candidates[1], "libportkit.so.2");
}

// The program's stubs reach the real library through the loader.
class PortkitStubs : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::PortkitLoader::Instance().SetCandidates({PORTKIT_TEST_LIBRARY});
    }
    test_support::TempConfigHome home_;
};

TEST_F(PortkitStubs, StoredPortIsReadThroughTheLibrary)
{
    EXPECT_EQ(GetRegComPort(platform::kSettingsKey), 0);
    platform::Registry::SetDword(platform::kSettingsKey, "comport", 7);
    EXPECT_EQ(GetRegComPort(platform::kSettingsKey), 7);
    EXPECT_EQ(GetRegComPort(nullptr), 0);
}

TEST_F(PortkitStubs, SerialObjectLivesInTheLibraryAndReportsThroughTheProgramPrompt)
{
    platform::RecordingPrompt prompt;
    test_support::TempDir ports;
    ::setenv("PORTKIT_PORT_DIR", ports.path().c_str(), 1);
    {
        CSerial serial;
        serial.SetPortNum(3);
        EXPECT_EQ(serial.GetPortNum(), 3);
        EXPECT_FALSE(serial.IsPortOpen());
        EXPECT_EQ(serial.GetOpenPortID(), nullptr);
        EXPECT_EQ(serial.ReadCommByte(), 0xFF);
        prompt.shown.clear();
        // COM3 exists neither as a link nor (normally) as /dev/ttyUSB2.
        if (!std::filesystem::exists("/dev/ttyUSB2")) {
            EXPECT_FALSE(serial.OpenPort(nullptr));
            ASSERT_FALSE(prompt.shown.empty());
            EXPECT_NE(prompt.shown[0].text.find("COM3"), std::string::npos) << prompt.shown[0].text;
        }
    }
    ::unsetenv("PORTKIT_PORT_DIR");
}

TEST(PortkitStubsMissing, SortAndImportReportTheLibraryAndDoNothing)
{
    if (app::PortkitLoader::Instance().IsLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded the library";
    test_support::TempDir empty;
    app::PortkitLoader::Instance().SetCandidates({empty.path() + "/" PORTKIT_LIBRARY_FILE});
    platform::RecordingPrompt prompt;
    SortOptions options{};
    options.nCount = 1;
    options.pszNames[0] = "Name";
    options.nOrder = 2;
    options.nFirstKey = 1;
    EXPECT_FALSE(Sort(nullptr, options));
    EXPECT_EQ(options.nOrder, 0);
    EXPECT_EQ(options.nFirstKey, 0);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_NE(prompt.shown[0].text.find("libportkit.so.2 could not be loaded"), std::string::npos);

    app::PortkitLoader::Instance().ForgetFailure();
    const ImportDataStruct data{nullptr, 0, 1, 1, 1};
    EXPECT_FALSE(ImportData(data, nullptr, nullptr, "/nonexistent.tab", nullptr));
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_NE(prompt.shown[1].text.find("libportkit.so.2 could not be loaded"), std::string::npos);
}

TEST_F(PortkitStubs, SortDialogShownByTheLibrary)
{
    SortOptions options{};
    const char* names[] = {"Channel", "Name", "Comment"};
    options.nCount = 3;
    for (int i = 0; i < 3; ++i)
        options.pszNames[i] = names[i];
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Sort");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(Sort(nullptr, options));
    EXPECT_EQ(options.nFirstKey, 1);
    EXPECT_EQ(options.nSecondKey, 0);
    EXPECT_EQ(options.nOrder, 1);
    EXPECT_EQ(options.nScope, 0);
}

TEST_F(PortkitStubs, ImportErrorReachesTheProgramPrompt)
{
    platform::RecordingPrompt prompt;
    const char* names[] = {"Name"};
    const int widths[] = {10};
    const ImportDataStruct data{nullptr, 1, 1, 10, 10};
    EXPECT_FALSE(ImportData(data, names, widths, "/nonexistent/list.csv", nullptr));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "An error occurred file tring to open the file: \n/nonexistent/list.csv");
    EXPECT_EQ(prompt.shown[0].caption, "Import Error");
}
