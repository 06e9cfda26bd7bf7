#pragma once
// The prompt through which the library shows its messages. The library keeps
// its own prompt, apart from the program's: by default it shows message boxes
// when a QApplication exists and writes to standard error otherwise.

#include "portkit/export.h"

namespace platform {
class Prompt;
}

// Routes the library's messages to prompt; nullptr restores the default. The
// prompt must outlive its use by the library.
PORTKIT_API void SetPortkitPrompt(platform::Prompt* prompt);
