#pragma once
// One serial port addressed by its number (see port_names.h). The object
// behind the exported CSerial: it opens the device for exclusive use, applies
// the line settings, reads with a 3 ms time-out, writes until the driver took
// every byte, and shows every failure through the prompt.

#include "portkit/core/device.h"
#include "portkit/core/line_settings.h"

#include <cstdint>

namespace portkit {

// Line error flags, as GetCommError reports them.
enum CommErrorFlag : int {
    kCeRxOver = 0x0001,
    kCeOverrun = 0x0002,
    kCeRxParity = 0x0004,
    kCeFrame = 0x0008,
    kCeBreak = 0x0010,
    kCeIoError = 0x0400,
};

// Results of FindComPorts.
inline constexpr int kPortAvailable = 2;
inline constexpr int kPortUnavailable = 3;

// The read time-out while nothing is queued.
inline constexpr int kReadTimeoutMs = 3;

class SerialPort {
public:
    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void SetPortNum(int n) { portNum_ = n; }
    int GetPortNum() const { return portNum_; }
    bool IsOpen() const { return open_; }
    int Descriptor() const { return open_ ? fd_ : -1; }
    const LineSettings& Settings() const { return settings_; }

    bool Open(void* owner, std::uint32_t baud, std::uint8_t parity, std::uint8_t dataBits,
              std::uint8_t stopBits);
    bool Open(void* owner);
    void Close();

    int Read(void* buf, int n);
    std::uint8_t ReadByte();
    int Write(const void* buf, int n);
    int WriteByte(std::uint8_t b);
    int WriteBytes(const void* buf, int count, int delayMs);
    int WriteBytesEx(const void* buf, int count, int delayMs);
    void Purge();
    // Bytes waiting to be read; -1 when closed or on failure.
    int Available();
    // Waits up to timeoutMs (-1: no limit) for input: 1 ready (or hung up),
    // 0 nothing, negative error flags on failure.
    int Wait(int timeoutMs);
    // Blocks until every written byte has left the driver: 0, or the errno.
    int Drain();
    int CommError();
    void ControlLines(int* cts, int* dsr);
    int FindComPorts(int n);

private:
    // 2 opened, 1 absent, 0 in use.
    static int IsPortAvailable(int n);
    // Receives up to n bytes; -1 with *error set on failure.
    int Receive(void* buf, int n, int* error);
    // Sends n bytes; 0 or the errno.
    int Send(const void* buf, int n);
    int NoteFailure(int error);
    int WriteBytesPaced(const void* buf, int count, int delayMs, bool busyWait);

    LineSettings settings_;
    int portNum_ = 0;
    bool open_ = false;
    int fd_ = -1;
    bool highResolutionClock_ = false;
    ErrorCounters counters_;
    int ioErrorFlags_ = 0;
};

} // namespace portkit
