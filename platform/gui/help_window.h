#pragma once
// The program's own help window: a QTextBrowser over the installed help pages,
// one window for the whole program, brought forward at the page asked for.
// The window is found among the top-level windows by its object name, not
// through a static pointer, so the utility library's copy of this code (the
// import wizard's Help) shows its pages in the same window as the program.

// Qt
#include <QWidget>

class QTextBrowser;

namespace platform {

// The help window when one is open, else nullptr.
QWidget* ExistingHelpWindow();

// Shows the page (an absolute file path) in the help window, made on first
// use, brings it forward and returns it.
QWidget& ShowHelpWindowPage(const QString& path);

// The help window's browser.
QTextBrowser* HelpBrowser(QWidget& window);

} // namespace platform
