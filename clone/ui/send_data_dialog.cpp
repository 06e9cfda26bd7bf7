#include "clone/ui/send_data_dialog.h"

// Qt
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// project
#include "clone/messages.h"
#include "clone/ui/differences_window.h"
#include "clone/ui/get_data_dialog.h"
#include "clone/write_check.h"

namespace transfer {

CSendDataDlg::CSendDataDlg(const Stream& toSend, QWidget* parent, std::chrono::milliseconds answerLimit)
    : TransferDialog(QStringLiteral("Send data to"),
                     {QStringLiteral("1. Insert cable into the Data jack on the back of the radio"),
                      QStringLiteral("2. Press and hold the [MHZ(PRI)] key while turning on the radio"),
                      QStringLiteral("3. Rotate the Dial to  F7 Clone"),
                      QStringLiteral("4. Press and hold the [BAND(Set)] key while Clone mode starts"),
                      QStringLiteral("5. Press the [LOW(Acc)] key to start clone Rx"),
                      QStringLiteral("6. Click OK to start the data transfer.")},
                     kHelpWrite, parent),
      stream_(toSend), answerLimit_(answerLimit)
{
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ButtonColumn()->insertWidget(0, ok_);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &CSendDataDlg::Start);

    details_ = new QPushButton(QStringLiteral("Details..."), this);
    ButtonColumn()->insertWidget(1, details_);
    connect(details_, &QPushButton::clicked, this, &CSendDataDlg::ShowDetails);
    verify_ = new QPushButton(QStringLiteral("Verify"), this);
    ButtonColumn()->insertWidget(2, verify_);
    verify_->hide();
    connect(verify_, &QPushButton::clicked, this, &CSendDataDlg::Verify);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("writeSummary"));
    summary_->setWordWrap(true);
    AddBelowSteps(summary_);
    WriteComparison before = CompareWithNewestRead(stream_);
    detailsTitle_ = QStringLiteral("What the write changes in the radio");
    ShowComparison(QString::fromStdString(before.summary), std::move(before.differences));
    QTimer::singleShot(0, this, &CSendDataDlg::Prepare);
}

void CSendDataDlg::ShowComparison(const QString& text, std::vector<radio::Difference> differences)
{
    summary_->setText(text);
    differences_ = std::move(differences);
    details_->setEnabled(!differences_.empty());
}

void CSendDataDlg::ShowDetails()
{
    if (detailsWindow_)
        detailsWindow_->close();
    auto* window = new DifferencesWindow(detailsTitle_, [this] { return differences_; }, this);
    detailsWindow_ = window;
    window->show();
}

void CSendDataDlg::Prepare()
{
    if (OpenPort())
        ok_->setEnabled(true);
}

void CSendDataDlg::Start()
{
    // One transfer per dialog: OK does not restart it.
    ok_->setEnabled(false);
    Run(std::make_unique<CloneWriter>(Port(), stream_, answerLimit_));
}

void CSendDataDlg::Finished()
{
    if (GetOutcome() != Outcome::Done) {
        ShowFailure(GetFailure(), this);
        done(kResultDone);
        return;
    }
    sent_ = true;
    CancelButton()->setText(QStringLiteral("Close"));
    verify_->show();
    verify_->setDefault(true);
    verify_->setFocus();
    ShowComparison(QStringLiteral("The data was sent. Verify reads it back: click Verify, then start clone Tx "
                                  "on the radio."),
                   {});
    emit sent();
}

// Closing after a good write is the end of a started transfer.
void CSendDataDlg::reject()
{
    if (sent_)
        done(kResultDone);
    else
        TransferDialog::reject();
}

// The radio is read as "Get data from" reads it (its steps tell how to
// start clone Tx); what came back goes into the comparison and nowhere else.
void CSendDataDlg::Verify()
{
    CGetDataDlg read(this);
    read.exec();
    if (!read.Succeeded()) {
        ShowComparison(QStringLiteral("Verify did not read the radio."), {});
        return;
    }
    std::vector<radio::Difference> found = VerifyDifferences(stream_, read.Received());
    detailsTitle_ = QStringLiteral("What the radio holds that differs from what was sent");
    const QString text = found.empty() ? QString::fromLatin1(kRadioHoldsSent)
                                       : QStringLiteral("The radio does not hold what was sent: %1.")
                                             .arg(QString::fromStdString(radio::SummaryText(found)));
    ShowComparison(text, std::move(found));
}

} // namespace transfer
