#include "portkit/ui/sort_dialog.h"

// portkit
#include "portkit/ui/dialog_units.h"

// std
#include <algorithm>
#include <cstring>

// Qt
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace portkit {
namespace {

constexpr int kOk = 0;
constexpr int kCancelled = -1;

QComboBox* MakeKeyBox(QWidget* parent, const char* objectName)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(objectName));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(5);
    return box;
}

QRadioButton* MakeRadio(const char* text, const char* objectName, QWidget* parent, QButtonGroup& group)
{
    auto* button = new QRadioButton(QLatin1String(text), parent);
    button->setObjectName(QLatin1String(objectName));
    group.addButton(button);
    return button;
}

} // namespace

SortDialog::SortDialog(SortOptions& work, QWidget* parent)
    : QDialog(parent), work_(work), firstKey_(MakeKeyBox(this, "firstKey")),
      secondKey_(MakeKeyBox(this, "secondKey"))
{
    setWindowTitle(QStringLiteral("Sort"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* modes = new QButtonGroup(this);
    auto* scopes = new QButtonGroup(this);
    ascending_ = MakeRadio("Ascending", "ascending", this, *modes);
    descending_ = MakeRadio("Decsending", "descending", this, *modes);
    selected_ = MakeRadio("Selected channels", "selected", this, *scopes);
    all_ = MakeRadio("All Channels", "allChannels", this, *scopes);

    const int count = std::clamp(work_.nCount, 0, PORTKIT_SORT_MAX_NAMES);
    secondKey_->addItem(QStringLiteral("None"));
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(work_.pszNames[i] != nullptr ? work_.pszNames[i] : "");
        firstKey_->addItem(name);
        secondKey_->addItem(name);
    }
    firstKey_->setCurrentIndex(count > 0 ? 0 : -1);
    secondKey_->setCurrentIndex(0);
    ascending_->setChecked(true);
    selected_->setChecked(true);
    Place();
}

void SortDialog::Place()
{
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SortDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SortDialog::reject);
    auto* sortBy = new QLabel(QStringLiteral("Sort by"), this);
    auto* thenBy = new QLabel(QStringLiteral("Then sort by"), this);
    sortBy->setBuddy(firstKey_);
    thenBy->setBuddy(secondKey_);

    const DialogUnits du(*this);
    ok->setGeometry(du.Rect(144, 15, 50, 14));
    cancel->setGeometry(du.Rect(144, 33, 50, 14));
    sortBy->setGeometry(du.Rect(15, 9, 40, 8));
    firstKey_->setGeometry(du.Rect(14, 18, 114, 13));
    thenBy->setGeometry(du.Rect(15, 39, 60, 8));
    secondKey_->setGeometry(du.Rect(14, 48, 114, 13));
    // The group boxes only frame the buttons, which stay children of the dialog
    // so each pair keeps its own button group.
    auto* modeBox = new QGroupBox(QStringLiteral("Sort Mode"), this);
    auto* scopeBox = new QGroupBox(QStringLiteral("Channel Sort Selectioin"), this);
    modeBox->setGeometry(du.Rect(14, 71, 76, 40));
    scopeBox->setGeometry(du.Rect(104, 71, 92, 40));
    modeBox->lower();
    scopeBox->lower();
    ascending_->setGeometry(du.Rect(24, 82, 60, 10));
    descending_->setGeometry(du.Rect(24, 96, 60, 10));
    selected_->setGeometry(du.Rect(114, 82, 80, 10));
    all_->setGeometry(du.Rect(114, 96, 80, 10));
    // A font wider than the template's own widens the right-hand group to fit.
    for (QRadioButton* button : {ascending_, descending_, selected_, all_})
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
    const int scopeWidth = std::max({scopeBox->width(), selected_->width() + du.X(20),
                                     all_->width() + du.X(20), scopeBox->sizeHint().width()});
    scopeBox->resize(scopeWidth, scopeBox->height());
    modeBox->resize(std::max(modeBox->width(), descending_->width() + du.X(20)), modeBox->height());
    setFixedSize(std::max(du.X(210), scopeBox->geometry().right() + du.X(14)), du.Y(122));
}

int SelectedEntry(const QComboBox& box)
{
    if (box.currentIndex() >= 0 && box.itemText(box.currentIndex()) == box.currentText())
        return box.currentIndex();
    return box.findText(box.currentText(), Qt::MatchFixedString);
}

void SortDialog::accept()
{
    work_.nFirstKey = SelectedEntry(*firstKey_) + 1;
    work_.nSecondKey = SelectedEntry(*secondKey_);
    work_.nOrder = ascending_->isChecked() ? 1 : descending_->isChecked() ? 2 : 0;
    work_.nScope = all_->isChecked() && !selected_->isChecked() ? 1 : 0;
    done(kOk);
}

void SortDialog::reject()
{
    done(kCancelled);
}

bool RunSort(void* parent, SortOptions* options)
{
    if (options == nullptr)
        return false;
    SortOptions work;
    std::memset(&work, 0, sizeof work);
    work.nCount = std::clamp(options->nCount, 0, PORTKIT_SORT_MAX_NAMES);
    std::copy_n(options->pszNames, work.nCount, work.pszNames);
    int result = kCancelled;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        SortDialog dialog(work, static_cast<QWidget*>(parent));
        result = dialog.exec();
    }
    *options = work;
    return result == kOk;
}

} // namespace portkit
