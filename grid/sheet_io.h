#pragma once
// The grid load and store of one sheet: image records to grid cells and back.

// project
#include "grid/spreadsheet.h"
#include "radio/radio_model.h"

namespace grid {

// Fills the channel grid of sheet `kind` (0..7) from `image`; the Memories
// sheet also resets the per-memory cells of the Hyper Memory settings grids,
// and the Hyper Memory sheets fill their settings grid.
void LoadSheet(radio::RadioModel& model, radio::RadioImage& image, CSpreadSheet1& grid, int kind);

// Writes the channel grid of sheet `kind` (and its settings grid) into `image`.
// Comments go to the model. A row without a valid receive frequency only loses
// its in-use bit.
void StoreSheet(radio::RadioModel& model, radio::RadioImage& image, CSpreadSheet1& grid, int kind);

} // namespace grid
