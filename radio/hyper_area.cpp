#include "radio/hyper_area.h"

// std
#include <algorithm>

// project
#include "radio/bit_field.h"
#include "radio/byte_order.h"
#include "radio/channel_record.h"

namespace radio {

// Limits are the list positions the store keeps; Mode keeps 0..4 although its
// list has three entries, and Menu # keeps 0..39 of its 48. Entries are the
// positions the settings grid can show (a check box shows two).
const std::array<HyperSetting, 22> kHyperSettings{{
    {HyperField::Mode, SettingKind::List, 0, 0xFF, 5, 3},
    {HyperField::MemoryBank, SettingKind::BankChoice, 2, 0xFF, 21, 21},
    {HyperField::Dtmf, SettingKind::List, 1, 0xFF, 16, 15},
    {HyperField::MemoryNumber, SettingKind::MemoryNumber, 3, 0, kMemoryCount, kMemoryCount},
    {HyperField::Vfo, SettingKind::List, 5, 0xFF, 5, 5},
    {HyperField::MemoryScan, SettingKind::List, 13, 0x02, 2, 2},
    {HyperField::SpecialScan, SettingKind::List, 7, 0x3F, 55, 55},
    {HyperField::Scanning, SettingKind::Check, 13, 0x80, 2, 2},
    {HyperField::MemoryTune, SettingKind::Check, 13, 0x40, 2, 2},
    {HyperField::Arts, SettingKind::Check, 13, 0x20, 2, 2},
    {HyperField::MemoryBankOn, SettingKind::Check, kMemoryBankOnByte, kMemoryBankOnBit, 2, 2},
    {HyperField::Priority, SettingKind::Check, 13, 0x01, 2, 2},
    {HyperField::SpecialScanOn, SettingKind::NoBits, 0, 0, 0, 0},
    {HyperField::AutoRepeaterSplit, SettingKind::Check, 12, 0x20, 2, 2},
    {HyperField::AutoReceive, SettingKind::Check, 12, 0x02, 2, 2},
    {HyperField::AutoStep, SettingKind::Check, 12, 0x01, 2, 2},
    {HyperField::VfoBand, SettingKind::Check, 12, 0x04, 2, 2},
    {HyperField::WxAlert, SettingKind::Check, 11, 0x80, 2, 2},
    {HyperField::WxChannel, SettingKind::List, 8, 0xFF, 10, 10},
    {HyperField::MenuNumber, SettingKind::List, 6, 0xFF, 40, 48},
    {HyperField::PacketSpeed, SettingKind::List, 12, 0x40, 2, 2},
    {HyperField::PacketMic, SettingKind::Check, 12, 0x10, 2, 2},
}};

const HyperSetting& SettingOf(HyperField field)
{
    for (const HyperSetting& setting : kHyperSettings)
        if (setting.field == field)
            return setting;
    return kHyperSettings[0];
}

int GetSetting(const std::uint8_t* block, HyperField field)
{
    const HyperSetting& s = SettingOf(field);
    switch (s.kind) {
    case SettingKind::BankChoice:
        return (block[kMemoryBankOnByte] & kMemoryBankOnBit) != 0 ? block[s.byte] + 1 : 0;
    case SettingKind::MemoryNumber:
        return static_cast<int>(ReadLe(block + s.byte, 2));
    case SettingKind::NoBits:
        return 0;
    case SettingKind::List:
    case SettingKind::Check:
        break;
    }
    return GetBits(block[s.byte], s.mask);
}

void SetSetting(std::uint8_t* block, HyperField field, int value)
{
    const HyperSetting& s = SettingOf(field);
    if (value < 0 || value >= s.limit)
        value = 0;
    switch (s.kind) {
    case SettingKind::BankChoice:
        if (value > 0) {
            block[s.byte] = static_cast<std::uint8_t>(value - 1);
            block[kMemoryBankOnByte] |= kMemoryBankOnBit;
        } else {
            block[s.byte] = 0;
        }
        return;
    case SettingKind::MemoryNumber:
        WriteLe(block + s.byte, 2, static_cast<std::uint32_t>(value));
        return;
    case SettingKind::NoBits:
        return;
    case SettingKind::List:
    case SettingKind::Check:
        break;
    }
    SetBits(block[s.byte], s.mask, static_cast<unsigned>(value));
}

bool BankLink(const std::uint8_t* area, int bank)
{
    if (bank < 0 || bank >= kBankCount)
        return false;
    return (area[offs::kHyperBankLinks + static_cast<std::size_t>(bank / 8)] & (0x80 >> (bank % 8))) != 0;
}

void SetBankLink(std::uint8_t* area, int bank, bool linked)
{
    if (bank < 0 || bank >= kBankCount)
        return;
    std::uint8_t& byte = area[offs::kHyperBankLinks + static_cast<std::size_t>(bank / 8)];
    std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (bank % 8));
    byte = static_cast<std::uint8_t>(linked ? byte | mask : byte & ~mask);
}

namespace {
bool ScanAddressOk(int hyper, int memory) { return hyper >= 0 && hyper < kHyperCount && memory >= 0 && memory < kMemoryCount; }
std::size_t ScanByte(int hyper, int memory)
{
    return offs::kScanValues + kScanValuesSize * static_cast<std::size_t>(hyper) + static_cast<std::size_t>(memory / 4);
}
int ScanShift(int memory) { return 2 * (3 - memory % 4); }
} // namespace

int ScanValue(const RadioImage& image, int hyper, int memory)
{
    if (!ScanAddressOk(hyper, memory))
        return 0;
    return (image[ScanByte(hyper, memory)] >> ScanShift(memory)) & 3;
}

void SetScanValue(RadioImage& image, int hyper, int memory, int value)
{
    if (!ScanAddressOk(hyper, memory))
        return;
    std::uint8_t& byte = image[ScanByte(hyper, memory)];
    int shift = ScanShift(memory);
    byte = static_cast<std::uint8_t>((byte & ~(3 << shift)) | ((value & 3) << shift));
}

std::size_t HyperAreaOffset(int hyper) { return offs::kHyperAreas + kHyperAreaSize * static_cast<std::size_t>(hyper); }

int ActiveHyper(const RadioImage& image)
{
    int value = image[offs::kActiveHyper];
    return value <= kHyperCount ? value : 0;
}

void SetActiveHyper(RadioImage& image, int hyper)
{
    image[offs::kActiveHyper] = static_cast<std::uint8_t>(hyper >= 0 && hyper <= kHyperCount ? hyper : 0);
}

int ActiveHyperArea(const RadioImage& image)
{
    int value = ActiveHyper(image);
    return value < kHyperCount ? value : 0;
}

void CopyVfoToHyper(RadioImage& image, int hyper)
{
    std::size_t area = HyperAreaOffset(hyper);
    std::copy_n(image.begin() + offs::kVfoArea, kHyperAreaSize, image.begin() + static_cast<std::ptrdiff_t>(area));
    std::copy_n(image.begin() + offs::kCurrentSettings, kHyperSettingsSize,
                image.begin() + static_cast<std::ptrdiff_t>(area + offs::kHyperSettings));
}

void CopyHyperToVfo(RadioImage& image, int hyper)
{
    auto area = image.begin() + static_cast<std::ptrdiff_t>(HyperAreaOffset(hyper));
    std::copy_n(area, kHyperAreaSize, image.begin() + offs::kVfoArea);
    std::copy_n(area + offs::kHyperSettings, kHyperSettingsSize, image.begin() + offs::kCurrentSettings);
}

namespace {
constexpr std::size_t kSwitchByte = 13;      // Scanning, Memory Tune On, ARTS On in bits 7..5
constexpr std::uint8_t kRunningSwitches = 0xE0;
constexpr std::size_t kSpecialScanByte = 7;  // bits 7..6 are not a setting
constexpr std::uint8_t kSpecialScanTop = 0xC0;

void ClearRunningState(std::uint8_t* block)
{
    block[kSwitchByte] &= static_cast<std::uint8_t>(~kRunningSwitches);
    block[kSpecialScanByte] &= static_cast<std::uint8_t>(~kSpecialScanTop);
}
} // namespace

void RepairHyperAreas(RadioImage& image)
{
    for (int k = 0; k < kHyperCount; ++k) {
        std::uint8_t* area = image.data() + HyperAreaOffset(k);
        for (int bank = 0; bank < kBankCount; ++bank) {
            if (!BankLink(area, bank))
                continue;
            if (BankIsEmpty(image, bank))
                SetBankLink(area, bank, false);
        }
        ClearRunningState(area + offs::kHyperSettings);
    }
    ClearRunningState(image.data() + offs::kCurrentSettings);
}

} // namespace radio
