#include "radio/default_image.h"

// std
#include <algorithm>
#include <cstring>

// project
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"

namespace radio {
namespace {

// The identifier a radio of this model sends first in its clone stream.
constexpr char kIdentifierText[] = "AH016$Q$";

// One band record of the template.
struct TemplateRecord {
    std::int32_t rx;
    int direction;
    int step; // step code
};

// Step codes: 5 kHz (0) is the finest step below 700 MHz; the 850 band has no
// 5 kHz step, so it starts on its finest, 10 kHz (1).
constexpr int kStep5k = 0;
constexpr int kStep10k = 1;

// Home channels, one per band: the national calling frequencies where a band
// has one (146.520 and 446.000 MHz, both simplex), else the lower band edge
// rounded to a whole MHz that every step fits.
constexpr TemplateRecord kHomeBands[kBandCount] = {
    {146520000, kSimplex, kStep5k},
    {250000000, kSimplex, kStep5k},
    {350000000, kSimplex, kStep5k},
    {446000000, kSimplex, kStep5k},
    {850000000, kSimplex, kStep10k},
};

// Memory 1, the one channel in use: a plain simplex frequency in the 430 band.
constexpr TemplateRecord kMemory1 = {430000000, kSimplex, kStep5k};

// Set-mode bytes (image 56..71) of a radio fresh from a reset. Bytes not listed
// are 0, which is the first choice of every setting that lives there (auto
// power off and time-out timer off, lock off, squelch off, dimmer off, ARTS
// off, DTMF digit 0 of memory D1, Hyper Memory 1 active, no split tone).
struct ByteValue {
    std::size_t offset;
    std::uint8_t value;
};
constexpr ByteValue kSetMode[] = {
    // Programmable keys P1..P4 store their function + 26: each starts on the
    // first function, "Priority", so no key holds a code outside its list.
    {61, 26},
    {62, 26},
    {63, 26},
    {64, 26},
    // Beep on key presses (bit 5), as a radio comes from the factory.
    {68, 0x20},
};

// The 100.0 Hz tone (index 12) that new channels get, so that switching on a
// tone mode gives the most used repeater tone.
constexpr int kToneIndex = 12;

void WriteRecord(std::uint8_t* record, const TemplateRecord& band)
{
    std::fill_n(record, kChannelRecordSize, std::uint8_t{0});
    SetField(record, ChannelField::InUse, 1);
    SetField(record, ChannelField::Receive, band.rx);
    SetField(record, ChannelField::Transmit, band.rx);
    SetField(record, ChannelField::Direction, band.direction);
    // The offset a repeater in that band usually has, ready for a shift.
    SetField(record, ChannelField::Offset, DefaultOffset(band.rx));
    SetField(record, ChannelField::Step, band.step);
    SetField(record, ChannelField::Ctcss, kToneIndex);
}

RadioImage Build()
{
    // Unused memories, names, bank bitmaps and scan values are all zero: an
    // empty channel, no name, no bank member, "Scan" in every Hyper Memory.
    RadioImage image{};
    std::memcpy(image.data() + offs::kIdentifier, kIdentifierText, 8);
    for (const ByteValue& byte : kSetMode)
        image[byte.offset] = byte.value;

    // DTMF memories and CW ID empty: 0xFF ends a text there.
    std::fill_n(image.begin() + offs::kDtmf, kDtmfCount * 16, std::uint8_t{0xFF});
    std::fill_n(image.begin() + offs::kCwId, 6, std::uint8_t{0xFF});

    WriteRecord(image.data() + ChannelOffset(0), kMemory1);
    for (int band = 0; band < kBandCount; ++band) {
        const TemplateRecord& record = kHomeBands[band];
        WriteRecord(image.data() + offs::kHome + kChannelRecordSize * static_cast<std::size_t>(band), record);
        // Every Hyper Memory starts on the Home channels with default settings
        // (all zero: VFO mode, memory 1, menu 1, no bank links).
        for (int k = 0; k < kHyperCount; ++k)
            WriteRecord(image.data() + HyperAreaOffset(k) + kChannelRecordSize * static_cast<std::size_t>(band), record);
    }
    // The VFO area and the current settings mirror the active Hyper Memory 1.
    CopyHyperToVfo(image, 0);
    image[offs::kChecksum] = ImageChecksum(image);
    return image;
}

} // namespace

const RadioImage& DefaultImage()
{
    static const RadioImage image = Build();
    return image;
}

} // namespace radio
