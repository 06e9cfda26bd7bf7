#pragma once
// Every message the system shows goes through one prompt: the desktop build
// shows a modal message box, the command-line tool prints to standard error,
// and tests record what would have been shown and answer from a script.

#include <deque>
#include <string>
#include <vector>

namespace platform {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string caption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    void* owner = nullptr; // the window that owns the box, if any
};

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer Show(const Message& message) = 0;
};

// The prompt in force. Starts as the console prompt.
Prompt& CurrentPrompt();
// Installs a prompt (nullptr restores the console prompt); returns the previous one.
Prompt* SetPrompt(Prompt* prompt);

// Shorthand for CurrentPrompt().Show(...).
Answer ShowMessage(const std::string& text, const std::string& caption, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, void* owner = nullptr);

// Writes "caption: text" to standard error and gives the safe answer
// (OK, or Cancel/No where there is a choice).
class ConsolePrompt : public Prompt {
public:
    Answer Show(const Message& message) override;
};

// Keeps every message and answers from a queue (OK / Cancel when it runs dry).
// Installs itself for its lifetime.
class RecordingPrompt : public Prompt {
public:
    RecordingPrompt();
    ~RecordingPrompt() override;
    RecordingPrompt(const RecordingPrompt&) = delete;
    RecordingPrompt& operator=(const RecordingPrompt&) = delete;

    Answer Show(const Message& message) override;

    std::vector<Message> shown;
    std::deque<Answer> answers;

private:
    Prompt* previous_;
};

} // namespace platform
