#pragma once
// Editing many channels at once: a value filled into one column of many rows
// (each row takes it as if typed there, through the cell rules), the search
// for a channel by name, frequency text or comment, and the names a command
// line gives columns and memory channels by. The program's Edit menu and
// ostrel-cli's "set" run this same code.

// std
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

class CSpreadSheet1;
class CellRules;
class DocumentController;

// A row a fill left as it was, and the rule's message why.
struct RefusedRow {
    int row = 0;
    std::string reason;
};

struct FillResult {
    int filled = 0;
    std::vector<RefusedRow> refused;
};

// Writes `text` into column `col` of every row first..last of `sheet` that
// holds a channel, each as typed there (CellRules::TypeValue); rows without
// a channel are passed over, rows that refuse the value are counted.
FillResult FillRows(CellRules& cells, DocumentController& controller, int sheet, int col, int first, int last,
                    const std::string& text);

// "Filled 37 rows; 3 refused (Memory 12, 40, 41: not a valid receive frequency)".
std::string FillReport(int sheet, const FillResult& result);

// The name of a row in messages: "Memory 12", "Memory L1", "Home 430".
std::string RowName(int sheet, int row);

// A column's header on one line: "Tone Mode".
std::string ColumnName(const CSpreadSheet1& grid, int col);

// The column a name stands for: a header without regard to case and spaces
// ("tonemode", "Bank 3"), or the start of exactly one ("rec", "ctcss");
// 0 when none or several.
int ColumnByName(const CSpreadSheet1& grid, std::string_view name);

// Memories rows as a command line names them: "12", "10-40" or "all"
// (rows 1..1100, the scan limits included).
struct RowRange {
    int first = 0;
    int last = 0;
};
std::optional<RowRange> ParseMemoryRange(std::string_view text);

// The Memories row of a channel as the user names it: "12", "L3", "U50";
// 0 when there is none.
int RowOfChannel(std::string_view name);

// --- Find

struct FindSpot {
    int sheet = 0;
    int row = 0;
    int col = 0;
};

// The sheets a search goes through: the editable ones (never the VFO mirror).
std::vector<int> FindSheets();

// The cell after (or before) `from` whose name, receive or transmit
// frequency text or comment contains `text`, without regard to case,
// wrapping round at the end; on `from`'s sheet only, or on every sheet but
// the VFO mirror. The cell `from` itself is found last. Nothing when no cell
// matches or the text is empty.
std::optional<FindSpot> FindNext(DocumentController& controller, std::string_view text, const FindSpot& from,
                                 bool forward, bool allSheets);

} // namespace grid
