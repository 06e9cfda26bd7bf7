#pragma once
// Copies of what was read from the radio, kept in the program's state folder
// ($XDG_STATE_HOME/Quillon, default ~/.local/state/Quillon): "Debug.sys" (the
// stream as received) and "Debug.rdf" (the document's file) after every good
// read, and every good read as read-YYYYMMDD-HHMMSS.rdf, the newest 20 kept,
// so that an image read from the radio is never lost.

// std
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

// project
#include "clone/prepare.h"
#include "radio/main_doc.h"

namespace transfer {

inline constexpr int kKeptReads = 20;

// The folder, whether it exists or not.
std::string StateDir();

// The kept file's name for a read at `when` (local time).
std::string KeptReadName(std::time_t when);

// Writes the copies and removes all but the newest kept reads. Returns an
// empty text, or what went wrong (the read itself stands either way).
std::string KeepReadCopies(const Stream& stream, const std::array<std::uint8_t, radio::kRdfFileSize>& file,
                           std::time_t when);

} // namespace transfer
