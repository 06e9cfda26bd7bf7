#include "clone/ui/differences_window.h"

// Qt
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace transfer {

void DifferencesModel::Set(std::vector<radio::Difference> differences)
{
    beginResetModel();
    rows_.Set(std::move(differences));
    endResetModel();
}

void DifferencesModel::SetFilter(std::optional<radio::DiffArea> area)
{
    beginResetModel();
    rows_.SetFilter(area);
    endResetModel();
}

int DifferencesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_.Count();
}

int DifferencesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kDiffColumnCount;
}

QVariant DifferencesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return QString::fromLatin1(rows_.Text(index.row(), index.column()));
}

QVariant DifferencesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kHeaders[kDiffColumnCount] = {"Sheet", "Row", "Field", "Old", "New"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kDiffColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kHeaders[section]);
}

void DifferencesModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    rows_.Sort(column, order == Qt::AscendingOrder);
    emit layoutChanged();
}

DifferencesWindow::DifferencesWindow(const QString& title, Source source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)), model_(new DifferencesModel(this)),
      summary_(new QLabel(this)), filter_(new QComboBox(this)), table_(new QTableView(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);

    filter_->setObjectName(QStringLiteral("sheetFilter"));
    filter_->addItem(QStringLiteral("All sheets"), -1);
    for (radio::DiffArea area : AllAreas())
        filter_->addItem(QString::fromLatin1(SheetName(area)), static_cast<int>(area));
    connect(filter_, &QComboBox::currentIndexChanged, this, &DifferencesWindow::OnFilter);

    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing measures every line.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int widths[kDiffColumnCount] = {9 * em, 10 * em, 12 * em, 12 * em, 12 * em};
    for (int column = 0; column < kDiffColumnCount; ++column)
        table_->setColumnWidth(column, widths[column]);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    connect(table_, &QTableView::doubleClicked, this, &DifferencesWindow::OnDoubleClick);

    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(new QLabel(QStringLiteral("Show:"), this));
    top->addWidget(filter_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    resize(720, 480);
    Refresh();
}

void DifferencesWindow::Refresh()
{
    std::vector<radio::Difference> differences = source_();
    const std::string total = radio::SummaryText(differences);
    const int count = static_cast<int>(differences.size());
    model_->Set(std::move(differences));
    summary_->setText(QStringLiteral("%1 (%2 %3)")
                          .arg(QString::fromLatin1(total))
                          .arg(count)
                          .arg(count == 1 ? QStringLiteral("line") : QStringLiteral("lines")));
}

void DifferencesWindow::OnFilter(int entry)
{
    const int area = filter_->itemData(entry).toInt();
    model_->SetFilter(area < 0 ? std::nullopt : std::optional(static_cast<radio::DiffArea>(area)));
}

void DifferencesWindow::OnDoubleClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const radio::Difference& d = model_->Rows().At(index.row());
    if (d.sheet >= 0 && d.row >= 1)
        emit cellChosen(d.sheet, d.row, d.column);
}

} // namespace transfer
