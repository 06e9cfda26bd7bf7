#pragma once
// Loads libportkit the first time one of its entries is needed and resolves
// the entries by name. Search order: <common files>/Quillon/libportkit.so.N,
// where the common-files folder is the installation's library folder, then the
// plain file name along the normal search path (the program's RUNPATH).
//
// When the library cannot be loaded, the call that needed it shows a message
// naming the library and the loader's reason and gets nullptr; the failure is
// remembered until ForgetFailure (the main frame calls it before every
// command), so one command shows the message once.

// std
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace app {

class PortkitLoader {
public:
    // The program's loader, searching the default candidates.
    static PortkitLoader& Instance();

    // A loaded library stays loaded for the life of the process.
    explicit PortkitLoader(std::vector<std::string> candidates);
    PortkitLoader(const PortkitLoader&) = delete;
    PortkitLoader& operator=(const PortkitLoader&) = delete;

    // The address of an extern "C" entry of the library, loading it first when
    // needed; nullptr (after the message) when the library or entry is missing.
    void* Entry(std::string_view name);

    // Replaces the files tried (and unloads nothing already loaded).
    void SetCandidates(std::vector<std::string> candidates);
    // Lets the next call try to load again (and report again).
    void ForgetFailure();

    bool IsLoaded() const { return handle_ != nullptr; }

private:
    bool Load();
    void Report(const std::string& text);

    std::vector<std::string> candidates_;
    void* handle_ = nullptr;
    bool failed_ = false;
    std::map<std::string, void*, std::less<>> entries_;
};

// The installation's library folder ("common files") beside the running
// program's folder, read once and kept.
const std::string& CommonFilesDir();
// The default search: the common-files copy, then the plain name.
std::vector<std::string> DefaultPortkitCandidates();

} // namespace app
