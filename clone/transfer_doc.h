#pragma once
// What a read and a write do to the document, shared by the program and the
// command-line tool.

// std
#include <ctime>
#include <optional>
#include <string>

// project
#include "clone/prepare.h"
#include "radio/main_doc.h"
#include "radio/settings_record.h"

namespace transfer {

struct ReadAdoption {
    bool identityStored = true;
    std::string keptError; // empty when the copies were kept
};

// A good read becomes the document: the image is the stream, every comment
// is cleared (the radio keeps none), the radio's identity is remembered
// ("Could not create the registry key." when it cannot be), the source name
// becomes "ReadRadio", and the copies of the read are kept.
ReadAdoption AdoptRead(radio::CMainDoc& doc, const Stream& stream, std::time_t when, void* owner = nullptr);

// The settings record a write merges: the setting file given, else the one
// that belongs to the document by its source name. None when the file given
// was refused (the user was told why).
std::optional<radio::SettingsRecord> SettingsForWrite(const radio::CMainDoc& doc,
                                                      const std::string& settingFile = {});

// The write's changes to the document's image (settings merged, fix-ups,
// checksum byte); the modified flag is left alone.
void PrepareDocumentForRadio(radio::CMainDoc& doc, const radio::SettingsRecord& settings);

} // namespace transfer
