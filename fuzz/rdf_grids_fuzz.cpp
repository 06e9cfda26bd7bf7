// Fuzz target for the grid load that follows every open of a radio data file:
// whatever opens is settled (every record in the form the grids leave it),
// loads into the grids and stores back without a change, and saves into
// something that opens again as the same document.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// project
#include "grid/document_controller.h"
#include "radio/main_doc.h"
#include "radio/record_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    radio::CMainDoc doc('.');
    if (!doc.LoadBytes(data, size, "fuzz.rdf"))
        return 0;
    if (!radio::FirstUnsettled(doc.Data()).empty())
        std::abort(); // an open settles every record
    const radio::DocumentDataArea opened = doc.Data();
    {
        grid::DocumentController controller(doc);
        controller.FirstUpdate();
        controller.Grid(0).SetText(35, 1100, controller.Grid(0).GetText(35, 1100)); // a touch: the store runs
        controller.GridStore(false);
    }
    if (!(doc.Data().image == opened.image && doc.Data().comments == opened.comments))
        std::abort(); // showing and storing a settled document changes nothing
    const auto saved = doc.Bytes();
    radio::CMainDoc again('.');
    if (!again.LoadBytes(saved.data(), saved.size(), "saved.rdf"))
        std::abort(); // whatever opens must save into something that opens
    if (!(again.Data().image == opened.image && again.Data().comments == opened.comments))
        std::abort(); // and opens as the same document
    return 0;
}
