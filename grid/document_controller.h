#pragma once
// DocumentController: the one route by which a window changes its document.
// It owns the eight channel grids and the five Hyper Memory settings grids,
// knows the current sheet, moves data between the grids and the document's
// image (grid load and grid store: the load only shows the image, the store
// writes records in the form the record rules give them), keeps the bank
// membership table and the view state, and makes every change a step of the
// document's history: typing, row commands, imports and pastes, a new
// document, a read from the radio, the choice of the active Hyper Memory,
// undo and redo. The widget that shows it only turns window events into
// calls here.

// std
#include <array>
#include <functional>
#include <memory>
#include <string>

// project
#include "grid/sheet_io.h"
#include "grid/spreadsheet.h"
#include "radio/channel_record.h"
#include "radio/main_doc.h"

namespace grid {

inline constexpr int kSheetCount = radio::kSheetCount;
inline constexpr int kHyperSheets = radio::kHyperCount;
inline constexpr int kBanks = radio::kBankCount;
inline constexpr int kBankChannels = radio::kMemoryCount;
inline constexpr std::uint32_t kBankEmptyText = 0xC0C0C0; // settings grid label of an empty bank
// Sheet 1 mirrors rows 1..10 of the active Hyper Memory's channel grid.
inline constexpr int kMirrorRows = 10;

// The tab text of a sheet (0..7): "Memories", "VFO", "Home", "Hyper Memory 1", ...
const char* SheetName(int sheet);

class DocumentController {
public:
    explicit DocumentController(radio::CMainDoc& doc);
    ~DocumentController();
    DocumentController(const DocumentController&) = delete;
    DocumentController& operator=(const DocumentController&) = delete;

    radio::CMainDoc& Doc() { return doc_; }

    // --- Grids and the current sheet.
    CSpreadSheet1& Grid(int sheet) { return grids_[Checked(sheet)]; }
    CSpreadSheet1& HyperGrid(int hyper) { return hyperGrids_[hyper >= 0 && hyper < kHyperSheets ? hyper : 0]; }
    CSpreadSheet1& CurrentGrid() { return grids_[current_]; }
    int CurrentSheet() const { return current_; }
    // Makes the sheet current and tells the model its kind.
    void SetCurrentSheet(int sheet);

    // --- The grid cycle.
    // Once, before the view is first shown: sets up every sheet, starts the
    // document's history from the document as it is, loads, refreshes sheet
    // 0's new-channel template from row 1 and takes the bank snapshot.
    void FirstUpdate();
    // Fills every grid from the image and rebuilds the bank membership table.
    void GridLoad();
    // Writes every grid into the image; the image is replaced only when the
    // result differs. A change becomes a history step "Typing in <sheet> <row>"
    // named after the last cell the user changed. With `validate`, a cell in
    // edit mode is checked first: a refusal returns false and changes nothing.
    bool GridStore(bool validate);
    // One named step: the grid store (typed edits become their own step),
    // then `change` on the document, the document settled by the record
    // rules, then the grid load and the history step `label`. The current
    // sheet and cell stay where they were.
    void RunStep(const std::string& label, const std::function<void(radio::CMainDoc&)>& change);
    // One named step made on the grids themselves (the row commands): the
    // grid store (typed edits become their own step), then `change`, which
    // works on the grids and returns the step's name, empty when it changed
    // nothing; its result is stored into the image as that one step. True
    // when the document changed.
    bool RunGridStep(const std::function<std::string()>& change);
    // The document starts over from the template (a new history) and the
    // grids show it.
    void NewDocument();
    // The step "Read from Radio": `adopt` makes a read the document's.
    void AdoptRead(const std::function<void(radio::CMainDoc&)>& adopt);
    // Undo / redo one step of the document's history and load the grids;
    // the current sheet and cell stay where they were. False when there was
    // nothing to undo / redo.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return doc_.CanUndo(); }
    bool CanRedo() const { return doc_.CanRedo(); }
    // "Typing in Memories 12", ...; empty when there is nothing to undo / redo.
    std::string UndoLabel() const { return doc_.UndoLabel(); }
    std::string RedoLabel() const { return doc_.RedoLabel(); }
    // The name the next typing step gets ("Typing in Memories 12").
    std::string TypingLabel() const;
    // The user changed a cell since the last grid store.
    bool CellsTouched() const { return touched_; }
    // The check of the cell being edited; returns false to refuse (it has
    // then shown its message). Unset: nothing to check.
    std::function<bool()> validateActiveCell;

    // --- Tab change.
    // Before the tab strip moves away from the current sheet.
    void BeforeTabChange();
    // After it moved to `sheet`: makes it current, colours the bank labels of
    // a Hyper Memory sheet, refreshes sheet 1's mirror, activates cell (1, 1).
    void AfterTabChange(int sheet);

    // --- Sheet 1: the read-only mirror of the active Hyper Memory.
    // The active Hyper Memory, 0..4 (anything else in the image counts as 0).
    int ActiveHyper() const;
    void RefreshMirror();
    // Sheet 1's "Select Hyper Memory" list chose entry `hyper` (0..4): the
    // step "Select Hyper Memory", which makes the radio's current state that
    // Hyper Memory's.
    void ChooseHyper(int hyper);

    // --- Bank membership (banks 0..19, channels 0..999).
    void TakeBankSnapshot();
    bool BankMember(int bank, int channel) const;
    void SetBankMember(int bank, int channel, bool member);
    bool BankHasMembers(int bank) const;
    // Lowest member channel of a bank, -1 when it has none.
    int FirstBankMember(int bank) const;
    // Bank label texts of a settings grid: grey for empty banks, else black.
    void ColourBankLabels(int hyper);

    // Refreshes a sheet's new-channel template from the list choices of a row;
    // fields whose cell has no choice keep their default.
    void RefreshTemplate(int sheet, int row);

    // --- View state kept beside the grids.
    // New-channel template of a sheet (0..7).
    ChannelTemplate& Template(int sheet) { return view_.templates[static_cast<std::size_t>(Checked(sheet))]; }
    void ResetTemplate(int sheet) { Template(sheet) = DefaultTemplate(); }
    // The VFO page's "Select Hyper Memory" choice (0..4, -1 none).
    int HyperChoice() const { return view_.hyperChoice; }
    void SetHyperChoice(int choice) { view_.hyperChoice = choice; }
    const SheetViewState& ViewState() const { return view_; }
    // The settings grids as the load and store take them.
    const HyperGrids& HyperGridPointers() const { return hyperPointers_; }

    // --- View flags.
    bool editInProgress = false;      // a cell of the current grid is in edit mode
    bool suppressChanges = false;     // the program itself is writing cells
    bool lastPressInChannelGrid = true; // else in a settings grid
    bool bankLayout = false;
    std::array<bool, radio::col::kNarrow + 1> hiddenByBankLayout{}; // columns 2..14

private:
    // Notes the last cell the user changed, for the name of the typing step.
    class EditWatch : public SheetObserver {
    public:
        EditWatch(DocumentController& controller, int sheet) : controller_(controller), sheet_(sheet) {}
        void CellsChanged(const Block& block) override;

    private:
        DocumentController& controller_;
        int sheet_;
    };

    static int Checked(int sheet) { return sheet >= 0 && sheet < kSheetCount ? sheet : 0; }
    void SetRedrawAll(bool on);
    // True when the record rules changed something the grids show.
    bool StoreAll();
    void LoadKeepingCell();
    // Undo or redo: typed edits stored first, the grids loaded after.
    bool MoveInHistory(bool (radio::CMainDoc::*move)());

    radio::CMainDoc& doc_;
    std::array<CSpreadSheet1, kSheetCount> grids_;
    std::array<CSpreadSheet1, kHyperSheets> hyperGrids_;
    HyperGrids hyperPointers_{};
    SheetViewState view_;
    int current_ = 0;
    std::array<std::array<std::uint8_t, kBankChannels>, kBanks> banks_{};
    std::array<std::unique_ptr<EditWatch>, kSheetCount + kHyperSheets> watches_;
    int quiet_ = 0; // the controller itself is writing cells
    int editSheet_ = 0;
    int editRow_ = 1;
    bool touched_ = false;
};

} // namespace grid
