#pragma once
// The conversion of imported rows into memory channels: each row becomes a
// channel record, its name record, its bank bits and its comment in the
// document's image. Rows always go to the Memories records (1100 rows, the
// memories then the scan limits), whichever sheet is shown.

// std
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// project
#include "platform/locale.h"
#include "radio/radio_model.h"
#include "textio/import_columns.h"

namespace textio {

// The UTF-8 byte order mark that may open a text file or a pasted text.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class DropReason {
    EmptyRow,       // the row has no field at all
    OutsideSheet,   // its channel is below 1 or past the last channel
    NoFreeChannel,  // no free channel at or after its channel (without overwrite)
    BadReceive,     // the receive frequency is missing or the radio cannot take it
};
inline constexpr int kDropReasonCount = 4;

// A short description of each reason, for reports ("receive frequency refused").
const char* DropReasonText(DropReason reason);

struct ImportCounts {
    int placed = 0;
    std::array<int, kDropReasonCount> dropped{};
    // Fields of placed rows that the radio cannot take (a transmit frequency
    // or an offset): never stored, the row keeps what it gets without them.
    int refused = 0;
    // Values of placed rows the radio has no place for, by their column and
    // why ("Duplex (transmit off not kept)"); the row is placed without them.
    std::map<std::string, int> notKept;
    // Heading cells of the file's columns that nothing reads, in file order.
    std::vector<std::string> unusedColumns;

    int Dropped(DropReason reason) const { return dropped[static_cast<std::size_t>(reason)]; }
    int DroppedTotal() const;
    // The reason that dropped the most rows (the first of equals); EmptyRow
    // when none was dropped.
    DropReason MainDropReason() const;
};

// The counts as the command line prints them and the import wizard shows
// them before Finish, one line each:
//   Rows placed: 3
//   Fields refused: 0
//   Rows dropped: 1
//     no field at all: 0
//     ... (every reason)
//   Values not kept: 2            (only when there are some)
//     Duplex (transmit off not kept): 2
//   Columns not used: URCALL, RPT1CALL   (only when there are some)
std::string CountsText(const ImportCounts& counts);

// What a row can carry beyond the 36 columns (rows of other programs' layouts).
struct RowExtras {
    int scan = -1; // scan value for every Hyper Memory (0 scan, 1 skip, 2 preferential), -1 keep
    std::vector<std::string> notKept; // values of the row that are not kept, as ImportCounts::notKept names them
};

class RowImporter {
public:
    // `present`: the columns the file feeds. Only "Show Name" and "Clock Shift"
    // look at it: a file without them shows every non-empty name and keeps
    // the clock shift bit.
    explicit RowImporter(radio::RadioModel& model, ColumnSet present = ColumnSet());

    // One row, handed over with the channel index the caller assigns (0-based:
    // the start channel less one plus the rows already handed over).
    // Returns whether the row was placed.
    bool PlaceRow(const RowFields& fields, int channelIndex, bool overwrite, const RowExtras& extras = {});
    // The same for a row record of kImportColumns slots.
    bool PlaceRecord(const void* record, int channelIndex, bool overwrite);

    const ImportCounts& Counts() const { return counts_; }
    // Whether the file turned out to count its channels from 0.
    bool ZeroBased() const { return zeroBased_; }
    // Channel record (0..1099) of the row placed last, -1 before the first.
    int LastChannel() const { return last_; }

private:
    int TargetOf(const RowFields& fields, int channelIndex);
    int ChannelFor(int target, bool overwrite) const;
    bool Drop(DropReason reason);
    void StoreRow(const RowFields& fields, int channel, std::int32_t rx, const RowExtras& extras);

    radio::RadioModel& model_;
    ColumnSet present_;
    bool zeroBased_ = false;
    int last_ = -1;
    ImportCounts counts_;
};

// A model over a copy of an image, for counting without changing anything.
class ScratchModel : public radio::RadioModel {
public:
    explicit ScratchModel(const radio::RadioImage& image) : RadioModel(platform::DecimalSeparator()), image_(image) {}
    radio::RadioImage& Image() override { return image_; }
    const radio::RadioImage& Image() const override { return image_; }

private:
    radio::RadioImage image_;
};

} // namespace textio
