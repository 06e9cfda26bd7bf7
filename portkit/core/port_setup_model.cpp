#include "portkit/core/port_setup_model.h"

// portkit
#include "portkit/core/device.h"
#include "portkit/core/port_errors.h"
#include "portkit/core/port_names.h"
#include "portkit/core/serial_port.h"

// platform
#include "platform/prompt.h"

namespace portkit {

PortSetupModel::PortSetupModel(int& currentPort) : current_(currentPort) {}

void PortSetupModel::StartList()
{
    entries_.clear();
    entries_.push_back({"None", 0});
}

void PortSetupModel::Add(int port)
{
    entries_.push_back({"Com " + std::to_string(port), port});
}

void PortSetupModel::BuildStandardList()
{
    StartList();
    for (int n = 1; n <= kStandardLast; ++n)
        Add(n);
}

void PortSetupModel::BuildAvailableList(const std::function<bool(int)>& isAvailable)
{
    StartList();
    for (int n = 1; n <= kScanLast; ++n) {
        if (isAvailable(n))
            Add(n);
    }
}

void PortSetupModel::BuildList(bool availableOnly)
{
    if (availableOnly)
        BuildAvailableList(PortOpensNow);
    else
        BuildStandardList();
}

int PortSetupModel::InitialSelection() const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].port == current_)
            return static_cast<int>(i);
    }
    return -1;
}

PortSetupModel::Outcome PortSetupModel::Accept(int position, void* owner)
{
    if (position <= 0 || position >= static_cast<int>(entries_.size())) {
        current_ = 0;
        return {true, 0, 0};
    }
    const int n = entries_[static_cast<size_t>(position)].port;
    const std::string path = DevicePath(n);
    const OpenResult opened = OpenExclusive(path);
    if (opened.fd >= 0) {
        CloseDevice(opened.fd);
        current_ = n;
        return {true, n, position};
    }
    platform::ShowMessage(OpenErrorText(n, path, opened.error), kComPortErrorCaption, platform::Icon::None,
                          platform::Buttons::Ok, owner);
    return {false, -1, InitialSelection()};
}

bool PortOpensNow(int n)
{
    SerialPort probe;
    return probe.FindComPorts(n) == kPortAvailable;
}

} // namespace portkit
