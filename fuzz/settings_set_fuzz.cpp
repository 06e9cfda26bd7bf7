// Fuzz target for the arguments of "ostrel-cli settings set": the input's
// lines are the arguments after the file name. The file starts from the
// built-in template each time; whatever the arguments, the command ends with
// 0, 1 or 2, and a file it wrote must show again.

// std
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

// project
#include "cli/commands.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::Scratch().File("set.rsf");
    std::error_code ignored;
    std::filesystem::remove(path, ignored);

    std::vector<std::string> args{"settings", "set", path};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);

    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(args, out, err);
    if (code != cli::kExitOk && code != cli::kExitFailed && code != cli::kExitUsage)
        std::abort();
    if (code == cli::kExitOk && cli::Run({"settings", "show", path}, out, err) != cli::kExitOk)
        std::abort();
    if (code != cli::kExitOk && std::filesystem::exists(path))
        std::abort(); // a refused command writes nothing
    return 0;
}
