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
#include <optional>
#include <string>
#include <vector>

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

// --- The list of kept reads ---------------------------------------------
namespace transfer {

struct KeptRead {
    std::string path;
    std::time_t when = 0;  // from the file name (local time)
    int memoriesInUse = -1; // -1 when the file could not be read
};

// The kept reads in the state folder, newest first.
std::vector<KeptRead> ListKeptReads();
// The newest kept read, or none.
std::optional<KeptRead> NewestKeptRead();
// How many reads are kept (registry value "KeptReads" under the settings
// key, default kKeptReads; 1..1000); setting it prunes at once, and refuses
// (false) a number outside that range or one that could not be stored.
int KeptReadLimit();
bool SetKeptReadLimit(int count);
// Removes one kept read; false with nothing removed when `path` is not a
// kept read of the state folder.
bool DeleteKeptRead(const std::string& path);
// The image of a kept read (a radio data file as a read saves it), or none
// when the file is not one.
std::optional<radio::RadioImage> ReadKeptImage(const std::string& path);

} // namespace transfer
