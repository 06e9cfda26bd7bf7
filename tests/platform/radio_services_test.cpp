// The radio layer's settings store and message sink as the program and the
// command-line tool hand them in: the configuration store and the prompt.

// Project
#include "platform/prompt.h"
#include "platform/radio_services.h"
#include "platform/registry.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"
#include "support/temp_config.h"

// Test framework
#include <gtest/gtest.h>

namespace {

constexpr const char* kSettingsKeyPath = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

TEST(RadioServices, SettingFolderValuesLiveUnderTheSettingsKey)
{
    test_support::TempConfigHome home;
    radio::SettingsStore& store = platform::RegistrySettings();

    radio::RememberSavedSettingFile(store, "/home/op/radio files/mobile.rsf");
    EXPECT_EQ(platform::Registry::GetString(kSettingsKeyPath, "SettingDir"), "/home/op/radio files");
    EXPECT_EQ(platform::Registry::GetString(kSettingsKeyPath, "Current Setting File"), "mobile.rsf");
    EXPECT_FALSE(platform::Registry::GetString(platform::kAppKey, "SettingDir").has_value());

    platform::Registry::SetString(kSettingsKeyPath, "Current Setting File", "home.rsf");
    const radio::SettingsLocation stored = radio::StoredSettingsLocation(store);
    EXPECT_EQ(stored.dir, "/home/op/radio files");
    EXPECT_EQ(stored.currentFile, "home.rsf");
}

TEST(RadioServices, MissingValuesReadAsAbsent)
{
    test_support::TempConfigHome home;
    EXPECT_FALSE(platform::RegistrySettings().GetString("SettingDir").has_value());
    EXPECT_EQ(radio::StoredSettingsLocation(platform::RegistrySettings()).dir, "");
}

TEST(RadioServices, FailuresReachThePromptAsErrors)
{
    test_support::TempDir dir;
    platform::RecordingPrompt prompt;
    radio::SettingsRecord record;
    const std::string path = dir.path() + "/none.rsf";

    EXPECT_FALSE(radio::ReadSettingsFile(path, record, platform::PromptMessages()));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Cannot open file:\n" + path);
    EXPECT_EQ(prompt.shown[0].caption, "Error");
    EXPECT_EQ(prompt.shown[0].icon, platform::Icon::Error);
    EXPECT_EQ(prompt.shown[0].buttons, platform::Buttons::Ok);
}

} // namespace
