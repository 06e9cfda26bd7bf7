#pragma once
// The import wizard's data, without any window: the file's lines, the table of
// fields built from them, the header detection and the row record handed to
// the caller's callback. The command line uses the same functions.
//
// Typical use:
//   std::vector<std::string> lines;
//   if (!ReadImportFile(path, lines)) ...;            // cannot be opened
//   SplitOptions split = SniffImportFile(lines, names).split; // or chosen
//   ImportTable table = BuildImportTable(lines, skip, split);
//   HeaderMatch header = DetectHeader(table, names);  // names: the caller's columns
//   if (header.Found()) ++skip;                       // the heading row is not imported
//   for each row r from header.Found() ? 1 : 0:
//       FillImportRecord(table.rows[r], header.assignment, widths, record);
//
// Foreign layouts. DetectHeader also knows two layouts written by other
// programs and hands them over as pre-assigned columns plus a layout id:
//  - ImportLayout::OtherProgram: a first row with a "Frequency" cell, its other
//    cells any of Location,Name,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//    DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment (and
//    columns it has no use for, such as URCALL), in any order and any case.
//    Its columns are assigned to the caller's names by
//    meaning: Location "Channel Number", Name "Name", Frequency "Receive
//    Frequency", Duplex "Offset Direction", Offset "Offset Frequency", Tone
//    "Tone Mode", rToneFreq "CTCSS Tone", DtcsCode "DCS Code", Mode "Operating
//    Mode", TStep "Step", Power "Tx Power", Comment "Comment". cToneFreq,
//    DtcsPolarity, RxDtcsCode, CrossMode and Skip stay on Ignore unless a
//    caller name equals them. The cells stay as the file wrote them (MHz, "+",
//    "split", "TSQL", "NFM", watts...), so the caller converts them knowing the
//    layout (IsOtherProgramHeading on the file's first line tells it).
//  - ImportLayout::Spreadsheet: a first row whose first cell is empty while
//    other cells match; the empty heading is "Channel Number", and "CTCSS",
//    "DCS" and "Tx Narrow" are taken for "CTCSS Tone", "DCS Code" and "Narrow".
// Such files may start with a UTF-8 byte-order mark (ReadImportFile drops it)
// and the OtherProgram layout may carry '#' comment lines (dropped when that
// heading is among the file's first 20 lines).

// own
#include "portkit/core/import_split.h"

// std
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace portkit {

// The non-empty lines of a text, in order. A line ends at a line feed; a
// carriage return before it is dropped. A leading UTF-8 byte-order mark is
// dropped; so are '#' lines of a file in the OtherProgram layout.
std::vector<std::string> SplitImportLines(std::string_view text);

// Reads path and splits it as SplitImportLines; false when it cannot be read.
bool ReadImportFile(const std::string& path, std::vector<std::string>& lines);

// True when line is an OtherProgram heading: split at commas, semicolons or
// tabs (double quotes as qualifier), one of its cells is "Frequency".
bool IsOtherProgramHeading(std::string_view line);

// The fields of the lines from skip on. A line that gives no field at all
// (nothing but delimiters with consecutive on) is left out, so it can never
// reach the callback.
struct ImportTable {
    std::vector<std::vector<std::string>> rows;
    std::size_t columns = 0;             // the largest field count of any row
    std::vector<std::size_t> widestCell; // per column, the longest cell in characters
};
ImportTable BuildImportTable(const std::vector<std::string>& lines, std::size_t skip,
                             const SplitOptions& options);

enum class ImportLayout { Plain, OtherProgram, Spreadsheet };

struct HeaderMatch {
    ImportLayout layout = ImportLayout::Plain;
    // One entry per table column: 0 = Ignore, k = the k-th caller name (1-based).
    std::vector<int> assignment;
    bool Found() const;
};

// Whether a heading cell names a column: the same letters in any case, blanks
// around the cell left out.
bool SameHeading(std::string_view cell, std::string_view name);

// Matches the first row of table against names: for each name in order, the
// first cell from the left that equals it (exactly, case and all), else the
// first that names it in another case or by one of its foreign headings, and
// is not taken yet. Nothing found when the table is empty.
HeaderMatch DetectHeader(const ImportTable& table, const std::vector<std::string>& names);

// The split settings a file suggests, and its heading line. The qualifier is
// the double quote when some field of the file opens with one. The heading is
// the first of the leading lines that names at least two of `names` (or is
// the OtherProgram heading) when split at tabs, semicolons or commas, and the
// delimiter is the one that finds the most names there. A file without such a
// line is split at tabs.
struct SniffedFile {
    SplitOptions split;
    std::size_t heading = 0; // index of the heading line; lines.size() when none
    bool Found(const std::vector<std::string>& lines) const { return heading < lines.size(); }
};
SniffedFile SniffImportFile(const std::vector<std::string>& lines, const std::vector<std::string>& names);

// The assignment text problem of step 3, or nullptr when the assignment is
// usable: "No columns were identified!" or "Columns cannot be duplicated!".
const char* CheckAssignment(const std::vector<int>& assignment);

// How many bytes of text fit in max bytes without cutting a character in two:
// a text that is valid UTF-8 is cut before the lead byte of a character that
// does not fit whole; any other text is 8-bit, one character a byte.
std::size_t CharacterCut(std::string_view text, std::size_t max);

// Sum of the widths (negative widths count as 0): the size of one record.
std::size_t ImportRecordSize(const std::vector<int>& widths);

// Writes one row into record (ImportRecordSize bytes): zeroes it, then for each
// column whose assignment a is not 0, copies the cell into slot a (1-based;
// slots back to back in the names' order) cut to widths[a-1] - 1 bytes (never
// inside a character, see CharacterCut), followed
// by zero bytes. Assignments outside 1..widths.size() are ignored.
void FillImportRecord(const std::vector<std::string>& row, const std::vector<int>& assignment,
                      const std::vector<int>& widths, char* record);

} // namespace portkit
