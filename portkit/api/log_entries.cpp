// The debug log's C entries and the exported CLogMessage over them.

// portkit
#include "portkit/core/log_file.h"
#include "portkit/log_message.h"
#include "portkit/portkit_c.h"

// std
#include <cstdarg>
#include <new>

namespace {

portkit::LogFile* FromHandle(PortkitLog* log)
{
    return reinterpret_cast<portkit::LogFile*>(log);
}

} // namespace

extern "C" {

PortkitLog* portkit_log_instance(void)
{
    return reinterpret_cast<PortkitLog*>(portkit::LogFile::Instance());
}

int portkit_log_is_logging(void)
{
    return portkit::LogFile::IsLogging() ? 1 : 0;
}

void portkit_log_start(PortkitLog* log)
{
    if (log != nullptr)
        FromHandle(log)->Start();
}

void portkit_log_stop(PortkitLog* log)
{
    if (log != nullptr)
        FromHandle(log)->Stop();
}

void portkit_log_message_v(PortkitLog* log, const char* fmt, va_list args)
{
    if (log != nullptr)
        FromHandle(log)->Message(fmt, args);
}

void portkit_log_message(PortkitLog* log, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    portkit_log_message_v(log, fmt, args);
    va_end(args);
}

void portkit_log_string_data(PortkitLog* log, const char* label, const char* data)
{
    if (log != nullptr)
        FromHandle(log)->StringData(label, data);
}

} // extern "C"

CLogMessage* CLogMessage::CreateInstance()
{
    static CLogMessage* instance = nullptr;
    if (instance == nullptr) {
        if (PortkitLog* log = portkit_log_instance())
            instance = new (std::nothrow) CLogMessage(log);
    }
    return instance;
}

bool CLogMessage::IsLogging()
{
    return portkit_log_is_logging() != 0;
}

CLogMessage::CLogMessage(PortkitLog* log) : log_(log) {}

void CLogMessage::StartLogging()
{
    portkit_log_start(log_);
}

void CLogMessage::StopLogging()
{
    portkit_log_stop(log_);
}

void CLogMessage::LogMessage(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    portkit_log_message_v(log_, fmt, args);
    va_end(args);
}

void CLogMessage::LogStringData(const char* label, const char* data)
{
    portkit_log_string_data(log_, label, data);
}
