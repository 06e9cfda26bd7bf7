#pragma once
// Documents for the row command tests: channels written into the image the
// way the radio keeps them, then shown by a grid load.

// std
#include <algorithm>
#include <cstdint>
#include <string>

// project
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/hyper_area.h"
#include "radio/lists.h"
#include "radio/main_doc.h"

namespace test_rows {

struct Channel {
    std::int32_t rx = 145000000;
    std::string name;
    std::string comment;
    int bank = -1;     // 0..19, -1 for none
    int scan = 0;      // scan value in Hyper Memory 1
    int power = 0;     // list position of "Tx Power"
};

// Channel `index` (0-based) of the Memories sheet, or a scan-limit record from 1000 on.
inline void PutChannel(radio::CMainDoc& doc, int index, const Channel& channel)
{
    std::uint8_t* rec = doc.Record(radio::kSheetMemories, index);
    std::fill(rec, rec + radio::kChannelRecordSize, std::uint8_t{0});
    rec[0] = 0x80; // in use, simplex
    radio::EncodeFrequency(channel.rx, rec + 1);
    radio::EncodeFrequency(channel.rx, rec + 5);
    rec[8] = static_cast<std::uint8_t>(channel.power << 6 | 12); // CTCSS 100.0 Hz
    rec[12] = 12;                                                 // offset 600 kHz in 50 kHz units
    std::uint8_t* name = doc.NameRecord(radio::kSheetMemories, index);
    radio::EncodeName(channel.name, name);
    if (!channel.name.empty())
        name[7] |= 0x80;
    doc.SetComment(index, channel.comment);
    if (index < radio::kMemoryCount) {
        if (channel.bank >= 0)
            doc.SetBankBit(channel.bank, index, true);
        radio::SetScanValue(doc.Image(), 0, index, channel.scan);
    }
}

} // namespace test_rows
