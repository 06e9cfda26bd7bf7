#include "portkit/core/com_port_store.h"

// platform
#include "platform/registry.h"

// std
#include <cstdint>

namespace portkit {

int StoredComPort(const char* keyPath)
{
    if (keyPath == nullptr)
        return 0;
    return static_cast<int>(platform::Registry::GetDword(keyPath, kComPortValue).value_or(0));
}

void StoreComPort(const char* keyPath, int port)
{
    if (keyPath != nullptr)
        platform::Registry::SetDword(keyPath, kComPortValue, static_cast<std::uint32_t>(port));
}

int& CurrentComPort()
{
    static int current = 0;
    return current;
}

void LoadCurrentComPort(const char* keyPath)
{
    if (keyPath == nullptr) {
        CurrentComPort() = 0;
        return;
    }
    if (const auto stored = platform::Registry::GetDword(keyPath, kComPortValue))
        CurrentComPort() = static_cast<int>(*stored);
}

} // namespace portkit
