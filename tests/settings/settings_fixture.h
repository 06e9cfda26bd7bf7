#pragma once
// A Settings dialog on a temporary configuration home and folder, with the
// messages recorded and the file dialogs answered from a script.

// lib
#include "platform/prompt.h"
#include "radio/default_image.h"
#include "radio/settings_record.h"
#include "settings/ui/settings_dlg.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// std
#include <deque>
#include <memory>
#include <string>
#include <vector>

// test
#include <gtest/gtest.h>
#include "settings/control_facts.h"
#include "support/files.h"
#include "support/temp_config.h"

namespace settings_test {

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() : image(radio::DefaultImage()) {}

    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }

    CSettingsDlg& OpenDialog(const std::string& sourceName)
    {
        dialog = std::make_unique<CSettingsDlg>(record, image, sourceName);
        dialog->SetFileAsker([this](bool save, const std::string& folder) {
            asked.push_back(folder);
            std::deque<std::string>& script = save ? savePaths : openPaths;
            if (script.empty())
                return std::string();
            const std::string path = script.front();
            script.pop_front();
            return path;
        });
        dialog->SetTieHandler([this](const std::string& name) { ties.push_back(name); });
        dialog->show();
        return *dialog;
    }

    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(dialog->Control(id)); }
    QCheckBox* Check(int id) const { return qobject_cast<QCheckBox*>(dialog->Control(id)); }
    QLineEdit* CwIdEdit() const { return qobject_cast<QLineEdit*>(dialog->Control(1127)); }

    // Picks an item the way the user does: the combo's entry with that text,
    // or a click on the check box.
    void Choose(const facts::Control& control, int item)
    {
        if (control.IsCheck()) {
            QCheckBox* box = Check(control.id);
            ASSERT_NE(box, nullptr) << control.id;
            if (box->isChecked() != (item == 1))
                QTest::mouseClick(box, Qt::LeftButton);
            ASSERT_EQ(box->isChecked(), item == 1) << control.id;
            return;
        }
        QComboBox* combo = Combo(control.id);
        ASSERT_NE(combo, nullptr) << control.id;
        const int index = combo->findText(QString::fromLatin1(control.items[item]), Qt::MatchExactly);
        ASSERT_EQ(index, item) << control.label << " item " << control.items[item];
        combo->setCurrentIndex(index);
    }

    // The item the dialog shows, as text (Off/On for check boxes).
    std::string Shown(const facts::Control& control) const
    {
        if (control.IsCheck())
            return Check(control.id)->isChecked() ? "On" : "Off";
        return Combo(control.id)->currentText().toStdString();
    }

    std::uint8_t BlockByte(int at) const { return record.Block()[static_cast<std::size_t>(at)]; }
    std::vector<std::uint8_t> Block() const { return {record.Block().begin(), record.Block().end()}; }

    // Writes a setting file holding the given block bytes over the default ones.
    void WriteSettingFile(const std::string& path, const std::vector<std::pair<int, std::uint8_t>>& bytes,
                          const char* identifier = "6310", const char* radioName = "Yaesu Ostrel")
    {
        test_support::Bytes file(358, 0);
        test_support::PutU32(file, 0, 0x00465352);
        std::copy(identifier, identifier + 4, file.begin() + 4);
        test_support::PutU32(file, 8, 1);
        test_support::PutU32(file, 12, 358);
        std::copy(radioName, radioName + std::char_traits<char>::length(radioName), file.begin() + 16);
        for (const auto& [at, value] : bytes)
            file[static_cast<std::size_t>(facts::kFileBlock + at)] = value;
        test_support::WriteBytes(path, file);
    }

    test_support::TempConfigHome home;
    test_support::TempDir dir;
    platform::RecordingPrompt prompt;
    radio::SettingsRecord record;
    radio::RadioImage image;
    std::unique_ptr<CSettingsDlg> dialog;
    std::deque<std::string> savePaths;
    std::deque<std::string> openPaths;
    std::vector<std::string> asked;
    std::vector<std::string> ties;
};

} // namespace settings_test
