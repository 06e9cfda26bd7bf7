#include "radio/frequency.h"

// std
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// project
#include "radio/lists.h"

namespace radio {
namespace {

constexpr std::int32_t kMHz = 1000000;

// The high nibble of the first code byte: 0, 4, 8, 12 -> +0, 2500, 5000, 7500 Hz.
constexpr std::uint8_t kFractionMask = 0xC0;
constexpr int kFractionShift = 6;
constexpr std::int32_t kFractionStep = 2500;

long ReadLong(const std::string& text)
{
    // strtol saturates where atol would overflow.
    return std::strtol(text.c_str(), nullptr, 10);
}

// The shared reading of both frequency parsers; `digits` is the number of
// fraction digits kept and `scale` turns the combined number into hertz.
std::int32_t ParseWith(const std::string& input, std::size_t digits, long long unit, long long scale)
{
    std::string text = input.substr(0, 20);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool kilohertz = false;
    if (std::size_t k = text.find('K'); k != std::string::npos) {
        kilohertz = true;
        text.resize(k);
    }
    if (std::size_t m = text.find('M'); m != std::string::npos)
        text.resize(m);

    std::size_t split = text.find('.');
    if (split == std::string::npos)
        split = text.find(',');
    std::string wholeText = text.substr(0, split);
    std::string fractionText = split == std::string::npos ? std::string() : text.substr(split + 1);

    long long whole = ReadLong(wholeText);
    long long fraction = 0;
    if (split != std::string::npos) {
        TrimRight(fractionText);
        fractionText.append(digits + 1, '0');
        fractionText.resize(digits);
        fraction = ReadLong(fractionText);
    }
    if (whole < 0 || fraction < 0)
        return 0;
    if (fraction == 0 && whole > 99999)
        kilohertz = true;

    if (whole > INT32_MAX || fraction > INT32_MAX)
        return 0;
    long long hz = kilohertz ? whole * 1000 : (whole * unit + fraction) * scale;
    if (hz > INT32_MAX)
        return 0;
    return static_cast<std::int32_t>(hz);
}

bool InRange(std::int32_t f, std::int32_t low, std::int32_t high) { return f >= low && f <= high; }

} // namespace

void EncodeFrequency(std::int32_t hz, std::uint8_t* code)
{
    if (hz < 0)
        hz = 0;
    std::int32_t n = hz / 10000;
    for (int i = kFrequencyCodeBytes - 1; i >= 0; --i) {
        std::uint8_t low = static_cast<std::uint8_t>(n % 10);
        n /= 10;
        std::uint8_t high = static_cast<std::uint8_t>(n % 10);
        n /= 10;
        code[i] = i == 0 ? low : static_cast<std::uint8_t>((high << 4) | low);
    }
    std::int32_t rest = hz % 10000;
    if (rest % kFractionStep == 0)
        code[0] |= static_cast<std::uint8_t>((rest / kFractionStep) << kFractionShift);
}

std::int32_t DecodeFrequency(const std::uint8_t* code)
{
    std::int32_t n = code[0] & 0x0F;
    for (int i = 1; i < kFrequencyCodeBytes; ++i)
        n = n * 100 + (code[i] >> 4) * 10 + (code[i] & 0x0F);
    return n * 10000 + ((code[0] & kFractionMask) >> kFractionShift) * kFractionStep;
}

std::string FormatFrequency(std::int32_t hz, char separator)
{
    char buffer[40];
    if (hz >= kMHz)
        std::snprintf(buffer, sizeof buffer, "%d%c%5.5d", hz / kMHz, separator, (hz % kMHz) / 10);
    else
        std::snprintf(buffer, sizeof buffer, "%d%c%1.1d", hz / 1000, separator, hz % 1000);
    return buffer;
}

std::int32_t ParseFrequency(const std::string& text) { return ParseWith(text, 6, kMHz, 1); }

std::int32_t ParseOffsetEntry(const std::string& text) { return ParseWith(text, 5, 100000, 10); }

bool IsExcludedFrequency(std::int32_t f)
{
    return f < 108 * kMHz || f > 999995000 || (f > 914 * kMHz && f < 939 * kMHz) ||
           (f > 959 * kMHz && f < 984 * kMHz) || (f >= 824 * kMHz && f < 849 * kMHz) ||
           (f >= 869 * kMHz && f < 894 * kMHz);
}

bool IsValidFrequency(std::int32_t f)
{
    return f != 0 && !IsExcludedFrequency(f) && (f % 5000 == 0 || f % 6250 == 0);
}

bool IsValidOffset(std::int32_t hz) { return hz != 0 && hz < 99950000 && hz % kOffsetUnit == 0; }

int OffsetListIndex(std::int32_t hz)
{
    static const std::vector<std::string> entries = SplitList(lists::kOffset);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (ParseOffsetEntry(entries[i]) == hz)
            return static_cast<int>(i);
    return -1;
}

std::string FormatOffset(std::int32_t hz, char separator)
{
    static const std::vector<std::string> entries = SplitList(lists::kOffset);
    int index = OffsetListIndex(hz);
    if (index >= 0)
        return entries[static_cast<std::size_t>(index)];
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%d%c%04d", hz / kMHz, separator, (hz % kMHz) / 100);
    return buffer;
}

std::int32_t DefaultOffset(std::int32_t rx)
{
    if (rx < 55 * kMHz)
        return 0;
    if (rx < 220 * kMHz)
        return 600000;
    if (rx < 225 * kMHz)
        return 1600000;
    if (rx < 450 * kMHz)
        return 5 * kMHz;
    return 0;
}

int AutomaticDirection(std::int32_t f)
{
    if (InRange(f, 145100000, 145500000))
        return kMinus;
    if (InRange(f, 146000000, 146400000))
        return kPlus;
    if (f >= 146600000 && f < 147000000)
        return kMinus;
    if (f >= 147000000 && f < 147400000)
        return kPlus;
    if (InRange(f, 147600000, 148000000))
        return kMinus;
    if (InRange(f, 222150000, 223380000))
        return kPlus;
    if (f >= 223750000 && f < 224980000)
        return kMinus;
    if (f < 440 * kMHz)
        return kSimplex;
    if (f <= 445 * kMHz)
        return kPlus;
    if (f > 450 * kMHz)
        return kSimplex;
    return kMinus;
}

std::int32_t TransmitFrequency(std::int32_t rx, int& direction, std::int32_t offset, bool automatic)
{
    if (direction == kSplit)
        return -1;
    if (automatic) {
        direction = AutomaticDirection(rx);
        offset = DefaultOffset(rx);
    }
    switch (direction) {
    case kSimplex:
        return rx;
    case kMinus:
        return rx - offset;
    case kPlus:
        return rx + offset;
    default:
        return -1;
    }
}

std::int32_t DirectionAndOffset(std::int32_t rx, int& direction, std::int32_t tx)
{
    if (rx == tx) {
        direction = kSimplex;
        return DefaultOffset(rx);
    }
    long long offset = rx > tx ? static_cast<long long>(rx) - tx : static_cast<long long>(tx) - rx;
    direction = rx > tx ? kMinus : kPlus;
    if (offset % kOffsetUnit == 0 && offset <= 99950000)
        return static_cast<std::int32_t>(offset);
    direction = kSplit;
    return DefaultOffset(rx);
}

} // namespace radio
