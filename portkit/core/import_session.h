#pragma once
// The state of one import wizard run, without any window: the caller's record
// description and callback, the file's lines, the rows skipped, the split
// settings, the column assignment, and the hand-over of the chosen rows.

// own
#include "portkit/core/import_table.h"
#include "portkit/portkit_c.h"

// std
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace portkit {

// The caller's counter for the last page (ImportCountsCallback and its context).
struct ImportCounter {
    ImportCountsCallback callback = nullptr;
    void* context = nullptr;
};

class ImportSession {
public:
    // names and widths hold data.nColumns entries (none when data.nColumns < 1).
    ImportSession(const ImportDataStruct& data, const char* const* names, const int* widths,
                  ImportRowCallback callback);

    const ImportDataStruct& Data() const { return data_; }
    const std::vector<std::string>& Names() const { return names_; }
    const std::vector<int>& Widths() const { return widths_; }

    std::vector<std::string> lines;
    std::size_t userSkip = 0; // the rows skipped in step 1
    bool headerRow = false;   // step 3 found a heading row after them
    SplitOptions split;
    std::vector<int> assignment; // per step-3 column: 0 Ignore, k the k-th name

    // Rows not imported: the user's count plus the heading row.
    std::size_t Skip() const { return userSkip + (headerRow ? 1 : 0); }

    // The table of the rows from Skip() on with the current split settings.
    ImportTable Table() const { return BuildImportTable(lines, Skip(), split); }

    // Step 3's table (rows from userSkip on) with the header detection applied:
    // sets assignment and headerRow.
    ImportTable BuildColumnTable();

    // The first channel index handed over for a start value.
    static int FirstIndex(int start) { return start > 0 ? start - 1 : start; }

    // Calls the callback for each ticked row in order with a fresh record, the
    // channel index FirstIndex(start) + rows handed over before it, and
    // overwrite. Returns the number of rows handed over.
    int HandOver(const ImportTable& table, const std::vector<bool>& ticked, int start, bool overwrite) const;

    // What the counter says HandOver would do with these rows; empty without a counter.
    void SetCounter(const ImportCounter& counter) { counter_ = counter; }
    bool HasCounter() const { return counter_.callback != nullptr; }
    std::string Counts(const ImportTable& table, const std::vector<bool>& ticked, int start, bool overwrite) const;

private:
    ImportDataStruct data_;
    std::vector<std::string> names_;
    std::vector<int> widths_;
    // The records of the ticked rows, back to back, and their number.
    std::vector<char> Records(const ImportTable& table, const std::vector<bool>& ticked, int& count) const;
    std::size_t RecordSize() const { return std::max<std::size_t>(ImportRecordSize(widths_), 1); }

    ImportRowCallback callback_;
    ImportCounter counter_;
};

} // namespace portkit
