#pragma once
// The user's port choice: "comport" (a DWORD) under a caller's key path, and
// the library-wide current port the setup dialog starts from and ends with.

namespace portkit {

inline constexpr const char* kComPortValue = "comport";

// The stored port, 0 when none is stored or keyPath is null.
int StoredComPort(const char* keyPath);
// Stores port under keyPath (nothing for a null keyPath).
void StoreComPort(const char* keyPath, int port);

// The current port, kept for the life of the library.
int& CurrentComPort();
// Reloads the current port for a setup run: 0 for a null keyPath, else the
// stored value when there is one (otherwise it keeps its value).
void LoadCurrentComPort(const char* keyPath);

} // namespace portkit
