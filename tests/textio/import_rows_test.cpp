#include "textio/import_rows.h"

// std
#include <cstring>

// gtest
#include <gtest/gtest.h>

// project
#include "portkit/core/import_table.h"
#include "radio/main_doc.h"
#include "textio/import_rules.h"
#include "textio/paste_rows.h"

namespace {

using textio::DropReason;
using textio::RowFields;

// Image offsets of memory channel n (0-based), its name and its comment slot.
std::size_t RecordAt(int n) { return 1224 + 16 * static_cast<std::size_t>(n); }
std::size_t NameAt(int n) { return 18824 + 8 * static_cast<std::size_t>(n); }

// A row given by column name; every other column empty.
RowFields Row(std::initializer_list<std::pair<const char*, const char*>> cells)
{
    RowFields fields;
    for (const auto& [name, text] : cells) {
        const int k = textio::ColumnIndex(name);
        EXPECT_GE(k, 0) << name;
        if (k >= 0)
            fields[static_cast<std::size_t>(k)] = text;
    }
    return fields;
}

class ImportRows : public ::testing::Test {
protected:
    ImportRows() : doc('.')
    {
        doc.OnNewDocument();
        std::fill_n(doc.Image().begin() + RecordAt(0), 16, std::uint8_t{0}); // the template's memory 1
    }

    std::uint8_t Byte(int channel, int byte) const { return doc.Image()[RecordAt(channel) + byte]; }
    std::vector<std::uint8_t> Bytes(std::size_t at, std::size_t n) const
    {
        return {doc.Image().begin() + static_cast<long>(at), doc.Image().begin() + static_cast<long>(at + n)};
    }
    void MarkInUse(int channel) { doc.Image()[RecordAt(channel)] |= 0x80; }

    radio::CMainDoc doc{'.'};
};

TEST_F(ImportRows, FirstRowNumberedZeroMakesTheFileCountFromZero)
{
    textio::RowImporter importer(doc);
    EXPECT_TRUE(importer.PlaceRow(Row({{"Channel Number", "0"}, {"Receive Frequency", "145.5"}}), 0, false));
    EXPECT_TRUE(importer.PlaceRow(Row({{"Channel Number", "7"}, {"Receive Frequency", "146.52"}}), 1, false));
    EXPECT_TRUE(importer.ZeroBased());
    EXPECT_EQ(Byte(0, 0) & 0x80, 0x80);
    EXPECT_EQ(Byte(7, 0) & 0x80, 0x80); // row 7 into channel 8
    EXPECT_EQ(Byte(6, 0) & 0x80, 0);
}

TEST_F(ImportRows, FirstRowNumberedOneKeepsNumbersAsChannels)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Channel Number", "1"}, {"Receive Frequency", "145.5"}}), 0, false);
    EXPECT_EQ(importer.LastChannel(), 0);
    importer.PlaceRow(Row({{"Channel Number", "7"}, {"Receive Frequency", "146.52"}}), 1, false);
    EXPECT_EQ(importer.LastChannel(), 6);
    // A later 0 does not switch the numbering: it is outside the sheet.
    importer.PlaceRow(Row({{"Channel Number", "0"}, {"Receive Frequency", "146.52"}}), 2, false);
    EXPECT_FALSE(importer.ZeroBased());
    EXPECT_EQ(Byte(0, 0) & 0x80, 0x80);
    EXPECT_EQ(Byte(6, 0) & 0x80, 0x80);
    EXPECT_EQ(importer.Counts().placed, 2);
    EXPECT_EQ(importer.Counts().Dropped(DropReason::OutsideSheet), 1);
}

TEST_F(ImportRows, RowsWithoutNumberGoWhereTheCallerSaysAndTheLastChannelIsTheLimit)
{
    textio::RowImporter importer(doc);
    EXPECT_TRUE(importer.PlaceRow(Row({{"Receive Frequency", "145.5"}}), 4, false));
    EXPECT_EQ(importer.LastChannel(), 4);
    EXPECT_TRUE(importer.PlaceRow(Row({{"Channel Number", "1100"}, {"Receive Frequency", "145.5"}}), 5, true));
    EXPECT_EQ(importer.LastChannel(), 1099);
    EXPECT_FALSE(importer.PlaceRow(Row({{"Channel Number", "1101"}, {"Receive Frequency", "145.5"}}), 6, true));
    EXPECT_FALSE(importer.PlaceRow(Row({{"Receive Frequency", "145.5"}}), -1, true));
    EXPECT_EQ(importer.Counts().Dropped(DropReason::OutsideSheet), 2);
}

TEST_F(ImportRows, WithoutOverwriteARowMovesToTheNextFreeChannel)
{
    MarkInUse(4);
    MarkInUse(5);
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Channel Number", "5"}, {"Receive Frequency", "145.5"}, {"Name", "NEXT"}}), 0, false);
    EXPECT_EQ(importer.LastChannel(), 6);
    EXPECT_EQ(doc.Image()[NameAt(6)], 23); // "N"

    textio::RowImporter overwriting(doc);
    overwriting.PlaceRow(Row({{"Channel Number", "5"}, {"Receive Frequency", "146.52"}}), 0, true);
    EXPECT_EQ(overwriting.LastChannel(), 4);

    MarkInUse(1099);
    textio::RowImporter full(doc);
    EXPECT_FALSE(full.PlaceRow(Row({{"Channel Number", "1100"}, {"Receive Frequency", "145.5"}}), 0, false));
    EXPECT_EQ(full.Counts().Dropped(DropReason::NoFreeChannel), 1);
}

TEST_F(ImportRows, AnUnacceptableReceiveFrequencyLeavesTheChannelAsItWas)
{
    for (std::size_t i = 0; i < 16; ++i)
        doc.Image()[RecordAt(9) + i] = static_cast<std::uint8_t>(0x11 * (i % 8));
    doc.SetComment(9, "old comment");
    const auto before = Bytes(RecordAt(9), 16);
    const auto nameBefore = Bytes(NameAt(9), 8);

    textio::RowImporter importer(doc);
    for (const char* rx : {"", "abc", "100.0", "145.5013", "830.0"})
        EXPECT_FALSE(importer.PlaceRow(
            Row({{"Channel Number", "10"}, {"Receive Frequency", rx}, {"Name", "X"}, {"Comment", "new"}}), 0, true))
            << rx;
    EXPECT_EQ(Bytes(RecordAt(9), 16), before);
    EXPECT_EQ(Bytes(NameAt(9), 8), nameBefore);
    EXPECT_EQ(doc.Comment(9), "old comment");
    EXPECT_EQ(importer.Counts().Dropped(DropReason::BadReceive), 5);
}

TEST_F(ImportRows, MinusWithoutTransmitOrOffsetTakesTheDefaultOffset)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Offset Direction", "-"}}), 0, true);
    EXPECT_EQ(Bytes(RecordAt(0) + 1, 3), (std::vector<std::uint8_t>{0x01, 0x45, 0x50}));
    EXPECT_EQ(Byte(0, 0) & 0x07, 2);
    EXPECT_EQ(Bytes(RecordAt(0) + 5, 3), (std::vector<std::uint8_t>{0x01, 0x44, 0x90})); // 144.9 MHz
    EXPECT_EQ(Bytes(RecordAt(0) + 11, 2), (std::vector<std::uint8_t>{0x00, 0x0C}));      // 12 x 50 kHz
    EXPECT_EQ(Byte(0, 0) & 0x80, 0x80);
}

TEST_F(ImportRows, AFrequencyInTheDirectionColumnMakesASplitChannel)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "146.52"}, {"Offset Direction", "147.12"}}), 0, true);
    EXPECT_EQ(Byte(0, 0) & 0x07, 4);
    EXPECT_EQ(Bytes(RecordAt(0) + 5, 3), (std::vector<std::uint8_t>{0x01, 0x47, 0x12}));
    EXPECT_EQ(Bytes(RecordAt(0) + 11, 2), (std::vector<std::uint8_t>{0x00, 0x0C}));

    // A split 11.11 MHz away is no 50 kHz multiple: the default offset instead.
    importer.PlaceRow(Row({{"Receive Frequency", "146.52"}, {"Offset Direction", "157.63"}}), 1, true);
    EXPECT_EQ(Byte(1, 0) & 0x07, 4);
    EXPECT_EQ(Bytes(RecordAt(1) + 11, 2), (std::vector<std::uint8_t>{0x00, 0x0C}));
}

TEST_F(ImportRows, DirectionTextsCarryingAnOffset)
{
    struct Case {
        const char* direction;
        int code;
        std::uint8_t units; // offset in 50 kHz units
        std::uint8_t tx[3];
    };
    // Receive 146.52 MHz; default offset 600 kHz.
    const Case cases[] = {
        {"+5", 3, 100, {0x01, 0x51, 0x52}},   // offset 5 MHz, transmit by direction and offset
        {"-0.6", 2, 12, {0x01, 0x45, 0x92}},
        {"-5", 2, 12, {0x01, 0x45, 0x92}},    // negative whole part: default offset, by the code
        {"Plus", 3, 12, {0x01, 0x47, 0x12}},
        {"minus", 2, 12, {0x01, 0x45, 0x92}},
        {"Simplex", 0, 12, {0x01, 0x46, 0x52}},
        {"Split", 4, 12, {0x01, 0x46, 0x52}},
        {"SPLIT", 4, 12, {0x01, 0x46, 0x52}},
        {"Off", 4, 12, {0x01, 0x46, 0x52}},
        {"N", 0, 12, {0x01, 0x46, 0x52}},
        {"x", 0, 12, {0x01, 0x46, 0x52}},
        // A lone code digit is the direction only, not an offset of 1 to 3 MHz.
        {"1", 2, 12, {0x01, 0x45, 0x92}},
        {"2", 3, 12, {0x01, 0x47, 0x12}},
        {"3", 4, 12, {0x01, 0x46, 0x52}},
    };
    int channel = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        textio::RowImporter importer(doc);
        importer.PlaceRow(Row({{"Receive Frequency", "146.52"}, {"Offset Direction", c.direction}}), channel, true);
        EXPECT_EQ(Byte(channel, 0) & 0x07, c.code);
        EXPECT_EQ(Byte(channel, 12), c.units);
        EXPECT_EQ(Bytes(RecordAt(channel) + 5, 3), (std::vector<std::uint8_t>{c.tx[0], c.tx[1], c.tx[2]}));
        ++channel;
    }
}

TEST_F(ImportRows, TransmitAndOffsetColumns)
{
    textio::RowImporter importer(doc);
    // The offset follows the transmit frequency unless the channel is split.
    importer.PlaceRow(Row({{"Receive Frequency", "146.4"},
                           {"Transmit Frequency", "147.4"},
                           {"Offset Frequency", "600 kHz"},
                           {"Offset Direction", "Plus"}}),
                      0, true);
    EXPECT_EQ(Bytes(RecordAt(0) + 5, 3), (std::vector<std::uint8_t>{0x01, 0x47, 0x40}));
    EXPECT_EQ(Byte(0, 12), 20); // 1 MHz
    importer.PlaceRow(Row({{"Receive Frequency", "146.4"},
                           {"Transmit Frequency", "147.4"},
                           {"Offset Frequency", "600 kHz"},
                           {"Offset Direction", "Split"}}),
                      1, true);
    EXPECT_EQ(Byte(1, 0) & 0x07, 4);
    EXPECT_EQ(Byte(1, 12), 12);
    // Offset without transmit frequency: transmit by the direction.
    importer.PlaceRow(Row({{"Receive Frequency", "442.5"}, {"Offset Frequency", "5.00 MHz"}, {"Offset Direction", "P"}}),
                      2, true);
    EXPECT_EQ(Bytes(RecordAt(2) + 5, 3), (std::vector<std::uint8_t>{0x04, 0x47, 0x50}));
    EXPECT_EQ(Byte(2, 12), 100);
    // A simplex row keeps the offset it gives, though its transmit frequency is its receive frequency.
    importer.PlaceRow(Row({{"Receive Frequency", "146.4"},
                           {"Transmit Frequency", "146.4"},
                           {"Offset Frequency", "2.3500"},
                           {"Offset Direction", "Simplex"}}),
                      4, true);
    EXPECT_EQ(Byte(4, 0) & 0x07, 0);
    EXPECT_EQ(Byte(4, 12), 47);
    // An empty direction is simplex whatever the other columns say.
    importer.PlaceRow(Row({{"Receive Frequency", "146.4"}, {"Transmit Frequency", "147.4"}}), 3, true);
    EXPECT_EQ(Byte(3, 0) & 0x07, 0);
    EXPECT_EQ(Bytes(RecordAt(3) + 5, 3), (std::vector<std::uint8_t>{0x01, 0x46, 0x40}));
}

TEST_F(ImportRows, ShiftValuesTheRadioCannotUseAreRefusedAndTheRowGetsWhatTheCellsWouldShow)
{
    struct Case {
        const char* direction;
        const char* offset;
        const char* transmit;
        int code;
        std::uint8_t units; // offset in 50 kHz units
        std::uint8_t tx[3];
        int refused;
    };
    // Receive 146.52 MHz; default offset 600 kHz, so plus transmits on 147.12 MHz.
    const Case cases[] = {
        {"+", "0", "", 3, 12, {0x01, 0x47, 0x12}, 1},
        {"Plus", "600", "", 3, 12, {0x01, 0x47, 0x12}, 1},      // 600 MHz
        {"Plus", "0.625", "", 3, 12, {0x01, 0x47, 0x12}, 1},    // no 50 kHz multiple
        {"Plus", "99.95", "", 3, 12, {0x01, 0x47, 0x12}, 1},
        {"Plus", "1.00 MHz", "", 3, 20, {0x01, 0x47, 0x52}, 0},
        {"+0", "", "", 3, 12, {0x01, 0x47, 0x12}, 0},           // no number: the default
        {"+100", "", "", 0, 12, {0x01, 0x46, 0x52}, 1},         // a transmit frequency below every band
        {"920", "", "", 0, 12, {0x01, 0x46, 0x52}, 1},          // a transmit frequency the radio has not
        {"1455", "", "", 0, 12, {0x01, 0x46, 0x52}, 1},
        {"Split", "", "920", 4, 12, {0x01, 0x46, 0x52}, 1},
        {"Split", "", "147.9", 4, 12, {0x01, 0x47, 0x90}, 0},
        {"Plus", "", "1455", 3, 12, {0x01, 0x47, 0x12}, 1},
        {"Plus", "", "145.92", 2, 12, {0x01, 0x45, 0x92}, 0},   // the transmit frequency sets the shift
        {"Minus", "", "146.525", 4, 12, {0x81, 0x46, 0x52}, 0}, // as typing it would: split
    };
    int channel = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.direction) + " / " + c.offset + " / " + c.transmit);
        textio::RowImporter importer(doc);
        ASSERT_TRUE(importer.PlaceRow(Row({{"Receive Frequency", "146.52"},
                                           {"Offset Direction", c.direction},
                                           {"Offset Frequency", c.offset},
                                           {"Transmit Frequency", c.transmit}}),
                                      channel, true));
        EXPECT_EQ(Byte(channel, 0) & 0x07, c.code);
        EXPECT_EQ(Byte(channel, 11), 0);
        EXPECT_EQ(Byte(channel, 12), c.units);
        EXPECT_EQ(Bytes(RecordAt(channel) + 5, 3), (std::vector<std::uint8_t>{c.tx[0], c.tx[1], c.tx[2]}));
        EXPECT_EQ(importer.Counts().refused, c.refused);
        ++channel;
    }
    // From 450 MHz on the default offset is 0: the 0.0000 an export writes there is no refusal.
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "460.0"}, {"Offset Direction", "Simplex"}, {"Offset Frequency", "0.0000"}}),
                      channel, true);
    EXPECT_EQ(importer.Counts().refused, 0);
    EXPECT_EQ(Byte(channel, 12), 0);
}

// A comment is one line of its cell, at most 30 bytes, never half a character:
// from a file through the wizard's 30-byte slot, and from pasted text.
TEST_F(ImportRows, CommentsAreOneLineAndCutByWholeCharacters)
{
    const std::string e = "\xC3\xA9"; // é in UTF-8
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += e;
    const std::string ascii29(29, 'c');
    const struct {
        std::string comment;
        std::string stored;
    } cases[] = {
        {"a\tb\r\nc\rd\ne", "a b  c d e"},
        {ascii29 + e, ascii29},                              // é would end past byte 30
        {ascii29 + "\xE9xyz", ascii29 + "\xE9"},             // 8-bit text: a byte a character
        {"x" + fifteen, "x" + fifteen.substr(0, 28)},        // through the wizard's slot
    };
    std::vector<std::string> names;
    std::vector<int> widths;
    for (const textio::ImportColumn& column : textio::kImportColumns) {
        names.emplace_back(column.name);
        widths.push_back(column.width);
    }
    std::vector<int> assignment{2, 36}; // Receive Frequency, Comment
    std::vector<char> record(textio::RecordSize());
    int channel = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(channel);
        portkit::FillImportRecord({"145.5", c.comment}, assignment, widths, record.data());
        textio::RowImporter importer(doc);
        ASSERT_TRUE(importer.PlaceRecord(record.data(), channel, true));
        EXPECT_EQ(doc.Comment(channel), c.stored);
        ++channel;
    }
    const textio::PastedRows pasted = textio::ReadPastedRows("Receive Frequency\tComment\n145.5\t\"two\nlines\tand a tab\"\n");
    ASSERT_EQ(textio::PlacePastedRows(doc, pasted, channel, channel).placed, 1);
    EXPECT_EQ(doc.Comment(channel), "two lines and a tab");
}

TEST_F(ImportRows, ASplitChannelNeverTransmitsOnAFrequencyTheRadioCannotUse)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "146.4"}, {"Transmit Frequency", "garbage"}, {"Offset Direction", "Split"}}),
                      0, true);
    EXPECT_EQ(Byte(0, 0) & 0x07, 4);
    EXPECT_EQ(Bytes(RecordAt(0) + 5, 3), (std::vector<std::uint8_t>{0x01, 0x46, 0x40}));
}

TEST_F(ImportRows, NameIsCutToSixRadioCharacters)
{
    doc.Image()[NameAt(2) + 6] = 0x80; // show name set before
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Name", "repeater"}}), 0, true);
    EXPECT_EQ(Bytes(NameAt(0), 8), (std::vector<std::uint8_t>{27, 14, 25, 14, 10, 29, 0x80, 0x80}));
    // Characters the radio has not are left out, as typing them is refused.
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Name", "a~b"}}), 1, true);
    EXPECT_EQ(Bytes(NameAt(1), 8), (std::vector<std::uint8_t>{10, 11, 36, 36, 36, 36, 0x80, 0x80}));
    // No name: six zero bytes, no name flag, the show flag as it was.
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}}), 2, true);
    EXPECT_EQ(Bytes(NameAt(2), 8), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0x80, 0x00}));
}

TEST_F(ImportRows, ShowNameAndClockShiftAreReadOnlyWhenTheFileHasThem)
{
    doc.Image()[RecordAt(0) + 4] = 0x80; // clock shift on
    doc.Image()[RecordAt(1) + 4] = 0x80;
    textio::RowImporter without(doc);
    without.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Name", "A"}, {"Clock Shift", "Off"}}), 0, true);
    EXPECT_EQ(doc.Image()[NameAt(0) + 6], 0x80);
    EXPECT_EQ(Byte(0, 4) & 0x80, 0x80);

    textio::ColumnSet present;
    present.set(7);  // "Show Name"
    present.set(12); // "Clock Shift"
    textio::RowImporter with(doc, present);
    with.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Name", "A"}, {"Clock Shift", "Off"}}), 1, true);
    EXPECT_EQ(doc.Image()[NameAt(1) + 6], 0x00);
    EXPECT_EQ(doc.Image()[NameAt(1) + 7], 0x80);
    EXPECT_EQ(Byte(1, 4) & 0x80, 0);
    with.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Name", "A"}, {"Show Name", "Show Name"}, {"Clock Shift", "On"}}),
                  2, true);
    EXPECT_EQ(doc.Image()[NameAt(2) + 6], 0x80);
    EXPECT_EQ(Byte(2, 4) & 0x80, 0x80);
}

TEST_F(ImportRows, ToneModeCtcssAndDcs)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"CTCSS Tone", "88.5"}}), 0, true);
    EXPECT_EQ(Byte(0, 4) & 0x0F, 1);
    EXPECT_EQ(Byte(0, 8) & 0x3F, 8);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"CTCSS Tone", "300"}}), 1, true);
    EXPECT_EQ(Byte(1, 4) & 0x0F, 0);
    EXPECT_EQ(Byte(1, 8) & 0x3F, 12);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Tone Mode", "Enc-Dec"}, {"CTCSS Tone", "254.1"}}), 2, true);
    EXPECT_EQ(Byte(2, 4) & 0x0F, 2);
    EXPECT_EQ(Byte(2, 8) & 0x3F, 49);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Tone Mode", "DCS"}, {"DCS Code", "754"}}), 3, true);
    EXPECT_EQ(Byte(3, 4) & 0x0F, 4);
    EXPECT_EQ(Byte(3, 9), 103);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"DCS Code", "999"}}), 4, true);
    EXPECT_EQ(Byte(4, 9), 0);
}

TEST_F(ImportRows, ModeStepPowerNarrow)
{
    textio::RowImporter importer(doc);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"},
                           {"Operating Mode", "aM"},
                           {"Step", "12.5 kHz"},
                           {"Tx Power", "Mid1"},
                           {"Narrow", "On"}}),
                      0, true);
    EXPECT_EQ(Byte(0, 0) & 0x30, 0x30); // AM and narrow
    EXPECT_EQ(Byte(0, 4) & 0x70, 0x20);
    EXPECT_EQ(Byte(0, 8) & 0xC0, 0x40);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Operating Mode", "FM"}, {"Step", "100 kHz"}, {"Tx Power", "Low"}, {"Narrow", "Off"}}),
                      1, true);
    EXPECT_EQ(Byte(1, 0) & 0x30, 0x00);
    EXPECT_EQ(Byte(1, 4) & 0x70, 0x70); // 100 kHz keeps its own code
    EXPECT_EQ(Byte(1, 8) & 0xC0, 0xC0);
    importer.PlaceRow(Row({{"Receive Frequency", "145.5"}, {"Step", "6.25 kHz"}, {"Tx Power", "50W"}}), 2, true);
    EXPECT_EQ(Byte(2, 4) & 0x70, 0x00);
    EXPECT_EQ(Byte(2, 8) & 0xC0, 0x00);
    // From 700 MHz on there is no 5 or 15 kHz step: 10 kHz instead.
    for (const char* step : {"5 kHz", "15 kHz", "", "7 kHz"}) {
        importer.PlaceRow(Row({{"Receive Frequency", "850.0"}, {"Step", step}}), 3, true);
        EXPECT_EQ(Byte(3, 4) & 0x70, 0x10) << step;
    }
    importer.PlaceRow(Row({{"Receive Frequency", "850.0"}, {"Step", "12.5 kHz"}}), 3, true);
    EXPECT_EQ(Byte(3, 4) & 0x70, 0x20);
}

TEST_F(ImportRows, BanksCommentAndBitsOfNoColumnKeepTheirValues)
{
    doc.Image()[RecordAt(3) + 0] = 0x48; // bits 6 and 3 of byte 0
    doc.Image()[RecordAt(3) + 10] = 0x5A;
    doc.Image()[RecordAt(3) + 15] = 0xA5;
    doc.Image()[27720 + 128 * 1] = 0x10; // memory 3 in bank 2
    textio::RowImporter importer(doc);
    const std::string comment40 = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    importer.PlaceRow(Row({{"Channel Number", "4"},
                           {"Receive Frequency", "145.5"},
                           {"Bank 1", "Yes"},
                           {"Bank 2", "Off"},
                           {"Bank 20", "1"},
                           {"Comment", comment40.c_str()}}),
                      0, true);
    EXPECT_EQ(Byte(3, 0) & 0x48, 0x48);
    EXPECT_EQ(Byte(3, 10), 0x5A);
    EXPECT_EQ(Byte(3, 15), 0xA5);
    EXPECT_EQ(doc.Image()[27720 + 128 * 0], 0x10);
    EXPECT_EQ(doc.Image()[27720 + 128 * 1], 0x00);
    EXPECT_EQ(doc.Image()[27720 + 128 * 19], 0x10);
    EXPECT_EQ(doc.Comment(3), comment40.substr(0, 30));
    // The 32-byte slot keeps a terminator after 30 characters.
    EXPECT_EQ(doc.Data().comments[32 * 3 + 30], 0);

    // A scan-limit channel has no bank bits.
    const auto banks = Bytes(27720, 20 * 128);
    importer.PlaceRow(Row({{"Channel Number", "1001"}, {"Receive Frequency", "145.5"}, {"Bank 1", "Yes"}}), 1, true);
    EXPECT_EQ(Bytes(27720, 20 * 128), banks);
}

TEST_F(ImportRows, ExtrasSetTheScanValueInEveryHyperMemory)
{
    textio::RowImporter importer(doc);
    textio::RowExtras skip;
    skip.scan = 1;
    importer.PlaceRow(Row({{"Channel Number", "6"}, {"Receive Frequency", "145.5"}}), 0, true, skip);
    for (int hyper = 0; hyper < 5; ++hyper)
        EXPECT_EQ(doc.Image()[30280 + 256 * hyper + 1], 0x10) << hyper; // memory 5: bits 5-4 of byte 1
}

TEST_F(ImportRows, EmptyRowsAreCountedApart)
{
    textio::RowImporter importer(doc);
    EXPECT_FALSE(importer.PlaceRow(RowFields{}, 0, true));
    EXPECT_EQ(importer.Counts().Dropped(DropReason::EmptyRow), 1);
    EXPECT_EQ(importer.Counts().DroppedTotal(), 1);
    EXPECT_EQ(Byte(0, 0) & 0x80, 0);
}

TEST(ImportRecord, SlotsFollowTheColumnWidths)
{
    EXPECT_EQ(textio::RecordSize(), 381u);
    EXPECT_EQ(textio::SlotOffset(35), 350u);
    std::vector<char> record(381, 0);
    std::memcpy(&record[10], "145.5", 5);
    std::memcpy(&record[60], "ABCDEFGHI", 9);
    std::memcpy(&record[350], "comment", 7);
    const RowFields fields = textio::FieldsFromRecord(record.data());
    EXPECT_EQ(fields[1], "145.5");
    EXPECT_EQ(fields[6], "ABCDEFGHI");
    EXPECT_EQ(fields[35], "comment");

    RowFields back;
    back[6] = "0123456789ABC";
    back[35] = std::string(40, 'c');
    std::vector<char> built(381, 'x');
    textio::RecordFromFields(back, built.data());
    EXPECT_EQ(std::string(&built[60], 10), std::string("012345678") + '\0');
    EXPECT_EQ(std::string(&built[350], 31), std::string(30, 'c') + '\0');
}

TEST(ImportWords, ToneModeTable)
{
    struct Case {
        const char* text;
        int mode;
    };
    const Case cases[] = {
        {"0", 0}, {"OFF", 0}, {"None", 0}, {"1", 1}, {"enc", 1}, {"CTCSS Encode", 1}, {"Enc (Tone", 1},
        {"2", 2}, {"Decode", 2}, {"enc\\dec", 2}, {"Tone Squelch", 2}, {"Enc-Dec", 2}, {"enc-decode", 2},
        {"bell", 2}, {"3", 4}, {"DCS", 4}, {"dcs code", 4}, {"Rev TN", 3}, {"D", 5}, {"Enc-DCS", 6},
        {"t-dcs", 6}, {"D-Dec", 7}, {"D-TSQL", 7}, {"squelch tone", 0}, {"", 0},
        // The spreadsheet programmers' words.
        {"Tone", 1}, {"T Sql", 2}, {"TSQL", 2}, {"T DCS", 6}, {"D Tone", 7}, {"D Code", 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textio::ToneModeFromText(c.text), c.mode) << c.text;
}

TEST(ImportWords, PowerAndYesNo)
{
    const std::pair<const char*, int> power[] = {{"High", 0}, {"on", 0}, {"0", 0}, {"MID1", 1}, {"1", 1},
                                                 {"mid2", 2}, {"2", 2}, {"Low", 3}, {"OFF", 3}, {"3", 3},
                                                 {"Mid", 0}};
    for (const auto& [text, value] : power)
        EXPECT_EQ(textio::PowerFromText(text), value) << text;
    for (const char* yes : {"yes", "On", "1", "Y", "y", "onwards"})
        EXPECT_TRUE(textio::ReadYesNo(yes)) << yes;
    for (const char* no : {"no", "Off", "0", "", "true", "Show Name"})
        EXPECT_FALSE(textio::ReadYesNo(no)) << no;
    EXPECT_TRUE(textio::ReadShowName("Show Name"));
    EXPECT_TRUE(textio::ReadShowName("Y"));
    EXPECT_FALSE(textio::ReadShowName(""));
}

} // namespace
