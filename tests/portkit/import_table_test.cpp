#include "portkit/core/import_session.h"
#include "portkit/core/import_table.h"

#include "support/column_names.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace portkit;
using Fields = std::vector<std::string>;

namespace {

const std::vector<std::string>& kNames = test_support::OurColumnNames();

const SplitOptions kComma{',', false, false, '"'};

TEST(ImportLines, KeepsNonEmptyLinesWithoutCarriageReturns)
{
    EXPECT_EQ(SplitImportLines("a\r\n\r\n\nb\nc\r\n"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitImportLines("last line without end"), (Fields{"last line without end"}));
    EXPECT_EQ(SplitImportLines("\n\r\n\n"), Fields{});
    // A carriage return inside a line is text.
    EXPECT_EQ(SplitImportLines("a\rb\n"), (Fields{"a\rb"}));
}

TEST(ImportLines, ByteOrderMarkDroppedCommentsOnlyForOtherProgramLayout)
{
    const std::string heading =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment";
    EXPECT_EQ(SplitImportLines("\xEF\xBB\xBF# made elsewhere\r\n" + heading + "\r\n# note\r\n0,A\r\n"),
              (Fields{heading, "0,A"}));
    EXPECT_EQ(SplitImportLines("#1,A\n#2,B\n"), (Fields{"#1,A", "#2,B"}));
    EXPECT_EQ(SplitImportLines("\xEF\xBB\xBFx\n"), (Fields{"x"}));
    EXPECT_TRUE(IsOtherProgramHeading(heading + ",URCALL,RPT1CALL"));
    // Any of its columns with Frequency among them, in any order and case, quoted or not.
    EXPECT_TRUE(IsOtherProgramHeading("\"name\";\" FREQUENCY\";\"location\""));
    EXPECT_TRUE(IsOtherProgramHeading("Frequency\tName"));
    EXPECT_FALSE(IsOtherProgramHeading("Location,Name,Freq,Duplex"));
    EXPECT_FALSE(IsOtherProgramHeading("Channel Number,Receive Frequency,Name"));
}

TEST(ImportLines, ReadFileReportsMissingFile)
{
    std::vector<std::string> lines{"stale"};
    EXPECT_FALSE(ReadImportFile("/nonexistent/folder/list.csv", lines));
    const std::string path = testing::TempDir() + "import_lines.csv";
    const std::string text = "1,2\r\n\r\n3,4";
    test_support::WriteBytes(path, test_support::Bytes(text.begin(), text.end()));
    ASSERT_TRUE(ReadImportFile(path, lines));
    EXPECT_EQ(lines, (Fields{"1,2", "3,4"}));
    std::remove(path.c_str());
}

TEST(ImportTableBuild, ColumnsGrowToWidestRowFromSkipOn)
{
    const Fields lines = {"title", "a,b", "c,d,e,f", "g"};
    const ImportTable table = BuildImportTable(lines, 1, kComma);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.columns, 4u);
    EXPECT_EQ(table.rows[1], (Fields{"c", "d", "e", "f"}));
    EXPECT_EQ(table.rows[2], (Fields{"g"}));
    EXPECT_EQ(BuildImportTable(lines, 4, kComma).rows.size(), 0u);
    EXPECT_EQ(BuildImportTable(lines, 9, kComma).columns, 0u);
}

TEST(ImportTableBuild, RowWithoutAnyFieldIsLeftOut)
{
    const ImportTable table = BuildImportTable({"1,2", ",,,", "3"}, 0, SplitOptions{',', true, false, '"'});
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1], (Fields{"3"}));
}

TEST(ImportTableBuild, WidestCellPerColumn)
{
    const ImportTable table = BuildImportTable({"abc,d", "e,fghij,k"}, 0, kComma);
    EXPECT_EQ(table.widestCell, (std::vector<std::size_t>{3, 5, 1}));
}

TEST(ImportHeader, MatchesNamesExactlyAndFirstCellWins)
{
    const ImportTable table = BuildImportTable(
        {"Name,Receive Frequency,receive frequency,Name,Comment ", "A,145.5,x,y,z"}, 0, kComma);
    const HeaderMatch match = DetectHeader(table, kNames);
    EXPECT_EQ(match.layout, ImportLayout::Plain);
    // "Name" is our 7th name, "Receive Frequency" the 2nd, "Comment" the 36th; the
    // trailing blank of "Comment " is trimmed by the splitter.
    EXPECT_EQ(match.assignment, (std::vector<int>{7, 2, 0, 0, 36}));
    EXPECT_TRUE(match.Found());
}

TEST(ImportHeader, NothingFoundForDataRowOrEmptyTable)
{
    const HeaderMatch data = DetectHeader(BuildImportTable({"1,145.5,,"}, 0, kComma), kNames);
    EXPECT_FALSE(data.Found());
    EXPECT_EQ(data.assignment, (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(DetectHeader(BuildImportTable({}, 0, kComma), kNames).Found());
}

TEST(ImportHeader, OtherProgramLayoutPreassigned)
{
    const ImportTable table = BuildImportTable(
        {"Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
         "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL",
         "0,RPT,146.940000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,"},
        0, kComma);
    const HeaderMatch match = DetectHeader(table, kNames);
    EXPECT_EQ(match.layout, ImportLayout::OtherProgram);
    // Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,
    // DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL.
    EXPECT_EQ(match.assignment,
              (std::vector<int>{1, 7, 2, 5, 4, 9, 10, 0, 11, 0, 0, 0, 6, 12, 0, 14, 36, 0}));
}

TEST(ImportHeader, OtherProgramHeadingsByNameWithoutFrequencyMeanNothing)
{
    // A short heading of that layout in another order and case is read by its names ...
    HeaderMatch match = DetectHeader(BuildImportTable({"frequency,NAME,tStep,Location,URCALL"}, 0, kComma), kNames);
    EXPECT_EQ(match.layout, ImportLayout::OtherProgram);
    EXPECT_EQ(match.assignment, (std::vector<int>{2, 7, 12, 1, 0}));
    // ... but without Frequency it is no such heading.
    match = DetectHeader(BuildImportTable({"Location,Name,Duplex"}, 0, kComma), kNames);
    EXPECT_EQ(match.layout, ImportLayout::Plain);
    EXPECT_EQ(match.assignment, (std::vector<int>{0, 7, 0}));
    // Our own names in another case.
    match = DetectHeader(BuildImportTable({"channel number,RECEIVE FREQUENCY, Name"}, 0, kComma), kNames);
    EXPECT_EQ(match.assignment, (std::vector<int>{1, 2, 7}));
}

TEST(ImportHeader, SpreadsheetLayoutNamesAndEmptyFirstHeading)
{
    const ImportTable table = BuildImportTable(
        {",Receive Frequency,Transmit Frequency,Offset Frequency,Offset Direction,Operating Mode,"
         "Name,Show Name,Tone Mode,CTCSS,Rx CTCSS,DCS,Skip,Step,Clock Shift,Tx Power,Tx Narrow,"
         "Pager Enable,Comment,",
         "1,146.96000,146.3600,600 kHz,Minus,FM,PSRG,Y,Tone,103.5,103.5,023,Scan,5 kHz,N,High,N,N,"
         "coordination,"},
        0, kComma);
    const HeaderMatch match = DetectHeader(table, kNames);
    EXPECT_EQ(match.layout, ImportLayout::Spreadsheet);
    EXPECT_EQ(match.assignment,
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 11, 0, 12, 13, 14, 15, 0, 36}));
}

TEST(ImportHeader, EmptyFirstCellAloneIsNoHeading)
{
    const HeaderMatch match = DetectHeader(BuildImportTable({",145.5,x"}, 0, kComma), kNames);
    EXPECT_FALSE(match.Found());
    // Our own name wins over the foreign heading when both are there.
    const HeaderMatch both = DetectHeader(BuildImportTable({"CTCSS,CTCSS Tone"}, 0, kComma), kNames);
    EXPECT_EQ(both.assignment, (std::vector<int>{0, 10}));
}

TEST(ImportAssignment, MessagesForNoneAndDuplicates)
{
    EXPECT_STREQ(CheckAssignment({0, 0, 0}), "No columns were identified!");
    EXPECT_STREQ(CheckAssignment({}), "No columns were identified!");
    EXPECT_STREQ(CheckAssignment({3, 0, 3}), "Columns cannot be duplicated!");
    EXPECT_EQ(CheckAssignment({0, 3, 0, 2}), nullptr);
}

TEST(ImportRecord, SlotsBackToBackCutToWidthMinusOne)
{
    const std::vector<int> widths = {10, 10, 31};
    ASSERT_EQ(ImportRecordSize(widths), 51u);
    std::vector<char> record(51, 'Z');
    // Column 0 feeds slot 3, column 1 is ignored, column 2 feeds slot 1.
    FillImportRecord({"a comment", "ignored", "0123456789ABC"}, {3, 0, 1}, widths, record.data());
    EXPECT_EQ(std::string(record.data(), 10), std::string("012345678\0", 10));
    EXPECT_EQ(std::string(record.data() + 10, 10), std::string(10, '\0'));
    EXPECT_EQ(std::string(record.data() + 20, 31), "a comment" + std::string(22, '\0'));
}

TEST(ImportRecord, ShortRowsAndBadAssignmentsLeaveZeros)
{
    const std::vector<int> widths = {4, 0, -3, 4};
    ASSERT_EQ(ImportRecordSize(widths), 8u);
    std::vector<char> record(8, 'Z');
    FillImportRecord({"ab", "cd", "ef"}, {2, 3, 9, 4}, widths, record.data());
    EXPECT_EQ(std::string(record.data(), 8), std::string(8, '\0'));
    FillImportRecord({"xy"}, {4, 1}, widths, record.data());
    EXPECT_EQ(std::string(record.data(), 8), std::string("\0\0\0\0xy\0\0", 8));
}

} // namespace

namespace {

std::vector<std::pair<int, int>> g_handed; // channel index, overwrite

void RecordIndex(void* /*record*/, int channelIndex, int overwrite)
{
    g_handed.emplace_back(channelIndex, overwrite);
}

TEST(ImportHandOver, IndexesFromStartAndOnlyTickedRows)
{
    const char* const names[] = {"Name"};
    const int widths[] = {10};
    const ImportDataStruct data{nullptr, 1, 0, 5, 5};
    ImportSession session(data, names, widths, &RecordIndex);
    session.assignment = {1};
    const ImportTable table = BuildImportTable({"a", "b", "c"}, 0, kComma);
    g_handed.clear();
    EXPECT_EQ(session.HandOver(table, {true, false, true}, 5, false), 2);
    EXPECT_EQ(g_handed, (std::vector<std::pair<int, int>>{{4, 0}, {5, 0}}));
    // A start of 0 or less is the first index as it is.
    g_handed.clear();
    session.HandOver(table, {true, true, true}, 0, true);
    EXPECT_EQ(g_handed, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 1}}));
    g_handed.clear();
    session.HandOver(table, {true}, -3, false);
    EXPECT_EQ(g_handed, (std::vector<std::pair<int, int>>{{-3, 0}}));
}

TEST(ImportHandOver, NoCallbackOrColumnsIsHarmless)
{
    const ImportDataStruct data{nullptr, 0, 1, 5, 5};
    const ImportSession none(data, nullptr, nullptr, nullptr);
    EXPECT_EQ(none.HandOver(BuildImportTable({"a"}, 0, kComma), {true}, 1, false), 0);
    g_handed.clear();
    const ImportSession empty(data, nullptr, nullptr, &RecordIndex);
    EXPECT_EQ(empty.HandOver(BuildImportTable({"a"}, 0, kComma), {true}, 1, false), 1);
    EXPECT_EQ(g_handed.size(), 1u);
}

} // namespace
