#pragma once
// The Edit menu's row commands as one view runs them: each changing command
// becomes one named step of the document's history, and Copy and Cut also
// leave the rows on the desktop's clipboard as tab-separated text (the
// export's columns under its heading line) for other programs. Beside the
// text goes a stamp of this program's own type, so that a Paste can tell its
// own rows (held in the text slots) from text another program put there.

// std
#include <optional>
#include <string>
#include <utility>

// project
#include "grid/row_commands.h"

namespace grid {

enum class RowCommand { Cut, Copy, Paste, Insert, Delete, Sort };

// The clipboard type of the stamp that marks rows this program copied.
inline constexpr const char* kRowsStampType = "application/x-ostrel-rows";

class RowCommandRunner {
public:
    explicit RowCommandRunner(DocumentController& controller);
    RowCommandRunner(const RowCommandRunner&) = delete;
    RowCommandRunner& operator=(const RowCommandRunner&) = delete;

    // Runs one command; true when the document's history gained a step.
    bool Run(RowCommand command);

    // Moves the selected channels one row (delta -1 up, +1 down), or so that
    // the first lands on row `dest`: the step "Move Rows". True when the
    // history gained a step.
    bool Move(int delta);
    bool MoveTo(int dest);

    // The slots shared by every window; until they are given the view keeps its own.
    void SetSlots(RowSlots& texts) { commands_.SetSlots(texts); }
    // The dialog that asks how to sort; unset, Sort does nothing.
    void SetSortDialog(SortAsk ask) { sortAsk_ = std::move(ask); }
    // The grids were loaded anew (undo, redo, a read): a pending cut is dropped.
    void ForgetCut() { commands_.ForgetCut(); }

    // The desktop clipboard's text for rows r1..r2 of a channel grid: the
    // export's heading line and the line of each row holding a channel.
    static std::string DesktopText(const CSpreadSheet1& grid, int r1, int r2);

    // The desktop clipboard's text when another program put it there (or
    // another run of this program), as single-byte text; nothing when the
    // clipboard holds the rows this program copied last, or no text.
    static std::optional<std::string> OtherProgramsText();

private:
    void PutOnDesktopClipboard();

    DocumentController& controller_;
    RowClipboard ownSlots_;
    RowCommands commands_;
    SortAsk sortAsk_;
};

} // namespace grid
