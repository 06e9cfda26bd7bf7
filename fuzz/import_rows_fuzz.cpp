// Fuzz target for the import's row conversion: the input is cut into wizard
// records (381 bytes each, slots not necessarily terminated) and also read as
// comma-separated rows of other programs' layout. Built with libFuzzer under
// clang; otherwise a small driver that runs the files named on the command line.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// project
#include "radio/main_doc.h"
#include "textio/import_rows.h"
#include "textio/other_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    radio::CMainDoc doc('.');
    doc.OnNewDocument();
    textio::RowImporter importer(doc);
    const std::size_t recordSize = textio::RecordSize();
    std::vector<char> record(recordSize);
    int index = data != nullptr && size > 0 ? data[0] % 8 - 1 : 0;
    for (std::size_t at = 0; at + recordSize <= size; at += recordSize) {
        std::copy(data + at, data + at + recordSize, record.begin());
        importer.PlaceRecord(record.data(), index++, (data[at] & 1) != 0);
    }

    textio::OtherRow row;
    std::size_t column = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        const char c = i < size ? static_cast<char>(data[i]) : '\n';
        if (c == ',' && column + 1 < row.size()) {
            ++column;
        } else if (c == '\n') {
            const textio::ConvertedRow converted = textio::FromOtherRow(row);
            importer.PlaceRow(converted.fields, index++, true, converted.extras);
            row = {};
            column = 0;
        } else {
            row[column] += c;
        }
    }
    const textio::ImportCounts& counts = importer.Counts();
    if (counts.placed + counts.DroppedTotal() != index - (size > 0 ? data[0] % 8 - 1 : 0))
        std::abort(); // every row is placed or dropped for one reason
    return 0;
}

#ifndef OSTREL_LIBFUZZER
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    return 0;
}
#endif
