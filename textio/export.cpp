#include "textio/export.h"

// std
#include <cstdio>

// project
#include "grid/channel_columns.h"
#include "radio/channel_record.h"
#include "platform/file_io.h"
#include "radio/frequency.h"

namespace textio {
namespace {

std::string FieldText(const grid::CSpreadSheet1& grid, int col, int row)
{
    const bool ticked = grid.GetText(col, row) == "1";
    const grid::ChannelColumn* column = grid::ChannelColumnAt(col);
    switch (column != nullptr ? column->exportStyle : grid::ExportStyle::Text) {
    case grid::ExportStyle::ShowName:
        return ticked ? "Show Name" : "";
    case grid::ExportStyle::OnOff:
        return ticked ? "On" : "Off";
    case grid::ExportStyle::Text:
        break;
    }
    return grid.GetText(col, row);
}

std::string HeadingText(const grid::CSpreadSheet1& grid, int col)
{
    std::string text = grid.GetText(col, 0);
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

std::string Extension(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot + 1);
}

} // namespace

// A field that holds the separator, a double quote, CR or LF is enclosed in
// double quotes with its quotes doubled, so a comma-decimal frequency or a
// comment with a comma stays one field for spreadsheets and the import.
std::string QuotedField(const std::string& text, char separator)
{
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

char ExportSeparatorFor(const std::string& path)
{
    return Extension(path) == "tab" ? '\t' : ',';
}

RowFields ExportFields(const grid::CSpreadSheet1& grid, int row)
{
    RowFields fields;
    fields[0] = row == 0 ? std::string("Channel Number") : std::to_string(row);
    for (int col = radio::col::kReceive; col <= radio::col::kComment; ++col)
        fields[static_cast<std::size_t>(col)] = row == 0 ? HeadingText(grid, col) : FieldText(grid, col, row);
    return fields;
}

std::string BuildExportLine(const grid::CSpreadSheet1& grid, int row, char separator)
{
    const RowFields fields = ExportFields(grid, row);
    std::string line = fields[0];
    for (std::size_t k = 1; k < fields.size(); ++k) {
        line += separator;
        line += QuotedField(fields[k], separator);
    }
    line += '\n';
    return line;
}

bool IsExportedRow(const grid::CSpreadSheet1& grid, int row)
{
    return radio::ParseFrequency(grid.GetText(radio::col::kReceive, row)) > 0;
}

std::string BuildExportText(const grid::CSpreadSheet1& grid, char separator)
{
    std::string text = BuildExportLine(grid, 0, separator);
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (IsExportedRow(grid, row))
            text += BuildExportLine(grid, row, separator);
    return text;
}

bool ExportSheet(const grid::CSpreadSheet1& grid, const std::string& path, std::string& error)
{
    return WriteExportFile(BuildExportText(grid, ExportSeparatorFor(path)), path, error);
}

bool WriteExportFile(const std::string& text, const std::string& path, std::string& error)
{
    const platform::FileResult result =
        platform::ReplaceFile(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (result.ok())
        return true;
    // Failing to create the file has the long-standing wording; a failure while
    // writing (a full disk) is told the same way, and the old file is kept.
    // The file chosen follows on a line of its own, so the user knows which.
    const char* what = result.status == platform::FileResult::WriteFailed ? "written" : "opened";
    error = std::string("The data file could not be ") + what + " because of this error: " +
            result.Reason().substr(0, 255) + "\n" + path;
    return false;
}

} // namespace textio
