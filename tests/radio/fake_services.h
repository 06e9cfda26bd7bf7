#pragma once
// A settings store and a message sink of the tests' own: values in a map,
// messages kept in the order shown.

// Project
#include "radio/services.h"

// Standard library
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

class MapSettingsStore : public radio::SettingsStore {
public:
    std::optional<std::string> GetString(const std::string& name) const override
    {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void SetString(const std::string& name, const std::string& value) override { values[name] = value; }

    std::map<std::string, std::string> values;
};

class RecordingMessages : public radio::MessageSink {
public:
    struct Shown {
        std::string text;
        std::string caption;
    };
    void ShowError(const std::string& text, const std::string& caption) override { shown.push_back({text, caption}); }

    std::vector<Shown> shown;
};

} // namespace test_support
