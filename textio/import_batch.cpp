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

// The rows after the heading line, split as it is, by Location.
std::map<std::string, OtherRow> OtherRowsAfter(const std::vector<std::string>& lines, std::size_t heading,
                                               const portkit::SplitOptions& split)
{
    std::map<std::string, OtherRow> rows;
    const portkit::ImportTable table = portkit::BuildImportTable(lines, heading + 1, split);
    std::vector<std::string> repeated;
    for (const std::vector<std::string>& cells : table.rows) {
        OtherRow row;
        for (std::size_t k = 0; k < row.size() && k < cells.size(); ++k)
            row[k] = cells[k];
        const std::string& location = row[ocol::kLocation];
        if (!rows.emplace(location, row).second)
            repeated.push_back(location);
    }
    for (const std::string& location : repeated)
        rows.erase(location);
    return rows;
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
    return headings;
}

FileHeadings ReadFileHeadings(const std::string& path)
{
    std::vector<std::string> lines;
    return portkit::ReadImportFile(path, lines) ? HeadingsOfLines(lines) : FileHeadings();
}

std::map<std::string, OtherRow> OtherRowsByLocation(const std::vector<std::string>& lines)
{
    return HeadingsOfLines(lines).otherRows;
}

namespace {

// The wizard's row, completed from the file row with the same Location when
// that row also has the same Frequency (the wizard's cell may be cut short).
ConvertedRow ConvertOtherSlots(const RowFields& slots, const FileHeadings& headings)
{
    OtherRow row = OtherRowFromSlots(slots);
    const auto found = headings.otherRows.find(row[ocol::kLocation]);
    const std::string& slotFrequency = row[ocol::kFrequency];
    if (found == headings.otherRows.end() || found->second[ocol::kFrequency].rfind(slotFrequency, 0) != 0 ||
        slotFrequency.empty() != found->second[ocol::kFrequency].empty()) {
        ConvertedRow converted = FromOtherRow(row);
        converted.extras.scan = -1; // no Skip column to go by
        return converted;
    }
    for (const int column : {ocol::kCToneFreq, ocol::kDtcsPolarity, ocol::kRxDtcsCode, ocol::kCrossMode, ocol::kSkip})
        row[static_cast<std::size_t>(column)] = found->second[static_cast<std::size_t>(column)];
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
    return importer.Counts();
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
