#pragma once
// The debug log "Debug.log" in $XDG_STATE_HOME/Quillon (~/.local/state/Quillon
// by default): append-only, lines ended by CR LF, off until Start and a no-op
// while off.

#include <cstdarg>
#include <cstddef>
#include <string>

namespace portkit {

class LogFile {
public:
    // A formatted line holds at most kBufferSize - 1 characters; longer ones are cut.
    static constexpr std::size_t kBufferSize = 1000;

    // The single instance, made on first use; nullptr when out of memory.
    static LogFile* Instance();
    static bool IsLogging() { return logging_; }

    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Where Start writes: <state folder>/Quillon/Debug.log.
    static std::string Path();

    // Starts the log; a port's line kept by KeepPortLine comes right after
    // the first line, since a transfer's log starts once its port is open.
    void Start();
    void Stop();
    // What the open port's driver answered when asked for low latency: written
    // now when the log runs, and at each start until the port closes (empty).
    void KeepPortLine(std::string line);
    void Message(const char* fmt, va_list args) __attribute__((format(printf, 2, 0)));
    void MessageF(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void StringData(const char* label, const char* data);

private:
    LogFile() = default;
    ~LogFile() = default;
    void WriteLine(const char* text);

    char buffer_[kBufferSize] = {};
    int fd_ = -1;
    std::string portLine_;
    static bool logging_;
};

} // namespace portkit
