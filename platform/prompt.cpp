#include "platform/prompt.h"

#include <cstdio>

namespace platform {
namespace {

ConsolePrompt& Console()
{
    static ConsolePrompt console;
    return console;
}

Prompt* g_prompt = nullptr;

Answer SafeAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    }
    return Answer::Ok;
}

} // namespace

Prompt& CurrentPrompt()
{
    return g_prompt != nullptr ? *g_prompt : Console();
}

Prompt* SetPrompt(Prompt* prompt)
{
    Prompt* previous = g_prompt;
    g_prompt = prompt;
    return previous;
}

Answer ShowMessage(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
                   void* owner)
{
    return CurrentPrompt().Show(Message{text, caption, icon, buttons, owner});
}

Answer ConsolePrompt::Show(const Message& message)
{
    if (message.caption.empty())
        std::fprintf(stderr, "%s\n", message.text.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    return SafeAnswer(message.buttons);
}

RecordingPrompt::RecordingPrompt() : previous_(SetPrompt(this)) {}

RecordingPrompt::~RecordingPrompt()
{
    SetPrompt(previous_);
}

Answer RecordingPrompt::Show(const Message& message)
{
    shown.push_back(message);
    if (answers.empty())
        return SafeAnswer(message.buttons);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace platform
