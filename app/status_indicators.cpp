#include "app/status_indicators.h"

// Qt
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace app {
namespace {

// X11 modifier masks of the lock keys in a key event's native state.
constexpr quint32 kX11CapsLock = 0x02;
constexpr quint32 kX11NumLock = 0x10;

QLabel* AddPane(QStatusBar* bar, const char* text)
{
    auto* pane = new QLabel(QString::fromLatin1(text), bar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 12);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setEnabled(false);
    bar->addPermanentWidget(pane);
    return pane;
}

} // namespace

StatusIndicators::StatusIndicators(QStatusBar* bar)
    : QObject(bar), caps_(AddPane(bar, "CAP")), num_(AddPane(bar, "NUM")), scroll_(AddPane(bar, "SCRL"))
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        qApp->installEventFilter(this);
}

bool StatusIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Show(key->nativeModifiers());
        if (key->key() == Qt::Key_ScrollLock && event->type() == QEvent::KeyPress)
            scroll_->setEnabled(!scroll_->isEnabled());
    }
    return QObject::eventFilter(watched, event);
}

void StatusIndicators::Show(quint32 nativeModifiers)
{
    caps_->setEnabled((nativeModifiers & kX11CapsLock) != 0);
    num_->setEnabled((nativeModifiers & kX11NumLock) != 0);
}

} // namespace app
