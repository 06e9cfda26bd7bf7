#include "portkit/core/import_session.h"

// std
#include <algorithm>

namespace portkit {

ImportSession::ImportSession(const ImportDataStruct& data, const char* const* names, const int* widths,
                             ImportRowCallback callback)
    : data_(data), callback_(callback)
{
    const int count = std::max(data.nColumns, 0);
    for (int i = 0; i < count; ++i) {
        names_.emplace_back(names != nullptr && names[i] != nullptr ? names[i] : "");
        widths_.push_back(widths != nullptr ? widths[i] : 0);
    }
}

ImportTable ImportSession::BuildColumnTable()
{
    headerRow = false;
    ImportTable table = BuildImportTable(lines, userSkip, split);
    const HeaderMatch match = DetectHeader(table, names_);
    assignment = match.assignment;
    headerRow = match.Found();
    return table;
}

int ImportSession::HandOver(const ImportTable& table, const std::vector<bool>& ticked, int start,
                            bool overwrite) const
{
    if (callback_ == nullptr)
        return 0;
    std::vector<char> record(std::max<std::size_t>(ImportRecordSize(widths_), 1));
    int handed = 0;
    const std::size_t rows = std::min(table.rows.size(), ticked.size());
    for (std::size_t r = 0; r < rows; ++r) {
        if (!ticked[r])
            continue;
        FillImportRecord(table.rows[r], assignment, widths_, record.data());
        callback_(record.data(), FirstIndex(start) + handed, overwrite ? 1 : 0);
        ++handed;
    }
    return handed;
}

} // namespace portkit
