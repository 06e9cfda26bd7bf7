#pragma once
// "Com port setup": a port list, the "Show only available ports." check box,
// OK and Cancel. A thin view over PortSetupModel; the dialog ends with the
// chosen port, 0 for "None", -1 for Cancel.

#include "portkit/core/port_setup_model.h"

// Qt
#include <QDialog>

class QCheckBox;
class QComboBox;

namespace portkit {

class PortSetupDialog : public QDialog {
public:
    PortSetupDialog(int& currentPort, QWidget* parent);

    QComboBox* PortList() const { return ports_; }
    QCheckBox* AvailableOnly() const { return availableOnly_; }

    void accept() override;
    void reject() override;

private:
    void OnAvailableOnlyClicked(bool checked);
    void ShowEntries();

    PortSetupModel model_;
    QComboBox* ports_;
    QCheckBox* availableOnly_;
};

// Runs the dialog for SetupPort: loads the current port from keyPath, shows
// the dialog over parent, stores the result (not on Cancel, not without a
// key path). -1 when no QApplication exists to show it.
int RunPortSetup(const char* keyPath, void* parent);

} // namespace portkit
