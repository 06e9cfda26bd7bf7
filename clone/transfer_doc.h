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

// A good read becomes the document (CMainDoc::AdoptRead: the image is the
// stream, every comment is cleared, the radio keeps none; the records are
// settled); the radio's identity is remembered
// ("Could not create the registry key." when it cannot be), the source name
// becomes "ReadRadio", and the copies of the read are kept.
ReadAdoption AdoptRead(radio::CMainDoc& doc, const Stream& stream, std::time_t when, void* owner = nullptr);

// The settings record a write merges: the setting file given, else the one
// that belongs to the document by its source name or, failing that, the
// current setting file. None when a setting file was found but refused (the
// user was told why): a write must then send nothing.
std::optional<radio::SettingsRecord> SettingsForWrite(const radio::CMainDoc& doc,
                                                      const std::string& settingFile = {});

// The stream a write of the document sends, its settings merged: the one
// route from a document to the radio, for the program and the command line.
// None when its settings were refused.
std::optional<Stream> StreamForWrite(const radio::CMainDoc& doc, const std::string& settingFile = {});

} // namespace transfer
