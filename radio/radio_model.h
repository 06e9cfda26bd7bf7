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

namespace grid {
class CSpreadSheet1;
}

namespace radio {

using ChannelTemplate = std::array<std::uint8_t, kChannelRecordSize>;

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

    // New-channel template of a sheet kind (0..7).
    ChannelTemplate& Template(int kind);
    void ResetTemplate(int kind);
    static ChannelTemplate DefaultTemplate();

    // The settings grid of each Hyper Memory (0..4), registered by the view.
    void SetHyperGrid(int hyper, grid::CSpreadSheet1* grid);
    grid::CSpreadSheet1* HyperGrid(int hyper) const;

    // The VFO page's "Select Hyper Memory" choice (0..4, -1 none); filled by the
    // VFO sheet's load and kept into byte 57 by its store.
    int HyperChoice() const { return hyperChoice_; }
    void SetHyperChoice(int choice) { hyperChoice_ = choice; }

private:
    char separator_;
    int kind_ = kSheetMemories;
    int hyperChoice_ = -1;
    std::array<ChannelTemplate, kSheetCount> templates_;
    std::array<grid::CSpreadSheet1*, kHyperCount> hyperGrids_{};
};

} // namespace radio
