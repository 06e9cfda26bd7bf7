// The bank layout and the bank rules of the settings grids.

// own
#include "grid/bank_rules.h"

// std
#include <cstdio>

// project
#include "grid/hyper_layout.h"
#include "grid/rule_access.h"
#include "grid/document_controller.h"
#include "platform/prompt.h"
#include "radio/channel_record.h"

namespace grid {
namespace {

namespace col = radio::col;

// Runs `each` on every Memories column that the bank layout hides, with the
// column's "hidden by the layout" flag, holding the grid's drawing until the
// last one is done.
template <typename Each>
void ForBankLayoutColumns(DocumentController& controller, Each each)
{
    CSpreadSheet1& grid = controller.Grid(radio::kSheetMemories);
    const bool redraw = grid.Redraw();
    grid.SetRedraw(false);
    for (int c = col::kTransmit; c <= col::kNarrow; ++c)
        if (c != col::kName)
            each(grid, c, controller.hiddenByBankLayout[static_cast<std::size_t>(c)]);
    grid.SetRedraw(redraw);
}

const hyper::SettingCell& ModeCell() { return hyper::CellOf(hyper::Setting::Mode); }
const hyper::SettingCell& BankCell() { return hyper::CellOf(hyper::Setting::MemoryBank); }
const hyper::SettingCell& NumberCell() { return hyper::CellOf(hyper::Setting::MemoryNumber); }
const hyper::SettingCell& BankOnCell() { return hyper::CellOf(hyper::Setting::MemoryBankOn); }

bool Is(const hyper::SettingCell& cell, int c, int row) { return cell.editCol == c && cell.row == row; }

constexpr int kMemoryModeEntry = 2; // "VFO\tHome\tMemory"

} // namespace

void SetBankLayout(DocumentController& controller, bool on)
{
    if (on == controller.bankLayout)
        return;
    ForBankLayoutColumns(controller, [on](CSpreadSheet1& grid, int c, bool& hidByLayout) {
        if (on && !grid.ColHidden(c)) {
            grid.SetColHidden(c, true);
            hidByLayout = true;
        } else if (!on && hidByLayout) {
            grid.SetColHidden(c, false);
            hidByLayout = false;
        }
    });
    controller.bankLayout = on;
}

void KeepBankLayout(DocumentController& controller)
{
    if (!controller.bankLayout)
        return;
    ForBankLayoutColumns(controller, [](CSpreadSheet1& grid, int c, bool& hidByLayout) {
        hidByLayout = !grid.ColHidden(c);
        grid.SetColHidden(c, true);
    });
}

int FirstChannelInUse(DocumentController& controller)
{
    const CSpreadSheet1& memories = controller.Grid(radio::kSheetMemories);
    for (int row = 1; row <= radio::kMemoryCount; ++row)
        if (!memories.GetText(col::kReceive, row).empty())
            return row - 1;
    return -1;
}

BankRules::BankRules(RuleAccess& access) : access_(access), controller_(access.Controller())
{
    for (int hyper = 0; hyper < radio::kHyperCount; ++hyper) {
        SheetEvents& events = access_.HyperGrid(hyper).Events();
        events.editMode = [this, hyper](int c, int r, int mode, bool) { OnEditMode(hyper, c, r, mode); };
        events.buttonClicked = [this, hyper](int c, int r, int state) { OnButton(hyper, c, r, state); };
        events.listSelChange = [this, hyper](int c, int r) { OnListChange(hyper, c, r); };
    }
}

BankRules::~BankRules()
{
    for (int hyper = 0; hyper < radio::kHyperCount; ++hyper) {
        SheetEvents& events = access_.HyperGrid(hyper).Events();
        events.editMode = nullptr;
        events.buttonClicked = nullptr;
        events.listSelChange = nullptr;
    }
}

void BankRules::OnEditMode(int hyper, int c, int row, int mode)
{
    if (mode == 0)
        return;
    CSpreadSheet1& grid = access_.HyperGrid(hyper);
    if (c == hyper::kScanCol && grid.GetText(hyper::kChannelCol, row).empty()) {
        grid.SetEditMode(false); // only channels that exist have a scan choice
        return;
    }
    if (c == hyper::kBankLinkCol && row >= 1 && row <= hyper::kBankRows && !controller_.BankHasMembers(row - 1)) {
        RefuseBankLink(grid, row);
        grid.SetEditMode(false);
    }
}

void BankRules::OnButton(int hyper, int c, int row, int state)
{
    CSpreadSheet1& grid = access_.HyperGrid(hyper);
    // A check box takes its click without entering edit mode: the bank link
    // is refused here.
    if (c == hyper::kBankLinkCol && state != 0 && row >= 1 && row <= hyper::kBankRows &&
        !controller_.BankHasMembers(row - 1))
        RefuseBankLink(grid, row);
}

void BankRules::RefuseBankLink(CSpreadSheet1& grid, int row)
{
    platform::ShowMessage(kBankLinkError, kBankLinkCaption);
    grid.SetChecked(hyper::kBankLinkCol, row, false);
}

void BankRules::OnListChange(int hyper, int c, int row)
{
    if (controller_.lastPressInChannelGrid)
        return;
    CSpreadSheet1& grid = access_.HyperGrid(hyper);
    if (Is(ModeCell(), c, row) && grid.ListIndex(c, row) == kMemoryModeEntry) {
        const int first = FirstChannelInUse(controller_);
        grid.SetListIndex(NumberCell().editCol, NumberCell().row, first >= 0 ? first : 0);
    } else if (Is(BankCell(), c, row)) {
        ChooseBank(grid, grid.ListIndex(c, row));
    }
}

void BankRules::ChooseBank(CSpreadSheet1& grid, int entry)
{
    if (entry >= 1) {
        const int first = controller_.FirstBankMember(entry - 1);
        if (first >= 0) {
            grid.SetListIndex(NumberCell().editCol, NumberCell().row, first);
            grid.SetChecked(BankOnCell().editCol, BankOnCell().row, true);
            return;
        }
        char text[160];
        std::snprintf(text, sizeof text, kEmptyBankFormat, grid.GetText(BankCell().editCol, BankCell().row).c_str());
        platform::ShowMessage(text, kEmptyBankCaption);
        grid.SetListIndex(BankCell().editCol, BankCell().row, 0);
    }
    grid.SetListIndex(NumberCell().editCol, NumberCell().row, 0);
    grid.SetChecked(BankOnCell().editCol, BankOnCell().row, false);
}

} // namespace grid
