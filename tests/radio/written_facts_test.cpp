// The record layouts, tables and file header values as the radio and the
// radio data file define them, written out here as literals: a changed
// table entry, bit or offset in the code fails one of these.

// project
#include "radio/channel_record.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/main_doc.h"
#include "radio/settings_controls.h"

// std
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// test
#include <gtest/gtest.h>

namespace {

using radio::ChannelField;
using radio::HyperField;
using Record = std::array<std::uint8_t, 16>;

// The record with only `field` set to `value`.
Record With(ChannelField field, int value)
{
    Record record{};
    radio::SetField(record.data(), field, value);
    return record;
}

TEST(WrittenFacts, ChannelRecordFieldsSitOnTheirBytesAndBits)
{
    EXPECT_EQ(With(ChannelField::InUse, 1), (Record{0x80}));
    EXPECT_EQ(With(ChannelField::Narrow, 1), (Record{0x20}));
    EXPECT_EQ(With(ChannelField::Mode, 1), (Record{0x10}));
    EXPECT_EQ(With(ChannelField::Direction, 4), (Record{0x04}));
    EXPECT_EQ(With(ChannelField::Direction, 3), (Record{0x03}));
    EXPECT_EQ(With(ChannelField::Receive, 145512500), (Record{0, 0x41, 0x45, 0x51}));
    EXPECT_EQ(With(ChannelField::ClockShift, 1), (Record{0, 0, 0, 0, 0x80}));
    EXPECT_EQ(With(ChannelField::Step, 7), (Record{0, 0, 0, 0, 0x70}));
    EXPECT_EQ(With(ChannelField::Step, 2), (Record{0, 0, 0, 0, 0x20}));
    EXPECT_EQ(With(ChannelField::ToneMode, 7), (Record{0, 0, 0, 0, 0x07}));
    EXPECT_EQ(With(ChannelField::Transmit, 430000000), (Record{0, 0, 0, 0, 0, 0x04, 0x30, 0x00}));
    EXPECT_EQ(With(ChannelField::Power, 3), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0xC0}));
    EXPECT_EQ(With(ChannelField::Power, 1), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0x40}));
    EXPECT_EQ(With(ChannelField::Ctcss, 49), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0x31}));
    EXPECT_EQ(With(ChannelField::Dcs, 103), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x67}));
    // 50 kHz units, high byte first: 12.8 MHz is 256 units.
    EXPECT_EQ(With(ChannelField::Offset, 12800000), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00}));
    EXPECT_EQ(With(ChannelField::Offset, 600000), (Record{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x0C}));
}

struct SettingFact {
    HyperField field;
    int value;
    std::vector<std::pair<int, std::uint8_t>> bytes; // byte of the block, its value; the rest stay 0
};

TEST(WrittenFacts, AllHyperMemorySettingsSitOnTheirBytesAndBits)
{
    const std::vector<SettingFact> facts = {
        {HyperField::Mode, 4, {{0, 4}}},
        {HyperField::Dtmf, 15, {{1, 15}}},
        {HyperField::MemoryBank, 3, {{2, 2}, {13, 0x10}}}, // bank 3, Memory Bank On with it
        {HyperField::MemoryNumber, 999, {{3, 0xE7}, {4, 0x03}}},
        {HyperField::Vfo, 4, {{5, 4}}},
        {HyperField::MenuNumber, 39, {{6, 39}}},
        {HyperField::SpecialScan, 54, {{7, 54}}},
        {HyperField::WxChannel, 9, {{8, 9}}},
        {HyperField::WxAlert, 1, {{11, 0x80}}},
        {HyperField::PacketSpeed, 1, {{12, 0x40}}},
        {HyperField::AutoRepeaterSplit, 1, {{12, 0x20}}},
        {HyperField::PacketMic, 1, {{12, 0x10}}},
        {HyperField::VfoBand, 1, {{12, 0x04}}},
        {HyperField::AutoReceive, 1, {{12, 0x02}}},
        {HyperField::AutoStep, 1, {{12, 0x01}}},
        {HyperField::Scanning, 1, {{13, 0x80}}},
        {HyperField::MemoryTune, 1, {{13, 0x40}}},
        {HyperField::Arts, 1, {{13, 0x20}}},
        {HyperField::MemoryBankOn, 1, {{13, 0x10}}},
        {HyperField::MemoryScan, 1, {{13, 0x02}}},
        {HyperField::Priority, 1, {{13, 0x01}}},
        {HyperField::SpecialScanOn, 1, {}}, // shown, but no bits in the image
    };
    ASSERT_EQ(facts.size(), 22u);
    for (const SettingFact& fact : facts) {
        std::array<std::uint8_t, 16> block{};
        radio::SetSetting(block.data(), fact.field, fact.value);
        std::array<std::uint8_t, 16> expected{};
        for (const auto& [at, value] : fact.bytes)
            expected[static_cast<std::size_t>(at)] = value;
        EXPECT_EQ(block, expected) << "setting " << static_cast<int>(fact.field);
    }
}

TEST(WrittenFacts, CtcssTonesInOrder)
{
    const std::vector<std::string> tones = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    EXPECT_EQ(radio::SplitList(radio::CtcssListText('.')), tones);
}

TEST(WrittenFacts, DcsCodesInOrder)
{
    const std::vector<std::string> codes = {
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
        "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
        "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
        "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
        "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
        "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
        "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    EXPECT_EQ(radio::SplitList(radio::DcsListText()), codes);
}

TEST(WrittenFacts, NameCharactersHaveTheirCodes)
{
    const std::string charset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ !\"\\$#%'()*+,-;/|:<=>?@[&]^_";
    ASSERT_EQ(charset.size(), 64u);
    for (int code = 0; code < 64; ++code) {
        const char c = charset[static_cast<std::size_t>(code)];
        EXPECT_EQ(radio::NameCharCode(c), code) << c;
        std::uint8_t codes[6];
        radio::EncodeName(std::string(1, c) + "Z", codes);
        EXPECT_EQ(codes[0], code) << c;
        EXPECT_EQ(codes[1], 35);
        EXPECT_EQ(codes[5], 36); // padded with the space
    }
}

std::uint32_t Le(const std::array<std::uint8_t, radio::kRdfFileSize>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

TEST(WrittenFacts, RadioDataFileHeaderOfANewDocument)
{
    radio::CMainDoc doc('.');
    const auto bytes = doc.Bytes();
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8)),
              (std::vector<std::uint8_t>{'R', 'D', 'F', 0, '6', '3', '1', '0'}));
    EXPECT_EQ(Le(bytes, 8, 4), 2u);
    EXPECT_EQ(Le(bytes, 12, 4), 67205u);
    EXPECT_EQ(Le(bytes, 56, 2), 1000u);
    EXPECT_EQ(Le(bytes, 58, 2), 32u);
    EXPECT_EQ(Le(bytes, 60, 4), 32005u);
    EXPECT_EQ(Le(bytes, 64, 4), 424u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 168), "NewFile");
    // The image starts at 424 with the radio identifier.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 424, 8), "AH016$Q$");
}

} // namespace

// Settings dialog controls: the block byte each one owns and what its
// second item (or a ticked box) stores there, from a block of zeros.
TEST(WrittenFacts, SettingsDialogControlsSitOnTheirBytesAndBits)
{
    struct ControlFact {
        int id;
        std::size_t byte;
        std::uint8_t mask;
        std::uint8_t second; // the byte after storing item 1 (check: ticked) into zeros
        std::size_t items;   // 0 for a check box
    };
    const std::vector<ControlFact> facts = {
        {1061, 2, 0xFF, 0x01, 25},  // Auto Power Off
        {1138, 3, 0xFF, 0x01, 31},  // Time Out Timer
        {1209, 4, 0x07, 0x01, 6},   // Prg Panel
        {1207, 4, 0x10, 0x10, 2},   // Interval (ARTS)
        {1039, 4, 0xE0, 0x20, 8},   // Lock
        {1124, 5, 0xFF, 27, 17},    // P1 = index + 26
        {1142, 6, 0xFF, 27, 17},    // P2
        {1143, 7, 0xFF, 27, 17},    // P3
        {1144, 8, 0xFF, 27, 17},    // P4
        {1141, 9, 0xFF, 0x01, 10},  // RF Squelch
        {1155, 10, 0x0F, 0x01, 16}, // DTMF Digit
        {1156, 10, 0xF0, 0x10, 16}, // DTMF Memory
        {1125, 11, 0x03, 0x01, 4},  // Dimmer
        {1212, 11, 0x04, 0x04, 0},  // Memory Only
        {1032, 11, 0x18, 0x10, 3},  // Hyper Write: "1-Auto" sets bit 4
        {1211, 11, 0x40, 0x40, 2},  // TONE | V/M
        {1031, 11, 0x80, 0x80, 0},  // CW ID
        {1131, 12, 0x08, 0x08, 2},  // Mode (Internet)
        {1062, 12, 0xA0, 0x20, 3},  // Beep: "Key" sets bit 5
        {1213, 12, 0x40, 0x40, 0},  // Band Edge Beep
        {1210, 13, 0x10, 0x10, 0},  // Priority Revert
        {1208, 13, 0x20, 0x20, 2},  // Smart Search
        {1335, 13, 0xC0, 0x40, 4},  // DCS Polarity
        {1100, 14, 0x03, 0x01, 3},  // Mode (ARTS)
        {1140, 14, 0x0C, 0x04, 3},  // Scan Resume
        {1134, 14, 0x10, 0x10, 2},  // Microphone
    };
    for (const ControlFact& fact : facts) {
        const radio::SettingControl* control = radio::FindSettingControl(fact.id);
        ASSERT_NE(control, nullptr) << fact.id;
        EXPECT_EQ(control->byte, fact.byte) << fact.id;
        EXPECT_EQ(control->mask, fact.mask) << fact.id;
        EXPECT_EQ(control->kind == radio::ControlKind::Check ? 0u : control->items.size(), fact.items) << fact.id;
        radio::SettingsBlock block{};
        radio::PackControl(*control, 1, block);
        radio::SettingsBlock expected{};
        expected[fact.byte] = fact.second;
        EXPECT_EQ(block, expected) << fact.id;
    }
    // "Key+Scan" of Beep sets bits 5 and 7; "Auto" of Hyper Write sets bit 3.
    radio::SettingsBlock block{};
    radio::PackControl(*radio::FindSettingControl(1062), 2, block);
    EXPECT_EQ(block[12], 0xA0);
    radio::PackControl(*radio::FindSettingControl(1032), 2, block);
    EXPECT_EQ(block[11], 0x08);
}
