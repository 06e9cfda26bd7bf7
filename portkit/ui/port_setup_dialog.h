#pragma once
// "Com port setup": a port list, the "Show only available ports." check box,
// OK, Cancel and "Check the connection". A thin view over PortSetupModel; the dialog ends with the
// chosen port, 0 for "None", -1 for Cancel.

#include "portkit/core/port_setup_model.h"

// Qt
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace portkit {

class PortSetupDialog : public QDialog {
public:
    PortSetupDialog(int& currentPort, QWidget* parent);

    QComboBox* PortList() const { return ports_; }
    QCheckBox* AvailableOnly() const { return availableOnly_; }
    // Why the chosen port cannot be used now; empty when it can.
    QLabel* Reason() const { return reason_; }
    // "Check the connection" and the doctor's lines for the chosen port.
    QPushButton* CheckButton() const { return check_; }
    QPlainTextEdit* CheckLines() const { return checkLines_; }

    void accept() override;
    void reject() override;

private:
    void OnAvailableOnlyClicked(bool checked);
    void ShowEntries();
    void ShowReason(int index);
    void CheckConnection();
    int ChosenPort() const;

    PortSetupModel model_;
    QComboBox* ports_;
    QCheckBox* availableOnly_;
    QLabel* reason_;
    QPushButton* check_;
    QPlainTextEdit* checkLines_;
};

// Runs the dialog for SetupPort: loads the current port from keyPath, shows
// the dialog over parent, stores the result (not on Cancel, not without a
// key path). -1 when no QApplication exists to show it.
int RunPortSetup(const char* keyPath, void* parent);

} // namespace portkit
