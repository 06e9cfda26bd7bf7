#pragma once
// A small per-user configuration store with the shape of a Windows-style
// registry: key paths such as "Software\Quillon\Yaesu\Ostrel Programmer\Settings",
// named values of three kinds (32-bit number, text, bytes).
//
// It is kept in one INI file, $XDG_CONFIG_HOME/Quillon/registry.ini (default
// ~/.config), shared by the program and portkit. Every call reads or writes the
// file afresh, so two modules in one process, or two processes, see each
// other's values. Failures are silent: a value that cannot be read is absent.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program's own key paths.
inline constexpr const char* kAppKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer";
inline constexpr const char* kSettingsKey = "Software\\Quillon\\Yaesu\\Ostrel Programmer\\Settings";

class Registry {
public:
    static std::optional<std::uint32_t> GetDword(const std::string& keyPath, const std::string& name);
    static std::optional<std::string> GetString(const std::string& keyPath, const std::string& name);
    static std::optional<std::vector<std::uint8_t>> GetBinary(const std::string& keyPath,
                                                               const std::string& name);

    static bool SetDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
    static bool SetString(const std::string& keyPath, const std::string& name, const std::string& value);
    static bool SetBinary(const std::string& keyPath, const std::string& name,
                          const std::vector<std::uint8_t>& value);

    static bool DeleteValue(const std::string& keyPath, const std::string& name);

    // The INI file behind the store (for the README and for tests).
    static std::string FilePath();
};

// The per-user configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string ConfigHome();

// The per-user folder for logs and kept copies: $XDG_STATE_HOME, else ~/.local/state.
std::string StateHome();

} // namespace platform
