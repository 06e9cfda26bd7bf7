#pragma once
// The value rules of a channel row that do not depend on any grid: which
// receive frequencies a band row of the Home and Hyper Memory sheets takes,
// the texts of the refusals, and the offset text written after a transmit
// frequency was typed.

// std
#include <cstdint>
#include <string>

namespace grid::rules {

inline constexpr const char* kInvalidReceive = "Please enter a valid receive frequency";
inline constexpr const char* kInvalidTransmit = "Please enter a valid transmit frequency";
inline constexpr const char* kInvalidOffset = "Please enter a valid offset frequency";
inline constexpr const char* kNoReceive = "A receive frequency must be entered before editing channel data.";
inline constexpr const char* kTransmitOutsideBands = "The offset would put the transmit frequency outside the radio's bands";
inline constexpr const char* kTransmitOutsideRow = "The offset would put the transmit frequency outside this row's band";
inline constexpr const char* kNotInList = "Not one of the choices this row offers";
inline constexpr const char* kLockedCell = "This cell cannot be changed";
inline constexpr const char* kNotEditable = "This sheet is a read-only view";
inline constexpr const char* kAppTitle = "Ostrel Programmer";

// Direction list entries.
inline constexpr int kSimplexEntry = 0;
inline constexpr int kSplitEntry = 3;

// The message a band row (1..5: "144" ... "850") gives for a receive
// frequency it does not take; empty when it takes it.
std::string BandRowRefusal(int row, std::int32_t rx);

// The message a row of `sheet` refuses a receive frequency with (a band
// row's range, else "Please enter a valid receive frequency"); empty when taken.
std::string ReceiveRefusal(int sheet, int row, std::int32_t rx);

// The message a row of `sheet` refuses the transmit frequency of a shift
// (direction and offset) with: outside the radio's bands, or on a band row
// outside its band; empty when taken.
std::string ShiftRefusal(int sheet, int row, std::int32_t tx);

// An offset the offset cell takes: a valid one, or 0 on a row without a
// repeater shift (a band whose default offset is 0 shows it so).
bool IsTakenOffset(std::int32_t offset, bool shifted);

// The offset written into column 3 after a transmit frequency was typed:
// below 1 MHz "%3.0f kHz" of the offset in kHz, else "%5.3f MHz" in MHz.
std::string TypedOffsetText(std::int32_t offset);

// Sheets whose cells the user edits: Memories, Home and the Hyper Memories
// (the VFO sheet is a read-only mirror).
bool IsEditableSheet(int sheet);
bool IsBandSheet(int sheet);

} // namespace grid::rules
