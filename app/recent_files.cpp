#include "app/recent_files.h"

// project
#include "app/command_ids.h"
#include "platform/registry.h"

// std
#include <algorithm>

namespace app {
namespace {

std::string ListKey()
{
    return std::string(platform::kAppKey).append("\\Recent File List");
}

constexpr std::size_t kLongPath = 48;

std::string ValueName(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

void RecentFiles::Load()
{
    paths_.clear();
    for (std::size_t i = 0; i < cmd::kRecentFileCount; ++i) {
        const auto path = platform::Registry::GetString(ListKey(), ValueName(i));
        if (path && !path->empty())
            paths_.push_back(*path);
    }
}

void RecentFiles::Add(const std::string& path)
{
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > cmd::kRecentFileCount)
        paths_.resize(cmd::kRecentFileCount);
    Store();
}

void RecentFiles::Remove(std::size_t index)
{
    if (index >= paths_.size())
        return;
    paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(index));
    Store();
}

std::string RecentFiles::MenuText(std::size_t index) const
{
    if (index >= paths_.size())
        return {};
    std::string shown = paths_[index];
    if (shown.size() > kLongPath) {
        const auto slash = shown.rfind('/');
        if (slash != std::string::npos)
            shown.replace(0, slash, "...");
    }
    // A literal '&' in a path would otherwise become a mnemonic.
    std::string text = "&";
    text += std::to_string(index + 1);
    text += ' ';
    for (char c : shown) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}

void RecentFiles::Store() const
{
    for (std::size_t i = 0; i < cmd::kRecentFileCount; ++i) {
        if (i < paths_.size())
            platform::Registry::SetString(ListKey(), ValueName(i), paths_[i]);
        else
            platform::Registry::DeleteValue(ListKey(), ValueName(i));
    }
}

} // namespace app
