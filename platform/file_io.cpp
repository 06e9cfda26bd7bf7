#include "platform/file_io.h"

// std
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

// system
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

FileResult Fail(FileResult::Status status, int error)
{
    return FileResult{status, error};
}

// Writes all bytes, going on after partial writes and interruptions.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size, int& error)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save really replaces: the target of a symbolic link.
std::string ResolveTarget(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        std::filesystem::path target = std::filesystem::canonical(path, ec);
        if (!ec)
            return target.string();
    }
    return path;
}

// A new file gets the usual permissions, not mkostemp's owner-only ones.
mode_t CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A temporary file is named after the saving process, ".ostrel-save-<pid>-XXXXXX",
// and locked while it is written. One whose process is gone and whose lock
// is free was left by a save that was killed.
constexpr char kTempPrefix[] = ".ostrel-save-";

bool ProcessGone(const std::string& name)
{
    const std::string rest = name.substr(sizeof(kTempPrefix) - 1);
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.size() - dash != 7)
        return false;
    long pid = 0;
    for (std::size_t i = 0; i < dash; ++i) {
        if (rest[i] < '0' || rest[i] > '9' || pid > 1'000'000'000)
            return false;
        pid = pid * 10 + (rest[i] - '0');
    }
    return pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Earlier versions named their temporary files ".ostrel-save-XXXXXX", without
// the process and without a lock. A save takes milliseconds, so one of those
// untouched for ten minutes was left by a save that was killed.
bool OldFormatName(const std::string& name)
{
    const std::string rest = name.substr(sizeof(kTempPrefix) - 1);
    if (rest.size() != 6)
        return false;
    for (char c : rest) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

constexpr time_t kOldFormatAgeSeconds = 600;

void RemoveStaleTemps(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kTempPrefix, 0) != 0)
            continue;
        const bool oldFormat = OldFormatName(name);
        if (!oldFormat && !ProcessGone(name))
            continue;
        const std::string path = it->path().string();
        int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        const bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                           (!oldFormat || ::time(nullptr) - info.st_mtime > kOldFormatAgeSeconds);
        if (stale && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

// A folder without any write bit is read-only even for root, as a file is.
bool FolderReadOnly(const std::string& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

// Writes into what is there, for targets that are not regular files.
FileResult WriteInPlace(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Fail(FileResult::CannotCreate, errno);
    int error = 0;
    bool written = WriteAll(fd, data, size, error);
    if (::close(fd) != 0 && written) {
        error = errno;
        written = false;
    }
    return written ? FileResult{} : Fail(FileResult::WriteFailed, error);
}

} // namespace

std::string FileResult::Reason() const
{
    return ok() ? std::string() : std::strerror(error);
}

FileResult ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out)
{
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Fail(FileResult::CannotOpen, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return Fail(FileResult::CannotOpen, error);
    }
    out.resize(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        ssize_t n = ::read(fd, out.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int error = errno;
            ::close(fd);
            out.clear();
            return Fail(FileResult::CannotOpen, error);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(got);
    return FileResult{};
}

FileResult ReplaceFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    // A device, pipe or socket (/dev/stdout, a terminal) takes the bytes as they
    // come; renaming a file over it would put a plain file in its place.
    struct stat special {};
    if (::stat(path.c_str(), &special) == 0 && !S_ISREG(special.st_mode))
        return S_ISDIR(special.st_mode) ? Fail(FileResult::CannotCreate, EISDIR)
                                        : WriteInPlace(path, data, size);
    const std::string target = ResolveTarget(path);
    // A file the user may not write is refused as a plain write would refuse
    // it; a file without any write bit counts as read-only even for root.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 &&
        (::access(target.c_str(), W_OK) != 0 || (existing.st_mode & 0222) == 0))
        return Fail(FileResult::CannotCreate, EACCES);
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    if (FolderReadOnly(folder))
        return Fail(FileResult::CannotCreate, EACCES);
    RemoveStaleTemps(folder);
    std::string temp = folder + "/" + kTempPrefix + std::to_string(::getpid()) + "-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(FileResult::CannotCreate, errno);
    ::flock(fd, LOCK_EX | LOCK_NB);

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0666 & ~CurrentUmask());

    int error = 0;
    bool written = WriteAll(fd, data, size, error);
    if (written && ::fsync(fd) != 0) {
        error = errno;
        written = false;
    }
    if (::close(fd) != 0 && written) {
        error = errno;
        written = false;
    }
    if (written && ::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        written = false;
    }
    if (!written) {
        ::unlink(temp.c_str());
        return Fail(FileResult::WriteFailed, error);
    }
    // Make the rename itself durable.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return FileResult{};
}

} // namespace platform
