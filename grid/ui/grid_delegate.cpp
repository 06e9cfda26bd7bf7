#include "grid/ui/grid_delegate.h"

// lib
#include "grid/ui/grid_model.h"

// Qt
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>

// std
#include <algorithm>

namespace grid {

namespace {

const GridModel* ModelOf(const QModelIndex& index)
{
    return qobject_cast<const GridModel*>(index.model());
}

// The editor remembers the model it edits, for the key filter.
constexpr const char* kModelProperty = "ostrelGridModel";

bool IsCheckBox(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).isValid();
}

// Accepts an empty cell or a number with at most the cell's decimals, with
// either separator; a separator without any digit is still unfinished.
class NumberValidator final : public QValidator {
public:
    NumberValidator(int decimals, QObject* parent)
        : QValidator(parent),
          pattern_(QRegularExpression::anchoredPattern(
              decimals > 0 ? QStringLiteral("[0-9]*([.,][0-9]{0,%1})?").arg(decimals) : QStringLiteral("[0-9]*")))
    {
    }
    State validate(QString& input, int& /*pos*/) const override
    {
        if (!pattern_.match(input).hasMatch())
            return Invalid;
        const bool hasDigit = std::any_of(input.cbegin(), input.cend(), [](QChar c) { return c.isDigit(); });
        return input.isEmpty() || hasDigit ? Acceptable : Intermediate;
    }

private:
    QRegularExpression pattern_;
};

class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QWidget* TextEditor(QWidget* parent, const CSpreadSheet1& sheet, int col, int row)
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const CellKind kind = sheet.Kind(col, row);
    if (kind == CellKind::Number) {
        edit->setValidator(new NumberValidator(sheet.Decimals(col, row), edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
    if (sheet.MaxLength(col, row) > 0)
        edit->setMaxLength(sheet.MaxLength(col, row));
    if (sheet.UpperCase(col, row))
        edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}

QWidget* ListEditor(QWidget* parent, const CSpreadSheet1& sheet, int col, int row, bool editable)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    if (const ListPtr items = sheet.List(col, row)) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(items->size()));
        for (const std::string& item : *items)
            texts.append(QString::fromLatin1(item));
        combo->addItems(texts);
    }
    return combo;
}

} // namespace

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const
{
    const GridModel* model = ModelOf(index);
    if (model == nullptr)
        return nullptr;
    const CSpreadSheet1& sheet = model->Sheet();
    const int col = GridModel::ColOf(index);
    const int row = GridModel::RowOf(index);
    QWidget* editor = nullptr;
    switch (sheet.Kind(col, row)) {
    case CellKind::CheckBox:
        return nullptr;
    case CellKind::List:
        editor = ListEditor(parent, sheet, col, row, false);
        ConnectChoice(static_cast<QComboBox*>(editor));
        break;
    case CellKind::EditList:
        editor = ListEditor(parent, sheet, col, row, true);
        break;
    default:
        editor = TextEditor(parent, sheet, col, row);
        break;
    }
    editor->setProperty(kModelProperty, QVariant::fromValue<QObject*>(const_cast<GridModel*>(model)));
    return editor;
}

// A fixed list has no half-typed state: a choice finishes the edit.
void GridDelegate::ConnectChoice(QComboBox* combo) const
{
    QPointer<QComboBox> guarded(combo);
    auto* self = const_cast<GridDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, guarded] {
        if (!guarded)
            return;
        emit self->commitData(guarded);
        emit self->closeEditor(guarded, NoHint);
    });
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(index.data(GridModel::ListIndexRole).toInt());
        if (combo->isEditable())
            combo->setEditText(text);
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (!IsFinished(editor))
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable())
            model->setData(index, combo->currentText(), Qt::EditRole);
        else
            model->setData(index, combo->currentIndex(), GridModel::ListIndexRole);
    }
}

bool GridDelegate::IsFinished(const QWidget* editor)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor))
        return edit->hasAcceptableInput();
    if (const auto* combo = qobject_cast<const QComboBox*>(editor))
        return combo->isEditable() || combo->currentIndex() >= 0;
    return false;
}

QRect GridDelegate::CheckRect(const QStyleOptionViewItem& option)
{
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget);
    QRect rect(0, 0, w, h);
    rect.moveCenter(option.rect.center());
    return rect;
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!IsCheckBox(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QStyle* style = opt.widget != nullptr ? opt.widget->style() : QApplication::style();
    const bool checked = opt.checkState == Qt::Checked;
    opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QStyleOptionViewItem check(opt);
    check.rect = CheckRect(opt);
    check.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange);
    check.state |= checked ? QStyle::State_On : QStyle::State_Off;
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        check.state &= ~QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, opt.widget);
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if (!IsCheckBox(index))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !CheckRect(option).contains(mouse->position().toPoint()))
            return false;
        break;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, static_cast<int>(checked ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FilterKey(object, event))
        return true;
    return QStyledItemDelegate::eventFilter(object, event);
}

// Every character typed into an editor passes the store's key-press event,
// which may change it or throw it away.
bool GridDelegate::FilterKey(QObject* editor, QEvent* event)
{
    auto* model = qobject_cast<GridModel*>(editor->property(kModelProperty).value<QObject*>());
    const auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts (Ctrl+A, Alt+...) are no typed characters.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (model == nullptr || text.size() != 1 || !text.at(0).isPrint() || text.at(0).unicode() > 0xFF)
        return false;
    const int typed = text.at(0).unicode();
    const int passed = model->KeyPress(typed);
    if (passed == typed)
        return false;
    if (passed != 0) {
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (auto* combo = qobject_cast<QComboBox*>(editor); combo != nullptr)
            edit = combo->lineEdit();
        if (edit != nullptr && passed > 0 && passed <= 0xFF)
            edit->insert(QString(QChar(passed)));
    }
    return true;
}

} // namespace grid
