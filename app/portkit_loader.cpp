#include "app/portkit_loader.h"

// project
#include "platform/prompt.h"
#include "portkit/portkit_c.h"

// std
#include <filesystem>

// system
#include <dlfcn.h>

namespace app {
namespace {

constexpr const char* kCaption = "Ostrel Programmer";

// The library's messages go to whatever prompt the program has installed at
// the time, so a test's recording prompt sees them too.
int ForwardPrompt(void* /*context*/, const char* text, const char* caption, int icon, int buttons,
                  void* owner)
{
    const platform::Answer answer =
        platform::ShowMessage(text != nullptr ? text : "", caption != nullptr ? caption : "",
                              static_cast<platform::Icon>(icon), static_cast<platform::Buttons>(buttons), owner);
    return static_cast<int>(answer);
}

std::string LastError()
{
    const char* reason = ::dlerror();
    return reason != nullptr ? reason : "unknown reason";
}

} // namespace

PortkitLoader& PortkitLoader::Instance()
{
    static PortkitLoader loader(DefaultPortkitCandidates());
    return loader;
}

PortkitLoader::PortkitLoader(std::vector<std::string> candidates) : candidates_(std::move(candidates)) {}

void PortkitLoader::SetCandidates(std::vector<std::string> candidates)
{
    candidates_ = std::move(candidates);
    failed_ = false;
}

void PortkitLoader::ForgetFailure()
{
    failed_ = false;
}

void* PortkitLoader::Entry(std::string_view name)
{
    if (const auto found = entries_.find(name); found != entries_.end())
        return found->second;
    if (failed_ || !Load())
        return nullptr;
    const std::string symbol(name);
    ::dlerror();
    void* address = ::dlsym(handle_, symbol.c_str());
    if (address == nullptr) {
        Report("The library " PORTKIT_LIBRARY_FILE " has no entry " + symbol + ":\n" + LastError());
        return nullptr;
    }
    entries_.emplace(symbol, address);
    return address;
}

bool PortkitLoader::Load()
{
    if (handle_ != nullptr)
        return true;
    std::string reason = "no file to try";
    for (const std::string& candidate : candidates_) {
        handle_ = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ != nullptr)
            break;
        reason = LastError();
    }
    if (handle_ == nullptr) {
        failed_ = true;
        Report("The library " PORTKIT_LIBRARY_FILE " could not be loaded:\n" + reason);
        return false;
    }
    using SetPrompt = decltype(&portkit_set_prompt);
    if (auto* set = reinterpret_cast<SetPrompt>(::dlsym(handle_, "portkit_set_prompt")))
        set(&ForwardPrompt, nullptr);
    return true;
}

void PortkitLoader::Report(const std::string& text)
{
    platform::ShowMessage(text + "\n\nThe command was not carried out.", kCaption, platform::Icon::Error);
}

const std::string& CommonFilesDir()
{
    // The installation's library folder, found from the running program so an
    // installation can be moved as a whole.
    static const std::string dir = [] {
        std::error_code error;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error)
            return std::string(OSTREL_LIB_FROM_BIN);
        return (program.parent_path() / OSTREL_LIB_FROM_BIN).lexically_normal().string();
    }();
    return dir;
}

std::vector<std::string> DefaultPortkitCandidates()
{
    return {CommonFilesDir() + "/Quillon/" PORTKIT_LIBRARY_FILE, PORTKIT_LIBRARY_FILE};
}

} // namespace app
