#include "grid/ui/grid_model.h"

// Qt
#include <QBrush>
#include <QColor>

// std
#include <algorithm>

namespace grid {

namespace {

QColor ToColor(std::uint32_t rgb)
{
    return QColor(static_cast<QRgb>(rgb));
}

std::string ToLatin1(const QVariant& value)
{
    return value.toString().toLatin1().toStdString();
}

QVariant Alignment(CellKind kind)
{
    switch (kind) {
    case CellKind::Number:
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    case CellKind::CheckBox:
        return static_cast<int>(Qt::AlignCenter);
    default:
        return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace

GridModel::GridModel(CSpreadSheet1& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet)
{
    sheet_.AddObserver(this);
}

GridModel::~GridModel()
{
    sheet_.RemoveObserver(this);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : sheet_.RowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : sheet_.ColCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return {};
    const int col = ColOf(index);
    const int row = RowOf(index);
    const CellKind kind = sheet_.Kind(col, row);
    switch (role) {
    case Qt::DisplayRole:
        if (kind == CellKind::CheckBox)
            return {};
        return QString::fromLatin1(sheet_.ShownText(col, row));
    case Qt::EditRole:
        if (kind == CellKind::CheckBox)
            return {};
        return QString::fromLatin1(sheet_.GetText(col, row));
    case Qt::CheckStateRole:
        if (kind != CellKind::CheckBox)
            return {};
        return static_cast<int>(sheet_.IsChecked(col, row) ? Qt::Checked : Qt::Unchecked);
    case Qt::TextAlignmentRole:
        return Alignment(kind);
    case Qt::BackgroundRole:
        return QBrush(ToColor(sheet_.BackColor(col, row)));
    case Qt::ForegroundRole:
        return QBrush(ToColor(sheet_.TextColor(col, row)));
    case ListIndexRole:
        if (kind != CellKind::List && kind != CellKind::EditList)
            return {};
        return sheet_.ListIndex(col, row);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < sheet_.ColCount() ? QString::fromLatin1(sheet_.GetText(section + 1, 0)) : QVariant();
    return section < sheet_.RowCount() ? QString::fromLatin1(sheet_.GetText(0, section + 1)) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const int col = ColOf(index);
    const int row = RowOf(index);
    if (sheet_.Locked(col, row))
        return result;
    return result |
           (sheet_.Kind(col, row) == CellKind::CheckBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return false;
    const int col = ColOf(index);
    const int row = RowOf(index);
    if (sheet_.Locked(col, row))
        return false;
    Busy busy(*this);
    const CellKind kind = sheet_.Kind(col, row);
    const bool isList = kind == CellKind::List || kind == CellKind::EditList;
    switch (role) {
    case Qt::CheckStateRole:
        return kind == CellKind::CheckBox && SetCheck(col, row, value.toInt() == Qt::Checked);
    case ListIndexRole:
        return isList && SetListIndex(col, row, value.toInt());
    case Qt::EditRole:
        return kind != CellKind::CheckBox && SetCellText(col, row, ToLatin1(value));
    default:
        return false;
    }
}

bool GridModel::SetCheck(int col, int row, bool checked)
{
    if (sheet_.IsChecked(col, row) == checked)
        return true;
    sheet_.SetChecked(col, row, checked);
    editChanged_ = true;
    sheet_.RaiseButtonClicked(col, row, checked ? 1 : 0);
    sheet_.RaiseChange(col, row);
    return true;
}

bool GridModel::SetListIndex(int col, int row, int index)
{
    const ListPtr items = sheet_.List(col, row);
    if (!items || index < 0 || index >= static_cast<int>(items->size()))
        return false;
    if (sheet_.ListIndex(col, row) == index)
        return true;
    sheet_.SetListIndex(col, row, index);
    editChanged_ = true;
    sheet_.RaiseListSelChange(col, row);
    sheet_.RaiseChange(col, row);
    return true;
}

bool GridModel::SetCellText(int col, int row, const std::string& text)
{
    if (sheet_.GetText(col, row) == text)
        return true;
    const int indexBefore = sheet_.ListIndex(col, row);
    sheet_.SetText(col, row, text);
    editChanged_ = true;
    const CellKind kind = sheet_.Kind(col, row);
    if ((kind == CellKind::List || kind == CellKind::EditList) && sheet_.ListIndex(col, row) != indexBefore)
        sheet_.RaiseListSelChange(col, row);
    sheet_.RaiseChange(col, row);
    return true;
}

void GridModel::BeginEdit(const QModelIndex& index)
{
    Busy busy(*this);
    editChanged_ = false;
    editStart_ = {ColOf(index), RowOf(index), sheet_.GetText(ColOf(index), RowOf(index))};
    sheet_.SetEditMode(true);
    sheet_.RaiseEditMode(ColOf(index), RowOf(index), 1, false);
}

void GridModel::EndEdit(const QModelIndex& index)
{
    Busy busy(*this);
    sheet_.SetEditMode(false);
    const bool changed = editChanged_;
    editChanged_ = false;
    sheet_.RaiseEditMode(ColOf(index), RowOf(index), 0, changed);
}

void GridModel::CancelEdit(const QModelIndex& index)
{
    Busy busy(*this);
    const int col = ColOf(index);
    const int row = RowOf(index);
    if (editStart_.col == col && editStart_.row == row && sheet_.GetText(col, row) != editStart_.text)
        sheet_.SetText(col, row, editStart_.text);
    editChanged_ = false;
    EndEdit(index);
}

void GridModel::ReportLocked(const QModelIndex& index)
{
    Busy busy(*this);
    sheet_.RaiseEditError(ColOf(index), RowOf(index), 1);
}

bool GridModel::LeaveCell(const QModelIndex& from, const QModelIndex& to)
{
    Busy busy(*this);
    const int fromRow = RowOf(from);
    const int toRow = RowOf(to);
    if (sheet_.RaiseLeaveCell(ColOf(from), fromRow, ColOf(to), toRow))
        return true;
    return fromRow != toRow && sheet_.RaiseLeaveRow(fromRow, toRow);
}

void GridModel::SetActiveCell(const QModelIndex& index)
{
    Busy busy(*this);
    sheet_.SetActiveCell(ColOf(index), RowOf(index));
}

int GridModel::KeyPress(int key)
{
    Busy busy(*this);
    return sheet_.RaiseKeyPress(key);
}

GridModel::Busy::Busy(GridModel& model) : model_(model)
{
    ++model_.busy_;
}

GridModel::Busy::~Busy()
{
    if (--model_.busy_ > 0)
        return;
    if (model_.syncPending_) {
        model_.syncPending_ = false;
        emit model_.syncRequested();
    }
    emit model_.actionFinished();
}

void GridModel::RequestSync()
{
    if (busy_ > 0) {
        syncPending_ = true;
        return;
    }
    emit syncRequested();
}

// --- Store notices.

void GridModel::CellsChanged(const Block& block)
{
    if (resetting_)
        return;
    const int col = std::max(block.col, 1);
    const int col2 = std::min(block.col2, sheet_.ColCount());
    const int row = std::max(block.row, 1);
    const int row2 = std::min(block.row2, sheet_.RowCount());
    if (col <= col2 && row <= row2)
        emit dataChanged(index(row - 1, col - 1), index(row2 - 1, col2 - 1));
    if (block.row <= 0 && block.row2 >= 0 && col <= col2)
        emit headerDataChanged(Qt::Horizontal, col - 1, col2 - 1);
    if (block.col <= 0 && block.col2 >= 0 && row <= row2)
        emit headerDataChanged(Qt::Vertical, row - 1, row2 - 1);
}

void GridModel::StructureAboutToChange()
{
    resetting_ = true;
    beginResetModel();
}

void GridModel::StructureChanged()
{
    endResetModel();
    resetting_ = false;
}

void GridModel::ColumnsChanged(int col, int col2)
{
    emit columnsChanged(col, col2);
}

void GridModel::RowsChanged(int row, int row2)
{
    emit rowsChanged(row, row2);
}

void GridModel::FrozenChanged()
{
    emit frozenChanged();
}

void GridModel::ActiveCellChanged()
{
    RequestSync();
}

void GridModel::EditModeChanged()
{
    RequestSync();
}

void GridModel::SelectionChanged()
{
    emit selectionChanged();
}

} // namespace grid
