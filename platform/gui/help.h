#pragma once
// Help: one short page per help context number, installed with the program
// under <prefix>/share/ostrel/help/<context>.html and shown in the program's
// own help window (platform/gui/help_window.h), so no browser is needed.

// std
#include <string>

namespace platform {

// The page for a context, found beside the running program (<bin>/../share/ostrel/help,
// which the build tree mirrors); empty when there is none.
std::string HelpPagePath(int context);

// Shows the page for a context in the help window; a message (owned by owner,
// a QWidget*) when there is none.
void ShowHelp(int context, void* owner = nullptr);

} // namespace platform
