#include "clone/ui/kept_reads_dialog.h"

// Qt
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

// std
#include <algorithm>
#include <ctime>

// project
#include "platform/prompt.h"

namespace transfer {
namespace {

constexpr const char* kCaption = "Kept Reads";
constexpr int kLimitMax = 1000;

QString LocalTime(std::time_t when, const char* format)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return QString::fromLatin1(text);
}

QTableWidgetItem* Cell(const QString& text, bool number = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString Count(int value)
{
    return value < 0 ? QStringLiteral("?") : QString::number(value);
}

} // namespace

KeptReadsDialog::KeptReadsDialog(DifferenceCount count, QWidget* parent)
    : QDialog(parent), count_(std::move(count)), list_(new QTableWidget(0, 4, this)),
      open_(new QPushButton(QStringLiteral("Open"), this)), compare_(new QPushButton(QStringLiteral("Compare"), this)),
      delete_(new QPushButton(QStringLiteral("Delete"), this)), limit_(new QSpinBox(this))
{
    setWindowTitle(QString::fromLatin1(kCaption));
    list_->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Memories in use"), QStringLiteral("Differences")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setToolTip(QStringLiteral("Differences: lines that differ from the active document"));
    connect(list_, &QTableWidget::itemSelectionChanged, this, &KeptReadsDialog::UpdateButtons);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { Choose(Choice::Open); });

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(open_, &QPushButton::clicked, this, [this] { Choose(Choice::Open); });
    connect(compare_, &QPushButton::clicked, this, [this] { Choose(Choice::Compare); });
    connect(delete_, &QPushButton::clicked, this, &KeptReadsDialog::DeleteCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    open_->setToolTip(QStringLiteral("Open the read as a new, untitled document"));
    compare_->setToolTip(QStringLiteral("List the differences between the read and the active document"));

    limit_->setObjectName(QStringLiteral("keptLimit"));
    limit_->setRange(1, kLimitMax);
    limit_->setValue(KeptReadLimit());
    limit_->setKeyboardTracking(false); // one change when the number is complete
    connect(limit_, &QSpinBox::valueChanged, this, &KeptReadsDialog::SetLimit);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {open_, compare_, delete_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Reads kept:"), this));
    bottom->addWidget(limit_);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(560, 360);
    Fill();
}

void KeptReadsDialog::Fill()
{
    const int keep = CurrentRow();
    reads_ = ListKeptReads();
    list_->setRowCount(static_cast<int>(reads_.size()));
    for (int row = 0; row < static_cast<int>(reads_.size()); ++row) {
        const KeptRead& read = reads_[static_cast<std::size_t>(row)];
        list_->setItem(row, 0, Cell(LocalTime(read.when, "%Y-%m-%d")));
        list_->setItem(row, 1, Cell(LocalTime(read.when, "%H:%M:%S")));
        list_->setItem(row, 2, Cell(Count(read.memoriesInUse), true));
        list_->setItem(row, 3, Cell(Count(count_ ? count_(read) : -1), true));
    }
    list_->resizeColumnsToContents();
    if (!reads_.empty())
        list_->selectRow(std::clamp(keep, 0, static_cast<int>(reads_.size()) - 1));
    UpdateButtons();
}

int KeptReadsDialog::CurrentRow() const
{
    const auto rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void KeptReadsDialog::UpdateButtons()
{
    const bool one = CurrentRow() >= 0;
    open_->setEnabled(one);
    compare_->setEnabled(one && count_ != nullptr);
    delete_->setEnabled(one);
}

void KeptReadsDialog::Choose(Choice choice)
{
    const int row = CurrentRow();
    if (row < 0 || (choice == Choice::Compare && !compare_->isEnabled()))
        return;
    chosen_ = choice;
    chosenRow_ = row;
    accept();
}

void KeptReadsDialog::DeleteCurrent()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    const KeptRead& read = reads_[static_cast<std::size_t>(row)];
    const std::string question = "Delete the read of " + LocalTime(read.when, "%Y-%m-%d %H:%M:%S").toStdString() +
                                 "?\nIt cannot be brought back.";
    if (platform::ShowMessage(question, kCaption, platform::Icon::Question, platform::Buttons::YesNo, this) !=
        platform::Answer::Yes)
        return;
    if (!DeleteKeptRead(read.path))
        platform::ShowMessage("The read could not be deleted:\n" + read.path, kCaption, platform::Icon::Error,
                              platform::Buttons::Ok, this);
    Fill();
}

// Fewer reads kept removes the oldest at once: the user says so first.
void KeptReadsDialog::SetLimit()
{
    const int wanted = limit_->value();
    const int current = KeptReadLimit();
    if (wanted == current)
        return;
    const int removed = static_cast<int>(reads_.size()) - wanted;
    if (removed > 0) {
        const std::string question = "Keeping " + std::to_string(wanted) + " reads deletes the " +
                                     std::to_string(removed) + " oldest now. Go on?";
        if (platform::ShowMessage(question, kCaption, platform::Icon::Question, platform::Buttons::YesNo, this) !=
            platform::Answer::Yes) {
            const QSignalBlocker quiet(limit_);
            limit_->setValue(current);
            return;
        }
    }
    if (!SetKeptReadLimit(wanted))
        platform::ShowMessage("The number of kept reads could not be stored.", kCaption, platform::Icon::Error,
                              platform::Buttons::Ok, this);
    Fill();
}

} // namespace transfer
