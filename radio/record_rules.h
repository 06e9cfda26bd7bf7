#pragma once
// The one rule every record of a document keeps: a record in use is one the
// radio accepts (receive and transmit frequency valid, offset in range and
// agreeing with direction and transmit frequency, step valid for the band,
// lists inside their lists, name in the radio's set) and is already in the
// form the grids leave it in, so showing a document and storing it again
// changes no byte. Opening, creating and reading a document settle it into
// that form; every writer after that (typing, row commands, imports, pastes,
// settings, the preparation for the radio) keeps it.

// std
#include <cstdint>
#include <string>
#include <string_view>

// project
#include "radio/document_data.h"

namespace radio {

// A channel or band record as the grids leave it. `inUse` is the in-use bit
// the record gets (every kind sets it but the VFO sheet's own rows). False
// when the receive frequency is not one the radio has: the record is then
// left alone but for its in-use bit, which is cleared.
bool SettleRecord(std::uint8_t* record, bool inUse);

// A name record as the grids leave it: the decoded text encoded again (an
// empty text gives six zero bytes and a clear has-name flag).
void SettleName(std::uint8_t* name);

// A comment kept on one line: CR, LF and Tab each replaced by a space, so
// that rows copied as text stay rows.
std::string OneLineComment(std::string text);
// A comment as the grids leave it: one line, at most 30 characters, nothing
// after a zero byte.
std::string CleanComment(const std::string& text);
// The text is a comment as the grids leave it (CleanComment gives it back).
bool IsCleanComment(std::string_view text);

// The settings block of a Hyper Memory: every setting inside its list.
void SettleHyperSettings(std::uint8_t* block);

// Sets the radio's split-tone bit (image byte 69, bit 3) when `record` uses
// a split tone mode ("D" and after).
void NoteSplitTone(RadioImage& image, const std::uint8_t* record);

// The whole document: every record, name, comment, scan value and Hyper
// Memory setting; the active Hyper Memory 0..4 and the radio's current state
// (VFO area and current settings block) equal to it; the split-tone bit set
// when a channel uses a split tone mode.
void SettleDocument(DocumentDataArea& data);

// Where a document breaks the rule: the first part that settling would
// change ("Memory 12 record", "Hyper Memory 2 settings", ...), empty when it
// holds.
std::string FirstUnsettled(const DocumentDataArea& data);

} // namespace radio
