// Random sequences of everything a window does to its document -- typed
// edits (refused ones abandoned), row commands, imports, pastes of other
// programs' rows, reads of raw images, the choice of the active Hyper
// Memory, undo and redo -- each followed by two checks on the whole data
// area: every record keeps the record rule, and showing the document in the
// grids and storing it again changes no byte and no comment.

// own
#include "grid/bank_rules.h"
#include "grid/cell_rules.h"
#include "grid/document_controller.h"
#include "grid/row_commands.h"
#include "grid/rule_access.h"

// test
#include <gtest/gtest.h>
#include "support/temp_config.h"

// std
#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// project
#include "platform/prompt.h"
#include "radio/main_doc.h"
#include "radio/record_rules.h"
#include "textio/import_rows.h"
#include "textio/paste_rows.h"

namespace grid {
namespace {

constexpr unsigned kSeeds = 20;
constexpr int kSteps = 60;

// Column numbers of a channel sheet.
constexpr int kReceive = 1;
constexpr int kTransmit = 2;
constexpr int kOffset = 3;
constexpr int kDirection = 4;
constexpr int kName = 6;
constexpr int kBank1 = 15;
constexpr int kComment = 35;

// What a user types into the text cells, taken and refused alike.
const std::vector<std::string> kReceiveTexts = {"146.52", "442.5", "145.125", "29.6",  "830",  "1300",
                                                "0",      "",      "108",     "199.9", "985.5", "430.0125"};
const std::vector<std::string> kTransmitTexts = {"147.12", "446.5", "5000", "", "144", "245.95", "9"};
const std::vector<std::string> kOffsetTexts = {"600 kHz", "5", "0.123", "150", "1.00 MHz", "99", "2", ""};
const std::vector<std::string> kDirections = {"Simplex", "Minus", "Plus", "Split"};
const std::vector<std::string> kNames = {"abc", "a~b{c", "RPT 12345", "", "wx", "|:<>"};
const std::vector<std::string> kComments = {"club\trepeater\r\nnet", "", "0123456789012345678901234567890123456789",
                                            "plain", "\t\t", "caf\xE9"};

// Rows of other programs as text, with and without a heading.
const std::vector<std::string> kPastedTexts = {
    "Receive Frequency\tName\tComment\n146.52\tSIMPLX\tcall\n442.5\tRPT\tline\tbreak\n",
    "1\t146.940\t146.340\t600 kHz\tMinus\tFM\tHOME\t\tEnc\t100.0\n2\t9999\t\t\t\t\t\t\t\t\n",
    "Receive Frequency\tOffset Direction\tOffset Frequency\n145.5\tPlus\t50\n\"29.6\"\tMinus\t100 kHz\n",
    "3\t430.0125\t\t\tSplit\tAM\tx~y\t1\tDCS\t\t023\t12.5 kHz\t1\tLow\t1\n",
};

struct Random {
    std::mt19937 engine;
    int Below(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    const std::string& Pick(const std::vector<std::string>& texts) { return texts[static_cast<std::size_t>(Below(static_cast<int>(texts.size())))]; }
};

// One window's document, grids, editing rules and row commands, driven by
// one seed.
class Window {
public:
    explicit Window(unsigned seed) : access(controller), cells(access), banks(access), commands(controller, clipboard)
    {
        random.engine.seed(seed);
        doc.OnNewDocument();
        controller.FirstUpdate();
    }

    CSpreadSheet1& Grid(int sheet) { return controller.Grid(sheet); }

    // A sheet the user types into: Memories, Home or a Hyper Memory.
    int EditableSheet() { return random.Below(3) == 0 ? radio::kSheetMemories : std::array{0, 2, 3, 4, 5, 6, 7}[random.Below(7)]; }
    int RowOf(int sheet)
    {
        const int rows = Grid(sheet).RowCount();
        if (sheet == radio::kSheetMemories && random.Below(6) == 0)
            return random.Between(1000, 1010); // the last channel and the first scan limits
        return random.Between(1, std::min(rows, 12));
    }

    // --- Typing, as the grid's model raises the cell store's events.

    // Ends an edit with Escape: the cell takes back what it held when the
    // edit began, and the edit ends unchanged.
    void Escape(CSpreadSheet1& grid, int col, int row, const std::string& before)
    {
        if (grid.GetText(col, row) != before)
            grid.SetText(col, row, before);
        grid.SetEditMode(false);
        grid.RaiseEditMode(col, row, 0, false);
    }

    // One typed value (or list choice, or click) into a cell, then the move
    // to the next cell. Returns a description of the step.
    std::string Type()
    {
        const int sheet = EditableSheet();
        controller.BeforeTabChange();
        controller.AfterTabChange(sheet);
        CSpreadSheet1& grid = Grid(sheet);
        const int row = RowOf(sheet);
        int col = 1 + random.Below(kComment);
        if (col >= kBank1 && col < kComment && sheet != radio::kSheetMemories)
            col = random.Below(2) ? kReceive : kComment;
        if (random.Below(3) == 0)
            col = std::array{kReceive, kTransmit, kOffset, kDirection}[random.Below(4)];
        std::ostringstream what;
        what << "type in sheet " << sheet << " row " << row << " col " << col;
        if (grid.Locked(col, row)) {
            grid.RaiseEditError(col, row, 1);
            return what.str() + " (locked)";
        }
        grid.SetActiveCell(col, row);
        const std::string before = grid.GetText(col, row);
        grid.SetEditMode(true);
        grid.RaiseEditMode(col, row, 1, false);
        bool changed = false;
        const CellKind kind = grid.Kind(col, row);
        if (kind == CellKind::CheckBox) {
            const bool on = !grid.IsChecked(col, row);
            grid.SetChecked(col, row, on);
            grid.RaiseButtonClicked(col, row, on ? 1 : 0);
            grid.RaiseChange(col, row);
            changed = true;
            what << " click";
        } else {
            std::string text;
            switch (col) {
            case kReceive: text = random.Pick(kReceiveTexts); break;
            case kTransmit: text = random.Pick(kTransmitTexts); break;
            case kOffset: text = random.Pick(kOffsetTexts); break;
            case kDirection: text = random.Pick(kDirections); break;
            case kName: text = random.Pick(kNames); break;
            case kComment: text = random.Pick(kComments); break;
            default: {
                const ListPtr items = grid.List(col, row);
                if (items && !items->empty())
                    text = (*items)[static_cast<std::size_t>(random.Below(static_cast<int>(items->size())))];
                break;
            }
            }
            what << " \"" << text << "\"";
            if (grid.GetText(col, row) != text) {
                const int indexBefore = grid.ListIndex(col, row);
                grid.SetText(col, row, text);
                if ((kind == CellKind::List || kind == CellKind::EditList) && grid.ListIndex(col, row) != indexBefore)
                    grid.RaiseListSelChange(col, row);
                grid.RaiseChange(col, row);
                changed = true;
            }
        }
        grid.SetEditMode(false);
        grid.RaiseEditMode(col, row, 0, changed);
        const int next = col == kComment ? 1 : col + 1;
        if (!grid.RaiseLeaveCell(col, row, next, row) && !controller.editInProgress) {
            grid.SetActiveCell(next, row);
            controller.GridStore(false); // the view stores each finished edit
            return what.str();
        }
        // Refused: the user gives up on the value, with Escape or by
        // changing the tab (which stores first, refusing nothing).
        if (random.Below(2) == 0) {
            Escape(grid, col, row, before);
            controller.GridStore(false);
            return what.str() + " refused, Escape";
        }
        controller.BeforeTabChange();
        Escape(grid, col, row, before);
        controller.AfterTabChange(radio::kSheetMemories);
        return what.str() + " refused, tab change";
    }

    // --- Row commands, as the view runs them.

    std::string RowCommand()
    {
        const int sheet = random.Below(2) ? radio::kSheetMemories : EditableSheet();
        controller.BeforeTabChange();
        controller.AfterTabChange(sheet);
        const int rows = Grid(sheet).RowCount();
        const int r1 = RowOf(sheet);
        const int r2 = std::min(rows, r1 + (random.Below(5) == 0 ? random.Below(200) : random.Below(4)));
        Grid(sheet).SelectBlock({1, r1, kComment, r2});
        std::ostringstream what;
        what << "sheet " << sheet << " rows " << r1 << "-" << r2 << " ";
        const int command = random.Below(6);
        if (command == 0) {
            commands.Copy();
            return what.str() + "Copy";
        }
        if (command == 1) {
            commands.Cut();
            return what.str() + "Cut";
        }
        prompt.answers = {random.Below(2) ? platform::Answer::Yes : platform::Answer::No};
        static const char* const kNamesOf[] = {"", "", "Paste", "Insert", "Delete", "Sort"};
        const SortChoice choice{random.Below(2), 1 + random.Below(2), 1 + random.Below(kComment), random.Below(kComment + 1)};
        controller.RunGridStep([&]() -> std::string {
            RowChange change;
            switch (command) {
            case 2: change = commands.Paste(); break;
            case 3: change = commands.Insert(); break;
            case 4: change = commands.Delete(); break;
            default:
                change = commands.Sort([&](const std::vector<std::string>&, SortChoice& chosen) {
                    chosen = choice;
                    return true;
                });
                break;
            }
            return change.changed ? RowStepLabel(kNamesOf[command], change.rows) : std::string();
        });
        return what.str() + kNamesOf[command];
    }

    // --- Whole-document steps.

    std::string Import()
    {
        const int count = random.Between(1, 4);
        const int start = random.Between(1, 1100);
        const bool overwrite = random.Below(2) == 0;
        controller.RunStep("Import", [&](radio::CMainDoc& into) {
            textio::RowImporter importer(into);
            for (int i = 0; i < count; ++i) {
                textio::RowFields fields;
                fields[0] = random.Below(3) == 0 ? std::to_string(random.Between(0, 1101)) : "";
                fields[kReceive] = random.Pick(kReceiveTexts);
                fields[kTransmit] = random.Pick(kTransmitTexts);
                fields[kOffset] = random.Pick(kOffsetTexts);
                fields[kDirection] = random.Pick(kDirections);
                fields[5] = random.Below(2) ? "FM" : "AM";
                fields[kName] = random.Pick(kNames);
                fields[7] = random.Below(2) ? "Show Name" : "";
                fields[8] = random.Below(2) ? "Enc-Dec" : "DCS";
                fields[9] = random.Below(2) ? "88.5" : "250";
                fields[10] = random.Below(2) ? "023" : "999";
                fields[11] = random.Below(2) ? "12.5 kHz" : "7 kHz";
                fields[13] = random.Below(2) ? "Low" : "Max";
                fields[kBank1 + random.Below(20)] = "On";
                fields[kComment] = random.Pick(kComments);
                importer.PlaceRow(fields, start - 1 + i, overwrite);
            }
        });
        return "import of " + std::to_string(count) + " rows at " + std::to_string(start);
    }

    std::string PasteOther()
    {
        const std::string& text = random.Pick(kPastedTexts);
        const int first = random.Between(0, 1099);
        const int last = first < kShiftRows ? kShiftRows - 1 : radio::kChannelCount - 1;
        const textio::PastedRows rows = textio::ReadPastedRows(text);
        controller.RunStep("Paste", [&](radio::CMainDoc& into) { textio::PlacePastedRows(into, rows, first, last); });
        return "paste of other programs' rows at " + std::to_string(first);
    }

    std::string Read()
    {
        radio::RadioImage image;
        for (auto& byte : image)
            byte = static_cast<std::uint8_t>(random.engine());
        controller.AdoptRead([&](radio::CMainDoc& into) { into.AdoptRead(image); });
        commands.ForgetCut();
        return "read of a raw image";
    }

    std::string Step()
    {
        switch (random.Below(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5: return Type();
        case 6:
        case 7:
        case 8: return RowCommand();
        case 9: return Import();
        case 10: return PasteOther();
        case 11: return Read();
        case 12: {
            const int hyper = random.Below(5);
            controller.ChooseHyper(hyper);
            commands.ForgetCut();
            return "choose Hyper Memory " + std::to_string(hyper + 1);
        }
        case 13:
        case 14:
            controller.Undo();
            commands.ForgetCut();
            return "undo";
        default:
            controller.Redo();
            commands.ForgetCut();
            return "redo";
        }
    }

    // --- The checks.

    static std::string FirstDifference(const radio::RadioImage& a, const radio::RadioImage& b)
    {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i])
                return "byte " + std::to_string(i) + ": " + std::to_string(a[i]) + " became " + std::to_string(b[i]);
        return {};
    }

    // The cell whose refused value survived its abandoning, and why it was refused.
    std::string Held()
    {
        const CSpreadSheet1& grid = controller.CurrentGrid();
        return "a refused value is still held in sheet " + std::to_string(controller.CurrentSheet()) + " row " +
               std::to_string(grid.ActiveRow()) + " col " + std::to_string(grid.ActiveCol()) + " (\"" +
               grid.GetText(grid.ActiveCol(), grid.ActiveRow()) + "\": " +
               (prompt.shown.empty() ? std::string() : prompt.shown.back().text) + ")";
    }

    // What breaks the two rules after a step; empty when both hold.
    std::string Problem()
    {
        radio::DocumentDataArea settled = doc.Data();
        radio::SettleDocument(settled);
        if (const std::string part = radio::FirstUnsettled(doc.Data()); !part.empty())
            return part + " is not settled (" + FirstDifference(doc.Image(), settled.image) + " when settled)";
        const radio::DocumentDataArea before = doc.Data();
        controller.GridLoad();
        radio::RadioImage after = doc.Image();
        bool changed = false;
        for (int sheet = 0; sheet < kSheetCount; ++sheet) {
            controller.SetCurrentSheet(sheet);
            changed |= StoreSheet(doc, after, Grid(sheet), sheet, controller.HyperGridPointers(), controller.ViewState());
        }
        controller.SetCurrentSheet(radio::kSheetMemories);
        if (const std::string difference = FirstDifference(before.image, after); !difference.empty())
            return "grid load and store: " + difference;
        if (before.comments != doc.Data().comments)
            return "grid load and store changed a comment";
        if (changed)
            return "the store changed a row it had just shown";
        return {};
    }

    platform::RecordingPrompt prompt;
    radio::CMainDoc doc{'.'};
    DocumentController controller{doc};
    RuleAccess access;
    CellRules cells;
    BankRules banks;
    RowClipboard clipboard;
    RowCommands commands;
    Random random;
};

// One case a seed, so that CTest spreads the seeds over the cores.
class DocumentProperty : public ::testing::TestWithParam<unsigned> {};

TEST_P(DocumentProperty, EveryStepKeepsTheRecordRuleAndTheGridsShowTheImageExactly)
{
    const test_support::TempConfigHome config;
    const unsigned seed = GetParam();
    Window window(seed);
    std::string trail; // the steps so far
    for (int step = 0; step < kSteps; ++step) {
        const std::string what = window.Step();
        trail += "\n  " + std::to_string(step) + ": " + what;
        // A command (Save, Send) stores what was typed before it runs.
        const std::string problem = window.controller.GridStore(true) ? window.Problem() : window.Held();
        if (!problem.empty()) {
            ADD_FAILURE() << "seed " << seed << " step " << step << ": " << problem << "\nsteps:" << trail;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocumentProperty, ::testing::Range(1u, kSeeds + 1));

} // namespace
} // namespace grid
