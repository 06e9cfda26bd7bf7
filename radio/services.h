#pragma once
// What the radio layer asks of its surroundings, declared here so that it
// stays standard C++: a store for the two setting-folder values and a place
// to show a message. The program and the command-line tool hand in ones over
// the configuration store and the prompt; tests hand in their own.

// Standard library
#include <optional>
#include <string>

namespace radio {

// Named text values kept for the user between runs ("SettingDir",
// "Current Setting File").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> GetString(const std::string& name) const = 0;
    // Failures are silent: the value is simply not kept.
    virtual void SetString(const std::string& name, const std::string& value) = 0;
};

// Tells the user that something failed.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows `text` as an error, titled `caption`.
    virtual void ShowError(const std::string& text, const std::string& caption) = 0;
};

} // namespace radio
