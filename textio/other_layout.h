#pragma once
// The CSV layout of other programs' channel lists, read and written:
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment
// Files carry any of these columns as long as Frequency is among them, in any
// order and any case (older lists lack RxDtcsCode, CrossMode and Power; many
// add URCALL,RPT1CALL,RPT2CALL,DVCODE, which we have no use for); lines
// starting with '#' are comments. Frequencies and offsets are MHz, steps kHz,
// power in watts with or without "W".
//
// Reading, value by value:
//   Duplex ""/"off" simplex, "+"/"-" plus/minus with Offset as the offset,
//     "split" split with Offset as the transmit frequency.
//   Tone "" None, "Tone" Enc (rToneFreq), "TSQL" Enc-Dec (cToneFreq), "DTCS" DCS
//     (DtcsCode); "Cross" by CrossMode: "Tone->DTCS" Enc-DCS (rToneFreq,
//     RxDtcsCode), "DTCS->Tone" D-Dec (DtcsCode, cToneFreq), "DTCS->" D
//     (DtcsCode), "Tone->Tone" and "->Tone" Enc-Dec (rToneFreq, cToneFreq),
//     "Tone->" Enc (rToneFreq), "DTCS->DTCS" and "->DTCS" DCS; other cross
//     modes None. With no tone mode the tones are still kept.
//   Mode "FM" FM, "NFM" FM narrow, "AM" AM, anything else FM.
// Values the radio has no place for are counted as not kept, under their
// column: Duplex "off" (transmit off), a Mode other than FM, NFM or AM, a
// TStep we have no step for, a Tone or CrossMode we have no tone mode for,
// and a DtcsPolarity other than NN.
//   Power by watts: 35 W and more High, 15 W Mid1, 7.5 W Mid2, below Low;
//     a power without a number reads as our own words do.
//   Skip "S" Skip and "P" Preferential Scan in all five Hyper Memories, else Scan.
// Writing is the reverse, with power 50W, 20W, 10W, 5W and the Skip column
// from the active Hyper Memory. What the layout cannot carry is lost: the show
// name and clock shift flags, bank membership, Rev TN (written as no tone),
// narrow on AM, the offset of a split channel, and scan values that differ
// between Hyper Memories.

// std
#include <array>
#include <string>
#include <string_view>
#include <vector>

// project
#include "grid/spreadsheet.h"
#include "radio/radio_image.h"
#include "textio/import_rows.h"

namespace textio {

inline constexpr int kOtherColumnCount = 17;
inline constexpr std::array<const char*, kOtherColumnCount> kOtherHeadings{
    "Location", "Name",       "Frequency", "Duplex", "Offset", "Tone",  "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment"};

namespace ocol {
inline constexpr int kLocation = 0;
inline constexpr int kName = 1;
inline constexpr int kFrequency = 2;
inline constexpr int kDuplex = 3;
inline constexpr int kOffset = 4;
inline constexpr int kTone = 5;
inline constexpr int kRToneFreq = 6;
inline constexpr int kCToneFreq = 7;
inline constexpr int kDtcsCode = 8;
inline constexpr int kDtcsPolarity = 9;
inline constexpr int kRxDtcsCode = 10;
inline constexpr int kCrossMode = 11;
inline constexpr int kMode = 12;
inline constexpr int kTStep = 13;
inline constexpr int kSkip = 14;
inline constexpr int kPower = 15;
inline constexpr int kComment = 16;
} // namespace ocol

using OtherRow = std::array<std::string, kOtherColumnCount>;

struct ConvertedRow {
    RowFields fields;
    RowExtras extras;
};

// Whether a line is that layout's heading, split at commas, semicolons or
// tabs, its cells quoted or not (more columns may follow it).
bool IsOtherHeading(std::string_view line);

// The position in OtherRow of a heading cell of that layout (any case, blanks
// around it left out), or -1 for a column its rows have no use for.
int OtherColumnOf(std::string_view cell);
// A file row read by its heading: each cell goes to the column its heading
// names; columns the heading lacks stay empty.
OtherRow OtherRowByHeading(const std::vector<std::string>& heading, const std::vector<std::string>& cells);

// One row of that layout as our row; the values it cannot keep are listed in
// its extras.
ConvertedRow FromOtherRow(const OtherRow& row);
// A row of such a file as the import wizard hands it over: the cells sit in
// the slots of the columns they were assigned to (Location in "Channel
// Number", Frequency in "Receive Frequency", Duplex in "Offset Direction",
// Offset in "Offset Frequency", Tone in "Tone Mode", rToneFreq in "CTCSS
// Tone", DtcsCode in "DCS Code", Mode in "Operating Mode", TStep in "Step",
// Power in "Tx Power"; Name and Comment in their own). The columns the wizard
// leaves out count as equal to their partners (cToneFreq to rToneFreq,
// RxDtcsCode to DtcsCode); CrossMode and Skip as empty.
OtherRow OtherRowFromSlots(const RowFields& slots);

// One of our rows (the 36 export texts) in that layout; `scan` is the row's
// scan value (0 scan, 1 skip, 2 preferential).
OtherRow ToOtherRow(const RowFields& ours, int scan);

// A line of that layout ending in a line feed: fields separated by commas and
// quoted as the export quotes them.
std::string OtherLine(const OtherRow& row);
std::string OtherHeadingLine();

// The whole file for a channel grid: the heading and a line per row that the
// export writes. For the Memories sheet `scanValues` is the image whose active
// Hyper Memory gives the Skip column; nullptr writes every row as scanned.
std::string BuildOtherExportText(const grid::CSpreadSheet1& grid, const radio::RadioImage* scanValues);
// Writes it to `path` whole or not at all; on failure the message is in `error`.
bool ExportOtherSheet(const grid::CSpreadSheet1& grid, const radio::RadioImage* scanValues, const std::string& path,
                      std::string& error);

} // namespace textio
