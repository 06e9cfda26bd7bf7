// Fuzz target for the radio data file loader: whatever opens must save into
// something that opens again, byte for byte the same. (rdf_grids_fuzz adds
// the grid load, at a far lower rate.)

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// project
#include "radio/main_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    radio::CMainDoc doc('.');
    if (!doc.LoadBytes(data, size, "fuzz.rdf"))
        return 0;
    const auto saved = doc.Bytes();
    radio::CMainDoc again('.');
    if (!again.LoadBytes(saved.data(), saved.size(), "saved.rdf"))
        std::abort(); // whatever opens must save into something that opens
    if (again.Bytes() != saved)
        std::abort(); // and opening a saved file changes nothing
    return 0;
}
