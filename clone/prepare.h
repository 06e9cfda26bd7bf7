#pragma once
// Getting an image ready for the radio, and the radio's identity that a read
// leaves for later writes.
//
// Before a write the image is made consistent where the radio would
// otherwise start with a channel or bank that does not exist: the current
// state is taken from the active Hyper Memory, the current channel from the
// current mode, and every Hyper Memory's bank, memory and Special Scan choice
// is pointed at something that exists. The stream then sent carries the
// identity of the radio last read on this computer.

// std
#include <array>
#include <cstdint>
#include <optional>

// project
#include "clone/wire.h"
#include "radio/radio_image.h"
#include "radio/settings_record.h"

namespace transfer {

using Stream = std::array<std::uint8_t, kStreamSize>;
using Identity = std::array<std::uint8_t, kHeaderSize>;

// Registry values under platform::kSettingsKey.
inline constexpr const char* kConfigurationValue = "Configuration";   // 8 bytes
inline constexpr const char* kConfiguration1Value = "Configuration1"; // their sum, modulo 256

// The fix-ups on the image alone, in order: each Hyper Memory's bank, memory,
// bank links and Special Scan, then the current state from the active Hyper
// Memory, the current channel, and the current Special Scan.
void FixUpForRadio(radio::RadioImage& image);

// What the radio receives for a document's image and its settings, built in
// one place for the program and the command line: the settings record merged
// in, FixUpForRadio, the header replaced by the remembered identity when that
// is valid, byte 56 set to header byte 6, and the checksum computed last. The
// document itself is left as it is.
Stream BuildRadioStream(const radio::RadioImage& image, const radio::SettingsRecord& settings);

// Remembers the header of an image read from the radio; false when the
// value could not be stored.
bool StoreRadioIdentity(const radio::RadioImage& image);
// The remembered header, when both values are there and agree.
std::optional<Identity> RememberedIdentity();

} // namespace transfer
