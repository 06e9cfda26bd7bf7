#pragma once
// Reading a bounded prefix of a file and replacing a file without ever leaving
// it half-written.

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FileResult {
    enum Status { Ok, CannotOpen, CannotCreate, WriteFailed };
    Status status = Ok;
    int error = 0; // errno of the failing call
    bool ok() const { return status == Ok; }
    // "<system reason>" for the error, empty when ok.
    std::string Reason() const;
};

// Reads at most `maxBytes` of a regular file into `out`. Directories, FIFOs and
// devices are refused (CannotOpen), so the read never blocks or runs on.
FileResult ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

// Writes `size` bytes to a temporary file in the target's folder, syncs it and
// renames it over `path` (a symbolic link is followed, so the temporary file is
// always on the target's own filesystem; the old file's permissions are kept).
// On failure the temporary file is removed and `path` is untouched. A file or
// folder without any write bit is refused (CannotCreate, EACCES) even for root.
// Temporary files left in the folder by a save that was killed are removed first.
// A target that is a device, pipe or socket is written into as it is; a folder
// is refused (CannotCreate, EISDIR).
FileResult ReplaceFile(const std::string& path, const std::uint8_t* data, std::size_t size);

} // namespace platform
