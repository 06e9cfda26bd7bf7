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
    doc.Image() = stream;
    doc.ClearComments();
    result.identityStored = StoreRadioIdentity(doc.Image());
    if (!result.identityStored)
        ShowRegistryKeyError(owner);
    doc.SetSourceName(radio::kSourceReadRadio);
    result.keptError = KeepReadCopies(stream, doc.Bytes(), when);
    return result;
}

std::optional<radio::SettingsRecord> SettingsForWrite(const radio::CMainDoc& doc, const std::string& settingFile)
{
    if (settingFile.empty())
        return radio::LoadSettingsForDocument(doc.Image(), doc.SourceName(), platform::RegistrySettings(),
                                              platform::PromptMessages())
            .record;
    radio::SettingsRecord record;
    if (!radio::ReadSettingsFile(settingFile, record, platform::PromptMessages()))
        return std::nullopt;
    return record;
}

void PrepareDocumentForRadio(radio::CMainDoc& doc, const radio::SettingsRecord& settings)
{
    PrepareForRadio(doc.Image(), settings);
}

} // namespace transfer
