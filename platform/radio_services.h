#pragma once
// The radio layer's settings store and message sink over the configuration
// store (key kSettingsKey) and the prompt in force.

// Project
#include "radio/services.h"

// Standard library
#include <optional>
#include <string>

namespace platform {

class RegistrySettingsStore : public radio::SettingsStore {
public:
    std::optional<std::string> GetString(const std::string& name) const override;
    void SetString(const std::string& name, const std::string& value) override;
};

// Shows each message through the current prompt with the error icon.
class PromptMessageSink : public radio::MessageSink {
public:
    void ShowError(const std::string& text, const std::string& caption) override;
};

// Shared instances; both keep no state of their own.
radio::SettingsStore& RegistrySettings();
radio::MessageSink& PromptMessages();

} // namespace platform
