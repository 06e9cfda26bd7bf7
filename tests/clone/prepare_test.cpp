// The write preparation and the radio's identity, checked at the image
// offsets and bits the radio uses (written here as numbers, not taken from
// the program's tables).

#include "clone/prepare.h"

// std
#include <numeric>

// gtest
#include <gtest/gtest.h>

// project
#include "platform/registry.h"
#include "support/temp_config.h"

namespace {

using radio::RadioImage;
using transfer::FixUpForRadio;

constexpr const char* kKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

std::size_t Area(int hyper) { return 584 + 128 * static_cast<std::size_t>(hyper); } // Hyper Memory hyper+1
std::size_t Settings(int hyper) { return Area(hyper) + 112; }
std::size_t Channel(int i) { return 1224 + 16 * static_cast<std::size_t>(i); }

void Use(RadioImage& image, int channel) { image[Channel(channel)] |= 0x80; }
void JoinBank(RadioImage& image, int bank, int memory) // bank 1..20
{
    image[27720 + 128 * static_cast<std::size_t>(bank - 1) + static_cast<std::size_t>(memory / 8)] |=
        static_cast<std::uint8_t>(0x80 >> (memory % 8));
}
int MemoryNumber(const RadioImage& image, std::size_t s) { return image[s + 3] + 256 * image[s + 4]; }
void SetMemoryNumber(RadioImage& image, std::size_t s, int m)
{
    image[s + 3] = static_cast<std::uint8_t>(m & 0xFF);
    image[s + 4] = static_cast<std::uint8_t>(m >> 8);
}

TEST(WritePreparation, CurrentStateComesFromTheActiveHyperMemory)
{
    RadioImage image{};
    image[57] = 2; // Hyper Memory 3
    for (std::size_t i = 0; i < 128; ++i)
        image[Area(2) + i] = static_cast<std::uint8_t>(0x20 + i);
    image[Settings(2) + 0] = 9;    // a mode that picks no current channel
    image[Settings(2) + 2] = 0xFF; // keep the bank fix-up of area 3 from mattering below
    image[Settings(2) + 7] = 0x01; // Special Scan "Band" stays
    image[Settings(2) + 13] = 0x00;
    const RadioImage before = image;
    FixUpForRadio(image);
    // The area after its own fix-ups (bank links to empty banks cleared):
    // the current state never names what does not exist.
    EXPECT_NE(before[Area(2) + 86], 0);
    EXPECT_EQ(image[Area(2) + 86], 0);
    for (std::size_t i = 0; i < 128; ++i)
        ASSERT_EQ(image[72 + i], image[Area(2) + i]) << "VFO area byte " << i;
    for (std::size_t i = 0; i < 16; ++i)
        ASSERT_EQ(image[40 + i], image[Settings(2) + i]) << "current settings byte " << i;
    for (std::size_t i = 0; i < 80; ++i)
        ASSERT_EQ(image[72 + i], before[Area(2) + i]) << "band record byte " << i;

    // A byte 57 naming no Hyper Memory (there are five) takes the first.
    RadioImage odd{};
    odd[57] = 7;
    odd[Area(0) + 20] = 0x5C;
    odd[Area(0) + 112 + 0] = 9;
    FixUpForRadio(odd);
    EXPECT_EQ(odd[72 + 20], 0x5C);
    EXPECT_EQ(odd[40], 9);
}

TEST(WritePreparation, CurrentChannelFollowsTheMode)
{
    const auto prepared = [](int mode, int band, int memory) {
        RadioImage image{};
        image[57] = 0; // Hyper Memory 1 is copied over the current state first
        image[Settings(0) + 0] = static_cast<std::uint8_t>(mode);
        image[Settings(0) + 5] = static_cast<std::uint8_t>(band);
        SetMemoryNumber(image, Settings(0), memory);
        for (std::size_t i = 0; i < 16; ++i) {
            image[Area(0) + 16 * 3 + i] = static_cast<std::uint8_t>(0xA0 + i); // VFO band 3
            image[456 + 16 * 3 + i] = static_cast<std::uint8_t>(0xB0 + i);     // Home band 3
            image[Channel(517) + i] = static_cast<std::uint8_t>(0xC0 + i);     // memory 517
            image[8 + i] = 0xEE;
        }
        Use(image, 517);
        FixUpForRadio(image);
        return image;
    };
    const auto current = [](const RadioImage& image) { return std::vector<std::uint8_t>(&image[8], &image[24]); };

    RadioImage vfo = prepared(0, 3, 0);
    EXPECT_EQ(current(vfo)[0], 0xA0);
    EXPECT_EQ(current(vfo)[15], 0xAF);
    RadioImage vfo3 = prepared(3, 3, 0);
    EXPECT_EQ(vfo3[40], 0);
    EXPECT_EQ(current(vfo3)[1], 0xA1);
    EXPECT_EQ(current(prepared(1, 3, 0))[2], 0xB2);
    // Memory 517: the record with its in-use bit.
    EXPECT_EQ(current(prepared(2, 0, 517))[0], 0xC0 | 0x80);
    EXPECT_EQ(current(prepared(2, 0, 517))[5], 0xC5);
    EXPECT_EQ(current(prepared(7, 3, 517)), std::vector<std::uint8_t>(16, 0xEE));
    // A band or memory the radio does not have leaves the record alone.
    EXPECT_EQ(current(prepared(1, 9, 0)), std::vector<std::uint8_t>(16, 0xEE));
    // A memory the radio does not have is first pointed at the lowest memory in use.
    EXPECT_EQ(current(prepared(2, 0, 4000))[0], 0xC0 | 0x80);
}

TEST(WritePreparation, AHyperMemoryWithoutABankIsPointedAtTheLowestMemoryInUse)
{
    RadioImage image{};
    image[57] = 4;
    Use(image, 40);
    Use(image, 12);
    SetMemoryNumber(image, Settings(1), 300); // empty
    image[Settings(1) + 2] = 0;               // no bank: "Memory Bank On" clear
    SetMemoryNumber(image, Settings(2), 40);  // in use: stays
    FixUpForRadio(image);
    EXPECT_EQ(MemoryNumber(image, Settings(1)), 12);
    EXPECT_EQ(image[Settings(1) + 2], 0xFF); // no bank is stored as 0xFF
    EXPECT_EQ(image[Settings(1) + 13] & 0x10, 0);
    EXPECT_EQ(MemoryNumber(image, Settings(2)), 40);
}

TEST(WritePreparation, WithNoMemoryInUseTheBankByteBecomesZeroAndBankOnIsCleared)
{
    RadioImage image{};
    image[Settings(3) + 2] = 2;     // bank 3 ...
    image[Settings(3) + 13] = 0x10; // ... with "Memory Bank On"
    SetMemoryNumber(image, Settings(3), 5);
    image[Settings(0) + 2] = 0; // no bank
    FixUpForRadio(image);
    EXPECT_EQ(image[Settings(3) + 2], 0);
    EXPECT_EQ(image[Settings(3) + 13] & 0x10, 0);
    EXPECT_EQ(image[Settings(0) + 2], 0);
    EXPECT_EQ(image[Settings(0) + 13] & 0x10, 0);
}

TEST(WritePreparation, AHyperMemoryWithABankIsPointedAtTheLowestMemoryOfThatBank)
{
    RadioImage image{};
    for (int m : {3, 70, 90, 600})
        Use(image, m);
    JoinBank(image, 5, 90);
    JoinBank(image, 5, 600);
    JoinBank(image, 5, 800); // a member that is not in use
    // Hyper Memory 1: bank 5, memory 3 in use but not in the bank.
    image[Settings(0) + 2] = 4;
    image[Settings(0) + 13] = 0x10;
    SetMemoryNumber(image, Settings(0), 3);
    // Hyper Memory 2: bank 5, memory 600 in the bank: stays.
    image[Settings(1) + 2] = 4;
    image[Settings(1) + 13] = 0x10;
    SetMemoryNumber(image, Settings(1), 600);
    // Hyper Memory 3: bank 7, which has no member: falls back to bank 1.
    image[Settings(2) + 2] = 6;
    image[Settings(2) + 13] = 0x10;
    SetMemoryNumber(image, Settings(2), 70);
    FixUpForRadio(image);

    EXPECT_EQ(MemoryNumber(image, Settings(0)), 90);
    EXPECT_EQ(image[Settings(0) + 2], 4);
    EXPECT_EQ(image[Settings(0) + 13] & 0x10, 0x10);
    EXPECT_EQ(MemoryNumber(image, Settings(1)), 600);
    EXPECT_EQ(image[Settings(2) + 2], 0);
    EXPECT_EQ(image[Settings(2) + 13] & 0x10, 0);
    EXPECT_EQ(MemoryNumber(image, Settings(2)), 70);
}

TEST(WritePreparation, ABankNumberAboveTwentyCountsAsNoBank)
{
    RadioImage image{};
    Use(image, 8);
    image[Settings(4) + 2] = 0xFF; // as a previous preparation left it, "Memory Bank On" clear
    SetMemoryNumber(image, Settings(4), 999);
    image[Settings(3) + 2] = 30;
    image[Settings(3) + 13] = 0x10; // bank 31 with "Memory Bank On"
    SetMemoryNumber(image, Settings(3), 8);
    FixUpForRadio(image);
    EXPECT_EQ(MemoryNumber(image, Settings(4)), 8);
    EXPECT_EQ(image[Settings(4) + 2], 0xFF);
    EXPECT_EQ(MemoryNumber(image, Settings(3)), 8);
    EXPECT_EQ(image[Settings(3) + 2], 0xFF);
    EXPECT_EQ(image[Settings(3) + 13] & 0x10, 0);
}

TEST(WritePreparation, LinksToBanksWithoutMembersAreCleared)
{
    RadioImage image{};
    JoinBank(image, 1, 10);
    JoinBank(image, 10, 999);
    image[Area(1) + 86] = 0xC0; // banks 1 and 2
    image[Area(1) + 87] = 0x40; // bank 10
    image[Area(1) + 88] = 0xF0; // banks 17..20, all empty
    FixUpForRadio(image);
    EXPECT_EQ(image[Area(1) + 86], 0x80);
    EXPECT_EQ(image[Area(1) + 87], 0x40);
    EXPECT_EQ(image[Area(1) + 88], 0x00);
}

TEST(WritePreparation, SpecialScanOnAPmsPairWithAnEmptyEdgeFallsBackToBand)
{
    RadioImage image{};
    // "PMS 03" is choice 7; its edges L3 and U3 are records 1004 and 1005.
    Use(image, 1004);
    image[Settings(0) + 7] = 0xC7; // top bits set as well
    image[Settings(1) + 7] = 0x07;
    Use(image, 1002);
    Use(image, 1003);
    image[Settings(2) + 7] = 0x46; // "PMS 02", both edges in use
    image[Settings(3) + 7] = 0x04; // not a PMS pair
    image[Settings(4) + 7] = 0x3F; // a pair the radio does not have
    image[Settings(4) + 13] = 0x83; // "Scanning" set, and bits 0-1
    image[57] = 1;
    FixUpForRadio(image);
    EXPECT_EQ(image[Settings(0) + 7], 0x00);
    EXPECT_EQ(image[Settings(1) + 7], 0x00);
    EXPECT_EQ(image[Settings(2) + 7], 0x06);
    EXPECT_EQ(image[Settings(3) + 7], 0x04);
    EXPECT_EQ(image[Settings(4) + 7], 0x00);
    EXPECT_EQ(image[Settings(4) + 13], 0x03);
    // The current Special Scan (byte 47) was copied from Hyper Memory 2 before
    // its fix-up, and gets the same treatment.
    EXPECT_EQ(image[47], 0x00);
}

TEST(WritePreparation, TheCurrentSpecialScanKeepsAGoodPmsChoiceWithoutItsTopBits)
{
    RadioImage image{};
    Use(image, 1000);
    Use(image, 1001);
    image[Settings(0) + 7] = 0x85; // "PMS 01"
    FixUpForRadio(image);
    EXPECT_EQ(image[47], 0x05);
}

TEST(WritePreparation, SettingsAreMergedAndTheChecksumWrittenLast)
{
    RadioImage image{};
    radio::SettingsRecord settings;
    auto block = settings.Block();
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(0x30 + i % 64);
    const auto sent = transfer::BuildRadioStream(image, settings);
    EXPECT_EQ(sent[57], 0x30 + 1);               // set mode: block 0..15 -> image 56..71
    EXPECT_EQ(sent[71], 0x30 + 15);
    EXPECT_EQ(sent[56], sent[6]);                // then byte 56 from the header
    EXPECT_EQ(sent[578], 0x30 + 16);             // CW ID: block 16..21 -> image 578..583
    EXPECT_EQ(sent[200], 0x30 + 22);             // DTMF: block 22..277 -> image 200..455
    EXPECT_EQ(sent[455], 0x30 + 277 % 64);
    const unsigned sum = std::accumulate(sent.begin(), sent.end() - 1, 0u);
    EXPECT_EQ(sent[31560], sum & 0xFF);
    EXPECT_EQ(image, RadioImage{});              // the image handed over is left as it was
}

class SendStream : public ::testing::Test {
protected:
    test_support::TempConfigHome home;
    // The stream for an image whose own settings are merged.
    static transfer::Stream BuildSendStream(const RadioImage& image)
    {
        return transfer::BuildRadioStream(image, radio::SettingsRecordFromImage(image));
    }
};

TEST_F(SendStream, CarriesTheRememberedIdentityByte56AndAChecksumOverWhatIsSent)
{
    RadioImage image{};
    const std::vector<std::uint8_t> header{0x41, 0x48, 0x30, 0x31, 0x36, 0x24, 0x51, 0x24};
    std::copy(header.begin(), header.end(), image.begin());
    image[5000] = 0x5A; // a memory not in use: no fix-up touches it
    const std::vector<std::uint8_t> identity{0x41, 0x48, 0x31, 0x32, 0x33, 0x07, 0x99, 0x01};
    platform::Registry::SetBinary(kKey, "Configuration", identity);
    platform::Registry::SetDword(kKey, "Configuration1", (0x41 + 0x48 + 0x31 + 0x32 + 0x33 + 0x07 + 0x99 + 0x01) & 0xFF);

    const auto sent = BuildSendStream(image);
    EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 8), identity);
    EXPECT_EQ(sent[56], 0x99);
    EXPECT_EQ(sent[5000], 0x5A);
    const unsigned sum = std::accumulate(sent.begin(), sent.end() - 1, 0u);
    EXPECT_EQ(sent[31560], sum & 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 8), header); // the document keeps its own

    platform::Registry::SetDword(kKey, "Configuration1", 0x12); // does not agree
    const auto own = BuildSendStream(image);
    EXPECT_EQ(std::vector<std::uint8_t>(own.begin(), own.begin() + 8), header);
    EXPECT_EQ(own[56], 0x51);
}

TEST_F(SendStream, WithoutARememberedIdentityTheFilesHeaderIsSent)
{
    RadioImage image{};
    image[0] = 0x41;
    image[6] = 0x77;
    const auto sent = BuildSendStream(image);
    EXPECT_EQ(sent[0], 0x41);
    EXPECT_EQ(sent[56], 0x77);
}

TEST_F(SendStream, AReadRemembersTheHeaderAndItsSum)
{
    RadioImage image{};
    const std::string header = "AH016$Q$";
    std::copy(header.begin(), header.end(), image.begin());
    ASSERT_TRUE(transfer::StoreRadioIdentity(image));
    EXPECT_EQ(platform::Registry::GetBinary(kKey, "Configuration"),
              std::vector<std::uint8_t>(header.begin(), header.end()));
    EXPECT_EQ(platform::Registry::GetDword(kKey, "Configuration1"), 0xB9u); // 0x1B9 modulo 256
    ASSERT_TRUE(transfer::RememberedIdentity().has_value());
}

} // namespace
