#pragma once
// CLogMessage: the append-only debug log "Debug.log" in $XDG_STATE_HOME/Quillon
// (~/.local/state/Quillon when unset).
// Off until StartLogging; while off every write returns at once.

#include "portkit/export.h"
#include "portkit/portkit_c.h"

class PORTKIT_API CLogMessage final {
public:
    // The single instance, made on the first call; nullptr when out of memory.
    static CLogMessage* CreateInstance();
    static bool IsLogging();

    CLogMessage(const CLogMessage&) = delete;
    CLogMessage& operator=(const CLogMessage&) = delete;

    void StartLogging();
    void StopLogging();
    // One printf-formatted line; longer than 999 characters is cut there.
    void LogMessage(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // The label and the data as two lines.
    void LogStringData(const char* label, const char* data);

private:
    explicit CLogMessage(PortkitLog* log);
    ~CLogMessage() = default; // the instance lives as long as the process

    PortkitLog* log_;
};
