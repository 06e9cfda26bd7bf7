// The engines against the simulated radio on a pseudo-terminal, through the
// real serial port: whole transfers byte for byte, and every misbehaviour of
// the radio and the line ending as it must, each bounded in time, with the
// port free again afterwards.

#include "clone/prepare.h"
#include "clone/reader.h"
#include "clone/run_transfer.h"
#include "clone/serial_link.h"
#include "clone/sim/sim_radio.h"
#include "clone/writer.h"

// gtest
#include <gtest/gtest.h>

// system
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// project
#include "platform/prompt.h"
#include "portkit/portkit.h"
#include "portkit/pty_support.h"
#include "support/temp_config.h"

namespace {

using namespace std::chrono_literals;
using transfer::Clock;
using transfer::Failure;
using transfer::Outcome;
using transfer::sim::Faults;
using transfer::sim::Role;
using transfer::sim::SimRadio;

constexpr int kPort = 5;

struct Case {
    const char* name;
    Role role;
    Faults faults;
    Outcome outcome;
    Failure failure = Failure::None;
    int position = -1; // stream bytes done at the end, when it matters
};

Faults With(void (*set)(Faults&))
{
    Faults f;
    set(f);
    return f;
}

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class SimTransfer : public ::testing::TestWithParam<Case> {
protected:
    SimTransfer() { SetPortkitPrompt(&prompt); }
    ~SimTransfer() override { SetPortkitPrompt(nullptr); }

    struct Result {
        Outcome outcome;
        Failure failure;
        int position;
        transfer::Stream data;
        bool cancelledByLimit;
    };

    // Runs one transfer; the limits of the engines are short so that a
    // time-out takes a moment, and every run is cut off after 20 s.
    Result Run(SimRadio& sim, const transfer::Stream& toSend, std::chrono::milliseconds stopAfter = 20s)
    {
        ports.Link(kPort, sim.PortPath());
        CSerial serial;
        EXPECT_TRUE(transfer::OpenRadioPort(serial, kPort, nullptr));
        transfer::SerialClonePort port(serial);
        transfer::CloneReader reader(port, 400ms);
        transfer::CloneWriter writer(port, toSend, 400ms);
        transfer::CloneEngine& engine =
            sim.ok() && GetParam().role == Role::Send ? static_cast<transfer::CloneEngine&>(reader) : writer;
        const auto until = Clock::now() + stopAfter;
        bool limit = false;
        transfer::RunHooks hooks;
        hooks.cancelled = [&] { return limit = Clock::now() >= until; };
        sim.Start();
        transfer::RunTransfer(engine, port, hooks);
        serial.ClosePort();
        return {engine.GetOutcome(), engine.GetFailure(), engine.GetProgress().bytes,
                GetParam().role == Role::Send ? reader.Received() : writer.Echo(), limit};
    }

    // The port can be opened again at once.
    bool PortIsFree()
    {
        CSerial again;
        const bool opened = transfer::OpenRadioPort(again, kPort, nullptr);
        again.ClosePort();
        return opened;
    }

    platform::RecordingPrompt prompt;
    test_support::TempConfigHome home;
    test_support::PortFolder ports;
};

TEST_P(SimTransfer, EndsAsItMust)
{
    const Case& c = GetParam();
    transfer::sim::Options options;
    options.role = c.role;
    options.image = transfer::sim::SampleImage(7);
    options.faults = c.faults;
    SimRadio sim(options);
    ASSERT_TRUE(sim.ok());

    const transfer::Stream toSend = transfer::sim::SampleImage(11);
    // Silence before the start: the reader waits until it is cancelled.
    const auto stopAfter = c.outcome == Outcome::Cancelled ? 1500ms : 20000ms;
    const Result r = Run(sim, toSend, stopAfter);

    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.failure, c.failure);
    if (c.outcome != Outcome::Cancelled) {
        EXPECT_FALSE(r.cancelledByLimit) << "the transfer did not end by itself";
    }
    if (c.position >= 0) {
        EXPECT_EQ(r.position, c.position);
    }
    if (c.outcome == Outcome::Done && c.role == Role::Send) {
        auto expected = options.image;
        expected[31560] = radio::ImageChecksum(expected);
        EXPECT_TRUE(r.data == expected) << "the read differs from the radio's image";
    }
    if (c.outcome == Outcome::Done && c.role == Role::Receive) {
        ASSERT_TRUE(sim.WaitFinished(2s));
        const auto got = sim.Received();
        EXPECT_TRUE(got == std::vector<std::uint8_t>(toSend.begin(), toSend.end()))
            << "the radio took " << got.size() << " bytes, not the stream sent";
        EXPECT_TRUE(sim.ReceivedGood());
    }
    sim.Stop();
    // After a cut the far end is gone and the device with it; otherwise the
    // port must be free for the next transfer at once.
    if (c.faults.cutAfterBlock < 0) {
        EXPECT_TRUE(PortIsFree());
    }
    for (const auto& m : prompt.shown)
        ADD_FAILURE() << "message: " << m.text;
}

const Case kCases[] = {
    {"ReadClean", Role::Send, {}, Outcome::Done},
    {"ReadGarbageBeforeHeader", Role::Send, With([](Faults& f) { f.garbageBeforeHeader = true; }), Outcome::Done},
    {"ReadBadChecksum", Role::Send, With([](Faults& f) { f.badChecksum = true; }), Outcome::Failed,
     Failure::ChecksumError, 31561},
    {"ReadSilenceBeforeStart", Role::Send, With([](Faults& f) { f.silentAtStart = true; }), Outcome::Cancelled,
     Failure::None, 0},
    {"ReadSilenceAfterBlock100", Role::Send, With([](Faults& f) { f.silentAfterBlock = 100; }), Outcome::Failed,
     Failure::Timeout, 8 + 64 * 100},
    {"ReadLineCut", Role::Send, With([](Faults& f) { f.cutAfterBlock = 200; }), Outcome::Failed, Failure::LineLost,
     8 + 64 * 200 + 32},
    {"ReadCorruptedEcho", Role::Send, With([](Faults& f) { f.corruptAckAfterBlock = 50; }), Outcome::Failed,
     Failure::Timeout},
    {"ReadSlowRadio", Role::Send, With([](Faults& f) {
         f.slowPause = 250ms;
         f.slowEvery = 100;
     }),
     Outcome::Done},
    {"ReadOneByteAtATime", Role::Send, With([](Faults& f) { f.oneAtATimeBlocks = 3; }), Outcome::Done},
    {"WriteClean", Role::Receive, {}, Outcome::Done, Failure::None, 31561},
    {"WriteGarbageBeforeEcho", Role::Receive, With([](Faults& f) { f.garbageBeforeHeader = true; }), Outcome::Done},
    {"WriteHeaderRefused", Role::Receive, With([](Faults& f) { f.refuseHeader = true; }), Outcome::Failed,
     Failure::HardwareMismatch, 8},
    {"WriteBlockRefused", Role::Receive, With([](Faults& f) { f.refuseBlock = 5; }), Outcome::Failed,
     Failure::BlockRefused, 8 + 64 * 5},
    {"WriteSilenceBeforeStart", Role::Receive, With([](Faults& f) { f.silentAtStart = true; }), Outcome::Failed,
     Failure::HardwareMismatch, 8},
    {"WriteSilenceAfterBlock100", Role::Receive, With([](Faults& f) { f.silentAfterBlock = 100; }), Outcome::Failed,
     Failure::Timeout, 8 + 64 * 101},
    {"WriteLineCut", Role::Receive, With([](Faults& f) { f.cutAfterBlock = 200; }), Outcome::Failed,
     Failure::LineLost},
    {"WriteCorruptedAnswer", Role::Receive, With([](Faults& f) { f.corruptAckAfterBlock = 50; }), Outcome::Failed,
     Failure::Timeout, 8 + 64 * 50},
    {"WriteSlowRadio", Role::Receive, With([](Faults& f) {
         f.slowPause = 250ms;
         f.slowEvery = 100;
     }),
     Outcome::Done},
};

INSTANTIATE_TEST_SUITE_P(Faults, SimTransfer, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What arrived at the program's end within a moment, at most want bytes.
std::string ReceiveFrom(int fd, std::size_t want, int waitMs)
{
    std::string got;
    for (int tries = 0; got.size() < want && tries < waitMs / 10; ++tries) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 10) <= 0)
            continue;
        char buffer[128];
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, want - got.size()));
        if (n > 0)
            got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

// Behind a USB serial chip the echoes wait: a few bytes until the latency
// timer runs out (a long one here: they must not come), a full packet of 62
// at once; with a short timer the few come too.
TEST(SimLatency, EchoesWaitForAFullPacketOrTheTimer)
{
    for (const auto latency : {std::chrono::milliseconds(60'000), std::chrono::milliseconds(5)}) {
        SCOPED_TRACE(latency.count());
        transfer::sim::Options options;
        options.role = Role::Send; // not started: it only echoes
        options.startDelay = std::chrono::hours(1);
        options.latency = latency;
        SimRadio sim(options);
        ASSERT_TRUE(sim.ok());
        sim.Start();
        const int fd = ::open(sim.PortPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        const std::string few = "\x01\x02\x03";
        ASSERT_EQ(::write(fd, few.data(), few.size()), static_cast<ssize_t>(few.size()));
        if (latency.count() > 1000) {
            EXPECT_EQ(ReceiveFrom(fd, few.size(), 200), "");
            const std::string rest(transfer::sim::kChipPacket - few.size(), '\x55');
            ASSERT_EQ(::write(fd, rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
            EXPECT_EQ(ReceiveFrom(fd, transfer::sim::kChipPacket, 2000), few + rest);
        } else {
            EXPECT_EQ(ReceiveFrom(fd, few.size(), 2000), few);
        }
        ::close(fd);
        sim.Stop();
    }
}

} // namespace
