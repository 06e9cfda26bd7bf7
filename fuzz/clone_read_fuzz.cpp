// Fuzz target for the read engine: the fuzzer's bytes are what the radio
// sends (see fuzz_port.h). The read must end; a read that succeeds holds a
// whole stream whose last byte is the sum of the others.

// std
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// project
#include "clone/reader.h"
#include "fuzz/fuzz_port.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzPort port(data, size);
    transfer::CloneReader reader(port, transfer::CloneReader::kSilenceLimit, std::chrono::seconds(60));
    fuzz::RunToEnd(reader, port);
    if (reader.GetOutcome() == transfer::Outcome::Done) {
        const auto& stream = reader.Received();
        unsigned sum = 0;
        for (int i = 0; i < transfer::kChecksumAt; ++i)
            sum += stream[static_cast<std::size_t>(i)];
        if (stream[0] != transfer::kHeaderFirst || (sum & 0xFF) != stream[transfer::kChecksumAt] ||
            reader.GetProgress().bytes != transfer::kStreamSize)
            std::abort();
    }
    return 0;
}
