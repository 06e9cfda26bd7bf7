#pragma once
// The fixed lists shown in the grids (as their tab-separated texts), the CTCSS
// and DCS tables, the name character set, and the conversions between a list
// position and the value a record stores.

// std
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace radio {

namespace lists {
inline constexpr const char* kDirection = "Simplex\tMinus\tPlus\tSplit";
inline constexpr const char* kMode = "FM\tAM";
inline constexpr const char* kModeLow = "FMN\tAM"; // 29.7 MHz and below
inline constexpr const char* kToneMode = "None\tEnc\tEnc-Dec\tRev TN\tDCS\tD\tEnc-DCS\tD-Dec";
inline constexpr const char* kPower = "High\tMid1\tMid2\tLow";
inline constexpr const char* kOffset =
    "100 kHz\t500 kHz\t600 kHz\t1.00 MHz\t1.60 MHz\t3.00 MHz\t5.00 MHz\t7.60 MHz";
inline constexpr const char* kStep = "5 kHz\t10 kHz\t12.5 kHz\t15  kHz\t20 kHz\t25 kHz\t50 kHz\t100 kHz";
inline constexpr const char* kStepHigh = "10 kHz\t12.5 kHz\t20 kHz\t25 kHz\t50 kHz\t100 kHz";
inline constexpr const char* kScanValue = "Scan\tSkip\tPreferential Scan";
} // namespace lists

// The entries of a tab-separated list text.
std::vector<std::string> SplitList(const std::string& text);

// CTCSS tones in tenths of hertz, and DCS codes as the decimal number of their digits.
inline constexpr int kCtcssCount = 50;
inline constexpr int kDcsCount = 104;
const std::array<int, kCtcssCount>& CtcssTones();
const std::array<int, kDcsCount>& DcsCodes();
// "67.0\t69.3 ..." with the separator, and "023\t025 ...".
std::string CtcssListText(char separator);
std::string DcsListText();
// Imported texts: CTCSS "88.5" / "100" -> index or -1; DCS "023" -> index, 0 when unknown.
int CtcssIndexFromText(const std::string& text);
int DcsIndexFromText(const std::string& text);

// The radio's 64 characters; a character's code is its position.
inline constexpr const char* kNameCharset =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ !\"\\$#%'()*+,-;/|:<=>?@[&]^_";
inline constexpr int kNameLength = 6;
inline constexpr std::uint8_t kSpaceCode = 36;
// Code of a character, or -1 when the radio has no such character.
int NameCharCode(char c);
// Six codes, space-padded; an empty text gives six zero bytes. Lower-case letters
// are taken as capitals and any other character outside the set as a space.
void EncodeName(const std::string& text, std::uint8_t* codes);
std::string DecodeName(const std::uint8_t* codes);

// Removes trailing spaces in place and returns the new length.
std::size_t TrimRight(std::string& text);

// Offset direction: list index 0..3 <-> record code 0, 2, 3, 4 (other codes -> -1, other indexes -> 0).
int DirectionIndexToCode(int index);
int DirectionCodeToIndex(int code);

// Operating mode: the low list ("FMN", 29.7 MHz and below) is shifted by one.
bool UsesLowModeList(std::int32_t rx);
int ModeIndexToBit(int index, std::int32_t rx);
int ModeBitToIndex(int bit, std::int32_t rx);

// Step: the six-entry list and its mapping apply from 700 MHz on.
bool UsesHighStepList(std::int32_t rx);
int StepIndexToCode(int index, std::int32_t rx); // 0..7, or 0 when out of range
int StepCodeToIndex(int code, std::int32_t rx);

} // namespace radio
