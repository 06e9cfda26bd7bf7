#include "clone/messages.h"

namespace transfer {

std::optional<platform::Message> FailureMessage(Failure failure, void* owner)
{
    const auto make = [owner](const char* text, const char* caption) {
        return platform::Message{text, caption, platform::Icon::None, platform::Buttons::Ok, owner};
    };
    switch (failure) {
    case Failure::ChecksumError:
        return make(kChecksumErrorText, kAppTitle);
    case Failure::Timeout:
        return make(kTimeoutText, kAppTitle);
    case Failure::HardwareMismatch:
        return make(kHardwareText, kHardwareCaption);
    case Failure::BlockRefused:
        return make(kCommErrorText, kCommErrorCaption);
    case Failure::LineLost:
        return make(kLineLostText, kAppTitle);
    case Failure::WriteFailed:
    case Failure::None:
        break;
    }
    return std::nullopt;
}

void ShowFailure(Failure failure, void* owner)
{
    if (const auto message = FailureMessage(failure, owner))
        platform::CurrentPrompt().Show(*message);
}

void ShowRegistryKeyError(void* owner)
{
    platform::ShowMessage(kRegistryKeyText, kAppTitle, platform::Icon::None, platform::Buttons::Ok, owner);
}

} // namespace transfer
