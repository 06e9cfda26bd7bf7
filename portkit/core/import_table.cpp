#include "portkit/core/import_table.h"

// std
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

namespace portkit {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The column every heading of the OtherProgram layout has, whatever else it holds.
constexpr std::string_view kOtherProgramFrequency = "Frequency";

// A heading another program writes for one of our column names.
struct ForeignHeading {
    std::string_view heading;
    std::string_view name;
};

constexpr std::array<ForeignHeading, 12> kOtherProgramColumns{{
    {"Location", "Channel Number"},
    {"Name", "Name"},
    {"Frequency", "Receive Frequency"},
    {"Duplex", "Offset Direction"},
    {"Offset", "Offset Frequency"},
    {"Tone", "Tone Mode"},
    {"rToneFreq", "CTCSS Tone"},
    {"DtcsCode", "DCS Code"},
    {"Mode", "Operating Mode"},
    {"TStep", "Step"},
    {"Power", "Tx Power"},
    {"Comment", "Comment"},
}};

constexpr std::array<ForeignHeading, 3> kSpreadsheetColumns{{
    {"CTCSS", "CTCSS Tone"},
    {"DCS", "DCS Code"},
    {"Tx Narrow", "Narrow"},
}};

constexpr std::string_view kChannelNumberName = "Channel Number";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the UTF-8 sequence a lead byte opens, 0 for a byte that opens none.
std::size_t SequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if (!IsContinuation(static_cast<unsigned char>(text[i + k])))
                return false;
        i += n;
    }
    return true;
}

bool StartsWithComment(const std::string& line)
{
    return !line.empty() && line.front() == '#';
}

// The foreign headings that stand for name in a file of the given layout.
template <std::size_t N>
bool IsForeignHeading(const std::array<ForeignHeading, N>& table, std::string_view cell,
                      std::string_view name)
{
    return std::any_of(table.begin(), table.end(), [&](const ForeignHeading& entry) {
        return entry.name == name && SameHeading(cell, entry.heading);
    });
}

// Past the exact pass: the name itself in another case, or a foreign heading for it.
bool Accepts(ImportLayout layout, std::string_view cell, std::string_view name)
{
    if (SameHeading(cell, name))
        return true;
    if (layout == ImportLayout::OtherProgram)
        return IsForeignHeading(kOtherProgramColumns, cell, name);
    return IsForeignHeading(kSpreadsheetColumns, cell, name);
}

// The first free column from the left whose heading is name (exact) or stands for it.
std::size_t FindHeading(const std::vector<std::string>& heading, const HeaderMatch& match,
                        std::string_view name, bool exact)
{
    for (std::size_t col = 0; col < heading.size(); ++col) {
        if (match.assignment[col] != 0)
            continue;
        if (exact ? heading[col] == name : Accepts(match.layout, heading[col], name))
            return col;
    }
    return heading.size();
}

bool UsesSpreadsheetName(const std::vector<std::string>& heading, const std::vector<int>& assignment,
                         const std::vector<std::string>& names)
{
    for (std::size_t col = 0; col < assignment.size(); ++col) {
        const int a = assignment[col];
        if (a != 0 && IsForeignHeading(kSpreadsheetColumns, heading[col], names[a - 1]))
            return true;
    }
    return false;
}

// The spreadsheet programs write the channel number under an empty first heading.
void AssignEmptyFirstHeading(const std::vector<std::string>& heading, HeaderMatch& match,
                             const std::vector<std::string>& names)
{
    if (heading.empty() || !heading.front().empty() || match.assignment.front() != 0)
        return;
    const auto it = std::find(names.begin(), names.end(), kChannelNumberName);
    if (it == names.end())
        return;
    const int index = static_cast<int>(it - names.begin()) + 1;
    if (std::find(match.assignment.begin(), match.assignment.end(), index) != match.assignment.end())
        return;
    match.assignment.front() = index;
    match.layout = ImportLayout::Spreadsheet;
}

constexpr std::array<char, 3> kSniffedDelimiters{'\t', ';', ','};
constexpr std::size_t kSniffedLines = 20; // how far down a heading is looked for
constexpr int kHeadingNamesNeeded = 2;

bool IsOtherProgramCells(const std::vector<std::string>& cells)
{
    return std::any_of(cells.begin(), cells.end(),
                       [](const std::string& cell) { return SameHeading(cell, kOtherProgramFrequency); });
}

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

SplitOptions QuotedSplit(char delimiter) { return SplitOptions{delimiter, false, true, '"'}; }

// Whether a field of some line opens with a double quote.
bool HasQuotedField(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == '"' && (i == 0 || line[i - 1] == '\t' || line[i - 1] == ';' || line[i - 1] == ','))
                return true;
    return false;
}

// How many of `names` a line names when split with `split`.
int NamesInLine(const std::string& line, const SplitOptions& split, const std::vector<std::string>& names)
{
    ImportTable table;
    table.rows.push_back(SplitLine(line, split));
    table.columns = table.rows.front().size();
    const std::vector<int> assignment = DetectHeader(table, names).assignment;
    return static_cast<int>(std::count_if(assignment.begin(), assignment.end(), [](int a) { return a != 0; }));
}

} // namespace

bool SameHeading(std::string_view cell, std::string_view name)
{
    cell = TrimBlanks(cell);
    return cell.size() == name.size() && std::equal(cell.begin(), cell.end(), name.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

bool IsOtherProgramHeading(std::string_view line)
{
    return std::any_of(kSniffedDelimiters.begin(), kSniffedDelimiters.end(),
                       [line](char c) { return IsOtherProgramCells(SplitLine(line, QuotedSplit(c))); });
}

SniffedFile SniffImportFile(const std::vector<std::string>& lines, const std::vector<std::string>& names)
{
    SniffedFile sniffed;
    sniffed.split.useQualifier = HasQuotedField(lines);
    sniffed.split.qualifier = '"';
    sniffed.heading = lines.size();
    for (std::size_t i = 0; i < lines.size() && i < kSniffedLines; ++i) {
        int best = kHeadingNamesNeeded - 1;
        for (const char c : kSniffedDelimiters) {
            SplitOptions split = sniffed.split;
            split.delimiter = c;
            const int named = IsOtherProgramCells(SplitLine(lines[i], split))
                                  ? static_cast<int>(kOtherProgramColumns.size())
                                  : NamesInLine(lines[i], split, names);
            if (named > best) {
                best = named;
                sniffed.split.delimiter = c;
                sniffed.heading = i;
            }
        }
        if (sniffed.Found(lines))
            return sniffed;
    }
    sniffed.split.delimiter = '\t';
    return sniffed;
}

std::vector<std::string> SplitImportLines(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            lines.emplace_back(line);
    }
    const auto leading = lines.begin() + static_cast<long>(std::min(lines.size(), kSniffedLines));
    if (std::any_of(lines.begin(), leading, [](const std::string& line) { return IsOtherProgramHeading(line); }))
        lines.erase(std::remove_if(lines.begin(), lines.end(), StartsWithComment), lines.end());
    return lines;
}

bool ReadImportFile(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return false;
    lines = SplitImportLines(text);
    return true;
}

ImportTable BuildImportTable(const std::vector<std::string>& lines, std::size_t skip,
                             const SplitOptions& options)
{
    ImportTable table;
    if (skip < lines.size())
        table.rows.reserve(lines.size() - skip);
    std::string field;
    for (std::size_t i = skip; i < lines.size(); ++i) {
        std::vector<std::string> row;
        FieldSplitter splitter(lines[i], options);
        while (splitter.SplitNextField(field)) {
            if (table.widestCell.size() <= row.size())
                table.widestCell.push_back(0);
            table.widestCell[row.size()] = std::max(table.widestCell[row.size()], field.size());
            row.push_back(field);
        }
        if (row.empty())
            continue;
        table.columns = std::max(table.columns, row.size());
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool HeaderMatch::Found() const
{
    return std::any_of(assignment.begin(), assignment.end(), [](int a) { return a != 0; });
}

HeaderMatch DetectHeader(const ImportTable& table, const std::vector<std::string>& names)
{
    HeaderMatch match;
    match.assignment.assign(table.columns, 0);
    if (table.rows.empty())
        return match;
    const std::vector<std::string>& heading = table.rows.front();
    if (IsOtherProgramCells(heading))
        match.layout = ImportLayout::OtherProgram;
    for (std::size_t n = 0; n < names.size(); ++n) {
        // The name itself anywhere in the row wins over a foreign heading for it.
        for (const bool exact : {true, false}) {
            const auto col = FindHeading(heading, match, names[n], exact);
            if (col < heading.size()) {
                match.assignment[col] = static_cast<int>(n) + 1;
                break;
            }
        }
    }
    if (match.layout == ImportLayout::Plain && match.Found()) {
        if (UsesSpreadsheetName(heading, match.assignment, names))
            match.layout = ImportLayout::Spreadsheet;
        AssignEmptyFirstHeading(heading, match, names);
    }
    return match;
}

const char* CheckAssignment(const std::vector<int>& assignment)
{
    std::vector<int> used;
    for (const int a : assignment) {
        if (a == 0)
            continue;
        if (std::find(used.begin(), used.end(), a) != used.end())
            return "Columns cannot be duplicated!";
        used.push_back(a);
    }
    return used.empty() ? "No columns were identified!" : nullptr;
}

std::size_t CharacterCut(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text.size();
    std::size_t cut = max;
    if (IsUtf8(text))
        while (cut > 0 && IsContinuation(static_cast<unsigned char>(text[cut])))
            --cut;
    return cut;
}

std::size_t ImportRecordSize(const std::vector<int>& widths)
{
    std::size_t size = 0;
    for (const int w : widths)
        size += static_cast<std::size_t>(std::max(w, 0));
    return size;
}

void FillImportRecord(const std::vector<std::string>& row, const std::vector<int>& assignment,
                      const std::vector<int>& widths, char* record)
{
    std::memset(record, 0, ImportRecordSize(widths));
    std::vector<std::size_t> offsets(widths.size(), 0);
    for (std::size_t k = 1; k < widths.size(); ++k)
        offsets[k] = offsets[k - 1] + static_cast<std::size_t>(std::max(widths[k - 1], 0));
    const std::size_t cells = std::min(row.size(), assignment.size());
    for (std::size_t col = 0; col < cells; ++col) {
        const int a = assignment[col];
        if (a < 1 || a > static_cast<int>(widths.size()) || widths[a - 1] < 1)
            continue;
        const std::size_t room = static_cast<std::size_t>(widths[a - 1] - 1);
        const std::size_t n = CharacterCut(row[col], room);
        std::memcpy(record + offsets[a - 1], row[col].data(), n);
    }
}

} // namespace portkit
