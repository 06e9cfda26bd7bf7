#pragma once
// CellRules: what the channel grids of Memories, Home and the Hyper Memories
// do while the user types. It listens to the cell store's events of those
// grids: a new receive frequency gives the row its defaults and unlocks it,
// the transmit frequency, offset and direction follow each other, a band row
// takes only its band, leaving a cell with a value that must be corrected is
// refused, names take only the radio's characters, and check boxes keep the
// bank membership table. Every message goes through the prompt. The VFO
// sheet's grid is a mirror and hears nothing here.

// std
#include <cstdint>
#include <string>

namespace grid {

class CSpreadSheet1;
class RuleAccess;
class DocumentController;

class CellRules {
public:
    // Installs the handlers on the channel grids and the controller's check of the
    // cell being edited; both go again with the object.
    explicit CellRules(RuleAccess& access);
    ~CellRules();
    CellRules(const CellRules&) = delete;
    CellRules& operator=(const CellRules&) = delete;

    // The commit's check of the cell in edit mode: the leave-cell checks as if
    // the user left it for itself, then the end of its edit. False when a
    // value must be corrected (the message was shown, the cell stays in edit
    // mode).
    bool ValidateActiveCell();

    // A value written into a cell of a row as if the user typed it there and
    // left the cell: the row follows as it does after typing (a receive
    // frequency recomputes direction, offset and transmit). A value the row
    // refuses is taken back with nothing shown; the reason is returned
    // (empty when taken). A fill never clears a row: an empty or unreadable
    // receive frequency is refused.
    std::string TypeValue(int sheet, int col, int row, const std::string& text);

private:
    void Attach(int sheet);
    void Detach(int sheet);

    // Events of one sheet's channel grid.
    void OnChange(int sheet, int col, int row);
    void OnEditMode(int sheet, int col, int row, int mode, bool changed);
    bool OnLeaveCell(int sheet, int col, int row, int newCol);
    void OnLeaveRow(int sheet, int row);
    void OnEditError(int sheet, int col, int row, int code);
    void OnButton(int sheet, int col, int row);
    int OnKey(int sheet, int key);

    // The parts of the edit-ended handling.
    void ReceiveEdited(int sheet, int row);
    void RecomputeFromReceive(int sheet, int row, std::int32_t rx);
    void TransmitEdited(int sheet, int row);
    void OffsetOrDirectionEdited(int sheet, int col, int row);
    // The message the value of a frequency, offset or direction cell is
    // refused with; empty when taken.
    std::string Refusal(int sheet, int col, int row);
    // Shows a refusal, puts the cell back into edit mode and holds it.
    void Refuse(int sheet, int col, int row, const std::string& message);
    // The same at the end of an edit: the move that follows is held quietly.
    void RefuseEdit(int sheet, int col, int row, const std::string& message);

    // Row helpers.
    std::int32_t Frequency(int sheet, int col, int row);
    void SetFrequency(int sheet, int col, int row, std::int32_t hz);
    void ShowOffset(int sheet, int row, std::int32_t offset);
    void SetModeList(int sheet, int row, std::int32_t rx);
    void SetStepList(int sheet, int row, std::int32_t rx);
    void GiveDefaults(int sheet, int row, std::int32_t rx);
    void LockRow(int sheet, int row, bool locked);
    void ClearRow(int sheet, int row);
    void UpdateSettingsGrids(int row, const std::string& text);
    void KeepNameInCharset(int sheet, int row);
    void KeepCommentOnOneLine(int sheet, int row);

    CSpreadSheet1& Grid(int sheet);

    RuleAccess& access_;
    DocumentController& controller_;
    bool editChanged_ = false; // the cell in edit mode changed since the edit began
    struct Cell {
        int sheet = -1;
        int col = 0;
        int row = 0;
        bool Is(int s, int c, int r) const { return sheet == s && col == c && row == r; }
    };
    // The cell whose end of edit was just refused: the move that follows is
    // held without a second message.
    Cell refused_;
    // The cell holding a refused value. Until the value is corrected, or the
    // edit is cancelled (the view then puts back what the cell held), the
    // edit counts as in progress, so that no store takes the refused value
    // for the row's channel.
    Cell held_;
    // What the cell being edited held before its first refused value: put
    // back (Escape), it is what the document holds and is never held again.
    Cell editCell_;
    std::string editOriginal_;
};

} // namespace grid
