#pragma once
// ViewEditing: the editing rules of one view's grids and the View menu's
// editing aids ("Bank Settings", "Options", "Allowed Characters..."). The
// main view owns one and hands it the commands it answers for.

// std
#include <memory>

// project
#include "grid/bank_rules.h"
#include "grid/cell_rules.h"
#include "grid/rule_access.h"

class QWidget;

namespace grid {

class CAllowedCharactersDlg;
class SheetBook;

class ViewEditing {
public:
    // `owner` owns the dialogs.
    ViewEditing(SheetBook& book, QWidget* owner);
    ~ViewEditing();
    ViewEditing(const ViewEditing&) = delete;
    ViewEditing& operator=(const ViewEditing&) = delete;

    static bool Handles(int id);
    // Runs one of the commands of Handles(); the commit has run before.
    void Run(int id);

    CellRules& Cells() { return cells_; }
    // The "Allowed Characters" window once it was opened, else nullptr.
    CAllowedCharactersDlg* AllowedCharacters() const { return allowed_; }

private:
    void Options();
    void ShowAllowedCharacters();

    SheetBook& book_;
    QWidget* owner_;
    RuleAccess access_;
    CellRules cells_;
    BankRules banks_;
    CAllowedCharactersDlg* allowed_ = nullptr;
};

} // namespace grid
