// The find bar of a view.

// own
#include "grid/ui/find_bar.h"

// Qt
#include <QKeyEvent>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace grid {

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), text_(new QLineEdit(this)), allSheets_(new QCheckBox(QStringLiteral("All sheets"), this)),
      status_(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("\u00D7"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close (Esc)"));
    auto* previous = new QPushButton(QStringLiteral("Previous"), this);
    auto* next = new QPushButton(QStringLiteral("Next"), this);
    previous->setToolTip(QStringLiteral("Shift+F3"));
    next->setToolTip(QStringLiteral("F3"));
    text_->setPlaceholderText(QStringLiteral("Name, frequency or comment"));
    text_->setClearButtonEnabled(true);
    layout->addWidget(close);
    layout->addWidget(new QLabel(QStringLiteral("Find:"), this));
    layout->addWidget(text_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(allSheets_);
    layout->addWidget(status_);

    connect(close, &QToolButton::clicked, this, &FindBar::closed);
    connect(next, &QPushButton::clicked, this, [this] { emit findRequested(true); });
    connect(previous, &QPushButton::clicked, this, [this] { emit findRequested(false); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { emit findRequested(true); });
    connect(text_, &QLineEdit::textChanged, this, [this] { ShowNotFound(false); });
}

// Escape, which the text field passes on, closes the bar.
void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString FindBar::Text() const
{
    return text_->text();
}

bool FindBar::AllSheets() const
{
    return allSheets_->isChecked();
}

void FindBar::Open()
{
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindBar::ShowNotFound(bool notFound)
{
    status_->setText(notFound ? QStringLiteral("Not found") : QString());
}

} // namespace grid
