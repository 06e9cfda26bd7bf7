#pragma once
// The CAP, NUM and SCRL panes of the status bar. On X11 the lock states come
// with every key event; elsewhere the panes stay dimmed.

// Qt
#include <QObject>

class QLabel;
class QStatusBar;

namespace app {

class StatusIndicators : public QObject {
    Q_OBJECT
public:
    // Adds the three panes to the right of the status bar.
    explicit StatusIndicators(QStatusBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(quint32 nativeModifiers);

    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

} // namespace app
