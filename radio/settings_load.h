#pragma once
// Which settings belong to a document, and where the last setting file was.
// A document names its settings by its source name: "NewFile", "ReadRadio",
// or the name of a setting file in the stored setting folder.

// Project
#include "radio/radio_image.h"
#include "radio/services.h"
#include "radio/settings_record.h"

// Standard library
#include <string>

namespace radio {

inline constexpr const char* kSourceNewFile = "NewFile";
inline constexpr const char* kSourceReadRadio = "ReadRadio";
inline constexpr const char* kUntitledSettingsName = "Untitled.rsf";

// The values kept in the settings store, both text.
inline constexpr const char* kSettingDirValue = "SettingDir";
inline constexpr const char* kCurrentSettingFileValue = "Current Setting File";

struct SettingsLocation {
    std::string dir;         // no trailing separator
    std::string currentFile; // file name only
};

// The stored folder and file name; missing values read as empty.
SettingsLocation StoredSettingsLocation(const SettingsStore& store);

// After a setting file was opened: when its folder differs (ignoring case)
// from the stored folder, stores the folder and the file name. Returns the
// file's folder, the setting folder from now on.
std::string RememberOpenedSettingFile(SettingsStore& store, const std::string& path);
// After Save As: as above, then stores the file name in any case.
std::string RememberSavedSettingFile(SettingsStore& store, const std::string& path);

struct LoadedSettings {
    SettingsRecord record;
    std::string path;     // the file read, empty when untitled
    std::string fileName; // for the title: the file's name, or "Untitled.rsf"
    bool untitled = true;
    bool fileRefused = false; // a file was found but refused (the user was told)
};

// The settings record for a document with this image and source name:
//  - "ReadRadio": the image's own settings, untitled;
//  - "NewFile": the stored current setting file;
//  - a file name: that file in the setting folder, else the current one.
// When no file can be opened, or the file found is refused (told through
// `messages`), the settings of the built-in template image, untitled.
LoadedSettings LoadSettingsForDocument(const RadioImage& image, const std::string& sourceName,
                                       const SettingsStore& store, MessageSink& messages);

// The record of a new setting file: header set, template image's settings.
SettingsRecord DefaultSettingsRecord();

} // namespace radio
