#include "clone/ui/get_data_dialog.h"

// Qt
#include <QPushButton>
#include <QTimer>

// project
#include "clone/messages.h"

namespace transfer {

CGetDataDlg::CGetDataDlg(QWidget* parent, std::chrono::milliseconds silenceLimit)
    : TransferDialog(QStringLiteral("Get data from"),
                     {QStringLiteral("1. Insert cable into the Data jack on the back of the radio"),
                      QStringLiteral("2. Press and hold the [MHZ(PRI)] key while turning on the power"),
                      QStringLiteral("3. Rotate the Dial to  F-7 CLONE"),
                      QStringLiteral("4. Press and hold the [BAND(Set)] key while CLONE mode begins"),
                      QStringLiteral("5. Press the [V/M (MW)] key to start clone Tx")},
                     kHelpRead, parent),
      silenceLimit_(silenceLimit)
{
    CancelButton()->setDefault(true);
    // The port is opened once the dialog runs, so that ending with -1 ends it.
    QTimer::singleShot(0, this, &CGetDataDlg::Begin);
}

void CGetDataDlg::Begin()
{
    if (!OpenPort())
        return;
    auto reader = std::make_unique<CloneReader>(Port(), silenceLimit_);
    reader_ = reader.get();
    Run(std::move(reader));
}

void CGetDataDlg::Finished()
{
    if (GetOutcome() == Outcome::Done)
        received_ = reader_->Received();
    else
        ShowFailure(GetFailure(), this);
    done(kResultDone);
}

} // namespace transfer
