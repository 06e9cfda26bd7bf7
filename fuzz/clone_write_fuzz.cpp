// Fuzz target for the write engine: the fuzzer's bytes are the radio's echo
// and answers (see fuzz_port.h). The write must end, and a write that
// succeeds has sent the whole stream.

// std
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// project
#include "clone/writer.h"
#include "fuzz/fuzz_port.h"
#include "radio/default_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const transfer::CloneWriter::Stream stream = [] {
        transfer::CloneWriter::Stream s{};
        const radio::RadioImage& image = radio::DefaultImage();
        std::copy(image.begin(), image.begin() + transfer::kStreamSize, s.begin());
        return s;
    }();
    fuzz::FuzzPort port(data, size);
    transfer::CloneWriter writer(port, stream);
    fuzz::RunToEnd(writer, port);
    if (writer.GetOutcome() == transfer::Outcome::Done &&
        (port.Written() != static_cast<std::size_t>(transfer::kStreamSize) ||
         writer.GetProgress().bytes != transfer::kStreamSize))
        std::abort();
    return 0;
}
