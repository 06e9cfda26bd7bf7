#pragma once
// The columns that an import offers: their names, in the order of the row
// record's slots, and the byte width of each slot. A slot holds a
// zero-terminated text, at most its width less one byte.

// std
#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <vector>

// project
#include "radio/channel_record.h"

namespace textio {

struct ImportColumn {
    const char* name;
    int width;
};

inline constexpr int kImportColumnCount = 36;

// Positions of the columns in the table below (and of the slots in a record):
// the channel number first, then every channel grid column in its own place.
namespace icol {
using namespace radio::col;
inline constexpr int kChannel = 0;
} // namespace icol
static_assert(kImportColumnCount == radio::col::kCount + 1);

inline constexpr std::array<ImportColumn, kImportColumnCount> kImportColumns{{
    {"Channel Number", 10},
    {"Receive Frequency", 10},
    {"Transmit Frequency", 10},
    {"Offset Frequency", 10},
    {"Offset Direction", 10},
    {"Operating Mode", 10},
    {"Name", 10},
    {"Show Name", 10},
    {"Tone Mode", 10},
    {"CTCSS Tone", 10},
    {"DCS Code", 10},
    {"Step", 10},
    {"Clock Shift", 10},
    {"Tx Power", 10},
    {"Narrow", 10},
    {"Bank 1", 10},
    {"Bank 2", 10},
    {"Bank 3", 10},
    {"Bank 4", 10},
    {"Bank 5", 10},
    {"Bank 6", 10},
    {"Bank 7", 10},
    {"Bank 8", 10},
    {"Bank 9", 10},
    {"Bank 10", 10},
    {"Bank 11", 10},
    {"Bank 12", 10},
    {"Bank 13", 10},
    {"Bank 14", 10},
    {"Bank 15", 10},
    {"Bank 16", 10},
    {"Bank 17", 10},
    {"Bank 18", 10},
    {"Bank 19", 10},
    {"Bank 20", 10},
    {"Comment", 31},
}};

// The texts of one imported row, one per column; empty where the file has no value.
using RowFields = std::array<std::string, kImportColumnCount>;
// Which columns a file feeds.
using ColumnSet = std::bitset<kImportColumnCount>;

// Start of slot k in a record, and the record's whole length (381 bytes).
std::size_t SlotOffset(int column);
std::size_t RecordSize();

// Position of a column name (exact, case-sensitive), or -1.
int ColumnIndex(const std::string& name);
// The columns a file feeds under an import wizard's column assignment: one
// number per file column, 0 "Ignore", k the k-th column of kImportColumns.
ColumnSet AssignedColumns(const std::vector<int>& assignment);

// A record's slots as texts (each read up to its terminator, never past the slot).
RowFields FieldsFromRecord(const void* record);
// Fills a zeroed record from texts, each cut to its slot's width less one.
void RecordFromFields(const RowFields& fields, void* record);
// The texts as a record would carry them: each cut to its slot's width less one.
RowFields CutToSlots(RowFields fields);

} // namespace textio
