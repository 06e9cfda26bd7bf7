#pragma once
// ViewEditing: the editing rules of one view's grids and the View menu's
// editing aids ("Bank Settings", "Options", "Allowed Characters..."). The
// main view owns one; the window's commands call its actions after their
// commit, and ask it whether the bank layout is on.

// std
#include <memory>

// project
#include "grid/bank_rules.h"
#include "grid/cell_rules.h"
#include "grid/rule_access.h"

class QWidget;

namespace grid {

class CAllowedCharactersDlg;
class DocumentController;

class ViewEditing {
public:
    // `owner` owns the dialogs.
    ViewEditing(DocumentController& controller, QWidget* owner);
    ~ViewEditing();
    ViewEditing(const ViewEditing&) = delete;
    ViewEditing& operator=(const ViewEditing&) = delete;

    // "Bank Settings": the bank layout of the Memories sheet on or off.
    void ToggleBankLayout();
    bool BankLayout() const;
    // "Options": the dialog, then its options applied to every sheet.
    void Options();
    // "Allowed Characters...": the modeless list, opened once and raised after.
    void ShowAllowedCharacters();

    CellRules& Cells() { return cells_; }
    // The "Allowed Characters" window once it was opened, else nullptr.
    CAllowedCharactersDlg* AllowedCharacters() const { return allowed_; }

private:
    DocumentController& controller_;
    QWidget* owner_;
    RuleAccess access_;
    CellRules cells_;
    BankRules banks_;
    CAllowedCharactersDlg* allowed_ = nullptr;
};

} // namespace grid
