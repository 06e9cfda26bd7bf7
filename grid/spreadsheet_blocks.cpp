// Block operations of the cell store: clear, copy, sort and block text.

// own
#include "grid/spreadsheet.h"

// std
#include <algorithm>
#include <numeric>

namespace grid {

namespace {

// One key cell of a row, reduced to what the sort compares.
struct SortValue {
    bool empty = true;
    bool numeric = false; // compare `number` (a number cell's value or a list position)
    double number = 0;
    std::string text;
};

// Locale-independent, so the order is the same on every desktop.
int AsciiLower(int c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int Compare(const SortValue& a, const SortValue& b)
{
    if (a.numeric && b.numeric)
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    // Texts compare without regard to case ("abc" beside "ABC").
    const std::size_t n = std::min(a.text.size(), b.text.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = AsciiLower(static_cast<unsigned char>(a.text[i]));
        const int cb = AsciiLower(static_cast<unsigned char>(b.text[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.text.size() < b.text.size() ? -1 : (a.text.size() > b.text.size() ? 1 : 0);
}

} // namespace

Block CSpreadSheet1::Clip(const Block& block) const
{
    Block b{std::min(block.col, block.col2), std::min(block.row, block.row2), std::max(block.col, block.col2),
            std::max(block.row, block.row2)};
    b.col = std::max(b.col, 0);
    b.row = std::max(b.row, 0);
    b.col2 = std::min(b.col2, cols_);
    b.row2 = std::min(b.row2, rows_);
    return b;
}

void CSpreadSheet1::ClearBlock(const Block& block)
{
    const Block b = Clip(block);
    if (b.Empty())
        return;
    for (int r = b.row; r <= b.row2; ++r)
        for (int c = b.col; c <= b.col2; ++c) {
            Cell& cell = *At(c, r);
            cell.text.clear();
            cell.index = -1;
        }
    NotifyCells(b);
}

void CSpreadSheet1::CopyBlock(const Block& block, int destCol, int destRow)
{
    CopyBlockFrom(*this, block, destCol, destRow);
}

void CSpreadSheet1::CopyBlockFrom(const CSpreadSheet1& source, const Block& block, int destCol, int destRow)
{
    Block from = source.Clip(block);
    if (from.Empty())
        return;
    // Cut the source to what lands inside this sheet.
    const int dc = destCol - from.col;
    const int dr = destRow - from.row;
    from.col = std::max(from.col, -dc);
    from.row = std::max(from.row, -dr);
    from.col2 = std::min(from.col2, cols_ - dc);
    from.row2 = std::min(from.row2, rows_ - dr);
    if (from.Empty())
        return;

    // Taken first, so an overlapping copy within one sheet reads the old cells.
    std::vector<Cell> taken;
    taken.reserve(static_cast<std::size_t>(from.row2 - from.row + 1) * (from.col2 - from.col + 1));
    for (int r = from.row; r <= from.row2; ++r)
        for (int c = from.col; c <= from.col2; ++c)
            taken.push_back(*source.At(c, r));

    std::vector<std::uint16_t> slots(source.lists_.size() + 1, 0);
    for (std::size_t i = 0; i < source.lists_.size(); ++i)
        slots[i + 1] = &source == this ? static_cast<std::uint16_t>(i + 1) : Intern(source.lists_[i]);

    auto next = taken.begin();
    for (int r = from.row; r <= from.row2; ++r)
        for (int c = from.col; c <= from.col2; ++c, ++next) {
            next->list = slots[next->list];
            *At(c + dc, r + dr) = std::move(*next);
        }
    NotifyCells({from.col + dc, from.row + dr, from.col2 + dc, from.row2 + dr});
}

std::vector<int> CSpreadSheet1::SortBlock(const Block& block, std::span<const SortKey> keys)
{
    const Block b = Clip(block);
    if (b.Empty())
        return {};
    const int count = b.row2 - b.row + 1;

    std::vector<std::vector<SortValue>> values(count);
    for (int i = 0; i < count; ++i)
        for (const SortKey& key : keys) {
            SortValue value;
            if (const Cell* cell = At(key.col, b.row + i)) {
                value.text = GetText(key.col, b.row + i);
                value.empty = value.text.empty();
                if (cell->kind == CellKind::Number) {
                    if (auto number = GetNumber(key.col, b.row + i)) {
                        value.numeric = true;
                        value.number = *number;
                    }
                } else if ((cell->kind == CellKind::List || cell->kind == CellKind::EditList) &&
                           cell->index >= 0) {
                    value.numeric = true;
                    value.number = cell->index;
                }
            }
            values[i].push_back(std::move(value));
        }

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const SortValue& va = values[a][k];
            const SortValue& vb = values[b][k];
            if (va.empty != vb.empty)
                return vb.empty; // empty cells last, whatever the order
            const int result = Compare(va, vb);
            if (result != 0)
                return keys[k].order == SortOrder::Descending ? result > 0 : result < 0;
        }
        return false;
    });
    for (int& row : order)
        row += b.row;
    ReorderRows(b, order);
    return order;
}

void CSpreadSheet1::ReorderRows(const Block& block, std::span<const int> order)
{
    const Block b = Clip(block);
    if (b.Empty() || order.size() != static_cast<std::size_t>(b.row2 - b.row + 1))
        return;
    for (int row : order)
        if (row < b.row || row > b.row2)
            return;
    const int width = b.col2 - b.col + 1;
    std::vector<Cell> old;
    old.reserve(order.size() * width);
    for (int r = b.row; r <= b.row2; ++r)
        for (int c = b.col; c <= b.col2; ++c)
            old.push_back(std::move(*At(c, r)));
    for (std::size_t i = 0; i < order.size(); ++i)
        for (int c = 0; c < width; ++c)
            *At(b.col + c, b.row + static_cast<int>(i)) =
                std::move(old[static_cast<std::size_t>(order[i] - b.row) * width + c]);
    NotifyCells(b);
}

std::string CSpreadSheet1::GetBlockText(const Block& block) const
{
    const Block b = Clip(block);
    std::string text;
    if (b.Empty())
        return text;
    for (int r = b.row; r <= b.row2; ++r) {
        for (int c = b.col; c <= b.col2; ++c) {
            if (c > b.col)
                text += '\t';
            text += GetText(c, r);
        }
        text += "\r\n";
    }
    return text;
}

void CSpreadSheet1::SetBlockText(const Block& block, std::string_view text)
{
    const Block b = Clip(block);
    if (b.Empty())
        return;
    int row = b.row;
    std::size_t pos = 0;
    while (pos < text.size() && row <= b.row2) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        int col = b.col;
        std::size_t start = 0;
        while (col <= b.col2) {
            const std::size_t tab = line.find('\t', start);
            AssignText(*At(col, row), line.substr(start, tab - start));
            ++col;
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        ++row;
    }
    NotifyCells(b);
}

} // namespace grid
