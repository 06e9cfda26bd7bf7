#include "clone/transfer_doc.h"

// project
#include "clone/kept_reads.h"
#include "clone/messages.h"
#include "platform/radio_services.h"
#include "radio/settings_file.h"
#include "radio/settings_load.h"

namespace transfer {

ReadAdoption AdoptRead(radio::CMainDoc& doc, const Stream& stream, std::time_t when, void* owner)
{
    ReadAdoption result;
    doc.AdoptRead(stream);
    result.identityStored = StoreRadioIdentity(stream);
    if (!result.identityStored)
        ShowRegistryKeyError(owner);
    result.keptError = KeepReadCopies(stream, doc.Bytes(), when);
    return result;
}

std::optional<radio::SettingsRecord> SettingsForWrite(const radio::CMainDoc& doc, const std::string& settingFile)
{
    if (settingFile.empty()) {
        radio::LoadedSettings loaded = radio::LoadSettingsForDocument(
            doc.Image(), doc.SourceName(), platform::RegistrySettings(), platform::PromptMessages());
        if (loaded.fileRefused)
            return std::nullopt;
        return loaded.record;
    }
    radio::SettingsRecord record;
    if (!radio::ReadSettingsFile(settingFile, record, platform::PromptMessages()))
        return std::nullopt;
    return record;
}

std::optional<Stream> StreamForWrite(const radio::CMainDoc& doc, const std::string& settingFile)
{
    const auto settings = SettingsForWrite(doc, settingFile);
    if (!settings)
        return std::nullopt;
    return BuildRadioStream(doc.Image(), *settings);
}

} // namespace transfer
