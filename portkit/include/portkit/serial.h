#pragma once
// CSerial: one serial port, addressed by its number n (device "COM<n>", see
// the README for how numbers map to devices). Opened for exclusive use at the
// stored line settings; every failure is shown to the user through the
// library's prompt and the result carries only a count or a code.

#include <cstdint>

#include "portkit/export.h"
#include "portkit/portkit_c.h"

class PORTKIT_API CSerial final {
public:
    CSerial();
    ~CSerial();
    // Two objects must never close one device: no copies.
    CSerial(const CSerial&) = delete;
    CSerial& operator=(const CSerial&) = delete;

    void SetPortNum(int n);
    int GetPortNum() const;
    bool IsPortOpen() const;
    // The open device's descriptor cast to a pointer; nullptr when closed.
    void* GetOpenPortID() const;

    // Note the order: parity comes before the data bits.
    bool OpenPort(void* owner, std::uint32_t baud, std::uint8_t parity, std::uint8_t dataBits,
                  std::uint8_t stopBits);
    bool OpenPort(void* owner);
    void ClosePort();

    // Count read, 0 when nothing came within 3 ms, negative error flags on failure.
    int ReadComm(void* buf, int n);
    // The byte read, or 0xFF for nothing or a failure.
    std::uint8_t ReadCommByte();
    // Count written, or the negated system error code.
    int WriteComm(const void* buf, int n);
    int WriteCommByte(std::uint8_t b);
    int WriteCommBytes(const void* buf, int count, int delayMs);
    int WriteCommBytesEx(const void* buf, int count, int delayMs);
    void PurgeComm();
    int GetCommError();
    void GetControlLines(int* cts, int* dsr);
    // For programs driven by the port's readiness rather than by a clock.
    // The open device's descriptor (-1 when closed), to wait on.
    int GetDescriptor() const;
    // Bytes waiting to be read without blocking; -1 when closed.
    int BytesAvailable();
    // Waits up to timeoutMs (-1: no limit) for input: 1 ready or hung up,
    // 0 nothing came, negative error flags on failure.
    int WaitComm(int timeoutMs);
    // Blocks until every written byte has left the driver: 0 or the errno.
    int DrainComm();
    // PORTKIT_PORT_AVAILABLE (2) or PORTKIT_PORT_UNAVAILABLE (3).
    int FindComPorts(int n);

private:
    PortkitSerial* port_;
};
