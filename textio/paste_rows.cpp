// Rows pasted from other programs: the clipboard text read as the export
// writes it, then placed through the import's row conversion.

// own
#include "textio/paste_rows.h"

// std
#include <algorithm>

// project
#include "grid/row_commands.h"
#include "platform/locale.h"
#include "textio/import_rows.h"

namespace textio {
namespace {

constexpr int kHeadingNamesNeeded = 2;

using Record = std::vector<std::string>;

// Splits the text into records of tab-separated fields, handing each to
// `take`. A double quote at the start of a field opens a quoted section that
// runs to the next lone double quote.
template <typename Take>
void SplitRecords(std::string_view text, Take take)
{
    Record fields;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false; // the field has had a character (or a quote)
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == '\t') {
            fields.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            fields.push_back(std::move(field));
            take(fields);
            field.clear();
            fields.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !fields.empty()) {
        fields.push_back(std::move(field));
        take(fields);
    }
}

bool HasField(const Record& record)
{
    return std::any_of(record.begin(), record.end(), [](const std::string& f) { return !f.empty(); });
}

// The column of each field position of a heading line, -1 for none; empty
// when the line is no heading.
std::vector<int> HeadingColumns(const Record& record)
{
    std::vector<int> columns;
    int named = 0;
    for (const std::string& text : record) {
        columns.push_back(ColumnIndex(text));
        if (columns.back() >= 0)
            ++named;
    }
    if (named < kHeadingNamesNeeded)
        columns.clear();
    return columns;
}

} // namespace

PastedRows ReadPastedRows(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    PastedRows pasted;
    std::vector<int> columns;
    for (int k = 0; k < kImportColumnCount; ++k)
        columns.push_back(k);
    bool first = true;
    SplitRecords(text, [&](const Record& record) {
        if (!HasField(record))
            return;
        if (first) {
            first = false;
            if (std::vector<int> named = HeadingColumns(record); !named.empty()) {
                columns = std::move(named);
                pasted.heading = true;
                for (int k : columns)
                    if (k >= 0)
                        pasted.present.set(static_cast<std::size_t>(k));
                return;
            }
        }
        // More rows than channels cannot all be placed: the rest are only counted.
        if (pasted.rows.size() >= static_cast<std::size_t>(radio::kChannelCount)) {
            ++pasted.beyond;
            return;
        }
        RowFields fields;
        const std::size_t n = std::min(record.size(), columns.size());
        for (std::size_t i = 0; i < n; ++i)
            if (const int k = columns[i]; k >= 0) {
                fields[static_cast<std::size_t>(k)] = record[i];
                if (!pasted.heading)
                    pasted.present.set(static_cast<std::size_t>(k));
            }
        pasted.rows.push_back(std::move(fields));
    });
    return pasted;
}

PasteCounts PlacePastedRows(radio::RadioModel& model, const PastedRows& rows, int first, int last)
{
    last = std::min(last, radio::kChannelCount - 1);
    RowImporter importer(model, rows.present);
    PasteCounts counts;
    counts.dropped = rows.beyond;
    int next = std::max(first, 0);
    for (RowFields fields : rows.rows) {
        if (next > last) {
            ++counts.dropped;
            continue;
        }
        fields[icol::kChannel].clear(); // rows go one after another from the selected row
        if (importer.PlaceRow(fields, next, true)) {
            ++counts.placed;
            ++next;
        } else {
            ++counts.dropped;
        }
    }
    return counts;
}

PasteCounts CountPastedRows(const radio::RadioImage& image, const PastedRows& rows, int first, int last)
{
    ScratchModel scratch(image);
    return PlacePastedRows(scratch, rows, first, last);
}

std::string PasteStatusText(const PasteCounts& counts)
{
    std::string text = grid::RowStepLabel("Paste", counts.placed);
    if (counts.dropped > 0)
        text += ", " + std::to_string(counts.dropped) + (counts.dropped == 1 ? " row dropped" : " rows dropped");
    return text;
}

} // namespace textio
