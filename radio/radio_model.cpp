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

std::uint8_t* RadioModel::Record(int kind, int row)
{
    const std::ptrdiff_t at = RecordOffset(kind, row);
    return at < 0 ? nullptr : Image().data() + at;
}

std::uint8_t* RadioModel::NameRecord(int kind, int row)
{
    const std::ptrdiff_t at = NameOffset(kind, row);
    return at < 0 ? nullptr : Image().data() + at;
}

bool RadioModel::BankBit(int bank, int memory) const { return radio::BankBit(Image(), bank, memory); }

void RadioModel::SetBankBit(int bank, int memory, bool member) { radio::SetBankBit(Image(), bank, memory, member); }

int RadioModel::ActiveHyper() const { return radio::ActiveHyper(Image()); }

void RadioModel::SetActiveHyper(int hyper) { radio::SetActiveHyper(Image(), hyper); }

int RadioModel::FreeChannelCount() const { return radio::FreeChannelCount(Image()); }

} // namespace radio
