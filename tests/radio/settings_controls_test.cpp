// Project
#include "radio/settings_controls.h"
#include "radio/settings_text.h"

// Test framework
#include <gtest/gtest.h>

// Standard library
#include <random>
#include <set>

namespace {

const radio::SettingControl& Control(int id)
{
    const radio::SettingControl* control = radio::FindSettingControl(id);
    EXPECT_NE(nullptr, control) << id;
    return *control;
}

radio::SettingsBlock RandomBlock(unsigned seed)
{
    std::mt19937 random(seed);
    radio::SettingsBlock block;
    for (auto& byte : block)
        byte = static_cast<std::uint8_t>(random());
    return block;
}

constexpr int kP1 = 1124;
constexpr int kHyperWrite = 1032;
constexpr int kBeep = 1062;
constexpr int kAutoPowerOff = 1061;
constexpr int kDtmfDelay = 1129;

// Every control of both dialogs: each item packs into the control's own bits
// only, and reads back as itself, whatever the rest of the block holds.
TEST(SettingControls, EveryItemRoundTripsAndTouchesOnlyItsBits)
{
    std::set<int> ids;
    for (const auto* table : {&radio::SettingsDialogControls(), &radio::DtmfDialogControls()}) {
        for (const radio::SettingControl& control : *table) {
            EXPECT_TRUE(ids.insert(control.id).second) << "duplicate id " << control.id;
            for (unsigned seed = 0; seed < 4; ++seed) {
                for (int item = 0; item < control.ItemCount(); ++item) {
                    const radio::SettingsBlock before = RandomBlock(seed * 100 + static_cast<unsigned>(item));
                    radio::SettingsBlock block = before;
                    radio::PackControl(control, item, block);
                    EXPECT_EQ(item, radio::UnpackControl(control, block))
                        << control.label << " item " << item;
                    for (std::size_t i = 0; i < block.size(); ++i) {
                        const std::uint8_t keep =
                            i == control.byte ? static_cast<std::uint8_t>(~control.mask) : 0xFF;
                        EXPECT_EQ(before[i] & keep, block[i] & keep) << control.label << " byte " << i;
                    }
                }
            }
        }
    }
    EXPECT_EQ(28u, ids.size());
}

TEST(SettingControls, ItemListsHaveTheDialogTexts)
{
    const auto& off = Control(kAutoPowerOff).items;
    ASSERT_EQ(25u, off.size());
    EXPECT_EQ("0ff", off[0]);
    EXPECT_EQ("1.0 Hour", off[2]);
    EXPECT_EQ("1.5 Hours", off[3]);
    EXPECT_EQ("12.0 Hours", off[24]);
    const auto& timer = Control(1138).items;
    ASSERT_EQ(31u, timer.size());
    EXPECT_EQ("1 Minute", timer[1]);
    EXPECT_EQ("30 Minutes", timer[30]);
    const auto& squelch = Control(1141).items;
    ASSERT_EQ(10u, squelch.size());
    EXPECT_EQ("S-9", squelch[8]);
    EXPECT_EQ("S-Full", squelch[9]);
    EXPECT_EQ(17u, Control(kP1).items.size());
    EXPECT_EQ("TONE | V/M", Control(1211).label);
}

TEST(SettingControls, KeyFunctionsAreStoredFrom26)
{
    radio::SettingsBlock block{};
    radio::PackControl(Control(kP1), 16, block); // "Repeater"
    EXPECT_EQ(42, block[5]);
    radio::PackControl(Control(1144), 0, block); // P4 "Priority"
    EXPECT_EQ(26, block[8]);

    block[5] = 25; // below the first function: no item
    EXPECT_EQ(-1, radio::UnpackControl(Control(kP1), block));
    block[5] = 43;
    EXPECT_EQ(-1, radio::UnpackControl(Control(kP1), block));
}

TEST(SettingControls, BeepChoicesOwnBitsFiveAndSeven)
{
    const radio::SettingControl& beep = Control(kBeep);
    radio::SettingsBlock block{};
    block[12] = 0x5B; // bits outside 5 and 7 stay
    radio::PackControl(beep, 2, block);
    EXPECT_EQ(0x5B | 0xA0, block[12]);
    radio::PackControl(beep, 0, block);
    EXPECT_EQ(0x5B, block[12]);
    radio::PackControl(beep, 2, block);
    radio::PackControl(beep, 1, block); // "Key" after "Key+Scan" drops the scan beep
    EXPECT_EQ(0x5B | 0x20, block[12]);
    EXPECT_EQ(1, radio::UnpackControl(beep, block));

    block[12] = 0x80; // scan bit without the beep bit reads as "Off"
    EXPECT_EQ(0, radio::UnpackControl(beep, block));
}

TEST(SettingControls, HyperWriteReadsOneAutoFirstAndEveryChoiceSticks)
{
    const radio::SettingControl& write = Control(kHyperWrite);
    radio::SettingsBlock block{};
    block[11] = 0x18;
    EXPECT_EQ(1, radio::UnpackControl(write, block));
    block[11] = 0x08;
    EXPECT_EQ(2, radio::UnpackControl(write, block));
    for (const int item : {2, 1, 2, 0, 1, 0}) {
        radio::PackControl(write, item, block);
        EXPECT_EQ(item, radio::UnpackControl(write, block));
    }
    EXPECT_EQ(0, block[11] & 0x18);
}

TEST(SettingControls, NoSelectionKeepsBitsExceptInTheDtmfDialog)
{
    radio::SettingsBlock block{};
    block[2] = 99; // no such Auto Power Off item
    EXPECT_EQ(-1, radio::UnpackControl(Control(kAutoPowerOff), block));
    radio::PackControl(Control(kAutoPowerOff), -1, block);
    EXPECT_EQ(99, block[2]);

    block[13] = 0xFE;
    EXPECT_EQ(-1, radio::UnpackControl(Control(kDtmfDelay), block));
    radio::PackControl(Control(kDtmfDelay), -1, block);
    EXPECT_EQ(0xF8, block[13]);
}

TEST(SettingControls, ValuesFromBlockPackBackToTheSameBlock)
{
    for (unsigned seed = 10; seed < 20; ++seed) {
        radio::SettingsBlock block = RandomBlock(seed);
        radio::StoreCwId("AB1", block);
        // Combinations no choice stores ("Auto" with "1-Auto", scan beep
        // without beep) are made into ones a choice does.
        block[11] &= 0xF7;
        if (block[12] & 0x80)
            block[12] |= 0x20;
        const radio::SettingsBlock before = block;
        const radio::SettingsControlValues values = radio::ControlValuesFromBlock(block);
        EXPECT_EQ("AB1", values.cwId);
        EXPECT_TRUE(radio::PackControlValues(values, block));
        EXPECT_EQ(before, block) << "seed " << seed;
    }
}

TEST(SettingControls, CollectCopiesIntoRecordOnlyOnChange)
{
    radio::SettingsRecord record;
    record.SetHeaderFields();
    record.Block()[16] = 7; // a CW ID already stored
    radio::SettingsBlock comparison;
    std::copy(record.Block().begin(), record.Block().end(), comparison.begin());

    radio::SettingsControlValues values = radio::ControlValuesFromBlock(record.Block());
    values.cwId.clear(); // empty text: the stored CW ID stays
    radio::CollectResult result = radio::CollectControls(values, comparison, record);
    EXPECT_FALSE(result.changed);
    EXPECT_TRUE(result.cwIdAccepted);
    EXPECT_EQ(7, record.Block()[16]);

    values.choices[kP1] = 16;
    result = radio::CollectControls(values, comparison, record);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(42, record.Block()[5]);

    values.cwId = "A~"; // refused: no change, and said so
    result = radio::CollectControls(values, comparison, record);
    EXPECT_FALSE(result.changed);
    EXPECT_FALSE(result.cwIdAccepted);
    EXPECT_EQ(7, record.Block()[16]);
}

} // namespace
