#pragma once
// The POSIX side of a serial port: opening a device for exclusive use,
// applying line settings, modem lines, error counters and bounded I/O. Every
// function reports failure with an errno value and never shows anything.

#include "portkit/core/line_settings.h"

#include <cstdint>
#include <string>

namespace portkit {

struct OpenResult {
    int fd = -1;
    int error = 0; // errno; EBUSY also when another holder has the device locked
};

// Opens path read-write without making it the controlling terminal, then takes
// exclusive use (TIOCEXCL where the device has it, and a flock, which also
// holds against root).
OpenResult OpenExclusive(const std::string& path);
// Gives up exclusive use and closes.
void CloseDevice(int fd);

// Raw mode with the given settings, no flow control, modem status ignored.
// 0 or the errno of the refusal.
int ApplyLineSettings(int fd, const LineSettings& settings);

// Asks the driver for low latency (ASYNC_LOW_LATENCY): input is handed on
// as it arrives rather than on the chip's timer. 0 when the driver took it,
// else the errno of the refusal (a pseudo-terminal refuses with ENOTTY).
int RequestLowLatency(int fd);

// Raises or drops DTR and RTS; a device without modem lines is left alone.
void SetModemLines(int fd, bool raised);
// CTS and DSR; both false for a device without modem lines.
void ReadModemLines(int fd, bool* cts, bool* dsr);

// Line error counters where the driver keeps them (all zero otherwise).
struct ErrorCounters {
    std::uint32_t bufferOverrun = 0;
    std::uint32_t overrun = 0;
    std::uint32_t parity = 0;
    std::uint32_t frame = 0;
    std::uint32_t brk = 0;
};
ErrorCounters ReadErrorCounters(int fd);

// Waits up to timeoutMs for input and reads what is queued, at most n bytes.
// The count (0 for nothing), or -1 with *error set; a hang-up is EIO.
int ReceiveSome(int fd, void* buf, int n, int timeoutMs, int* error);

// Writes all n bytes, waiting while the driver's queue is full; a device that
// takes nothing for longer than the transmission time plus a margin fails with
// ETIMEDOUT. A broken pipe is an error, never a signal. 0 or the errno.
int SendAll(int fd, const void* buf, int n, std::uint32_t baud);

// Discards input and output queued in the driver.
void DiscardQueues(int fd);

// Bytes queued in the driver's input, or -1 with *error set.
int QueuedInput(int fd, int* error);
// Waits up to timeoutMs (-1: without limit) until input is queued or the line
// was hung up: 1 ready, 0 nothing came, -1 with *error set.
int WaitReadable(int fd, int timeoutMs, int* error);
// Blocks until every byte written has left the driver: 0 or the errno.
int DrainOutput(int fd);

} // namespace portkit
