#pragma once
// Every message of reading and writing the radio, in one place: the text and
// caption each failure is shown with.

// std
#include <optional>

// project
#include "clone/engine.h"
#include "platform/prompt.h"

namespace transfer {

inline constexpr const char* kAppTitle = "Ostrel Programmer";

inline constexpr const char* kChecksumErrorText = "Error: Check sum errror.";
inline constexpr const char* kTimeoutText = "Communication timeout";
inline constexpr const char* kCommErrorText = "Comm Error";
inline constexpr const char* kCommErrorCaption = "Error";
inline constexpr const char* kHardwareText =
    "The hardware information in the radio does not match that of the file.\n"
    "Read the radio to get the correct hardware information for this radio.";
inline constexpr const char* kHardwareCaption = "Comm Error";
inline constexpr const char* kRegistryKeyText = "Could not create the registry key.";
inline constexpr const char* kLineLostText =
    "The connection to the radio was lost. Check the cable and the port, then try again.";

// The message for a failure; none for a failed write, which the serial port
// has already reported.
std::optional<platform::Message> FailureMessage(Failure failure, void* owner = nullptr);

// Shows the failure's message, if it has one.
void ShowFailure(Failure failure, void* owner = nullptr);

// "Could not create the registry key." with the program's title.
void ShowRegistryKeyError(void* owner = nullptr);

} // namespace transfer
