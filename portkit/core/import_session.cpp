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

std::vector<char> ImportSession::Records(const ImportTable& table, const std::vector<bool>& ticked, int& count) const
{
    std::vector<char> records;
    count = 0;
    const std::size_t rows = std::min(table.rows.size(), ticked.size());
    for (std::size_t r = 0; r < rows; ++r) {
        if (!ticked[r])
            continue;
        records.resize(records.size() + RecordSize());
        FillImportRecord(table.rows[r], assignment, widths_, records.data() + records.size() - RecordSize());
        ++count;
    }
    return records;
}

int ImportSession::HandOver(const ImportTable& table, const std::vector<bool>& ticked, int start,
                            bool overwrite) const
{
    if (callback_ == nullptr)
        return 0;
    int count = 0;
    std::vector<char> records = Records(table, ticked, count);
    for (int handed = 0; handed < count; ++handed)
        callback_(records.data() + static_cast<std::size_t>(handed) * RecordSize(), FirstIndex(start) + handed,
                  overwrite ? 1 : 0);
    return count;
}

std::string ImportSession::Counts(const ImportTable& table, const std::vector<bool>& ticked, int start,
                                  bool overwrite) const
{
    if (counter_.callback == nullptr)
        return {};
    int count = 0;
    const std::vector<char> records = Records(table, ticked, count);
    std::vector<char> text(4096, '\0');
    counter_.callback(counter_.context, records.data(), count, FirstIndex(start), overwrite ? 1 : 0,
                      assignment.data(), static_cast<int>(assignment.size()), text.data(),
                      static_cast<int>(text.size()));
    text.back() = '\0';
    return text.data();
}

} // namespace portkit
