#include "clone/prepare.h"

// std
#include <algorithm>
#include <numeric>
#include <vector>

// project
#include "platform/registry.h"
#include "radio/channel_record.h"
#include "radio/hyper_area.h"

namespace transfer {
namespace {

using radio::RadioImage;

// Bytes of a Hyper Memory's settings block.
constexpr std::size_t kBankByte = 2;
constexpr std::size_t kMemoryLow = 3;
constexpr std::size_t kMemoryHigh = 4;
constexpr std::size_t kSpecialScanByte = 7;
constexpr std::size_t kSwitchByte = 13;
constexpr std::uint8_t kBankOnBit = radio::kMemoryBankOnBit; // byte 13 bit 4
constexpr std::uint8_t kScanningBit = 0x80;                  // byte 13 bit 7
constexpr std::uint8_t kSpecialScanBand = 0x3F;
constexpr std::uint8_t kSpecialScanTop = 0xC0;
// Special Scan choices 5 and up name PMS pairs 1 and up.
constexpr int kFirstPmsChoice = 5;

// Current state: mode, memory number and band in the current settings block.
constexpr std::size_t kCurrentMode = radio::offs::kCurrentSettings + 0;   // byte 40
constexpr std::size_t kCurrentMemory = radio::offs::kCurrentSettings + 3; // bytes 43, 44
constexpr std::size_t kCurrentBand = radio::offs::kCurrentSettings + 5;   // byte 45
constexpr std::size_t kCurrentSpecialScan = radio::offs::kCurrentSettings + kSpecialScanByte; // byte 47

// Header byte copied into byte 56, the first byte of the settings area.
constexpr std::size_t kIdentityCopyFrom = 6;

bool InUse(const RadioImage& image, int channel)
{
    return channel >= 0 && channel < radio::kChannelCount && (image[radio::ChannelOffset(channel)] & 0x80) != 0;
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

void StoreMemoryNumber(std::uint8_t* s, int memory)
{
    s[kMemoryLow] = static_cast<std::uint8_t>(memory & 0xFF);
    s[kMemoryHigh] = static_cast<std::uint8_t>(memory >> 8);
}

// Bank (1..20) and memory of a Hyper Memory pointed at something in use.
void FixBankAndMemory(const RadioImage& image, std::uint8_t* s)
{
    int bank = s[kBankByte] + ((s[kSwitchByte] & kBankOnBit) != 0 ? 1 : 0);
    if (bank > radio::kBankCount) {
        // Names no bank bitmap: counts as no bank.
        bank = 0;
        s[kSwitchByte] &= static_cast<std::uint8_t>(~kBankOnBit);
    }
    const int memory = s[kMemoryLow] + 256 * s[kMemoryHigh];
    if (bank == 0) {
        s[kBankByte] = 0;
        if (!MemoryInUse(image, memory)) {
            const int lowest = LowestMemory(image, [](int) { return true; });
            if (lowest >= 0) {
                StoreMemoryNumber(s, lowest);
            } else {
                s[kSwitchByte] &= static_cast<std::uint8_t>(~kBankOnBit);
                bank = 1;
            }
        }
    } else {
        const auto inBank = [&image, bank](int m) { return radio::BankBit(image, bank - 1, m); };
        if (!(MemoryInUse(image, memory) && inBank(memory))) {
            const int lowest = LowestMemory(image, inBank);
            if (lowest >= 0) {
                StoreMemoryNumber(s, lowest);
            } else {
                bank = 1;
                s[kSwitchByte] &= static_cast<std::uint8_t>(~kBankOnBit);
            }
        }
    }
    s[kBankByte] = static_cast<std::uint8_t>(bank - 1); // no bank: 0xFF
}

void ClearEmptyBankLinks(const RadioImage& image, std::uint8_t* area)
{
    for (int bank = 0; bank < radio::kBankCount; ++bank)
        if (radio::BankLink(area, bank) && radio::BankIsEmpty(image, bank))
            radio::SetBankLink(area, bank, false);
}

// A Special Scan choice naming a PMS pair whose lower or upper edge is empty
// (or a pair the radio does not have) falls back to 0, "Band".
void FixSpecialScan(const RadioImage& image, std::uint8_t& choice)
{
    const int x = choice & kSpecialScanBand;
    if (x < kFirstPmsChoice)
        return;
    const int lower = radio::kMemoryCount + 2 * (x - kFirstPmsChoice);
    if (!InUse(image, lower) || !InUse(image, lower + 1))
        choice &= kSpecialScanTop;
}

void FixHyper(RadioImage& image, int hyper)
{
    std::uint8_t* area = image.data() + radio::HyperAreaOffset(hyper);
    std::uint8_t* s = area + radio::offs::kHyperSettings;
    FixBankAndMemory(image, s);
    ClearEmptyBankLinks(image, area);
    FixSpecialScan(image, s[kSpecialScanByte]);
    s[kSwitchByte] &= static_cast<std::uint8_t>(~kScanningBit);
    s[kSpecialScanByte] &= static_cast<std::uint8_t>(~kSpecialScanTop);
}

// The current channel record (bytes 8-23) from the current mode: VFO (0 or 3,
// stored as 0), Home (1) or a memory (2). A band or memory the radio does not
// have leaves the record as it is.
void SetCurrentChannel(RadioImage& image)
{
    const int band = image[kCurrentBand];
    const int memory = image[kCurrentMemory] + 256 * image[kCurrentMemory + 1];
    std::size_t from = 0;
    switch (image[kCurrentMode]) {
    case 0:
    case 3:
        image[kCurrentMode] = 0;
        if (band >= radio::kBandCount)
            return;
        from = radio::offs::kVfoArea + radio::kChannelRecordSize * static_cast<std::size_t>(band);
        break;
    case 1:
        if (band >= radio::kBandCount)
            return;
        from = radio::offs::kHome + radio::kChannelRecordSize * static_cast<std::size_t>(band);
        break;
    case 2:
        if (memory >= radio::kMemoryCount)
            return;
        from = radio::ChannelOffset(memory);
        break;
    default:
        return;
    }
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(from), radio::kChannelRecordSize,
                image.begin() + static_cast<std::ptrdiff_t>(radio::offs::kCurrentChannel));
}

std::uint8_t ByteSum(const std::uint8_t* bytes, std::size_t count)
{
    return static_cast<std::uint8_t>(std::accumulate(bytes, bytes + count, 0u) & 0xFF);
}

} // namespace

void FixUpForRadio(RadioImage& image)
{
    // Hyper Memory 1..5 is active; anything else in byte 57 counts as the first.
    radio::CopyHyperToVfo(image, radio::ActiveHyperArea(image));
    SetCurrentChannel(image);
    for (int hyper = 0; hyper < radio::kHyperCount; ++hyper)
        FixHyper(image, hyper);
    FixSpecialScan(image, image[kCurrentSpecialScan]);
    image[kCurrentSpecialScan] &= static_cast<std::uint8_t>(~kSpecialScanTop);
}

void PrepareForRadio(RadioImage& image, const radio::SettingsRecord& settings)
{
    radio::MergeSettingsIntoImage(settings.Block(), image);
    FixUpForRadio(image);
    image[radio::offs::kChecksum] = radio::ImageChecksum(image);
}

Stream BuildSendStream(const RadioImage& image)
{
    Stream stream = image;
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
