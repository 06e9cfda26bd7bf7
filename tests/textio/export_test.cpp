#include "textio/export.h"

// std
#include <fstream>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/document_controller.h"
#include "radio/frequency.h"
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/lines.h"
#include "support/temp_config.h"

namespace {

// A document with channels in memory rows 1, 2, 500 and in L1 (row 1001).
struct ExportFixture {
    explicit ExportFixture(char separator) : doc(separator)
    {
        doc.OnNewDocument();
        const int rows[] = {1, 2, 500, 1001};
        const std::int32_t hz[] = {145500000, 146520000, 446006250, 430100000};
        for (int i = 0; i < 4; ++i) {
            std::uint8_t* rec = doc.Record(radio::kSheetMemories, rows[i] - 1);
            std::fill(rec, rec + radio::kChannelRecordSize, 0);
            rec[0] = 0x80;
            radio::EncodeFrequency(hz[i], rec + 1);
            radio::EncodeFrequency(hz[i], rec + 5);
        }
        doc.Record(radio::kSheetMemories, 1)[0] |= 0x20; // row 2 narrow
        doc.NameRecord(radio::kSheetMemories, 0)[6] |= 0x80; // row 1 shows its name
        controller = std::make_unique<grid::DocumentController>(doc);
        controller->FirstUpdate();
    }
    const grid::CSpreadSheet1& Memories() { return controller->Grid(radio::kSheetMemories); }

    radio::CMainDoc doc{'.'};
    std::unique_ptr<grid::DocumentController> controller;
};

using test_support::Lines;

std::vector<std::string> Fields(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == separator) {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

} // namespace

TEST(Export, WritesTheHeadingAndOneLinePerUsedRow)
{
    test_support::TempConfigHome home;
    ExportFixture f('.');
    const std::string text = textio::BuildExportText(f.Memories(), '\t');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_EQ(text.back(), '\n');

    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 5u);
    const auto heading = Fields(lines[0], '\t');
    ASSERT_EQ(heading.size(), 36u);
    EXPECT_EQ(heading[0], "Channel Number");
    EXPECT_EQ(heading[1], "Receive Frequency");
    EXPECT_EQ(heading[15], "Bank 1");
    EXPECT_EQ(heading[35], "Comment");

    EXPECT_EQ(Fields(lines[1], '\t')[0], "1");
    EXPECT_EQ(Fields(lines[2], '\t')[0], "2");
    EXPECT_EQ(Fields(lines[3], '\t')[0], "500");
    EXPECT_EQ(Fields(lines[4], '\t')[0], "1001");

    const auto first = Fields(lines[1], '\t');
    ASSERT_EQ(first.size(), 36u);
    EXPECT_EQ(first[1], "145.50000");
    EXPECT_EQ(first[7], "Show Name");
    EXPECT_EQ(first[12], "Off");
    EXPECT_EQ(first[14], "Off");
    EXPECT_EQ(first[15], "Off");
    const auto second = Fields(lines[2], '\t');
    EXPECT_EQ(second[7], "");
    EXPECT_EQ(second[14], "On");
    // 446.00625 MHz is kept as the 10 kHz step below it.
    EXPECT_EQ(Fields(lines[3], '\t')[1], "446.00000");
}

TEST(Export, FrequenciesUseTheLocaleSeparator)
{
    test_support::TempConfigHome home;
    ExportFixture f(',');
    const auto lines = Lines(textio::BuildExportText(f.Memories(), '\t'));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(Fields(lines[1], '\t')[1], "145,50000");
    EXPECT_EQ(Fields(lines[1], '\t')[9], "67,0"); // CTCSS index 0
}

TEST(Export, SeparatorFollowsTheExactExtension)
{
    EXPECT_EQ(textio::ExportSeparatorFor("/tmp/list.tab"), '\t');
    EXPECT_EQ(textio::ExportSeparatorFor("/tmp/list.TAB"), ',');
    EXPECT_EQ(textio::ExportSeparatorFor("/tmp/list.csv"), ',');
    EXPECT_EQ(textio::ExportSeparatorFor("/tmp/list"), ',');
    EXPECT_EQ(textio::ExportSeparatorFor("/tmp/my.tab/list"), ',');
}

TEST(Export, FieldsThatWouldBreakTheLineAreQuoted)
{
    test_support::TempConfigHome home;
    ExportFixture f('.');
    auto& grid = f.controller->Grid(radio::kSheetMemories);
    grid.SetText(radio::col::kComment, 1, "Club, north");
    grid.SetText(radio::col::kComment, 2, "say \"hi\"\tthere");
    grid.SetText(radio::col::kName, 2, "A\nB");
    const std::string csv = textio::BuildExportText(grid, ',');
    const auto lines = Lines(csv);
    EXPECT_EQ(lines[1].substr(lines[1].rfind(",\"")), ",\"Club, north\"");
    // A quote is doubled; a tab is no comma, so that field needs only its quotes.
    EXPECT_NE(csv.find(",\"say \"\"hi\"\"\tthere\"\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",\"A\nB\","), std::string::npos) << csv;
    const std::string tab = textio::BuildExportText(grid, '\t');
    EXPECT_NE(tab.find("\tClub, north\n"), std::string::npos); // no tab inside: as it stands
    EXPECT_NE(tab.find("\t\"say \"\"hi\"\"\tthere\"\n"), std::string::npos) << tab;
}

TEST(Export, CommaDecimalFrequenciesStayOneCsvField)
{
    test_support::TempConfigHome home;
    ExportFixture f(',');
    const auto lines = Lines(textio::BuildExportText(f.Memories(), ','));
    EXPECT_EQ(lines[1].rfind("1,\"145,50000\",", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find(",\"67,0\","), std::string::npos) << lines[1];
}

TEST(Export, FileIsWrittenWholeOrNotAtAll)
{
    test_support::TempConfigHome home;
    test_support::TempDir dir;
    ExportFixture f('.');
    std::string error;

    const std::string good = dir.path() + "/list.csv";
    ASSERT_TRUE(textio::ExportSheet(f.Memories(), good, error)) << error;
    EXPECT_EQ(test_support::ReadText(good), textio::BuildExportText(f.Memories(), ','));

    const std::string bad = dir.path() + "/missing/list.tab";
    EXPECT_FALSE(textio::ExportSheet(f.Memories(), bad, error));
    EXPECT_EQ(error, "The data file could not be opened because of this error: No such file or directory\n" + bad);
}
