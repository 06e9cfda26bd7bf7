// Round trips: a document exported and imported into a new document gives the
// same channels, in our layout and, where it can say the same, in other
// programs' layout.

#include "cli/commands.h"

// std
#include <cstdio>
#include <random>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "grid/document_controller.h"
#include "radio/main_doc.h"
#include "textio/export.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using test_support::ReadText;

int RunCli(const std::vector<std::string>& args)
{
    const auto result = test_support::RunCli(args);
    EXPECT_EQ(result.err, "");
    return result.code;
}

std::vector<std::vector<std::string>> Table(const std::string& text, char separator)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields(1);
        for (char c : line)
            if (c == separator)
                fields.emplace_back();
            else
                fields.back() += c;
        rows.push_back(fields);
    }
    return rows;
}

// A list in our columns with a value of every kind in every column, the same on every run.
std::string RandomList(int rows)
{
    std::mt19937 random(20261208);
    auto pick = [&](std::initializer_list<const char*> items) {
        return std::string(items.begin()[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)]);
    };
    auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const std::string charset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ !\"\\$#%'()*+,-;/|:<=>?@[&]^_";

    std::string text = "Channel Number\tReceive Frequency\tTransmit Frequency\tOffset Frequency\tOffset Direction\t"
                       "Operating Mode\tName\tShow Name\tTone Mode\tCTCSS Tone\tDCS Code\tStep\tClock Shift\t"
                       "Tx Power\tNarrow";
    for (int b = 1; b <= 20; ++b)
        text += "\tBank " + std::to_string(b);
    text += "\tComment\n";
    for (int i = 0; i < rows; ++i) {
        const bool high = number(0, 5) == 0; // 700 MHz and up: the other step list
        const int rx = high ? 750000000 + number(0, 4000) * 12500 : 144000000 + number(0, 320) * 12500;
        char mhz[16];
        std::snprintf(mhz, sizeof mhz, "%d.%06d", rx / 1000000, rx % 1000000);
        std::string name;
        for (int k = number(0, 6); k > 0; --k)
            name += charset[static_cast<std::size_t>(number(0, 63))];
        if (!name.empty() && name[0] == ' ')
            name[0] = 'X';
        std::string comment;
        for (int k = number(0, 30); k > 0; --k)
            comment += static_cast<char>(number(0x21, 0x7E));
        const std::string direction = pick({"Simplex", "Minus", "Plus", "Split"});
        text += std::to_string(number(1, 1100)) + '\t' + mhz + '\t' +
                (direction == "Split" ? std::to_string(number(14400, 14800)) + "0 kHz" : "") + '\t' +
                pick({"600 kHz", "5.00 MHz", "1.00 MHz", "2.3500", "100 kHz"}) + '\t' + direction + '\t' +
                pick({"FM", "AM"}) + '\t' + name + '\t' + pick({"Show Name", ""}) + '\t' +
                pick({"None", "Enc", "Enc-Dec", "Rev TN", "DCS", "D", "Enc-DCS", "D-Dec"}) + '\t' +
                pick({"67.0", "88.5", "100.0", "254.1", "131.8"}) + '\t' + pick({"023", "754", "114", "365"}) + '\t' +
                (high ? pick({"10 kHz", "12.5 kHz", "20 kHz", "25 kHz", "50 kHz", "100 kHz"})
                      : pick({"5 kHz", "10 kHz", "12.5 kHz", "15  kHz", "20 kHz", "25 kHz", "50 kHz", "100 kHz"})) +
                '\t' + pick({"On", "Off"}) + '\t' + pick({"High", "Mid1", "Mid2", "Low"}) + '\t' + pick({"On", "Off"});
        for (int b = 0; b < 20; ++b)
            text += '\t' + pick({"On", "Off", "Off"});
        text += '\t' + comment + '\n';
    }
    return text;
}

class ImportRoundTrip : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }
    // A new document `doc` with `text` imported (overwriting, the other
    // options at their defaults) and exported to `exported`.
    void Import(const std::string& text, const std::string& doc, const std::string& exported,
                std::vector<std::string> options = {})
    {
        test_support::WriteBytes(Path("in.tab"), test_support::Bytes(text.begin(), text.end()));
        ASSERT_EQ(RunCli({"new", Path(doc)}), cli::kExitOk);
        std::vector<std::string> args{"import", Path("in.tab"), "--into", Path(doc), "--overwrite"};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(RunCli(args), cli::kExitOk);
        ASSERT_EQ(RunCli({"export", Path(doc), Path(exported)}), cli::kExitOk);
    }

    // Channel records, names, banks, scan values and comments of two documents.
    static void ExpectSameChannels(const std::string& a, const std::string& b)
    {
        radio::CMainDoc first('.');
        radio::CMainDoc second('.');
        ASSERT_TRUE(first.Load(a));
        ASSERT_TRUE(second.Load(b));
        for (std::size_t i = 1224; i < 30280; ++i)
            ASSERT_EQ(first.Image()[i], second.Image()[i]) << "image byte " << i;
        EXPECT_EQ(first.Data().comments, second.Data().comments);
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
};

TEST_F(ImportRoundTrip, ExportedListImportsIntoTheSameChannels)
{
    Import(RandomList(800), "a.rdf", "a.tab", {"--qualifier", "none"});
    const std::string first = ReadText(Path("a.tab"));
    ASSERT_GT(Table(first, '\t').size(), 400u);
    Import(first, "b.rdf", "b.tab");
    EXPECT_EQ(ReadText(Path("b.tab")), first);
    ExpectSameChannels(Path("a.rdf"), Path("b.rdf"));
}

// Whatever the name, the separator and the decimal separator of an export,
// the import's defaults read it back: names and comments with commas and
// double quotes, frequencies with a decimal comma.
TEST_F(ImportRoundTrip, AnExportImportsBackWithTheDefaultsInEveryLocale)
{
    Import(RandomList(600), "a.rdf", "a.tab", {"--qualifier", "none"});
    for (const char separator : {'.', ','}) {
        radio::CMainDoc doc(separator);
        ASSERT_TRUE(doc.Load(Path("a.rdf")));
        grid::DocumentController controller(doc);
        controller.FirstUpdate();
        for (const char* name : {"list.tab", "list.csv", "list.TAB", "list"}) {
            SCOPED_TRACE(std::string(1, separator) + " " + name);
            std::string error;
            ASSERT_TRUE(textio::ExportSheet(controller.Grid(radio::kSheetMemories), Path(name), error)) << error;
            ASSERT_EQ(RunCli({"new", Path("b.rdf")}), cli::kExitOk);
            ASSERT_EQ(RunCli({"import", Path(name), "--into", Path("b.rdf"), "--overwrite"}), cli::kExitOk);
            ExpectSameChannels(Path("a.rdf"), Path("b.rdf"));
        }
    }
}

TEST_F(ImportRoundTrip, OtherProgramsLayoutKeepsWhatItCanSay)
{
    Import(RandomList(800), "a.rdf", "a.tab", {"--qualifier", "none"});
    ASSERT_EQ(RunCli({"export", "--layout", "other", Path("a.rdf"), Path("a.csv")}), cli::kExitOk);
    ASSERT_EQ(RunCli({"new", Path("b.rdf")}), cli::kExitOk);
    ASSERT_EQ(RunCli({"import", Path("a.csv"), "--into", Path("b.rdf"), "--overwrite"}), cli::kExitOk);
    ASSERT_EQ(RunCli({"export", Path("b.rdf"), Path("b.tab")}), cli::kExitOk);

    const auto a = Table(ReadText(Path("a.tab")), '\t');
    const auto b = Table(ReadText(Path("b.tab")), '\t');
    ASSERT_EQ(a.size(), b.size());
    enum { kTransmit = 2, kOffset = 3, kDirection = 4, kMode = 5, kName = 6, kShow = 7, kTone = 8, kClock = 12,
           kNarrow = 14, kBank1 = 15 };
    int lossy = 0;
    for (std::size_t r = 1; r < a.size(); ++r) {
        SCOPED_TRACE(a[r][0]);
        ASSERT_EQ(a[r].size(), 36u);
        ASSERT_EQ(b[r].size(), 36u);
        for (std::size_t k = 0; k < 36; ++k) {
            const bool split = a[r][kDirection] == "Split";
            const bool am = a[r][kMode] == "AM";
            // What the layout has no place for.
            if (k == kShow) {
                EXPECT_EQ(b[r][k], a[r][kName].empty() ? "" : "Show Name");
            } else if (k == kClock || (k >= kBank1 && k < 35)) {
                EXPECT_EQ(b[r][k], "Off");
            } else if (k == kTone && a[r][k] == "Rev TN") {
                EXPECT_EQ(b[r][k], "None");
            } else if (k == kNarrow && am) {
                EXPECT_EQ(b[r][k], "Off");
            } else if (k == kOffset && split) {
                // The default offset: 600 kHz below 220 MHz, none from 450 MHz on.
                EXPECT_EQ(b[r][k], a[r][1] < "7" ? "600 kHz" : "0.0000");
            } else {
                EXPECT_EQ(b[r][k], a[r][k]) << "column " << k;
                continue;
            }
            lossy += b[r][k] != a[r][k];
        }
        EXPECT_EQ(b[r][kTransmit], a[r][kTransmit]);
    }
    EXPECT_GT(lossy, 0);
}

} // namespace
