#pragma once
// The texts the user sees when a port cannot be opened or used.

#include <string>

namespace portkit {

// The caption of every open failure.
inline constexpr const char* kComPortErrorCaption = "Com port error";

// Why port n (device path) could not be opened, for the errno value error.
std::string OpenErrorText(int n, const std::string& path, int error);

// The group that owns the device node, by name; empty when unknown.
std::string OwningGroup(const std::string& path);

// Whether the driver took the low-latency request, for the result of
// RequestLowLatency: "low latency taken by the driver" or the refusal.
std::string LowLatencyText(int refused);

// The system's own text for an errno value.
std::string SystemErrorText(int error);

} // namespace portkit
