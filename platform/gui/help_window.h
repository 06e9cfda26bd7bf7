#pragma once
// The program's own help window: a QTextBrowser over the installed help pages,
// one window for the whole program, brought forward at the page asked for.

// Qt
#include <QWidget>

class QTextBrowser;

namespace platform {

class HelpWindow : public QWidget {
public:
    // The one window, made on first use (it deletes itself when closed).
    static HelpWindow& Instance();
    // The window when it exists, else nullptr.
    static HelpWindow* Existing();

    // Shows the page (an absolute file path) and brings the window forward.
    void ShowPage(const QString& path);
    QTextBrowser* Browser() const { return browser_; }

private:
    HelpWindow();
    ~HelpWindow() override;

    QTextBrowser* browser_;
};

} // namespace platform
