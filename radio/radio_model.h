#pragma once
// RadioModel: the image-access operations that the grids, the import and the
// export share. The document derives from it and supplies the image and the
// comments; the current sheet kind picks which records a row maps to.

// std
#include <array>
#include <cstdint>
#include <string>

// project
#include "platform/locale.h"
#include "radio/channel_record.h"
#include "radio/radio_image.h"

namespace radio {

class RadioModel {
public:
    explicit RadioModel(char separator = platform::DecimalSeparator());
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

    void SetSheetKind(int kind) { kind_ = kind; }
    int SheetKind() const { return kind_; }
    int RowCount() const;
    // Record and name record of row r of the current kind; nullptr where there is none.
    std::uint8_t* Record(int row);
    std::uint8_t* NameRecord(int row);

    // Bank membership (Memories only) and scan values (Hyper Memory kinds only).
    bool BankBit(int bank, int memory) const;
    void SetBankBit(int bank, int memory, bool member);
    int ScanValue(int memory) const;
    void SetScanValue(int memory, int value);

    int ActiveHyper() const;
    void SetActiveHyper(int hyper);
    int FreeChannelCount() const;

private:
    char separator_;
    int kind_ = kSheetMemories;
};

} // namespace radio
