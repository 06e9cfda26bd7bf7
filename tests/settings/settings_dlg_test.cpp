// The Settings dialog: every control stores and shows the documented bits,
// the dialog loads the right settings for a document, and the CW ID box takes
// only the radio's characters.

// lib
#include "platform/registry.h"
#include "settings/ui/settings_dlg.h"

// Qt
#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// std
#include <random>

// test
#include "settings/settings_fixture.h"

namespace {

using settings_test::SettingsDialogTest;

constexpr const char* kSettingsKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

// A combo's label as the form shows it beside the control.
std::string LabelOf(QWidget* field)
{
    auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout());
    if (form == nullptr)
        return {};
    auto* label = qobject_cast<QLabel*>(form->labelForField(field));
    return label != nullptr ? label->text().toStdString() : std::string();
}

TEST_F(SettingsDialogTest, EveryControlShowsItsLabelAndItemsInOrder)
{
    OpenDialog("ReadRadio");
    for (const facts::Control& control : facts::kSettings) {
        SCOPED_TRACE(control.id);
        if (control.IsCheck()) {
            ASSERT_NE(Check(control.id), nullptr);
            EXPECT_EQ(Check(control.id)->text().toStdString(), control.label);
            continue;
        }
        QComboBox* combo = Combo(control.id);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(LabelOf(combo), control.label);
        ASSERT_EQ(combo->count(), control.Count());
        for (int i = 0; i < combo->count(); ++i)
            EXPECT_EQ(combo->itemText(i).toStdString(), control.items[i]);
    }
    ASSERT_NE(CwIdEdit(), nullptr);
    ASSERT_NE(dialog->Control(1003), nullptr);
    EXPECT_EQ(qobject_cast<QPushButton*>(dialog->Control(1003))->text(), "DTMF");
}

// Each item chosen in its widget lands in the documented bits of the block
// and nowhere else, whatever the other bits held.
TEST_F(SettingsDialogTest, EveryItemSetThroughItsWidgetStoresTheDocumentedBits)
{
    std::mt19937 random(7);
    for (int i = 0; i < 16; ++i)
        image[static_cast<std::size_t>(facts::kImageSetMode + i)] = static_cast<std::uint8_t>(random());
    OpenDialog("ReadRadio");
    dialog->Session().Collect();
    for (const facts::Control& control : facts::kSettings) {
        for (int item = 0; item < control.Count(); ++item) {
            SCOPED_TRACE(control.label + " = " + control.Text(item));
            const std::vector<std::uint8_t> before = Block();
            Choose(control, item);
            dialog->Session().Collect();
            const std::vector<std::uint8_t> after = Block();
            EXPECT_EQ(after[control.byte] & control.mask, control.Stored(item));
            EXPECT_EQ(after[control.byte] & ~control.mask, before[control.byte] & ~control.mask);
            for (std::size_t b = 0; b < after.size(); ++b) {
                if (static_cast<int>(b) != control.byte) {
                    ASSERT_EQ(after[b], before[b]) << "block byte " << b;
                }
            }
        }
    }
}

// An image holding the documented bits of item r of every control shows
// those items (and a document read from the radio shows its own settings).
TEST_F(SettingsDialogTest, ReadingABlockBackSelectsTheSameItems)
{
    for (int round = 0; round < 31; ++round) {
        SCOPED_TRACE(round);
        image = radio::DefaultImage();
        for (const facts::Control& control : facts::kSettings) {
            std::uint8_t& byte = image[static_cast<std::size_t>(facts::kImageSetMode + control.byte)];
            byte = static_cast<std::uint8_t>((byte & ~control.mask) | control.Stored(round % control.Count()));
        }
        OpenDialog("ReadRadio");
        for (const facts::Control& control : facts::kSettings)
            EXPECT_EQ(Shown(control), control.Text(round % control.Count())) << control.label;
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - Untitled.rsf");
        EXPECT_FALSE(dialog->Session().Collect()) << "showing a block changes nothing";
    }
}

TEST_F(SettingsDialogTest, HyperWriteAndBeepReadTheDocumentedWay)
{
    struct Case {
        int id;
        int byte;
        std::uint8_t value;
        const char* shown;
    };
    const Case cases[] = {
        {1032, 11, 0x18, "1-Auto"}, {1032, 11, 0x08, "Auto"}, {1032, 11, 0x00, "Manual"},
        {1062, 12, 0x80, "Off"},    {1062, 12, 0x20, "Key"},  {1062, 12, 0xA0, "Key+Scan"},
    };
    for (const Case& c : cases) {
        image[static_cast<std::size_t>(facts::kImageSetMode + c.byte)] = c.value;
        OpenDialog("ReadRadio");
        EXPECT_EQ(Combo(c.id)->currentText().toStdString(), c.shown) << c.id << " from " << int(c.value);
    }
}

TEST_F(SettingsDialogTest, NewDocumentWithoutStoredFileShowsTheTemplateSettings)
{
    OpenDialog("NewFile");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - Untitled.rsf");
    EXPECT_TRUE(dialog->Session().IsUntitled());
    const radio::RadioImage& fresh = radio::DefaultImage();
    for (const facts::Control& control : facts::kSettings) {
        const std::uint8_t bits = fresh[static_cast<std::size_t>(facts::kImageSetMode + control.byte)] & control.mask;
        for (int item = 0; item < control.Count(); ++item) {
            if (control.Stored(item) == bits) {
                EXPECT_EQ(Shown(control), control.Text(item)) << control.label;
            }
        }
    }
    EXPECT_EQ(record.Magic(), 0x00465352u);
    EXPECT_EQ(record.Identifier(), "6310");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SettingsDialogTest, DocumentTakesItsOwnSettingFileElseTheCurrentOne)
{
    WriteSettingFile(Path("own.rsf"), {{5, 42}});
    WriteSettingFile(Path("current.rsf"), {{5, 31}});
    platform::Registry::SetString(kSettingsKey, "SettingDir", dir.path());
    platform::Registry::SetString(kSettingsKey, "Current Setting File", "current.rsf");

    OpenDialog("own.rsf");
    EXPECT_EQ(Combo(1124)->currentText(), "Repeater");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - own.rsf");

    OpenDialog("gone.rsf");
    EXPECT_EQ(Combo(1124)->currentText(), "Home");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - current.rsf");

    OpenDialog("NewFile");
    EXPECT_EQ(Combo(1124)->currentText(), "Home");
    EXPECT_FALSE(dialog->Session().IsUntitled());
}

TEST_F(SettingsDialogTest, FileOfAnotherRadioIsRefusedNamingTheRadio)
{
    WriteSettingFile(Path("other.rsf"), {{5, 42}}, "6300", "Other Radio");
    platform::Registry::SetString(kSettingsKey, "SettingDir", dir.path());
    platform::Registry::SetString(kSettingsKey, "Current Setting File", "other.rsf");

    OpenDialog("NewFile");
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Radio data file for different radio:\nOther Radio");
    EXPECT_EQ(prompt.shown[0].caption, "Error");
    EXPECT_EQ(prompt.shown[0].icon, platform::Icon::Error);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Settings - Untitled.rsf");
    EXPECT_NE(Combo(1124)->currentText(), "Repeater");
    EXPECT_EQ(record.Identifier(), "6310");
}

TEST_F(SettingsDialogTest, CwIdIsTypedInUpperCaseAndStoredAsCharacterCodes)
{
    OpenDialog("ReadRadio");
    CwIdEdit()->clear();
    QTest::keyClicks(CwIdEdit(), "ab1");
    EXPECT_EQ(CwIdEdit()->text(), "AB1");
    dialog->Session().Collect();
    const std::vector<std::uint8_t> block = Block();
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 16, block.begin() + 22),
              (std::vector<std::uint8_t>{10, 11, 1, 0xFF, 0xFF, 0xFF}));

    // The codes read back as the same three characters.
    for (int i = 0; i < 6; ++i)
        image[static_cast<std::size_t>(facts::kImageCwId + i)] = block[static_cast<std::size_t>(16 + i)];
    OpenDialog("ReadRadio");
    EXPECT_EQ(CwIdEdit()->text(), "AB1");
}

TEST_F(SettingsDialogTest, CwIdRefusesCharactersOutsideTheSetAndStopsAtSix)
{
    OpenDialog("ReadRadio");
    CwIdEdit()->clear();
    QTest::keyClicks(CwIdEdit(), "a~b{c%/_9xyz");
    EXPECT_EQ(CwIdEdit()->text(), "ABC%/_");
    dialog->Session().Collect();
    // % is 42, / is 51 and _ is 63 in the radio's set.
    const std::vector<std::uint8_t> block = Block();
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 16, block.begin() + 22),
              (std::vector<std::uint8_t>{10, 11, 12, 42, 51, 63}));
}

TEST_F(SettingsDialogTest, P1RepeaterStores42AndBeepKeyScanSetsBits5And7)
{
    image[static_cast<std::size_t>(facts::kImageSetMode + 12)] = 0x5F; // bits 0-4 and 6 set, 5 and 7 clear
    OpenDialog("ReadRadio");
    Combo(1124)->setCurrentIndex(Combo(1124)->findText("Repeater"));
    Combo(1062)->setCurrentIndex(Combo(1062)->findText("Key+Scan"));
    dialog->Session().Collect();
    EXPECT_EQ(BlockByte(5), 42);
    EXPECT_EQ(BlockByte(12), 0xFF);

    Combo(1062)->setCurrentIndex(Combo(1062)->findText("Off"));
    dialog->Session().Collect();
    EXPECT_EQ(BlockByte(12), 0x5F);
}

TEST_F(SettingsDialogTest, MenusCarryTheirTextsAndKeys)
{
    OpenDialog("ReadRadio");
    auto* bar = dialog->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList menus;
    for (QAction* action : bar->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Help"}));
    struct Entry {
        int id;
        const char* text;
        const char* key;
    };
    const Entry entries[] = {{32820, "&New", "Ctrl+N"}, {32821, "&Open...", "Ctrl+O"},
                             {32822, "&Save", "Ctrl+S"}, {32823, "Save &As...", ""},
                             {32824, "E&xit", ""},       {32828, "Contents", ""}};
    for (const Entry& e : entries) {
        QAction* action = dialog->Action(e.id);
        ASSERT_NE(action, nullptr) << e.id;
        EXPECT_EQ(action->text(), e.text);
        EXPECT_EQ(action->shortcut().toString(), e.key);
    }
}

} // namespace
