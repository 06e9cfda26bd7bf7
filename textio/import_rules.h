#pragma once
// How the texts of an imported row read as channel values: the word tables for
// the offset direction, tone mode and power, yes/no values and the step.

// std
#include <cstdint>
#include <string>

namespace textio {

// Direction code (0 simplex, 2 minus, 3 plus, 4 split) from the first
// character; "Split" in full (any case) is split too.
int DirectionCodeFromText(const std::string& text);
// Whether a direction text is only a code digit ("0" to "3") rather than an offset.
bool IsDirectionDigit(const std::string& text);

// Tone mode 0..7; unknown texts give 0.
int ToneModeFromText(const std::string& text);
// Power 0 (High) .. 3 (Low); unknown texts give 0.
int PowerFromText(const std::string& text);

// Yes when the text begins with "yes" or "on" (any case) or with "1", "Y", "y".
bool ReadYesNo(const std::string& text);
// The "Show Name" column: a yes/no value, or the words "Show Name" the export writes.
bool ReadShowName(const std::string& text);

// Step code 0..7 of a step in hertz; steps the radio has not give 0.
int StepCodeFromHz(std::int32_t hz);

} // namespace textio
