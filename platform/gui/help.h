#pragma once
// Help: one short page per help context number, installed with the program
// under <prefix>/share/ostrel/help/<context>.html and opened in the desktop's
// browser.

// std
#include <string>

namespace platform {

// The page for a context, found beside the running program (<bin>/../share/ostrel/help,
// which the build tree mirrors); empty when there is none.
std::string HelpPagePath(int context);

// Opens the page for a context; a message (owned by owner, a QWidget*) when
// there is none or no browser takes it.
void ShowHelp(int context, void* owner = nullptr);

} // namespace platform
