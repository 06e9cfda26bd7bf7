#include "textio/import_batch.h"

// std
#include <fstream>

// project
#include "platform/locale.h"
#include "portkit/core/import_table.h"

namespace textio {

void ImportBatch::Add(const void* record, int channelIndex, bool overwrite)
{
    rows_.push_back({FieldsFromRecord(record), channelIndex, overwrite});
}

FileHeadings HeadingsOfLine(std::string line)
{
    FileHeadings headings;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    headings.otherLayout = IsOtherHeading(line);
    const char separator = line.find('\t') != std::string::npos ? '\t' : ',';
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        std::string cell = line.substr(start, end - start);
        if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
            cell = cell.substr(1, cell.size() - 2);
        if (const int k = ColumnIndex(cell); k >= 0)
            headings.named.set(static_cast<std::size_t>(k));
        if (end == std::string::npos)
            return headings;
        start = end + 1;
    }
}

FileHeadings ReadFileHeadings(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
            line.erase(0, kByteOrderMark.size());
        first = false;
        if (line.empty() || line == "\r" || line[0] == '#')
            continue;
        FileHeadings headings = HeadingsOfLine(line);
        std::vector<std::string> lines;
        if (headings.otherLayout && portkit::ReadImportFile(path, lines))
            headings.otherRows = OtherRowsByLocation(lines);
        return headings;
    }
    return {};
}

std::map<std::string, OtherRow> OtherRowsByLocation(const std::vector<std::string>& lines)
{
    std::map<std::string, OtherRow> rows;
    if (lines.empty() || !portkit::IsOtherProgramHeading(lines.front()))
        return rows;
    // Split as the command line splits such a file.
    portkit::SplitOptions split;
    split.delimiter = ',';
    split.useQualifier = true;
    split.qualifier = '"';
    const portkit::ImportTable table = portkit::BuildImportTable(lines, 0, split);
    std::vector<std::string> repeated;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        OtherRow row;
        const std::vector<std::string>& cells = table.rows[r];
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
    ColumnSet present = headings.named;
    for (const ImportBatch::Row& row : batch.Rows())
        present = ColumnsWithValues(row.fields, present);
    RowImporter importer(model, headings.otherLayout ? ColumnSet() : present);
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
