#pragma once
// The wizard's preview tables: an ImportTable shown read-only, one header text
// per column, and in step 4 a check box on each row.

#include "portkit/core/import_table.h"

// std
#include <vector>

// Qt
#include <QAbstractTableModel>
#include <QStringList>

class QTableView;

namespace portkit {

class ImportTableModel : public QAbstractTableModel {
public:
    explicit ImportTableModel(QObject* parent = nullptr);

    // Replaces the content; headers are "Column %d" until SetHeaders.
    void SetTable(ImportTable table, bool checkable);
    void SetHeaders(const QStringList& headers);
    void SetHeader(int column, const QString& text);

    const ImportTable& Table() const { return table_; }
    const std::vector<bool>& Ticks() const { return ticked_; }
    int TickedCount() const;
    void TickAll(bool on);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ImportTable table_;
    bool checkable_ = false;
    std::vector<bool> ticked_;
    QStringList headers_;
};

// A read-only table view for the model, rows without numbers.
QTableView* MakeImportTableView(QWidget* parent);

// Sizes each column to the larger of its widest cell and its header, without
// measuring every row.
void FitImportColumns(QTableView& view, const ImportTableModel& model);

} // namespace portkit
