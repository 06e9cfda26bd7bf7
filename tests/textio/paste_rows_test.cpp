// Rows pasted from other programs: the clipboard text read as the export
// writes it, with or without its heading line, and placed from a chosen
// channel on through the import's row conversion.

// own
#include "textio/paste_rows.h"

// gtest
#include <gtest/gtest.h>

// project
#include "radio/main_doc.h"

namespace {

using textio::PasteCounts;
using textio::PastedRows;
using textio::ReadPastedRows;

// Image offsets of memory channel n (0-based) and of its name.
std::size_t RecordAt(int n) { return 1224 + 16 * static_cast<std::size_t>(n); }
std::size_t NameAt(int n) { return 18824 + 8 * static_cast<std::size_t>(n); }

// Columns by position in an export line.
constexpr std::size_t kChannel = 0, kReceive = 1, kName = 6, kShowName = 7, kComment = 35;

// An export line of the given leading fields; the remaining ones empty.
std::string Line(std::initializer_list<const char*> fields)
{
    std::string line;
    int n = 0;
    for (const char* field : fields) {
        line += (n++ > 0 ? "\t" : "");
        line += field;
    }
    for (; n < 36; ++n)
        line += '\t';
    return line + "\r\n";
}

const std::string kHeading =
    "Channel Number\tReceive Frequency\tTransmit Frequency\tOffset Frequency\tOffset Direction\tOperating Mode\t"
    "Name\tShow Name\tTone Mode\tCTCSS Tone\tDCS Code\tStep\tClock Shift\tTx Power\tNarrow\tBank 1\tBank 2\tBank 3\t"
    "Bank 4\tBank 5\tBank 6\tBank 7\tBank 8\tBank 9\tBank 10\tBank 11\tBank 12\tBank 13\tBank 14\tBank 15\tBank 16\t"
    "Bank 17\tBank 18\tBank 19\tBank 20\tComment\r\n";

TEST(ReadPastedRows, ExportLinesWithAndWithoutTheHeadingReadAlike)
{
    const std::string body = Line({"1", "145.50000", "145.50000", "600 kHz", "Simplex", "FM", "CLUB", "Show Name"}) +
                             Line({"2", "146.52000"});
    const PastedRows plain = ReadPastedRows(body);
    const PastedRows headed = ReadPastedRows(kHeading + body);
    EXPECT_FALSE(plain.heading);
    EXPECT_TRUE(headed.heading);
    ASSERT_EQ(plain.rows.size(), 2u);
    ASSERT_EQ(headed.rows.size(), 2u);
    EXPECT_EQ(plain.rows, headed.rows);
    EXPECT_EQ(plain.rows[0][kReceive], "145.50000");
    EXPECT_EQ(plain.rows[0][kName], "CLUB");
    EXPECT_EQ(plain.rows[0][kShowName], "Show Name");
    EXPECT_EQ(plain.rows[1][kChannel], "2");
    EXPECT_TRUE(plain.present.all());
    EXPECT_TRUE(headed.present.all());
}

TEST(ReadPastedRows, AHeadingPlacesFieldsByTheColumnsItNames)
{
    // A spreadsheet's own choice of columns, one of them unknown.
    const PastedRows pasted = ReadPastedRows("Comment\tRemarks\tReceive Frequency\n"
                                             "net night\tx\t147.00000\n");
    ASSERT_EQ(pasted.rows.size(), 1u);
    EXPECT_EQ(pasted.rows[0][kComment], "net night");
    EXPECT_EQ(pasted.rows[0][kReceive], "147.00000");
    EXPECT_EQ(pasted.rows[0][kChannel], "");
    EXPECT_TRUE(pasted.present.test(kComment));
    EXPECT_FALSE(pasted.present.test(kShowName)); // so a name shows, as an import without the column

    // One known name alone is no heading: a channel may well be called "Name".
    const PastedRows single = ReadPastedRows("3\t145.00000\t\t\t\t\tName\n");
    EXPECT_FALSE(single.heading);
    ASSERT_EQ(single.rows.size(), 1u);
    EXPECT_EQ(single.rows[0][kName], "Name");
}

TEST(ReadPastedRows, QuotesBomBlankLinesAndLineEnds)
{
    const std::string text = "\xEF\xBB\xBF"
                             "1\t145.5\t\"CL\tUB\"\r\n"
                             "\t\t\t\r\n"
                             "\n"
                             "2\t146.0\t\"say \"\"hi\"\"\nthere\"\r"
                             "3\t147.0";
    const PastedRows pasted = ReadPastedRows(text);
    ASSERT_EQ(pasted.rows.size(), 3u);
    EXPECT_EQ(pasted.rows[0][kChannel], "1");
    EXPECT_EQ(pasted.rows[0][2], "CL\tUB");
    EXPECT_EQ(pasted.rows[1][2], "say \"hi\"\nthere");
    EXPECT_EQ(pasted.rows[2][kReceive], "147.0"); // no line end after the last row
    EXPECT_TRUE(pasted.present.test(2));
    EXPECT_FALSE(pasted.present.test(3));
}

class PlacePasted : public ::testing::Test {
protected:
    PlacePasted() : doc('.') { doc.OnNewDocument(); }
    std::uint8_t Byte(int channel, int byte) const { return doc.Image()[RecordAt(channel) + byte]; }

    radio::CMainDoc doc{'.'};
};

TEST_F(PlacePasted, RowsGoOneAfterAnotherFromTheChosenChannel)
{
    const PastedRows pasted = ReadPastedRows(kHeading +
                                             Line({"900", "145.50000", "", "", "", "", "club", "", "", "", "", "", "",
                                                   "", "", "Off", "Off", "On"}) +
                                             Line({"7", "29.00000"}) + // below every band: refused
                                             Line({"5", "146.52000"}) + Line({"", "", "", "", "", "", "X"}));
    const radio::RadioImage before = doc.Image();
    const PasteCounts counted = textio::CountPastedRows(doc.Image(), pasted, 4, 999);
    EXPECT_TRUE(doc.Image() == before);

    const PasteCounts placed = textio::PlacePastedRows(doc, pasted, 4, 999);
    EXPECT_EQ(placed.placed, 2);
    EXPECT_EQ(placed.dropped, 2);
    EXPECT_EQ(counted.placed, placed.placed);
    EXPECT_EQ(counted.dropped, placed.dropped);
    // Channel 5 and 6 (records 4 and 5), whatever numbers the rows carried.
    EXPECT_EQ(Byte(4, 0) & 0x80, 0x80);
    EXPECT_EQ(Byte(5, 0) & 0x80, 0x80);
    EXPECT_EQ(Byte(6, 0) & 0x80, 0);
    EXPECT_EQ(Byte(899, 0) & 0x80, 0);
    EXPECT_EQ(doc.Image()[NameAt(4) + 0], 0x0C); // C
    EXPECT_EQ(doc.Image()[NameAt(4) + 7] & 0x80, 0x80); // has a name
    EXPECT_TRUE(radio::BankBit(doc.Image(), 2, 4));
    EXPECT_FALSE(radio::BankBit(doc.Image(), 1, 4));
}

TEST_F(PlacePasted, RowsBeyondEveryChannelAreCountedNotKept)
{
    std::string text;
    for (int i = 0; i < 1102; ++i)
        text += "\t145.00000\n";
    const PastedRows pasted = ReadPastedRows(text);
    EXPECT_EQ(pasted.rows.size(), 1100u);
    EXPECT_EQ(pasted.beyond, 2);
    const PasteCounts counts = textio::PlacePastedRows(doc, pasted, 0, 1099);
    EXPECT_EQ(counts.placed, 1100);
    EXPECT_EQ(counts.dropped, 2);
}

TEST(PasteStatusText, NamesTheStepAndTheDroppedRows)
{
    EXPECT_EQ(textio::PasteStatusText({3, 1}), "Paste of 3 Channels, 1 row dropped");
    EXPECT_EQ(textio::PasteStatusText({1, 0}), "Paste of 1 Channel");
    EXPECT_EQ(textio::PasteStatusText({0, 2}), "Paste of 0 Channels, 2 rows dropped");
}

} // namespace
