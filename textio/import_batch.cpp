#include "textio/import_batch.h"

// std
#include <fstream>

// project
#include "platform/locale.h"
#include "textio/other_layout.h"

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
        return HeadingsOfLine(line);
    }
    return {};
}

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
        ConvertedRow converted = FromOtherRow(OtherRowFromSlots(row.fields));
        converted.extras.scan = -1; // the wizard hands no Skip column over
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
