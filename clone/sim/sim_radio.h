#pragma once
// A simulated radio in clone mode, on a pseudo-terminal: the program opens the
// terminal's far end (PortPath) as its serial port. Like the radio's single
// data line, the simulation echoes every byte the program sends. In the Send
// role it sends its image as the radio does in clone-transmit mode, block by
// block, waiting for each 0x06; in the Receive role it takes a stream as the
// radio does in clone-receive mode and answers each block.
//
// Optionally paced as the real line: 9600 baud, 8 data bits, 2 stop bits, so
// 11 bit times per byte in both directions on one shared line. It can
// misbehave on request (Faults). It runs on a thread of its own.

// std
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// project
#include "radio/radio_image.h"

namespace transfer::sim {

enum class Role { Send, Receive };

// Blocks are numbered as they go: 0 the header, 1..493 the data blocks, 494
// the checksum byte.
struct Faults {
    bool garbageBeforeHeader = false; // stray bytes before the header (Send) or before the echo (Receive)
    bool badChecksum = false;         // Send: the checksum byte is wrong
    bool refuseHeader = false;        // Receive: 0x15 to the header
    int refuseBlock = -1;             // Receive: 0x15 to this block
    bool silentAtStart = false;       // Send: never starts; Receive: never answers
    int silentAfterBlock = -1;        // nothing more after this block (and its answer)
    int cutAfterBlock = -1;           // the line is cut after this block: part-way into the next (Send), or instead of its answer (Receive)
    int corruptAckAfterBlock = -1;    // Send: the echo of the 0x06 for this block comes back wrong; Receive: its answer does
    std::chrono::milliseconds slowPause{0}; // a pause before each block (Send) or answer (Receive) ...
    int slowEvery = 1;                      // ... on every n-th block
    int oneAtATimeBlocks = 0;         // Send: the header and this many blocks come a byte at a time
};

struct Options {
    Role role = Role::Send;
    radio::RadioImage image{}; // Send: what the radio holds (byte 31560 is recomputed unless badChecksum)
    bool paced = false;
    Faults faults;
    // Send: how long after Start the radio begins (the user pressing its key).
    std::chrono::milliseconds startDelay{0};
    // Receive: after a whole stream, the radio is put in clone-send mode and
    // sends what it took (a verify's read), this long after; with
    // corruptBytes, that many bytes of its image changed first (the checksum
    // it sends is still right for what it sends).
    bool thenSend = false;
    std::chrono::milliseconds thenSendDelay{1000};
    int corruptBytes = 0;
    // Held as a USB serial chip holds what it receives: the program gets the
    // radio's bytes (and echoes) when kChipPacket wait or this long has passed
    // since the first of them. 0: each byte as it comes.
    std::chrono::milliseconds latency{0};
};

// The bytes a USB serial chip hands on at once, whatever its latency timer.
inline constexpr std::size_t kChipPacket = 62;

// Changes `count` bytes of the image (none of the header or the checksum), the same ones
// for the same count: each by a non-zero pattern at offsets spread by a
// fixed seed. Returns the offsets changed.
std::vector<std::size_t> CorruptImage(radio::RadioImage& image, int count);

class SimRadio {
public:
    explicit SimRadio(Options options);
    ~SimRadio();
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    bool ok() const { return created_; }
    // The device the program opens.
    const std::string& PortPath() const { return portPath_; }

    // Starts the radio on its own thread; Stop ends it (the destructor too).
    void Start();
    void Stop();

    // True once the radio has nothing more to do: its stream was sent and
    // acknowledged, or a whole stream was received, or a fault ended it.
    bool Finished() const { return finished_; }
    bool WaitFinished(std::chrono::milliseconds limit) const;

    // Receive role: the stream taken in so far, and whether it was whole with
    // a good checksum.
    std::vector<std::uint8_t> Received() const;
    bool ReceivedGood() const;
    // Blocks answered with 0x06 (Receive) or acknowledged by the program (Send).
    int BlocksAcknowledged() const { return acknowledged_; }

    // The time the line needs for a byte at 9600 baud 8N2.
    static std::chrono::nanoseconds ByteTime();

private:
    enum class Kind { ToProgram, ToRadio, Cut, Begin };
    struct Event {
        std::chrono::steady_clock::time_point at;
        Kind kind;
        std::uint8_t byte;
    };
    using TimePoint = std::chrono::steady_clock::time_point;

    void Run();
    void Deliver(TimePoint now);
    void Flush(std::vector<std::uint8_t>& batch);
    void Wait(TimePoint now);
    void HearFromProgram(const std::uint8_t* bytes, int count, TimePoint now);
    // The chip between line and program: keeps a byte, or hands on what it held.
    void Hold(std::uint8_t byte, TimePoint at, std::vector<std::uint8_t>& batch);
    void ReleaseHeld(TimePoint now, std::vector<std::uint8_t>& batch);

    // The radio's side.
    void Hear(std::uint8_t byte, TimePoint at);
    void HearAsSender(std::uint8_t byte, TimePoint at);
    void HearAsReceiver(std::uint8_t byte, TimePoint at);
    void SendBlock(int block, TimePoint start);
    void Answer(int block, TimePoint at);
    void SendBack(TimePoint at);
    TimePoint PauseBefore(int block, TimePoint at) const;
    // Puts bytes on the line, one byte time each, from `start` at the earliest.
    void Emit(const std::vector<std::uint8_t>& bytes, TimePoint start, std::chrono::nanoseconds spacing = {});
    void Schedule(Kind kind, TimePoint at, std::uint8_t byte = 0);
    void Cut();
    void End() { finished_ = true; }

    Options options_;
    radio::RadioImage image_{};
    std::string portPath_;
    bool created_ = false; // the terminal pair was made
    int master_ = -1;
    int slave_ = -1;
    std::chrono::nanoseconds byteTime_{0};

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> acknowledged_{0};

    // Thread-owned line state.
    std::deque<Event> line_;
    TimePoint lineFree_{};
    bool awaitingAck_ = false;
    int nextBlock_ = 0;
    int acksHeard_ = 0;
    bool silent_ = false;
    bool heardFirst_ = false;
    std::vector<std::uint8_t> held_; // in the chip, not yet handed on
    TimePoint heldSince_{};

    mutable std::mutex receivedLock_;
    std::vector<std::uint8_t> received_;
};

// The image that a fresh simulated radio holds: the template image with its
// memories filled with varied bytes (so that a transfer moves no long runs of
// equal bytes), then put in the form a radio keeps: only channels it accepts.
// Byte 31560 holds the checksum.
radio::RadioImage SampleImage(unsigned seed = 1);

} // namespace transfer::sim
