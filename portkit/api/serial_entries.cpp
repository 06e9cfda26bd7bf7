// The serial port's C entries and the exported CSerial over them.

// portkit
#include "portkit/core/serial_port.h"
#include "portkit/portkit_c.h"
#include "portkit/serial.h"

// std
#include <cstdint>
#include <new>

struct PortkitSerial {
    portkit::SerialPort port;
};

static_assert(PORTKIT_PORT_AVAILABLE == portkit::kPortAvailable &&
              PORTKIT_PORT_UNAVAILABLE == portkit::kPortUnavailable);
static_assert(PORTKIT_CE_IOE == portkit::kCeIoError);

extern "C" {

PortkitSerial* portkit_serial_new(void)
{
    return new (std::nothrow) PortkitSerial();
}

void portkit_serial_delete(PortkitSerial* port)
{
    delete port;
}

void portkit_serial_set_port_num(PortkitSerial* port, int n)
{
    if (port != nullptr)
        port->port.SetPortNum(n);
}

int portkit_serial_get_port_num(const PortkitSerial* port)
{
    return port != nullptr ? port->port.GetPortNum() : 0;
}

int portkit_serial_is_open(const PortkitSerial* port)
{
    return port != nullptr && port->port.IsOpen() ? 1 : 0;
}

void* portkit_serial_open_port_id(const PortkitSerial* port)
{
    if (port == nullptr || !port->port.IsOpen())
        return nullptr;
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(port->port.Descriptor()));
}

int portkit_serial_open(PortkitSerial* port, void* owner)
{
    return port != nullptr && port->port.Open(owner) ? 1 : 0;
}

int portkit_serial_open_with(PortkitSerial* port, void* owner, uint32_t baud, uint8_t parity, uint8_t dataBits,
                             uint8_t stopBits)
{
    return port != nullptr && port->port.Open(owner, baud, parity, dataBits, stopBits) ? 1 : 0;
}

void portkit_serial_close(PortkitSerial* port)
{
    if (port != nullptr)
        port->port.Close();
}

int portkit_serial_read(PortkitSerial* port, void* buf, int n)
{
    return port != nullptr ? port->port.Read(buf, n) : -PORTKIT_CE_IOE;
}

uint8_t portkit_serial_read_byte(PortkitSerial* port)
{
    return port != nullptr ? port->port.ReadByte() : 0xFF;
}

int portkit_serial_write(PortkitSerial* port, const void* buf, int n)
{
    return port != nullptr ? port->port.Write(buf, n) : 0;
}

int portkit_serial_write_byte(PortkitSerial* port, uint8_t b)
{
    return port != nullptr ? port->port.WriteByte(b) : 0;
}

int portkit_serial_write_bytes(PortkitSerial* port, const void* buf, int count, int delayMs)
{
    return port != nullptr ? port->port.WriteBytes(buf, count, delayMs) : 0;
}

int portkit_serial_write_bytes_ex(PortkitSerial* port, const void* buf, int count, int delayMs)
{
    return port != nullptr ? port->port.WriteBytesEx(buf, count, delayMs) : 0;
}

void portkit_serial_purge(PortkitSerial* port)
{
    if (port != nullptr)
        port->port.Purge();
}

int portkit_serial_comm_error(PortkitSerial* port)
{
    return port != nullptr ? port->port.CommError() : 0;
}

void portkit_serial_control_lines(PortkitSerial* port, int* cts, int* dsr)
{
    if (port != nullptr) {
        port->port.ControlLines(cts, dsr);
        return;
    }
    if (cts != nullptr)
        *cts = 0;
    if (dsr != nullptr)
        *dsr = 0;
}

int portkit_serial_descriptor(const PortkitSerial* port)
{
    return port != nullptr ? port->port.Descriptor() : -1;
}

int portkit_serial_available(PortkitSerial* port)
{
    return port != nullptr ? port->port.Available() : -1;
}

int portkit_serial_wait(PortkitSerial* port, int timeoutMs)
{
    return port != nullptr ? port->port.Wait(timeoutMs) : -PORTKIT_CE_IOE;
}

int portkit_serial_drain(PortkitSerial* port)
{
    return port != nullptr ? port->port.Drain() : 0;
}

int portkit_serial_find_com_ports(PortkitSerial* port, int n)
{
    return port != nullptr ? port->port.FindComPorts(n) : PORTKIT_PORT_UNAVAILABLE;
}

} // extern "C"

CSerial::CSerial() : port_(portkit_serial_new()) {}

CSerial::~CSerial()
{
    portkit_serial_delete(port_);
}

void CSerial::SetPortNum(int n)
{
    portkit_serial_set_port_num(port_, n);
}

int CSerial::GetPortNum() const
{
    return portkit_serial_get_port_num(port_);
}

bool CSerial::IsPortOpen() const
{
    return portkit_serial_is_open(port_) != 0;
}

void* CSerial::GetOpenPortID() const
{
    return portkit_serial_open_port_id(port_);
}

bool CSerial::OpenPort(void* owner, std::uint32_t baud, std::uint8_t parity, std::uint8_t dataBits,
                       std::uint8_t stopBits)
{
    return portkit_serial_open_with(port_, owner, baud, parity, dataBits, stopBits) != 0;
}

bool CSerial::OpenPort(void* owner)
{
    return portkit_serial_open(port_, owner) != 0;
}

void CSerial::ClosePort()
{
    portkit_serial_close(port_);
}

int CSerial::ReadComm(void* buf, int n)
{
    return portkit_serial_read(port_, buf, n);
}

std::uint8_t CSerial::ReadCommByte()
{
    return portkit_serial_read_byte(port_);
}

int CSerial::WriteComm(const void* buf, int n)
{
    return portkit_serial_write(port_, buf, n);
}

int CSerial::WriteCommByte(std::uint8_t b)
{
    return portkit_serial_write_byte(port_, b);
}

int CSerial::WriteCommBytes(const void* buf, int count, int delayMs)
{
    return portkit_serial_write_bytes(port_, buf, count, delayMs);
}

int CSerial::WriteCommBytesEx(const void* buf, int count, int delayMs)
{
    return portkit_serial_write_bytes_ex(port_, buf, count, delayMs);
}

void CSerial::PurgeComm()
{
    portkit_serial_purge(port_);
}

int CSerial::GetCommError()
{
    return portkit_serial_comm_error(port_);
}

void CSerial::GetControlLines(int* cts, int* dsr)
{
    portkit_serial_control_lines(port_, cts, dsr);
}

int CSerial::FindComPorts(int n)
{
    return portkit_serial_find_com_ports(port_, n);
}

int CSerial::GetDescriptor() const
{
    return portkit_serial_descriptor(port_);
}

int CSerial::BytesAvailable()
{
    return portkit_serial_available(port_);
}

int CSerial::WaitComm(int timeoutMs)
{
    return portkit_serial_wait(port_, timeoutMs);
}

int CSerial::DrainComm()
{
    return portkit_serial_drain(port_);
}
