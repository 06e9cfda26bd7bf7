#include "clone/sim/sim_radio.h"

// system
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

// std
#include <algorithm>
#include <random>

// project
#include "clone/wire.h"
#include "radio/default_image.h"
#include "radio/record_rules.h"

namespace transfer::sim {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint8_t kCorrupted = 0x86; // 0x06 with one bit flipped
constexpr int kChecksumBlock = kBlockCount - 1;
const std::vector<std::uint8_t> kGarbage{0x00, 0xFF, 0x13, 0x7E, 0x06, 0x15, 0xA5};
// A byte at a time: each byte written alone, this far apart.
constexpr auto kTrickle = 1ms;

// Offset and size of block k of the stream.
std::pair<int, int> BlockSpan(int block)
{
    if (block == 0)
        return {0, kHeaderSize};
    if (block == kChecksumBlock)
        return {kChecksumAt, 1};
    return {kHeaderSize + kBlockSize * (block - 1), kBlockSize};
}

void SetRaw(int fd)
{
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return;
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
}

} // namespace

std::chrono::nanoseconds SimRadio::ByteTime()
{
    return std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / kBaud);
}

SimRadio::SimRadio(Options options) : options_(std::move(options)), image_(options_.image)
{
    image_[kChecksumAt] = radio::ImageChecksum(image_);
    if (options_.faults.badChecksum)
        image_[kChecksumAt] = static_cast<std::uint8_t>(image_[kChecksumAt] + 1);
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    portPath_ = name;
    created_ = true;
    // Raw from the start, so nothing sent before the program opens the port
    // is changed or echoed by the terminal itself.
    SetRaw(slave_);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (options_.paced)
        byteTime_ = ByteTime();
}

SimRadio::~SimRadio()
{
    Stop();
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

void SimRadio::Start()
{
    if (master_ < 0 || thread_.joinable())
        return;
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
}

void SimRadio::Stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool SimRadio::WaitFinished(std::chrono::milliseconds limit) const
{
    const auto until = Clock::now() + limit;
    while (!finished_ && Clock::now() < until)
        std::this_thread::sleep_for(1ms);
    return finished_;
}

std::vector<std::uint8_t> SimRadio::Received() const
{
    std::lock_guard<std::mutex> lock(receivedLock_);
    return received_;
}

bool SimRadio::ReceivedGood() const
{
    const auto stream = Received();
    if (stream.size() != static_cast<std::size_t>(kStreamSize))
        return false;
    radio::RadioImage image{};
    std::copy(stream.begin(), stream.end(), image.begin());
    return radio::ImageChecksum(image) == image[kChecksumAt];
}

// ---- the line ----------------------------------------------------------------------------

void SimRadio::Run()
{
    lineFree_ = Clock::now();
    if (options_.role == Role::Send && !options_.faults.silentAtStart)
        Schedule(Kind::Begin, Clock::now() + options_.startDelay);
    while (!stop_) {
        Deliver(Clock::now());
        if (master_ < 0)
            break;
        Wait(Clock::now());
    }
}

void SimRadio::Schedule(Kind kind, TimePoint at, std::uint8_t byte)
{
    // Events keep time order: the line is one wire.
    auto place = std::upper_bound(line_.begin(), line_.end(), at,
                                  [](TimePoint t, const Event& e) { return t < e.at; });
    line_.insert(place, Event{at, kind, byte});
}

void SimRadio::Emit(const std::vector<std::uint8_t>& bytes, TimePoint start, std::chrono::nanoseconds spacing)
{
    const auto step = std::max(byteTime_, spacing);
    for (std::uint8_t byte : bytes) {
        lineFree_ = std::max(lineFree_, start) + step;
        Schedule(Kind::ToProgram, lineFree_, byte);
    }
}

void SimRadio::Deliver(TimePoint now)
{
    std::vector<std::uint8_t> batch;
    while (!line_.empty() && line_.front().at <= now && master_ >= 0) {
        const Event event = line_.front();
        line_.pop_front();
        switch (event.kind) {
        case Kind::ToProgram:
            Hold(event.byte, event.at, batch);
            break;
        case Kind::ToRadio:
            Flush(batch);
            Hear(event.byte, event.at);
            break;
        case Kind::Begin:
            Flush(batch);
            if (options_.faults.garbageBeforeHeader)
                Emit(kGarbage, event.at);
            SendBlock(0, event.at);
            break;
        case Kind::Cut:
            Flush(batch);
            Cut();
            break;
        }
    }
    ReleaseHeld(now, batch);
    Flush(batch);
}

void SimRadio::Hold(std::uint8_t byte, TimePoint at, std::vector<std::uint8_t>& batch)
{
    if (options_.latency.count() <= 0) {
        batch.push_back(byte);
        return;
    }
    ReleaseHeld(at, batch);
    if (held_.empty())
        heldSince_ = at;
    held_.push_back(byte);
    if (held_.size() >= kChipPacket)
        ReleaseHeld(TimePoint::max(), batch);
}

void SimRadio::ReleaseHeld(TimePoint now, std::vector<std::uint8_t>& batch)
{
    if (held_.empty() || now < heldSince_ + options_.latency)
        return;
    batch.insert(batch.end(), held_.begin(), held_.end());
    held_.clear();
}

void SimRadio::Flush(std::vector<std::uint8_t>& batch)
{
    std::size_t done = 0;
    while (done < batch.size() && master_ >= 0) {
        const ssize_t n = ::write(master_, batch.data() + done, batch.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        pollfd room{master_, POLLOUT, 0};
        if (stop_ || ::poll(&room, 1, 100) < 0)
            break;
    }
    batch.clear();
}

void SimRadio::Wait(TimePoint now)
{
    auto wait = std::chrono::nanoseconds(20ms);
    if (!line_.empty())
        wait = std::clamp(std::chrono::duration_cast<std::chrono::nanoseconds>(line_.front().at - now),
                          std::chrono::nanoseconds(0), wait);
    if (!held_.empty())
        wait = std::clamp(std::chrono::duration_cast<std::chrono::nanoseconds>(heldSince_ + options_.latency - now),
                          std::chrono::nanoseconds(0), wait);
    const timespec timeout{0, static_cast<long>(wait.count())};
    pollfd input{master_, POLLIN, 0};
    if (::ppoll(&input, 1, &timeout, nullptr) <= 0 || (input.revents & POLLIN) == 0)
        return;
    std::uint8_t bytes[4096];
    const ssize_t n = ::read(master_, bytes, sizeof bytes);
    if (n > 0)
        HearFromProgram(bytes, static_cast<int>(n), Clock::now());
}

// Every byte from the program crosses the line: it comes back as its echo and
// the radio hears it, both when its last bit has passed.
void SimRadio::HearFromProgram(const std::uint8_t* bytes, int count, TimePoint now)
{
    if (!heardFirst_ && options_.role == Role::Receive && options_.faults.garbageBeforeHeader)
        Emit(kGarbage, now);
    heardFirst_ = true;
    for (int i = 0; i < count; ++i) {
        std::uint8_t echo = bytes[i];
        if (options_.role == Role::Send && echo == kAck && acksHeard_++ == options_.faults.corruptAckAfterBlock)
            echo = kCorrupted;
        lineFree_ = std::max(lineFree_, now) + byteTime_;
        Schedule(Kind::ToProgram, lineFree_, echo);
        Schedule(Kind::ToRadio, lineFree_, bytes[i]);
    }
}

void SimRadio::Cut()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
    line_.clear();
    End();
}

// ---- the radio ---------------------------------------------------------------------------

void SimRadio::Hear(std::uint8_t byte, TimePoint at)
{
    if (options_.role == Role::Send)
        HearAsSender(byte, at);
    else
        HearAsReceiver(byte, at);
}

SimRadio::TimePoint SimRadio::PauseBefore(int block, TimePoint at) const
{
    const Faults& f = options_.faults;
    const bool slow = f.slowPause.count() > 0 && f.slowEvery > 0 && block % f.slowEvery == 0;
    return slow ? at + f.slowPause : at;
}

void SimRadio::HearAsSender(std::uint8_t byte, TimePoint at)
{
    if (!awaitingAck_ || byte != kAck)
        return;
    awaitingAck_ = false;
    const int done = nextBlock_ - 1;
    ++acknowledged_;
    if (done == kChecksumBlock || done == options_.faults.silentAfterBlock) {
        End();
        return;
    }
    SendBlock(nextBlock_, PauseBefore(nextBlock_, at));
}

void SimRadio::SendBlock(int block, TimePoint start)
{
    const auto [from, size] = BlockSpan(block);
    std::vector<std::uint8_t> bytes(image_.begin() + from, image_.begin() + from + size);
    // A byte at a time: spaced so that each byte is written alone.
    const std::chrono::nanoseconds spacing = block <= options_.faults.oneAtATimeBlocks ? kTrickle : 0ns;
    if (options_.faults.cutAfterBlock >= 0 && block == options_.faults.cutAfterBlock + 1) {
        bytes.resize(bytes.size() / 2);
        Emit(bytes, start, spacing);
        Schedule(Kind::Cut, lineFree_ + 1ms);
        return;
    }
    Emit(bytes, start, spacing);
    nextBlock_ = block + 1;
    awaitingAck_ = true;
}

void SimRadio::HearAsReceiver(std::uint8_t byte, TimePoint at)
{
    int count = 0;
    {
        std::lock_guard<std::mutex> lock(receivedLock_);
        if (received_.size() >= static_cast<std::size_t>(kStreamSize))
            return;
        received_.push_back(byte);
        count = static_cast<int>(received_.size());
    }
    if (!IsBlockEnd(count))
        return;
    const int block = BlocksDone(count) - 1;
    if (block == kChecksumBlock) {
        if (options_.thenSend)
            SendBack(at);
        else
            End(); // nothing is awaited after the checksum byte
        return;
    }
    Answer(block, PauseBefore(block, at));
}

void SimRadio::Answer(int block, TimePoint at)
{
    const Faults& f = options_.faults;
    if (silent_ || f.silentAtStart)
        return;
    if (block == f.cutAfterBlock) {
        Schedule(Kind::Cut, at);
        return;
    }
    std::uint8_t answer = kAck;
    if ((block == 0 && f.refuseHeader) || block == f.refuseBlock)
        answer = kRefusal;
    else if (block == f.corruptAckAfterBlock)
        answer = kCorrupted;
    Emit({answer}, at);
    if (answer == kAck)
        ++acknowledged_;
    if (answer == kRefusal)
        End();
    if (block == f.silentAfterBlock)
        silent_ = true;
}

radio::RadioImage SampleImage(unsigned seed)
{
    radio::RadioImage image = radio::DefaultImage();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = radio::offs::kChannels; i < radio::offs::kChecksum; ++i)
        image[i] = static_cast<std::uint8_t>(byte(random));
    // A radio holds only channels it accepts, in the form it keeps them.
    radio::DocumentDataArea held;
    held.image = image;
    radio::SettleDocument(held);
    held.image[radio::offs::kChecksum] = radio::ImageChecksum(held.image);
    return held.image;
}

// The radio in clone-send mode with what it took: the next read gets it back.
void SimRadio::SendBack(TimePoint at)
{
    {
        std::lock_guard<std::mutex> lock(receivedLock_);
        std::copy(received_.begin(), received_.end(), image_.begin());
    }
    CorruptImage(image_, options_.corruptBytes);
    image_[kChecksumAt] = radio::ImageChecksum(image_);
    options_.role = Role::Send;
    nextBlock_ = 0;
    awaitingAck_ = false;
    acksHeard_ = 0;
    Schedule(Kind::Begin, at + options_.thenSendDelay);
}

std::vector<std::size_t> CorruptImage(radio::RadioImage& image, int count)
{
    std::mt19937 random(18);
    std::vector<std::size_t> changed;
    while (static_cast<int>(changed.size()) < count && changed.size() < static_cast<std::size_t>(kChecksumAt)) {
        const auto at = static_cast<std::size_t>(kHeaderSize + random() % (kChecksumAt - kHeaderSize));
        if (std::find(changed.begin(), changed.end(), at) != changed.end())
            continue;
        image[at] = static_cast<std::uint8_t>(image[at] ^ (1 + random() % 255));
        changed.push_back(at);
    }
    return changed;
}

} // namespace transfer::sim
