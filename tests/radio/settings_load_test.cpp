// Project
#include "radio/default_image.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"
#include "radio/fake_services.h"
#include "support/temp_config.h"

// Test framework
#include <gtest/gtest.h>

// Standard library
#include <filesystem>
#include <fstream>

namespace {

class SettingsLoadTest : public ::testing::Test {
protected:
    void StoreLocation(const std::string& dir, const std::string& file)
    {
        store.values["SettingDir"] = dir;
        store.values["Current Setting File"] = file;
    }

    // A setting file whose P1 byte marks it.
    std::string WriteMarked(const std::string& name, std::uint8_t marker)
    {
        radio::SettingsRecord record = radio::DefaultSettingsRecord();
        record.Block()[5] = marker;
        const std::string path = files.path() + "/" + name;
        EXPECT_TRUE(radio::WriteSettingsFile(path, record, messages));
        return path;
    }

    static std::uint8_t Marker(const radio::LoadedSettings& loaded) { return loaded.record.Block()[5]; }

    static void ExpectDefaults(const radio::LoadedSettings& loaded)
    {
        EXPECT_TRUE(loaded.untitled);
        EXPECT_EQ("Untitled.rsf", loaded.fileName);
        EXPECT_EQ("", loaded.path);
        EXPECT_EQ(radio::DefaultSettingsRecord(), loaded.record);
    }

    test_support::TempDir files;
    test_support::MapSettingsStore store;
    test_support::RecordingMessages messages;
    radio::RadioImage image{};
};

TEST_F(SettingsLoadTest, NewFileWithoutStoredFileTakesTemplateSettings)
{
    ExpectDefaults(radio::LoadSettingsForDocument(image, "NewFile", store, messages));
    StoreLocation(files.path(), "gone.rsf");
    ExpectDefaults(radio::LoadSettingsForDocument(image, "NewFile", store, messages));
    EXPECT_TRUE(messages.shown.empty()) << "a missing file is no error while loading";
}

TEST_F(SettingsLoadTest, NewFileReadsTheCurrentSettingFile)
{
    const std::string path = WriteMarked("home.rsf", 30);
    StoreLocation(files.path(), "home.rsf");
    const radio::LoadedSettings loaded = radio::LoadSettingsForDocument(image, "NewFile", store, messages);
    EXPECT_FALSE(loaded.untitled);
    EXPECT_EQ(path, loaded.path);
    EXPECT_EQ("home.rsf", loaded.fileName);
    EXPECT_EQ(30, Marker(loaded));
}

TEST_F(SettingsLoadTest, ReadRadioTakesTheDocumentsOwnImage)
{
    WriteMarked("home.rsf", 30);
    StoreLocation(files.path(), "home.rsf");
    image[56 + 5] = 40;
    image[578] = 12;
    image[200 + 255] = 9;
    const radio::LoadedSettings loaded = radio::LoadSettingsForDocument(image, "ReadRadio", store, messages);
    EXPECT_TRUE(loaded.untitled);
    EXPECT_EQ("Untitled.rsf", loaded.fileName);
    EXPECT_EQ(radio::SettingsRecordFromImage(image), loaded.record);
    EXPECT_EQ(40, Marker(loaded));
}

TEST_F(SettingsLoadTest, DocumentsOwnFileElseTheCurrentOne)
{
    WriteMarked("home.rsf", 30);
    const std::string own = WriteMarked("mobile.rsf", 31);
    StoreLocation(files.path(), "home.rsf");

    radio::LoadedSettings loaded = radio::LoadSettingsForDocument(image, "mobile.rsf", store, messages);
    EXPECT_EQ(own, loaded.path);
    EXPECT_EQ("mobile.rsf", loaded.fileName);
    EXPECT_EQ(31, Marker(loaded));

    loaded = radio::LoadSettingsForDocument(image, "/elsewhere/mobile.rsf", store, messages);
    EXPECT_EQ(own, loaded.path) << "a source name never leaves the setting folder";

    loaded = radio::LoadSettingsForDocument(image, "deleted.rsf", store, messages);
    EXPECT_EQ("home.rsf", loaded.fileName);
    EXPECT_EQ(30, Marker(loaded));

    loaded = radio::LoadSettingsForDocument(image, "", store, messages);
    EXPECT_EQ(30, Marker(loaded));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsLoadTest, RefusedFileIsReportedAndTemplateSettingsUsed)
{
    std::ofstream(files.path() + "/bad.rsf") << "not a setting file";
    StoreLocation(files.path(), "bad.rsf");
    const radio::LoadedSettings loaded = radio::LoadSettingsForDocument(image, "NewFile", store, messages);
    ExpectDefaults(loaded);
    EXPECT_TRUE(loaded.fileRefused);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Not a radio data file:\n" + files.path() + "/bad.rsf", messages.shown[0].text);
}

TEST_F(SettingsLoadTest, RememberStoresFolderOnlyWhenItChanges)
{
    StoreLocation("/Data/Radio", "a.rsf");
    EXPECT_EQ("/data/radio", radio::RememberOpenedSettingFile(store, "/data/radio/b.rsf"));
    radio::SettingsLocation stored = radio::StoredSettingsLocation(store);
    EXPECT_EQ("/Data/Radio", stored.dir) << "same folder, other case: nothing stored";
    EXPECT_EQ("a.rsf", stored.currentFile);

    radio::RememberOpenedSettingFile(store, "/other/c.rsf");
    stored = radio::StoredSettingsLocation(store);
    EXPECT_EQ("/other", stored.dir);
    EXPECT_EQ("c.rsf", stored.currentFile);

    radio::RememberSavedSettingFile(store, "/OTHER/d.rsf");
    stored = radio::StoredSettingsLocation(store);
    EXPECT_EQ("/other", stored.dir);
    EXPECT_EQ("d.rsf", stored.currentFile) << "Save As always stores the name";
}

} // namespace
