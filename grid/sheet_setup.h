#pragma once
// The setup every grid receives once, before the first grid load: sizes,
// headers, row labels, cell kinds and lists, widths, locks and greys, and
// the stored column options (frozen and hidden columns).

// std
#include <cstdint>
#include <string>
#include <string_view>

// project
#include "grid/spreadsheet.h"

namespace grid {

inline constexpr std::uint32_t kLockedGrey = 0xE0E0E0; // cells that never take a value
inline constexpr int kChannelHeaderCol = 0;

// One list object per distinct text for the whole program, so every grid
// and every open document shares it.
ListPtr SharedList(std::string_view tabSeparated);

// Header text of channel column 1..35 ("Receive\nFrequency" ... "Comment").
const std::string& ChannelHeader(int col);
// Row label of a channel sheet: "1".."1000", "L1", "U1".."U50" on Memories,
// the band labels "144".."850" elsewhere.
std::string RowLabel(int sheet, int row);

// The channel grid of a sheet (0..7): rows, 35 columns, headers, labels,
// kinds, lists, widths, bank greys, and the stored column options.
// `separator` is the decimal separator of the CTCSS list.
void SetupChannelGrid(CSpreadSheet1& grid, int sheet, char separator);

// A Hyper Memory settings grid, with every region, label and list.
void SetupHyperGrid(CSpreadSheet1& grid);

// The column options kept under the settings key.
struct ColumnOptions {
    std::uint32_t columns = 0;  // bit k: column k + 2 hidden (columns 2..31)
    std::uint32_t columns1 = 0; // bit k: column k + 32 hidden (columns 32..35)
    int freeze = 1;             // leading data columns kept frozen
};
// Missing values read as 0, a missing or non-positive "Freeze" as 1.
ColumnOptions ReadColumnOptions();
// Hides and freezes columns of a sheet's channel grid. Whatever the options
// say, Home never shows banks and comment, VFO and the Hyper Memories never
// show name, show-name, banks and comment.
void ApplyColumnOptions(CSpreadSheet1& grid, int sheet, const ColumnOptions& options);

} // namespace grid
