#pragma once
// Frequencies and offsets: the radio's 3-byte frequency code, frequency and
// offset texts, and the rules that decide which values are acceptable and what
// a frequency gets by default. Frequencies and offsets are whole hertz.

// std
#include <cstdint>
#include <string>

namespace radio {

// Offset direction codes as the channel record stores them.
inline constexpr int kSimplex = 0;
inline constexpr int kMinus = 2;
inline constexpr int kPlus = 3;
inline constexpr int kSplit = 4;

inline constexpr int kFrequencyCodeBytes = 3;
inline constexpr std::int32_t kOffsetUnit = 50000; // the record keeps offsets in 50 kHz units

// 3-byte frequency code: five BCD digits of 10 kHz plus a 2.5 kHz fraction code.
// A remainder that is not a multiple of 2500 Hz is dropped (the 10 kHz step below).
void EncodeFrequency(std::int32_t hz, std::uint8_t* code);
std::int32_t DecodeFrequency(const std::uint8_t* code);

// "145.50000" (10 Hz resolution) from 1 MHz on, "500.250" below, with `separator`.
std::string FormatFrequency(std::int32_t hz, char separator);

// Frequency text of a grid cell or an imported row: "145.5", "145500" (kHz),
// "446,00625", "600 kHz", "1.00 MHz". Returns 0 for a negative or unreadable
// number and for one that does not fit in 32 bits.
std::int32_t ParseFrequency(const std::string& text);
// The same with a five-digit fraction, for the entries of the offset list.
std::int32_t ParseOffsetEntry(const std::string& text);

bool IsExcludedFrequency(std::int32_t hz);
bool IsValidFrequency(std::int32_t hz);
bool IsValidOffset(std::int32_t hz);

// Index of the offset-list entry equal to `hz`, or -1.
int OffsetListIndex(std::int32_t hz);
// The list entry when the offset is one, else "%d%c%04d" (MHz, separator, 100 Hz units).
std::string FormatOffset(std::int32_t hz, char separator);

std::int32_t DefaultOffset(std::int32_t rx);
int AutomaticDirection(std::int32_t rx);

// Transmit frequency for a receive frequency, direction and offset; -1 for split
// and unknown codes. With `automatic` the direction and offset come from
// AutomaticDirection and DefaultOffset, and `direction` is updated.
std::int32_t TransmitFrequency(std::int32_t rx, int& direction, std::int32_t offset, bool automatic);

// Direction and offset that turn `rx` into `tx`; split with the default offset
// when the difference is no 50 kHz multiple up to 99.95 MHz.
std::int32_t DirectionAndOffset(std::int32_t rx, int& direction, std::int32_t tx);

} // namespace radio
