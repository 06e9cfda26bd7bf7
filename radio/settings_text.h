#pragma once
// The two texts of the settings block: the CW ID (six codes of the radio's
// character set, 0xFF-padded) and the 16 DTMF memories (16 digit codes each,
// 0xFF-terminated).

// Project
#include "radio/settings_record.h"

// Standard library
#include <cstddef>
#include <optional>
#include <string>

namespace radio {

inline constexpr std::size_t kCwIdMaxLength = 6;

// The CW ID as shown: upper case, ended by the first 0xFF byte.
std::string CwIdFromBlock(ConstSettingsBlockView block);
// Whether the text can be stored as a CW ID: at most six characters of the
// radio's character set (lower-case letters count as upper case).
bool IsValidCwId(const std::string& text);
// Stores the text into bytes 16-21, padded with 0xFF. An empty text leaves
// the bytes as they were; a text that IsValidCwId refuses changes nothing
// and returns false.
bool StoreCwId(const std::string& text, SettingsBlockView block);

// Memory m (0-15) as text: "0"-"9", "A"-"D", "*", "#".
std::string DtmfMemoryText(ConstSettingsBlockView block, int memory);
// The character a key typed into a DTMF memory stands for: digits, A-D, "*"
// and "#" as they are (letters in either case), E for "*" and F for "#".
// Anything else has none.
std::optional<char> DtmfKey(char typed);
// Stores memory m from its text (E and F allowed as above), ended by 0xFF
// when shorter than 16 digits. Refuses (false, nothing changed) a text of
// more than 16 digits or with a character that is no DTMF key.
bool StoreDtmfMemory(const std::string& text, int memory, SettingsBlockView block);

} // namespace radio
