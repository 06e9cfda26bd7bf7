// ostrel-cli settings show and set: the lines of a file written by the
// dialog, round trips of every item, refused ids and values.

// lib
#include "cli/commands.h"
#include "radio/main_doc.h"

// std
#include <sstream>

// test
#include "settings/settings_fixture.h"
#include "support/lines.h"
#include "support/run_cli.h"

namespace {

using settings_test::SettingsDialogTest;
using test_support::Bytes;
using test_support::ReadBytes;

using Result = test_support::CliResult;
using test_support::RunCli;

using test_support::Lines;

std::string Line(const facts::Control& control, int item)
{
    return std::to_string(control.id) + "\t" + control.label + "\t" + control.Text(item);
}

using CliSettings = SettingsDialogTest;

// The values chosen in the dialog, saved, are exactly what show lists, in
// the documented order.
TEST_F(CliSettings, ShowListsWhatTheDialogSaved)
{
    OpenDialog("NewFile");
    std::vector<std::string> expected;
    int n = 0;
    for (const facts::Control& control : facts::kSettings) {
        const int item = (n++ * 7 + 1) % control.Count();
        Choose(control, item);
        expected.push_back(Line(control, item));
    }
    CwIdEdit()->clear();
    QTest::keyClicks(CwIdEdit(), "k1abc");
    expected.push_back("1127\tCW ID\tK1ABC");
    for (int m = 1; m <= 16; ++m)
        expected.push_back("dtmf " + std::to_string(m) + "\t");
    expected.push_back("1129\tDTMF Delay\t50 ms");
    expected.push_back("1130\tDTMF Speed\t50 ms");
    radio::SettingsBlock& working = dialog->Session().WorkingBlock();
    working[12] &= 0xFC;
    working[13] &= 0xF8;
    working[22 + 16 * 2] = 14; // memory 3: "*1"
    working[22 + 16 * 2 + 1] = 1;
    working[22 + 16 * 2 + 2] = 0xFF;
    expected[26 + 3] = "dtmf 3\t*1";
    savePaths = {Path("dialog.rsf")};
    dialog->Action(32823)->trigger();
    ASSERT_TRUE(prompt.shown.empty());

    const Result r = RunCli({"settings", "show", Path("dialog.rsf")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Lines(r.out), expected);
}

// Every item of every control, set by id, lands in the documented bits of
// the file and shows again as itself.
TEST_F(CliSettings, SetThenShowRoundTripsEveryItemOfEveryControl)
{
    std::vector<facts::Control> all = facts::kSettings;
    all.insert(all.end(), facts::kDtmf.begin(), facts::kDtmf.end());
    const std::string file = Path("cli.rsf");
    for (int round = 0; round < 31; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> args{"settings", "set", file};
        for (const facts::Control& control : all)
            args.push_back(std::to_string(control.id) + "=" + control.Text(round % control.Count()));
        const Result set = RunCli(args);
        ASSERT_EQ(set.code, 0) << set.err;

        const Bytes bytes = ReadBytes(file);
        ASSERT_EQ(bytes.size(), 358u);
        const Result show = RunCli({"settings", "show", file});
        const std::vector<std::string> lines = Lines(show.out);
        ASSERT_EQ(lines.size(), 26u + 1 + 16 + 2);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const facts::Control& control = all[i];
            const int item = round % control.Count();
            EXPECT_EQ(bytes[static_cast<std::size_t>(facts::kFileBlock + control.byte)] & control.mask,
                      control.Stored(item))
                << control.label;
            const std::size_t line = i < 26 ? i : i + 17; // DTMF choices come after the memories
            EXPECT_EQ(lines[line], Line(control, item));
        }
    }
}

TEST_F(CliSettings, SetCreatesTheFileFromTheTemplateAndTakesTextsAndMemories)
{
    const std::string file = Path("new.rsf");
    const Result r = RunCli({"settings", "set", file, "1127=ab1", "dtmf", "3=12EF", "dtmf 16=0123456789ABCD*#"});
    ASSERT_EQ(r.code, 0) << r.err;
    const Bytes bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), 358u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{0x52, 0x53, 0x46, 0, '6', '3', '1', '0'}));
    EXPECT_EQ(Bytes(bytes.begin() + 80 + 16, bytes.begin() + 80 + 22), (Bytes{10, 11, 1, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(bytes.begin() + 80 + 54, bytes.begin() + 80 + 59), (Bytes{1, 2, 14, 15, 0xFF}));
    // Everything else is the template image's.
    const radio::RadioImage& fresh = radio::DefaultImage();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bytes[static_cast<std::size_t>(80 + i)], fresh[static_cast<std::size_t>(facts::kImageSetMode + i)]);

    const std::vector<std::string> lines = Lines(RunCli({"settings", "show", file}).out);
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[26], "1127\tCW ID\tAB1");
    EXPECT_EQ(lines[29], "dtmf 3\t12*#");
    EXPECT_EQ(lines[42], "dtmf 16\t0123456789ABCD*#");

    ASSERT_EQ(RunCli({"settings", "set", file, "1127=", "dtmf 3="}).code, 0);
    const Bytes cleared = ReadBytes(file);
    EXPECT_EQ(Bytes(cleared.begin() + 80 + 16, cleared.begin() + 80 + 22), Bytes(6, 0xFF));
    EXPECT_EQ(cleared[80 + 54], 0xFF);
}

TEST_F(CliSettings, UnknownIdOrValueChangesNothingAndExitsTwoNamingIt)
{
    const std::string file = Path("keep.rsf");
    ASSERT_EQ(RunCli({"settings", "set", file, "1124=Repeater"}).code, 0);
    const Bytes before = ReadBytes(file);
    struct Case {
        const char* arg;
        const char* named;
    };
    const Case cases[] = {{"9999=Off", "9999"},      {"1124=Repeat", "Repeat"}, {"1212=Yes", "Yes"},
                          {"1127=A~B", "A~B"},       {"1127=ABCDEFG", "ABCDEFG"}, {"dtmf 17=1", "dtmf 17"},
                          {"dtmf 2=12X", "12X"},     {"P1=Low", "P1"},           {"1124", "1124"}};
    for (const Case& c : cases) {
        const Result r = RunCli({"settings", "set", file, "1141=S-9", c.arg});
        EXPECT_EQ(r.code, 2) << c.arg;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(file), before) << c.arg;
    }
    const Result missing = RunCli({"settings", "set", Path("none.rsf"), "1124=Nothing"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_FALSE(std::filesystem::exists(Path("none.rsf")));
}

TEST_F(CliSettings, ShowReadsTheRadioSettingsOfADataFileAndRefusesOtherFiles)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    doc.Image()[facts::kImageSetMode + 5] = 42;
    doc.Image()[facts::kImageCwId] = 23; // "N"
    doc.Image()[facts::kImageCwId + 1] = 0xFF;
    ASSERT_TRUE(doc.Save(Path("radio.rdf"))) << doc.ErrorText();
    const Result r = RunCli({"settings", "show", Path("radio.rdf")});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[5], "1124\tP1\tRepeater");
    EXPECT_EQ(lines[26], "1127\tCW ID\tN");

    WriteSettingFile(Path("other.rsf"), {}, "6300", "Other Radio");
    const Result other = RunCli({"settings", "show", Path("other.rsf")});
    EXPECT_EQ(other.code, 1);
    EXPECT_EQ(other.err, "Radio data file for different radio:\nOther Radio\n");
    EXPECT_EQ(RunCli({"settings", "set", Path("other.rsf"), "1124=Low"}).code, 1);
    EXPECT_EQ(RunCli({"settings", "set", Path("radio.rdf"), "1124=Low"}).code, 2) << "data files are not written";
    EXPECT_EQ(RunCli({"settings", "list", Path("radio.rdf")}).code, 2);
    EXPECT_EQ(RunCli({"settings", "set"}).code, 2);
    EXPECT_EQ(RunCli({"settings", "set", Path("x.rsf")}).code, 2);
    EXPECT_EQ(RunCli({"settings", "show"}).code, 2);
    const Result help = RunCli({"settings", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("Usage: ostrel-cli settings show FILE\n", 0), 0u) << help.out;
}

} // namespace
