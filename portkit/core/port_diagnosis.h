#pragma once
// Why a port can or cannot be used: the device a port number stands for,
// whether it exists, who may open it and which processes hold it. Read by
// "ostrel-cli ports" and shown beside a port in the Com port setup dialog.

// std
#include <string>
#include <vector>

namespace portkit {

struct PortHolder {
    int pid = 0;
    std::string command; // the process's name as /proc tells it
};

struct PortDiagnosis {
    int port = 0;
    std::string device;         // the device path of the port
    std::string linkTarget;     // where a port folder link leads, empty for no link
    bool exists = false;
    std::string group;          // the group owning the device, empty when unknown
    bool permitted = false;     // this process may read and write it
    bool groupPendingLogin = false; // the user is listed in the group, this session is not yet
    int openError = 0;          // errno of a trial open; 0 when it opened
    std::vector<PortHolder> holders;
};

// Every port number that maps to a device: the port folder's "COM<n>" entries
// and the built-in map, ascending.
std::vector<int> MappedPorts();

// Looks at port n now. A trial open (and close) is made only when the device
// exists and may be opened.
PortDiagnosis DiagnosePort(int n);

// As DiagnosePort, with the device read at node (where it lies under a
// system root) and its holders from procDir (that root's /proc).
PortDiagnosis DiagnosePortAt(int n, const std::string& node, const std::string& procDir);

// The processes that have the device open, as far as procDir shows them.
std::vector<PortHolder> DeviceHolders(const std::string& path, const std::string& procDir = "/proc");

// One line: "COM3 /dev/ttyUSB2: ..." with the state and, where the port
// cannot be used, the reason and the cure.
std::string DiagnosisText(const PortDiagnosis& d);

// The reason alone, empty when the port can be used.
std::string DiagnosisReason(const PortDiagnosis& d);

} // namespace portkit
