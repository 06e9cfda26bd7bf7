// Record layouts: the channel field table, bank bitmaps, scan values, the Hyper
// Memory settings table, the active Hyper Memory and the template image.

// std
#include <algorithm>
#include <array>
#include <cstdint>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/bit_field.h"
#include "radio/channel_record.h"
#include "radio/default_image.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"

namespace {

using namespace radio;
using Record = std::array<std::uint8_t, kChannelRecordSize>;

// Each bit field takes its whole range and touches no other bit.
TEST(ChannelFields, BitFieldsAreIndependent)
{
    for (const FieldEntry& entry : kChannelFields) {
        if (entry.encoding != FieldEncoding::Bits)
            continue;
        const int max = radio::GetBits(0xFF, entry.mask);
        for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            Record record;
            record.fill(fill);
            for (int value = 0; value <= max; ++value) {
                SetField(record.data(), entry.field, value);
                ASSERT_EQ(GetField(record.data(), entry.field), value);
                for (std::size_t i = 0; i < record.size(); ++i) {
                    std::uint8_t others = static_cast<int>(i) == entry.byte ? static_cast<std::uint8_t>(~entry.mask) : 0xFF;
                    ASSERT_EQ(record[i] & others, fill & others) << "field byte " << entry.byte;
                }
            }
        }
    }
}

TEST(ChannelFields, FrequenciesAndOffset)
{
    Record record{};
    SetField(record.data(), ChannelField::Receive, 146520000);
    SetField(record.data(), ChannelField::Transmit, 145912500);
    SetField(record.data(), ChannelField::Offset, 600000);
    EXPECT_EQ(record[1], 0x01);
    EXPECT_EQ(record[2], 0x46);
    EXPECT_EQ(record[3], 0x52);
    EXPECT_EQ(GetField(record.data(), ChannelField::Transmit), 145912500);
    EXPECT_EQ(record[11], 0);
    EXPECT_EQ(record[12], 12);
    EXPECT_EQ(GetField(record.data(), ChannelField::Offset), 600000);
    // 16-bit offsets beyond the int range read as an invalid, not a wrapped, value.
    record[11] = 0xFF;
    record[12] = 0xFF;
    EXPECT_FALSE(IsValidOffset(GetField(record.data(), ChannelField::Offset)));
    EXPECT_GT(GetField(record.data(), ChannelField::Offset), 0);
}

TEST(SheetLayout, RowsAndOffsets)
{
    EXPECT_EQ(SheetRowCount(kSheetMemories), 1100);
    EXPECT_EQ(SheetRowCount(kSheetVfo), 5);
    EXPECT_EQ(SheetRowCount(7), 5);
    EXPECT_EQ(SheetRowCount(8), 0);
    EXPECT_EQ(RecordOffset(kSheetMemories, 1099), 1224 + 16 * 1099);
    EXPECT_EQ(RecordOffset(kSheetVfo, 4), 72 + 64);
    EXPECT_EQ(RecordOffset(kSheetHome, 0), 456);
    EXPECT_EQ(RecordOffset(7, 4), 584 + 4 * 128 + 64);
    EXPECT_EQ(RecordOffset(kSheetHome, 5), -1);
    EXPECT_EQ(NameOffset(kSheetMemories, 1099), 18824 + 8 * 1099);
    EXPECT_EQ(NameOffset(kSheetHome, 4), 27656 + 32);
    EXPECT_EQ(NameOffset(kSheetVfo, 0), -1);
    EXPECT_EQ(NameOffset(3, 0), -1);
}

TEST(Banks, BitmapOrderAndBounds)
{
    RadioImage image{};
    SetBankBit(image, 0, 0, true);
    EXPECT_EQ(image[offs::kBankBitmaps], 0x80);
    SetBankBit(image, 19, 999, true);
    EXPECT_EQ(image[offs::kBankBitmaps + 19 * 128 + 124], 0x01);
    EXPECT_TRUE(BankBit(image, 19, 999));
    EXPECT_FALSE(BankIsEmpty(image, 19));
    SetBankBit(image, 19, 999, false);
    EXPECT_TRUE(BankIsEmpty(image, 19));
    // Out-of-range addresses (PMS channels, bank 21) touch nothing.
    RadioImage before = image;
    SetBankBit(image, 0, 1000, true);
    SetBankBit(image, 20, 0, true);
    EXPECT_EQ(image, before);
}

TEST(ScanValues, PackedTwoBitsPerMemory)
{
    RadioImage image{};
    SetScanValue(image, 0, 0, 2);
    SetScanValue(image, 0, 3, 1);
    EXPECT_EQ(image[offs::kScanValues], 0x81);
    SetScanValue(image, 4, 999, 3);
    EXPECT_EQ(image[offs::kScanValues + 4 * 256 + 249], 0x03);
    EXPECT_EQ(ScanValue(image, 4, 999), 3);
    EXPECT_EQ(ScanValue(image, 0, 3), 1);
    RadioImage before = image;
    SetScanValue(image, 5, 0, 1);
    SetScanValue(image, 0, 1000, 1);
    EXPECT_EQ(image, before);
}

TEST(HyperSettings, EveryFieldRoundTripsAndKeepsOtherBits)
{
    for (const HyperSetting& s : kHyperSettings) {
        if (s.kind == SettingKind::NoBits || s.kind == SettingKind::BankChoice)
            continue;
        std::array<std::uint8_t, 16> block;
        block.fill(0xA5);
        const std::array<std::uint8_t, 16> before = block;
        for (int value = 0; value < s.limit; ++value) {
            SetSetting(block.data(), s.field, value);
            ASSERT_EQ(GetSetting(block.data(), s.field), value);
        }
        // Out of range stores 0.
        SetSetting(block.data(), s.field, s.limit);
        EXPECT_EQ(GetSetting(block.data(), s.field), 0);
        for (std::size_t i = 0; i < block.size(); ++i) {
            const bool mine = static_cast<int>(i) == s.byte ||
                              (s.kind == SettingKind::MemoryNumber && static_cast<int>(i) == s.byte + 1);
            if (!mine) {
                ASSERT_EQ(block[i], before[i]);
            } else if (s.kind != SettingKind::MemoryNumber) {
                ASSERT_EQ(block[i] & ~s.mask, before[i] & ~s.mask);
            }
        }
    }
}

TEST(HyperSettings, BankChoice)
{
    std::array<std::uint8_t, 16> block{};
    SetSetting(block.data(), HyperField::MemoryBank, 20);
    EXPECT_EQ(block[2], 19);
    EXPECT_TRUE(block[kMemoryBankOnByte] & kMemoryBankOnBit);
    EXPECT_EQ(GetSetting(block.data(), HyperField::MemoryBank), 20);
    // "All Mem" keeps Memory Bank On as it is.
    SetSetting(block.data(), HyperField::MemoryBank, 0);
    EXPECT_EQ(block[2], 0);
    EXPECT_TRUE(block[kMemoryBankOnByte] & kMemoryBankOnBit);
    block[kMemoryBankOnByte] = 0;
    block[2] = 7;
    EXPECT_EQ(GetSetting(block.data(), HyperField::MemoryBank), 0);
}

TEST(ActiveHyper, ReadsAndWritesWithinTheAreas)
{
    RadioImage image{};
    for (int stored : {0, 4, 5, 6, 255}) {
        image[offs::kActiveHyper] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(ActiveHyper(image), stored <= 5 ? stored : 0);
        EXPECT_EQ(ActiveHyperArea(image), stored <= 4 ? stored : 0);
    }
    SetActiveHyper(image, 9);
    EXPECT_EQ(image[offs::kActiveHyper], 0);
    SetActiveHyper(image, 3);
    EXPECT_EQ(image[offs::kActiveHyper], 3);
}

TEST(HyperAreas, RepairClearsLinksToEmptyBanksAndRunningState)
{
    RadioImage image{};
    std::uint8_t* area = image.data() + HyperAreaOffset(1);
    SetBankLink(area, 2, true);  // bank 3, empty
    SetBankLink(area, 19, true); // bank 20, has a member
    SetBankBit(image, 19, 10, true);
    area[offs::kHyperBankLinks + 2] |= 0x0F; // carried bits
    area[offs::kHyperSettings + 13] = 0xFF;
    area[offs::kHyperSettings + 7] = 0xFF;
    image[offs::kCurrentSettings + 7] = 0xFF;
    image[offs::kCurrentSettings + 13] = 0xFF;
    RepairHyperAreas(image);
    EXPECT_FALSE(BankLink(area, 2));
    EXPECT_TRUE(BankLink(area, 19));
    EXPECT_EQ(area[offs::kHyperBankLinks + 2] & 0x0F, 0x0F);
    EXPECT_EQ(area[offs::kHyperSettings + 13], 0x1F);
    EXPECT_EQ(area[offs::kHyperSettings + 7], 0x3F);
    EXPECT_EQ(image[47], 0x3F);
    EXPECT_EQ(image[53], 0x1F);
}

TEST(DefaultImage, IsAFreshRadio)
{
    const RadioImage& image = DefaultImage();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()), 8), "AH016$Q$");
    EXPECT_EQ(image[offs::kChecksum], ImageChecksum(image));
    EXPECT_EQ(FreeChannelCount(image), 1099);
    EXPECT_EQ(GetField(image.data() + ChannelOffset(0), ChannelField::Receive), 430000000);
    const std::int32_t home[] = {146520000, 250000000, 350000000, 446000000, 850000000};
    for (int band = 0; band < kBandCount; ++band) {
        const std::uint8_t* record = image.data() + RecordOffset(kSheetHome, band);
        EXPECT_EQ(GetField(record, ChannelField::Receive), home[band]);
        for (int kind = kSheetVfo; kind < kSheetCount; ++kind) {
            const std::uint8_t* other = image.data() + RecordOffset(kind, band);
            EXPECT_TRUE(IsValidFrequency(GetField(other, ChannelField::Receive)));
            EXPECT_EQ(GetField(other, ChannelField::InUse), 1);
        }
    }
    EXPECT_EQ(ActiveHyper(image), 0);
    for (int bank = 0; bank < kBankCount; ++bank)
        EXPECT_TRUE(BankIsEmpty(image, bank));
    EXPECT_TRUE(std::all_of(image.begin() + offs::kScanValues, image.begin() + offs::kChecksum,
                            [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(image.begin() + offs::kDtmf, image.begin() + offs::kDtmf + 256,
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(image.begin() + offs::kCwId, image.begin() + offs::kCwId + 6,
                            [](std::uint8_t b) { return b == 0xFF; }));
    // The VFO area and current settings mirror Hyper Memory 1.
    EXPECT_TRUE(std::equal(image.begin() + offs::kVfoArea, image.begin() + offs::kVfoArea + 128,
                           image.begin() + HyperAreaOffset(0)));
}

} // namespace
