#include "platform/registry.h"
#include "support/temp_config.h"

#include <gtest/gtest.h>

using platform::Registry;

TEST(Registry, ValuesRoundTripAndKeepTheirKind)
{
    test_support::TempConfigHome home;
    const std::string key = platform::kSettingsKey;

    EXPECT_FALSE(Registry::GetDword(key, "comport").has_value());
    ASSERT_TRUE(Registry::SetDword(key, "comport", 7));
    ASSERT_TRUE(Registry::SetString(key, "SettingDir", "/home/op/radio files"));
    ASSERT_TRUE(Registry::SetBinary(key, "Configuration", {0x00, 0x41, 0xFF}));

    EXPECT_EQ(Registry::GetDword(key, "comport"), 7u);
    EXPECT_EQ(Registry::GetString(key, "SettingDir"), "/home/op/radio files");
    EXPECT_EQ(Registry::GetBinary(key, "Configuration"), (std::vector<std::uint8_t>{0x00, 0x41, 0xFF}));

    // A value of one kind does not read as another.
    EXPECT_FALSE(Registry::GetString(key, "comport").has_value());
    EXPECT_FALSE(Registry::GetDword(key, "SettingDir").has_value());

    // Other key paths are separate.
    EXPECT_FALSE(Registry::GetDword(platform::kAppKey, "comport").has_value());

    EXPECT_TRUE(Registry::DeleteValue(key, "comport"));
    EXPECT_FALSE(Registry::GetDword(key, "comport").has_value());
}

TEST(Registry, LivesUnderTheConfigHome)
{
    test_support::TempConfigHome home;
    EXPECT_EQ(Registry::FilePath(), home.path() + "/Quillon/registry.ini");
    Registry::SetString(platform::kSettingsKey, "Current Setting File", "a b=c;[d].rsf");
    EXPECT_EQ(Registry::GetString(platform::kSettingsKey, "Current Setting File"), "a b=c;[d].rsf");
}
