#pragma once
// RuleAccess: the few things the editing rules reach beyond the cells of a
// grid: each sheet's new-channel template, the Hyper Memory settings grids,
// and the document's decimal separator. They are reached here only, so that
// moving them elsewhere changes this file and nothing else. (The document's
// modified mark follows from its history: the view stores each finished edit.)

// std
#include <cstdint>
#include <string>

// project
#include "grid/sheet_book.h"
#include "radio/radio_model.h"

namespace grid {

class RuleAccess {
public:
    explicit RuleAccess(SheetBook& book) : book_(book) {}

    SheetBook& Book() { return book_; }
    const ChannelTemplate& Template(int sheet) { return book_.Template(sheet); }
    // Takes the list choices of a row into the sheet's template.
    void RefreshTemplate(int sheet, int row) { book_.RefreshTemplate(sheet, row); }
    CSpreadSheet1& HyperGrid(int hyper) { return book_.HyperGrid(hyper); }
    std::string FormatFrequency(std::int32_t hz) const { return book_.Doc().FormatFrequency(hz); }
    std::string FormatOffset(std::int32_t hz) const { return book_.Doc().FormatOffset(hz); }

private:
    SheetBook& book_;
};

} // namespace grid
