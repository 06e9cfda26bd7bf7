#pragma once
// The serial port as the clone engines see it, and the choice and opening of
// the radio's port. CSerial comes from portkit: the program binds it at run
// time, the command-line tool and the tests link the library.

// project
#include "clone/clone_port.h"

class CSerial;

namespace transfer {

class SerialClonePort : public ClonePort {
public:
    explicit SerialClonePort(CSerial& serial) : serial_(serial) {}

    int Available() override;
    int Read(std::uint8_t* buf, int n) override;
    int Write(const std::uint8_t* buf, int n) override;
    bool Drain() override;
    int Descriptor() const override;

private:
    CSerial& serial_;
};

// The stored port ("comport"), or the one the user picks in "Com port setup"
// (parent: its owner); -1 when there is none.
int ChooseRadioPort(void* parent);

// Opens port n with the clone line settings; on failure the serial port has
// shown why.
bool OpenRadioPort(CSerial& serial, int portNum, void* owner);

} // namespace transfer
