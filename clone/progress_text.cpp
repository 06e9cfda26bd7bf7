#include "clone/progress_text.h"

// std
#include <cmath>

namespace transfer {
namespace {

// Bytes after which the pace so far is a better guess than the line's speed.
constexpr int kSettledBytes = 8 + 4 * kBlockSize;

double LineSeconds(int bytes)
{
    const double withAcks = bytes + static_cast<double>(bytes) / kBlockSize;
    return withAcks * kBitsPerByte / kBaud;
}

} // namespace

int SecondsLeft(const Progress& progress, Clock::duration elapsed)
{
    const int left = Progress::kTotalBytes - progress.bytes;
    if (left <= 0)
        return 0;
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const double estimate = progress.bytes >= kSettledBytes && seconds > 0
                                ? seconds * left / progress.bytes
                                : LineSeconds(left);
    return static_cast<int>(std::ceil(estimate));
}

std::string ProgressLine(const Progress& progress, Clock::duration elapsed)
{
    return "Block " + std::to_string(progress.blocks) + " of " + std::to_string(Progress::kTotalBlocks) + ", " +
           std::to_string(SecondsLeft(progress, elapsed)) + " s left";
}

} // namespace transfer
