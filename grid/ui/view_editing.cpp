#include "grid/ui/view_editing.h"

// project
#include "grid/column_options.h"
#include "grid/sheet_book.h"
#include "grid/ui/allowed_characters_dialog.h"
#include "grid/ui/options_dialog.h"

// Qt
#include <QWidget>

namespace grid {

ViewEditing::ViewEditing(SheetBook& book, QWidget* owner)
    : book_(book), owner_(owner), access_(book), cells_(access_), banks_(access_)
{
}

ViewEditing::~ViewEditing() = default;

void ViewEditing::ToggleBankLayout()
{
    SetBankLayout(book_, !book_.bankLayout);
}

bool ViewEditing::BankLayout() const
{
    return book_.bankLayout;
}

void ViewEditing::Options()
{
    COptionsDlg dialog(owner_);
    dialog.exec();
    // Cancel too: the sheets show what is stored.
    ApplyColumnOptionsToBook(book_);
}

void ViewEditing::ShowAllowedCharacters()
{
    if (allowed_ == nullptr)
        allowed_ = new CAllowedCharactersDlg(owner_);
    allowed_->show();
    allowed_->raise();
}

} // namespace grid
