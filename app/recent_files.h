#pragma once
// The four most recently used files, kept in the configuration store under the
// program's key ("Recent File List", values "File1" .. "File4").

// std
#include <string>
#include <vector>

namespace app {

class RecentFiles {
public:
    // Reads the list from the store.
    void Load();
    // Puts a path at the top (moving it there when already listed), drops the
    // oldest beyond the limit, and writes the list back.
    void Add(const std::string& path);
    // Drops entry i (a file that could no longer be opened) and writes the list back.
    void Remove(std::size_t index);

    const std::vector<std::string>& Paths() const { return paths_; }

    // The text of entry i in a menu: "&1 " and the path, shortened to the file
    // name behind an ellipsis when the path is long.
    std::string MenuText(std::size_t index) const;

private:
    void Store() const;

    std::vector<std::string> paths_;
};

} // namespace app
