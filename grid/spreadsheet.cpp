// The cell store: sheet size, cell content and format, columns and rows,
// editing state, observers and events. Block operations live in
// spreadsheet_blocks.cpp.

// own
#include "grid/spreadsheet.h"

// std
#include <algorithm>
#include <charconv>
#include <cmath>

namespace grid {

namespace {

bool IsListKind(CellKind kind)
{
    return kind == CellKind::List || kind == CellKind::EditList;
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

ListPtr MakeList(std::string_view tabSeparated)
{
    auto items = std::make_shared<ItemList>();
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = tabSeparated.find('\t', start);
        items->emplace_back(tabSeparated.substr(start, tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return items;
}

CSpreadSheet1::CSpreadSheet1()
{
    Resize(0, 0);
}

CSpreadSheet1::~CSpreadSheet1() = default;

// --- Size

void CSpreadSheet1::SetColCount(int cols)
{
    if (cols >= 0 && cols != cols_)
        Resize(cols, rows_);
}

void CSpreadSheet1::SetRowCount(int rows)
{
    if (rows >= 0 && rows != rows_)
        Resize(cols_, rows);
}

void CSpreadSheet1::Resize(int cols, int rows)
{
    Notify([](SheetObserver& o) { o.StructureAboutToChange(); });
    if (cols == cols_) {
        cells_.resize(static_cast<std::size_t>(rows + 1) * (cols + 1));
    } else {
        std::vector<Cell> cells(static_cast<std::size_t>(rows + 1) * (cols + 1));
        for (int r = 0; r <= std::min(rows, rows_); ++r)
            for (int c = 0; c <= std::min(cols, cols_); ++c)
                cells[static_cast<std::size_t>(r) * (cols + 1) + c] = std::move(*At(c, r));
        cells_ = std::move(cells);
    }
    cols_ = cols;
    rows_ = rows;
    columns_.resize(static_cast<std::size_t>(cols) + 1);
    rowHeights_.resize(static_cast<std::size_t>(rows) + 1, kDefaultRowHeight);
    frozen_ = std::min(frozen_, cols_);
    activeCol_ = std::clamp(activeCol_, 0, std::max(cols_, 1));
    activeRow_ = std::clamp(activeRow_, 0, std::max(rows_, 1));
    if (!selection_.Empty())
        selection_ = Clip(selection_);
    if (pending_)
        pending_ = Clip(*pending_);
    Notify([](SheetObserver& o) { o.StructureChanged(); });
}

int CSpreadSheet1::LastUsedCol() const
{
    for (int c = cols_; c >= 1; --c)
        for (int r = 1; r <= rows_; ++r) {
            const Cell& cell = *At(c, r);
            if (!cell.text.empty() || cell.index >= 0)
                return c;
        }
    return 0;
}

CSpreadSheet1::Cell* CSpreadSheet1::At(int col, int row)
{
    return IsCell(col, row) ? &cells_[static_cast<std::size_t>(row) * (cols_ + 1) + col] : nullptr;
}

const CSpreadSheet1::Cell* CSpreadSheet1::At(int col, int row) const
{
    return IsCell(col, row) ? &cells_[static_cast<std::size_t>(row) * (cols_ + 1) + col] : nullptr;
}

const ItemList* CSpreadSheet1::ItemsOf(const Cell& cell) const
{
    return cell.list == 0 ? nullptr : lists_[cell.list - 1].get();
}

std::uint16_t CSpreadSheet1::Intern(const ListPtr& items)
{
    if (!items)
        return 0;
    if (auto found = listSlots_.find(items.get()); found != listSlots_.end())
        return found->second;
    // A list with the same items made elsewhere shares the slot already held.
    for (std::size_t i = 0; i < lists_.size(); ++i)
        if (*lists_[i] == *items)
            return static_cast<std::uint16_t>(i + 1);
    if (lists_.size() >= 0xFFFF)
        return 0;
    lists_.push_back(items);
    const auto slot = static_cast<std::uint16_t>(lists_.size());
    listSlots_.emplace(items.get(), slot);
    return slot;
}

// --- Content

void CSpreadSheet1::AssignText(Cell& cell, std::string_view text) const
{
    switch (cell.kind) {
    case CellKind::Text:
        cell.text.assign(text.substr(0, cell.maxLength ? cell.maxLength : text.size()));
        if (cell.flags & kUpper)
            std::transform(cell.text.begin(), cell.text.end(), cell.text.begin(), UpperAscii);
        break;
    case CellKind::Number:
        cell.text.assign(text);
        break;
    case CellKind::List:
    case CellKind::EditList: {
        cell.index = -1;
        cell.text.clear();
        if (const ItemList* items = ItemsOf(cell)) {
            const auto found = std::find(items->begin(), items->end(), text);
            if (found != items->end()) {
                cell.index = static_cast<std::int16_t>(found - items->begin());
                break;
            }
        }
        if (cell.kind == CellKind::EditList)
            cell.text.assign(text);
        break;
    }
    case CellKind::CheckBox:
        cell.text = text.empty() ? "" : (text == "1" ? "1" : "0");
        break;
    }
}

std::string CSpreadSheet1::GetText(int col, int row) const
{
    const Cell* cell = At(col, row);
    if (!cell)
        return {};
    if (IsListKind(cell->kind) && cell->index >= 0) {
        const ItemList* items = ItemsOf(*cell);
        return items && cell->index < static_cast<int>(items->size()) ? (*items)[cell->index] : std::string();
    }
    if (cell->kind == CellKind::CheckBox)
        return cell->text == "1" ? "1" : "0";
    return cell->text;
}

void CSpreadSheet1::SetText(int col, int row, std::string_view text)
{
    if (Cell* cell = At(col, row)) {
        AssignText(*cell, text);
        NotifyCells(Block::Cell(col, row));
    }
}

std::string CSpreadSheet1::GetValue(int col, int row) const
{
    return GetText(col, row);
}

bool CSpreadSheet1::IsChecked(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell && cell->kind == CellKind::CheckBox && cell->text == "1";
}

void CSpreadSheet1::SetChecked(int col, int row, bool checked)
{
    SetText(col, row, checked ? "1" : "0");
}

std::optional<double> CSpreadSheet1::GetNumber(int col, int row) const
{
    std::string text = GetText(col, row);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string CSpreadSheet1::FormatNumber(double value, int decimals) const
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), '.', separator_);
    return text;
}

std::string CSpreadSheet1::ShownText(int col, int row) const
{
    const Cell* cell = At(col, row);
    if (cell == nullptr || cell->kind != CellKind::Number)
        return GetText(col, row);
    const std::optional<double> value = GetNumber(col, row);
    return value && std::isfinite(*value) ? FormatNumber(*value, cell->decimals) : GetText(col, row);
}

void CSpreadSheet1::SetNumber(int col, int row, double value)
{
    const Cell* cell = At(col, row);
    if (!cell)
        return;
    SetText(col, row, std::isfinite(value) ? FormatNumber(value, cell->decimals) : std::string());
}

int CSpreadSheet1::ListIndex(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell && IsListKind(cell->kind) ? cell->index : -1;
}

void CSpreadSheet1::SetListIndex(int col, int row, int index)
{
    Cell* cell = At(col, row);
    if (!cell || !IsListKind(cell->kind))
        return;
    const ItemList* items = ItemsOf(*cell);
    const bool fits = items && index >= 0 && index < static_cast<int>(items->size());
    cell->index = static_cast<std::int16_t>(fits ? index : -1);
    cell->text.clear();
    NotifyCells(Block::Cell(col, row));
}

// --- Format

template <typename Fn> void CSpreadSheet1::ForBlock(const Block& block, Fn fn)
{
    const Block b = Clip(block);
    if (b.Empty())
        return;
    for (int r = b.row; r <= b.row2; ++r) {
        Cell* cell = At(b.col, r);
        for (int c = b.col; c <= b.col2; ++c, ++cell)
            fn(*cell);
    }
    NotifyCells(b);
}

CellKind CSpreadSheet1::Kind(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell ? cell->kind : CellKind::Text;
}

void CSpreadSheet1::SetKind(const Block& block, CellKind kind)
{
    ForBlock(block, [&](Cell& cell) {
        if (cell.kind == kind)
            return;
        // Keep what the cell shows, as far as the new kind can hold it.
        std::string shown = cell.text;
        if (IsListKind(cell.kind) && cell.index >= 0)
            if (const ItemList* items = ItemsOf(cell); items && cell.index < static_cast<int>(items->size()))
                shown = (*items)[cell.index];
        cell.kind = kind;
        cell.index = -1;
        AssignText(cell, shown);
    });
}

ListPtr CSpreadSheet1::List(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell && cell->list ? lists_[cell->list - 1] : nullptr;
}

void CSpreadSheet1::SetList(const Block& block, ListPtr items)
{
    const std::uint16_t slot = Intern(items);
    const int size = items ? static_cast<int>(items->size()) : 0;
    ForBlock(block, [&](Cell& cell) {
        cell.list = slot;
        if (cell.index >= size)
            cell.index = -1;
    });
}

int CSpreadSheet1::Decimals(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell ? cell->decimals : 0;
}

void CSpreadSheet1::SetDecimals(const Block& block, int decimals)
{
    const auto value = static_cast<std::uint8_t>(std::clamp(decimals, 0, 15));
    ForBlock(block, [&](Cell& cell) { cell.decimals = value; });
}

int CSpreadSheet1::MaxLength(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell ? cell->maxLength : 0;
}

void CSpreadSheet1::SetMaxLength(const Block& block, int maxLength)
{
    const auto value = static_cast<std::uint8_t>(std::clamp(maxLength, 0, 255));
    ForBlock(block, [&](Cell& cell) {
        cell.maxLength = value;
        if (cell.kind == CellKind::Text && value && cell.text.size() > value)
            cell.text.resize(value);
    });
}

bool CSpreadSheet1::UpperCase(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell && (cell->flags & kUpper);
}

void CSpreadSheet1::SetUpperCase(const Block& block, bool upper)
{
    ForBlock(block, [&](Cell& cell) {
        cell.flags = static_cast<std::uint8_t>(upper ? cell.flags | kUpper : cell.flags & ~kUpper);
        if (upper && cell.kind == CellKind::Text)
            std::transform(cell.text.begin(), cell.text.end(), cell.text.begin(), UpperAscii);
    });
}

bool CSpreadSheet1::Locked(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell && (cell->flags & kLocked);
}

void CSpreadSheet1::SetLocked(const Block& block, bool locked)
{
    ForBlock(block, [&](Cell& cell) {
        cell.flags = static_cast<std::uint8_t>(locked ? cell.flags | kLocked : cell.flags & ~kLocked);
    });
}

std::uint32_t CSpreadSheet1::BackColor(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell ? cell->back : kWhite;
}

void CSpreadSheet1::SetBackColor(const Block& block, std::uint32_t rgb)
{
    ForBlock(block, [&](Cell& cell) { cell.back = rgb & 0xFFFFFF; });
}

std::uint32_t CSpreadSheet1::TextColor(int col, int row) const
{
    const Cell* cell = At(col, row);
    return cell ? cell->fore : kBlack;
}

void CSpreadSheet1::SetTextColor(const Block& block, std::uint32_t rgb)
{
    ForBlock(block, [&](Cell& cell) { cell.fore = rgb & 0xFFFFFF; });
}

// --- Columns and rows

bool CSpreadSheet1::ColHidden(int col) const
{
    return col >= 0 && col <= cols_ && columns_[col].hidden;
}

void CSpreadSheet1::SetColHidden(int col, bool hidden)
{
    if (col < 0 || col > cols_ || columns_[col].hidden == hidden)
        return;
    columns_[col].hidden = hidden;
    Notify([col](SheetObserver& o) { o.ColumnsChanged(col, col); });
}

int CSpreadSheet1::ColWidth(int col) const
{
    return col >= 0 && col <= cols_ ? columns_[col].width : kDefaultColWidth;
}

void CSpreadSheet1::SetColWidth(int col, int twips)
{
    if (col < 0 || col > cols_ || twips < 0 || columns_[col].width == twips)
        return;
    columns_[col].width = twips;
    Notify([col](SheetObserver& o) { o.ColumnsChanged(col, col); });
}

int CSpreadSheet1::MaxTextColWidth(int col) const
{
    if (col < 0 || col > cols_)
        return 0;
    std::size_t widest = 0;
    for (int r = 0; r <= rows_; ++r) {
        const std::string text = GetText(col, r);
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            widest = std::max(widest, end - start);
            start = end + 1;
        }
    }
    return static_cast<int>(widest + 1) * kCharWidth; // one character of margin
}

void CSpreadSheet1::SetFrozenCols(int count)
{
    count = std::clamp(count, 0, cols_);
    if (count == frozen_)
        return;
    frozen_ = count;
    Notify([](SheetObserver& o) { o.FrozenChanged(); });
}

int CSpreadSheet1::RowHeight(int row) const
{
    return row >= 0 && row <= rows_ ? rowHeights_[row] : kDefaultRowHeight;
}

void CSpreadSheet1::SetRowHeight(int row, int twips)
{
    if (row < 0 || row > rows_ || twips < 0 || rowHeights_[row] == twips)
        return;
    rowHeights_[row] = twips;
    Notify([row](SheetObserver& o) { o.RowsChanged(row, row); });
}

void CSpreadSheet1::SetRedraw(bool on)
{
    redraw_ = on;
    if (on && pending_) {
        const Block block = *pending_;
        pending_.reset();
        if (!block.Empty())
            Notify([&block](SheetObserver& o) { o.CellsChanged(block); });
    }
}

// --- Editing state

void CSpreadSheet1::SetActiveCell(int col, int row)
{
    if (!IsCell(col, row) || (col == activeCol_ && row == activeRow_))
        return;
    activeCol_ = col;
    activeRow_ = row;
    Notify([](SheetObserver& o) { o.ActiveCellChanged(); });
}

void CSpreadSheet1::SetEditMode(bool on)
{
    if (on == editMode_)
        return;
    editMode_ = on;
    Notify([](SheetObserver& o) { o.EditModeChanged(); });
}

void CSpreadSheet1::SelectBlock(const Block& block)
{
    selection_ = Clip(block);
    Notify([](SheetObserver& o) { o.SelectionChanged(); });
}

void CSpreadSheet1::ClearSelection()
{
    selection_ = Block{1, 1, 0, 0};
    Notify([](SheetObserver& o) { o.SelectionChanged(); });
}

// --- Observers and events

void CSpreadSheet1::AddObserver(SheetObserver* observer)
{
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CSpreadSheet1::RemoveObserver(SheetObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

template <typename Fn> void CSpreadSheet1::Notify(Fn fn)
{
    for (std::size_t i = 0; i < observers_.size(); ++i)
        fn(*observers_[i]);
}

void CSpreadSheet1::NotifyCells(const Block& block)
{
    if (!redraw_) {
        pending_ = pending_
                       ? Block{std::min(pending_->col, block.col), std::min(pending_->row, block.row),
                               std::max(pending_->col2, block.col2), std::max(pending_->row2, block.row2)}
                       : block;
        return;
    }
    Notify([&block](SheetObserver& o) { o.CellsChanged(block); });
}

void CSpreadSheet1::RaiseButtonClicked(int col, int row, int state)
{
    if (events_.buttonClicked)
        events_.buttonClicked(col, row, state);
}

void CSpreadSheet1::RaiseChange(int col, int row)
{
    if (events_.change)
        events_.change(col, row);
}

void CSpreadSheet1::RaiseEditError(int col, int row, int code)
{
    if (events_.editError)
        events_.editError(col, row, code);
}

void CSpreadSheet1::RaiseEditMode(int col, int row, int mode, bool changed)
{
    if (events_.editMode)
        events_.editMode(col, row, mode, changed);
}

bool CSpreadSheet1::RaiseLeaveCell(int col, int row, int newCol, int newRow)
{
    bool cancel = false;
    if (events_.leaveCell)
        events_.leaveCell(col, row, newCol, newRow, cancel);
    return cancel;
}

bool CSpreadSheet1::RaiseLeaveRow(int row, int newRow)
{
    bool cancel = false;
    if (events_.leaveRow)
        events_.leaveRow(row, newRow, cancel);
    return cancel;
}

void CSpreadSheet1::RaiseListSelChange(int col, int row)
{
    if (events_.listSelChange)
        events_.listSelChange(col, row);
}

int CSpreadSheet1::RaiseKeyPress(int key)
{
    if (events_.keyPress)
        events_.keyPress(key);
    return key;
}

void CSpreadSheet1::RaiseMouseDown(int button, int shift, int x, int y)
{
    if (events_.mouseDown)
        events_.mouseDown(button, shift, x, y);
}

void CSpreadSheet1::RaiseMouseUp(int button, int shift, int x, int y)
{
    if (events_.mouseUp)
        events_.mouseUp(button, shift, x, y);
}

} // namespace grid
