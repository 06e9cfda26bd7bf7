#pragma once
// The rows of one import as the import wizard hands them over, kept until the
// wizard has finished and then placed in one go, so that the whole import is
// one step of the document's history. The wizard's column assignment tells
// which columns the file feeds; the file's heading line tells whether it is in
// other programs' layout.

// std
#include <map>
#include <string>
#include <vector>

// project
#include "radio/radio_model.h"
#include "textio/import_rows.h"
#include "textio/other_layout.h"

namespace textio {

class ImportBatch {
public:
    // One call of the wizard's row callback.
    void Add(const void* record, int channelIndex, bool overwrite);
    // The column assignment the wizard finished with (one number per file
    // column, 0 "Ignore"): a column set to Ignore is not fed, though its slot
    // reads as empty as an assigned column's empty cell.
    void SetAssignment(const std::vector<int>& assignment) { columns_ = AssignedColumns(assignment); }
    ColumnSet Columns() const { return columns_; }
    bool Empty() const { return rows_.empty(); }
    std::size_t Size() const { return rows_.size(); }

    struct Row {
        RowFields fields;
        int channelIndex;
        bool overwrite;
    };
    const std::vector<Row>& Rows() const { return rows_; }

private:
    std::vector<Row> rows_;
    ColumnSet columns_;
};

struct FileHeadings {
    bool otherLayout = false; // the heading of other programs' CSV layout
    // For a file in other programs' layout: its rows, each read by the
    // heading's column names, by Location (in file order).
    std::map<std::string, std::vector<OtherRow>> otherRows;
    // The heading's cells that name no column we read, in file order.
    std::vector<std::string> unusedColumns;
};

// The heading line of a text file: among its first lines (a UTF-8 byte-order
// mark dropped), the one that names our columns or other programs' columns
// when split at tabs, semicolons or commas, its cells quoted or not. Lines
// above it (titles) are passed over. When it is other programs' heading, the
// file's rows are read too, split as the heading is.
FileHeadings ReadFileHeadings(const std::string& path);
FileHeadings HeadingsOfLines(const std::vector<std::string>& lines);
// A file of the one line.
FileHeadings HeadingsOfLine(const std::string& line);
// The rows after other programs' heading in `lines` (as ReadImportFile gives
// them), by Location; empty when the lines have no such heading.
std::map<std::string, std::vector<OtherRow>> OtherRowsByLocation(const std::vector<std::string>& lines);

// Places every row of the batch into the model's image. "Show Name" and
// "Clock Shift" are read only when the batch's assignment feeds them, as
// ostrel-cli import reads them. Rows of a file in other programs' layout are converted first,
// the columns the wizard has no slot for (cToneFreq, DtcsPolarity, RxDtcsCode,
// CrossMode, Skip) taken from the one file row with the same Location and
// Frequency. The counts name the heading's unused columns too: this is what
// the command line, File > Import and the wizard's last page report.
ImportCounts PlaceBatch(radio::RadioModel& model, const ImportBatch& batch, const FileHeadings& headings);
// What PlaceBatch would do to `image`, without touching it.
ImportCounts CountBatch(const radio::RadioImage& image, const ImportBatch& batch, const FileHeadings& headings);

// The name of the history step: "Import of 37 Channels" ("Import of 1 Channel").
std::string ImportStepLabel(int placed);

} // namespace textio
