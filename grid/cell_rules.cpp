// CellRules: the editing rules of the channel grids.

// own
#include "grid/cell_rules.h"

// std
#include <algorithm>
#include <cctype>

// project
#include "grid/channel_rules.h"
#include "grid/rule_access.h"
#include "grid/sheet_setup.h"
#include "platform/prompt.h"
#include "radio/frequency.h"
#include "radio/lists.h"
#include "radio/record_rules.h"

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
    if (c == col::kComment)
        KeepCommentOnOneLine(sheet, row);
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
        if (!held_.Is(sheet, c, row)) {
            editCell_ = {sheet, c, row};
            editOriginal_ = Grid(sheet).GetText(c, row);
        }
        return;
    }
    controller_.editInProgress = false;
    refused_ = {};
    const bool held = held_.Is(sheet, c, row);
    held_ = {};
    // An edit that changed nothing (Escape, or leaving at once) leaves the row
    // alone; a refused value left so (Enter, the focus gone) stays held.
    const bool edited = changed || editChanged_;
    editChanged_ = false;
    if (!edited) {
        const bool original = editCell_.Is(sheet, c, row) && Grid(sheet).GetText(c, row) == editOriginal_;
        if (held && !original && !Refusal(sheet, c, row).empty()) {
            held_ = {sheet, c, row};
            controller_.editInProgress = true;
        }
        return;
    }
    switch (c) {
    case col::kReceive:
        ReceiveEdited(sheet, row);
        break;
    case col::kTransmit:
        TransmitEdited(sheet, row);
        break;
    case col::kOffset:
    case col::kDirection:
        OffsetOrDirectionEdited(sheet, c, row);
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
    if (refused_.Is(sheet, c, row)) {
        refused_ = {};
        return true; // its message was shown as the edit ended
    }
    if (const std::string refusal = Refusal(sheet, c, row); !refusal.empty()) {
        Refuse(sheet, c, row, refusal);
        return true;
    }
    if (c == col::kReceive) {
        const std::int32_t rx = Frequency(sheet, col::kReceive, row);
        if (sheet == radio::kSheetMemories)
            UpdateSettingsGrids(row, rx == 0 ? std::string() : access_.FormatFrequency(rx));
        LockRow(sheet, row, rx == 0);
    }
    return false;
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

std::string CellRules::TypeValue(int sheet, int c, int row, const std::string& text)
{
    CSpreadSheet1& grid = Grid(sheet);
    if (!rules::IsEditableSheet(sheet) || !grid.IsCell(c, row) || c < 1)
        return rules::kNotEditable;
    if (grid.Locked(c, row))
        return Frequency(sheet, col::kReceive, row) == 0 ? rules::kNoReceive : rules::kLockedCell;
    const CellKind kind = grid.Kind(c, row);
    if (kind == CellKind::CheckBox && text != "1" && text != "0")
        return rules::kNotInList;
    const std::string before = grid.GetText(c, row);
    grid.SetText(c, row, text);
    std::string refusal;
    if (kind == CellKind::List && grid.ListIndex(c, row) < 0)
        refusal = rules::kNotInList;
    else if (c == col::kReceive && Frequency(sheet, col::kReceive, row) == 0)
        refusal = rules::kInvalidReceive;
    else
        refusal = Refusal(sheet, c, row);
    if (!refusal.empty()) {
        grid.SetText(c, row, before);
        return refusal;
    }
    if (kind == CellKind::CheckBox)
        OnButton(sheet, c, row);
    OnChange(sheet, c, row);
    OnEditMode(sheet, c, row, 0, true);
    if (c == col::kReceive)
        OnLeaveCell(sheet, c, row, c);
    return {};
}

// --- End of an edit

std::string CellRules::Refusal(int sheet, int c, int row)
{
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    if (rx == 0) // an empty row: there is nothing to check
        return {};
    switch (c) {
    case col::kReceive:
        return rules::ReceiveRefusal(sheet, row, rx);
    case col::kTransmit:
        return radio::IsValidFrequency(Frequency(sheet, col::kTransmit, row)) ? std::string() : rules::kInvalidTransmit;
    case col::kOffset:
    case col::kDirection: {
        // The offset takes effect only with a repeater shift, and then the
        // transmit frequency it gives must be one the row can use.
        int direction = radio::DirectionIndexToCode(Grid(sheet).ListIndex(col::kDirection, row));
        const bool shifted = direction == radio::kMinus || direction == radio::kPlus;
        const std::int32_t offset = Frequency(sheet, col::kOffset, row);
        if (!rules::IsTakenOffset(offset, shifted))
            return rules::kInvalidOffset;
        return shifted ? rules::ShiftRefusal(sheet, row, radio::TransmitFrequency(rx, direction, offset, false))
                       : std::string();
    }
    default:
        return {};
    }
}

void CellRules::Refuse(int sheet, int c, int row, const std::string& message)
{
    ShowPlain(message);
    CSpreadSheet1& grid = Grid(sheet);
    grid.SetActiveCell(c, row);
    grid.SetEditMode(true);
    controller_.editInProgress = true;
    held_ = {sheet, c, row};
}

void CellRules::RefuseEdit(int sheet, int c, int row, const std::string& message)
{
    Refuse(sheet, c, row, message);
    refused_ = {sheet, c, row};
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
    if (const std::string refusal = Refusal(sheet, col::kReceive, row); !refusal.empty()) {
        RefuseEdit(sheet, col::kReceive, row, refusal);
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
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    const std::int32_t tx = Frequency(sheet, col::kTransmit, row);
    if (rx == 0)
        return;
    // A split row keeps any transmit frequency the radio can use.
    if (const std::string refusal = Refusal(sheet, col::kTransmit, row); !refusal.empty()) {
        RefuseEdit(sheet, col::kTransmit, row, refusal);
        return;
    }
    if (grid.ListIndex(col::kDirection, row) == rules::kSplitEntry)
        return;
    int direction = radio::kSimplex;
    std::int32_t offset = radio::DirectionAndOffset(rx, direction, tx);
    // A difference of exactly the largest shift is no offset the radio keeps.
    if ((direction == radio::kMinus || direction == radio::kPlus) && !radio::IsValidOffset(offset)) {
        direction = radio::kSplit;
        offset = radio::DefaultOffset(rx);
    }
    grid.SetListIndex(col::kDirection, row, radio::DirectionCodeToIndex(direction));
    if (offset > 0)
        grid.SetText(col::kOffset, row, rules::TypedOffsetText(offset));
    else
        ShowOffset(sheet, row, offset); // equal frequencies in a band without a default offset
}

void CellRules::OffsetOrDirectionEdited(int sheet, int c, int row)
{
    const std::int32_t rx = Frequency(sheet, col::kReceive, row);
    if (rx == 0)
        return;
    if (const std::string refusal = Refusal(sheet, c, row); !refusal.empty()) {
        RefuseEdit(sheet, c, row, refusal);
        return;
    }
    // The offset as a load shows it, so the cell shows what is stored
    // (a list entry, or the offset text), whatever was typed.
    const std::int32_t offset = Frequency(sheet, col::kOffset, row);
    if (c == col::kOffset || offset == 0)
        ShowOffset(sheet, row, offset);
    int direction = radio::DirectionIndexToCode(Grid(sheet).ListIndex(col::kDirection, row));
    const std::int32_t tx = radio::TransmitFrequency(rx, direction, offset, false);
    if (tx > 0)
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

// A comment is one cell of a line of rows: line ends and tabs pasted into
// it would split the row wherever rows travel as text.
void CellRules::KeepCommentOnOneLine(int sheet, int row)
{
    CSpreadSheet1& grid = Grid(sheet);
    const std::string text = grid.GetText(col::kComment, row);
    if (text.find_first_of("\r\n\t") != std::string::npos)
        grid.SetText(col::kComment, row, radio::OneLineComment(text));
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
