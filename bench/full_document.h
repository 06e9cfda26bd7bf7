#pragma once
// A radio data file with every one of the 1100 channel records in use, each
// with a name, a comment and (for memories) a bank: the heaviest file a user
// can have. Made once per run in the temporary folder.

// std
#include <filesystem>
#include <string>

// project
#include "radio/frequency.h"
#include "radio/lists.h"
#include "radio/main_doc.h"

namespace bench {

inline void FillEveryChannel(radio::CMainDoc& doc)
{
    doc.OnNewDocument();
    for (int i = 0; i < radio::kChannelCount; ++i) {
        std::uint8_t* rec = doc.Record(radio::kSheetMemories, i);
        std::fill(rec, rec + radio::kChannelRecordSize, 0);
        const std::int32_t rx = 144000000 + 25000 * i;
        rec[0] = 0x80;
        radio::EncodeFrequency(rx, rec + 1);
        radio::EncodeFrequency(rx, rec + 5);
        rec[8] = static_cast<std::uint8_t>(i % 50);
        rec[12] = 12; // 600 kHz
        std::uint8_t* name = doc.NameRecord(radio::kSheetMemories, i);
        radio::EncodeName("CH" + std::to_string(i % 1000), name);
        name[7] |= 0x80;
        doc.SetComment(i, "Channel comment " + std::to_string(i));
        if (i < radio::kMemoryCount)
            doc.SetBankBit(i % radio::kBankCount, i, true);
    }
}

inline std::string FullFile()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "ostrel-bench-full.rdf").string();
        radio::CMainDoc doc('.');
        FillEveryChannel(doc);
        doc.Save(p);
        return p;
    }();
    return path;
}

} // namespace bench
