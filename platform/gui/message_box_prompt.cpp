#include "platform/gui/message_box_prompt.h"

// Qt
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform::gui {
namespace {

QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing the box without a button gives the safe answer of its button set.
Answer ToAnswer(int clicked, Buttons buttons)
{
    switch (clicked) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace

Answer MessageBoxPrompt::Show(const Message& message)
{
    QMessageBox box(BoxIcon(message.icon), QString::fromLatin1(message.caption.c_str()),
                    QString::fromLatin1(message.text.c_str()), BoxButtons(message.buttons),
                    static_cast<QWidget*>(message.owner));
    // The window that was active gets the keyboard back when the box closes,
    // also where no window manager hands it back, so its shortcuts work again.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int clicked = box.exec();
    if (!active.isNull() && active->isVisible())
        active->activateWindow();
    return ToAnswer(clicked, message.buttons);
}

} // namespace platform::gui
