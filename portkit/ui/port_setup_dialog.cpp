#include "portkit/ui/port_setup_dialog.h"

// portkit
#include "portkit/core/com_port_store.h"
#include "portkit/core/port_diagnosis.h"
#include "portkit/core/port_doctor.h"

// Qt
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace portkit {
namespace {

constexpr int kCancelled = -1;

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

PortSetupDialog::PortSetupDialog(int& currentPort, QWidget* parent)
    : QDialog(parent), model_(currentPort), ports_(new QComboBox(this)),
      availableOnly_(new QCheckBox(QStringLiteral("Show only available ports."), this)), reason_(new QLabel(this)),
      check_(new QPushButton(QStringLiteral("Check the connection"), this)), checkLines_(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Com port setup"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ports_->setObjectName(QStringLiteral("ports"));
    ports_->setMaxVisibleItems(12);
    ports_->setMinimumContentsLength(8);
    availableOnly_->setObjectName(QStringLiteral("availableOnly"));
    reason_->setObjectName(QStringLiteral("portReason"));
    reason_->setWordWrap(true);
    reason_->setFixedWidth(260);
    reason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    check_->setObjectName(QStringLiteral("checkConnection"));
    check_->setAutoDefault(false);
    checkLines_->setObjectName(QStringLiteral("checkLines"));
    checkLines_->setReadOnly(true);
    checkLines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    checkLines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    checkLines_->setFixedSize(640, 200);
    checkLines_->setVisible(false);

    auto* label = new QLabel(QStringLiteral("Serial Port"), this);
    label->setBuddy(ports_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->addButton(check_, QDialogButtonBox::ActionRole);

    auto* form = new QGridLayout;
    form->addWidget(label, 0, 0);
    form->addWidget(ports_, 0, 1);
    form->addWidget(availableOnly_, 1, 0, 1, 2);
    form->addWidget(reason_, 2, 0, 1, 2);
    form->setRowStretch(3, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(checkLines_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &PortSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PortSetupDialog::reject);
    connect(availableOnly_, &QCheckBox::clicked, this, &PortSetupDialog::OnAvailableOnlyClicked);
    connect(ports_, &QComboBox::currentIndexChanged, this, &PortSetupDialog::ShowReason);
    connect(check_, &QPushButton::clicked, this, &PortSetupDialog::CheckConnection);

    model_.BuildStandardList();
    ShowEntries();
    ports_->setCurrentIndex(model_.InitialSelection());
    ShowReason(ports_->currentIndex());
}

void PortSetupDialog::ShowEntries()
{
    ports_->clear();
    for (const PortEntry& entry : model_.Entries())
        ports_->addItem(QString::fromLatin1(entry.label.c_str()));
    ports_->setCurrentIndex(-1);
}

int PortSetupDialog::ChosenPort() const
{
    const auto& entries = model_.Entries();
    const int index = ports_->currentIndex();
    return index >= 0 && index < static_cast<int>(entries.size()) ? entries[index].port : 0;
}

// The same reason "ostrel-cli ports" gives, beside the chosen port.
void PortSetupDialog::ShowReason(int)
{
    const int port = ChosenPort();
    const PortDiagnosis diagnosis = port > 0 ? DiagnosePort(port) : PortDiagnosis{};
    // The whole line, device and all, where the port cannot be used.
    const std::string text = DiagnosisReason(diagnosis).empty() || port == 0 ? std::string() : DiagnosisText(diagnosis);
    reason_->setText(QString::fromLatin1(text.c_str()));
    reason_->setVisible(!text.empty());
}

// The lines "ostrel-cli doctor" gives for the chosen port.
void PortSetupDialog::CheckConnection()
{
    DoctorRequest request;
    request.port = ChosenPort();
    std::vector<DoctorLine> lines;
    {
        const WaitCursor wait;
        lines = ExamineConnection(request);
    }
    QString text;
    for (const DoctorLine& line : lines)
        text += QString::fromLocal8Bit(DoctorLineText(line).c_str()) + QLatin1Char('\n');
    checkLines_->setPlainText(text.trimmed());
    checkLines_->setVisible(true);
}

void PortSetupDialog::OnAvailableOnlyClicked(bool checked)
{
    if (checked) {
        const WaitCursor wait;
        model_.BuildList(true);
    } else {
        model_.BuildList(false);
    }
    ShowEntries();
    if (checked)
        ports_->setCurrentIndex(0); // "None"
}

void PortSetupDialog::accept()
{
    const PortSetupModel::Outcome outcome = model_.Accept(ports_->currentIndex(), this);
    if (outcome.ends)
        done(outcome.result);
    else
        ports_->setCurrentIndex(outcome.select);
}

void PortSetupDialog::reject()
{
    done(kCancelled);
}

int RunPortSetup(const char* keyPath, void* parent)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return kCancelled;
    LoadCurrentComPort(keyPath);
    PortSetupDialog dialog(CurrentComPort(), static_cast<QWidget*>(parent));
    const int result = dialog.exec();
    if (result >= 0)
        StoreComPort(keyPath, CurrentComPort());
    return result;
}

} // namespace portkit
