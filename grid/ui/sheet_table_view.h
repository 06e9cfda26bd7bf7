#pragma once
// SheetTableView: a table view over a GridModel that reports what the user
// does to the store's events: editors opening and closing, attempts to edit a
// locked cell, mouse buttons. The grid view and its frozen-columns overlay are
// both of this kind.

// Qt
#include <QPoint>
#include <QPointer>
#include <QTableView>

// std
#include <vector>

namespace grid {

class GridModel;

class SheetTableView : public QTableView {
    Q_OBJECT
public:
    explicit SheetTableView(GridModel& model, QWidget* parent = nullptr);

    GridModel& Model() { return model_; }
    const GridModel& Model() const { return model_; }

    bool IsEditing() const { return state() == EditingState; }
    // The editor open on the current cell, nullptr when none.
    QWidget* OpenEditor() const;
    // Writes the open editor's value into the store; the editor stays open.
    void CommitEditor();
    // Writes the open editor's value and closes it, as leaving the cell does.
    void FinishEdit();
    // Closes the open editor as Escape does: the cell takes back what it
    // held when its edit began.
    void CancelEditor();
    // Follow the store's edit mode: open or close an editor without raising
    // the edit-mode event again (and, when closing, without writing).
    void OpenEditorFromStore(const QModelIndex& index);
    void CloseEditorFromStore();

signals:
    void mousePressed();
    void rightButtonReleased(QPoint globalPos);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool IsEditAttempt(EditTrigger trigger, const QEvent* event) const;
    // Editors this view opened that still exist. A delegate reports focus loss
    // through a queued call, which can arrive after its editor was destroyed
    // (a message box took the focus while the cell was reopened); such a late
    // report names no live editor and is dropped.
    void RememberEditor();
    bool IsLiveEditor(const QWidget* editor) const;

    GridModel& model_;
    bool storeDriven_ = false;
    std::vector<QPointer<QWidget>> editors_;
};

} // namespace grid
