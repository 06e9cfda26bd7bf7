#include "textio/import_columns.h"

// std
#include <algorithm>
#include <cstring>

namespace textio {

std::size_t SlotOffset(int column)
{
    std::size_t at = 0;
    for (int k = 0; k < column && k < kImportColumnCount; ++k)
        at += static_cast<std::size_t>(kImportColumns[static_cast<std::size_t>(k)].width);
    return at;
}

std::size_t RecordSize() { return SlotOffset(kImportColumnCount); }

int ColumnIndex(const std::string& name)
{
    for (int k = 0; k < kImportColumnCount; ++k)
        if (name == kImportColumns[static_cast<std::size_t>(k)].name)
            return k;
    return -1;
}

ColumnSet AssignedColumns(const std::vector<int>& assignment)
{
    ColumnSet assigned;
    for (const int index : assignment)
        if (index > 0 && index <= kImportColumnCount)
            assigned.set(static_cast<std::size_t>(index - 1));
    return assigned;
}

RowFields FieldsFromRecord(const void* record)
{
    RowFields fields;
    const char* bytes = static_cast<const char*>(record);
    for (int k = 0; k < kImportColumnCount; ++k) {
        const char* slot = bytes + SlotOffset(k);
        const std::size_t width = static_cast<std::size_t>(kImportColumns[static_cast<std::size_t>(k)].width);
        fields[static_cast<std::size_t>(k)].assign(slot, ::strnlen(slot, width));
    }
    return fields;
}

void RecordFromFields(const RowFields& fields, void* record)
{
    char* bytes = static_cast<char*>(record);
    std::memset(bytes, 0, RecordSize());
    const RowFields cut = CutToSlots(fields);
    for (int k = 0; k < kImportColumnCount; ++k) {
        const std::string& text = cut[static_cast<std::size_t>(k)];
        std::memcpy(bytes + SlotOffset(k), text.data(), text.size());
    }
}

RowFields CutToSlots(RowFields fields)
{
    for (int k = 0; k < kImportColumnCount; ++k) {
        std::string& text = fields[static_cast<std::size_t>(k)];
        const std::size_t room = static_cast<std::size_t>(kImportColumns[static_cast<std::size_t>(k)].width - 1);
        // A zero byte inside a text ends it, as it does in a record's slot.
        text = text.substr(0, std::min(room, ::strnlen(text.c_str(), text.size())));
    }
    return fields;
}

} // namespace textio
