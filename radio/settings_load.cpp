#include "radio/settings_load.h"

// Project
#include "radio/default_image.h"
#include "radio/settings_file.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace radio {
namespace {

bool SameFolder(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string FolderOf(const std::string& path)
{
    return std::filesystem::path(path).parent_path().string();
}

std::string NameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

LoadedSettings Untitled(const RadioImage& image)
{
    LoadedSettings loaded;
    loaded.record = SettingsRecordFromImage(image);
    loaded.fileName = kUntitledSettingsName;
    return loaded;
}

// The file to read for the source name, or empty when none can be opened.
std::string ChooseSettingFile(const SettingsLocation& location, const std::string& sourceName)
{
    const auto inFolder = [&location](const std::string& name) {
        return name.empty() ? std::string() : location.dir + "/" + name;
    };
    if (sourceName != kSourceNewFile) {
        // The name comes from a data file: only its last part is taken, so
        // it can never lead out of the setting folder.
        const std::string own = inFolder(NameOf(sourceName));
        if (!own.empty() && CanOpenSettingsFile(own))
            return own;
    }
    const std::string current = inFolder(location.currentFile);
    return !current.empty() && CanOpenSettingsFile(current) ? current : std::string();
}

} // namespace

SettingsLocation StoredSettingsLocation(const SettingsStore& store)
{
    return {store.GetString(kSettingDirValue).value_or(""), store.GetString(kCurrentSettingFileValue).value_or("")};
}

std::string RememberOpenedSettingFile(SettingsStore& store, const std::string& path)
{
    const std::string folder = FolderOf(path);
    if (!SameFolder(folder, StoredSettingsLocation(store).dir)) {
        store.SetString(kSettingDirValue, folder);
        store.SetString(kCurrentSettingFileValue, NameOf(path));
    }
    return folder;
}

std::string RememberSavedSettingFile(SettingsStore& store, const std::string& path)
{
    const std::string folder = RememberOpenedSettingFile(store, path);
    store.SetString(kCurrentSettingFileValue, NameOf(path));
    return folder;
}

SettingsRecord DefaultSettingsRecord()
{
    return SettingsRecordFromImage(DefaultImage());
}

LoadedSettings LoadSettingsForDocument(const RadioImage& image, const std::string& sourceName,
                                       const SettingsStore& store, MessageSink& messages)
{
    if (sourceName == kSourceReadRadio)
        return Untitled(image);

    const std::string path = ChooseSettingFile(StoredSettingsLocation(store), sourceName);
    if (path.empty())
        return Untitled(DefaultImage());

    LoadedSettings loaded;
    if (!ReadSettingsFile(path, loaded.record, messages)) {
        loaded = Untitled(DefaultImage());
        loaded.fileRefused = true;
        return loaded;
    }
    loaded.path = path;
    loaded.fileName = NameOf(path);
    loaded.untitled = false;
    return loaded;
}

} // namespace radio
