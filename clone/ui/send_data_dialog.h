#pragma once
// CSendDataDlg, "Send data to": writes a stream built for the radio
// (BuildRadioStream) to the radio in clone-receive mode, byte for byte.
// Opening the dialog chooses and opens the port; OK starts the transfer and
// stays disabled while it runs. Every ending of a started
// transfer gives result 1; refusals, time-outs and port failures are shown here.

// project
#include "clone/prepare.h"
#include "clone/ui/transfer_dialog.h"
#include "clone/writer.h"

namespace transfer {

inline constexpr int kHelpWrite = 106;

class CSendDataDlg : public TransferDialog {
    Q_OBJECT
public:
    // answerLimit: how long the radio may take to answer a block.
    explicit CSendDataDlg(const Stream& toSend, QWidget* parent = nullptr,
                          std::chrono::milliseconds answerLimit = CloneWriter::kAnswerLimit);

    QPushButton* OkButton() const { return ok_; }
    const Stream& ToSend() const { return stream_; }

protected:
    void Finished() override;

private:
    void Prepare();
    void Start();

    Stream stream_;
    std::chrono::milliseconds answerLimit_;
    QPushButton* ok_ = nullptr;
};

} // namespace transfer
