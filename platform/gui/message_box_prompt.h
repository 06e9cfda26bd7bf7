#pragma once
// The desktop prompt: each message is a modal QMessageBox with the message's
// caption, text, icon and buttons, owned by the message's owner (a QWidget*).

#include "platform/prompt.h"

namespace platform::gui {

class MessageBoxPrompt : public Prompt {
public:
    Answer Show(const Message& message) override;
};

} // namespace platform::gui
