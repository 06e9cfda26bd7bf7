#pragma once
// The channel row commands of one view: Cut, Copy, Paste, Insert, Delete and
// Sort. They move whole rows of the current channel grid as grid text, so
// every column (frequencies, lists, check boxes with the bank membership,
// name, comment) travels with its channel; on the Memories sheet the
// per-channel rows of the five Hyper Memory settings grids (their columns 1
// and 2) move in step. The scan-limit rows 1001..1100 are never shifted or
// sorted. The image is not touched: the caller's next grid store carries the
// result into it, and the caller turns a change into one undo step.

// std
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// project
#include "grid/document_controller.h"

namespace grid {

// Slot 0 holds the channel rows, slot k (1..5) columns 1-2 of the same rows
// of Hyper Memory k's settings grid.
inline constexpr int kRowSlots = 1 + kHyperSheets;
// Channel rows that shift and sort on the Memories sheet.
inline constexpr int kShiftRows = radio::kMemoryCount;
// Columns of a settings grid that belong to a channel row.
inline constexpr int kSettingsRowCols = 2;

// The six text slots of the rows copied last. The program's are the main
// frame's, shared by every window, so rows copied from one file paste into
// another. Writing slot 0 empties slots 1..5.
class RowSlots {
public:
    virtual ~RowSlots() = default;
    virtual const std::string& Slot(int slot) const = 0;
    virtual void SetSlot(int slot, std::string text) = 0;
};

// Slots of one's own (a view outside the main frame, tests).
class RowClipboard : public RowSlots {
public:
    const std::string& Slot(int slot) const override;
    void SetSlot(int slot, std::string text) override;

private:
    std::array<std::string, kRowSlots> slots_{};
};

// The choices of the sort dialog, as its options record returns them.
struct SortChoice {
    int scope = 0;     // 0 selected channels, 1 all channels
    int order = 1;     // 1 ascending, 2 descending
    int firstKey = 1;  // column 1..35
    int secondKey = 0; // 0 none, else column 1..35
};
inline constexpr int kSortScopeSelected = 0;
inline constexpr int kSortScopeAll = 1;

inline constexpr const char* kInsertCaption = "Insert";
inline constexpr const char* kInsertWarning = "Upper memories will be lost.\nContinue?";
inline constexpr const char* kSortErrorCaption = "Sort Error";
inline constexpr const char* kSortNothingSelected = "No channels were selected for sorting.";
inline constexpr const char* kPasteCaption = "Paste";
// What a Paste tells when some of its channels found no row to take them.
std::string PasteSkippedText(int rows);

// What a command did to the grids.
struct RowChange {
    bool changed = false;
    int rows = 0; // channel rows the command worked on
};

// Name of the undo step of a row command: "Delete of 3 Channels".
std::string RowStepLabel(std::string_view command, int rows);

// The dialog of a sort: gets the column names and fills the choice; false
// when the user cancelled (or the dialog could not be shown).
using SortAsk = std::function<bool(const std::vector<std::string>& names, SortChoice& choice)>;

class RowCommands {
public:
    RowCommands(DocumentController& controller, RowSlots& texts);
    RowCommands(const RowCommands&) = delete;
    RowCommands& operator=(const RowCommands&) = delete;

    // The slots shared with the other windows.
    void SetSlots(RowSlots& texts);

    // Copy and Cut: false when nothing is selected (nothing was copied).
    bool Copy();
    bool Cut();
    RowChange Paste();
    // Asks before pushing channels past row 1000 out.
    RowChange Insert();
    RowChange Delete();
    RowChange Sort(const SortAsk& ask);
    // The selected channels one row up (delta -1) or down (+1), or to where
    // their first lands on row `dest`; the channels they pass move the other
    // way. Memories rows 1..1000 only; the selection goes with the channels.
    RowChange Move(int delta);
    RowChange MoveTo(int dest);

    // Rows moved under a pending cut (an undo, a reload): the cut is dropped
    // so a later Paste clears nothing.
    void ForgetCut() { cut_.reset(); }
    bool CutPending() const { return cut_.has_value(); }

    // The header texts of columns 1..35 with line breaks as spaces.
    static std::vector<std::string> SortNames(const CSpreadSheet1& grid);

private:
    struct Rows {
        int first = 0;
        int last = 0;
    };
    struct PendingCut {
        Rows rows;
        std::string text; // slot 0 as the cut wrote it
    };
    // Where a paste put the rows it held.
    struct Landing {
        int first = 0;
        std::vector<bool> written; // per target row from `first`: the row took its line
        std::vector<bool> lines;   // per line of slot 0: it landed on some row
        bool Wrote(int row) const
        {
            const int i = row - first;
            return i >= 0 && i < static_cast<int>(written.size()) && written[static_cast<std::size_t>(i)];
        }
    };

    // The selection of the current grid, or nothing when none.
    std::optional<Rows> Selection() const;
    // The selection cut to the channel rows that shift, on the Memories sheet.
    std::optional<Rows> ShiftSelection() const;
    bool OnMemories() const;
    // Rows held in slot 0, 0 when none.
    int HeldRows() const;
    // Target end row of a paste region starting at `row`.
    int RegionEnd(int row) const;
    // A line of slot 0 that row `row` of the current sheet can take: an
    // empty row, a memory, or a channel whose frequencies a band row takes.
    bool Fits(int row, std::string_view line) const;
    void WriteRow(CSpreadSheet1& grid, int row, std::string_view line, bool scanLimit);
    void ClearRows(int first, int last);
    void CopyRows(int first, int last, int dest);
    void ReorderRows(int first, int last, const std::vector<int>& order);
    void ClearLandedCut(const Landing& landing);
    bool AskInsert(int keepLast);

    DocumentController& controller_;
    RowSlots* slots_;
    std::optional<PendingCut> cut_;
};

} // namespace grid
