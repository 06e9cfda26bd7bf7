// Project
#include "radio/settings_record.h"

// Test framework
#include <gtest/gtest.h>

// Standard library
#include <cstring>
#include <random>

namespace {

radio::RadioImage RandomImage(unsigned seed)
{
    std::mt19937 random(seed);
    radio::RadioImage image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

TEST(SettingsRecord, HeaderFieldsAreWrittenLittleEndianWithPaddedName)
{
    radio::SettingsRecord record;
    record.Raw().fill(0xAA);
    record.SetHeaderFields();
    const auto& raw = record.Raw();
    const std::uint8_t expected[16] = {'R', 'S', 'F', 0, '6', '3', '1', '0', 1, 0, 0, 0, 0x66, 0x01, 0, 0};
    EXPECT_EQ(0, std::memcmp(raw.data(), expected, sizeof expected));
    EXPECT_EQ("Yaesu Ostrel", record.RadioName());
    for (std::size_t i = radio::rsf::kRadioName + 12; i < radio::rsf::kBlock; ++i)
        EXPECT_EQ(0, raw[i]) << "name field byte " << i;
    EXPECT_EQ(0xAA, raw[radio::rsf::kBlock]) << "the block is not part of the header";
}

TEST(SettingsRecord, RadioNameWithoutTerminatorStopsAtFieldEnd)
{
    radio::SettingsRecord record;
    record.Raw().fill('x');
    EXPECT_EQ(std::string(64, 'x'), record.RadioName());
}

TEST(SettingsRecord, MergeCopiesTheThreeRangesAndNothingElse)
{
    const radio::RadioImage original = RandomImage(1);
    radio::RadioImage image = original;
    radio::SettingsBlock block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i);

    radio::MergeSettingsIntoImage(block, image);

    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(block[i], image[56 + i]);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(block[16 + i], image[578 + i]);
    for (std::size_t i = 0; i < 256; ++i)
        EXPECT_EQ(block[22 + i], image[200 + i]);
    std::size_t changedOutside = 0;
    for (std::size_t i = 0; i < image.size(); ++i) {
        const bool inside = (i >= 56 && i < 72) || (i >= 578 && i < 584) || (i >= 200 && i < 456);
        if (!inside && image[i] != original[i])
            ++changedOutside;
    }
    EXPECT_EQ(0u, changedOutside);
}

TEST(SettingsRecord, CopyFromImageAndMergeBackRoundTrip)
{
    const radio::RadioImage source = RandomImage(2);
    const radio::SettingsRecord record = radio::SettingsRecordFromImage(source);
    EXPECT_EQ(radio::kSettingsMagic, record.Magic());
    EXPECT_EQ("6310", record.Identifier());
    EXPECT_EQ(1u, record.Version());
    EXPECT_EQ(358u, record.Size());

    radio::RadioImage target = RandomImage(3);
    radio::MergeSettingsIntoImage(record.Block(), target);
    const radio::SettingsRecord again = radio::SettingsRecordFromImage(target);
    EXPECT_EQ(record, again);
}

} // namespace
