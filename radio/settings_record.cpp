#include "radio/settings_record.h"

// Standard library
#include <algorithm>
#include <cstring>

namespace radio {

void SettingsRecord::SetHeaderFields()
{
    WriteLe32(&bytes_[rsf::kMagic], kSettingsMagic);
    std::memcpy(&bytes_[rsf::kIdentifier], kSettingsIdentifier, rsf::kIdentifierSize);
    WriteLe32(&bytes_[rsf::kVersion], kSettingsVersion);
    WriteLe32(&bytes_[rsf::kSize], static_cast<std::uint32_t>(kSettingsRecordSize));
    std::fill_n(&bytes_[rsf::kRadioName], rsf::kRadioNameSize, std::uint8_t{0});
    std::memcpy(&bytes_[rsf::kRadioName], kSettingsRadioName, std::strlen(kSettingsRadioName));
}

std::uint32_t SettingsRecord::Magic() const
{
    return ReadLe32(&bytes_[rsf::kMagic]);
}

std::string SettingsRecord::Identifier() const
{
    return std::string(reinterpret_cast<const char*>(&bytes_[rsf::kIdentifier]), rsf::kIdentifierSize);
}

std::uint32_t SettingsRecord::Version() const
{
    return ReadLe32(&bytes_[rsf::kVersion]);
}

std::uint32_t SettingsRecord::Size() const
{
    return ReadLe32(&bytes_[rsf::kSize]);
}

std::string SettingsRecord::RadioName() const
{
    // A file may carry a name without its terminator: stop at the field's end.
    const auto* first = &bytes_[rsf::kRadioName];
    const auto* last = std::find(first, first + rsf::kRadioNameSize, std::uint8_t{0});
    return std::string(first, last);
}

SettingsBlockView SettingsRecord::Block()
{
    return SettingsBlockView(&bytes_[rsf::kBlock], kSettingsBlockSize);
}

ConstSettingsBlockView SettingsRecord::Block() const
{
    return ConstSettingsBlockView(&bytes_[rsf::kBlock], kSettingsBlockSize);
}

void MergeSettingsIntoImage(ConstSettingsBlockView block, RadioImage& image)
{
    for (const SettingsImageRange& range : kSettingsImageRanges)
        std::copy_n(&block[range.block], range.length, &image[range.image]);
}

void CopySettingsFromImage(const RadioImage& image, SettingsBlockView block)
{
    for (const SettingsImageRange& range : kSettingsImageRanges)
        std::copy_n(&image[range.image], range.length, &block[range.block]);
}

SettingsRecord SettingsRecordFromImage(const RadioImage& image)
{
    SettingsRecord record;
    record.SetHeaderFields();
    CopySettingsFromImage(image, record.Block());
    return record;
}

} // namespace radio
