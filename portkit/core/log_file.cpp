#include "portkit/core/log_file.h"

// platform
#include "platform/registry.h"

// system
#include <fcntl.h>
#include <unistd.h>

// std
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <ctime>
#include <filesystem>
#include <new>

namespace portkit {
namespace {

constexpr const char* kLogFileName = "Debug.log";

// Writes all of text; failures are ignored, as the log never complains.
void WriteAll(int fd, const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t wrote = ::write(fd, text, length);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return;
        text += wrote;
        length -= static_cast<std::size_t>(wrote);
    }
}

} // namespace

bool LogFile::logging_ = false;

LogFile* LogFile::Instance()
{
    static LogFile* instance = nullptr;
    if (instance == nullptr)
        instance = new (std::nothrow) LogFile();
    return instance;
}

std::string LogFile::Path()
{
    return platform::StateHome() + "/Quillon/" + kLogFileName;
}

void LogFile::Start()
{
    logging_ = false;
    if (fd_ >= 0) // a second start replaces the open log
        ::close(fd_);
    const std::string path = Path();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    logging_ = true;

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char date[16];
    char time[16];
    std::strftime(date, sizeof date, "%m/%d/%y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    MessageF("Log File started %s %s", date, time);
    if (!portLine_.empty())
        MessageF("%s", portLine_.c_str());
}

void LogFile::KeepPortLine(std::string line)
{
    portLine_ = std::move(line);
    if (logging_ && !portLine_.empty())
        MessageF("%s", portLine_.c_str());
}

void LogFile::Stop()
{
    MessageF("Log File ended ==============");
    logging_ = false;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void LogFile::Message(const char* fmt, va_list args)
{
    if (!logging_ || fmt == nullptr)
        return;
    std::memset(buffer_, 0, sizeof buffer_);
    std::vsnprintf(buffer_, sizeof buffer_, fmt, args);
    WriteLine(buffer_);
}

void LogFile::MessageF(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    Message(fmt, args);
    va_end(args);
}

void LogFile::StringData(const char* label, const char* data)
{
    if (!logging_)
        return;
    WriteLine(label != nullptr ? label : "");
    WriteLine(data != nullptr ? data : "");
}

void LogFile::WriteLine(const char* text)
{
    WriteAll(fd_, text, std::strlen(text));
    WriteAll(fd_, "\r\n", 2);
}

} // namespace portkit
