#include "portkit/core/device.h"

// system
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// std
#include <array>
#include <cerrno>
#include <chrono>
#include <ctime>

namespace portkit {
namespace {

struct BaudCode {
    std::uint32_t baud;
    speed_t code;
};

constexpr std::array<BaudCode, 30> kBaudCodes{{
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

struct ParityCode {
    tcflag_t set; // flags set in c_cflag; PARENB|PARODD|CMSPAR are cleared first
};

constexpr std::array<ParityCode, 5> kParityCodes{{
    {0},                        // none
    {PARENB | PARODD},          // odd
    {PARENB},                   // even
    {PARENB | PARODD | CMSPAR}, // mark
    {PARENB | CMSPAR},          // space
}};

constexpr std::array<tcflag_t, 4> kDataBitCodes{{CS5, CS6, CS7, CS8}}; // 5 .. 8 data bits

bool FindBaud(std::uint32_t baud, speed_t* code)
{
    for (const BaudCode& entry : kBaudCodes) {
        if (entry.baud == baud) {
            *code = entry.code;
            return true;
        }
    }
    return false;
}

// A device without modem lines (a pseudo-terminal, a pipe) answers these.
bool NoModemLines(int error)
{
    return error == ENOTTY || error == EINVAL || error == ENOTSUP;
}

// Blocks SIGPIPE in this thread for its lifetime and swallows one that the
// guarded write raised, so a broken pipe comes back as EPIPE only.
class SigpipeGuard {
public:
    SigpipeGuard()
    {
        sigemptyset(&pipeSet_);
        sigaddset(&pipeSet_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeSet_, &oldMask_);
    }
    ~SigpipeGuard()
    {
        if (!wasPending_) {
            const timespec now{0, 0};
            while (sigtimedwait(&pipeSet_, nullptr, &now) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
    }
    SigpipeGuard(const SigpipeGuard&) = delete;
    SigpipeGuard& operator=(const SigpipeGuard&) = delete;

private:
    sigset_t pipeSet_{};
    sigset_t oldMask_{};
    bool wasPending_ = false;
};

// Transmission time of n bytes at baud (10 bits a byte) twice over, plus two seconds.
int WriteAllowanceMs(int n, std::uint32_t baud)
{
    const long long perByteUs = baud > 0 ? 10'000'000LL / baud : 10'000LL;
    return static_cast<int>(2000 + (static_cast<long long>(n) * perByteUs * 2) / 1000);
}

} // namespace

OpenResult OpenExclusive(const std::string& path)
{
    OpenResult result;
    if (path.empty()) {
        result.error = ENOENT;
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        result.error = error == EWOULDBLOCK ? EBUSY : error;
        return result;
    }
    if (::ioctl(fd, TIOCEXCL) != 0 && !NoModemLines(errno)) {
        const int error = errno;
        ::close(fd);
        result.error = error;
        return result;
    }
    result.fd = fd;
    return result;
}

void CloseDevice(int fd)
{
    if (fd < 0)
        return;
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

int ApplyLineSettings(int fd, const LineSettings& settings)
{
    speed_t speed = B0;
    if (!FindBaud(settings.baud, &speed) || settings.dataBits < 5 || settings.dataBits > 8 ||
        settings.parity >= kParityCodes.size() || settings.stopBits > 2)
        return EINVAL;

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return errno;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= kDataBitCodes[settings.dataBits - 5] | kParityCodes[settings.parity].set;
    if (settings.stopBits != 0) // one and a half is sent as two
        tio.c_cflag |= CSTOPB;
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.parity != 0)
        tio.c_iflag |= INPCK;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return errno;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return errno;
    return 0;
}

int RequestLowLatency(int fd)
{
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return errno;
    serial.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(fd, TIOCSSERIAL, &serial) != 0)
        return errno;
    // Some drivers accept the request and drop the flag: read it back.
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return errno;
    return (serial.flags & ASYNC_LOW_LATENCY) != 0 ? 0 : EOPNOTSUPP;
}

void SetModemLines(int fd, bool raised)
{
    const int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, raised ? TIOCMBIS : TIOCMBIC, &lines); // no modem lines: nothing to do
}

void ReadModemLines(int fd, bool* cts, bool* dsr)
{
    int status = 0;
    if (::ioctl(fd, TIOCMGET, &status) != 0)
        status = 0;
    *cts = (status & TIOCM_CTS) != 0;
    *dsr = (status & TIOCM_DSR) != 0;
}

ErrorCounters ReadErrorCounters(int fd)
{
    serial_icounter_struct counts{};
    ErrorCounters result;
    if (::ioctl(fd, TIOCGICOUNT, &counts) != 0)
        return result;
    result.bufferOverrun = static_cast<std::uint32_t>(counts.buf_overrun);
    result.overrun = static_cast<std::uint32_t>(counts.overrun);
    result.parity = static_cast<std::uint32_t>(counts.parity);
    result.frame = static_cast<std::uint32_t>(counts.frame);
    result.brk = static_cast<std::uint32_t>(counts.brk);
    return result;
}

int ReceiveSome(int fd, void* buf, int n, int timeoutMs, int* error)
{
    if (n <= 0)
        return 0;
    pollfd waitFor{fd, POLLIN, 0};
    const int ready = ::poll(&waitFor, 1, timeoutMs);
    if (ready < 0) {
        if (errno == EINTR)
            return 0;
        *error = errno;
        return -1;
    }
    if (ready == 0)
        return 0;
    if ((waitFor.revents & POLLIN) == 0) { // hang-up or error without data
        *error = (waitFor.revents & POLLNVAL) != 0 ? EBADF : EIO;
        return -1;
    }
    const ssize_t got = ::read(fd, buf, static_cast<size_t>(n));
    if (got > 0)
        return static_cast<int>(got);
    if (got == 0) { // end of file on a terminal: the line was hung up
        *error = EIO;
        return -1;
    }
    if (errno == EAGAIN || errno == EINTR)
        return 0;
    *error = errno;
    return -1;
}

int SendAll(int fd, const void* buf, int n, std::uint32_t baud)
{
    if (n <= 0)
        return 0;
    const SigpipeGuard guard;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(WriteAllowanceMs(n, baud));
    const auto* bytes = static_cast<const unsigned char*>(buf);
    int done = 0;
    while (done < n) {
        const ssize_t wrote = ::write(fd, bytes + done, static_cast<size_t>(n - done));
        if (wrote > 0) {
            done += static_cast<int>(wrote);
            continue;
        }
        if (wrote < 0 && errno != EAGAIN && errno != EINTR)
            return errno;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return ETIMEDOUT;
        pollfd waitFor{fd, POLLOUT, 0};
        const int ready = ::poll(&waitFor, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            return errno;
        if (ready > 0 && (waitFor.revents & POLLOUT) == 0)
            return (waitFor.revents & POLLNVAL) != 0 ? EBADF : EIO;
    }
    return 0;
}

void DiscardQueues(int fd)
{
    ::tcflush(fd, TCIOFLUSH);
}

int QueuedInput(int fd, int* error)
{
    int queued = 0;
    if (::ioctl(fd, FIONREAD, &queued) != 0) {
        *error = errno;
        return -1;
    }
    return queued;
}

int WaitReadable(int fd, int timeoutMs, int* error)
{
    pollfd waitFor{fd, POLLIN, 0};
    const int ready = ::poll(&waitFor, 1, timeoutMs);
    if (ready < 0) {
        if (errno == EINTR)
            return 0;
        *error = errno;
        return -1;
    }
    if (ready > 0 && (waitFor.revents & POLLNVAL) != 0) {
        *error = EBADF;
        return -1;
    }
    // A hang-up counts as ready: the read that follows reports it.
    return ready > 0 ? 1 : 0;
}

int DrainOutput(int fd)
{
    while (::tcdrain(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

} // namespace portkit
