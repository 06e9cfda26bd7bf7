#include "settings/ui/dtmf_dlg.h"

// Project
#include "grid/spreadsheet.h"
#include "grid/ui/grid_view.h"
#include "radio/settings_controls.h"
#include "radio/settings_text.h"

// Qt
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

// Standard library
#include <optional>
#include <string>

namespace {

constexpr int kMemories = 16;
constexpr int kDigits = 16;
constexpr int kBackspace = 8;

// The DTMF keys of a text, with E and F as * and #; anything else dropped.
std::string DtmfDigits(const std::string& text)
{
    std::string digits;
    for (const char c : text) {
        if (const std::optional<char> key = radio::DtmfKey(c))
            digits += *key;
    }
    return digits;
}

} // namespace

CDtmfDlg::CDtmfDlg(radio::SettingsBlock& block, QWidget* parent)
    : QDialog(parent), block_(block), sheet_(std::make_unique<grid::CSpreadSheet1>())
{
    setWindowTitle(QStringLiteral("DTMF"));
    SetUpSheet();
    view_ = new grid::GridView(*sheet_, this);
    view_->setMinimumHeight(view_->ContentHeight() + 2 * view_->frameWidth());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDtmfDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDtmfDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(BuildChoices());
    layout->addWidget(new QLabel(QString::fromLatin1(radio::kDtmfHint), this));
    layout->addWidget(buttons);
}

// The grid goes first: it watches the sheet, which must outlive it.
CDtmfDlg::~CDtmfDlg()
{
    delete view_;
}

void CDtmfDlg::SetUpSheet()
{
    grid::CSpreadSheet1& sheet = *sheet_;
    sheet.SetColCount(1);
    sheet.SetRowCount(kMemories);
    sheet.SetText(1, 0, "DTMF Memory");
    sheet.SetColWidth(1, (kDigits + 4) * grid::kCharWidth);
    sheet.SetMaxLength({1, 1, 1, kMemories}, kDigits);
    for (int m = 0; m < kMemories; ++m) {
        sheet.SetText(0, m + 1, "D" + std::to_string(m + 1));
        sheet.SetText(1, m + 1, radio::DtmfMemoryText(block_, m));
    }
    // Only DTMF keys reach a memory; E and F stand for * and #.
    sheet.Events().keyPress = [](int& key) {
        if (key == kBackspace)
            return;
        const std::optional<char> dtmf = key > 0 && key <= 0xFF ? radio::DtmfKey(static_cast<char>(key)) : std::nullopt;
        key = dtmf ? static_cast<unsigned char>(*dtmf) : 0;
    };
    // Text that arrives without key presses (a paste) is cleaned the same way.
    sheet.Events().change = [&sheet](int col, int row) {
        const std::string text = sheet.GetText(col, row);
        const std::string digits = DtmfDigits(text);
        if (digits != text)
            sheet.SetText(col, row, digits);
    };
}

QWidget* CDtmfDlg::BuildChoices()
{
    auto* area = new QWidget(this);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    for (const radio::SettingControl& control : radio::DtmfDialogControls()) {
        auto* combo = new QComboBox(area);
        combo->setObjectName(QString::number(control.id));
        for (const std::string& item : control.items)
            combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(radio::UnpackControl(control, block_));
        form->addRow(QString::fromLatin1(control.label), combo);
        combos_[control.id] = combo;
    }
    return area;
}

QComboBox* CDtmfDlg::Combo(int id) const
{
    const auto found = combos_.find(id);
    return found == combos_.end() ? nullptr : found->second;
}

void CDtmfDlg::accept()
{
    view_->CommitOpenEditor();
    for (int m = 0; m < kMemories; ++m)
        radio::StoreDtmfMemory(sheet_->GetText(1, m + 1), m, block_);
    for (const radio::SettingControl& control : radio::DtmfDialogControls())
        radio::PackControl(control, combos_.at(control.id)->currentIndex(), block_);
    QDialog::accept();
}
