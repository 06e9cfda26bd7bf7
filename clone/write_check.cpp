// What a write will change and whether the radio holds what was written.

// own
#include "clone/write_check.h"

// std
#include <ctime>

namespace transfer {
namespace {

constexpr const char* kNoKeptRead = "No read of the radio is kept on this computer";

std::string LocalTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

WriteComparison CompareWithNewestRead(const Stream& toSend)
{
    WriteComparison comparison;
    comparison.read = NewestKeptRead();
    if (!comparison.read) {
        comparison.summary = kNoKeptRead;
        return comparison;
    }
    const auto image = ReadKeptImage(comparison.read->path);
    if (!image) {
        comparison.summary = "The kept read " + comparison.read->path + " could not be read";
        return comparison;
    }
    comparison.differences = radio::CompareImages({&*image, nullptr}, {&toSend, nullptr});
    comparison.summary = "Compared with the radio as read on " + LocalTime(comparison.read->when) + ": " +
                         radio::SummaryText(comparison.differences);
    return comparison;
}

std::vector<radio::Difference> VerifyDifferences(const Stream& sent, const Stream& read)
{
    return radio::CompareImages({&sent, nullptr}, {&read, nullptr});
}

} // namespace transfer
