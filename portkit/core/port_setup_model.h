#pragma once
// The decisions of the "Com port setup" dialog, apart from any window: the two
// port lists, the first selection, and what OK does with the chosen entry.

#include <functional>
#include <string>
#include <vector>

namespace portkit {

struct PortEntry {
    std::string label; // "None" or "Com <n>"
    int port;          // 0 for "None"
};

class PortSetupModel {
public:
    // The scan of the available list covers ports 1 .. kScanLast.
    static constexpr int kScanLast = 98;
    static constexpr int kStandardLast = 9;

    // What OK leads to: the dialog ends with result, or stays open with the
    // entry at select chosen.
    struct Outcome {
        bool ends;
        int result;
        int select;
    };

    // currentPort is the port the dialog starts from and ends with.
    explicit PortSetupModel(int& currentPort);

    const std::vector<PortEntry>& Entries() const { return entries_; }

    // "None", "Com 1" .. "Com 9".
    void BuildStandardList();
    // "None" and every port 1 .. kScanLast that isAvailable accepts, ascending.
    void BuildAvailableList(const std::function<bool(int)>& isAvailable);
    // The standard list or the available list, as the check box says.
    void BuildList(bool availableOnly);
    // The entry of the current port, -1 when the list does not hold it.
    int InitialSelection() const;

    // OK with the entry at position chosen (-1 for none): "None" ends with 0;
    // a port ends with its number when it opens, otherwise the reason is shown
    // (owned by owner) and the dialog stays on the current port's entry.
    Outcome Accept(int position, void* owner);

private:
    void StartList();
    void Add(int port);

    int& current_;
    std::vector<PortEntry> entries_;
};

// The availability test the scan uses.
bool PortOpensNow(int n);

} // namespace portkit
