#include "clone/ui/transfer_dialog.h"

// Qt
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>

// project
#include "clone/progress_text.h"
#include "platform/gui/help.h"
#include "portkit/log_message.h"
#include "portkit/serial.h"

namespace transfer {
namespace {

// Whether the user wants the debug log, for the transfers of this run.
bool logWanted = false;

} // namespace

TransferDialog::TransferDialog(const QString& title, const QStringList& steps, int helpContext, QWidget* parent)
    : QDialog(parent), helpContext_(helpContext)
{
    setWindowTitle(title);
    auto* texts = new QVBoxLayout;
    for (const QString& step : steps)
        texts->addWidget(new QLabel(step, this));
    texts->addStretch();

    buttons_ = new QVBoxLayout;
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    help_ = new QPushButton(QStringLiteral("Help"), this);
    log_ = new QCheckBox(QStringLiteral("Debug log"), this);
    log_->setObjectName(QStringLiteral("debugLog"));
    log_->setToolTip(QStringLiteral("Write every byte of the transfer to Debug.log"));
    log_->setChecked(logWanted);
    buttons_->addWidget(cancel_);
    buttons_->addWidget(help_);
    buttons_->addStretch();
    buttons_->addWidget(log_);
    connect(log_, &QCheckBox::toggled, this, [this](bool on) {
        logWanted = on;
        SetLogging(on);
    });
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { platform::ShowHelp(helpContext_, this); });
    // While the dialog is up, F1 is its help too.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { platform::ShowHelp(helpContext_, this); });

    bar_ = new QProgressBar(this);
    bar_->setRange(0, Progress::kTotalBytes);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    timeLeft_ = new QLabel(this);

    auto* top = new QHBoxLayout;
    top->addLayout(texts, 1);
    top->addSpacing(12);
    top->addLayout(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(bar_);
    layout->addWidget(timeLeft_);
    // About 248 by 142 dialog units.
    setMinimumSize(460, 250);

    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, &TransferDialog::OnDeadline);
}

TransferDialog::~TransferDialog()
{
    StopLogging();
    ClosePort();
}

// Logging starts with the port open (or when ticked later) and ends with the
// transfer, its last line telling how.
void TransferDialog::SetLogging(bool on)
{
    if (!on) {
        StopLogging();
        return;
    }
    if (logging_ || !serial_)
        return;
    CLogMessage* log = CLogMessage::CreateInstance();
    if (log == nullptr)
        return;
    log->StartLogging();
    logging_ = CLogMessage::IsLogging();
    if (logging_)
        log->LogMessage("%s on COM%d", windowTitle().toLatin1().constData(), serial_->GetPortNum());
}

void TransferDialog::StopLogging()
{
    if (!logging_)
        return;
    CLogMessage* log = CLogMessage::CreateInstance();
    if (engine_)
        log->LogMessage("%s", EndingLine(windowTitle().toLatin1().constData(), *engine_).c_str());
    log->StopLogging();
    logging_ = false;
}

void TransferDialog::AddBelowSteps(QWidget* widget)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, widget);
}

bool TransferDialog::OpenPort()
{
    const int port = ChooseRadioPort(this);
    if (port >= 1) {
        serial_ = std::make_unique<CSerial>();
        if (OpenRadioPort(*serial_, port, this)) {
            link_ = std::make_unique<SerialClonePort>(*serial_);
            logged_ = std::make_unique<LoggingPort>(*link_, [this](const std::string& line) {
                if (logging_)
                    CLogMessage::CreateInstance()->LogMessage("%s", line.c_str());
            });
            SetLogging(log_->isChecked());
            return true;
        }
        // The serial port has said why; nothing keeps trying.
        serial_.reset();
    }
    done(kResultNoPort);
    return false;
}

void TransferDialog::Run(std::unique_ptr<CloneEngine> engine)
{
    engine_ = std::move(engine);
    started_ = Clock::now();
    if (!notifier_ && link_->Descriptor() >= 0) {
        notifier_ = new QSocketNotifier(static_cast<qintptr>(link_->Descriptor()), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &TransferDialog::OnReadable);
    }
    busy_ = true;
    engine_->Start(Clock::now());
    busy_ = false;
    AfterStep();
}

void TransferDialog::OnReadable()
{
    if (busy_ || !engine_ || engine_->Finished())
        return;
    busy_ = true;
    engine_->OnReadable(Clock::now());
    busy_ = false;
    AfterStep();
}

void TransferDialog::OnDeadline()
{
    if (busy_ || !engine_ || engine_->Finished())
        return;
    busy_ = true;
    engine_->OnTime(Clock::now());
    busy_ = false;
    AfterStep();
}

void TransferDialog::AfterStep()
{
    ShowProgress();
    if (engine_->Finished()) {
        deadline_->stop();
        StopLogging();
        ClosePort();
        if (engine_->GetOutcome() != Outcome::Cancelled) {
            busy_ = true;
            Finished();
        }
        return;
    }
    const Clock::time_point due = engine_->Deadline();
    if (due == Clock::time_point::max()) {
        deadline_->stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    deadline_->start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
}

int TransferDialog::ProgressValue() const
{
    return bar_->value();
}

QString TransferDialog::ProgressText() const
{
    return timeLeft_->text();
}

void TransferDialog::ShowProgress()
{
    if (!engine_)
        return;
    const Progress progress = engine_->GetProgress();
    if (bar_->value() == progress.bytes && !timeLeft_->text().isEmpty())
        return;
    bar_->setValue(progress.bytes);
    timeLeft_->setText(QString::fromStdString(ProgressLine(progress, Clock::now() - started_)));
}

void TransferDialog::reject()
{
    if (engine_)
        engine_->Cancel();
    deadline_->stop();
    StopLogging();
    ClosePort();
    done(kResultCancel);
}

void TransferDialog::ClosePort()
{
    // The notifier may be the sender of the signal being handled.
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
    }
    notifier_ = nullptr;
    logged_.reset();
    link_.reset();
    if (serial_)
        serial_->ClosePort();
    serial_.reset();
}

} // namespace transfer
