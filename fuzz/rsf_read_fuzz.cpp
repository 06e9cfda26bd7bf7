// Fuzz target for the radio setting file reader and the texts of its values,
// as "ostrel-cli settings show" prints them: any file is refused with a
// message or read and shown; a file that reads must save and read again.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

// project
#include "cli/commands.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::Scratch().File("settings.rsf");
    fuzz::WriteFile(path, data, size);
    std::ostringstream out;
    std::ostringstream err;
    const int shown = cli::Run({"settings", "show", path}, out, err);
    if (shown != cli::kExitOk)
        return 0;
    // Setting one value rewrites the whole record; the result must read back.
    const std::string copy = fuzz::Scratch().File("copy.rsf");
    fuzz::WriteFile(copy, data, size);
    if (cli::Run({"settings", "set", copy, "1124=Low"}, out, err) != cli::kExitOk ||
        cli::Run({"settings", "show", copy}, out, err) != cli::kExitOk)
        std::abort();
    return 0;
}
