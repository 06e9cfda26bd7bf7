// Fuzz target for the radio data file loader. Built with libFuzzer under
// clang; otherwise a small driver that runs the files named on the command line.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

// project
#include "radio/main_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    radio::CMainDoc doc('.');
    if (doc.LoadBytes(data, size, "fuzz.rdf")) {
        auto saved = doc.Bytes();
        radio::CMainDoc again('.');
        if (!again.LoadBytes(saved.data(), saved.size(), "saved.rdf"))
            std::abort(); // whatever opens must save into something that opens
    }
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
