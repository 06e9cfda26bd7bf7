#include "grid/ui/view_editing.h"

// project
#include "grid/column_options.h"
#include "grid/sheet_book.h"
#include "grid/ui/allowed_characters_dialog.h"
#include "grid/ui/options_dialog.h"
#include "platform/command_ids.h"

// Qt
#include <QWidget>

namespace grid {

ViewEditing::ViewEditing(SheetBook& book, QWidget* owner)
    : book_(book), owner_(owner), access_(book), cells_(access_), banks_(access_)
{
}

ViewEditing::~ViewEditing() = default;

bool ViewEditing::Handles(int id)
{
    return id == cmd::BankSettings || id == cmd::Options || id == cmd::AllowedCharacters;
}

void ViewEditing::Run(int id)
{
    switch (id) {
    case cmd::BankSettings:
        SetBankLayout(book_, !book_.bankLayout);
        break;
    case cmd::Options:
        Options();
        break;
    case cmd::AllowedCharacters:
        ShowAllowedCharacters();
        break;
    default:
        break;
    }
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
