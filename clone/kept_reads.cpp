#include "clone/kept_reads.h"

// std
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

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

void PruneKeptReads(const fs::path& dir)
{
    std::vector<fs::path> kept;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (IsKeptRead(entry.path()))
            kept.push_back(entry.path());
    if (kept.size() <= static_cast<std::size_t>(kKeptReads))
        return;
    // The names sort by time.
    std::sort(kept.begin(), kept.end());
    for (std::size_t i = 0; i + kKeptReads < kept.size(); ++i)
        fs::remove(kept[i], error);
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

} // namespace transfer
