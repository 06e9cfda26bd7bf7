#pragma once
// Radio setting files (.rsf): the 358 bytes of a SettingsRecord. Failures are
// shown to the user through a MessageSink (caption "Error") and reported as false.

// Project
#include "radio/services.h"
#include "radio/settings_record.h"

// Standard library
#include <string>

namespace radio {

// Whether the path names a regular file that can be opened for reading.
// Says nothing to the user.
bool CanOpenSettingsFile(const std::string& path);

// Reads the file and checks its header. Only a file that passes every check
// replaces `record`; otherwise the record is left as it was and the reason
// is shown.
bool ReadSettingsFile(const std::string& path, SettingsRecord& record, MessageSink& messages);

// Sets the record's header fields, then writes all 358 bytes. The bytes go to
// a new file beside the target that is renamed over it once complete, so a
// failed write leaves any earlier file at the path untouched.
bool WriteSettingsFile(const std::string& path, SettingsRecord& record, MessageSink& messages);

} // namespace radio
