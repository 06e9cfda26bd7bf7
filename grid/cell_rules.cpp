// CellRules: the editing rules of the channel grids.

// own
#include "grid/cell_rules.h"

// std
#include <cctype>

// project
#include "grid/channel_rules.h"
#include "grid/rule_access.h"
#include "grid/sheet_setup.h"
#include "platform/prompt.h"
#include "radio/frequency.h"
#include "radio/lists.h"

namespace grid {
namespace {

namespace col = radio::col;
using radio::ChannelField;

constexpr int kLastBankRow = radio::kMemoryCount; // scan-limit rows below belong to no bank

void ShowPlain(const std::string& text)
{
    platform::ShowMessage(text, rules::kAppTitle);
}

} // namespace

CellRules::CellRules(RuleAccess& access) : access_(access), controller_(access.Controller())
{
    for (int sheet = 0; sheet < radio::kSheetCount; ++sheet)
        if (rules::IsEditableSheet(sheet))
            Attach(sheet);
    controller_.validateActiveCell = [this] { return ValidateActiveCell(); };
}

CellRules::~CellRules()
{
    for (int sheet = 0; sheet < radio::kSheetCount; ++sheet)
        if (rules::IsEditableSheet(sheet))
            Detach(sheet);
    controller_.validateActiveCell = nullptr;
}

CSpreadSheet1& CellRules::Grid(int sheet) { return controller_.Grid(sheet); }

void CellRules::Attach(int sheet)
{
    SheetEvents& events = Grid(sheet).Events();
    events.change = [this, sheet](int c, int r) { OnChange(sheet, c, r); };
    events.editMode = [this, sheet](int c, int r, int mode, bool changed) { OnEditMode(sheet, c, r, mode, changed); };
    events.leaveCell = [this, sheet](int c, int r, int newCol, int /*newRow*/, bool& cancel) {
        if (OnLeaveCell(sheet, c, r, newCol))
            cancel = true;
    };
    events.leaveRow = [this, sheet](int r, int /*newRow*/, bool& /*cancel*/) { OnLeaveRow(sheet, r); };
    events.editError = [this, sheet](int c, int r, int code) { OnEditError(sheet, c, r, code); };
    events.buttonClicked = [this, sheet](int c, int r, int /*state*/) { OnButton(sheet, c, r); };
    events.keyPress = [this, sheet](int& key) { key = OnKey(sheet, key); };
}

void CellRules::Detach(int sheet)
{
    SheetEvents& events = Grid(sheet).Events();
    events.change = nullptr;
    events.editMode = nullptr;
    events.leaveCell = nullptr;
    events.leaveRow = nullptr;
    events.editError = nullptr;
    events.buttonClicked = nullptr;
    events.keyPress = nullptr;
}

// --- Events

void CellRules::OnChange(int sheet, int c, int row)
{
    if (controller_.suppressChanges)
        return;
    editChanged_ = true;
    if (c == col::kName)
        KeepNameInCharset(sheet, row);
    if (c == col::kReceive) {
        const std::int32_t rx = Frequency(sheet, col::kReceive, row);
        if (rx == 0 || !radio::IsValidFrequency(rx))
            return;
        SetModeList(sheet, row, rx);
        if (Frequency(sheet, col::kTransmit, row) == 0)
            GiveDefaults(sheet, row, rx);
        LockRow(sheet, row, false);
    }
    access_.RefreshTemplate(sheet, row);
}

void CellRules::OnEditMode(int sheet, int c, int row, int mode, bool changed)
{
    if (mode != 0) {
        controller_.editInProgress = true;
        editChanged_ = false;
        return;
    }
    controller_.editInProgress = false;
    refused_ = {};
    // An edit that changed nothing (Escape, or leaving at once) leaves the row alone.
    const bool edited = changed || editChanged_;
    editChanged_ = false;
    if (!edited)
        return;
    switch (c) {
    case col::kReceive:
        ReceiveEdited(sheet, row);
        break;
    case col::kTransmit:
        TransmitEdited(sheet, row);
        break;
    case col::kOffset:
    case col::kDirection:
        OffsetOrDirectionEdited(sheet, row);
        break;
    default:
        break;
    }
}

bool CellRules::OnLeaveCell(int sheet, int c, int row, int newCol)
{
    if (newCol == -1) { // losing the focus: nothing is examined
        Grid(sheet).SetActiveCell(c, row);
        return false;
    }
    if (refused_.sheet == sheet && refused_.col == c && refused_.row == row) {
        refused_ = {};
        return true; // its message was shown as the edit ended
    }
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    switch (c) {
    case col::kReceive: {
        if (rx == 0) {
            if (sheet == radio::kSheetMemories)
                UpdateSettingsGrids(row, std::string());
            LockRow(sheet, row, true);
            return false;
        }
        if (const std::string refusal = ReceiveRefusal(sheet, row, rx); !refusal.empty()) {
            Refuse(sheet, c, row, refusal, true);
            return true;
        }
        if (sheet == radio::kSheetMemories)
            UpdateSettingsGrids(row, access_.FormatFrequency(rx));
        LockRow(sheet, row, false);
        return false;
    }
    case col::kTransmit:
        if (rx >= 1 && !radio::IsValidFrequency(Frequency(sheet, col::kTransmit, row))) {
            Refuse(sheet, c, row, rules::kInvalidTransmit, true);
            return true;
        }
        return false;
    case col::kOffset: {
        // Only a repeater shift uses the offset: a simplex or split row of a
        // band without a default offset shows 0 and is no reason to hold the user.
        const int entry = Grid(sheet).ListIndex(col::kDirection, row);
        const bool shifted = entry == 1 || entry == 2;
        if (rx >= 1 && shifted && !radio::IsValidOffset(Frequency(sheet, col::kOffset, row))) {
            Refuse(sheet, c, row, rules::kInvalidOffset, false);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void CellRules::OnLeaveRow(int sheet, int row)
{
    access_.RefreshTemplate(sheet, row);
    if (Frequency(sheet, col::kReceive, row) == 0)
        LockRow(sheet, row, true);
}

void CellRules::OnEditError(int sheet, int /*c*/, int row, int code)
{
    // Cells locked for good (the scan-limit rows' banks) are no missing frequency.
    if (code != 1 || Frequency(sheet, col::kReceive, row) != 0)
        return;
    ShowPlain(rules::kNoReceive);
    Grid(sheet).SetActiveCell(col::kReceive, row);
}

void CellRules::OnButton(int sheet, int c, int row)
{
    if (sheet == radio::kSheetMemories && c >= col::kBank1 && c < col::kComment && row >= 1 && row <= kLastBankRow)
        controller_.SetBankMember(c - col::kBank1, row - 1, Grid(sheet).GetValue(c, row) == "1");
}

int CellRules::OnKey(int sheet, int key)
{
    if (Grid(sheet).ActiveCol() != col::kName)
        return key;
    if (key <= 0 || key > 0x7F)
        return 0;
    const char upper = static_cast<char>(std::toupper(key));
    return radio::NameCharCode(upper) >= 0 ? static_cast<unsigned char>(upper) : 0;
}

bool CellRules::ValidateActiveCell()
{
    const int sheet = controller_.CurrentSheet();
    if (!rules::IsEditableSheet(sheet))
        return true;
    CSpreadSheet1& grid = Grid(sheet);
    const int c = grid.ActiveCol();
    const int row = grid.ActiveRow();
    refused_ = {}; // a command always hears why it cannot run
    if (OnLeaveCell(sheet, c, row, c))
        return false;
    OnEditMode(sheet, c, row, 0, false);
    return !controller_.editInProgress;
}

// --- End of an edit

std::string CellRules::ReceiveRefusal(int sheet, int row, std::int32_t rx)
{
    if (rules::IsBandSheet(sheet)) {
        if (std::string refusal = rules::BandRowRefusal(row, rx); !refusal.empty())
            return refusal;
    }
    // A band row takes only what the radio can store, as the memories do.
    return radio::IsValidFrequency(rx) ? std::string() : rules::kInvalidReceive;
}

void CellRules::Refuse(int sheet, int c, int row, const std::string& message, bool reopen)
{
    ShowPlain(message);
    if (!reopen)
        return;
    CSpreadSheet1& grid = Grid(sheet);
    grid.SetActiveCell(c, row);
    grid.SetEditMode(true);
    controller_.editInProgress = true;
}

void CellRules::ReceiveEdited(int sheet, int row)
{
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    // The settings grids first: the row's own cells are written last, and
    // the step of this edit is named after them.
    if (rx == 0) {
        if (sheet == radio::kSheetMemories)
            UpdateSettingsGrids(row, std::string());
        ClearRow(sheet, row);
        LockRow(sheet, row, true);
        return;
    }
    if (const std::string refusal = ReceiveRefusal(sheet, row, rx); !refusal.empty()) {
        Refuse(sheet, col::kReceive, row, refusal, true);
        refused_ = {sheet, col::kReceive, row};
        return;
    }
    if (sheet == radio::kSheetMemories)
        UpdateSettingsGrids(row, access_.FormatFrequency(rx));
    // A fresh row takes the template here too, whichever event came first.
    if (Frequency(sheet, col::kTransmit, row) == 0)
        GiveDefaults(sheet, row, rx);
    SetStepList(sheet, row, rx);
    RecomputeFromReceive(sheet, row, rx);
    LockRow(sheet, row, false);
}

void CellRules::RecomputeFromReceive(int sheet, int row, std::int32_t rx)
{
    CSpreadSheet1& grid = Grid(sheet);
    int direction = radio::DirectionIndexToCode(grid.ListIndex(col::kDirection, row));
    const std::int32_t tx =
        radio::TransmitFrequency(rx, direction, Frequency(sheet, col::kOffset, row), true);
    if (tx > 0)
        SetFrequency(sheet, col::kTransmit, row, tx);
    if (const int entry = radio::DirectionCodeToIndex(direction); entry >= 0)
        grid.SetListIndex(col::kDirection, row, entry);
    const std::int32_t offset = radio::DefaultOffset(rx);
    if (Frequency(sheet, col::kOffset, row) != offset)
        ShowOffset(sheet, row, offset);
}

void CellRules::TransmitEdited(int sheet, int row)
{
    CSpreadSheet1& grid = Grid(sheet);
    if (grid.ListIndex(col::kDirection, row) == rules::kSplitEntry)
        return;
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    const std::int32_t tx = Frequency(sheet, col::kTransmit, row);
    if (rx == 0)
        return;
    if (!radio::IsValidFrequency(tx)) {
        Refuse(sheet, col::kTransmit, row, rules::kInvalidTransmit, true);
        refused_ = {sheet, col::kTransmit, row};
        return;
    }
    int direction = radio::kSimplex;
    const std::int32_t offset = radio::DirectionAndOffset(rx, direction, tx);
    grid.SetListIndex(col::kDirection, row, radio::DirectionCodeToIndex(direction));
    if (offset > 0)
        grid.SetText(col::kOffset, row, rules::TypedOffsetText(offset));
    else
        ShowOffset(sheet, row, offset); // equal frequencies in a band without a default offset
}

void CellRules::OffsetOrDirectionEdited(int sheet, int row)
{
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    int direction = radio::DirectionIndexToCode(Grid(sheet).ListIndex(col::kDirection, row));
    const std::int32_t tx = radio::TransmitFrequency(rx, direction, Frequency(sheet, col::kOffset, row), false);
    if (rx > 0 && tx > 0)
        SetFrequency(sheet, col::kTransmit, row, tx);
}

// --- Row helpers

// Typed keys are filtered one by one; a name pasted whole is held to the
// same characters here, so what the cell shows is what the radio stores.
void CellRules::KeepNameInCharset(int sheet, int row)
{
    CSpreadSheet1& grid = Grid(sheet);
    const std::string text = grid.GetText(col::kName, row);
    std::string kept;
    for (char c : text) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (radio::NameCharCode(upper) >= 0)
            kept += upper;
    }
    if (kept != text)
        grid.SetText(col::kName, row, kept);
}

std::int32_t CellRules::Frequency(int sheet, int c, int row)
{
    return radio::ParseFrequency(Grid(sheet).GetText(c, row));
}

void CellRules::SetFrequency(int sheet, int c, int row, std::int32_t hz)
{
    Grid(sheet).SetNumber(c, row, hz * 0.000001);
}

void CellRules::ShowOffset(int sheet, int row, std::int32_t offset)
{
    if (!radio::IsValidOffset(offset))
        offset = radio::DefaultOffset(Frequency(sheet, col::kReceive, row));
    Grid(sheet).SetText(col::kOffset, row, access_.FormatOffset(offset));
}

void CellRules::SetModeList(int sheet, int row, std::int32_t rx)
{
    CSpreadSheet1& grid = Grid(sheet);
    grid.SetList(Block::Cell(col::kMode, row),
                 SharedList(radio::UsesLowModeList(rx) ? radio::lists::kModeLow : radio::lists::kMode));
    grid.SetListIndex(col::kMode, row, 0);
}

void CellRules::SetStepList(int sheet, int row, std::int32_t rx)
{
    CSpreadSheet1& grid = Grid(sheet);
    grid.SetList(Block::Cell(col::kStep, row),
                 SharedList(radio::UsesHighStepList(rx) ? radio::lists::kStepHigh : radio::lists::kStep));
    grid.SetListIndex(col::kStep, row, 1);
}

void CellRules::GiveDefaults(int sheet, int row, std::int32_t rx)
{
    LockRow(sheet, row, false);
    ShowOffset(sheet, row, radio::DefaultOffset(rx));
    SetModeList(sheet, row, rx);
    const std::uint8_t* record = access_.Template(sheet).data();
    CSpreadSheet1& grid = Grid(sheet);
    struct FromTemplate {
        int column;
        ChannelField field;
    };
    static constexpr FromTemplate kLists[] = {
        {col::kMode, ChannelField::Mode},   {col::kToneMode, ChannelField::ToneMode}, {col::kCtcss, ChannelField::Ctcss},
        {col::kDcs, ChannelField::Dcs},     {col::kStep, ChannelField::Step},         {col::kPower, ChannelField::Power},
    };
    for (const FromTemplate& list : kLists)
        grid.SetListIndex(list.column, row, radio::GetField(record, list.field));
    grid.SetChecked(col::kClockShift, row, radio::GetField(record, ChannelField::ClockShift) != 0);
    grid.SetText(col::kComment, row, "");
}

void CellRules::LockRow(int sheet, int row, bool locked)
{
    CSpreadSheet1& grid = Grid(sheet);
    // Only a real change is written: moving the cursor over a channel is no edit.
    if (grid.Locked(col::kTransmit, row) == locked && grid.Locked(col::kComment, row) == locked)
        return;
    if (sheet == radio::kSheetMemories && row > kLastBankRow) {
        // A scan-limit row's bank cells stay locked whatever the row holds.
        grid.SetLocked({col::kTransmit, row, col::kNarrow, row}, locked);
        grid.SetLocked(Block::Cell(col::kComment, row), locked);
        return;
    }
    grid.SetLocked({col::kTransmit, row, col::kCount, row}, locked);
}

void CellRules::ClearRow(int sheet, int row)
{
    Grid(sheet).ClearBlock({col::kReceive, row, col::kCount, row});
    if (sheet == radio::kSheetMemories && row <= kLastBankRow)
        for (int bank = 0; bank < radio::kBankCount; ++bank)
            controller_.SetBankMember(bank, row - 1, false);
}

void CellRules::UpdateSettingsGrids(int row, const std::string& text)
{
    if (row < 1 || row > kLastBankRow)
        return;
    for (int hyper = 0; hyper < radio::kHyperCount; ++hyper) {
        CSpreadSheet1& settings = access_.HyperGrid(hyper);
        if (settings.GetText(1, row) == text)
            break;
        settings.SetText(1, row, text);
        settings.SetListIndex(2, row, text.empty() ? -1 : 0);
    }
}

} // namespace grid
