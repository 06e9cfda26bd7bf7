// The band rows, the refusal texts and the typed-offset text.

// own
#include "grid/channel_rules.h"

// std
#include <cstdio>

// project
#include "radio/channel_record.h"
#include "radio/frequency.h"

namespace grid::rules {
namespace {

// A hole in a band row's range (inclusive); "above a and below b" is a+1..b-1.
struct Hole {
    std::int32_t low;
    std::int32_t high;
};

struct BandRow {
    std::int32_t low;
    std::int32_t high;
    const char* message;
    Hole holes[4];
};

constexpr BandRow kBandRows[] = {
    {108000000, 200000000, "Enter a frequency between 108 MHz and 200 MHz", {}},
    {200000001, 299999999, "Enter a frequency between 200 MHz and 300 MHz", {}},
    {300000000, 399999999, "Enter a frequency between 300 MHz and 400 MHz", {}},
    {400000000, 519999999, "Enter a frequency between 400 MHz and 520 MHz", {}},
    {700000000,
     999999999,
     "Enter a frequency between 700 MHz and 999 MHz",
     {{824000000, 848999999}, {869000000, 893999999}, {914000001, 938999999}, {959000001, 983999999}}},
};

} // namespace

std::string BandRowRefusal(int row, std::int32_t rx)
{
    if (row < 1 || row > static_cast<int>(std::size(kBandRows)))
        return {};
    const BandRow& band = kBandRows[row - 1];
    bool taken = rx >= band.low && rx <= band.high;
    for (const Hole& hole : band.holes)
        if (hole.high > 0 && rx >= hole.low && rx <= hole.high)
            taken = false;
    return taken ? std::string() : band.message;
}

std::string ReceiveRefusal(int sheet, int row, std::int32_t rx)
{
    if (IsBandSheet(sheet)) {
        if (std::string refusal = BandRowRefusal(row, rx); !refusal.empty())
            return refusal;
    }
    // A band row takes only what the radio can store, as the memories do.
    return radio::IsValidFrequency(rx) ? std::string() : kInvalidReceive;
}

std::string ShiftRefusal(int sheet, int row, std::int32_t tx)
{
    if (!radio::IsValidFrequency(tx))
        return kTransmitOutsideBands;
    if (IsBandSheet(sheet) && !BandRowRefusal(row, tx).empty())
        return kTransmitOutsideRow;
    return {};
}

bool IsTakenOffset(std::int32_t offset, bool shifted)
{
    return radio::IsValidOffset(offset) || (offset == 0 && !shifted);
}

std::string TypedOffsetText(std::int32_t offset)
{
    char buffer[32];
    if (offset < 1000000)
        std::snprintf(buffer, sizeof buffer, "%3d kHz", offset / 1000);
    else
        std::snprintf(buffer, sizeof buffer, "%d.%03d MHz", offset / 1000000, offset % 1000000 / 1000);
    return buffer;
}

bool IsEditableSheet(int sheet)
{
    return sheet == radio::kSheetMemories || sheet == radio::kSheetHome || IsBandSheet(sheet);
}

bool IsBandSheet(int sheet)
{
    return sheet == radio::kSheetHome || (sheet >= radio::kSheetHyper1 && sheet < radio::kSheetCount);
}

} // namespace grid::rules
