// Project
#include "radio/settings_text.h"

// Test framework
#include <gtest/gtest.h>

// Standard library
#include <string>
#include <vector>

namespace {

radio::SettingsBlock FilledBlock(std::uint8_t value)
{
    radio::SettingsBlock block;
    block.fill(value);
    return block;
}

std::vector<int> CwIdBytes(const radio::SettingsBlock& block)
{
    return std::vector<int>(block.begin() + 16, block.begin() + 22);
}

TEST(CwIdText, ShortTextIsPaddedAndReadsBack)
{
    radio::SettingsBlock block = FilledBlock(0);
    ASSERT_TRUE(radio::StoreCwId("AB1", block));
    EXPECT_EQ((std::vector<int>{10, 11, 1, 0xFF, 0xFF, 0xFF}), CwIdBytes(block));
    EXPECT_EQ("AB1", radio::CwIdFromBlock(block));

    ASSERT_TRUE(radio::StoreCwId("k7 /_@", block)); // lower case taken as capitals; punctuation has codes
    EXPECT_EQ((std::vector<int>{20, 7, 36, 51, 63, 58}), CwIdBytes(block));
    EXPECT_EQ("K7 /_@", radio::CwIdFromBlock(block));
}

TEST(CwIdText, ReadingStopsAtFirstEndByteAndMasksCodes)
{
    radio::SettingsBlock block = FilledBlock(0xFF);
    EXPECT_EQ("", radio::CwIdFromBlock(block));
    block[16] = 0x40 | 12; // high bits are ignored
    block[17] = 0xFF;
    block[18] = 3;
    EXPECT_EQ("C", radio::CwIdFromBlock(block));
}

TEST(CwIdText, EmptyKeepsBytesAndUnknownOrLongTextIsRefused)
{
    radio::SettingsBlock block = FilledBlock(0);
    ASSERT_TRUE(radio::StoreCwId("XY", block));
    const radio::SettingsBlock stored = block;
    EXPECT_TRUE(radio::StoreCwId("", block));
    EXPECT_EQ(stored, block);
    for (const std::string& bad :
         std::vector<std::string>{"ABCDEFG", "A~", "\xE9", std::string("A\0B", 3), "a.b"}) {
        EXPECT_FALSE(radio::IsValidCwId(bad)) << bad;
        EXPECT_FALSE(radio::StoreCwId(bad, block)) << bad;
        EXPECT_EQ(stored, block) << bad;
    }
}

TEST(DtmfText, KeysMapEAndFAndRefuseTheRest)
{
    EXPECT_EQ('*', radio::DtmfKey('E'));
    EXPECT_EQ('#', radio::DtmfKey('f'));
    EXPECT_EQ('B', radio::DtmfKey('b'));
    EXPECT_EQ('0', radio::DtmfKey('0'));
    EXPECT_EQ('#', radio::DtmfKey('#'));
    for (const char bad : {'G', 'x', ' ', '+', '\0'})
        EXPECT_FALSE(radio::DtmfKey(bad).has_value()) << int(bad);
}

TEST(DtmfText, MemoriesRoundTripAndEndWithFF)
{
    radio::SettingsBlock block = FilledBlock(0x55);
    ASSERT_TRUE(radio::StoreDtmfMemory("12AE#f", 3, block));
    const std::size_t at = 22 + 3 * 16;
    const std::vector<int> expected{1, 2, 10, 14, 15, 15, 0xFF, 0x55};
    EXPECT_EQ(expected, std::vector<int>(block.begin() + at, block.begin() + at + 8));
    EXPECT_EQ("12A*##", radio::DtmfMemoryText(block, 3));
    EXPECT_EQ(0x55, block[at - 1]) << "memory 2 untouched";

    ASSERT_TRUE(radio::StoreDtmfMemory("0123456789ABCD*#", 15, block));
    EXPECT_EQ("0123456789ABCD*#", radio::DtmfMemoryText(block, 15)); // full: no end byte needed

    const radio::SettingsBlock before = block;
    EXPECT_FALSE(radio::StoreDtmfMemory("01234567890123456", 0, block));
    EXPECT_FALSE(radio::StoreDtmfMemory("12G", 0, block));
    EXPECT_FALSE(radio::StoreDtmfMemory("1", 16, block));
    EXPECT_EQ(before, block);
    EXPECT_EQ("", radio::DtmfMemoryText(block, -1));
}

} // namespace
