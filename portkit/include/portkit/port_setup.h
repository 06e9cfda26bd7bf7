#pragma once
// The stored serial port choice and the "Com port setup" dialog.

#include "portkit/export.h"

// Shows the dialog modally over parent (a QWidget*, or nullptr) and stores the
// choice as "comport" under keyPath. The port (1 or more), 0 for "None", -1 for
// Cancel or when no dialog can be shown. Nothing is stored for a null keyPath
// or on Cancel.
PORTKIT_API int SetupPort(const char* keyPath, void* parent);

// The port stored under keyPath, 0 when none is (or keyPath is null).
PORTKIT_API int GetRegComPort(const char* keyPath);
