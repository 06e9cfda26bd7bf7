// Fuzz target for the grid load that follows every open of a radio data file:
// whatever opens must load into the grids, store back, and save
// into something that opens again.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// project
#include "grid/document_controller.h"
#include "radio/main_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    radio::CMainDoc doc('.');
    if (!doc.LoadBytes(data, size, "fuzz.rdf"))
        return 0;
    {
        grid::DocumentController controller(doc);
        controller.FirstUpdate();
        controller.GridStore(false);
    }
    const auto saved = doc.Bytes();
    radio::CMainDoc again('.');
    if (!again.LoadBytes(saved.data(), saved.size(), "saved.rdf"))
        std::abort(); // whatever opens must save into something that opens
    return 0;
}
