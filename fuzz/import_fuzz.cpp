// Fuzz target for the import as the wizard runs it: the text and the
// wizard's choices both come from the input. The first six bytes choose the
// delimiter, the qualifier, consecutive delimiters, the rows skipped, the
// start channel, overwrite and one column assignment; the rest is the file.
// The text is split into lines and fields, the heading looked for, each row
// filled into the record handed over and converted into a channel. Every row
// must be placed or dropped for a reason.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// project
#include "portkit/core/import_split.h"
#include "portkit/core/import_table.h"
#include "radio/main_doc.h"
#include "textio/import_columns.h"
#include "textio/import_rows.h"

namespace {

constexpr std::size_t kChoiceBytes = 6;
constexpr char kDelimiters[] = {'\t', ',', ';', ' ', '|', '\0'};
constexpr char kQualifiers[] = {'"', '\''};

const std::vector<std::string>& Names()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const textio::ImportColumn& column : textio::kImportColumns)
            list.emplace_back(column.name);
        return list;
    }();
    return names;
}

const std::vector<int>& Widths()
{
    static const std::vector<int> widths = [] {
        std::vector<int> list;
        for (const textio::ImportColumn& column : textio::kImportColumns)
            list.push_back(column.width);
        return list;
    }();
    return widths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kChoiceBytes)
        return 0;
    portkit::SplitOptions split;
    split.delimiter = kDelimiters[data[0] % sizeof kDelimiters];
    split.useQualifier = (data[1] & 1) != 0;
    split.qualifier = kQualifiers[(data[1] >> 1) & 1];
    split.consecutive = (data[1] & 4) != 0;
    const bool overwrite = (data[1] & 8) != 0;
    const std::size_t skip = data[2] % 8;
    const int start = 1 + (data[3] | (data[4] << 8)) % radio::kChannelCount;

    const std::string_view text(reinterpret_cast<const char*>(data + kChoiceBytes), size - kChoiceBytes);
    const std::vector<std::string> lines = portkit::SplitImportLines(text);
    const portkit::ImportTable table = portkit::BuildImportTable(lines, skip, split);
    for (const auto& row : table.rows)
        if (row.size() > table.columns)
            std::abort();

    const portkit::HeaderMatch header = portkit::DetectHeader(table, Names());
    std::vector<int> assignment = header.assignment;
    // The user's own choice for one column, as step 3 allows.
    const std::size_t column = data[5] % 8;
    if (assignment.size() <= column)
        assignment.resize(column + 1, 0);
    assignment[column] = (data[5] >> 3) % (textio::kImportColumnCount + 1);
    if (portkit::CheckAssignment(assignment) != nullptr)
        return 0;

    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    textio::ColumnSet present;
    for (int index : assignment)
        if (index > 0)
            present.set(static_cast<std::size_t>(index - 1));
    textio::RowImporter importer(doc, present);
    std::vector<char> record(portkit::ImportRecordSize(Widths()));
    int handed = 0;
    for (std::size_t r = header.Found() ? 1 : 0; r < table.rows.size(); ++r) {
        portkit::FillImportRecord(table.rows[r], assignment, Widths(), record.data());
        importer.PlaceRecord(record.data(), start - 1 + handed++, overwrite);
    }
    const textio::ImportCounts& counts = importer.Counts();
    if (counts.placed + counts.DroppedTotal() != handed)
        std::abort();
    return 0;
}
