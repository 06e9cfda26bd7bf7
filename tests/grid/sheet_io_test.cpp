// Grid load and store: a load followed by a store changes no byte of an image
// as the store writes it, and the rules of single rows and settings hold.

// std
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/hyper_layout.h"
#include "grid/sheet_io.h"
#include "grid/sheet_setup.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/record_rules.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

namespace {

using namespace radio;
using grid::CSpreadSheet1;

class SheetIo : public ::testing::Test {
protected:
    SheetIo() : doc_(',')
    {
        for (int kind = 0; kind < kSheetCount; ++kind) {
            sheets_[kind] = std::make_unique<CSpreadSheet1>();
            grid::SetupChannelGrid(*sheets_[kind], kind, ',');
        }
        for (int k = 0; k < kHyperCount; ++k) {
            settings_[k] = std::make_unique<CSpreadSheet1>();
            grid::SetupHyperGrid(*settings_[k]);
            hyperGrids_[static_cast<std::size_t>(k)] = settings_[k].get();
        }
    }

    void LoadAll()
    {
        for (int kind = 0; kind < kSheetCount; ++kind)
            grid::LoadSheet(doc_, doc_.Image(), *sheets_[kind], kind, hyperGrids_, view_);
    }
    RadioImage StoreAll()
    {
        RadioImage after = doc_.Image();
        for (int kind = 0; kind < kSheetCount; ++kind)
            grid::StoreSheet(doc_, after, *sheets_[kind], kind, hyperGrids_, view_);
        return after;
    }
    CSpreadSheet1& Sheet(int kind) { return *sheets_[kind]; }
    CSpreadSheet1& Settings(int k) { return *settings_[k]; }
    std::uint8_t* Channel(RadioImage& image, int i) { return image.data() + ChannelOffset(i); }

    test_support::TempConfigHome config_;
    CMainDoc doc_{'.'};
    std::array<std::unique_ptr<CSpreadSheet1>, kSheetCount> sheets_;
    std::array<std::unique_ptr<CSpreadSheet1>, kHyperCount> settings_;
    grid::HyperGrids hyperGrids_{};
    grid::SheetViewState view_;
};

// Reports the first differing byte, which names the field at fault.
::testing::AssertionResult SameImage(const RadioImage& expected, const RadioImage& actual)
{
    auto diff = std::mismatch(expected.begin(), expected.end(), actual.begin());
    if (diff.first == expected.end())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "first difference at byte " << (diff.first - expected.begin()) << ": "
                                         << int(*diff.first) << " became " << int(*diff.second);
}

// --- Random images in the form the store writes.

class CanonicalImage {
public:
    explicit CanonicalImage(unsigned seed) : random_(seed) {}

    RadioImage Make()
    {
        RadioImage image;
        for (auto& b : image)
            b = Byte(); // carried ranges keep whatever they hold
        image[offs::kSplitToneByte] &= static_cast<std::uint8_t>(~0x08);
        for (int i = 0; i < kChannelCount; ++i) {
            std::uint8_t* record = image.data() + ChannelOffset(i);
            std::uint8_t* name = image.data() + NameOffset(kSheetMemories, i);
            if (Chance(3))
                record[0] &= 0x7F; // empty: only bit 7 matters
            else
                UsedRecord(image, record, name);
            if (i < kMemoryCount)
                for (int k = 0; k < kHyperCount; ++k)
                    SetScanValue(image, k, i, GetField(record, ChannelField::InUse) ? Pick(3) : 0);
        }
        for (int band = 0; band < kBandCount; ++band) {
            UsedRecord(image, image.data() + RecordOffset(kSheetHome, band),
                       image.data() + NameOffset(kSheetHome, band));
            for (int k = 0; k < kHyperCount; ++k) {
                std::uint8_t* record = image.data() + HyperAreaOffset(k) + kChannelRecordSize * band;
                if (Chance(5))
                    std::fill_n(record, kChannelRecordSize, std::uint8_t{0}); // invalid: 0 Hz, not in use
                else
                    UsedRecord(image, record, nullptr);
            }
        }
        for (int k = 0; k < kHyperCount; ++k)
            Settings(image.data() + HyperAreaOffset(k) + offs::kHyperSettings);
        const int active = Pick(kHyperCount);
        image[offs::kActiveHyper] = static_cast<std::uint8_t>(active);
        CopyHyperToVfo(image, active);
        return image;
    }

private:
    std::uint8_t Byte() { return static_cast<std::uint8_t>(random_()); }
    int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool Chance(int n) { return Pick(n) == 0; }

    std::int32_t Frequency()
    {
        for (;;) {
            std::int32_t f = 108000000 + 5000 * Pick((999995000 - 108000000) / 5000 + 1);
            if (IsValidFrequency(f))
                return f;
        }
    }

    void UsedRecord(RadioImage& image, std::uint8_t* record, std::uint8_t* name)
    {
        std::fill_n(record, kChannelRecordSize, std::uint8_t{0});
        const std::int32_t rx = Frequency();
        const int directions[] = {kSimplex, kMinus, kPlus, kSplit};
        int direction = directions[Pick(4)];
        std::int32_t offset = Chance(4) ? 0 : kOffsetUnit * (1 + Pick(1998));
        if (!IsValidOffset(offset))
            offset = DefaultOffset(rx);
        if ((direction == kMinus && offset > rx) || (direction == kPlus && rx + offset > 999990000))
            direction = kSplit;
        if ((direction == kMinus || direction == kPlus) && offset == 0)
            direction = kSimplex; // no shift: the rules call it simplex
        int shown = direction;
        std::int32_t tx = TransmitFrequency(rx, shown, offset, false);
        if (tx >= 0 && !IsValidFrequency(tx)) {
            direction = kSplit; // a shift off the radio's bands is no channel the radio takes
            tx = -1;
        }
        SetField(record, ChannelField::InUse, 1);
        SetField(record, ChannelField::Receive, rx);
        SetField(record, ChannelField::Transmit, tx < 0 ? Frequency() : tx);
        SetField(record, ChannelField::Direction, direction);
        SetField(record, ChannelField::Offset, offset);
        SetField(record, ChannelField::Mode, Pick(2));
        SetField(record, ChannelField::Narrow, Pick(2));
        SetField(record, ChannelField::ClockShift, Pick(2));
        const int tone = Pick(8);
        SetField(record, ChannelField::ToneMode, tone);
        if (tone > 4)
            image[offs::kSplitToneByte] |= 0x08;
        SetField(record, ChannelField::Ctcss, Pick(kCtcssCount));
        SetField(record, ChannelField::Dcs, Pick(kDcsCount));
        SetField(record, ChannelField::Power, Pick(4));
        SetField(record, ChannelField::Step, StepIndexToCode(Pick(UsesHighStepList(rx) ? 6 : 8), rx));
        if (name == nullptr)
            return;
        std::string text;
        for (int n = Pick(7); n > 0; --n)
            text += kNameCharset[Pick(64)];
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        EncodeName(text, name);
        name[kShowNameByte] = Byte();
        name[kHasNameByte] = static_cast<std::uint8_t>(text.empty() ? Byte() & 0x7F : Byte() | 0x80);
    }

    void Settings(std::uint8_t* block)
    {
        // Positions that the grid's lists offer (Mode 3, DTMF 15 entries).
        SetSetting(block, HyperField::Mode, Pick(3));
        SetSetting(block, HyperField::Dtmf, Pick(15));
        SetSetting(block, HyperField::MemoryNumber, Pick(1000));
        SetSetting(block, HyperField::Vfo, Pick(5));
        SetSetting(block, HyperField::MenuNumber, Pick(40));
        SetSetting(block, HyperField::WxChannel, Pick(10));
        SetSetting(block, HyperField::SpecialScan, Pick(55));
        // Memory Bank #: a bank with Memory Bank On, else 0 with it clear.
        if (block[kMemoryBankOnByte] & kMemoryBankOnBit)
            block[2] = static_cast<std::uint8_t>(Pick(20));
        else
            block[2] = 0;
    }

    std::mt19937 random_;
};

TEST_F(SheetIo, TemplateImageSurvivesLoadAndStore)
{
    const RadioImage before = doc_.Image();
    LoadAll();
    EXPECT_TRUE(SameImage(before, StoreAll()));
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(SheetIo, RandomCanonicalImagesSurviveLoadAndStore)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        CanonicalImage maker(seed);
        const RadioImage image = maker.Make();
        doc_.Image() = image;
        LoadAll();
        ASSERT_TRUE(SameImage(image, doc_.Image())) << "the load itself changed the image, seed " << seed;
        ASSERT_TRUE(SameImage(image, StoreAll())) << "seed " << seed;
        DocumentDataArea data = doc_.Data();
        data.image = image;
        EXPECT_EQ(FirstUnsettled(data), "") << "seed " << seed;
    }
}

TEST_F(SheetIo, RowWithoutValidFrequencyLosesItsInUseBitAndComment)
{
    LoadAll();
    RadioImage& image = doc_.Image();
    std::uint8_t* name = image.data() + NameOffset(kSheetMemories, 0);
    name[0] = 0x11;
    SetBankBit(image, 4, 0, true);
    doc_.SetComment(0, "kept");
    RadioImage before = image;
    for (const char* text : {"", "830", "abc"}) {
        Sheet(0).SetText(col::kReceive, 1, text);
        Sheet(0).SetChecked(col::kBank1 + 4, 1, false);
        Sheet(0).SetText(col::kComment, 1, "lost");
        RadioImage after = StoreAll();
        EXPECT_EQ(after[ChannelOffset(0)], before[ChannelOffset(0)] & 0x7F);
        EXPECT_TRUE(std::equal(after.begin() + ChannelOffset(0) + 1, after.begin() + ChannelOffset(1),
                               before.begin() + ChannelOffset(0) + 1));
        EXPECT_EQ(after[NameOffset(kSheetMemories, 0)], 0x11);
        EXPECT_TRUE(BankBit(after, 4, 0));
        EXPECT_EQ(doc_.Comment(0), "");
        doc_.SetComment(0, "kept");
    }
}

TEST_F(SheetIo, StoredRecordsClearUnusedBitsAndNamesPad)
{
    RadioImage& image = doc_.Image();
    std::uint8_t* record = Channel(image, 0);
    record[0] |= 0x48;
    record[10] = record[13] = record[14] = record[15] = 0xAA;
    LoadAll();
    Sheet(0).SetText(col::kName, 1, "AB");
    Sheet(0).SetText(col::kName, 2, ""); // an empty row stays empty
    RadioImage after = StoreAll();
    const std::uint8_t* stored = Channel(after, 0);
    EXPECT_EQ(stored[0] & 0x48, 0);
    EXPECT_EQ(stored[10] | stored[13] | stored[14] | stored[15], 0);
    const std::uint8_t* name = after.data() + NameOffset(kSheetMemories, 0);
    const std::uint8_t padded[6] = {10, 11, 36, 36, 36, 36};
    EXPECT_TRUE(std::equal(name, name + 6, padded));
    EXPECT_TRUE(name[kHasNameByte] & kNameFlagBit);

    doc_.Image() = after;
    LoadAll();
    Sheet(0).SetText(col::kName, 1, "");
    after = StoreAll();
    name = after.data() + NameOffset(kSheetMemories, 0);
    EXPECT_TRUE(std::all_of(name, name + 6, [](std::uint8_t b) { return b == 0; }));
    EXPECT_FALSE(name[kHasNameByte] & kNameFlagBit);
}

TEST_F(SheetIo, EmptyChannelsAndScanLimitRowsAreLocked)
{
    Channel(doc_.Image(), 1000)[0] = 0;
    SetField(Channel(doc_.Image(), 1001), ChannelField::InUse, 1);
    SetField(Channel(doc_.Image(), 1001), ChannelField::Receive, 146520000);
    LoadAll();
    CSpreadSheet1& memories = Sheet(0);
    EXPECT_FALSE(memories.Locked(col::kReceive, 2));
    EXPECT_TRUE(memories.Locked(col::kTransmit, 2));
    EXPECT_TRUE(memories.Locked(col::kComment, 2));
    EXPECT_EQ(memories.GetText(col::kReceive, 2), "");
    EXPECT_FALSE(memories.Locked(col::kTransmit, 1));
    EXPECT_FALSE(memories.Locked(col::kBank1, 1));
    // The used scan-limit channel U1: editable except for its bank cells.
    EXPECT_EQ(memories.GetText(0, 1002), "U1");
    EXPECT_FALSE(memories.Locked(col::kTransmit, 1002));
    EXPECT_FALSE(memories.Locked(col::kComment, 1002));
    EXPECT_TRUE(memories.Locked(col::kBank1, 1002));
    EXPECT_TRUE(memories.Locked(col::kBank1 + 19, 1002));
    EXPECT_EQ(memories.GetText(col::kReceive, 1002), "146,52000");
}

TEST_F(SheetIo, CellsShowTheFieldsAsListsAndTexts)
{
    std::uint8_t* record = Channel(doc_.Image(), 0);
    SetField(record, ChannelField::Receive, 446000000);
    SetField(record, ChannelField::Offset, 0);
    SetField(record, ChannelField::Direction, kMinus);
    std::uint8_t* high = Channel(doc_.Image(), 1);
    SetField(high, ChannelField::InUse, 1);
    SetField(high, ChannelField::Receive, 850000000);
    SetField(high, ChannelField::Step, 4);
    LoadAll();
    CSpreadSheet1& memories = Sheet(0);
    EXPECT_EQ(memories.GetText(col::kOffset, 1), "5.00 MHz");
    EXPECT_EQ(memories.GetText(col::kTransmit, 1), "441,00000");
    EXPECT_EQ(memories.GetText(col::kDirection, 1), "Minus");
    EXPECT_EQ(memories.GetText(col::kStep, 1), "5 kHz");
    EXPECT_EQ(memories.GetText(col::kCtcss, 1), "100,0");
    EXPECT_EQ(memories.List(col::kStep, 2)->size(), 6u);
    EXPECT_EQ(memories.GetText(col::kStep, 2), "20 kHz");
    EXPECT_EQ(memories.GetText(col::kOffset, 2), "0,0000");
    // The memories reach the settings grids; the bank labels stay.
    for (int k = 0; k < kHyperCount; ++k) {
        EXPECT_EQ(Settings(k).GetText(grid::hyper::kChannelCol, 1), "446,00000");
        EXPECT_EQ(Settings(k).GetText(grid::hyper::kScanCol, 2), "Scan");
        EXPECT_EQ(Settings(k).GetText(grid::hyper::kChannelCol, 3), "");
        EXPECT_EQ(Settings(k).GetText(grid::hyper::kBankLabelCol, 20), "Bank 20");
    }
}

TEST_F(SheetIo, VfoRecordsFollowTheActiveHyperMemory)
{
    doc_.Image()[offs::kActiveHyper] = 2;
    LoadAll();
    EXPECT_EQ(view_.hyperChoice, 2);
    Sheet(kSheetHyper1 + 2).SetText(col::kReceive, 1, "145,5");
    RadioImage after = StoreAll();
    EXPECT_EQ(GetField(after.data() + offs::kVfoArea, ChannelField::Receive), 145500000);
    EXPECT_EQ(GetField(after.data() + offs::kVfoArea, ChannelField::InUse), 1);
    EXPECT_TRUE(std::equal(after.begin() + offs::kVfoArea, after.begin() + offs::kVfoArea + 128,
                           after.begin() + HyperAreaOffset(2)));
    // Home and Hyper Memory records are in use once their frequency is valid.
    EXPECT_EQ(GetField(after.data() + offs::kHome, ChannelField::InUse), 1);

    // No choice in the VFO page stores 255, which copies no area at all.
    view_.hyperChoice = -1;
    after = StoreAll();
    EXPECT_EQ(after[offs::kActiveHyper], 255);
    EXPECT_EQ(ActiveHyper(after), 0);
}

TEST_F(SheetIo, HyperSettingsBankChoiceAndLinks)
{
    LoadAll();
    CSpreadSheet1& settings = Settings(1);
    const auto& bank = grid::hyper::CellOf(grid::hyper::Setting::MemoryBank);
    const auto& bankOn = grid::hyper::CellOf(grid::hyper::Setting::MemoryBankOn);
    settings.SetListIndex(bank.editCol, bank.row, 20);
    settings.SetChecked(bankOn.editCol, bankOn.row, false);
    settings.SetChecked(grid::hyper::kBankLinkCol, 3, true);
    settings.SetListIndex(grid::hyper::kScanCol, 1, 2);
    RadioImage after = StoreAll();
    const std::uint8_t* area = after.data() + HyperAreaOffset(1);
    EXPECT_EQ(area[offs::kHyperSettings + 2], 19);
    EXPECT_TRUE(area[offs::kHyperSettings + kMemoryBankOnByte] & kMemoryBankOnBit);
    EXPECT_TRUE(BankLink(area, 2));
    EXPECT_EQ(ScanValue(after, 1, 0), 2);

    doc_.Image() = after;
    LoadAll();
    EXPECT_EQ(Settings(1).GetText(bank.editCol, bank.row), "Bank 20");
    EXPECT_EQ(Settings(1).ListIndex(grid::hyper::kScanCol, 1), 2);
}

TEST_F(SheetIo, SplitToneModesMarkTheRadioSettingByte)
{
    LoadAll();
    EXPECT_EQ(StoreAll()[offs::kSplitToneByte] & 0x08, 0);
    Sheet(0).SetListIndex(col::kToneMode, 1, 5);
    RadioImage after = StoreAll();
    EXPECT_EQ(after[offs::kSplitToneByte] & 0x08, 0x08);
    EXPECT_EQ(GetField(Channel(after, 0), ChannelField::ToneMode), 5);
}

TEST_F(SheetIo, CommentsGoToTheDocument)
{
    LoadAll();
    Sheet(0).SetText(col::kComment, 1, "Repeater");
    StoreAll();
    EXPECT_EQ(doc_.Comment(0), "Repeater");
    EXPECT_TRUE(doc_.IsModified());
}

} // namespace
