// The library's own prompt: the default one from load on, or the one the
// program hands over (as a platform::Prompt or as a C callback).

// portkit
#include "portkit/portkit_c.h"
#include "portkit/prompt_hook.h"
#include "portkit/ui/default_prompt.h"

// platform
#include "platform/prompt.h"

namespace {

static_assert(PORTKIT_ICON_NONE == static_cast<int>(platform::Icon::None) &&
              PORTKIT_ICON_INFORMATION == static_cast<int>(platform::Icon::Information) &&
              PORTKIT_ICON_WARNING == static_cast<int>(platform::Icon::Warning) &&
              PORTKIT_ICON_ERROR == static_cast<int>(platform::Icon::Error) &&
              PORTKIT_ICON_QUESTION == static_cast<int>(platform::Icon::Question));
static_assert(PORTKIT_BUTTONS_OK == static_cast<int>(platform::Buttons::Ok) &&
              PORTKIT_BUTTONS_OK_CANCEL == static_cast<int>(platform::Buttons::OkCancel) &&
              PORTKIT_BUTTONS_YES_NO == static_cast<int>(platform::Buttons::YesNo) &&
              PORTKIT_BUTTONS_YES_NO_CANCEL == static_cast<int>(platform::Buttons::YesNoCancel));
static_assert(PORTKIT_ANSWER_OK == static_cast<int>(platform::Answer::Ok) &&
              PORTKIT_ANSWER_CANCEL == static_cast<int>(platform::Answer::Cancel) &&
              PORTKIT_ANSWER_YES == static_cast<int>(platform::Answer::Yes) &&
              PORTKIT_ANSWER_NO == static_cast<int>(platform::Answer::No));

// Forwards each message to a C callback.
class CallbackPrompt : public platform::Prompt {
public:
    void Set(portkit_prompt_fn fn, void* context)
    {
        fn_ = fn;
        context_ = context;
    }

    platform::Answer Show(const platform::Message& message) override
    {
        const int answer = fn_(context_, message.text.c_str(), message.caption.c_str(),
                               static_cast<int>(message.icon), static_cast<int>(message.buttons), message.owner);
        if (answer < PORTKIT_ANSWER_OK || answer > PORTKIT_ANSWER_NO)
            return platform::Answer::Cancel;
        return static_cast<platform::Answer>(answer);
    }

private:
    portkit_prompt_fn fn_ = nullptr;
    void* context_ = nullptr;
};

portkit::DefaultPrompt g_defaultPrompt;
CallbackPrompt g_callbackPrompt;

// The default prompt is in force from the moment the library is loaded.
const bool g_defaultInstalled = (platform::SetPrompt(&g_defaultPrompt), true);

} // namespace

void SetPortkitPrompt(platform::Prompt* prompt)
{
    platform::SetPrompt(prompt != nullptr ? prompt : &g_defaultPrompt);
}

extern "C" void portkit_set_prompt(portkit_prompt_fn fn, void* context)
{
    if (fn == nullptr) {
        platform::SetPrompt(&g_defaultPrompt);
        return;
    }
    g_callbackPrompt.Set(fn, context);
    platform::SetPrompt(&g_callbackPrompt);
}

extern "C" int portkit_interface_version(void)
{
    static_assert(PORTKIT_INTERFACE_VERSION == PORTKIT_BUILD_SOVERSION,
                  "the interface number must be the library's SOVERSION");
    return PORTKIT_INTERFACE_VERSION;
}
