// The question of a fill.

// own
#include "grid/ui/fill_dialog.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QVBoxLayout>

// project
#include "grid/bulk_edit.h"
#include "grid/ui/grid_delegate.h"
#include "grid/ui/grid_model.h"

namespace grid {

std::optional<std::string> AskFillValue(QWidget* parent, GridModel& model, int col, int row, int rows)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Fill"));
    auto* layout = new QVBoxLayout(&dialog);
    const QString column = QString::fromLatin1(ColumnName(model.Sheet(), col));
    layout->addWidget(new QLabel(QStringLiteral("Value for %1 in the %2 selected rows:").arg(column).arg(rows), &dialog));

    // The grid's own editor for this cell, from a delegate that belongs to no view.
    GridDelegate delegate;
    const QModelIndex index = model.IndexAt(col, row);
    QWidget* editor = delegate.createEditor(&dialog, QStyleOptionViewItem(), index);
    QCheckBox* check = nullptr;
    if (editor != nullptr) {
        delegate.setEditorData(editor, index);
        layout->addWidget(editor);
    } else {
        check = new QCheckBox(column, &dialog);
        check->setChecked(model.Sheet().IsChecked(col, row));
        layout->addWidget(check);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    (editor != nullptr ? editor : check)->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (check != nullptr)
        return std::string(check->isChecked() ? "1" : "0");
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->currentText().toLatin1().toStdString();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text().toLatin1().toStdString();
    return std::nullopt;
}

} // namespace grid
