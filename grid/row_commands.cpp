// The channel row commands: copy buffer, Cut/Copy/Paste, Insert, Delete, Sort.

// own
#include "grid/row_commands.h"

// std
#include <algorithm>
#include <memory>
#include <numeric>

// project
#include "grid/channel_rules.h"
#include "grid/hyper_layout.h"
#include "grid/sheet_setup.h"
#include "platform/prompt.h"
#include "radio/channel_record.h"
#include "radio/frequency.h"
#include "radio/lists.h"

namespace grid {

namespace col = radio::col;

namespace {

// Lines of a block text; the line end after the last row makes no extra line.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

std::vector<std::string_view> SplitCells(std::string_view line)
{
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return cells;
        start = tab + 1;
    }
}

bool IsBankCol(int c)
{
    return c >= col::kBank1 && c < col::kBank1 + kBanks;
}

// Turns the repaint of a grid off for a command and back to what it was.
class QuietGrid {
public:
    explicit QuietGrid(CSpreadSheet1& grid) : grid_(grid), was_(grid.Redraw()) { grid_.SetRedraw(false); }
    ~QuietGrid() { grid_.SetRedraw(was_); }
    QuietGrid(const QuietGrid&) = delete;
    QuietGrid& operator=(const QuietGrid&) = delete;

private:
    CSpreadSheet1& grid_;
    bool was_;
};

// Every grid a command may touch: the current channel grid and, on the
// Memories sheet, the settings grids.
class QuietBook {
public:
    QuietBook(DocumentController& controller, bool settings)
    {
        quiet_.emplace_back(std::make_unique<QuietGrid>(controller.CurrentGrid()));
        if (settings)
            for (int k = 0; k < kHyperSheets; ++k)
                quiet_.emplace_back(std::make_unique<QuietGrid>(controller.HyperGrid(k)));
    }

private:
    std::vector<std::unique_ptr<QuietGrid>> quiet_;
};

bool IsIdentity(const std::vector<int>& order, int first)
{
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] != first + static_cast<int>(i))
            return false;
    return true;
}

} // namespace

// --- RowClipboard

const std::string& RowClipboard::Slot(int slot) const
{
    static const std::string kEmpty;
    return slot >= 0 && slot < kRowSlots ? slots_[slot] : kEmpty;
}

void RowClipboard::SetSlot(int slot, std::string text)
{
    if (slot < 0 || slot >= kRowSlots)
        return;
    if (slot == 0)
        for (std::string& other : slots_)
            other.clear();
    slots_[slot] = std::move(text);
}

std::string RowStepLabel(std::string_view command, int rows)
{
    return std::string(command) + " of " + std::to_string(rows) + (rows == 1 ? " Channel" : " Channels");
}

// --- RowCommands

RowCommands::RowCommands(DocumentController& controller, RowSlots& texts) : controller_(controller), slots_(&texts) {}

void RowCommands::SetSlots(RowSlots& texts)
{
    if (&texts != slots_)
        cut_.reset();
    slots_ = &texts;
}

int RowCommands::HeldRows() const
{
    return static_cast<int>(SplitLines(slots_->Slot(0)).size());
}

bool RowCommands::OnMemories() const
{
    return controller_.CurrentSheet() == radio::kSheetMemories;
}

std::optional<RowCommands::Rows> RowCommands::Selection() const
{
    CSpreadSheet1& grid = controller_.CurrentGrid();
    const int r1 = grid.SelBlockRow();
    const int r2 = grid.SelBlockRow2();
    if (r1 < 1 || r2 < r1)
        return std::nullopt;
    return Rows{r1, std::min(r2, grid.RowCount())};
}

std::optional<RowCommands::Rows> RowCommands::ShiftSelection() const
{
    if (!OnMemories())
        return std::nullopt;
    const std::optional<Rows> rows = Selection();
    if (!rows || rows->first > kShiftRows)
        return std::nullopt;
    return Rows{rows->first, std::min(rows->last, kShiftRows)};
}

int RowCommands::RegionEnd(int row) const
{
    const int count = controller_.CurrentGrid().RowCount();
    // On the Memories sheet the channels and the scan limits are separate regions.
    if (OnMemories())
        return row <= kShiftRows ? kShiftRows : count;
    return count;
}

// --- Copy and Cut

bool RowCommands::Copy()
{
    const std::optional<Rows> rows = Selection();
    if (!rows)
        return false;
    cut_.reset();
    const CSpreadSheet1& grid = controller_.CurrentGrid();
    slots_->SetSlot(0, grid.GetBlockText({1, rows->first, col::kCount, rows->last}));
    if (OnMemories())
        for (int k = 0; k < kHyperSheets; ++k)
            slots_->SetSlot(1 + k, controller_.HyperGrid(k).GetBlockText(
                                       {hyper::kChannelCol, rows->first, hyper::kScanCol, rows->last}));
    return true;
}

bool RowCommands::Cut()
{
    if (!OnMemories() || !Copy())
        return false;
    const std::optional<Rows> rows = Selection();
    cut_ = PendingCut{*rows, slots_->Slot(0)};
    return true;
}

// --- Paste

void RowCommands::WriteRow(CSpreadSheet1& grid, int row, std::string_view line, bool scanLimit)
{
    const std::vector<std::string_view> cells = SplitCells(line);
    // The lists that depend on the frequency first, so the row's choices find their item.
    const std::int32_t rx = cells.empty() ? 0 : radio::ParseFrequency(std::string(cells[0]));
    if (rx > 0) {
        grid.SetList(Block::Cell(col::kMode, row),
                     SharedList(radio::UsesLowModeList(rx) ? radio::lists::kModeLow : radio::lists::kMode));
        grid.SetList(Block::Cell(col::kStep, row),
                     SharedList(radio::UsesHighStepList(rx) ? radio::lists::kStepHigh : radio::lists::kStep));
    }
    for (int c = 1; c <= col::kCount; ++c) {
        if (scanLimit && IsBankCol(c))
            continue; // scan-limit channels belong to no bank
        const std::size_t i = static_cast<std::size_t>(c - 1);
        grid.SetText(c, row, i < cells.size() ? cells[i] : std::string_view());
    }
    grid.SetLocked({1, row, col::kCount, row}, false);
    if (scanLimit)
        grid.SetLocked({col::kBank1, row, col::kBank1 + kBanks - 1, row}, true);
}

bool RowCommands::Fits(int row, std::string_view line) const
{
    const std::vector<std::string_view> cells = SplitCells(line);
    auto frequency = [&](int c) {
        const std::size_t i = static_cast<std::size_t>(c - 1);
        return i < cells.size() ? radio::ParseFrequency(std::string(cells[i])) : 0;
    };
    const int sheet = controller_.CurrentSheet();
    const std::int32_t rx = frequency(col::kReceive);
    if (rx == 0 || !rules::IsBandSheet(sheet))
        return true; // an empty row, or a memory
    return rules::ReceiveRefusal(sheet, row, rx).empty() && rules::ShiftRefusal(sheet, row, frequency(col::kTransmit)).empty();
}

std::string PasteSkippedText(int rows)
{
    return std::to_string(rows) + (rows == 1 ? " channel was" : " channels were") +
           " not pasted: a row takes only the frequencies of its band.";
}

RowChange RowCommands::Paste()
{
    const std::optional<Rows> rows = Selection();
    const int held = HeldRows();
    // The VFO sheet is a read-only picture of a Hyper Memory.
    if (!rows || held == 0 || controller_.CurrentSheet() == radio::kSheetVfo)
        return {};
    const int first = rows->first;
    int last = rows->last - rows->first >= held - 1 ? rows->last : first + held - 1;
    last = std::min(last, RegionEnd(first));

    const bool memories = OnMemories();
    QuietBook quiet(controller_, memories);
    CSpreadSheet1& grid = controller_.CurrentGrid();
    const std::vector<std::string_view> lines = SplitLines(slots_->Slot(0));
    Landing landing{first, std::vector<bool>(static_cast<std::size_t>(last - first + 1)),
                    std::vector<bool>(static_cast<std::size_t>(held))};
    int skipped = 0;
    for (int row = first; row <= last; ++row) {
        const std::size_t i = static_cast<std::size_t>((row - first) % held);
        const std::string_view line = i < lines.size() ? lines[i] : std::string_view();
        // A row that cannot take the channel keeps its own.
        if (!Fits(row, line)) {
            ++skipped;
            continue;
        }
        WriteRow(grid, row, line, memories && row > kShiftRows);
        landing.written[static_cast<std::size_t>(row - first)] = true;
        landing.lines[i] = true;
    }
    if (memories && first <= kShiftRows) {
        const int settingsLast = std::min(last, kShiftRows);
        for (int k = 0; k < kHyperSheets; ++k) {
            CSpreadSheet1& settings = controller_.HyperGrid(k);
            const std::vector<std::string_view> slot = SplitLines(slots_->Slot(1 + k));
            for (int row = first; row <= settingsLast; ++row) {
                if (!landing.Wrote(row))
                    continue;
                const std::size_t i = static_cast<std::size_t>((row - first) % held);
                const Block cells{hyper::kChannelCol, row, hyper::kScanCol, row};
                if (i < slot.size()) {
                    settings.SetBlockText(cells, slot[i]);
                    continue;
                }
                // Rows from a sheet without settings: shown as a load shows a channel.
                settings.ClearBlock(cells);
                const std::string rx = grid.GetText(col::kReceive, row);
                if (!rx.empty()) {
                    settings.SetText(hyper::kChannelCol, row, rx);
                    settings.SetListIndex(hyper::kScanCol, row, 0);
                }
            }
        }
    }
    const int written = static_cast<int>(std::count(landing.written.begin(), landing.written.end(), true));
    if (skipped > 0)
        platform::ShowMessage(PasteSkippedText(skipped), kPasteCaption, platform::Icon::Warning);
    if (written == 0)
        return {};
    ClearLandedCut(landing);
    cut_.reset();
    controller_.TakeBankSnapshot();
    return {true, written};
}

// The rows of a pending cut whose channels landed somewhere are cleared,
// unless the paste wrote over them; a channel that found no row (the paste
// ran out of rows, or its row refused it) stays where it was. A cut whose
// rows are no longer the ones held (another window copied since) clears
// nothing.
void RowCommands::ClearLandedCut(const Landing& landing)
{
    if (!cut_ || cut_->text != slots_->Slot(0))
        return;
    const int previous = controller_.CurrentSheet();
    const bool sameSheet = previous == radio::kSheetMemories;
    if (!sameSheet)
        controller_.SetCurrentSheet(radio::kSheetMemories);
    {
        QuietBook quiet(controller_, true);
        for (int row = cut_->rows.first; row <= cut_->rows.last; ++row) {
            const std::size_t line = static_cast<std::size_t>(row - cut_->rows.first);
            if (line < landing.lines.size() && landing.lines[line] && !(sameSheet && landing.Wrote(row)))
                ClearRows(row, row);
        }
    }
    if (!sameSheet)
        controller_.SetCurrentSheet(previous);
}

// --- Shifts

void RowCommands::ClearRows(int first, int last)
{
    CSpreadSheet1& grid = controller_.CurrentGrid();
    grid.ClearBlock({1, first, col::kCount, last});
    // An empty row takes nothing but a receive frequency, as after a load.
    grid.SetLocked({col::kTransmit, first, col::kCount, last}, true);
    if (OnMemories())
        for (int k = 0; k < kHyperSheets; ++k)
            controller_.HyperGrid(k).ClearBlock({hyper::kChannelCol, first, hyper::kScanCol, std::min(last, kShiftRows)});
}

void RowCommands::CopyRows(int first, int last, int dest)
{
    if (last < first)
        return;
    controller_.CurrentGrid().CopyBlock({1, first, col::kCount, last}, 1, dest);
    for (int k = 0; k < kHyperSheets; ++k)
        controller_.HyperGrid(k).CopyBlock({hyper::kChannelCol, first, hyper::kScanCol, last}, hyper::kChannelCol, dest);
}

bool RowCommands::AskInsert(int keepLast)
{
    const CSpreadSheet1& grid = controller_.CurrentGrid();
    for (int row = kShiftRows; row > keepLast; --row) {
        const std::optional<double> mhz = grid.GetNumber(col::kReceive, row);
        if (mhz && *mhz > 1.0)
            return platform::ShowMessage(kInsertWarning, kInsertCaption, platform::Icon::Warning,
                                         platform::Buttons::YesNo) == platform::Answer::Yes;
    }
    return true;
}

RowChange RowCommands::Insert()
{
    const std::optional<Rows> rows = ShiftSelection();
    if (!rows)
        return {};
    const int count = rows->last - rows->first + 1;
    const int keepLast = kShiftRows - count; // the last row that stays inside the channels
    if (!AskInsert(keepLast))
        return {};
    cut_.reset(); // its rows would name other channels now
    QuietBook quiet(controller_, true);
    CopyRows(rows->first, keepLast, rows->last + 1);
    ClearRows(rows->first, rows->last);
    controller_.TakeBankSnapshot();
    return {true, count};
}

RowChange RowCommands::Delete()
{
    const std::optional<Rows> rows = ShiftSelection();
    if (!rows)
        return {};
    const int count = rows->last - rows->first + 1;
    cut_.reset();
    QuietBook quiet(controller_, true);
    CopyRows(rows->last + 1, kShiftRows, rows->first);
    ClearRows(kShiftRows - count + 1, kShiftRows);
    controller_.TakeBankSnapshot();
    return {true, count};
}

// --- Sort

std::vector<std::string> RowCommands::SortNames(const CSpreadSheet1& grid)
{
    std::vector<std::string> names;
    for (int c = 1; c <= col::kCount; ++c) {
        std::string name = grid.GetText(c, 0);
        std::replace(name.begin(), name.end(), '\n', ' ');
        names.push_back(std::move(name));
    }
    return names;
}

void RowCommands::ReorderRows(int first, int last, const std::vector<int>& order)
{
    controller_.CurrentGrid().ReorderRows({1, first, col::kCount, last}, order);
    for (int k = 0; k < kHyperSheets; ++k)
        controller_.HyperGrid(k).ReorderRows({hyper::kChannelCol, first, hyper::kScanCol, last}, order);
}

RowChange RowCommands::Sort(const SortAsk& ask)
{
    if (!OnMemories() || !Selection() || !ask)
        return {};
    SortChoice choice;
    if (!ask(SortNames(controller_.CurrentGrid()), choice))
        return {};

    const SortOrder order = choice.order == 2 ? SortOrder::Descending : SortOrder::Ascending;
    std::vector<SortKey> keys;
    if (choice.firstKey >= 1 && choice.firstKey <= col::kCount)
        keys.push_back({choice.firstKey, order});
    if (choice.secondKey >= 1 && choice.secondKey <= col::kCount && choice.secondKey != choice.firstKey)
        keys.push_back({choice.secondKey, order});

    Rows range;
    if (choice.scope == kSortScopeSelected) {
        const std::optional<Rows> selected = Selection();
        if (selected->first == selected->last) {
            platform::ShowMessage(kSortNothingSelected, kSortErrorCaption, platform::Icon::Error);
            return {};
        }
        const std::optional<Rows> rows = ShiftSelection();
        if (!rows || rows->first == rows->last)
            return {};
        range = *rows;
    } else if (choice.scope == kSortScopeAll) {
        range = {1, kShiftRows};
    } else {
        return {};
    }
    if (keys.empty())
        return {};

    QuietBook quiet(controller_, true);
    const CSpreadSheet1& grid = controller_.CurrentGrid();
    // Channels first and empty rows after them, each in their old order.
    std::vector<int> inUse(static_cast<std::size_t>(range.last - range.first + 1));
    std::iota(inUse.begin(), inUse.end(), range.first);
    const auto empties = std::stable_partition(inUse.begin(), inUse.end(), [&](int row) {
        return !grid.GetText(col::kReceive, row).empty();
    });
    const int channels = static_cast<int>(empties - inUse.begin());
    bool moved = !IsIdentity(inUse, range.first);
    if (moved)
        ReorderRows(range.first, range.last, inUse);
    if (channels > 1) {
        const int lastChannel = range.first + channels - 1;
        const std::vector<int> sorted = controller_.CurrentGrid().SortBlock({1, range.first, col::kCount, lastChannel}, keys);
        for (int k = 0; k < kHyperSheets; ++k)
            controller_.HyperGrid(k).ReorderRows({hyper::kChannelCol, range.first, hyper::kScanCol, lastChannel}, sorted);
        moved = moved || !IsIdentity(sorted, range.first);
    }
    if (moved)
        cut_.reset();
    controller_.TakeBankSnapshot();
    return {moved, range.last - range.first + 1};
}

// --- Move

RowChange RowCommands::Move(int delta)
{
    const std::optional<Rows> rows = ShiftSelection();
    return rows ? MoveTo(rows->first + delta) : RowChange{};
}

RowChange RowCommands::MoveTo(int dest)
{
    const std::optional<Rows> rows = ShiftSelection();
    if (!rows)
        return {};
    const int count = rows->last - rows->first + 1;
    dest = std::clamp(dest, 1, kShiftRows - count + 1);
    if (dest == rows->first)
        return {};
    // The rows between the old and the new place: the moved block on one
    // side, the channels it passes on the other.
    const int first = std::min(rows->first, dest);
    const int last = std::max(rows->last, dest + count - 1);
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(last - first + 1));
    std::vector<int> passed;
    for (int row = first; row <= last; ++row)
        if (row < rows->first || row > rows->last)
            passed.push_back(row);
    auto block = [&] {
        for (int row = rows->first; row <= rows->last; ++row)
            order.push_back(row);
    };
    if (dest < rows->first) {
        block();
        order.insert(order.end(), passed.begin(), passed.end());
    } else {
        order.insert(order.end(), passed.begin(), passed.end());
        block();
    }
    cut_.reset();
    {
        QuietBook quiet(controller_, true);
        ReorderRows(first, last, order);
    }
    CSpreadSheet1& grid = controller_.CurrentGrid();
    const Block selection = grid.Selection();
    grid.SetActiveCell(grid.ActiveCol(), std::clamp(grid.ActiveRow() - rows->first + dest, dest, dest + count - 1));
    grid.SelectBlock({selection.col, dest, selection.col2, dest + count - 1});
    controller_.TakeBankSnapshot();
    return {true, count};
}

} // namespace grid
