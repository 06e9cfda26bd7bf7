#pragma once
// GridDelegate: the one delegate of every grid. The cell's kind picks the
// editor: a line edit for text (length limit, upper case) and numbers, a fixed
// combo box for lists, an editable one for editable lists. Check boxes have no
// editor; a click or the space bar toggles them through the check-state role.
// An editor whose value is unfinished writes nothing into the cell.

// Qt
#include <QStyledItemDelegate>

class QComboBox;

namespace grid {

class GridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // True when the editor holds a value the cell can take.
    static bool IsFinished(const QWidget* editor);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    static QRect CheckRect(const QStyleOptionViewItem& option);
    bool FilterKey(QObject* editor, QEvent* event);
    void ConnectChoice(QComboBox* combo) const;
};

} // namespace grid
