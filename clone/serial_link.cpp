#include "clone/serial_link.h"

// project
#include "clone/wire.h"
#include "platform/registry.h"
#include "portkit/port_setup.h"
#include "portkit/serial.h"

namespace transfer {

int SerialClonePort::Available()
{
    return serial_.BytesAvailable();
}

int SerialClonePort::Read(std::uint8_t* buf, int n)
{
    return serial_.ReadComm(buf, n);
}

int SerialClonePort::Write(const std::uint8_t* buf, int n)
{
    const int written = serial_.WriteComm(buf, n);
    return written == n ? written : -1;
}

bool SerialClonePort::Drain()
{
    return serial_.DrainComm() == 0;
}

int SerialClonePort::Descriptor() const
{
    return serial_.GetDescriptor();
}

int ChooseRadioPort(void* parent)
{
    const int stored = GetRegComPort(platform::kSettingsKey);
    if (stored != 0)
        return stored;
    const int chosen = SetupPort(platform::kSettingsKey, parent);
    return chosen >= 1 ? chosen : -1;
}

bool OpenRadioPort(CSerial& serial, int portNum, void* owner)
{
    serial.SetPortNum(portNum);
    return serial.OpenPort(owner, kBaud, kParity, kDataBits, kStopBitsCode);
}

} // namespace transfer
