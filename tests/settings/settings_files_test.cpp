// The Settings dialog's file commands: Save As ties the file to the document,
// the save question's answers, Open of a bad file, saves that fail.

// lib
#include "platform/registry.h"

// Qt
#include <QAction>

// std
#include <csignal>
#include <sys/resource.h>

// test
#include "settings/settings_fixture.h"

namespace {

using settings_test::SettingsDialogTest;
using test_support::Bytes;
using test_support::ReadBytes;

constexpr const char* kSettingsKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";
constexpr int kNew = 32820;
constexpr int kOpen = 32821;
constexpr int kSave = 32822;
constexpr int kSaveAs = 32823;
constexpr int kExit = 32824;

std::string Stored(const char* name)
{
    return platform::Registry::GetString(kSettingsKey, name).value_or("<none>");
}

class SettingsFiles : public SettingsDialogTest {
protected:
    void Trigger(int id) { dialog->Action(id)->trigger(); }
    void ChooseRepeater() { Combo(1124)->setCurrentIndex(Combo(1124)->findText("Repeater")); }
    std::string P1() const { return Combo(1124)->currentText().toStdString(); }
    bool Asked() const
    {
        for (const platform::Message& m : prompt.shown) {
            if (m.text == "Save settings before closing?")
                return true;
        }
        return false;
    }
};

TEST_F(SettingsFiles, SaveAsWritesTheFileRemembersItAndTiesItToTheDocument)
{
    OpenDialog("NewFile");
    ChooseRepeater();
    savePaths = {Path("mine.rsf")};
    Trigger(kSaveAs);

    const Bytes file = ReadBytes(Path("mine.rsf"));
    ASSERT_EQ(file.size(), 358u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 16),
              (Bytes{0x52, 0x53, 0x46, 0x00, '6', '3', '1', '0', 1, 0, 0, 0, 0x66, 0x01, 0, 0}));
    EXPECT_EQ(std::string(file.begin() + 16, file.begin() + 29), std::string("Yaesu Ostrel\0", 13));
    EXPECT_EQ(file[80 + 5], 42);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - mine.rsf");
    EXPECT_FALSE(dialog->Session().IsModified());
    EXPECT_EQ(Stored("SettingDir"), dir.path());
    EXPECT_EQ(Stored("Current Setting File"), "mine.rsf");
    EXPECT_EQ(ties, std::vector<std::string>{"mine.rsf"});
    EXPECT_TRUE(prompt.shown.empty());

    // The tie only happens when the name changes; the next dialog starts in
    // the stored folder and the document now loads its own file.
    savePaths = {Path("mine.rsf")};
    Trigger(kSaveAs);
    EXPECT_EQ(ties.size(), 1u);
    EXPECT_EQ(asked.back(), dir.path());
    OpenDialog("mine.rsf");
    EXPECT_EQ(P1(), "Repeater");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - mine.rsf");
}

TEST_F(SettingsFiles, SaveQuestionCancelKeepsEverything)
{
    OpenDialog("NewFile");
    Trigger(kNew);
    EXPECT_FALSE(Asked()) << "nothing changed: no question";

    ChooseRepeater();
    prompt.answers = {platform::Answer::Cancel};
    Trigger(kNew);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Save settings before closing?");
    EXPECT_EQ(prompt.shown[0].caption, "Settings");
    EXPECT_EQ(prompt.shown[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(P1(), "Repeater");
    EXPECT_EQ(BlockByte(5), 42);

    prompt.answers = {platform::Answer::Cancel};
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible()) << "Cancel keeps the dialog open";
}

TEST_F(SettingsFiles, SaveQuestionNoGoesOnWithoutSaving)
{
    OpenDialog("NewFile");
    ChooseRepeater();
    prompt.answers = {platform::Answer::No};
    Trigger(kNew);
    EXPECT_TRUE(Asked());
    EXPECT_NE(P1(), "Repeater");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - Untitled.rsf");
    EXPECT_TRUE(asked.empty()) << "no file dialog";

    ChooseRepeater();
    prompt.answers = {platform::Answer::No};
    Trigger(kExit);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(BlockByte(5), 42) << "the record outlives the dialog";
}

TEST_F(SettingsFiles, SaveQuestionYesSavesThenGoesOn)
{
    WriteSettingFile(Path("current.rsf"), {});
    platform::Registry::SetString(kSettingsKey, "SettingDir", dir.path());
    platform::Registry::SetString(kSettingsKey, "Current Setting File", "current.rsf");
    OpenDialog("NewFile");
    ChooseRepeater();
    prompt.answers = {platform::Answer::Yes};
    dialog->reject();
    EXPECT_TRUE(Asked());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ReadBytes(Path("current.rsf"))[80 + 5], 42);
}

// Yes whose save did not happen (the file dialog was cancelled) keeps the
// user's changes on screen instead of replacing them.
TEST_F(SettingsFiles, SaveQuestionYesWithAFailedSaveStops)
{
    OpenDialog("NewFile");
    ChooseRepeater();
    prompt.answers = {platform::Answer::Yes};
    Trigger(kNew);
    EXPECT_EQ(asked.size(), 1u) << "Save As was offered";
    EXPECT_EQ(P1(), "Repeater");
    EXPECT_TRUE(dialog->Session().IsModified());

    prompt.answers = {platform::Answer::Yes};
    savePaths = {"/proc/ostrel-none/x.rsf"};
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SettingsFiles, OpenOfABadFileLeavesTheCurrentRecord)
{
    WriteSettingFile(Path("good.rsf"), {{5, 42}});
    test_support::WriteBytes(Path("bad.rsf"), Bytes(358, 0x41));
    OpenDialog("NewFile");
    openPaths = {Path("good.rsf")};
    Trigger(kOpen);
    ASSERT_EQ(P1(), "Repeater");
    const std::vector<std::uint8_t> before = Block();

    openPaths = {Path("bad.rsf"), Path("missing.rsf")};
    Trigger(kOpen);
    Trigger(kOpen);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].text, "Not a radio data file:\n" + Path("bad.rsf"));
    EXPECT_EQ(prompt.shown[1].text, "Cannot open file:\n" + Path("missing.rsf"));
    EXPECT_EQ(Block(), before);
    EXPECT_EQ(P1(), "Repeater");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - good.rsf");
    EXPECT_EQ(dialog->Session().Path(), Path("good.rsf"));
}

TEST_F(SettingsFiles, OpenRemembersTheFolderOnlyWhenItChanges)
{
    platform::Registry::SetString(kSettingsKey, "SettingDir", dir.path());
    platform::Registry::SetString(kSettingsKey, "Current Setting File", "first.rsf");
    WriteSettingFile(Path("second.rsf"), {});
    test_support::TempDir other;
    WriteSettingFile(other.path() + "/third.rsf", {});

    OpenDialog("NewFile");
    openPaths = {Path("second.rsf"), other.path() + "/third.rsf"};
    Trigger(kOpen);
    EXPECT_EQ(Stored("Current Setting File"), "first.rsf") << "same folder: nothing stored";
    Trigger(kOpen);
    EXPECT_EQ(Stored("SettingDir"), other.path());
    EXPECT_EQ(Stored("Current Setting File"), "third.rsf");
    EXPECT_EQ(asked, (std::vector<std::string>{dir.path(), dir.path()}));
}

// The DTMF memories of a file opened in the dialog are the ones saved later,
// not those of the settings shown before.
TEST_F(SettingsFiles, OpenedFileKeepsItsDtmfMemoriesThroughSave)
{
    image[200] = 1; // memory 1 of the document: "1"
    image[201] = 0xFF;
    OpenDialog("ReadRadio");
    WriteSettingFile(Path("dtmf.rsf"), {{22, 9}, {23, 8}, {24, 0xFF}});
    openPaths = {Path("dtmf.rsf")};
    Trigger(kOpen);
    ChooseRepeater();
    Trigger(kSave);
    const Bytes file = ReadBytes(Path("dtmf.rsf"));
    EXPECT_EQ(Bytes(file.begin() + 80 + 22, file.begin() + 80 + 25), (Bytes{9, 8, 0xFF}));
    EXPECT_EQ(file[80 + 5], 42);
    EXPECT_FALSE(Asked());
}

TEST_F(SettingsFiles, SaveOntoAReadOnlyPlaceReportsAndKeepsTheRecord)
{
    OpenDialog("NewFile");
    ChooseRepeater();
    savePaths = {"/proc/ostrel-settings.rsf"};
    Trigger(kSaveAs);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Cannot create file:\n/proc/ostrel-settings.rsf");
    EXPECT_EQ(prompt.shown[0].caption, "Error");
    EXPECT_TRUE(dialog->Session().IsUntitled());
    EXPECT_TRUE(dialog->Session().IsModified());
    EXPECT_EQ(BlockByte(5), 42);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - Untitled.rsf");
    EXPECT_TRUE(ties.empty());
    EXPECT_EQ(Stored("Current Setting File"), "<none>");
}

// A file size limit cuts the write short, as a full disk does.
TEST_F(SettingsFiles, SaveOntoAFullPlaceReportsAndKeepsTheOldFile)
{
    WriteSettingFile(Path("kept.rsf"), {{5, 31}});
    const Bytes old = ReadBytes(Path("kept.rsf"));
    OpenDialog("NewFile");
    openPaths = {Path("kept.rsf")};
    Trigger(kOpen);
    ChooseRepeater();

    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = limit;
    tiny.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    Trigger(kSave);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Error writing file:\n" + Path("kept.rsf"));
    EXPECT_EQ(ReadBytes(Path("kept.rsf")), old);
    EXPECT_TRUE(dialog->Session().IsModified());
    EXPECT_EQ(BlockByte(5), 42);
}

} // namespace
