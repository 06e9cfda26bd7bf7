#include "grid/ui/sheet_table_view.h"

// lib
#include "grid/ui/grid_model.h"

// Qt
#include <QKeyEvent>
#include <QMouseEvent>

// std
#include <algorithm>

namespace grid {

namespace {

int ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

SheetTableView::SheetTableView(GridModel& model, QWidget* parent) : QTableView(parent), model_(model)
{
    setModel(&model_);
}

QWidget* SheetTableView::OpenEditor() const
{
    return IsEditing() ? indexWidget(currentIndex()) : nullptr;
}

void SheetTableView::CommitEditor()
{
    if (QWidget* editor = OpenEditor())
        commitData(editor);
}

void SheetTableView::FinishEdit()
{
    if (QWidget* editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void SheetTableView::CancelEditor()
{
    if (QWidget* editor = OpenEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void SheetTableView::OpenEditorFromStore(const QModelIndex& index)
{
    storeDriven_ = true;
    edit(index, AllEditTriggers, nullptr);
    storeDriven_ = false;
    if (QWidget* editor = OpenEditor())
        editor->setFocus();
}

void SheetTableView::CloseEditorFromStore()
{
    if (QWidget* editor = OpenEditor()) {
        storeDriven_ = true;
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        storeDriven_ = false;
    }
}

bool SheetTableView::IsEditAttempt(EditTrigger trigger, const QEvent* event) const
{
    if (!(editTriggers() & trigger))
        return false;
    if (trigger == DoubleClicked || trigger == EditKeyPressed)
        return true;
    if (trigger != AnyKeyPressed || event == nullptr || event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<const QKeyEvent*>(event)->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool SheetTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!index.isValid())
        return QTableView::edit(index, trigger, event);
    GridModel::Busy busy(model_);
    const bool locked = !(index.flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
    if (!storeDriven_ && locked && IsEditAttempt(trigger, event)) {
        model_.ReportLocked(index);
        return false;
    }
    const bool wasEditing = IsEditing();
    const bool handled = QTableView::edit(index, trigger, event);
    if (handled && !wasEditing && IsEditing()) {
        RememberEditor();
        if (!storeDriven_)
            model_.BeginEdit(index);
    }
    return handled;
}

void SheetTableView::RememberEditor()
{
    std::erase_if(editors_, [](const QPointer<QWidget>& e) { return e.isNull(); });
    if (QWidget* editor = OpenEditor(); editor != nullptr && !IsLiveEditor(editor))
        editors_.emplace_back(editor);
}

bool SheetTableView::IsLiveEditor(const QWidget* editor) const
{
    return std::any_of(editors_.begin(), editors_.end(),
                       [editor](const QPointer<QWidget>& e) { return !e.isNull() && e.data() == editor; });
}

void SheetTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == nullptr || !IsLiveEditor(editor))
        return;
    // A closed editor can report its focus loss once more; that is no edit.
    if (editor != OpenEditor()) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
    GridModel::Busy busy(model_);
    if (!storeDriven_) {
        const QPointer<QWidget> guard(editor);
        if (hint == QAbstractItemDelegate::RevertModelCache)
            model_.CancelEdit(currentIndex());
        else
            model_.EndEdit(currentIndex());
        // The edit-mode event may refuse the value and keep the cell in edit
        // mode, or close and reopen the cell while its message is up (the
        // editor is then gone): either way this editor is not to be closed.
        if (guard.isNull() || editor != OpenEditor() || model_.Sheet().EditMode())
            return;
    }
    // Moving on after Tab is done here, so that the next cell is entered
    // without opening an editor in it.
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    if (next || previous) {
        const QModelIndex target = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
        if (target.isValid())
            selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
}

void SheetTableView::mousePressEvent(QMouseEvent* event)
{
    {
        GridModel::Busy busy(model_);
        const QPoint pos = event->position().toPoint();
        model_.Sheet().RaiseMouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), pos.x(), pos.y());
    }
    emit mousePressed();
    QTableView::mousePressEvent(event);
}

void SheetTableView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    {
        GridModel::Busy busy(model_);
        const QPoint pos = event->position().toPoint();
        model_.Sheet().RaiseMouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), pos.x(), pos.y());
    }
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

} // namespace grid
