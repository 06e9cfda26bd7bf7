#pragma once
// A clone port that tells a log every byte it passes: each read and write as
// a line with its count and the bytes in hex (32 to a line), and each failure
// with its code. The log is a function of one line, so the clone layer needs
// nothing of the library that keeps the log file.

// std
#include <cstdint>
#include <functional>
#include <string>

// project
#include "clone/clone_port.h"
#include "clone/engine.h"

namespace transfer {

using LogLine = std::function<void(const std::string&)>;

class LoggingPort : public ClonePort {
public:
    LoggingPort(ClonePort& inner, LogLine log) : inner_(inner), log_(std::move(log)) {}

    int Available() override;
    int Read(std::uint8_t* buf, int n) override;
    int Write(const std::uint8_t* buf, int n) override;
    bool Drain() override;
    int Descriptor() const override { return inner_.Descriptor(); }

private:
    void Bytes(const char* what, const std::uint8_t* buf, int n);

    ClonePort& inner_;
    LogLine log_;
    bool availableFailed_ = false;
};

// "Read done", "Write failed: Timeout" and the like, for the log's last line.
std::string EndingLine(const char* transfer, const CloneEngine& engine);

} // namespace transfer
