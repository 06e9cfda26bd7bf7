// Value encodings: frequency code and texts, offsets, directions, lists, names, tones.

// std
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/frequency.h"
#include "radio/lists.h"

namespace {

using namespace radio;

std::string Hex(const std::uint8_t* code)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02X %02X %02X", code[0], code[1], code[2]);
    return buffer;
}

TEST(FrequencyCode, EncodesKnownValues)
{
    std::uint8_t code[3];
    EncodeFrequency(146520000, code);
    EXPECT_EQ(Hex(code), "01 46 52");
    EncodeFrequency(145512500, code);
    EXPECT_EQ(Hex(code), "41 45 51");
    EncodeFrequency(430000000, code);
    EXPECT_EQ(Hex(code), "04 30 00");
    EncodeFrequency(999997500, code);
    EXPECT_EQ(Hex(code), "C9 99 99");
    // 6.25 kHz is no multiple of 2.5 kHz: stored as the 10 kHz step below.
    EncodeFrequency(446006250, code);
    EXPECT_EQ(DecodeFrequency(code), 446000000);
}

TEST(FrequencyCode, RoundTripsEveryQuarterStep)
{
    std::uint8_t code[3];
    for (std::int32_t f = 108000000; f <= 999997500; f += 997500) {
        EncodeFrequency(f, code);
        ASSERT_EQ(DecodeFrequency(code), f);
    }
    // Fraction bits other than 0, 4, 8, 12 read by their top two bits.
    const std::uint8_t odd[3] = {0x54, 0x30, 0x00};
    EXPECT_EQ(DecodeFrequency(odd), 430002500);
}

TEST(FrequencyText, FormatsWithTheSeparator)
{
    EXPECT_EQ(FormatFrequency(145500000, '.'), "145.50000");
    EXPECT_EQ(FormatFrequency(446006250, ','), "446,00625");
    EXPECT_EQ(FormatFrequency(1000000, '.'), "1.00000");
    EXPECT_EQ(FormatFrequency(500250, '.'), "500.250");
}

TEST(FrequencyText, Parses)
{
    EXPECT_EQ(ParseFrequency("145.5"), 145500000);
    EXPECT_EQ(ParseFrequency("145500"), 145500000);
    EXPECT_EQ(ParseFrequency("145"), 145000000);
    EXPECT_EQ(ParseFrequency("1455"), 1455000000);
    EXPECT_EQ(ParseFrequency("446,00625"), 446006250);
    EXPECT_EQ(ParseFrequency("600 kHz"), 600000);
    EXPECT_EQ(ParseFrequency("1.00 MHz"), 1000000);
    EXPECT_EQ(ParseFrequency("145.5  "), 145500000);
    EXPECT_EQ(ParseFrequency("145.12345678"), 145123456);
    EXPECT_EQ(ParseFrequency("-145.5"), 0);
    EXPECT_EQ(ParseFrequency(""), 0);
    EXPECT_EQ(ParseFrequency("abc"), 0);
    // Numbers beyond 32 bits are refused, not wrapped.
    EXPECT_EQ(ParseFrequency("5000"), 0);
    EXPECT_EQ(ParseFrequency("99999999999999999999"), 0);
    EXPECT_EQ(ParseFrequency("3000.5"), 0);
}

TEST(FrequencyText, OffsetEntriesParseToTheirValues)
{
    const std::int32_t expected[] = {100000, 500000, 600000, 1000000, 1600000, 3000000, 5000000, 7600000};
    auto entries = SplitList(lists::kOffset);
    ASSERT_EQ(entries.size(), 8u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(ParseOffsetEntry(entries[i]), expected[i]) << entries[i];
        EXPECT_EQ(OffsetListIndex(expected[i]), static_cast<int>(i));
    }
    EXPECT_EQ(OffsetListIndex(2000000), -1);
}

TEST(Validity, FrequencyBands)
{
    EXPECT_TRUE(IsValidFrequency(600000000));
    EXPECT_TRUE(IsValidFrequency(108000000));
    EXPECT_TRUE(IsValidFrequency(999995000));
    EXPECT_TRUE(IsValidFrequency(146006250));
    EXPECT_FALSE(IsValidFrequency(999996000));
    EXPECT_FALSE(IsValidFrequency(107995000));
    EXPECT_FALSE(IsValidFrequency(830000000));
    EXPECT_FALSE(IsValidFrequency(920000000));
    EXPECT_FALSE(IsValidFrequency(970000000));
    EXPECT_FALSE(IsValidFrequency(0));
    EXPECT_FALSE(IsValidFrequency(146001000));
    // Edges of the excluded ranges.
    EXPECT_TRUE(IsExcludedFrequency(824000000));
    EXPECT_FALSE(IsExcludedFrequency(849000000));
    EXPECT_FALSE(IsExcludedFrequency(914000000));
    EXPECT_TRUE(IsExcludedFrequency(869000000));
    EXPECT_FALSE(IsExcludedFrequency(894000000));
}

TEST(Validity, Offsets)
{
    EXPECT_TRUE(IsValidOffset(50000));
    EXPECT_TRUE(IsValidOffset(99900000));
    EXPECT_FALSE(IsValidOffset(99950000));
    EXPECT_FALSE(IsValidOffset(0));
    EXPECT_FALSE(IsValidOffset(625000));
}

TEST(OffsetText, ListEntryOrFourDigits)
{
    EXPECT_EQ(FormatOffset(600000, ','), "600 kHz");
    EXPECT_EQ(FormatOffset(2000000, ','), "2,0000");
    EXPECT_EQ(FormatOffset(1050000, '.'), "1.0500");
    EXPECT_EQ(FormatOffset(DefaultOffset(446000000), '.'), "5.00 MHz");
    EXPECT_EQ(FormatOffset(DefaultOffset(460000000), '.'), "0.0000");
}

TEST(Defaults, OffsetAndDirectionByFrequency)
{
    EXPECT_EQ(DefaultOffset(54990000), 0);
    EXPECT_EQ(DefaultOffset(146000000), 600000);
    EXPECT_EQ(DefaultOffset(222000000), 1600000);
    EXPECT_EQ(DefaultOffset(440000000), 5000000);
    EXPECT_EQ(DefaultOffset(450000000), 0);

    struct Case { std::int32_t f; int direction; };
    const Case cases[] = {
        {145100000, kMinus}, {145500000, kMinus}, {145510000, kSimplex}, {146000000, kPlus},
        {146400000, kPlus},  {146600000, kMinus}, {147000000, kPlus},    {147400000, kSimplex},
        {148000000, kMinus}, {222150000, kPlus},  {223380000, kPlus},    {223750000, kMinus},
        {224980000, kSimplex}, {439995000, kSimplex}, {440000000, kPlus}, {445000000, kPlus},
        {446000000, kMinus}, {450000000, kMinus}, {450005000, kSimplex},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutomaticDirection(c.f), c.direction) << c.f;
}

TEST(Defaults, TransmitFrequency)
{
    int direction = kSplit;
    EXPECT_EQ(TransmitFrequency(146940000, direction, 600000, true), -1);
    direction = kMinus;
    EXPECT_EQ(TransmitFrequency(146940000, direction, 600000, false), 146340000);
    direction = kPlus;
    EXPECT_EQ(TransmitFrequency(146940000, direction, 600000, false), 147540000);
    direction = 1;
    EXPECT_EQ(TransmitFrequency(146940000, direction, 600000, false), -1);
    direction = kSimplex;
    EXPECT_EQ(TransmitFrequency(442000000, direction, 0, true), 447000000);
    EXPECT_EQ(direction, kPlus);
}

TEST(Defaults, DirectionAndOffset)
{
    int direction = -1;
    EXPECT_EQ(DirectionAndOffset(146940000, direction, 146340000), 600000);
    EXPECT_EQ(direction, kMinus);
    EXPECT_EQ(DirectionAndOffset(146940000, direction, 146945000), 600000);
    EXPECT_EQ(direction, kSplit);
    EXPECT_EQ(DirectionAndOffset(146940000, direction, 146940000), 600000);
    EXPECT_EQ(direction, kSimplex);
    EXPECT_EQ(DirectionAndOffset(440000000, direction, 445000000), 5000000);
    EXPECT_EQ(direction, kPlus);
    EXPECT_EQ(DirectionAndOffset(108000000, direction, 999990000), 600000);
    EXPECT_EQ(direction, kSplit);
}

TEST(Lists, StepMappingAgreesWithTheListShown)
{
    // Below 700 MHz the index is the code.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(StepIndexToCode(i, 146000000), i);
        EXPECT_EQ(StepCodeToIndex(i, 146000000), i);
    }
    // From 700 MHz: the six-entry list, codes 1, 2, 4..7; and at 700 MHz itself
    // the list shown and the mapping agree.
    EXPECT_TRUE(UsesHighStepList(700000000));
    EXPECT_FALSE(UsesHighStepList(699995000));
    const int codes[] = {1, 2, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(StepIndexToCode(i, 850000000), codes[i]);
        EXPECT_EQ(StepCodeToIndex(codes[i], 850000000), i);
    }
    EXPECT_EQ(SplitList(lists::kStepHigh).size(), 6u);
    EXPECT_EQ(StepCodeToIndex(0, 850000000), 0);
    EXPECT_EQ(StepIndexToCode(6, 850000000), 0);
    EXPECT_EQ(StepIndexToCode(-1, 146000000), 0);
}

TEST(Lists, ModeAndDirection)
{
    EXPECT_EQ(ModeIndexToBit(1, 146000000), 1);
    EXPECT_EQ(ModeIndexToBit(4, 146000000), 0);
    EXPECT_EQ(ModeIndexToBit(0, 29700000), 1);
    EXPECT_EQ(ModeBitToIndex(1, 29700000), 0);
    EXPECT_EQ(ModeBitToIndex(1, 29710000), 1);
    const int codes[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DirectionIndexToCode(i), codes[i]);
        EXPECT_EQ(DirectionCodeToIndex(codes[i]), i);
    }
    EXPECT_EQ(DirectionCodeToIndex(1), -1);
    EXPECT_EQ(DirectionIndexToCode(7), 0);
}

TEST(Lists, ToneTablesAndTexts)
{
    EXPECT_EQ(SplitList(CtcssListText(',')).size(), 50u);
    EXPECT_EQ(SplitList(CtcssListText(',')).front(), "67,0");
    EXPECT_EQ(SplitList(CtcssListText('.'))[49], "254.1");
    auto dcs = SplitList(DcsListText());
    ASSERT_EQ(dcs.size(), 104u);
    EXPECT_EQ(dcs.front(), "023");
    EXPECT_EQ(dcs.back(), "754");

    EXPECT_EQ(CtcssIndexFromText("88.5"), 8);
    EXPECT_EQ(CtcssIndexFromText("100"), 12);
    EXPECT_EQ(CtcssIndexFromText("254.1"), 49);
    EXPECT_EQ(CtcssIndexFromText("67,0"), 0);
    EXPECT_EQ(CtcssIndexFromText("88.4"), -1);
    EXPECT_EQ(CtcssIndexFromText("-5"), -1);
    EXPECT_EQ(DcsIndexFromText("023"), 0);
    EXPECT_EQ(DcsIndexFromText("754"), 103);
    EXPECT_EQ(DcsIndexFromText("999"), 0);
}

TEST(Names, EncodeDecode)
{
    std::uint8_t codes[6];
    EncodeName("AB1", codes);
    const std::uint8_t ab1[6] = {10, 11, 1, 36, 36, 36};
    EXPECT_TRUE(std::equal(codes, codes + 6, ab1));
    EXPECT_EQ(DecodeName(codes), "AB1");

    EncodeName("", codes);
    EXPECT_TRUE(std::all_of(codes, codes + 6, [](std::uint8_t c) { return c == 0; }));

    // Every character of the set survives a round trip, and codes are their positions.
    const std::string charset = kNameCharset;
    ASSERT_EQ(charset.size(), 64u);
    for (std::size_t i = 0; i + 6 <= charset.size(); i += 6) {
        std::string name = charset.substr(i, 6);
        EncodeName(name, codes);
        EXPECT_EQ(codes[0], i);
        std::string back = DecodeName(codes);
        EXPECT_EQ(back, name.substr(0, name.find_last_not_of(' ') + 1));
    }
    // Too long, lower case and unknown characters.
    EncodeName("abcdefgh", codes);
    EXPECT_EQ(DecodeName(codes), "ABCDEF");
    EncodeName("A~B", codes);
    EXPECT_EQ(DecodeName(codes), "A B");
    const std::uint8_t high[6] = {0xCA, 0x4B, 0xFF, 0, 0, 0};
    EXPECT_EQ(DecodeName(high), "AB_000");
}

TEST(Names, TrimRight)
{
    std::string text = "AB  ";
    EXPECT_EQ(TrimRight(text), 2u);
    EXPECT_EQ(text, "AB");
    text = "   ";
    EXPECT_EQ(TrimRight(text), 0u);
}

} // namespace
