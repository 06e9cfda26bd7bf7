#include "grid/ui/options_dialog.h"

// project
#include "platform/gui/help.h"

// Qt
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace grid {
namespace {

// Boxes per column of the "Columns to hide" group: the thirteen channel
// settings, then the twenty banks in two columns.
constexpr int kBoxRows = 13;

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent), freeze_(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Options"));
    const ColumnOptions stored = ReadStoredOptions();

    freeze_->setRange(kFreezeMin, kFreezeMax);
    freeze_->setDisplayIntegerBase(10);
    freeze_->setValue(kFreezeMin);
    freeze_->setValue(stored.freeze);
    auto* freezeRow = new QHBoxLayout;
    auto* freezeLabel = new QLabel(QStringLiteral("Freeze Columns"), this);
    freezeLabel->setBuddy(freeze_);
    freezeRow->addWidget(freezeLabel);
    freezeRow->addWidget(freeze_);
    freezeRow->addStretch();

    auto* group = new QGroupBox(QStringLiteral("Columns to hide"), this);
    auto* grid = new QGridLayout(group);
    for (int col = kFirstOptionColumn; col <= kLastOptionColumn; ++col) {
        auto* box = new QCheckBox(QString::fromLatin1(OptionLabel(col)), group);
        box->setChecked(HiddenByOptions(stored, col));
        const int index = col - kFirstOptionColumn;
        grid->addWidget(box, index % kBoxRows, index / kBoxRows);
        boxes_[col] = box;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { platform::ShowHelp(kOptionsHelpContext, this); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(freezeRow);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QCheckBox* COptionsDlg::ColumnBox(int col) const
{
    const auto found = boxes_.find(col);
    return found != boxes_.end() ? found->second : nullptr;
}

ColumnOptions COptionsDlg::Options() const
{
    ColumnOptions options;
    for (const auto& [col, box] : boxes_)
        SetHiddenByOptions(options, col, box->isChecked());
    options.freeze = freeze_->value();
    return options;
}

void COptionsDlg::accept()
{
    WriteColumnOptions(Options());
    QDialog::accept();
}

} // namespace grid
