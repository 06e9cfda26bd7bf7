#include "textio/import_batch.h"

// std

// project
#include "platform/locale.h"
#include "portkit/core/import_table.h"

namespace textio {

void ImportBatch::Add(const void* record, int channelIndex, bool overwrite)
{
    rows_.push_back({FieldsFromRecord(record), channelIndex, overwrite});
}

namespace {

std::vector<std::string> ColumnNames()
{
    std::vector<std::string> names;
    for (const ImportColumn& column : kImportColumns)
        names.emplace_back(column.name);
    return names;
}

// The rows after the heading line, split as it is and read by its names, by Location.
std::map<std::string, std::vector<OtherRow>> OtherRowsAfter(const std::vector<std::string>& lines,
                                                            std::size_t heading, const portkit::SplitOptions& split)
{
    std::map<std::string, std::vector<OtherRow>> rows;
    const portkit::ImportTable table = portkit::BuildImportTable(lines, heading, split);
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        OtherRow row = OtherRowByHeading(table.rows.front(), table.rows[r]);
        rows[row[ocol::kLocation]].push_back(std::move(row));
    }
    return rows;
}

// The heading's cells that nothing reads: in other programs' layout those of
// no column of it, else those the header detection leaves on Ignore.
std::vector<std::string> UnusedColumns(const std::vector<std::string>& heading, bool otherLayout)
{
    portkit::ImportTable table;
    table.rows.push_back(heading);
    table.columns = heading.size();
    const std::vector<int> assignment = portkit::DetectHeader(table, ColumnNames()).assignment;
    std::vector<std::string> unused;
    for (std::size_t k = 0; k < heading.size(); ++k) {
        const bool used = otherLayout ? OtherColumnOf(heading[k]) >= 0 : assignment[k] != 0;
        if (!used && !heading[k].empty())
            unused.push_back(heading[k]);
    }
    return unused;
}

} // namespace

FileHeadings HeadingsOfLine(const std::string& line)
{
    return HeadingsOfLines(portkit::SplitImportLines(line));
}

FileHeadings HeadingsOfLines(const std::vector<std::string>& lines)
{
    const portkit::SniffedFile sniffed = portkit::SniffImportFile(lines, ColumnNames());
    if (!sniffed.Found(lines))
        return {};
    FileHeadings headings;
    headings.otherLayout = IsOtherHeading(lines[sniffed.heading]);
    if (headings.otherLayout)
        headings.otherRows = OtherRowsAfter(lines, sniffed.heading, sniffed.split);
    headings.unusedColumns = UnusedColumns(portkit::SplitLine(lines[sniffed.heading], sniffed.split), headings.otherLayout);
    return headings;
}

FileHeadings ReadFileHeadings(const std::string& path)
{
    std::vector<std::string> lines;
    return portkit::ReadImportFile(path, lines) ? HeadingsOfLines(lines) : FileHeadings();
}

std::map<std::string, std::vector<OtherRow>> OtherRowsByLocation(const std::vector<std::string>& lines)
{
    return HeadingsOfLines(lines).otherRows;
}

namespace {

// The one file row with the row's Location whose Frequency the wizard's cell
// begins with (the cell may be cut short), or nullptr.
const OtherRow* FileRowOf(const OtherRow& row, const FileHeadings& headings)
{
    const auto found = headings.otherRows.find(row[ocol::kLocation]);
    if (found == headings.otherRows.end())
        return nullptr;
    const std::string& frequency = row[ocol::kFrequency];
    const OtherRow* match = nullptr;
    for (const OtherRow& candidate : found->second) {
        const std::string& fileFrequency = candidate[ocol::kFrequency];
        if (fileFrequency.rfind(frequency, 0) != 0 || frequency.empty() != fileFrequency.empty())
            continue;
        if (match != nullptr)
            return nullptr; // two rows alike: neither can be told to be this one
        match = &candidate;
    }
    return match;
}

// The wizard's row, completed from its file row.
ConvertedRow ConvertOtherSlots(const RowFields& slots, const FileHeadings& headings)
{
    OtherRow row = OtherRowFromSlots(slots);
    const OtherRow* fileRow = FileRowOf(row, headings);
    if (fileRow == nullptr) {
        ConvertedRow converted = FromOtherRow(row);
        converted.extras.scan = -1; // no Skip column to go by
        return converted;
    }
    for (const int column : {ocol::kCToneFreq, ocol::kDtcsPolarity, ocol::kRxDtcsCode, ocol::kCrossMode, ocol::kSkip})
        row[static_cast<std::size_t>(column)] = (*fileRow)[static_cast<std::size_t>(column)];
    return FromOtherRow(row);
}

} // namespace

ImportCounts PlaceBatch(radio::RadioModel& model, const ImportBatch& batch, const FileHeadings& headings)
{
    RowImporter importer(model, headings.otherLayout ? ColumnSet() : batch.Columns());
    for (const ImportBatch::Row& row : batch.Rows()) {
        if (!headings.otherLayout) {
            importer.PlaceRow(row.fields, row.channelIndex, row.overwrite);
            continue;
        }
        const ConvertedRow converted = ConvertOtherSlots(row.fields, headings);
        importer.PlaceRow(converted.fields, row.channelIndex, row.overwrite, converted.extras);
    }
    ImportCounts counts = importer.Counts();
    counts.unusedColumns = headings.unusedColumns;
    return counts;
}

ImportCounts CountBatch(const radio::RadioImage& image, const ImportBatch& batch, const FileHeadings& headings)
{
    ScratchModel scratch(image);
    return PlaceBatch(scratch, batch, headings);
}

std::string ImportStepLabel(int placed)
{
    return "Import of " + std::to_string(placed) + (placed == 1 ? " Channel" : " Channels");
}

} // namespace textio
