#include "radio/settings_file.h"

// Project
#include "platform/file_io.h"

// Standard library
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace radio {
namespace {

constexpr const char* kErrorCaption = "Error";

// The checks of a setting file, in order, over the bytes it gave. Returns the
// message for the first that fails, or nothing when `bytes` hold a valid record.
std::optional<std::string> CheckSettingsFile(const std::vector<std::uint8_t>& bytes, const std::string& path,
                                             SettingsRecord& buffer)
{
    std::copy(bytes.begin(), bytes.end(), buffer.Raw().begin());
    if (bytes.size() < kSettingsHeaderSize || buffer.Magic() != kSettingsMagic)
        return "Not a radio data file:\n" + path;
    if (buffer.Identifier() != kSettingsIdentifier)
        return "Radio data file for different radio:\n" + buffer.RadioName();
    if (buffer.Size() != kSettingsRecordSize)
        return std::string("Radio data file has invalid header");
    if (bytes.size() < kSettingsRecordSize)
        return std::string("Radio data file has invalid format");
    return std::nullopt;
}

} // namespace

bool CanOpenSettingsFile(const std::string& path)
{
    std::vector<std::uint8_t> none;
    return platform::ReadFilePrefix(path, 0, none).ok();
}

bool ReadSettingsFile(const std::string& path, SettingsRecord& record, MessageSink& messages)
{
    // A longer file is read as far as the record goes, as ever.
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFilePrefix(path, kSettingsRecordSize, bytes).ok()) {
        messages.ShowError("Cannot open file:\n" + path, kErrorCaption);
        return false;
    }
    SettingsRecord buffer;
    if (const std::optional<std::string> failure = CheckSettingsFile(bytes, path, buffer)) {
        messages.ShowError(*failure, kErrorCaption);
        return false;
    }
    record = buffer;
    return true;
}

bool WriteSettingsFile(const std::string& path, SettingsRecord& record, MessageSink& messages)
{
    record.SetHeaderFields();
    // A folder in the file's place can never be replaced by a file.
    std::error_code ignored;
    const platform::FileResult result = std::filesystem::is_directory(path, ignored)
                                  ? platform::FileResult{platform::FileResult::CannotCreate, EISDIR}
                                  : platform::ReplaceFile(path, record.Raw().data(), kSettingsRecordSize);
    if (result.status == platform::FileResult::CannotCreate || result.status == platform::FileResult::CannotOpen) {
        messages.ShowError("Cannot create file:\n" + path, kErrorCaption);
        return false;
    }
    if (!result.ok()) {
        messages.ShowError("Error writing file:\n" + path, kErrorCaption);
        return false;
    }
    return true;
}

} // namespace radio
