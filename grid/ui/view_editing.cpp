#include "grid/ui/view_editing.h"

// project
#include "grid/column_options.h"
#include "grid/document_controller.h"
#include "grid/ui/allowed_characters_dialog.h"
#include "grid/ui/options_dialog.h"

// Qt
#include <QWidget>

namespace grid {

ViewEditing::ViewEditing(DocumentController& controller, QWidget* owner)
    : controller_(controller), owner_(owner), access_(controller), cells_(access_), banks_(access_)
{
}

ViewEditing::~ViewEditing() = default;

void ViewEditing::ToggleBankLayout()
{
    SetBankLayout(controller_, !controller_.bankLayout);
}

bool ViewEditing::BankLayout() const
{
    return controller_.bankLayout;
}

void ViewEditing::Options()
{
    COptionsDlg dialog(owner_);
    dialog.exec();
    // Cancel too: the sheets show what is stored.
    ApplyColumnOptionsToBook(controller_);
}

void ViewEditing::ShowAllowedCharacters()
{
    if (allowed_ == nullptr)
        allowed_ = new CAllowedCharactersDlg(owner_);
    allowed_->show();
    allowed_->raise();
}

} // namespace grid
