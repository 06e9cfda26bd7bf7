#pragma once
// A file path for targets whose code under test reads or writes files: one
// per process in a folder of its own on a memory filesystem where there is
// one, removed when the process ends.

// std
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// system
#include <unistd.h>

namespace fuzz {

class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string name = std::string(base) + "/ostrel-fuzz-XXXXXX";
        if (::mkdtemp(name.data()) != nullptr)
            path_ = name;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline const ScratchFolder& Scratch()
{
    static const ScratchFolder folder;
    return folder;
}

inline void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace fuzz
