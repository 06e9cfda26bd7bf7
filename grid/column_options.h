#pragma once
// The stored column options as the Options dialog sees them: which channel
// columns are hidden and how many stay frozen, written back under the
// settings key and applied to every sheet of a view.

// project
#include "grid/sheet_setup.h"

namespace grid {

class DocumentController;

inline constexpr int kFreezeMin = 1;
inline constexpr int kFreezeMax = 4;
// Columns with a box in the dialog: 2..34 (receive frequency and comment have none).
inline constexpr int kFirstOptionColumn = 2;
inline constexpr int kLastOptionColumn = 34;

// Whether the options hide column `col` (2..35), and setting it.
bool HiddenByOptions(const ColumnOptions& options, int col);
void SetHiddenByOptions(ColumnOptions& options, int col, bool hidden);

// The options as stored, missing values as 0 (the dialog's reading).
ColumnOptions ReadStoredOptions();
// Writes "Columns", "Columns1" and "Freeze".
void WriteColumnOptions(const ColumnOptions& options);

// Applies the stored options to the grid of every sheet; the bank layout of
// the Memories sheet stays as it was.
void ApplyColumnOptionsToBook(DocumentController& controller);

// The label of a column's box: its header on one line ("Transmit Frequency").
std::string OptionLabel(int col);

} // namespace grid
