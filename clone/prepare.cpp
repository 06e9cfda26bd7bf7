#include "clone/prepare.h"

// std
#include <algorithm>
#include <numeric>
#include <vector>

// project
#include "platform/registry.h"
#include "radio/channel_record.h"
#include "radio/hyper_area.h"
#include "radio/settings_controls.h"

namespace transfer {
namespace {

using radio::HyperField;
using radio::RadioImage;
using radio::SettingOf;

// The bytes and bits of the settings block that the fix-ups read and write,
// from the settings table.
struct SettingBits {
    int byte;
    std::uint8_t mask;
};
SettingBits Bits(HyperField field) { return {SettingOf(field).byte, SettingOf(field).mask}; }

// Special Scan choices 5 and up name PMS pairs 1 and up.
constexpr int kFirstPmsChoice = 5;

// Header byte copied into byte 56, the first byte of the settings area.
constexpr std::size_t kIdentityCopyFrom = 6;

bool InUse(const RadioImage& image, int channel)
{
    return channel >= 0 && channel < radio::kChannelCount &&
           radio::GetField(image.data() + radio::ChannelOffset(channel), radio::ChannelField::InUse) != 0;
}

bool MemoryInUse(const RadioImage& image, int memory)
{
    return memory >= 0 && memory < radio::kMemoryCount && InUse(image, memory);
}

// Lowest memory in use that passes `accept`, or -1.
template <typename Accept>
int LowestMemory(const RadioImage& image, Accept accept)
{
    for (int m = 0; m < radio::kMemoryCount; ++m)
        if (InUse(image, m) && accept(m))
            return m;
    return -1;
}

int MemoryNumber(const std::uint8_t* s) { return radio::GetSetting(s, HyperField::MemoryNumber); }

void Clear(std::uint8_t* s, HyperField field)
{
    const SettingBits bits = Bits(field);
    s[bits.byte] = static_cast<std::uint8_t>(s[bits.byte] & ~bits.mask);
}

bool IsSet(const std::uint8_t* s, HyperField field)
{
    const SettingBits bits = Bits(field);
    return (s[bits.byte] & bits.mask) != 0;
}

// Bank (1..20) and memory of a Hyper Memory pointed at something in use.
void FixBankAndMemory(const RadioImage& image, std::uint8_t* s)
{
    std::uint8_t& bankByte = s[Bits(HyperField::MemoryBank).byte];
    int bank = bankByte + (IsSet(s, HyperField::MemoryBankOn) ? 1 : 0);
    if (bank > radio::kBankCount) {
        // Names no bank bitmap: counts as no bank.
        bank = 0;
        Clear(s, HyperField::MemoryBankOn);
    }
    const int memory = MemoryNumber(s);
    const auto inBank = [&image, &bank](int m) { return bank == 0 || radio::BankBit(image, bank - 1, m); };
    if (bank == 0)
        bankByte = 0;
    if (!(MemoryInUse(image, memory) && inBank(memory))) {
        const int lowest = LowestMemory(image, inBank);
        if (lowest >= 0) {
            radio::SetSetting(s, HyperField::MemoryNumber, lowest);
        } else {
            Clear(s, HyperField::MemoryBankOn);
            bank = 1;
        }
    }
    bankByte = static_cast<std::uint8_t>(bank - 1); // no bank: 0xFF
}

void ClearEmptyBankLinks(const RadioImage& image, std::uint8_t* area)
{
    for (int bank = 0; bank < radio::kBankCount; ++bank)
        if (radio::BankLink(area, bank) && radio::BankIsEmpty(image, bank))
            radio::SetBankLink(area, bank, false);
}

// A Special Scan choice naming a PMS pair whose lower or upper edge is empty
// (or a pair the radio does not have) falls back to 0, "Band"; the bits
// above the choice are cleared.
void FixSpecialScan(const RadioImage& image, std::uint8_t* s)
{
    const SettingBits bits = Bits(HyperField::SpecialScan);
    std::uint8_t& choice = s[bits.byte];
    const int x = choice & bits.mask;
    if (x >= kFirstPmsChoice) {
        const int lower = radio::kMemoryCount + 2 * (x - kFirstPmsChoice);
        if (!InUse(image, lower) || !InUse(image, lower + 1))
            choice = static_cast<std::uint8_t>(choice & ~bits.mask);
    }
    choice &= bits.mask;
}

void FixHyper(RadioImage& image, int hyper)
{
    std::uint8_t* area = image.data() + radio::HyperAreaOffset(hyper);
    std::uint8_t* s = area + radio::offs::kHyperSettings;
    FixBankAndMemory(image, s);
    ClearEmptyBankLinks(image, area);
    FixSpecialScan(image, s);
    Clear(s, HyperField::Scanning);
}

// The current channel record (bytes 8-23) from the current mode: VFO (0 or 3,
// stored as 0), Home (1) or a memory (2). A band or memory the radio does not
// have leaves the record as it is.
void SetCurrentChannel(RadioImage& image)
{
    std::uint8_t* current = image.data() + radio::offs::kCurrentSettings;
    std::uint8_t& mode = current[Bits(HyperField::Mode).byte];
    const int band = current[Bits(HyperField::Vfo).byte];
    const int memory = MemoryNumber(current);
    std::ptrdiff_t from = -1;
    switch (mode) {
    case 0:
    case 3:
        mode = 0;
        from = band < radio::kBandCount ? radio::RecordOffset(radio::kSheetVfo, band) : -1;
        break;
    case 1:
        from = band < radio::kBandCount ? radio::RecordOffset(radio::kSheetHome, band) : -1;
        break;
    case 2:
        from = memory < radio::kMemoryCount ? radio::RecordOffset(radio::kSheetMemories, memory) : -1;
        break;
    default:
        break;
    }
    if (from >= 0)
        std::copy_n(image.begin() + from, radio::kChannelRecordSize,
                    image.begin() + static_cast<std::ptrdiff_t>(radio::offs::kCurrentChannel));
}

std::uint8_t ByteSum(const std::uint8_t* bytes, std::size_t count)
{
    return static_cast<std::uint8_t>(std::accumulate(bytes, bytes + count, 0u) & 0xFF);
}

} // namespace

void FixUpForRadio(RadioImage& image)
{
    // The Hyper Memories are fixed first, so that the current state taken
    // from the active one (1..5; anything else in byte 57 counts as the
    // first) and the current channel never name what does not exist.
    for (int hyper = 0; hyper < radio::kHyperCount; ++hyper)
        FixHyper(image, hyper);
    radio::CopyHyperToVfo(image, radio::ActiveHyperArea(image));
    SetCurrentChannel(image);
    FixSpecialScan(image, image.data() + radio::offs::kCurrentSettings);
}

Stream BuildRadioStream(const RadioImage& image, const radio::SettingsRecord& settings)
{
    Stream stream = image;
    radio::MergeSettingsIntoImage(settings.Block(), stream);
    FixUpForRadio(stream);
    if (const auto identity = RememberedIdentity())
        std::copy(identity->begin(), identity->end(), stream.begin());
    stream[radio::offs::kSetMode] = stream[kIdentityCopyFrom];
    stream[kChecksumAt] = radio::ImageChecksum(stream);
    return stream;
}

bool StoreRadioIdentity(const RadioImage& image)
{
    const std::vector<std::uint8_t> header(image.begin(), image.begin() + kHeaderSize);
    const bool stored = platform::Registry::SetBinary(platform::kSettingsKey, kConfigurationValue, header);
    return platform::Registry::SetDword(platform::kSettingsKey, kConfiguration1Value,
                                        ByteSum(header.data(), header.size())) &&
           stored;
}

std::optional<Identity> RememberedIdentity()
{
    using platform::Registry;
    const auto bytes = Registry::GetBinary(platform::kSettingsKey, kConfigurationValue);
    const auto check = Registry::GetDword(platform::kSettingsKey, kConfiguration1Value);
    if (!bytes || !check || bytes->size() != kHeaderSize || ByteSum(bytes->data(), bytes->size()) != *check)
        return std::nullopt;
    Identity identity{};
    std::copy(bytes->begin(), bytes->end(), identity.begin());
    return identity;
}

} // namespace transfer
