// DocumentController: grid load and store, tab change, sheet 1's mirror, the bank
// membership table and command availability of one document's view.

// own
#include "grid/document_controller.h"

// std
#include <algorithm>

// project
#include "grid/channel_columns.h"
#include "grid/hyper_layout.h"
#include "grid/sheet_io.h"
#include "grid/sheet_setup.h"

namespace grid {

namespace {

constexpr const char* kSheetNames[kSheetCount] = {"Memories",       "VFO",            "Home",
                                                  "Hyper Memory 1", "Hyper Memory 2", "Hyper Memory 3",
                                                  "Hyper Memory 4", "Hyper Memory 5"};

// Counts the controller's own cell writes, so they are not taken for the user's.
class Quiet {
public:
    explicit Quiet(int& depth) : depth_(depth) { ++depth_; }
    ~Quiet() { --depth_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    int& depth_;
};

} // namespace

const char* SheetName(int sheet)
{
    return sheet >= 0 && sheet < kSheetCount ? kSheetNames[sheet] : "";
}

DocumentController::DocumentController(radio::CMainDoc& doc) : doc_(doc)
{
    for (int k = 0; k < kHyperSheets; ++k)
        hyperPointers_[static_cast<std::size_t>(k)] = &hyperGrids_[k];
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        watches_[sheet] = std::make_unique<EditWatch>(*this, sheet);
        grids_[sheet].AddObserver(watches_[sheet].get());
    }
    for (int k = 0; k < kHyperSheets; ++k) {
        auto& watch = watches_[kSheetCount + k];
        watch = std::make_unique<EditWatch>(*this, radio::kSheetHyper1 + k);
        hyperGrids_[k].AddObserver(watch.get());
    }
}

DocumentController::~DocumentController()
{
    for (int sheet = 0; sheet < kSheetCount; ++sheet)
        grids_[sheet].RemoveObserver(watches_[sheet].get());
    for (int k = 0; k < kHyperSheets; ++k)
        hyperGrids_[k].RemoveObserver(watches_[kSheetCount + k].get());
}

void DocumentController::EditWatch::CellsChanged(const Block& block)
{
    // Any write but the controller's own load leaves something to store; single
    // cells written while no program writing runs are the user's.
    if (controller_.quiet_ > 0)
        return;
    controller_.touched_ = true;
    if (controller_.suppressChanges || block.row != block.row2 || block.row < 1)
        return;
    controller_.editSheet_ = sheet_;
    controller_.editRow_ = block.row;
}

std::string DocumentController::TypingLabel() const
{
    return std::string("Typing in ") + SheetName(editSheet_) + " " + std::to_string(editRow_);
}

void DocumentController::SetCurrentSheet(int sheet)
{
    current_ = Checked(sheet);
}

void DocumentController::SetRedrawAll(bool on)
{
    for (CSpreadSheet1& grid : grids_)
        grid.SetRedraw(on);
    for (CSpreadSheet1& grid : hyperGrids_)
        grid.SetRedraw(on);
}

// --- The grid cycle

void DocumentController::FirstUpdate()
{
    {
        const Quiet quiet(quiet_);
        for (int sheet = 0; sheet < kSheetCount; ++sheet) {
            SetCurrentSheet(sheet);
            SetupChannelGrid(grids_[sheet], sheet, doc_.Separator());
            if (sheet >= radio::kSheetHyper1)
                SetupHyperGrid(hyperGrids_[sheet - radio::kSheetHyper1]);
            ResetTemplate(sheet);
        }
    }
    // The document as the window first shows it is where its history starts
    // (one that was opened, created or read is settled already).
    doc_.StartHistory();
    GridLoad();
    SetCurrentSheet(radio::kSheetMemories);
    RefreshTemplate(radio::kSheetMemories, 1);
    TakeBankSnapshot();
}

void DocumentController::GridLoad()
{
    const Quiet quiet(quiet_);
    touched_ = false;
    for (auto& bank : banks_)
        bank.fill(0);
    const int previous = current_;
    SetRedrawAll(false);
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        SetCurrentSheet(sheet);
        LoadSheet(doc_, doc_.Image(), grids_[sheet], sheet, hyperPointers_, view_);
        if (sheet == radio::kSheetMemories)
            ResetTemplate(sheet);
    }
    SetRedrawAll(true);
    SetCurrentSheet(previous);
    TakeBankSnapshot();
}

bool DocumentController::StoreAll()
{
    const int previous = current_;
    const radio::RadioImage& before = doc_.Image();
    radio::RadioImage after = before;
    bool settled = false;
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        SetCurrentSheet(sheet);
        settled |= StoreSheet(doc_, after, grids_[sheet], sheet, hyperPointers_, view_);
    }
    if (after != before)
        doc_.Image() = after;
    SetCurrentSheet(previous);
    return settled;
}

bool DocumentController::GridStore(bool validate)
{
    if (validate && editInProgress) {
        if (validateActiveCell && !validateActiveCell())
            return false;
        CurrentGrid().SetEditMode(false);
        editInProgress = false;
    }
    // Grids nobody wrote since the last load or store hold the image as it
    // is: storing them again could only add a step that changes nothing the
    // user did.
    if (!touched_)
        return true;
    const bool settled = StoreAll();
    doc_.CommitStep(TypingLabel());
    touched_ = false;
    // The record rules changed what a row shows: show what was stored.
    if (settled)
        LoadKeepingCell();
    return true;
}

void DocumentController::RunStep(const std::string& label, const std::function<void(radio::CMainDoc&)>& change)
{
    GridStore(false);
    if (change)
        change(doc_);
    doc_.Settle();
    LoadKeepingCell();
    doc_.CommitStep(label);
}

bool DocumentController::RunGridStep(const std::function<std::string()>& change)
{
    GridStore(false);
    std::string label;
    {
        const Quiet quiet(quiet_);
        label = change ? change() : std::string();
    }
    if (label.empty())
        return false;
    const bool settled = StoreAll();
    const bool changed = doc_.CommitStep(label);
    if (settled)
        LoadKeepingCell();
    return changed;
}

void DocumentController::NewDocument()
{
    doc_.OnNewDocument();
    LoadKeepingCell();
}

void DocumentController::AdoptRead(const std::function<void(radio::CMainDoc&)>& adopt)
{
    RunStep("Read from Radio", adopt);
}

bool DocumentController::Undo()
{
    return MoveInHistory(&radio::CMainDoc::Undo);
}

bool DocumentController::Redo()
{
    return MoveInHistory(&radio::CMainDoc::Redo);
}

bool DocumentController::MoveInHistory(bool (radio::CMainDoc::*move)())
{
    GridStore(false);
    if (!(doc_.*move)())
        return false;
    LoadKeepingCell();
    return true;
}

// The grid load, with the current grid's active cell put back where it was.
void DocumentController::LoadKeepingCell()
{
    CSpreadSheet1& grid = CurrentGrid();
    const int col = grid.ActiveCol();
    const int row = grid.ActiveRow();
    GridLoad();
    if (current_ >= radio::kSheetHyper1)
        ColourBankLabels(current_ - radio::kSheetHyper1);
    if (current_ == radio::kSheetVfo)
        RefreshMirror();
    grid.SetActiveCell(col, row);
}

// --- Tab change

void DocumentController::BeforeTabChange()
{
    SetCurrentSheet(current_);
    GridStore(true); // the tab changes whatever the check said
}

void DocumentController::AfterTabChange(int sheet)
{
    SetCurrentSheet(sheet);
    if (current_ >= radio::kSheetHyper1)
        ColourBankLabels(current_ - radio::kSheetHyper1);
    if (current_ == radio::kSheetVfo)
        RefreshMirror();
    CurrentGrid().SetActiveCell(1, 1);
}

// --- Sheet 1's mirror

int DocumentController::ActiveHyper() const
{
    const int active = doc_.ActiveHyper();
    return active >= 0 && active < kHyperSheets ? active : 0;
}

void DocumentController::RefreshMirror()
{
    const CSpreadSheet1& source = grids_[radio::kSheetHyper1 + ActiveHyper()];
    CSpreadSheet1& mirror = grids_[radio::kSheetVfo];
    const Quiet quiet(quiet_);
    // Every column, so no cell keeps what another Hyper Memory showed.
    const Block block{1, 1, source.ColCount(), kMirrorRows};
    mirror.SetLocked(block, false);
    suppressChanges = true;
    mirror.CopyBlockFrom(source, block, 1, 1);
    suppressChanges = false;
    mirror.SetLocked(block, true);
}

void DocumentController::ChooseHyper(int hyper)
{
    if (hyper < 0 || hyper >= kHyperSheets || hyper == HyperChoice())
        return;
    RunStep("Select Hyper Memory", [hyper](radio::CMainDoc& doc) { doc.ChooseActiveHyper(hyper); });
}

// --- Bank membership

void DocumentController::TakeBankSnapshot()
{
    const CSpreadSheet1& memories = grids_[radio::kSheetMemories];
    for (int bank = 0; bank < kBanks; ++bank)
        for (int channel = 0; channel < kBankChannels; ++channel)
            banks_[bank][channel] = memories.GetValue(radio::col::kBank1 + bank, channel + 1) == "1" ? 1 : 0;
}

bool DocumentController::BankMember(int bank, int channel) const
{
    return bank >= 0 && bank < kBanks && channel >= 0 && channel < kBankChannels && banks_[bank][channel];
}

void DocumentController::SetBankMember(int bank, int channel, bool member)
{
    if (bank >= 0 && bank < kBanks && channel >= 0 && channel < kBankChannels)
        banks_[bank][channel] = member ? 1 : 0;
}

bool DocumentController::BankHasMembers(int bank) const
{
    return FirstBankMember(bank) >= 0;
}

int DocumentController::FirstBankMember(int bank) const
{
    if (bank < 0 || bank >= kBanks)
        return -1;
    const auto& members = banks_[bank];
    const auto first = std::find(members.begin(), members.end(), 1);
    return first == members.end() ? -1 : static_cast<int>(first - members.begin());
}

void DocumentController::ColourBankLabels(int hyper)
{
    const Quiet quiet(quiet_);
    CSpreadSheet1& grid = HyperGrid(hyper);
    for (int bank = 0; bank < kBanks; ++bank)
        grid.SetTextColor(Block::Cell(hyper::kBankLabelCol, bank + 1),
                          BankHasMembers(bank) ? kBlack : kBankEmptyText);
}

void DocumentController::RefreshTemplate(int sheet, int row)
{
    using radio::ChannelField;
    const CSpreadSheet1& grid = grids_[Checked(sheet)];
    ChannelTemplate record = DefaultTemplate();
    for (const ChannelColumn& column : ChannelColumns()) {
        if (!column.inTemplate)
            continue;
        if (column.kind == CellKind::CheckBox) {
            radio::SetField(record.data(), column.field, grid.GetValue(column.col, row) == "1");
            continue;
        }
        const int index = grid.ListIndex(column.col, row);
        if (index >= 0)
            radio::SetField(record.data(), column.field, column.field == ChannelField::Mode ? index & 1 : index);
    }
    Template(sheet) = record;
}

} // namespace grid
