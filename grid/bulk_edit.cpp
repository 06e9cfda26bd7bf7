// Fill, find, and the command line's names of columns and channels.

// own
#include "grid/bulk_edit.h"

// std
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

// project
#include "grid/cell_rules.h"
#include "grid/channel_rules.h"
#include "grid/document_controller.h"
#include "grid/sheet_setup.h"
#include "radio/channel_record.h"

namespace grid {
namespace {

namespace col = radio::col;

// A fill report lists at most this many rows for one reason.
constexpr std::size_t kListedRows = 12;

// The columns a search looks at, in the order it looks.
constexpr std::array<int, 4> kFindCols = {col::kReceive, col::kTransmit, col::kName, col::kComment};

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Lower case without spaces: how a command line may write a column's name.
std::string Folded(std::string_view text)
{
    std::string folded;
    for (char c : text)
        if (c != ' ' && c != '\n')
            folded += Lower(c);
    return folded;
}

bool ContainsFolded(std::string_view haystack, std::string_view lowerNeedle)
{
    return std::search(haystack.begin(), haystack.end(), lowerNeedle.begin(), lowerNeedle.end(),
                       [](char a, char b) { return Lower(a) == b; }) != haystack.end();
}

bool HoldsChannel(const CSpreadSheet1& grid, int row)
{
    return !grid.GetText(col::kReceive, row).empty();
}

// A rule's message as the reason in a fill report: "not a valid receive
// frequency", "not between 200 MHz and 300 MHz".
std::string ReasonText(const std::string& message)
{
    constexpr std::string_view kPlease = "Please enter a ";
    constexpr std::string_view kEnter = "Enter a frequency ";
    if (message.starts_with(kPlease))
        return "not a " + message.substr(kPlease.size());
    if (message.starts_with(kEnter))
        return "not " + message.substr(kEnter.size());
    std::string reason = message;
    if (!reason.empty())
        reason[0] = Lower(reason[0]);
    return reason;
}

int ParseRow(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

} // namespace

// --- Fill

FillResult FillRows(CellRules& cells, DocumentController& controller, int sheet, int col, int first, int last,
                    const std::string& text)
{
    FillResult result;
    const CSpreadSheet1& grid = controller.Grid(sheet);
    first = std::max(first, 1);
    last = std::min(last, grid.RowCount());
    for (int row = first; row <= last; ++row) {
        if (!HoldsChannel(grid, row))
            continue;
        std::string refusal = cells.TypeValue(sheet, col, row, text);
        if (refusal.empty())
            ++result.filled;
        else
            result.refused.push_back({row, ReasonText(refusal)});
    }
    return result;
}

std::string RowName(int sheet, int row)
{
    return std::string(sheet == radio::kSheetMemories ? "Memory" : SheetName(sheet)) + " " + RowLabel(sheet, row);
}

std::string FillReport(int sheet, const FillResult& result)
{
    std::string report = "Filled " + std::to_string(result.filled) + (result.filled == 1 ? " row" : " rows");
    if (result.refused.empty())
        return report;
    report += "; " + std::to_string(result.refused.size()) + " refused (";
    // One group per reason, in the order the rows met them.
    std::vector<std::string> reasons;
    for (const RefusedRow& refused : result.refused)
        if (std::find(reasons.begin(), reasons.end(), refused.reason) == reasons.end())
            reasons.push_back(refused.reason);
    for (std::size_t r = 0; r < reasons.size(); ++r) {
        std::size_t listed = 0;
        std::size_t more = 0;
        for (const RefusedRow& refused : result.refused) {
            if (refused.reason != reasons[r])
                continue;
            if (listed == kListedRows) {
                ++more;
                continue;
            }
            report += listed == 0 ? RowName(sheet, refused.row) : ", " + RowLabel(sheet, refused.row);
            ++listed;
        }
        if (more > 0)
            report += " and " + std::to_string(more) + " more";
        report += ": " + reasons[r] + (r + 1 < reasons.size() ? "; " : ")");
    }
    return report;
}

// --- Names

std::string ColumnName(const CSpreadSheet1& grid, int c)
{
    std::string name = grid.GetText(c, 0);
    std::replace(name.begin(), name.end(), '\n', ' ');
    return name;
}

int ColumnByName(const CSpreadSheet1& grid, std::string_view name)
{
    const std::string wanted = Folded(name);
    if (wanted.empty())
        return 0;
    int found = 0;
    int starts = 0;
    for (int c = 1; c <= col::kCount; ++c) {
        const std::string header = Folded(grid.GetText(c, 0));
        if (header == wanted)
            return c;
        if (header.starts_with(wanted)) {
            found = c;
            ++starts;
        }
    }
    return starts == 1 ? found : 0;
}

std::optional<RowRange> ParseMemoryRange(std::string_view text)
{
    if (text == "all")
        return RowRange{1, radio::kChannelCount};
    const std::size_t dash = text.find('-');
    const int first = ParseRow(text.substr(0, dash));
    const int last = dash == std::string_view::npos ? first : ParseRow(text.substr(dash + 1));
    if (first < 1 || last < first || last > radio::kChannelCount)
        return std::nullopt;
    return RowRange{first, last};
}

int RowOfChannel(std::string_view name)
{
    for (int row = 1; row <= radio::kChannelCount; ++row) {
        const std::string label = RowLabel(radio::kSheetMemories, row);
        if (label.size() == name.size() && std::equal(label.begin(), label.end(), name.begin(),
                                                      [](char a, char b) { return a == std::toupper(static_cast<unsigned char>(b)); }))
            return row;
    }
    return 0;
}

// --- Find

std::vector<int> FindSheets()
{
    std::vector<int> sheets;
    for (int sheet = 0; sheet < kSheetCount; ++sheet)
        if (rules::IsEditableSheet(sheet))
            sheets.push_back(sheet);
    return sheets;
}

std::optional<FindSpot> FindNext(DocumentController& controller, std::string_view text, const FindSpot& from,
                                 bool forward, bool allSheets)
{
    const std::string needle = [&] {
        std::string lower(text);
        std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
        return lower;
    }();
    if (needle.empty())
        return std::nullopt;
    const std::vector<int> sheets = allSheets ? FindSheets() : std::vector<int>{from.sheet};
    // Every searched cell has a place on one line through the sheets, rows
    // and columns; the search walks that line round from `from`'s place.
    std::vector<int> firstCell; // place of each sheet's first cell
    int total = 0;
    for (int sheet : sheets) {
        firstCell.push_back(total);
        total += controller.Grid(sheet).RowCount() * static_cast<int>(kFindCols.size());
    }
    const auto sheetAt = std::find(sheets.begin(), sheets.end(), from.sheet);
    const int cols = static_cast<int>(kFindCols.size());
    // `from`'s place: at its column, or between the columns searched.
    const int colPlace = static_cast<int>(std::lower_bound(kFindCols.begin(), kFindCols.end(), from.col) - kFindCols.begin());
    const bool onCell = colPlace < cols && kFindCols[static_cast<std::size_t>(colPlace)] == from.col;
    const int place = sheetAt == sheets.end() ? 0
                                              : firstCell[static_cast<std::size_t>(sheetAt - sheets.begin())] +
                                                    (std::max(from.row, 1) - 1) * cols + colPlace;
    // Going forward from a gap, the cell at `place` is already the next one.
    const int start = forward && !onCell ? place - 1 : place;
    for (int step = 1; step <= total; ++step) {
        int at = forward ? start + step : start - step;
        at = ((at % total) + total) % total;
        const std::size_t s = static_cast<std::size_t>(std::upper_bound(firstCell.begin(), firstCell.end(), at) -
                                                        firstCell.begin() - 1);
        const int inSheet = at - firstCell[s];
        const int row = inSheet / cols + 1;
        const int c = kFindCols[static_cast<std::size_t>(inSheet % cols)];
        const CSpreadSheet1& grid = controller.Grid(sheets[s]);
        if (HoldsChannel(grid, row) && ContainsFolded(grid.GetText(c, row), needle))
            return FindSpot{sheets[s], row, c};
    }
    return std::nullopt;
}

} // namespace grid
