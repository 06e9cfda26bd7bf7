#include "platform/radio_services.h"

// Project
#include "platform/prompt.h"
#include "platform/registry.h"

namespace platform {

std::optional<std::string> RegistrySettingsStore::GetString(const std::string& name) const
{
    return Registry::GetString(kSettingsKey, name);
}

void RegistrySettingsStore::SetString(const std::string& name, const std::string& value)
{
    Registry::SetString(kSettingsKey, name, value);
}

void PromptMessageSink::ShowError(const std::string& text, const std::string& caption)
{
    ShowMessage(text, caption, Icon::Error);
}

radio::SettingsStore& RegistrySettings()
{
    static RegistrySettingsStore store;
    return store;
}

radio::MessageSink& PromptMessages()
{
    static PromptMessageSink sink;
    return sink;
}

} // namespace platform
