// The port setup's C entries and the exported functions over them.

// portkit
#include "portkit/core/com_port_store.h"
#include "portkit/port_setup.h"
#include "portkit/portkit_c.h"
#include "portkit/ui/port_setup_dialog.h"

extern "C" int portkit_setup_port(const char* keyPath, void* parent)
{
    return portkit::RunPortSetup(keyPath, parent);
}

extern "C" int portkit_get_reg_com_port(const char* keyPath)
{
    return portkit::StoredComPort(keyPath);
}

int SetupPort(const char* keyPath, void* parent)
{
    return portkit_setup_port(keyPath, parent);
}

int GetRegComPort(const char* keyPath)
{
    return portkit_get_reg_com_port(keyPath);
}
