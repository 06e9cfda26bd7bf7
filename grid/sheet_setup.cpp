// Sheet setup: the channel columns from their table, the Hyper Memory settings grid built
// from its layout table, and the stored column options.

// own
#include "grid/sheet_setup.h"

// std
#include <array>
#include <map>

// project
#include "grid/channel_columns.h"
#include "grid/hyper_layout.h"
#include "platform/registry.h"
#include "radio/channel_record.h"
#include "radio/lists.h"

namespace grid {

namespace {

constexpr int kMemoriesLabelWidth = 500;
constexpr int kOtherLabelWidth = 700;
constexpr int kBankCount = 20;
constexpr int kMemoryRows = 1000; // Memories rows that are channels; the rest are scan limits

const char* const kBandLabels[] = {"144", "250", "350", "430", "850"};

ListPtr ListOf(const ChannelColumn& entry, char separator)
{
    switch (entry.items) {
    case ColumnItems::Fixed:
        return SharedList(entry.fixed);
    case ColumnItems::Ctcss:
        return SharedList(radio::CtcssListText(separator));
    case ColumnItems::Dcs:
        return SharedList(radio::DcsListText());
    case ColumnItems::None:
        break;
    }
    return nullptr;
}

void ApplyColumn(CSpreadSheet1& grid, const ChannelColumn& entry, char separator)
{
    const Block cells{entry.col, 1, entry.col, grid.RowCount()};
    grid.SetText(entry.col, 0, entry.header);
    grid.SetKind(cells, entry.kind);
    if (ListPtr items = ListOf(entry, separator))
        grid.SetList(cells, std::move(items));
    grid.SetDecimals(cells, entry.decimals);
    grid.SetMaxLength(cells, entry.maxLength);
    grid.SetUpperCase(cells, entry.upper);
    if (entry.width > 0)
        grid.SetColWidth(entry.col, entry.width);
}

void SetupBankColumns(CSpreadSheet1& grid, int sheet)
{
    const int checkRows = sheet == radio::kSheetMemories ? std::min(kMemoryRows, grid.RowCount()) : grid.RowCount();
    for (int bank = 1; bank <= kBankCount; ++bank) {
        const int col = radio::col::kBank1 + bank - 1;
        grid.SetText(col, 0, std::string(BankColumn().header) + "\n" + std::to_string(bank));
        grid.SetKind({col, 1, col, checkRows}, BankColumn().kind);
    }
    // Scan-limit rows belong to no bank.
    const Block limits{radio::col::kBank1, kMemoryRows + 1, radio::col::kBank1 + kBankCount - 1, grid.RowCount()};
    grid.SetLocked(limits, true);
    grid.SetBackColor(limits, kLockedGrey);
    for (int bank = 0; bank < kBankCount; ++bank)
        grid.SetColWidth(radio::col::kBank1 + bank, grid.MaxTextColWidth(radio::col::kBank1 + bank));
}

ListPtr SettingList(const hyper::SettingCell& cell)
{
    std::string text;
    for (const std::string& entry : radio::HyperSettingEntries(cell.text))
        text += (text.empty() ? "" : "\t") + entry;
    return SharedList(text);
}

void SetupHyperRegions(CSpreadSheet1& grid)
{
    for (const hyper::Region& region : hyper::kRegions) {
        const Block block{region.col, region.row, region.col2, region.row2};
        grid.SetLocked(block, true);
        if (region.back != 0)
            grid.SetBackColor(block, region.back);
    }
}

void SetupHyperSettings(CSpreadSheet1& grid)
{
    for (const hyper::SettingCell& cell : hyper::kSettingCells) {
        grid.SetText(cell.labelCol, cell.row, cell.text.label);
        const Block editor = Block::Cell(cell.editCol, cell.row);
        if (cell.text.IsCheckBox()) {
            grid.SetKind(editor, CellKind::CheckBox);
        } else {
            grid.SetKind(editor, CellKind::List);
            grid.SetList(editor, SettingList(cell));
        }
    }
}

} // namespace

ListPtr SharedList(std::string_view tabSeparated)
{
    static std::map<std::string, ListPtr, std::less<>> lists;
    auto found = lists.find(tabSeparated);
    if (found == lists.end())
        found = lists.emplace(std::string(tabSeparated), MakeList(tabSeparated)).first;
    return found->second;
}

const std::string& ChannelHeader(int col)
{
    static const std::array<std::string, radio::col::kCount + 1> headers = [] {
        std::array<std::string, radio::col::kCount + 1> texts;
        for (const ChannelColumn& entry : ChannelColumns())
            texts[entry.col] = entry.header;
        for (int bank = 1; bank <= kBankCount; ++bank)
            texts[radio::col::kBank1 + bank - 1] = std::string(BankColumn().header) + "\n" + std::to_string(bank);
        return texts;
    }();
    static const std::string none;
    return col >= 1 && col <= radio::col::kCount ? headers[col] : none;
}

std::string RowLabel(int sheet, int row)
{
    if (sheet != radio::kSheetMemories)
        return row >= 1 && row <= radio::kBandCount ? kBandLabels[row - 1] : "";
    if (row < 1 || row > radio::kChannelCount)
        return "";
    if (row <= kMemoryRows)
        return std::to_string(row);
    const int limit = row - kMemoryRows; // 1..100: L1, U1, L2, U2 ...
    return (limit % 2 == 1 ? "L" : "U") + std::to_string((limit + 1) / 2);
}

void SetupChannelGrid(CSpreadSheet1& grid, int sheet, char separator)
{
    const bool redraw = grid.Redraw();
    grid.SetRedraw(false);
    grid.SetDecimalSeparator(separator);
    grid.SetRowCount(radio::SheetRowCount(sheet));
    grid.SetColCount(radio::col::kCount);
    grid.SetRowHeight(0, 2 * kDefaultRowHeight);
    grid.SetColWidth(0, sheet == radio::kSheetMemories ? kMemoriesLabelWidth : kOtherLabelWidth);
    for (int row = 1; row <= grid.RowCount(); ++row)
        grid.SetText(0, row, RowLabel(sheet, row));
    for (const ChannelColumn& entry : ChannelColumns())
        ApplyColumn(grid, entry, separator);
    SetupBankColumns(grid, sheet);
    ApplyColumnOptions(grid, sheet, ReadColumnOptions());
    grid.SetRedraw(redraw);
}

void SetupHyperGrid(CSpreadSheet1& grid)
{
    const bool redraw = grid.Redraw();
    grid.SetRedraw(false);
    grid.SetRowCount(hyper::kRows);
    grid.SetColCount(hyper::kCols);
    grid.SetRowHeight(0, 2 * kDefaultRowHeight);
    for (int col = 0; col <= hyper::kCols; ++col) {
        if (hyper::kColumnChars[col] > 0)
            grid.SetColWidth(col, hyper::kColumnChars[col] * kCharWidth);
        if (col >= 3)
            grid.SetText(col, 0, " ");
    }
    for (int row = 1; row <= hyper::kRows; ++row)
        grid.SetText(0, row, std::to_string(row));

    const Block channels{hyper::kChannelCol, 1, hyper::kChannelCol, hyper::kRows};
    grid.SetText(hyper::kChannelCol, 0, "Channel");
    grid.SetMaxLength(channels, hyper::kChannelTextLimit);
    grid.SetLocked(channels, true);
    const Block scans{hyper::kScanCol, 1, hyper::kScanCol, hyper::kRows};
    grid.SetText(hyper::kScanCol, 0, "Skip\\Scan");
    grid.SetKind(scans, CellKind::List);
    grid.SetList(scans, SharedList(radio::lists::kScanValue));

    SetupHyperRegions(grid);
    grid.SetText(hyper::kBankLinkCol, 0, "Bank Link");
    for (int bank = 1; bank <= hyper::kBankRows; ++bank)
        grid.SetText(hyper::kBankLabelCol, bank, "Bank " + std::to_string(bank));
    grid.SetLocked({hyper::kBankLabelCol, 1, hyper::kBankLabelCol, hyper::kBankRows}, true);
    grid.SetKind({hyper::kBankLinkCol, 1, hyper::kBankLinkCol, hyper::kBankRows}, CellKind::CheckBox);
    SetupHyperSettings(grid);
    grid.SetRedraw(redraw);
}

ColumnOptions ReadColumnOptions()
{
    ColumnOptions options;
    options.columns = platform::Registry::GetDword(platform::kSettingsKey, "Columns").value_or(0);
    options.columns1 = platform::Registry::GetDword(platform::kSettingsKey, "Columns1").value_or(0);
    const auto freeze = static_cast<std::int32_t>(
        platform::Registry::GetDword(platform::kSettingsKey, "Freeze").value_or(1));
    options.freeze = freeze < 1 ? 1 : freeze;
    return options;
}

void ApplyColumnOptions(CSpreadSheet1& grid, int sheet, const ColumnOptions& options)
{
    const bool redraw = grid.Redraw();
    grid.SetRedraw(false);
    const bool bands = sheet == radio::kSheetVfo || sheet >= radio::kSheetHyper1;
    for (int col = 2; col <= radio::col::kCount; ++col) {
        bool hidden = col <= 31 ? (options.columns >> (col - 2)) & 1 : (options.columns1 >> (col - 32)) & 1;
        if (sheet != radio::kSheetMemories && col >= radio::col::kBank1)
            hidden = true; // banks and comment belong to the memories only
        if (bands && (col == radio::col::kName || col == radio::col::kShowName))
            hidden = true;
        grid.SetColHidden(col, hidden);
    }
    grid.SetFrozenCols(options.freeze < 1 ? 1 : options.freeze);
    grid.SetRedraw(redraw);
}

} // namespace grid
