#pragma once
// What a write will change in the radio and whether the radio holds what was
// written: the stream a write sends compared with the newest kept read, and
// with what a read after the write got. Shared by the "Send data to" dialog
// and ostrel-cli write --dry-run and verify.

// std
#include <optional>
#include <string>
#include <vector>

// project
#include "clone/kept_reads.h"
#include "clone/prepare.h"
#include "radio/image_diff.h"

namespace transfer {

struct WriteComparison {
    std::optional<KeptRead> read;               // the newest kept read compared with, if any
    std::vector<radio::Difference> differences; // from the kept read to the stream
    // "Compared with the radio as read on 2026-12-08 14:02: 14 memories and 3
    // settings change", or "No read of the radio is kept on this computer",
    // or "The kept read PATH could not be read" (then no differences).
    std::string summary;
};

WriteComparison CompareWithNewestRead(const Stream& toSend);

// The differences from what was sent to what a read got back; empty when the
// radio holds what was sent.
std::vector<radio::Difference> VerifyDifferences(const Stream& sent, const Stream& read);
inline constexpr const char* kRadioHoldsSent = "The radio holds what was sent";

} // namespace transfer
