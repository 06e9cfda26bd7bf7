#pragma once
// The prompt the library uses until its caller hands it one: message boxes
// when a QApplication exists, standard error otherwise.

#include "platform/prompt.h"

namespace portkit {

class DefaultPrompt : public platform::Prompt {
public:
    platform::Answer Show(const platform::Message& message) override;
};

} // namespace portkit
