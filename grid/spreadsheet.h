#pragma once
// CSpreadSheet1: the cell store behind every grid of the program. It holds
// texts, list selections, check states and cell formats, knows nothing of any
// window, and tells an attached observer exactly what changed so a view can
// repaint just that. Events that a view raises (cell changed, leave cell, ...)
// reach the program's logic through the handlers in SheetEvents.
//
// Columns and rows count from 1; row 0 holds the column headers and column 0
// the row labels. Both are ordinary cells. Sizes are in twips (1/1440 inch).

// std
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace grid {

enum class CellKind : std::uint8_t {
    Text,     // free text, optionally upper-cased and length-limited
    Number,   // a number shown with a fixed count of decimals
    List,     // a choice from a fixed list; the text is the chosen item
    EditList, // a choice from a list, or free text not in the list
    CheckBox, // reads "1" when set, "0" when clear
};

enum class SortOrder : std::uint8_t { Ascending = 1, Descending = 2 };

// The items of a list cell. One list object is shared by every cell that
// offers it, so a 1000-entry list costs its memory once.
using ItemList = std::vector<std::string>;
using ListPtr = std::shared_ptr<const ItemList>;

// Splits a tab-separated text into a list ("A\tB" -> {"A", "B"}).
ListPtr MakeList(std::string_view tabSeparated);

// An inclusive rectangle of cells. Parts outside the sheet are ignored.
struct Block {
    int col = 0;
    int row = 0;
    int col2 = 0;
    int row2 = 0;

    static Block Cell(int col, int row) { return {col, row, col, row}; }
    bool Contains(int c, int r) const { return c >= col && c <= col2 && r >= row && r <= row2; }
    bool Empty() const { return col2 < col || row2 < row; }
    bool operator==(const Block&) const = default;
};

struct SortKey {
    int col = 1;
    SortOrder order = SortOrder::Ascending;
};

inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr int kDefaultColWidth = 960;  // twips (64 pixels at 96 dpi)
inline constexpr int kDefaultRowHeight = 300; // twips (20 pixels at 96 dpi)
inline constexpr int kCharWidth = 120;        // twips per character of the grid's font

// What a view needs to hear to stay in step with the store. Every method has
// an empty default so an observer overrides only what it shows.
class SheetObserver {
public:
    virtual ~SheetObserver() = default;
    // Content or format of the cells in the block changed (headers included:
    // row 0 / column 0 lie inside the block).
    virtual void CellsChanged(const Block& /*block*/) {}
    // Row or column count is about to change / has changed.
    virtual void StructureAboutToChange() {}
    virtual void StructureChanged() {}
    // Hidden state or width of columns col..col2 changed.
    virtual void ColumnsChanged(int /*col*/, int /*col2*/) {}
    // Height of rows row..row2 changed.
    virtual void RowsChanged(int /*row*/, int /*row2*/) {}
    virtual void FrozenChanged() {}
    virtual void ActiveCellChanged() {}
    virtual void EditModeChanged() {}
    virtual void SelectionChanged() {}
};

// Handlers for the events the window layer raises. Unset handlers are skipped.
struct SheetEvents {
    // A check box or button was clicked; state is the new state (1 set, 0 clear).
    std::function<void(int col, int row, int state)> buttonClicked;
    // The user changed a cell's content.
    std::function<void(int col, int row)> change;
    // An edit was refused by the grid itself (code 1: the cell is locked).
    std::function<void(int col, int row, int code)> editError;
    // Edit mode entered (mode 1) or left (mode 0); changed tells the text changed.
    std::function<void(int col, int row, int mode, bool changed)> editMode;
    // The active cell is about to move; set cancel to keep it where it is.
    std::function<void(int col, int row, int newCol, int newRow, bool& cancel)> leaveCell;
    // The active row is about to change; set cancel to keep it.
    std::function<void(int row, int newRow, bool& cancel)> leaveRow;
    // A list cell's selection changed.
    std::function<void(int col, int row)> listSelChange;
    // A character typed into the active cell; set key to 0 to discard it.
    std::function<void(int& key)> keyPress;
    std::function<void(int button, int shift, int x, int y)> mouseDown;
    std::function<void(int button, int shift, int x, int y)> mouseUp;
};

class CSpreadSheet1 {
public:
    CSpreadSheet1();
    ~CSpreadSheet1();
    CSpreadSheet1(const CSpreadSheet1&) = delete;
    CSpreadSheet1& operator=(const CSpreadSheet1&) = delete;

    // --- Sheet size: data columns 1..ColCount(), rows 1..RowCount().
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int cols);
    void SetRowCount(int rows);
    bool IsCell(int col, int row) const { return col >= 0 && row >= 0 && col <= cols_ && row <= rows_; }
    // The last column holding any data in rows 1.., 0 when none.
    int LastUsedCol() const;

    // --- Content. Out-of-range addresses read as empty and write nothing.
    // The text as shown: a list cell's chosen item (or an editable list's free
    // text), a check box's "1"/"0", a number's text.
    std::string GetText(int col, int row) const;
    // A list cell selects the matching item (an editable list keeps unmatched
    // text as free text, a fixed list selects none); a check box is set by "1"
    // and cleared by anything else; text cells apply case and length limit.
    void SetText(int col, int row, std::string_view text);
    // "1" for a set check box, "0" for a clear one; other cells as GetText.
    std::string GetValue(int col, int row) const;
    bool IsChecked(int col, int row) const;
    void SetChecked(int col, int row, bool checked);
    // A number cell's text parsed (either '.' or ',' as separator).
    std::optional<double> GetNumber(int col, int row) const;
    // Writes the number with the cell's decimals and the sheet's separator.
    void SetNumber(int col, int row, double value);
    // The text as the grid shows it: a number cell holding a number (typed
    // as "146.94") shows it with the cell's decimals ("146.94000").
    std::string ShownText(int col, int row) const;
    // Selected index of a list cell, -1 for none (also for free text).
    int ListIndex(int col, int row) const;
    // Out-of-range indexes select none.
    void SetListIndex(int col, int row, int index);

    // --- Cell format, per cell or for a whole block (cheap for any size).
    CellKind Kind(int col, int row) const;
    void SetKind(const Block& block, CellKind kind);
    ListPtr List(int col, int row) const;
    // Gives the cells a list; a selection that no longer fits is dropped.
    void SetList(const Block& block, ListPtr items);
    int Decimals(int col, int row) const;
    void SetDecimals(const Block& block, int decimals);
    int MaxLength(int col, int row) const; // 0: no limit
    void SetMaxLength(const Block& block, int maxLength);
    bool UpperCase(int col, int row) const;
    void SetUpperCase(const Block& block, bool upper);
    bool Locked(int col, int row) const;
    void SetLocked(const Block& block, bool locked);
    std::uint32_t BackColor(int col, int row) const; // 0xRRGGBB
    void SetBackColor(const Block& block, std::uint32_t rgb);
    std::uint32_t TextColor(int col, int row) const;
    void SetTextColor(const Block& block, std::uint32_t rgb);

    // --- Columns and rows.
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool hidden);
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    // Width that fits the widest text of the column, headers included.
    int MaxTextColWidth(int col) const;
    int FrozenCols() const { return frozen_; }
    void SetFrozenCols(int count);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    // Repaint off collects change notices; turning it on sends them as one.
    bool Redraw() const { return redraw_; }
    void SetRedraw(bool on);
    char DecimalSeparator() const { return separator_; }
    void SetDecimalSeparator(char separator) { separator_ = separator; }

    // --- Block operations.
    // Clears content only (texts, selections, check states); formats stay.
    void ClearBlock(const Block& block);
    // Copies whole cells (content and format) so that the block's top-left
    // lands on (destCol, destRow); overlapping ranges copy correctly.
    void CopyBlock(const Block& block, int destCol, int destRow);
    // The same from another sheet (lists are shared, not copied).
    void CopyBlockFrom(const CSpreadSheet1& source, const Block& block, int destCol, int destRow);
    // Reorders the block's rows (whole cells within the block's columns) by
    // the keys. Number cells compare by value, list cells by their position in
    // the list, others by text without regard to case; empty key cells go
    // last in either order. Equal rows keep their order. Returns the old row now at each row of the block.
    std::vector<int> SortBlock(const Block& block, std::span<const SortKey> keys);
    // Puts old row order[i] at row block.row + i (within the block's columns),
    // as SortBlock did, so a second sheet can follow a sort.
    void ReorderRows(const Block& block, std::span<const int> order);
    // Cells separated by tabs, rows ended by "\r\n" (the last one too).
    std::string GetBlockText(const Block& block) const;
    // Writes tab/line-delimited text starting at the block's top-left cell,
    // cut to the block; "\n", "\r\n" and "\r" all end a line.
    void SetBlockText(const Block& block, std::string_view text);

    // --- Editing state (kept in step by the view).
    int ActiveCol() const { return activeCol_; }
    int ActiveRow() const { return activeRow_; }
    void SetActiveCell(int col, int row);
    bool EditMode() const { return editMode_; }
    void SetEditMode(bool on);
    // The selected block; Empty() when nothing is selected.
    const Block& Selection() const { return selection_; }
    int SelBlockRow() const { return selection_.Empty() ? -1 : selection_.row; }
    int SelBlockRow2() const { return selection_.Empty() ? -1 : selection_.row2; }
    void SelectBlock(const Block& block);
    void ClearSelection();

    // --- Observers and events.
    void AddObserver(SheetObserver* observer);
    void RemoveObserver(SheetObserver* observer);
    SheetEvents& Events() { return events_; }
    // Raised by the view; each calls the matching handler when set.
    void RaiseButtonClicked(int col, int row, int state);
    void RaiseChange(int col, int row);
    void RaiseEditError(int col, int row, int code);
    void RaiseEditMode(int col, int row, int mode, bool changed);
    bool RaiseLeaveCell(int col, int row, int newCol, int newRow); // true: cancelled
    bool RaiseLeaveRow(int row, int newRow);                       // true: cancelled
    void RaiseListSelChange(int col, int row);
    int RaiseKeyPress(int key); // the key to use, 0 when discarded
    void RaiseMouseDown(int button, int shift, int x, int y);
    void RaiseMouseUp(int button, int shift, int x, int y);

private:
    enum Flag : std::uint8_t { kLocked = 1, kUpper = 2 };
    // The value with `decimals` decimals and the sheet's separator.
    std::string FormatNumber(double value, int decimals) const;
    // 48 bytes; a list cell's item is read from the shared list, never stored.
    struct Cell {
        std::string text; // text/number text, free text of an editable list, "1"/"0"
        std::uint32_t back = kWhite;
        std::uint32_t fore = kBlack;
        std::uint16_t list = 0; // 1-based slot in lists_, 0 for none
        std::int16_t index = -1;
        CellKind kind = CellKind::Text;
        std::uint8_t maxLength = 0;
        std::uint8_t decimals = 0;
        std::uint8_t flags = 0;
    };
    struct Column {
        int width = kDefaultColWidth;
        bool hidden = false;
    };

    Cell* At(int col, int row);
    const Cell* At(int col, int row) const;
    const ItemList* ItemsOf(const Cell& cell) const;
    std::uint16_t Intern(const ListPtr& items);
    void AssignText(Cell& cell, std::string_view text) const;
    Block Clip(const Block& block) const;
    template <typename Fn> void ForBlock(const Block& block, Fn fn);
    void Resize(int cols, int rows);
    void NotifyCells(const Block& block);
    template <typename Fn> void Notify(Fn fn);

    int cols_ = 0;
    int rows_ = 0;
    std::vector<Cell> cells_; // row-major, (rows_ + 1) x (cols_ + 1)
    std::vector<Column> columns_;
    std::vector<int> rowHeights_;
    std::vector<ListPtr> lists_;
    std::unordered_map<const ItemList*, std::uint16_t> listSlots_;
    int frozen_ = 0;
    char separator_ = '.';
    bool redraw_ = true;
    std::optional<Block> pending_; // changed cells collected while repaint is off
    int activeCol_ = 1;
    int activeRow_ = 1;
    bool editMode_ = false;
    Block selection_{1, 1, 0, 0};
    std::vector<SheetObserver*> observers_;
    SheetEvents events_;
};

} // namespace grid
