#pragma once
// The grid load and store of one sheet: image records to grid cells and back.

// std
#include <array>
#include <cstdint>

// project
#include "grid/spreadsheet.h"
#include "radio/radio_model.h"

namespace grid {

// A new channel's record as a sheet would fill it in.
using ChannelTemplate = std::array<std::uint8_t, radio::kChannelRecordSize>;
// Every field zero but the CTCSS tone (100.0 Hz).
ChannelTemplate DefaultTemplate();

// The settings grid of each Hyper Memory (nullptr where there is none).
using HyperGrids = std::array<CSpreadSheet1*, radio::kHyperCount>;

// What the view remembers beside the grids: the VFO page's "Select Hyper
// Memory" choice (0..4, -1 none; filled by the VFO sheet's load, written to
// the image by its store) and the new-channel template of each sheet.
struct SheetViewState {
    SheetViewState() { templates.fill(DefaultTemplate()); }
    int hyperChoice = -1;
    std::array<ChannelTemplate, radio::kSheetCount> templates;
};

// Fills the channel grid of sheet `kind` (0..7) from `image`; the Memories
// sheet also resets the per-memory cells of the Hyper Memory settings grids,
// and the Hyper Memory sheets fill their settings grid. Comments come from
// `doc`.
void LoadSheet(const radio::RadioModel& doc, const radio::RadioImage& image, CSpreadSheet1& grid, int kind,
               const HyperGrids& hyperGrids, SheetViewState& view);

// Writes the channel grid of sheet `kind` (and its settings grid) into `image`.
// Comments go to `doc`. A Memories row without a valid receive frequency
// only loses its in-use bit and its comment; a band row without one keeps
// its record. Every record is
// stored in the form the record rules give it; true when those rules changed
// something a row shows (the grids then no longer show the image).
bool StoreSheet(radio::RadioModel& doc, radio::RadioImage& image, const CSpreadSheet1& grid, int kind,
                const HyperGrids& hyperGrids, const SheetViewState& view);

} // namespace grid
