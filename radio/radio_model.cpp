#include "radio/radio_model.h"

// project
#include "radio/frequency.h"
#include "radio/hyper_area.h"

namespace radio {

RadioModel::RadioModel(char separator) : separator_(separator) {}

std::string RadioModel::Comment(int /*row*/) const { return std::string(); }

void RadioModel::SetComment(int /*row*/, const std::string& /*text*/) {}

std::string RadioModel::FormatFrequency(std::int32_t hz) const { return radio::FormatFrequency(hz, separator_); }

std::string RadioModel::FormatOffset(std::int32_t hz) const { return radio::FormatOffset(hz, separator_); }

int RadioModel::RowCount() const { return SheetRowCount(kind_); }

std::uint8_t* RadioModel::Record(int row)
{
    std::ptrdiff_t at = RecordOffset(kind_, row);
    return at < 0 ? nullptr : Image().data() + at;
}

std::uint8_t* RadioModel::NameRecord(int row)
{
    std::ptrdiff_t at = NameOffset(kind_, row);
    return at < 0 ? nullptr : Image().data() + at;
}

bool RadioModel::BankBit(int bank, int memory) const
{
    return kind_ == kSheetMemories && radio::BankBit(Image(), bank, memory);
}

void RadioModel::SetBankBit(int bank, int memory, bool member)
{
    if (kind_ == kSheetMemories)
        radio::SetBankBit(Image(), bank, memory, member);
}

int RadioModel::ScanValue(int memory) const
{
    return kind_ >= kSheetHyper1 ? radio::ScanValue(Image(), kind_ - kSheetHyper1, memory) : 0;
}

void RadioModel::SetScanValue(int memory, int value)
{
    if (kind_ >= kSheetHyper1)
        radio::SetScanValue(Image(), kind_ - kSheetHyper1, memory, value);
}

int RadioModel::ActiveHyper() const { return radio::ActiveHyper(Image()); }

void RadioModel::SetActiveHyper(int hyper) { radio::SetActiveHyper(Image(), hyper); }

int RadioModel::FreeChannelCount() const { return radio::FreeChannelCount(Image()); }

} // namespace radio
