#pragma once
// Export of a channel sheet as delimited text: a heading line, then one line
// per row whose receive frequency reads as more than 0 Hz. Texts are taken
// from the cells as the user sees them; check boxes are written as words.
// Fields holding the separator, a double quote, CR or LF are enclosed in
// double quotes, quotes inside doubled.

// std
#include <string>

// project
#include "grid/spreadsheet.h"
#include "textio/import_columns.h"

namespace textio {

// Tab when the file name's extension is exactly "tab", else comma.
char ExportSeparatorFor(const std::string& path);

// A field as a line carries it: enclosed in double quotes, its quotes
// doubled, when it holds the separator, a double quote, CR or LF.
std::string QuotedField(const std::string& text, char separator);

// The 36 texts of one row (row 0: the headings), in the order of the import's columns.
RowFields ExportFields(const grid::CSpreadSheet1& grid, int row);

// The line of one row (row 0: the heading line), ending in a line feed.
std::string BuildExportLine(const grid::CSpreadSheet1& grid, int row, char separator);

// Whether a row is exported: its receive frequency text parses above 0.
bool IsExportedRow(const grid::CSpreadSheet1& grid, int row);

// The whole file: the heading line and every exported row.
std::string BuildExportText(const grid::CSpreadSheet1& grid, char separator);

// Writes the export file for `grid` to `path` (separator chosen by the
// extension). The file is written whole or not at all. On failure returns
// false with the message to show (caption kExportErrorCaption) in `error`.
bool ExportSheet(const grid::CSpreadSheet1& grid, const std::string& path, std::string& error);

// Writes an export text to `path` whole or not at all, with ExportSheet's messages.
bool WriteExportFile(const std::string& text, const std::string& path, std::string& error);

inline constexpr const char* kExportErrorCaption = "Export Error";

} // namespace textio
