#include "clone/kept_reads.h"

// std
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

// project
#include "platform/registry.h"
#include "radio/channel_record.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

// Writes all bytes to a new file beside the target, then renames it over the
// target, so a failed write never leaves half a copy.
bool WriteWhole(const fs::path& path, const std::uint8_t* bytes, std::size_t size)
{
    const fs::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        if (!out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(partial, path, error);
    if (error)
        fs::remove(partial, error);
    return !error;
}

bool IsKeptRead(const fs::path& path)
{
    const std::string name = path.filename().string();
    return name.size() == KeptReadName(0).size() && name.starts_with("read-") && name.ends_with(".rdf");
}

constexpr const char* kKeptReadsValue = "KeptReads";
constexpr std::uint32_t kMostKeptReads = 1000;

// The kept reads of a folder, oldest first (the names sort by time).
std::vector<fs::path> KeptPaths(const fs::path& dir)
{
    std::vector<fs::path> kept;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (IsKeptRead(entry.path()))
            kept.push_back(entry.path());
    std::sort(kept.begin(), kept.end());
    return kept;
}

void PruneKeptReads(const fs::path& dir)
{
    const std::vector<fs::path> kept = KeptPaths(dir);
    const auto limit = static_cast<std::size_t>(KeptReadLimit());
    std::error_code error;
    for (std::size_t i = 0; i + limit < kept.size(); ++i)
        fs::remove(kept[i], error);
}

// The local time a kept read's name carries.
std::time_t TimeOfName(const std::string& name)
{
    std::tm local{};
    if (std::sscanf(name.c_str(), "read-%4d%2d%2d-%2d%2d%2d.rdf", &local.tm_year, &local.tm_mon, &local.tm_mday,
                    &local.tm_hour, &local.tm_min, &local.tm_sec) != 6)
        return 0;
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

int MemoriesInUse(const std::string& path)
{
    const auto image = ReadKeptImage(path);
    if (!image)
        return -1;
    int count = 0;
    for (int row = 0; row < radio::kMemoryCount; ++row)
        count += radio::GetField(image->data() + radio::ChannelOffset(row), radio::ChannelField::InUse);
    return count;
}

} // namespace

std::string StateDir()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/Quillon";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/state/Quillon";
}

std::string KeptReadName(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char name[32] = {};
    std::strftime(name, sizeof name, "read-%Y%m%d-%H%M%S.rdf", &local);
    return name;
}

std::string KeepReadCopies(const Stream& stream, const std::array<std::uint8_t, radio::kRdfFileSize>& file,
                           std::time_t when)
{
    const fs::path dir = StateDir();
    std::error_code error;
    fs::create_directories(dir, error);
    // The kept read first: it is the copy that matters.
    bool ok = !error && WriteWhole(dir / KeptReadName(when), file.data(), file.size());
    ok = !error && WriteWhole(dir / "Debug.sys", stream.data(), stream.size()) && ok;
    ok = !error && WriteWhole(dir / "Debug.rdf", file.data(), file.size()) && ok;
    if (!ok)
        return "Could not keep a copy of the read in " + dir.string();
    PruneKeptReads(dir);
    return {};
}

std::optional<radio::RadioImage> ReadKeptImage(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::array<char, radio::kRdfFileSize> file{};
    in.read(file.data(), static_cast<std::streamsize>(file.size()));
    if (in.gcount() != static_cast<std::streamsize>(file.size()) || in.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;
    radio::RadioImage image{};
    std::copy_n(file.begin() + radio::kRdfHeaderSize, image.size(), reinterpret_cast<char*>(image.data()));
    return image;
}

std::vector<KeptRead> ListKeptReads()
{
    std::vector<fs::path> paths = KeptPaths(StateDir());
    std::vector<KeptRead> reads;
    for (auto path = paths.rbegin(); path != paths.rend(); ++path)
        reads.push_back({path->string(), TimeOfName(path->filename().string()), MemoriesInUse(path->string())});
    return reads;
}

std::optional<KeptRead> NewestKeptRead()
{
    const std::vector<fs::path> paths = KeptPaths(StateDir());
    if (paths.empty())
        return std::nullopt;
    const fs::path& newest = paths.back();
    return KeptRead{newest.string(), TimeOfName(newest.filename().string()), MemoriesInUse(newest.string())};
}

int KeptReadLimit()
{
    const auto stored = platform::Registry::GetDword(platform::kSettingsKey, kKeptReadsValue);
    if (!stored || *stored < 1 || *stored > kMostKeptReads)
        return kKeptReads;
    return static_cast<int>(*stored);
}

bool SetKeptReadLimit(int count)
{
    if (count < 1 || count > static_cast<int>(kMostKeptReads))
        return false;
    if (!platform::Registry::SetDword(platform::kSettingsKey, kKeptReadsValue, static_cast<std::uint32_t>(count)))
        return false;
    PruneKeptReads(StateDir());
    return true;
}

bool DeleteKeptRead(const std::string& path)
{
    const fs::path file(path);
    std::error_code error;
    if (!IsKeptRead(file) || !fs::equivalent(file.parent_path(), fs::path(StateDir()), error) || error)
        return false;
    return fs::remove(file, error) && !error;
}

} // namespace transfer
