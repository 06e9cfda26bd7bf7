// The two clone engines over a scripted port: the wire sequences byte for
// byte, the header synchronisation, the echo handling, refusals, time limits
// and failures, with the messages each ends with.

#include "clone/messages.h"
#include "clone/reader.h"
#include "clone/writer.h"

// std
#include <numeric>

// gtest
#include <gtest/gtest.h>

// tests
#include "clone/script_port.h"

namespace {

using namespace std::chrono_literals;
using test_support::ScriptPort;
using transfer::Clock;
using transfer::CloneReader;
using transfer::CloneWriter;
using transfer::Failure;
using transfer::Outcome;
using Bytes = ScriptPort::Bytes;

constexpr int kStream = 31561;
const Bytes kHeader{0x41, 0x48, 0x30, 0x31, 0x36, 0x24, 0x51, 0x24}; // "AH016$Q$"

// A stream: the header, varied data, and the byte sum of bytes 0..31559 last.
CloneReader::Stream MakeStream(int seed = 3)
{
    CloneReader::Stream s{};
    std::copy(kHeader.begin(), kHeader.end(), s.begin());
    for (int i = 8; i < kStream - 1; ++i)
        s[i] = static_cast<std::uint8_t>((i * 7 + seed) & 0xFF);
    s[kStream - 1] = static_cast<std::uint8_t>(std::accumulate(s.begin(), s.end() - 1, 0u) & 0xFF);
    return s;
}

Bytes Slice(const CloneReader::Stream& s, int from, int size)
{
    return Bytes(s.begin() + from, s.begin() + from + size);
}

// Block k of the stream as the radio sends it: 0 the header, 1..493 data, 494 the checksum.
Bytes Block(const CloneReader::Stream& s, int k)
{
    if (k == 0)
        return Slice(s, 0, 8);
    if (k == 494)
        return Slice(s, kStream - 1, 1);
    return Slice(s, 8 + 64 * (k - 1), 64);
}

// The radio in clone-transmit mode: every 0x06 comes back as its echo, then
// the next block follows.
void ActAsSendingRadio(ScriptPort& port, const CloneReader::Stream& s)
{
    auto next = std::make_shared<int>(1);
    port.onWrite = [&port, &s, next](const Bytes& written) {
        port.Arrive(written); // the echo
        if (written == Bytes{0x06} && *next <= 494)
            port.Arrive(Block(s, (*next)++));
    };
}

std::string TextOf(Failure failure)
{
    const auto message = transfer::FailureMessage(failure);
    return message ? message->text + " | " + message->caption : "(none)";
}

// ---- reading ------------------------------------------------------------------------------

TEST(CloneReader, ReadsTheStreamByteForByteAcknowledgingEveryBlock)
{
    const auto stream = MakeStream();
    ScriptPort port;
    ActAsSendingRadio(port, stream);
    CloneReader reader(port);
    const auto t = Clock::now();
    reader.Start(t);
    port.Arrive(Block(stream, 0));
    reader.OnReadable(t);

    ASSERT_EQ(reader.GetOutcome(), Outcome::Done);
    EXPECT_EQ(reader.Received(), stream);
    // 495 acknowledgements, each written alone.
    ASSERT_EQ(port.writes.size(), 495u);
    for (const Bytes& w : port.writes)
        ASSERT_EQ(w, Bytes{0x06});
    // Header (a block's worth asked), its echo, then the first data block:
    // one byte, then the other 63, then its echo, then a whole block.
    ASSERT_GE(port.asked.size(), 7u);
    EXPECT_EQ(Bytes(port.asked.begin(), port.asked.begin() + 7), (Bytes{64, 1, 1, 63, 1, 64, 1}));
    // The checksum byte is asked for alone.
    EXPECT_EQ(port.asked[port.asked.size() - 2], 1);
    EXPECT_EQ(reader.GetProgress().bytes, 31561);
    EXPECT_EQ(reader.GetProgress().blocks, 495);
}

TEST(CloneReader, SkipsWhatComesBeforeTheHeadersFirstByte)
{
    const auto stream = MakeStream();
    ScriptPort port;
    ActAsSendingRadio(port, stream);
    CloneReader reader(port);
    reader.Start(Clock::now());

    port.Arrive({0x13, 0x7E, 0x00}); // no 0x41: dropped whole
    reader.OnReadable(Clock::now());
    EXPECT_FALSE(reader.Started());
    EXPECT_TRUE(port.writes.empty());

    port.Arrive({0x10, 0x20, 0x41}); // three bytes, the third 0x41
    reader.OnReadable(Clock::now());
    EXPECT_TRUE(reader.Started());
    EXPECT_EQ(reader.GetProgress().bytes, 1);
    port.Arrive(Slice(stream, 1, 7));
    reader.OnReadable(Clock::now());

    EXPECT_EQ(reader.GetOutcome(), Outcome::Done);
    EXPECT_EQ(reader.Received()[0], 0x41);
    EXPECT_EQ(reader.Received(), stream);
}

TEST(CloneReader, DropsAWrongEchoAndKeepsWaitingForTheAcknowledgement)
{
    const auto stream = MakeStream();
    ScriptPort port;
    CloneReader reader(port);
    reader.Start(Clock::now());
    port.Arrive(Block(stream, 0));
    reader.OnReadable(Clock::now());
    ASSERT_EQ(port.Written(), Bytes{0x06});

    port.Arrive({0x86}); // not the echo
    reader.OnReadable(Clock::now());
    port.Arrive({0xFF});
    reader.OnReadable(Clock::now());
    port.Arrive({0x06});
    port.Arrive(Block(stream, 1));
    reader.OnReadable(Clock::now());
    EXPECT_EQ(reader.GetProgress().bytes, 8 + 64);
    EXPECT_EQ(port.Written(), (Bytes{0x06, 0x06}));
    EXPECT_EQ(reader.GetOutcome(), Outcome::Running);
}

TEST(CloneReader, AWrongChecksumEndsWithItsMessage)
{
    auto stream = MakeStream();
    stream[kStream - 1] ^= 0x01;
    ScriptPort port;
    ActAsSendingRadio(port, stream);
    CloneReader reader(port);
    reader.Start(Clock::now());
    port.Arrive(Block(stream, 0));
    reader.OnReadable(Clock::now());

    EXPECT_EQ(reader.GetOutcome(), Outcome::Failed);
    EXPECT_EQ(reader.GetFailure(), Failure::ChecksumError);
    EXPECT_EQ(TextOf(Failure::ChecksumError), "Error: Check sum errror. | Ostrel Programmer");
    EXPECT_EQ(port.writes.size(), 495u); // the checksum byte was acknowledged first
}

TEST(CloneReader, WaitsForTheFirstByteThenTimesOutAfterThreeSecondsOfSilence)
{
    ScriptPort port;
    CloneReader reader(port);
    const auto t = Clock::now();
    reader.Start(t);
    EXPECT_EQ(reader.Deadline(), Clock::time_point::max());
    reader.OnTime(t + 24h);
    EXPECT_EQ(reader.GetOutcome(), Outcome::Running);

    port.Arrive({0x00, 0x13}); // garbage does not start the clock
    reader.OnReadable(t + 1s);
    EXPECT_EQ(reader.Deadline(), Clock::time_point::max());

    port.Arrive({0x41, 0x48, 0x30});
    reader.OnReadable(t + 2s);
    reader.OnTime(t + 2s + 2999ms);
    EXPECT_EQ(reader.GetOutcome(), Outcome::Running);
    reader.OnTime(t + 5s);
    EXPECT_EQ(reader.GetFailure(), Failure::Timeout);
    EXPECT_EQ(TextOf(Failure::Timeout), "Communication timeout | Ostrel Programmer");
}

TEST(CloneReader, AFirstByteLimitWhenOneIsGiven)
{
    ScriptPort port;
    CloneReader reader(port, 3s, 60s);
    const auto t = Clock::now();
    reader.Start(t);
    EXPECT_EQ(reader.Deadline(), t + 60s);
    reader.OnTime(t + 60s);
    EXPECT_EQ(reader.GetFailure(), Failure::Timeout);
}

TEST(CloneReader, PortFailuresEndTheReadAtOnce)
{
    ScriptPort cut;
    CloneReader reader(cut);
    reader.Start(Clock::now());
    cut.failReads = true;
    reader.OnReadable(Clock::now());
    EXPECT_EQ(reader.GetFailure(), Failure::LineLost);
    EXPECT_EQ(TextOf(Failure::LineLost),
              "The connection to the radio was lost. Check the cable and the port, then try again. | Ostrel Programmer");

    ScriptPort refusing;
    refusing.failWrites = true;
    CloneReader second(refusing);
    second.Start(Clock::now());
    refusing.Arrive(kHeader);
    second.OnReadable(Clock::now());
    EXPECT_EQ(second.GetFailure(), Failure::WriteFailed);
    EXPECT_EQ(TextOf(Failure::WriteFailed), "(none)"); // the serial port has said why
}

TEST(CloneReader, CancelEndsItAndNothingMoreIsRead)
{
    ScriptPort port;
    CloneReader reader(port);
    reader.Start(Clock::now());
    reader.Cancel();
    port.Arrive(kHeader);
    reader.OnReadable(Clock::now());
    EXPECT_EQ(reader.GetOutcome(), Outcome::Cancelled);
    EXPECT_TRUE(port.asked.empty());
    EXPECT_TRUE(port.writes.empty());
}

// ---- writing ------------------------------------------------------------------------------

// The radio in clone-receive mode: every byte comes back as its echo; each
// block end (8, then every 64, not the checksum byte) is answered by `answer(block)`.
void ActAsReceivingRadio(ScriptPort& port, std::function<Bytes(int)> answer, Bytes before = {})
{
    auto count = std::make_shared<int>(0);
    auto first = std::make_shared<bool>(true);
    port.onWrite = [&port, answer, before, count, first](const Bytes& written) {
        if (*first)
            port.Arrive(before);
        *first = false;
        port.Arrive(written);
        *count += static_cast<int>(written.size());
        const int c = *count;
        if (c == 8 || (c > 8 && c < kStream && (c - 8) % 64 == 0))
            port.Arrive(answer(c == 8 ? 0 : (c - 8) / 64));
    };
}

TEST(CloneWriter, SendsTheStreamByteForByteAndTheChecksumAloneWithoutWaiting)
{
    const auto stream = MakeStream();
    ScriptPort port;
    ActAsReceivingRadio(port, [](int) { return Bytes{0x06}; });
    CloneWriter writer(port, stream);
    writer.Start(Clock::now());
    writer.OnReadable(Clock::now());

    ASSERT_EQ(writer.GetOutcome(), Outcome::Done);
    EXPECT_EQ(port.Written(), Bytes(stream.begin(), stream.end()));
    ASSERT_EQ(port.writes.size(), 1u + 493u + 1u);
    EXPECT_EQ(port.writes.front().size(), 8u);
    EXPECT_EQ(port.writes[1].size(), 64u);
    EXPECT_EQ(port.writes.back(), Bytes{stream[kStream - 1]});
    EXPECT_EQ(port.drains, 1); // the checksum byte reaches the radio before the port closes
    // Nothing was read after the checksum byte went out.
    const std::size_t asks = port.asked.size();
    writer.OnReadable(Clock::now());
    EXPECT_EQ(port.asked.size(), asks);
    EXPECT_EQ(writer.GetProgress().bytes, 31561);
}

// A port that takes a block a few bytes at a time still gets all of it, in
// order; one that takes nothing ends the transfer.
TEST(CloneWriter, ShortWritesAreContinuedAndAStalledPortFails)
{
    const auto stream = MakeStream();
    ScriptPort slow;
    slow.writeLimit = 3;
    CloneWriter writer(slow, stream);
    writer.Start(Clock::now());
    EXPECT_EQ(writer.GetOutcome(), Outcome::Running);
    ASSERT_EQ(slow.writes.size(), 3u);
    EXPECT_EQ(slow.writes[2].size(), 2u);
    EXPECT_EQ(slow.Written(), Slice(stream, 0, 8));

    ScriptPort stalled;
    stalled.writeLimit = 0;
    CloneWriter none(stalled, stream);
    none.Start(Clock::now());
    EXPECT_EQ(none.GetFailure(), Failure::WriteFailed);
}

TEST(CloneWriter, CountsTheEchoFromTheFirst0x41)
{
    const auto stream = MakeStream();
    ScriptPort port;
    ActAsReceivingRadio(port, [](int) { return Bytes{0x06}; }, {0x00, 0x13, 0xFF});
    CloneWriter writer(port, stream);
    writer.Start(Clock::now());
    writer.OnReadable(Clock::now());
    EXPECT_EQ(writer.GetOutcome(), Outcome::Done);
    EXPECT_EQ(writer.Echo()[0], 0x41);
    EXPECT_EQ(Bytes(writer.Echo().begin(), writer.Echo().begin() + 8), kHeader);
}

TEST(CloneWriter, ARefusedHeaderIsTheHardwareMessageALaterRefusalIsCommError)
{
    const auto stream = MakeStream();
    ScriptPort header;
    ActAsReceivingRadio(header, [](int) { return Bytes{0x15}; });
    CloneWriter first(header, stream);
    first.Start(Clock::now());
    first.OnReadable(Clock::now());
    EXPECT_EQ(first.GetFailure(), Failure::HardwareMismatch);
    EXPECT_EQ(header.writes.size(), 1u);
    EXPECT_EQ(TextOf(Failure::HardwareMismatch),
              "The hardware information in the radio does not match that of the file.\n"
              "Read the radio to get the correct hardware information for this radio. | Comm Error");

    ScriptPort later;
    ActAsReceivingRadio(later, [](int block) { return block == 3 ? Bytes{0x15} : Bytes{0x06}; });
    CloneWriter second(later, stream);
    second.Start(Clock::now());
    second.OnReadable(Clock::now());
    EXPECT_EQ(second.GetFailure(), Failure::BlockRefused);
    EXPECT_EQ(second.GetProgress().bytes, 8 + 3 * 64);
    EXPECT_EQ(later.writes.size(), 4u);
    EXPECT_EQ(TextOf(Failure::BlockRefused), "Comm Error | Error");
}

TEST(CloneWriter, OtherBytesInPlaceOfAnAnswerAreIgnored)
{
    const auto stream = MakeStream();
    ScriptPort port;
    ActAsReceivingRadio(port, [](int) { return Bytes{0x00, 0xFF, 0x41, 0x06}; });
    CloneWriter writer(port, stream);
    writer.Start(Clock::now());
    writer.OnReadable(Clock::now());
    EXPECT_EQ(writer.GetOutcome(), Outcome::Done);
    EXPECT_EQ(port.Written(), Bytes(stream.begin(), stream.end()));
}

TEST(CloneWriter, AnUnansweredHeaderIsTheHardwareMessageLaterSilenceATimeout)
{
    const auto stream = MakeStream();
    const auto t = Clock::now();

    ScriptPort deaf; // no echo at all
    CloneWriter none(deaf, stream);
    none.Start(t);
    EXPECT_EQ(none.Deadline(), t + 1000ms);
    none.OnTime(t + 1000ms);
    EXPECT_EQ(none.GetFailure(), Failure::Timeout);

    ScriptPort silent;
    ActAsReceivingRadio(silent, [](int) { return Bytes{}; });
    CloneWriter header(silent, stream);
    header.Start(t);
    header.OnReadable(t + 10ms);
    EXPECT_EQ(header.GetProgress().bytes, 8);
    header.OnTime(t + 999ms);
    EXPECT_EQ(header.GetOutcome(), Outcome::Running);
    header.OnTime(t + 1000ms);
    EXPECT_EQ(header.GetFailure(), Failure::HardwareMismatch);

    ScriptPort stops;
    ActAsReceivingRadio(stops, [](int block) { return block < 100 ? Bytes{0x06} : Bytes{}; });
    CloneWriter later(stops, stream);
    later.Start(t);
    later.OnReadable(t + 5s); // the last block went out at t + 5 s
    EXPECT_EQ(later.Deadline(), t + 6s);
    later.OnTime(t + 6s);
    EXPECT_EQ(later.GetFailure(), Failure::Timeout);
}

TEST(CloneWriter, AFailedWriteEndsTheTransferAtOnce)
{
    const auto stream = MakeStream();
    ScriptPort port;
    port.failWrites = true;
    CloneWriter writer(port, stream);
    writer.Start(Clock::now());
    EXPECT_EQ(writer.GetFailure(), Failure::WriteFailed);
    EXPECT_TRUE(port.writes.empty());
    writer.OnReadable(Clock::now());
    EXPECT_TRUE(port.asked.empty());
}

} // namespace
