// The channel column table.

// own
#include "grid/channel_columns.h"

// std
#include <array>

// project
#include "radio/lists.h"

namespace grid {
namespace {

using radio::ChannelField;
namespace col = radio::col;

constexpr int kDecimals = 5;
constexpr int kNameLimit = 6;
constexpr int kCommentLimit = 30;
constexpr int kCommentWidth = 2880;

constexpr ColumnItems kNoItems = ColumnItems::None;
constexpr ColumnItems kFixed = ColumnItems::Fixed;
constexpr ExportStyle kText = ExportStyle::Text;
constexpr ExportStyle kOnOff = ExportStyle::OnOff;

// clang-format off
constexpr std::array<ChannelColumn, 15> kColumns{{
    // col              header                 kind                 items               fixed                      dec        max            upper  width          rule                  field                     limit tmpl   export
    {col::kReceive,    "Receive\nFrequency",  CellKind::Number,   kNoItems,           "",                        kDecimals, 0,             false, 0,             ColumnRule::Receive,   ChannelField::Receive,    0,    false, kText},
    {col::kTransmit,   "Transmit\nFrequency", CellKind::Number,   kNoItems,           "",                        kDecimals, 0,             false, 0,             ColumnRule::Transmit,  ChannelField::Transmit,   0,    false, kText},
    {col::kOffset,     "Offset\nFrequency",   CellKind::EditList, kFixed,             radio::lists::kOffset,     0,         0,             false, 0,             ColumnRule::Offset,    ChannelField::Offset,     0,    false, kText},
    {col::kDirection,  "Offset\nDirection",   CellKind::List,     kFixed,             radio::lists::kDirection,  0,         0,             false, 0,             ColumnRule::Direction, ChannelField::Direction,  0,    false, kText},
    {col::kMode,       "Operating\nMode",     CellKind::List,     kFixed,             radio::lists::kMode,       0,         0,             false, 0,             ColumnRule::Mode,      ChannelField::Mode,       0,    true,  kText},
    {col::kName,       "Name",                CellKind::Text,     kNoItems,           "",                        0,         kNameLimit,    true,  0,             ColumnRule::Name,      ChannelField::Receive,    0,    false, kText},
    {col::kShowName,   "Show\nName",          CellKind::CheckBox, kNoItems,           "",                        0,         0,             false, 0,             ColumnRule::ShowName,  ChannelField::Receive,    0,    false, ExportStyle::ShowName},
    {col::kToneMode,   "Tone\nMode",          CellKind::List,     kFixed,             radio::lists::kToneMode,   0,         0,             false, 0,             ColumnRule::Index,     ChannelField::ToneMode,   8,    true,  kText},
    {col::kCtcss,      "CTCSS\nTone",         CellKind::List,     ColumnItems::Ctcss, "",                        0,         0,             false, 0,             ColumnRule::Index,     ChannelField::Ctcss,      50,   true,  kText},
    {col::kDcs,        "DCS\nCode",           CellKind::List,     ColumnItems::Dcs,   "",                        0,         0,             false, 0,             ColumnRule::Index,     ChannelField::Dcs,        104,  true,  kText},
    {col::kStep,       "Step",                CellKind::List,     kFixed,             radio::lists::kStep,       0,         0,             false, 0,             ColumnRule::Step,      ChannelField::Step,       0,    true,  kText},
    {col::kClockShift, "Clock\nShift",        CellKind::CheckBox, kNoItems,           "",                        0,         0,             false, 0,             ColumnRule::Check,     ChannelField::ClockShift, 0,    true,  kOnOff},
    {col::kPower,      "Tx\nPower",           CellKind::List,     kFixed,             radio::lists::kPower,      0,         0,             false, 0,             ColumnRule::Index,     ChannelField::Power,      3,    true,  kText},
    {col::kNarrow,     "Narrow",              CellKind::CheckBox, kNoItems,           "",                        0,         0,             false, 0,             ColumnRule::Check,     ChannelField::Narrow,     0,    false, kOnOff},
    {col::kComment,    "Comment",             CellKind::Text,     kNoItems,           "",                        0,         kCommentLimit, false, kCommentWidth, ColumnRule::Comment,   ChannelField::Receive,    0,    false, kText},
}};

constexpr ChannelColumn kBankColumn{
    col::kBank1,       "Bank",                CellKind::CheckBox, kNoItems,           "",                        0,         0,             false, 0,             ColumnRule::Bank,      ChannelField::Receive,    0,    false, kOnOff};
// clang-format on

} // namespace

std::span<const ChannelColumn> ChannelColumns()
{
    return kColumns;
}

const ChannelColumn& BankColumn()
{
    return kBankColumn;
}

const ChannelColumn* ChannelColumnAt(int column)
{
    if (column >= col::kBank1 && column < col::kBank1 + radio::kBankCount)
        return &kBankColumn;
    for (const ChannelColumn& entry : kColumns)
        if (entry.col == column)
            return &entry;
    return nullptr;
}

} // namespace grid
