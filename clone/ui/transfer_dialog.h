#pragma once
// What the two transfer dialogs share: the printed steps, a progress bar with
// the blocks and the time left, Cancel and Help, and the port. The engine
// runs as soon as the port has bytes (a socket notifier on its descriptor)
// and when its deadline passes (one single-shot timer), never on a fixed tick.
//
// The "Debug log" check box writes every byte through the port and how the
// transfer ended to portkit's debug log (Debug.log under $XDG_STATE_HOME/
// Quillon) from the moment it is ticked; it stays ticked for the next
// transfer of this run of the program.
//
// Results: 1 when a started transfer ended (however it ended; Outcome() and
// Failure() tell), 2 on Cancel or closing the window, -1 when no port could
// be chosen or opened.

// Qt
#include <QDialog>
#include <QStringList>

// std
#include <memory>

// project
#include "clone/engine.h"
#include "clone/logging_port.h"
#include "clone/serial_link.h"

class CSerial;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSocketNotifier;
class QTimer;
class QVBoxLayout;

namespace transfer {

inline constexpr int kResultDone = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultNoPort = -1;

class TransferDialog : public QDialog {
    Q_OBJECT
public:
    ~TransferDialog() override;

    Outcome GetOutcome() const { return engine_ ? engine_->GetOutcome() : Outcome::Running; }
    Failure GetFailure() const { return engine_ ? engine_->GetFailure() : Failure::None; }
    // The engine's progress, and the text beside the bar.
    int ProgressValue() const;
    QString ProgressText() const;
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* HelpButton() const { return help_; }
    QCheckBox* DebugLogBox() const { return log_; }

protected:
    TransferDialog(const QString& title, const QStringList& steps, int helpContext, QWidget* parent);

    // Chooses and opens the port; false (after ending with -1) when there is none.
    bool OpenPort();
    // Runs the engine over the open port from now on.
    void Run(std::unique_ptr<CloneEngine> engine);
    ClonePort& Port() { return *logged_; }
    QVBoxLayout* ButtonColumn() const { return buttons_; }
    // A line of its own between the steps and the progress bar.
    void AddBelowSteps(QWidget* widget);
    // The engine ended (not by Cancel): show what it reports, then end.
    virtual void Finished() = 0;

    void reject() override;

private:
    void OnReadable();
    void OnDeadline();
    void AfterStep();
    void ShowProgress();
    void ClosePort();
    void SetLogging(bool on);
    void StopLogging();

    int helpContext_;
    QProgressBar* bar_ = nullptr;
    QLabel* timeLeft_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QCheckBox* log_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
    QTimer* deadline_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    std::unique_ptr<CSerial> serial_;
    std::unique_ptr<SerialClonePort> link_;
    std::unique_ptr<LoggingPort> logged_; // link_, told to the debug log while logging_
    bool logging_ = false;
    std::unique_ptr<CloneEngine> engine_;
    Clock::time_point started_{};
    // A step is running: a message box it shows must not let another start.
    bool busy_ = false;
};

} // namespace transfer
