#pragma once
// DifferencesWindow: the differences between two images as a table (sheet,
// row, field, old, new), sorted by a click on a column's header and filtered
// by sheet, with what they add up to above. The lines come from a source the
// owner gives; Refresh asks it again (the owner calls it when a side
// changes). A double-click on a line that a grid cell shows raises
// cellChosen with the difference's sheet, row and column; the owner selects
// that cell in the document's window.

// Qt
#include <QAbstractTableModel>
#include <QWidget>

// std
#include <functional>
#include <vector>

// project
#include "clone/ui/difference_rows.h"

class QComboBox;
class QLabel;
class QTableView;

namespace transfer {

class DifferencesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Set(std::vector<radio::Difference> differences);
    void SetFilter(std::optional<radio::DiffArea> area);
    const DifferenceRows& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    DifferenceRows rows_;
};

class DifferencesWindow : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<std::vector<radio::Difference>()>;

    // A window of its own (over `parent`, closed with it), deleted when closed.
    DifferencesWindow(const QString& title, Source source, QWidget* parent);

    void Refresh();

    QTableView* Table() const { return table_; }
    QComboBox* Filter() const { return filter_; }
    QLabel* Summary() const { return summary_; }
    const DifferencesModel& Model() const { return *model_; }

signals:
    void cellChosen(int sheet, int row, int column);

private:
    void OnFilter(int entry);
    void OnDoubleClick(const QModelIndex& index);

    Source source_;
    DifferencesModel* model_;
    QLabel* summary_;
    QComboBox* filter_;
    QTableView* table_;
};

} // namespace transfer
