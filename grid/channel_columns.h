#pragma once
// The channel column table: every column of a channel sheet with its header,
// cell kind, list, record field, how the grid store writes it, whether the
// new-channel template takes it, and how the export writes it. The sheet
// setup, the grid load and store, the template refresh and the export are
// all driven by this one table.

// std
#include <span>

// project
#include "grid/spreadsheet.h"
#include "radio/channel_record.h"

namespace grid {

// Where a column's list comes from.
enum class ColumnItems { None, Fixed, Ctcss, Dcs };

// How the grid load and store move a column between cell and record.
enum class ColumnRule {
    Receive,   // the frequency text; decides whether the row is stored at all
    Transmit,  // frequency text, worked out from direction and offset on load
    Offset,    // offset text (list entry or digits)
    Direction, // list index <-> direction code
    Mode,      // list index <-> mode bit, by the receive frequency's list
    Step,      // list index <-> step code, by the receive frequency's list
    Index,     // list index stored as it is (positions above storeLimit store 0)
    Check,     // check box <-> one record bit
    Name,      // name record codes and the has-name flag
    ShowName,  // name record show-name flag
    Bank,      // bank membership bit (Memories rows 1..1000)
    Comment,   // the document's comment table
};

// How the export writes a cell.
enum class ExportStyle {
    Text,     // the cell text as it stands
    ShowName, // "Show Name" when ticked, else an empty field
    OnOff,    // "On" when ticked, else "Off"
};

struct ChannelColumn {
    int col;
    const char* header; // "\n" between the two words of a heading
    CellKind kind;
    ColumnItems items;
    const char* fixed;  // the list text when items is Fixed
    int decimals;
    int maxLength;
    bool upper;
    int width;          // twips; 0 keeps the default width
    ColumnRule rule;
    radio::ChannelField field; // the record field (Receive for columns without one)
    int storeLimit;     // Index: highest position stored
    bool inTemplate;    // the new-channel template takes this column's choice
    ExportStyle exportStyle;
};

// Columns 1..14 and 35, in column order; the twenty bank columns (15..34)
// follow one rule, see BankColumn().
std::span<const ChannelColumn> ChannelColumns();
// The entry of a bank column (header "Bank\n<n>" built by the caller).
const ChannelColumn& BankColumn();
// The entry of any column 1..35, nullptr for others.
const ChannelColumn* ChannelColumnAt(int col);

} // namespace grid
