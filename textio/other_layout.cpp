#include "textio/other_layout.h"

// std
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

// project
#include "portkit/core/import_table.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "textio/export.h"
#include "textio/import_rules.h"

namespace textio {
namespace {

constexpr int kToneNone = 0;
constexpr int kToneEnc = 1;
constexpr int kToneEncDec = 2;
constexpr int kToneDcs = 4;
constexpr int kToneD = 5;
constexpr int kToneEncDcs = 6;
constexpr int kToneDDec = 7;

// Where the tone columns of our row come from: rToneFreq, cToneFreq, DtcsCode, RxDtcsCode.
enum class Source { R, C, Tx, Rx };

// One of that layout's tone settings and our tone mode for it.
struct ToneEntry {
    const char* tone;      // the Tone column
    const char* crossMode; // the CrossMode column when Tone is "Cross", else ""
    int mode;
    Source ctcss;
    Source dcs;
};
constexpr std::array<ToneEntry, 12> kTones{{
    {"", "", kToneNone, Source::R, Source::Tx},
    {"Tone", "", kToneEnc, Source::R, Source::Tx},
    {"TSQL", "", kToneEncDec, Source::C, Source::Tx},
    {"DTCS", "", kToneDcs, Source::R, Source::Tx},
    {"Cross", "Tone->DTCS", kToneEncDcs, Source::R, Source::Rx},
    {"Cross", "DTCS->Tone", kToneDDec, Source::C, Source::Tx},
    {"Cross", "DTCS->", kToneD, Source::R, Source::Tx},
    {"Cross", "Tone->Tone", kToneEncDec, Source::R, Source::Tx},
    {"Cross", "->Tone", kToneEncDec, Source::C, Source::Tx},
    {"Cross", "Tone->", kToneEnc, Source::R, Source::Tx},
    {"Cross", "DTCS->DTCS", kToneDcs, Source::R, Source::Tx},
    {"Cross", "->DTCS", kToneDcs, Source::R, Source::Rx},
}};

struct DuplexEntry {
    const char* duplex;
    const char* direction; // our direction list text
};
constexpr std::array<DuplexEntry, 5> kDuplex{{
    {"", "Simplex"}, {"+", "Plus"}, {"-", "Minus"}, {"split", "Split"}, {"off", "Simplex"},
}};

// Watts written for our power levels, and the least watts read as each.
struct PowerEntry {
    const char* written;
    double from;
};
constexpr std::array<PowerEntry, 4> kPower{{{"50W", 35.0}, {"20W", 15.0}, {"10W", 7.5}, {"5W", 0.0}}};

// Our step codes 0..7 in kHz.
constexpr std::array<const char*, 8> kStepKhz{"5.00", "10.00", "12.50", "15.00", "20.00", "25.00", "50.00", "100.00"};

constexpr std::array<const char*, 3> kSkip{"", "S", "P"};

// Values not kept, each under its column.
constexpr const char* kTransmitOff = "Duplex (transmit off not kept)";
constexpr const char* kUnknownDuplex = "Duplex (no such direction)";
constexpr const char* kUnknownMode = "Mode (a mode the radio cannot use)";
constexpr const char* kUnknownStep = "TStep (a step the radio has not)";
constexpr const char* kUnknownTone = "Tone (a tone setting the radio has not)";
constexpr const char* kPolarity = "DtcsPolarity (other than NN)";
constexpr std::array<const char*, 4> kModes{"", "FM", "NFM", "AM"};

const std::string& Cell(const OtherRow& row, int column) { return row[static_cast<std::size_t>(column)]; }
std::string& Cell(OtherRow& row, int column) { return row[static_cast<std::size_t>(column)]; }
std::string& Field(RowFields& fields, int column) { return fields[static_cast<std::size_t>(column)]; }
const std::string& Field(const RowFields& fields, int column) { return fields[static_cast<std::size_t>(column)]; }

bool Same(const std::string& a, const char* b) { return ::strcasecmp(a.c_str(), b) == 0; }

std::string Mhz(std::int32_t hz)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%06d", hz / 1000000, hz % 1000000);
    return buffer;
}

const std::string& ToneSource(const OtherRow& row, Source source)
{
    switch (source) {
    case Source::R:
        return Cell(row, ocol::kRToneFreq);
    case Source::C:
        return Cell(row, ocol::kCToneFreq);
    case Source::Tx:
        return Cell(row, ocol::kDtcsCode);
    case Source::Rx:
        break;
    }
    return Cell(row, ocol::kRxDtcsCode);
}

const ToneEntry* FindTone(const std::string& tone, const std::string& crossMode)
{
    for (const ToneEntry& entry : kTones)
        if (Same(tone, entry.tone) && (!Same(tone, "Cross") || crossMode == entry.crossMode))
            return &entry;
    return nullptr;
}

void ReadDuplex(const OtherRow& row, RowFields& fields, std::vector<std::string>& notKept)
{
    const std::string& duplex = Cell(row, ocol::kDuplex);
    const std::string& offset = Cell(row, ocol::kOffset);
    Field(fields, icol::kDirection) = "Simplex";
    const auto known = std::find_if(kDuplex.begin(), kDuplex.end(),
                                    [&duplex](const DuplexEntry& entry) { return Same(duplex, entry.duplex); });
    if (known != kDuplex.end())
        Field(fields, icol::kDirection) = known->direction;
    if (known == kDuplex.end() || Same(duplex, "off"))
        notKept.emplace_back(known == kDuplex.end() ? kUnknownDuplex : kTransmitOff);
    if (Field(fields, icol::kDirection) == "Split")
        Field(fields, icol::kTransmit) = offset;
    else if (radio::ParseFrequency(offset) > 0)
        Field(fields, icol::kOffset) = offset;
}

void ReadTone(const OtherRow& row, RowFields& fields, std::vector<std::string>& notKept)
{
    const ToneEntry* entry = FindTone(Cell(row, ocol::kTone), Cell(row, ocol::kCrossMode));
    static constexpr ToneEntry kUnknown{"", "", kToneNone, Source::R, Source::Tx};
    if (entry == nullptr) {
        entry = &kUnknown;
        notKept.emplace_back(kUnknownTone);
    }
    static const std::vector<std::string> modes = radio::SplitList(radio::lists::kToneMode);
    Field(fields, icol::kToneMode) = modes[static_cast<std::size_t>(entry->mode)];
    Field(fields, icol::kCtcss) = ToneSource(row, entry->ctcss);
    Field(fields, icol::kDcs) = ToneSource(row, entry->dcs);
}

void ReadMode(const OtherRow& row, RowFields& fields, std::vector<std::string>& notKept)
{
    const std::string& mode = Cell(row, ocol::kMode);
    if (std::none_of(kModes.begin(), kModes.end(), [&mode](const char* known) { return Same(mode, known); }))
        notKept.emplace_back(kUnknownMode);
    Field(fields, icol::kMode) = Same(mode, "AM") ? "AM" : "FM";
    Field(fields, icol::kNarrow) = Same(mode, "NFM") ? "On" : "Off";
}

bool IsKnownStep(const std::string& khz)
{
    const double value = std::strtod(khz.c_str(), nullptr);
    return std::any_of(kStepKhz.begin(), kStepKhz.end(),
                       [value](const char* step) { return std::fabs(std::strtod(step, nullptr) - value) < 1e-6; });
}

std::string StepText(const std::string& khz, std::vector<std::string>& notKept)
{
    if (khz.empty())
        return {};
    if (!IsKnownStep(khz))
        notKept.emplace_back(kUnknownStep);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g kHz", std::strtod(khz.c_str(), nullptr));
    return buffer;
}

std::string PowerText(const std::string& power)
{
    char* end = nullptr;
    const double watts = std::strtod(power.c_str(), &end);
    if (end == power.c_str())
        return power; // no number: "High", "Low" ...
    static const std::vector<std::string> words = radio::SplitList(radio::lists::kPower);
    for (std::size_t level = 0; level < kPower.size(); ++level)
        if (watts >= kPower[level].from)
            return words[level];
    return words.back();
}

int ScanOf(const std::string& skip)
{
    if (Same(skip, "S"))
        return 1;
    return Same(skip, "P") ? 2 : 0;
}

std::string ToneText(int ctcssIndex)
{
    const int tenths = radio::CtcssTones()[static_cast<std::size_t>(ctcssIndex < 0 ? 12 : ctcssIndex)];
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d.%d", tenths / 10, tenths % 10);
    return buffer;
}

} // namespace

bool IsOtherHeading(std::string_view line) { return portkit::IsOtherProgramHeading(line); }

int OtherColumnOf(std::string_view cell)
{
    for (int column = 0; column < kOtherColumnCount; ++column)
        if (portkit::SameHeading(cell, kOtherHeadings[static_cast<std::size_t>(column)]))
            return column;
    return -1;
}

OtherRow OtherRowByHeading(const std::vector<std::string>& heading, const std::vector<std::string>& cells)
{
    OtherRow row;
    for (std::size_t k = 0; k < heading.size() && k < cells.size(); ++k)
        if (const int column = OtherColumnOf(heading[k]); column >= 0 && Cell(row, column).empty())
            Cell(row, column) = cells[k];
    return row;
}

ConvertedRow FromOtherRow(const OtherRow& row)
{
    ConvertedRow converted;
    if (std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); }))
        return converted; // a row with no field stays one
    RowFields& fields = converted.fields;
    std::vector<std::string>& notKept = converted.extras.notKept;
    Field(fields, icol::kChannel) = Cell(row, ocol::kLocation);
    Field(fields, icol::kReceive) = Cell(row, ocol::kFrequency);
    Field(fields, icol::kName) = Cell(row, ocol::kName);
    ReadDuplex(row, fields, notKept);
    ReadTone(row, fields, notKept);
    ReadMode(row, fields, notKept);
    const std::string& polarity = Cell(row, ocol::kDtcsPolarity);
    if (!polarity.empty() && !Same(polarity, "NN"))
        notKept.emplace_back(kPolarity);
    Field(fields, icol::kStep) = StepText(Cell(row, ocol::kTStep), notKept);
    Field(fields, icol::kPower) = PowerText(Cell(row, ocol::kPower));
    Field(fields, icol::kComment) = Cell(row, ocol::kComment);
    converted.extras.scan = ScanOf(Cell(row, ocol::kSkip));
    return converted;
}

OtherRow OtherRowFromSlots(const RowFields& slots)
{
    OtherRow row;
    Cell(row, ocol::kLocation) = Field(slots, icol::kChannel);
    Cell(row, ocol::kName) = Field(slots, icol::kName);
    Cell(row, ocol::kFrequency) = Field(slots, icol::kReceive);
    Cell(row, ocol::kDuplex) = Field(slots, icol::kDirection);
    Cell(row, ocol::kOffset) = Field(slots, icol::kOffset);
    Cell(row, ocol::kTone) = Field(slots, icol::kToneMode);
    Cell(row, ocol::kRToneFreq) = Field(slots, icol::kCtcss);
    Cell(row, ocol::kCToneFreq) = Field(slots, icol::kCtcss);
    Cell(row, ocol::kDtcsCode) = Field(slots, icol::kDcs);
    Cell(row, ocol::kRxDtcsCode) = Field(slots, icol::kDcs);
    Cell(row, ocol::kMode) = Field(slots, icol::kMode);
    Cell(row, ocol::kTStep) = Field(slots, icol::kStep);
    Cell(row, ocol::kPower) = Field(slots, icol::kPower);
    Cell(row, ocol::kComment) = Field(slots, icol::kComment);
    return row;
}

OtherRow ToOtherRow(const RowFields& ours, int scan)
{
    OtherRow row;
    Cell(row, ocol::kLocation) = Field(ours, icol::kChannel);
    Cell(row, ocol::kName) = Field(ours, icol::kName);
    const std::int32_t rx = radio::ParseFrequency(Field(ours, icol::kReceive));
    Cell(row, ocol::kFrequency) = Mhz(rx);

    const int direction = DirectionCodeFromText(Field(ours, icol::kDirection));
    for (const DuplexEntry& entry : kDuplex)
        if (DirectionCodeFromText(entry.direction) == direction) {
            Cell(row, ocol::kDuplex) = entry.duplex;
            break;
        }
    const bool split = direction == radio::kSplit;
    Cell(row, ocol::kOffset) = Mhz(radio::ParseFrequency(Field(ours, split ? icol::kTransmit : icol::kOffset)));

    const int mode = ToneModeFromText(Field(ours, icol::kToneMode));
    Cell(row, ocol::kTone) = "";
    Cell(row, ocol::kCrossMode) = "Tone->Tone";
    for (const ToneEntry& entry : kTones)
        if (entry.mode == mode) {
            Cell(row, ocol::kTone) = entry.tone;
            if (*entry.crossMode != '\0')
                Cell(row, ocol::kCrossMode) = entry.crossMode;
            break;
        }
    const std::string tone = ToneText(radio::CtcssIndexFromText(Field(ours, icol::kCtcss)));
    Cell(row, ocol::kRToneFreq) = tone;
    Cell(row, ocol::kCToneFreq) = tone;
    Cell(row, ocol::kDtcsCode) = Field(ours, icol::kDcs);
    Cell(row, ocol::kRxDtcsCode) = Field(ours, icol::kDcs);
    Cell(row, ocol::kDtcsPolarity) = "NN";

    const bool am = Same(Field(ours, icol::kMode), "AM");
    Cell(row, ocol::kMode) = am ? "AM" : ReadYesNo(Field(ours, icol::kNarrow)) ? "NFM" : "FM";
    Cell(row, ocol::kTStep) = kStepKhz[static_cast<std::size_t>(StepCodeFromHz(radio::ParseFrequency(Field(ours, icol::kStep))))];
    Cell(row, ocol::kSkip) = kSkip[static_cast<std::size_t>(scan >= 0 && scan < 3 ? scan : 0)];
    Cell(row, ocol::kPower) = kPower[static_cast<std::size_t>(PowerFromText(Field(ours, icol::kPower)))].written;
    Cell(row, ocol::kComment) = Field(ours, icol::kComment);
    return row;
}

std::string OtherLine(const OtherRow& row)
{
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
        if (k > 0)
            line += ',';
        line += QuotedField(row[k], ',');
    }
    return line + '\n';
}

std::string OtherHeadingLine()
{
    OtherRow heading;
    for (std::size_t k = 0; k < heading.size(); ++k)
        heading[k] = kOtherHeadings[k];
    return OtherLine(heading);
}

std::string BuildOtherExportText(const grid::CSpreadSheet1& grid, const radio::RadioImage* scanValues)
{
    std::string text = OtherHeadingLine();
    const int hyper = scanValues != nullptr ? radio::ActiveHyperArea(*scanValues) : 0;
    for (int row = 1; row <= grid.RowCount(); ++row) {
        if (!IsExportedRow(grid, row))
            continue;
        const int scan = scanValues != nullptr ? radio::ScanValue(*scanValues, hyper, row - 1) : 0;
        text += OtherLine(ToOtherRow(ExportFields(grid, row), scan));
    }
    return text;
}

bool ExportOtherSheet(const grid::CSpreadSheet1& grid, const radio::RadioImage* scanValues, const std::string& path,
                      std::string& error)
{
    return WriteExportFile(BuildOtherExportText(grid, scanValues), path, error);
}

} // namespace textio
