// ostrel-cli import and export in both layouts, against golden files and
// generated lists.

#include "cli/commands.h"

// std
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

// gtest
#include <gtest/gtest.h>

// project
#include "radio/main_doc.h"
#include "support/files.h"
#include "support/run_cli.h"
#include "support/temp_config.h"

namespace {

using test_support::ReadText;

using Result = test_support::CliResult;
using test_support::RunCli;

std::string DataFile(const std::string& name)
{
    const char* dir = std::getenv("OSTREL_TEST_DATA");
    return std::string(dir != nullptr ? dir : OSTREL_TEST_DATA_DIR) + "/import/" + name;
}

void WriteText(const std::string& path, const std::string& text)
{
    test_support::WriteBytes(path, test_support::Bytes(text.begin(), text.end()));
}

std::string Counts(int placed, int empty, int outside, int noFree, int receive, int refused = 0)
{
    std::ostringstream out;
    out << "Rows placed: " << placed << "\nFields refused: " << refused << "\nRows dropped: " << empty + outside + noFree + receive
        << "\n  no field at all: " << empty << "\n  channel number outside 1 to 1100: " << outside
        << "\n  no free channel left: " << noFree << "\n  receive frequency refused: " << receive << '\n';
    return out.str();
}

class CliImport : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }
    // A new document, the text imported into it with `options`, exported as `exported`.
    Result ImportIntoNew(const std::string& text, const std::vector<std::string>& options, const std::string& exported)
    {
        EXPECT_EQ(RunCli({"new", Path("doc.rdf")}).code, cli::kExitOk);
        std::vector<std::string> args{"import", text, "--into", Path("doc.rdf")};
        args.insert(args.end(), options.begin(), options.end());
        const Result result = RunCli(args);
        EXPECT_EQ(RunCli({"export", Path("doc.rdf"), Path(exported)}).code, cli::kExitOk);
        return result;
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
};

TEST_F(CliImport, GoldenFilesImportIntoTheExpectedChannels)
{
    struct Case {
        const char* input;
        const char* expected;
        std::vector<std::string> options;
        std::string counts;
    };
    const Case cases[] = {
        {"list.csv", "list.expected.tab", {"--qualifier", "double", "--overwrite"}, Counts(6, 0, 0, 0, 1)},
        {"spreadsheet.csv", "spreadsheet.expected.tab", {"--overwrite"},
         Counts(6, 0, 0, 0, 0) + "Columns not used: Rx CTCSS, Skip, Pager Enable\n"},
        // BOM, '#' lines, CR LF, numbering from 0, quoted texts: the layout's heading decides.
        {"other.csv", "other.expected.tab", {"--overwrite", "--delimiter", "tab"},
         Counts(6, 0, 0, 0, 1) + "Values not kept: 1\n  TStep (a step the radio has not): 1\nColumns not used: URCALL\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const Result r = ImportIntoNew(DataFile(c.input), c.options, "out.tab");
        EXPECT_EQ(r.code, cli::kExitOk) << r.err;
        EXPECT_EQ(r.out, c.counts);
        EXPECT_EQ(ReadText(Path("out.tab")), ReadText(DataFile(c.expected)));
    }
}

// The columns of the export that channels.txt lists, in its order.
std::string ChannelListing(const std::string& exported)
{
    const std::vector<std::string> wanted{"Channel Number", "Receive Frequency", "Transmit Frequency",
                                          "Offset Frequency", "Offset Direction", "Operating Mode", "Name",
                                          "Tone Mode", "CTCSS Tone", "DCS Code", "Step", "Tx Power", "Narrow",
                                          "Comment"};
    std::istringstream in(exported);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back(1);
        for (const char c : line)
            if (c == '\t')
                rows.back().emplace_back();
            else
                rows.back().back().push_back(c);
    }
    std::string listing = "Channel\tReceive\tTransmit\tOffset\tDirection\tMode\tName\tTone Mode\tCTCSS\tDCS\tStep\t"
                          "Power\tNarrow\tComment\n";
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t k = 0; k < wanted.size(); ++k) {
            const auto at = std::find(rows.front().begin(), rows.front().end(), wanted[k]) - rows.front().begin();
            listing += rows[r].at(static_cast<std::size_t>(at)) + (k + 1 < wanted.size() ? '\t' : '\n');
        }
    return listing;
}

// Each folder of import/lists holds one list as other programs and repeater
// directories write it, the channels it must give (channels.txt) and the
// counts ostrel-cli import prints for it (counts.txt), imported with overwrite
// into a new document. A new folder is a new case.
TEST_F(CliImport, ListsOfOtherProgramsGiveTheirGoldenChannelsAndCounts)
{
    int cases = 0;
    for (const auto& folder : std::filesystem::directory_iterator(DataFile("lists"))) {
        SCOPED_TRACE(folder.path().filename().string());
        std::string input;
        for (const auto& file : std::filesystem::directory_iterator(folder.path()))
            if (file.path().filename() != "channels.txt" && file.path().filename() != "counts.txt")
                input = file.path().string();
        ASSERT_FALSE(input.empty());
        const Result r = ImportIntoNew(input, {"--overwrite"}, "out.tab");
        EXPECT_EQ(r.code, cli::kExitOk) << r.err;
        EXPECT_EQ(r.out, ReadText((folder.path() / "counts.txt").string()));
        EXPECT_EQ(ChannelListing(ReadText(Path("out.tab"))), ReadText((folder.path() / "channels.txt").string()));
        ++cases;
    }
    EXPECT_GE(cases, 8);
}

TEST_F(CliImport, ExportInTheOtherLayoutMatchesItsGoldenFile)
{
    ImportIntoNew(DataFile("list.csv"), {"--qualifier", "double", "--overwrite"}, "out.tab");
    ASSERT_EQ(RunCli({"export", "--layout", "other", Path("doc.rdf"), Path("other.csv")}).code, cli::kExitOk);
    EXPECT_EQ(ReadText(Path("other.csv")), ReadText(DataFile("list.expected-other.csv")));
    EXPECT_EQ(RunCli({"export", "--layout", "mine", Path("doc.rdf"), Path("x.csv")}).code, cli::kExitUsage);
}

TEST_F(CliImport, WithoutOutputTheDocumentIsRewrittenAndTheRowsTakeFreeChannels)
{
    WriteText(Path("rows.tab"), "Channel Number\tReceive Frequency\n1\t145.5\n1\t146.52\n");
    ASSERT_EQ(RunCli({"new", Path("doc.rdf")}).code, cli::kExitOk);
    const Result r = RunCli({"import", Path("rows.tab"), "--into", Path("doc.rdf")});
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out, Counts(2, 0, 0, 0, 0));
    radio::CMainDoc doc('.');
    ASSERT_TRUE(doc.Load(Path("doc.rdf")));
    // Memory 1 holds the template's channel: the rows go to memories 2 and 3.
    EXPECT_EQ(doc.Image()[1224 + 16 * 1 + 2], 0x45);
    EXPECT_EQ(doc.Image()[1224 + 16 * 2 + 2], 0x46);
    EXPECT_EQ(doc.Image()[1224 + 16 * 3] & 0x80, 0);
}

TEST_F(CliImport, OptionsOfTheWizardSteps)
{
    // Two lines to skip, no heading: columns by --map, semicolons, from memory 10.
    WriteText(Path("rows.txt"), "title\nsecond\n145.5;;ONE\n146.52;;TWO\n");
    Result r = ImportIntoNew(Path("rows.txt"),
                             {"--skip", "2", "--delimiter", "semicolon", "--consecutive", "--map", "1=Receive Frequency",
                              "--map", "2=Name", "--start", "10"},
                             "out.tab");
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    std::string text = ReadText(Path("out.tab"));
    EXPECT_NE(text.find("\n10\t145.50000\t"), std::string::npos);
    EXPECT_NE(text.find("\tONE\tShow Name\t"), std::string::npos);
    EXPECT_NE(text.find("\n11\t146.52000\t"), std::string::npos);

    // Single quotes around a text holding the delimiter; a "C" delimiter of one character.
    WriteText(Path("rows.txt"), "Receive Frequency|Comment\n145.5|'a|b'\n");
    r = ImportIntoNew(Path("rows.txt"), {"--delimiter", "|", "--qualifier", "single", "--overwrite"}, "out.tab");
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    EXPECT_NE(ReadText(Path("out.tab")).find("\tOff\ta|b\n"), std::string::npos);

    // --map overrides a detected heading; "Ignore" leaves a column out.
    WriteText(Path("rows.tab"), "Receive Frequency\tName\n145.5\tKEEP\n");
    r = ImportIntoNew(Path("rows.tab"), {"--map", "2=Ignore", "--overwrite"}, "out.tab");
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    EXPECT_EQ(ReadText(Path("out.tab")).find("KEEP"), std::string::npos);
}

TEST_F(CliImport, FailuresAndUsage)
{
    ASSERT_EQ(RunCli({"new", Path("doc.rdf")}).code, cli::kExitOk);
    Result r = RunCli({"import", Path("missing.tab"), "--into", Path("doc.rdf")});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "An error occurred file tring to open the file: \n" + Path("missing.tab") + "\n");

    // No row placed: exit 1 with the reason that dropped the most rows, the
    // document left as it was.
    WriteText(Path("low.csv"), "Location,Frequency\n1,29.600000\n2,50.100000\n1101,146.52\n");
    const std::string before = ReadText(Path("doc.rdf"));
    r = RunCli({"import", Path("low.csv"), "--into", Path("doc.rdf")});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "No row was placed: most rows were dropped for receive frequency refused (2 of 3)\n");
    EXPECT_EQ(r.out, Counts(0, 0, 1, 0, 2));
    EXPECT_EQ(ReadText(Path("doc.rdf")), before);

    WriteText(Path("plain.tab"), "145.5\tA\n");
    r = RunCli({"import", Path("plain.tab"), "--into", Path("doc.rdf")});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "No columns were identified!\n");
    r = RunCli({"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--map", "1=Name", "--map", "2=Name"});
    EXPECT_EQ(r.code, cli::kExitFailed);
    EXPECT_EQ(r.err, "Columns cannot be duplicated!\n");

    const std::vector<std::vector<std::string>> usage = {
        {"import", Path("plain.tab")},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--start", "0"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--start", "1101"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--delimiter", "colon"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--qualifier", "back"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--map", "0=Name"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--map", "1=Frequency"},
        {"import", Path("plain.tab"), "--into", Path("doc.rdf"), "--bogus"},
    };
    for (const auto& args : usage)
        EXPECT_EQ(RunCli(args).code, cli::kExitUsage) << args.back();
    EXPECT_EQ(RunCli({"import", "--help"}).code, cli::kExitOk);
}

// 20,000 rows with a quirk on every tenth line, imported with overwrite.
TEST_F(CliImport, TwentyThousandQuirkyLinesArePlacedAndDroppedAsCounted)
{
    std::string text = "\xEF\xBB\xBF" "Channel Number,Receive Frequency,Name,Tone Mode,CTCSS Tone,Comment\n";
    int placed = 0, empty = 0, outside = 0, receive = 0;
    std::string lastOnChannel5;
    for (int i = 1; i <= 20000; ++i) {
        const int n = (i - 1) % 1100 + 1;
        const std::string number = std::to_string(n);
        char rx[16];
        std::snprintf(rx, sizeof rx, "%d.%03d", 144 + (i % 4), (i % 200) * 5);
        std::string line = number + "," + rx + ",R" + std::to_string(i % 10000) + ",Enc,88.5,plain\n";
        bool placesRow = true;
        if (i % 10 == 0) {
            switch ((i / 10) % 7) {
            case 0: line = number + ",\"" + rx + "\",\"Q,1\",Enc,88.5,\"a, b, c\"\n"; break;
            case 1: line = number + ",,,,,\n"; placesRow = false; ++receive; break;
            case 2: line = "# comment " + number + "\n"; placesRow = false; ++outside; break;
            case 3: line.insert(line.size() - 1, "\r"); break;
            case 4: line = number + ",1300.0,HIGH,Enc,88.5,\n"; placesRow = false; ++receive; break;
            case 5: line = number + "," + rx + ",TONE,Zap,88.5,unknown tone\n"; break;
            default: line = ",,,,,\n"; placesRow = false; ++empty; break;
            }
        }
        if (placesRow) {
            ++placed;
            if (n == 5)
                lastOnChannel5 = rx;
        }
        text += line;
    }
    WriteText(Path("big.csv"), text);
    const Result r = ImportIntoNew(Path("big.csv"), {"--qualifier", "double", "--overwrite"}, "out.csv");
    ASSERT_EQ(r.code, cli::kExitOk) << r.err;
    EXPECT_EQ(r.out, Counts(placed, empty, outside, 0, receive));
    EXPECT_EQ(placed + empty + outside + receive, 20000);
    const std::string exported = ReadText(Path("out.csv"));
    EXPECT_NE(exported.find("\n5," + std::string(lastOnChannel5) + "00,"), std::string::npos) << lastOnChannel5;
}

} // namespace
