#include "textio/import_batch.h"

// std
#include <fstream>

// gtest
#include <gtest/gtest.h>

// project
#include "portkit/core/import_table.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

namespace {

// A wizard record with the given slots filled (slot k at 10 * k, Comment at 350).
std::vector<char> Record(std::initializer_list<std::pair<int, const char*>> slots)
{
    std::vector<char> record(381, 0);
    for (const auto& [slot, text] : slots)
        std::copy(text, text + std::char_traits<char>::length(text), record.begin() + 10 * slot);
    return record;
}

class ImportBatchTest : public ::testing::Test {
protected:
    ImportBatchTest() : doc('.')
    {
        doc.OnNewDocument();
        std::fill_n(doc.Image().begin() + 1224, 16, std::uint8_t{0});
    }
    std::uint8_t ShowNameByte(int channel) const { return doc.Image()[18824 + 8 * channel + 6]; }

    radio::CMainDoc doc{'.'};
};

TEST(ImportHeadings, OtherProgramsHeadingFoundAfterTitleLines)
{
    EXPECT_FALSE(textio::HeadingsOfLine("Channel Number\tReceive Frequency\tShow Name\tClock Shift\r").otherLayout);

    test_support::TempDir dir;
    std::ofstream(dir.path() + "/other.csv", std::ios::binary)
        << "\xEF\xBB\xBF# a comment\r\n\r\nLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
           "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n0,A,146.52\r\n";
    EXPECT_TRUE(textio::ReadFileHeadings(dir.path() + "/other.csv").otherLayout);
    EXPECT_FALSE(textio::ReadFileHeadings(dir.path() + "/missing.csv").otherLayout);
}

// Show Name is read only when the wizard assigned a file column to it: set to
// Ignore, the empty slot leaves a named channel shown.
TEST_F(ImportBatchTest, ShowNameIsReadOnlyWhenAColumnIsAssignedToIt)
{
    const auto named = Record({{1, "145.5"}, {6, "NAME"}});
    textio::ImportBatch batch;
    batch.Add(named.data(), 0, true);

    batch.SetAssignment({2, 7, 0}); // Receive Frequency, Name, Ignore
    textio::PlaceBatch(doc, batch, textio::FileHeadings{});
    EXPECT_EQ(ShowNameByte(0), 0x80);
    batch.SetAssignment({2, 7, 8}); // the third column is Show Name, its cell empty
    textio::PlaceBatch(doc, batch, textio::FileHeadings{});
    EXPECT_EQ(ShowNameByte(0), 0x00);
}

TEST_F(ImportBatchTest, OtherProgramsRowsFromTheWizardAreConverted)
{
    doc.Image()[30280] = 0x40; // memory 1 skipped in Hyper Memory 1
    const auto split = Record({{0, "0"}, {1, "146.520000"}, {3, "147.120000"}, {4, "split"}, {5, "NFM"},
                               {8, "DTCS"}, {10, "754"}, {11, "12.50"}, {13, "5W"}});
    textio::ImportBatch batch;
    batch.Add(split.data(), 0, true);
    textio::FileHeadings headings;
    headings.otherLayout = true;

    const radio::RadioImage before = doc.Image();
    const textio::ImportCounts counted = textio::CountBatch(doc.Image(), batch, headings);
    EXPECT_EQ(doc.Image(), before);
    EXPECT_EQ(counted.placed, 1);

    EXPECT_EQ(textio::PlaceBatch(doc, batch, headings).placed, 1);
    const std::uint8_t* rec = doc.Image().data() + 1224;
    EXPECT_EQ(rec[0], 0x80 | 0x20 | 4); // in use, narrow, split
    EXPECT_EQ(rec[5], 0x01);
    EXPECT_EQ(rec[6], 0x47);
    EXPECT_EQ(rec[7], 0x12);
    EXPECT_EQ(rec[4] & 0x7F, 0x24); // 12.5 kHz, DCS
    EXPECT_EQ(rec[8] >> 6, 3);      // Low
    EXPECT_EQ(rec[9], 103);
    EXPECT_EQ(doc.Image()[30280], 0x40); // no Skip column: the scan value stays

    const auto nothing = Record({});
    textio::ImportBatch empty;
    empty.Add(nothing.data(), 1, true);
    EXPECT_EQ(textio::PlaceBatch(doc, empty, headings).Dropped(textio::DropReason::EmptyRow), 1);
}

TEST_F(ImportBatchTest, OtherProgramsRowsAreCompletedFromTheFileRowWithTheirLocation)
{
    const std::vector<std::string> lines{
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment",
        "0,\"A, B\",146.520000,,0.000000,Cross,88.5,100.0,023,NN,754,Tone->DTCS,FM,5.00,S,50W,",
        "1,TWICE,146.540000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,50W,",
        "1,TWICE,146.540000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,P,50W,",
        "2,MOVED,146.580000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.00,S,50W,"};
    textio::FileHeadings headings = textio::HeadingsOfLine(lines.front());
    ASSERT_TRUE(headings.otherLayout);
    headings.otherRows = textio::OtherRowsByLocation(lines);
    ASSERT_EQ(headings.otherRows.size(), 3u);
    EXPECT_EQ(headings.otherRows.at("0").front()[1], "A, B");
    EXPECT_EQ(headings.otherRows.at("0").front()[11], "Tone->DTCS");
    EXPECT_EQ(headings.otherRows.at("1").size(), 2u); // Location 1 with the same Frequency twice: neither is used
    EXPECT_TRUE(textio::OtherRowsByLocation({"Channel Number,Name", "1,X"}).empty());

    // The wizard's cells as it hands them over: cut to 9 characters.
    const auto cross = Record({{0, "0"}, {1, "146.52000"}, {8, "Cross"}, {9, "88.5"}, {10, "023"}});
    const auto twice = Record({{0, "1"}, {1, "146.54000"}, {9, "88.5"}, {10, "023"}});
    const auto moved = Record({{0, "2"}, {1, "147.00000"}, {8, "TSQL"}, {9, "88.5"}, {10, "023"}});
    textio::ImportBatch batch;
    batch.Add(cross.data(), 0, true);
    batch.Add(twice.data(), 1, true);
    batch.Add(moved.data(), 2, true);
    EXPECT_EQ(textio::PlaceBatch(doc, batch, headings).placed, 3);

    const std::uint8_t* rec = doc.Image().data() + 1224;
    EXPECT_EQ(rec[4] & 0x0F, 6);                   // Enc-DCS
    EXPECT_EQ(rec[8] & 0x3F, 8);                   // 88.5
    EXPECT_EQ(rec[9], 103);                        // 754
    EXPECT_EQ(doc.Image()[30280], 0x40);           // memory 0 skipped in Hyper Memory 1 ...
    EXPECT_EQ(doc.Image()[30280 + 4 * 256], 0x40); // ... and in Hyper Memory 5
    // Memory 1 had two file rows and memory 2 another frequency than its file
    // row: no Skip, and TSQL keeps the tone the wizard handed over.
    EXPECT_EQ(doc.Image()[1256 + 4] & 0x0F, 2);
    EXPECT_EQ(doc.Image()[1256 + 8] & 0x3F, 8);
    EXPECT_EQ(doc.Image()[30280] & 0x3C, 0);
}

// One file in other programs' layout, as the wizard reads it with the
// settings it starts with and the title lines skipped: the channels it gives.
struct Imported {
    std::vector<std::uint8_t> image;
    std::vector<std::string> comments;
};
Imported ImportWithWizardDefaults(const std::string& text)
{
    test_support::TempDir dir;
    const std::string path = dir.path() + "/list.csv";
    std::ofstream(path, std::ios::binary) << text;
    std::vector<std::string> lines;
    EXPECT_TRUE(portkit::ReadImportFile(path, lines));
    std::vector<std::string> names;
    std::vector<int> widths;
    for (const textio::ImportColumn& column : textio::kImportColumns) {
        names.emplace_back(column.name);
        widths.push_back(column.width);
    }
    const portkit::SniffedFile sniffed = portkit::SniffImportFile(lines, names);
    const portkit::ImportTable table = portkit::BuildImportTable(lines, sniffed.heading, sniffed.split);
    const portkit::HeaderMatch header = portkit::DetectHeader(table, names);
    EXPECT_EQ(header.layout, portkit::ImportLayout::OtherProgram);
    textio::ImportBatch batch;
    std::vector<char> record(textio::RecordSize());
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        portkit::FillImportRecord(table.rows[r], header.assignment, widths, record.data());
        batch.Add(record.data(), static_cast<int>(r - 1), true);
    }
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    EXPECT_EQ(textio::PlaceBatch(doc, batch, textio::ReadFileHeadings(path)).placed, 3);
    Imported imported{{doc.Image().begin() + 1224, doc.Image().begin() + 31560}, {}};
    for (int channel = 0; channel < 3; ++channel)
        imported.comments.push_back(doc.Comment(channel));
    return imported;
}

TEST(OtherLayoutVariants, SemicolonsQuotesAndTitleLinesGiveTheChannelsOfThePlainFile)
{
    const std::vector<std::vector<std::string>> rows{
        {"Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
         "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment"},
        {"1", "RPT", "146.940000", "-", "0.600000", "TSQL", "88.5", "100.0", "023", "NN", "023", "Tone->Tone", "NFM",
         "12.50", "S", "10W", "Sat, Sun"},
        {"2", "SPLIT", "146.520000", "split", "147.120000", "DTCS", "88.5", "88.5", "754", "NN", "754",
         "Tone->Tone", "FM", "25.00", "", "5W", ""},
        {"3", "X", "442.500000", "+", "5.000000", "Cross", "88.5", "131.8", "023", "NN", "365", "Tone->DTCS", "AM",
         "20.00", "P", "20W", ""},
    };
    // Every cell quoted, or only those that hold the delimiter.
    auto file = [&rows](char delimiter, bool quoteAll, const std::string& title) {
        std::string text = title;
        for (const auto& row : rows) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                const bool quote = quoteAll || row[k].find(delimiter) != std::string::npos;
                text += (k ? std::string(1, delimiter) : "") + (quote ? '"' + row[k] + '"' : row[k]);
            }
            text += "\r\n";
        }
        return text;
    };
    const Imported plain = ImportWithWizardDefaults(file(',', false, ""));
    EXPECT_EQ(plain.image[4] & 0x0F, 2);                     // TSQL: Enc-Dec
    EXPECT_EQ(plain.image[16] & 0x07, 4);                    // split
    EXPECT_EQ(plain.image[32 + 4] & 0x0F, 6);                // Enc-DCS
    const struct {
        const char* what;
        std::string text;
    } variants[] = {
        {"semicolons", file(';', false, "")},
        {"quoted headings and cells", file(',', true, "")},
        {"semicolons, quoted", file(';', true, "")},
        {"title lines", file(',', false, "My channels\r\nexported 2024-05-01\r\n")},
        {"tabs under a title", file('\t', false, "\xEF\xBB\xBFMy channels\n")},
    };
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.what);
        const Imported imported = ImportWithWizardDefaults(variant.text);
        EXPECT_EQ(imported.image, plain.image);
        EXPECT_EQ(imported.comments, plain.comments);
    }
}

TEST(ImportStep, LabelNamesTheChannelCount)
{
    EXPECT_EQ(textio::ImportStepLabel(37), "Import of 37 Channels");
    EXPECT_EQ(textio::ImportStepLabel(1), "Import of 1 Channel");
    EXPECT_EQ(textio::ImportStepLabel(0), "Import of 0 Channels");
}

} // namespace
