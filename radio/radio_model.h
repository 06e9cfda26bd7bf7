#pragma once
// RadioModel: the image-access operations that the grids, the import and the
// export share. The document derives from it and supplies the image and the
// comments. Which sheet is shown is the view's business: every call that maps
// a row to records takes the sheet kind.

// std
#include <array>
#include <cstdint>
#include <string>

// project
#include "radio/channel_record.h"
#include "radio/radio_image.h"

namespace radio {

class RadioModel {
public:
    // `separator` is the decimal separator of the frequency texts.
    explicit RadioModel(char separator);
    virtual ~RadioModel() = default;
    RadioModel(const RadioModel&) = delete;
    RadioModel& operator=(const RadioModel&) = delete;

    virtual RadioImage& Image() = 0;
    virtual const RadioImage& Image() const = 0;

    // Comment of a Memories row (0..1099); other kinds and a plain model have none.
    virtual std::string Comment(int row) const;
    virtual void SetComment(int row, const std::string& text);

    char Separator() const { return separator_; }
    std::string FormatFrequency(std::int32_t hz) const;
    std::string FormatOffset(std::int32_t hz) const;

    // Record and name record of row r of sheet `kind`; nullptr where there is none.
    std::uint8_t* Record(int kind, int row);
    std::uint8_t* NameRecord(int kind, int row);

    // Bank membership of a memory channel (0..999).
    bool BankBit(int bank, int memory) const;
    void SetBankBit(int bank, int memory, bool member);

    int ActiveHyper() const;
    void SetActiveHyper(int hyper);
    int FreeChannelCount() const;

private:
    char separator_;
};

} // namespace radio
