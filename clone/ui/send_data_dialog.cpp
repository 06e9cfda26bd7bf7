#include "clone/ui/send_data_dialog.h"

// Qt
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// project
#include "clone/messages.h"

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
    QTimer::singleShot(0, this, &CSendDataDlg::Prepare);
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
    if (GetOutcome() != Outcome::Done)
        ShowFailure(GetFailure(), this);
    done(kResultDone);
}

} // namespace transfer
