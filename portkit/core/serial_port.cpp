#include "portkit/core/serial_port.h"

// portkit
#include "portkit/core/log_file.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/port_names.h"

// platform
#include "platform/prompt.h"

// std
#include <cerrno>
#include <chrono>
#include <ratio>
#include <thread>

namespace portkit {
namespace {

using Clock = std::chrono::steady_clock;

void ShowSystemError(int error)
{
    platform::ShowMessage(SystemErrorText(error), "Error", platform::Icon::Information);
}

void ShowByteWriteError()
{
    platform::ShowMessage("Error", "Error");
}

// Asks for low latency and says in the debug log whether the driver took it,
// now or when a log starts while the port is open; the port is used either way.
void RequestAndLogLowLatency(int fd, int n, const std::string& path)
{
    const int refused = RequestLowLatency(fd);
    if (LogFile* log = LogFile::Instance(); log != nullptr)
        log->KeepPortLine(DeviceName(n) + " " + path + ": " + LowLatencyText(refused));
}

// Flags for each counter that went up since the previous reading.
int CounterFlags(const ErrorCounters& before, const ErrorCounters& now)
{
    int flags = 0;
    if (now.bufferOverrun != before.bufferOverrun)
        flags |= kCeRxOver;
    if (now.overrun != before.overrun)
        flags |= kCeOverrun;
    if (now.parity != before.parity)
        flags |= kCeRxParity;
    if (now.frame != before.frame)
        flags |= kCeFrame;
    if (now.brk != before.brk)
        flags |= kCeBreak;
    return flags;
}

} // namespace

SerialPort::SerialPort()
    : highResolutionClock_(Clock::is_steady && std::ratio_less_equal_v<Clock::period, std::micro>)
{
}

SerialPort::~SerialPort()
{
    Close();
}

bool SerialPort::Open(void* owner, std::uint32_t baud, std::uint8_t parity, std::uint8_t dataBits,
                      std::uint8_t stopBits)
{
    settings_.baud = baud;
    settings_.parity = parity;
    settings_.dataBits = dataBits;
    settings_.stopBits = stopBits;
    return Open(owner);
}

bool SerialPort::Open(void* owner)
{
    Close();
    if (portNum_ <= 0) {
        platform::ShowMessage("No com port selected", kComPortErrorCaption, platform::Icon::None,
                              platform::Buttons::Ok, owner);
        return false;
    }
    const std::string path = DevicePath(portNum_);
    const OpenResult opened = OpenExclusive(path);
    if (opened.fd < 0) {
        platform::ShowMessage(OpenErrorText(portNum_, path, opened.error), kComPortErrorCaption,
                              platform::Icon::None, platform::Buttons::Ok, owner);
        return false;
    }
    fd_ = opened.fd;
    open_ = true;
    if (const int refused = ApplyLineSettings(fd_, settings_); refused != 0)
        ShowSystemError(refused); // the port stays open
    RequestAndLogLowLatency(fd_, portNum_, path);
    SetModemLines(fd_, true);
    counters_ = ReadErrorCounters(fd_);
    ioErrorFlags_ = 0;
    return true;
}

void SerialPort::Close()
{
    if (!open_)
        return;
    open_ = false;
    SetModemLines(fd_, false);
    CloseDevice(fd_);
    fd_ = -1;
    if (LogFile* log = LogFile::Instance(); log != nullptr)
        log->KeepPortLine({});
}

int SerialPort::Receive(void* buf, int n, int* error)
{
    if (!open_) {
        *error = EBADF;
        return -1;
    }
    return ReceiveSome(fd_, buf, n, kReadTimeoutMs, error);
}

int SerialPort::Send(const void* buf, int n)
{
    return open_ ? SendAll(fd_, buf, n, settings_.baud) : EBADF;
}

int SerialPort::NoteFailure(int error)
{
    ioErrorFlags_ |= kCeIoError;
    return error;
}

int SerialPort::Read(void* buf, int n)
{
    int error = 0;
    const int got = Receive(buf, n, &error);
    if (got >= 0)
        return got;
    NoteFailure(error);
    return -CommError();
}

std::uint8_t SerialPort::ReadByte()
{
    std::uint8_t byte = 0xFF;
    int error = 0;
    const int got = Receive(&byte, 1, &error);
    if (got < 0) {
        ShowSystemError(NoteFailure(error));
        return 0xFF;
    }
    return got == 1 ? byte : 0xFF;
}

int SerialPort::Write(const void* buf, int n)
{
    CommError(); // a pending error state must not stop this write
    if (const int error = Send(buf, n); error != 0) {
        ShowSystemError(NoteFailure(error));
        return -error;
    }
    return n > 0 ? n : 0;
}

int SerialPort::WriteByte(std::uint8_t b)
{
    if (const int error = Send(&b, 1); error != 0) {
        ShowSystemError(NoteFailure(error));
        return 0;
    }
    return 1;
}

int SerialPort::WriteBytes(const void* buf, int count, int delayMs)
{
    return WriteBytesPaced(buf, count, delayMs, false);
}

int SerialPort::WriteBytesEx(const void* buf, int count, int delayMs)
{
    return WriteBytesPaced(buf, count, delayMs, highResolutionClock_);
}

// Writes byte by byte; after each byte waits delayMs, by sleeping or, for
// gaps of a few milliseconds that must come out exact, by watching the clock.
int SerialPort::WriteBytesPaced(const void* buf, int count, int delayMs, bool busyWait)
{
    if (count <= 0)
        return 0;
    const auto gap = std::chrono::milliseconds(delayMs > 0 ? delayMs : 0);
    const auto* bytes = static_cast<const std::uint8_t*>(buf);
    for (int i = 0; i < count; ++i) {
        if (Send(bytes + i, 1) != 0) {
            NoteFailure(EIO);
            ShowByteWriteError();
        }
        if (!busyWait) {
            std::this_thread::sleep_for(gap);
            continue;
        }
        const auto start = Clock::now();
        while (Clock::now() - start < gap) {
        }
    }
    return count;
}

void SerialPort::Purge()
{
    if (open_)
        DiscardQueues(fd_);
}

int SerialPort::Available()
{
    int error = 0;
    const int queued = open_ ? QueuedInput(fd_, &error) : -1;
    if (queued < 0 && open_)
        NoteFailure(error);
    return queued;
}

int SerialPort::Wait(int timeoutMs)
{
    if (!open_)
        return -kCeIoError;
    int error = 0;
    const int ready = WaitReadable(fd_, timeoutMs, &error);
    if (ready >= 0)
        return ready;
    NoteFailure(error);
    return -CommError();
}

int SerialPort::Drain()
{
    if (!open_)
        return EBADF;
    const int error = DrainOutput(fd_);
    if (error != 0)
        NoteFailure(error);
    return error;
}

int SerialPort::CommError()
{
    int flags = ioErrorFlags_;
    ioErrorFlags_ = 0;
    if (open_) {
        const ErrorCounters now = ReadErrorCounters(fd_);
        flags |= CounterFlags(counters_, now);
        counters_ = now;
    }
    return flags;
}

void SerialPort::ControlLines(int* cts, int* dsr)
{
    bool ctsOn = false;
    bool dsrOn = false;
    if (open_)
        ReadModemLines(fd_, &ctsOn, &dsrOn);
    if (cts != nullptr)
        *cts = ctsOn ? 1 : 0;
    if (dsr != nullptr)
        *dsr = dsrOn ? 1 : 0;
}

int SerialPort::IsPortAvailable(int n)
{
    const OpenResult opened = OpenExclusive(DevicePath(n));
    if (opened.fd >= 0) {
        CloseDevice(opened.fd);
        return 2;
    }
    return opened.error == EBUSY || opened.error == EACCES || opened.error == EPERM ? 0 : 1;
}

int SerialPort::FindComPorts(int n)
{
    return IsPortAvailable(n) == 2 ? kPortAvailable : kPortUnavailable;
}

} // namespace portkit
