#pragma once
// The program's start-up: the command line, the main frame, the first documents.

// std
#include <string>
#include <vector>

// Qt
#include <QStringList>

class CMainFrame;

namespace app {

struct StartOptions {
    std::vector<std::string> files;      // radio data files to open; none: a new document
    bool quitAfterFirstWindow = false;   // --quit-after-first-window: print the start time and leave
};

StartOptions ParseCommandLine(const QStringList& arguments);

// The program's icon and the icon theme's fallback, for every window.
void SetUpIcons();

// Shows the main window and opens the documents the command line names, or a
// new one. A file that cannot be opened is reported and the window stays, so
// the user can open another.
void StartUp(CMainFrame& frame, const StartOptions& options);

// Runs the program; the exit code.
int Run(int argc, char** argv);

} // namespace app
