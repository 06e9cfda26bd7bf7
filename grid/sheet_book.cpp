// SheetBook: grid load and store, tab change, sheet 1's mirror, the bank
// membership table and command availability of one document's view.

// own
#include "grid/sheet_book.h"

// std
#include <algorithm>

// project
#include "grid/hyper_layout.h"
#include "grid/sheet_io.h"
#include "grid/sheet_setup.h"
#include "platform/command_ids.h"

namespace grid {

SheetBook::SheetBook(radio::CMainDoc& doc) : doc_(doc) {}

void SheetBook::SetCurrentSheet(int sheet)
{
    current_ = Checked(sheet);
    doc_.SetSheetKind(current_);
}

void SheetBook::SetRedrawAll(bool on)
{
    for (CSpreadSheet1& grid : grids_)
        grid.SetRedraw(on);
    for (CSpreadSheet1& grid : hyperGrids_)
        grid.SetRedraw(on);
}

// --- The grid cycle

void SheetBook::FirstUpdate()
{
    for (int k = 0; k < kHyperSheets; ++k)
        doc_.SetHyperGrid(k, &hyperGrids_[k]);
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        SetCurrentSheet(sheet);
        SetupChannelGrid(grids_[sheet], sheet, doc_.Separator());
        if (sheet >= radio::kSheetHyper1)
            SetupHyperGrid(hyperGrids_[sheet - radio::kSheetHyper1]);
        doc_.ResetTemplate(sheet);
    }
    GridLoad();
    SetCurrentSheet(radio::kSheetMemories);
    RefreshTemplate(radio::kSheetMemories, 1);
    TakeBankSnapshot();
    doc_.SetModifiedFlag(false);
}

void SheetBook::GridLoad()
{
    for (auto& bank : banks_)
        bank.fill(0);
    const int previous = current_;
    SetRedrawAll(false);
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        SetCurrentSheet(sheet);
        LoadSheet(doc_, doc_.Image(), grids_[sheet], sheet);
        if (sheet == radio::kSheetMemories)
            doc_.ResetTemplate(sheet);
    }
    SetRedrawAll(true);
    SetCurrentSheet(previous);
    TakeBankSnapshot();
}

bool SheetBook::GridStore(bool validate)
{
    if (validate && editInProgress) {
        if (validateActiveCell && !validateActiveCell())
            return false;
        CurrentGrid().SetEditMode(false);
        editInProgress = false;
    }
    const int previous = current_;
    const radio::RadioImage before = doc_.Image();
    radio::RadioImage after = before;
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        SetCurrentSheet(sheet);
        StoreSheet(doc_, after, grids_[sheet], sheet);
    }
    if (after != before)
        doc_.Image() = after;
    SetCurrentSheet(previous);
    return true;
}

// --- Tab change

void SheetBook::BeforeTabChange()
{
    SetCurrentSheet(current_);
    GridStore(true); // the tab changes whatever the check said
}

void SheetBook::AfterTabChange(int sheet)
{
    SetCurrentSheet(sheet);
    if (current_ >= radio::kSheetHyper1)
        ColourBankLabels(current_ - radio::kSheetHyper1);
    if (current_ == radio::kSheetVfo)
        RefreshMirror();
    CurrentGrid().SetActiveCell(1, 1);
}

// --- Sheet 1's mirror

int SheetBook::ActiveHyper() const
{
    const int active = doc_.ActiveHyper();
    return active >= 0 && active < kHyperSheets ? active : 0;
}

void SheetBook::RefreshMirror()
{
    const CSpreadSheet1& source = grids_[radio::kSheetHyper1 + ActiveHyper()];
    CSpreadSheet1& mirror = grids_[radio::kSheetVfo];
    // Every column, so no cell keeps what another Hyper Memory showed.
    const Block block{1, 1, source.ColCount(), kMirrorRows};
    mirror.SetLocked(block, false);
    suppressChanges = true;
    mirror.CopyBlockFrom(source, block, 1, 1);
    suppressChanges = false;
    mirror.SetLocked(block, true);
}

void SheetBook::ChooseHyper(int hyper)
{
    if (hyper < 0 || hyper >= kHyperSheets || hyper == ActiveHyper())
        return;
    doc_.SetActiveHyper(hyper);
    doc_.SetHyperChoice(hyper);
    RefreshMirror();
}

// --- Bank membership

void SheetBook::TakeBankSnapshot()
{
    const CSpreadSheet1& memories = grids_[radio::kSheetMemories];
    for (int bank = 0; bank < kBanks; ++bank)
        for (int channel = 0; channel < kBankChannels; ++channel)
            banks_[bank][channel] = memories.GetValue(radio::col::kBank1 + bank, channel + 1) == "1" ? 1 : 0;
}

bool SheetBook::BankMember(int bank, int channel) const
{
    return bank >= 0 && bank < kBanks && channel >= 0 && channel < kBankChannels && banks_[bank][channel];
}

void SheetBook::SetBankMember(int bank, int channel, bool member)
{
    if (bank >= 0 && bank < kBanks && channel >= 0 && channel < kBankChannels)
        banks_[bank][channel] = member ? 1 : 0;
}

bool SheetBook::BankHasMembers(int bank) const
{
    return FirstBankMember(bank) >= 0;
}

int SheetBook::FirstBankMember(int bank) const
{
    if (bank < 0 || bank >= kBanks)
        return -1;
    const auto& members = banks_[bank];
    const auto first = std::find(members.begin(), members.end(), 1);
    return first == members.end() ? -1 : static_cast<int>(first - members.begin());
}

void SheetBook::ColourBankLabels(int hyper)
{
    CSpreadSheet1& grid = HyperGrid(hyper);
    for (int bank = 0; bank < kBanks; ++bank)
        grid.SetTextColor(Block::Cell(hyper::kBankLabelCol, bank + 1),
                          BankHasMembers(bank) ? kBlack : kBankEmptyText);
}

void SheetBook::RefreshTemplate(int sheet, int row)
{
    using radio::ChannelField;
    struct Source {
        int col;
        ChannelField field;
    };
    static constexpr Source kSources[] = {
        {radio::col::kMode, ChannelField::Mode},   {radio::col::kToneMode, ChannelField::ToneMode},
        {radio::col::kCtcss, ChannelField::Ctcss}, {radio::col::kDcs, ChannelField::Dcs},
        {radio::col::kStep, ChannelField::Step},   {radio::col::kPower, ChannelField::Power},
    };
    const CSpreadSheet1& grid = grids_[Checked(sheet)];
    radio::ChannelTemplate record = radio::RadioModel::DefaultTemplate();
    for (const Source& source : kSources) {
        const int index = grid.ListIndex(source.col, row);
        if (index >= 0)
            radio::SetField(record.data(), source.field, source.field == ChannelField::Mode ? index & 1 : index);
    }
    radio::SetField(record.data(), ChannelField::ClockShift, grid.GetValue(radio::col::kClockShift, row) == "1");
    doc_.Template(Checked(sheet)) = record;
}

// --- Commands

bool SheetBook::IsCommandEnabled(int id) const
{
    switch (id) {
    case cmd::Copy:
    case cmd::Paste:
        return lastPressInChannelGrid;
    case cmd::Cut:
    case cmd::Insert:
    case cmd::Delete:
    case cmd::Sort:
    case cmd::BankSettings:
        return current_ == radio::kSheetMemories;
    default:
        return true;
    }
}

bool SheetBook::IsCommandChecked(int id) const
{
    return id == cmd::BankSettings && bankLayout;
}

} // namespace grid
