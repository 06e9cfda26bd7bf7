#pragma once
// CSendDataDlg, "Send data to": writes a stream built for the radio
// (BuildRadioStream) to the radio in clone-receive mode, byte for byte.
// Opening the dialog chooses and opens the port; OK starts the transfer and
// stays disabled while it runs. Every ending of a started
// transfer gives result 1; refusals, time-outs and port failures are shown here.
//
// Before OK the dialog says what the write will change compared with the
// newest kept read of the radio (Details lists it). A good write leaves the
// dialog open with Verify and Close: Verify reads the radio back through
// "Get data from" and compares what came back with what was sent, the
// document untouched and nothing kept.

// Qt
#include <QPointer>

// std
#include <vector>

// project
#include "clone/prepare.h"
#include "radio/image_diff.h"
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
    QPushButton* DetailsButton() const { return details_; }
    QPushButton* VerifyButton() const { return verify_; }
    // The comparison's line: before the write, after it, after Verify.
    QLabel* SummaryLabel() const { return summary_; }
    // What Details lists now.
    const std::vector<radio::Difference>& Differences() const { return differences_; }
    const Stream& ToSend() const { return stream_; }
    // A good write ended: the dialog offers Verify.
    bool Sent() const { return sent_; }

signals:
    // The write ended well; the dialog now offers Verify.
    void sent();

protected:
    void Finished() override;
    void reject() override;

private:
    void Prepare();
    void Start();
    void Verify();
    void ShowDetails();
    void ShowComparison(const QString& text, std::vector<radio::Difference> differences);

    Stream stream_;
    std::chrono::milliseconds answerLimit_;
    QPushButton* ok_ = nullptr;
    QPushButton* details_ = nullptr;
    QPushButton* verify_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<radio::Difference> differences_;
    QString detailsTitle_;
    QPointer<QWidget> detailsWindow_;
    bool sent_ = false;
};

} // namespace transfer
