// The column options: bits, registry values and applying them to a view.

// own
#include "grid/column_options.h"

// project
#include "grid/bank_rules.h"
#include "grid/document_controller.h"
#include "platform/registry.h"

namespace grid {
namespace {

constexpr int kFirstHighColumn = 32; // "Columns1" holds columns 32..35

} // namespace

bool HiddenByOptions(const ColumnOptions& options, int col)
{
    if (col < kFirstOptionColumn || col > radio::col::kCount)
        return false;
    if (col < kFirstHighColumn)
        return (options.columns >> (col - kFirstOptionColumn)) & 1U;
    return (options.columns1 >> (col - kFirstHighColumn)) & 1U;
}

void SetHiddenByOptions(ColumnOptions& options, int col, bool hidden)
{
    if (col < kFirstOptionColumn || col > radio::col::kCount)
        return;
    std::uint32_t& mask = col < kFirstHighColumn ? options.columns : options.columns1;
    const std::uint32_t bit = 1U << (col < kFirstHighColumn ? col - kFirstOptionColumn : col - kFirstHighColumn);
    mask = hidden ? mask | bit : mask & ~bit;
}

ColumnOptions ReadStoredOptions()
{
    ColumnOptions options;
    options.columns = platform::Registry::GetDword(platform::kSettingsKey, "Columns").value_or(0);
    options.columns1 = platform::Registry::GetDword(platform::kSettingsKey, "Columns1").value_or(0);
    options.freeze =
        static_cast<std::int32_t>(platform::Registry::GetDword(platform::kSettingsKey, "Freeze").value_or(0));
    return options;
}

void WriteColumnOptions(const ColumnOptions& options)
{
    platform::Registry::SetDword(platform::kSettingsKey, "Columns", options.columns);
    platform::Registry::SetDword(platform::kSettingsKey, "Columns1", options.columns1);
    platform::Registry::SetDword(platform::kSettingsKey, "Freeze", static_cast<std::uint32_t>(options.freeze));
}

void ApplyColumnOptionsToBook(DocumentController& controller)
{
    const ColumnOptions options = ReadColumnOptions();
    for (int sheet = 0; sheet < kSheetCount; ++sheet)
        ApplyColumnOptions(controller.Grid(sheet), sheet, options);
    KeepBankLayout(controller);
}

std::string OptionLabel(int col)
{
    std::string label = ChannelHeader(col);
    for (char& c : label)
        if (c == '\n')
            c = ' ';
    return label;
}

} // namespace grid
