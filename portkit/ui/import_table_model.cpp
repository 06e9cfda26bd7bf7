#include "portkit/ui/import_table_model.h"

// std
#include <algorithm>

// Qt
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace portkit {

ImportTableModel::ImportTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportTableModel::SetTable(ImportTable table, bool checkable)
{
    beginResetModel();
    table_ = std::move(table);
    checkable_ = checkable;
    ticked_.assign(table_.rows.size(), checkable);
    headers_.clear();
    for (std::size_t c = 0; c < table_.columns; ++c)
        headers_.append(QStringLiteral("Column %1").arg(c + 1));
    endResetModel();
}

void ImportTableModel::SetHeaders(const QStringList& headers)
{
    headers_ = headers;
    while (headers_.size() < static_cast<qsizetype>(table_.columns))
        headers_.append(QString());
    if (table_.columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(table_.columns) - 1);
}

void ImportTableModel::SetHeader(int column, const QString& text)
{
    if (column < 0 || column >= headers_.size())
        return;
    headers_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int ImportTableModel::TickedCount() const
{
    return static_cast<int>(std::count(ticked_.begin(), ticked_.end(), true));
}

void ImportTableModel::TickAll(bool on)
{
    std::fill(ticked_.begin(), ticked_.end(), on);
    if (!ticked_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

int ImportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ImportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.columns);
}

QVariant ImportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole) {
        const std::vector<std::string>& cells = table_.rows[row];
        return column < cells.size() ? QString::fromLatin1(cells[column]) : QString();
    }
    if (role == Qt::CheckStateRole && checkable_ && column == 0)
        return ticked_[row] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ImportTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !checkable_ || index.column() != 0)
        return false;
    ticked_[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant ImportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < headers_.size() ? headers_[section] : QString();
}

Qt::ItemFlags ImportTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (checkable_ && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QTableView* MakeImportTableView(QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("table"));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->setWordWrap(false);
    return view;
}

void FitImportColumns(QTableView& view, const ImportTableModel& model)
{
    const QFontMetrics cells(view.font());
    const QFontMetrics heads(view.horizontalHeader()->font());
    const ImportTable& table = model.Table();
    const int checkRoom = view.style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    for (int c = 0; c < model.columnCount(); ++c) {
        const auto column = static_cast<std::size_t>(c);
        const std::size_t chars = column < table.widestCell.size() ? table.widestCell[column] : 0;
        // Only the longest cell of the column is measured.
        const auto longest = std::find_if(table.rows.begin(), table.rows.end(), [&](const auto& row) {
            return column < row.size() && row[column].size() == chars;
        });
        int width = cells.averageCharWidth() * 2;
        if (longest != table.rows.end())
            width += cells.horizontalAdvance(QString::fromLatin1((*longest)[column]));
        if (c == 0 && (model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable))
            width += checkRoom;
        const int head =
            heads.horizontalAdvance(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 16;
        view.setColumnWidth(c, std::max(width, head));
    }
}

} // namespace portkit
