#pragma once
// The lines of the differences window without Qt: each difference as the
// five texts the window shows (sheet, row, field, old, new), the filter by
// sheet and the sort by a column. Numbers inside texts sort as numbers
// ("Memory 9" before "Memory 12"); equal keys keep the comparison's order.

// std
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// project
#include "radio/image_diff.h"

namespace transfer {

enum DiffColumn { kDiffSheet, kDiffRow, kDiffField, kDiffOld, kDiffNew, kDiffColumnCount };

// The sheet column's text and the filter's entry of an area: "Memories", "Banks", ...
const char* SheetName(radio::DiffArea area);
// Every area in the comparison's order, for the filter.
std::vector<radio::DiffArea> AllAreas();

// <0, 0 or >0 as `a` sorts before, with or after `b`, runs of digits taken as numbers.
int CompareNatural(std::string_view a, std::string_view b);

class DifferenceRows {
public:
    // New differences; the filter and the sort stay.
    void Set(std::vector<radio::Difference> differences);
    // Only the differences of one area, or all of them.
    void SetFilter(std::optional<radio::DiffArea> area);
    // column < 0: the comparison's order.
    void Sort(int column, bool ascending);

    int Count() const { return static_cast<int>(shown_.size()); }
    const radio::Difference& At(int line) const { return all_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(line)])]; }
    std::string Text(int line, int column) const;
    const std::vector<radio::Difference>& All() const { return all_; }

private:
    void Arrange();

    std::vector<radio::Difference> all_;
    std::vector<int> shown_;
    std::optional<radio::DiffArea> filter_;
    int sortColumn_ = -1;
    bool ascending_ = true;
};

} // namespace transfer
