#pragma once
// Rows that another program put on the clipboard as text, read the way the
// export writes them: tab-separated fields in the import's column order,
// with or without the heading line. A field may be enclosed in double quotes
// (then it may hold tabs and line breaks; a doubled quote stands for one).
// The rows go through the import's row conversion onto the Memories
// records, overwriting from a chosen channel on, one after another.

// std
#include <string>
#include <string_view>
#include <vector>

// project
#include "radio/radio_model.h"
#include "textio/import_columns.h"

namespace textio {

struct PastedRows {
    std::vector<RowFields> rows; // rows with at least one field; no heading
    int beyond = 0;              // rows past the channel count: counted, not kept
    ColumnSet present;           // the columns the text feeds
    bool heading = false;        // the text started with a heading line
};

// Reads the clipboard text. With a heading line (a first line naming at
// least two of the import's columns) each field goes to the column its
// heading names and fields under other headings are ignored; without one
// the fields are taken in the import's column order. Lines with no field at
// all are skipped.
PastedRows ReadPastedRows(std::string_view text);

struct PasteCounts {
    int placed = 0;
    int dropped = 0;
};

// Places the rows on the Memories records `first`, `first` + 1, ... (0-based)
// up to `last`, overwriting. A row's own channel number is not used. A row
// the conversion refuses takes no channel; rows past `last` are dropped.
PasteCounts PlacePastedRows(radio::RadioModel& model, const PastedRows& rows, int first, int last);
// What PlacePastedRows would do to `image`, without touching it.
PasteCounts CountPastedRows(const radio::RadioImage& image, const PastedRows& rows, int first, int last);

// The status bar's report: "Paste of 3 Channels" and, when rows were
// dropped, ", 2 rows dropped".
std::string PasteStatusText(const PasteCounts& counts);

} // namespace textio
