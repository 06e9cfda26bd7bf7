// The comparison of two images: every differing byte is named by a line of
// the area that owns it, channels moved are one line, and the summary counts.

// std
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/channel_record.h"
#include "radio/document_data.h"
#include "radio/image_diff.h"
#include "radio/record_rules.h"
#include "radio/settings_record.h"

namespace {

using radio::DiffArea;

// Every byte in the plain build; under the sanitizers every 7th.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kByteStride = 7;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t kByteStride = 7;
#else
constexpr std::size_t kByteStride = 1;
#endif
#else
constexpr std::size_t kByteStride = 1;
#endif

// The owner of each image offset, from the layout (start of each part).
struct Owner {
    std::size_t from;
    DiffArea area;
};
constexpr Owner kOwners[] = {
    {0, DiffArea::Bytes},       // identifier, current channel and state
    {56, DiffArea::Settings},   // set-mode menu
    {72, DiffArea::Vfo},        // VFO area
    {200, DiffArea::Dtmf},      // DTMF memories
    {456, DiffArea::Home},      // Home band records
    {536, DiffArea::Bytes},     // reserved
    {578, DiffArea::Settings},  // CW ID
    {584, DiffArea::Hyper},     // Hyper Memory areas
    {1224, DiffArea::Memory},   // channel records
    {18824, DiffArea::Memory},  // channel names
    {27624, DiffArea::Bytes},   // reserved
    {27656, DiffArea::Home},    // Home names
    {27696, DiffArea::Bytes},   // reserved
    {27720, DiffArea::Bank},    // bank bitmaps
    {30280, DiffArea::Hyper},   // scan values
    {31560, DiffArea::Bytes},   // checksum
};

DiffArea OwnerOf(std::size_t offset)
{
    DiffArea area = DiffArea::Bytes;
    for (const Owner& owner : kOwners)
        if (offset >= owner.from)
            area = owner.area;
    return area;
}

radio::RadioImage RandomSettledImage(unsigned seed)
{
    radio::DocumentDataArea data;
    std::mt19937 random(seed);
    for (auto& byte : data.image)
        byte = static_cast<std::uint8_t>(random());
    // Most channels in use, on frequencies of the 2 m and 70 cm bands.
    for (int row = 0; row < radio::kChannelCount; ++row) {
        std::uint8_t* record = data.image.data() + radio::ChannelOffset(row);
        const std::int32_t rx = (random() % 2 ? 144000000 : 430000000) + static_cast<std::int32_t>(random() % 320) * 12500;
        radio::SetField(record, radio::ChannelField::Receive, rx);
        radio::SetField(record, radio::ChannelField::InUse, random() % 4 != 0);
    }
    radio::SettleDocument(data);
    return data.image;
}

std::vector<std::string> Texts(const std::vector<radio::Difference>& lines)
{
    std::vector<std::string> texts;
    for (const auto& line : lines)
        texts.push_back(line.Text());
    return texts;
}

std::vector<radio::Difference> Compare(const radio::RadioImage& a, const radio::RadioImage& b)
{
    return radio::CompareImages({&a, nullptr}, {&b, nullptr});
}

// Any one byte changed is found, and only in words of the area that owns it,
// or as that very byte when no cell or control shows its bits.
TEST(ImageDiff, EveryChangedByteIsNamedByItsArea)
{
    const radio::RadioImage image = RandomSettledImage(11);
    std::mt19937 random(5);
    int memoryLines = 0;
    for (std::size_t offset = 0; offset < radio::kImageSize; offset += kByteStride) {
        radio::RadioImage changed = image;
        changed[offset] ^= static_cast<std::uint8_t>(1 + random() % 255);
        const auto lines = Compare(image, changed);
        ASSERT_FALSE(lines.empty()) << "offset " << offset;
        const DiffArea owner = OwnerOf(offset);
        for (const auto& line : lines) {
            const bool ownArea = line.area == owner;
            const bool ownByte = line.area == DiffArea::Bytes && line.place == "Bytes " + std::to_string(offset);
            ASSERT_TRUE(ownArea || ownByte) << "offset " << offset << ": " << line.Text();
            memoryLines += line.area == DiffArea::Memory;
        }
    }
    EXPECT_GT(memoryLines, static_cast<int>(10000 / kByteStride)) << "most channel bytes are shown in words";
    EXPECT_TRUE(Compare(image, image).empty());
}

// Hand-made changes and the lines they give, word for word.
TEST(ImageDiff, LinesInTheWindowsWords)
{
    radio::DocumentDataArea data;
    data.image = RandomSettledImage(3);
    radio::CommentSlots comments{};
    auto setMemory = [&](radio::RadioImage& image, int row, std::int32_t rx, bool inUse) {
        std::uint8_t* record = image.data() + radio::ChannelOffset(row);
        std::fill_n(record, radio::kChannelRecordSize, 0);
        radio::SetField(record, radio::ChannelField::Receive, rx);
        radio::SetField(record, radio::ChannelField::Transmit, rx);
        radio::SetField(record, radio::ChannelField::InUse, inUse ? 1 : 0);
        std::fill_n(image.data() + radio::NameOffset(radio::kSheetMemories, row), radio::kNameRecordSize, 0);
    };
    radio::RadioImage before = data.image;
    for (int bank = 0; bank < radio::kBankCount; ++bank)
        for (int row : {11, 39, 40})
            radio::SetBankBit(before, bank, row, false);
    setMemory(before, 11, 146520000, true);
    setMemory(before, 39, 0, false);
    setMemory(before, 40, 145000000, true);
    setMemory(before, 6, 145500000, true);
    std::uint8_t* dtmf5 = before.data() + 200 + 4 * 16;
    std::fill_n(dtmf5, 16, 0xFF);
    std::copy_n("\x01\x02\x03", 3, dtmf5);
    radio::RadioImage after = before;
    // Memory 12 moves to 40 with its record, memory 41 goes, memory 7 changes frequency.
    std::copy_n(before.data() + radio::ChannelOffset(11), 16, after.data() + radio::ChannelOffset(39));
    radio::SetField(after.data() + radio::ChannelOffset(11), radio::ChannelField::InUse, 0);
    radio::SetField(after.data() + radio::ChannelOffset(40), radio::ChannelField::InUse, 0);
    radio::SetField(after.data() + radio::ChannelOffset(6), radio::ChannelField::Receive, 145600000);
    radio::SetField(after.data() + radio::ChannelOffset(6), radio::ChannelField::Transmit, 145600000);
    radio::SetBankBit(after, 2, 39, true);
    after[200 + 4 * 16 + 3] = 4; // DTMF 5: one digit more
    after[31560] = static_cast<std::uint8_t>(before[31560] ^ 0x81);

    char checksum[64];
    std::snprintf(checksum, sizeof checksum, "Bytes 31560: 0x%02X -> 0x%02X", before[31560], after[31560]);
    EXPECT_EQ(Texts(Compare(before, after)), (std::vector<std::string>{
                                                  "DTMF 5: 123 -> 1234",
                                                  "Memory 7: Receive Frequency 145.50000 -> 145.60000",
                                                  "Memory 7: Transmit Frequency 145.50000 -> 145.60000",
                                                  "Memory 12: moved to Memory 40",
                                                  "Memory 41: removed",
                                                  "Bank 3: Memory 40 added",
                                                  checksum,
                                              }));
    const auto lines = Compare(before, after);
    EXPECT_EQ(radio::SummaryText(lines), "4 memories, 1 setting and 1 other byte change");
    EXPECT_EQ(radio::SummaryText({lines[3]}), "2 memories change") << "a move empties one and fills another";
    EXPECT_EQ(radio::SummaryText({lines[4]}), "1 memory changes");

    // A move needs the same comment where both sides have comments.
    radio::CommentSlots moved = comments;
    moved[32 * 11] = 'x';
    const auto withComments = Texts(radio::CompareImages({&before, &moved}, {&after, &comments}));
    EXPECT_NE(std::find(withComments.begin(), withComments.end(), "Memory 12: removed"), withComments.end());
    EXPECT_NE(std::find(withComments.begin(), withComments.end(), "Memory 40: added"), withComments.end());
}

TEST(ImageDiff, SettingsBlocksAndSummary)
{
    radio::SettingsRecord before;
    before.SetHeaderFields();
    radio::SettingsRecord after = before;
    after.Block()[4] = static_cast<std::uint8_t>((after.Block()[4] & 0x1F) | 0x60); // Lock: Key + Dial
    std::fill_n(before.Block().begin() + 22 + 4 * 16, 16, 0xFF);
    std::fill_n(after.Block().begin() + 22 + 4 * 16, 16, 0xFF);
    after.Block()[22 + 4 * 16] = 1; // DTMF 5: "1"
    after.Block()[15] = 0x5A;                                                         // no control's byte
    const auto lines = radio::CompareSettings(before, after);
    const auto texts = Texts(lines);
    ASSERT_EQ(texts.size(), 3u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[0], "Settings: Lock Off -> Key + Dial");
    EXPECT_EQ(texts[1], "Bytes 15: 0x00 -> 0x5A");
    EXPECT_EQ(texts[2], "DTMF 5: (none) -> 1");
    EXPECT_EQ(radio::SummaryText(lines), "2 settings and 1 other byte change");
    EXPECT_EQ(radio::SummaryText({}), "Nothing changes");
    EXPECT_EQ(radio::SummaryText({lines[0]}), "1 setting changes");
}

} // namespace
