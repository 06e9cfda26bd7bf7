#pragma once
// The differences between two radio images (and their comments, where both
// sides have them) in the user's words: one line per changed field, channel,
// bank membership, setting or DTMF memory, and bytes that nothing shows by
// area and offset, so every differing byte is covered by some line.

// std
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// project
#include "radio/document_data.h"
#include "radio/radio_image.h"
#include "radio/settings_record.h"

namespace radio {

using CommentSlots = std::array<std::uint8_t, kCommentSlots * kCommentSlotSize>;

// Where a difference lies, for sorting, filtering and counting.
enum class DiffArea {
    Memory,   // memories 1..1000 and the scan limits (rows 1001..1100)
    Bank,     // bank membership
    Vfo,      // the VFO area
    Home,     // Home band records and names
    Hyper,    // Hyper Memory channel records and their settings
    Settings, // set-mode menu, CW ID, current state
    Dtmf,     // DTMF memories
    Comment,  // comments of the radio data file
    Bytes,    // bytes that no column or control shows
};

struct Difference {
    DiffArea area = DiffArea::Bytes;
    std::string place;  // "Memory 12", "Bank 3", "Hyper Memory 2", "Home 430", "Settings", "DTMF 5",
                        // "Comment of Memory 7", "Bytes 31560"
    std::string field;  // "Receive Frequency", "Memory 12", "Lock"; empty for a whole channel
    std::string before; // text as the window shows it; "(none)" for an empty value
    std::string after;
    std::string event;  // for a whole channel: "added", "removed", "moved to Memory 40"; else empty

    // Where the window shows it: sheet kind (kSheetMemories..), grid row
    // (1-based) and column (col::); -1 where no grid cell shows it.
    int sheet = -1;
    int row = -1;
    int column = -1;

    // "Memory 12: Receive Frequency 146.52000 -> 146.94000", "Memory 40: added".
    std::string Text() const;
    bool operator==(const Difference&) const = default;
};

struct CompareSide {
    const RadioImage* image = nullptr;
    const CommentSlots* comments = nullptr; // comments are compared only when both sides have them
};

// The differences from `before` to `after`, in image order.
std::vector<Difference> CompareImages(const CompareSide& before, const CompareSide& after);

// The differences between two setting files' settings blocks (settings and
// DTMF memories), bytes nothing shows by offset into the block.
std::vector<Difference> CompareSettings(const SettingsRecord& before, const SettingsRecord& after);

// The channel field a grid column shows, by its heading on one line
// ("Receive Frequency", "Bank 3"); empty for other columns.
std::string ChannelFieldName(int column);

// The area's name for scripts ("Memory", "Hyper Memory", "Bytes") and the
// part of the place after it ("12", "2 430", "31560"; empty for "Settings").
std::string AreaName(DiffArea area);
std::string PlaceNumber(const Difference& difference);

// "14 memories and 3 settings change", "Nothing changes": what the lines add
// up to, each channel or setting counted once.
std::string SummaryText(const std::vector<Difference>& differences);

} // namespace radio
