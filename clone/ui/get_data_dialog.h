#pragma once
// CGetDataDlg, "Get data from": reads the radio's image while the radio is in
// clone-transmit mode. It starts by itself once the port is open; there is no
// OK button. A good read leaves the stream in Received(); a wrong checksum,
// a time-out or a failed port is shown here and leaves Succeeded() false.

// project
#include "clone/reader.h"
#include "clone/ui/transfer_dialog.h"

namespace transfer {

inline constexpr int kHelpRead = 105;

class CGetDataDlg : public TransferDialog {
    Q_OBJECT
public:
    // silenceLimit: how long the radio may fall silent once it has begun.
    explicit CGetDataDlg(QWidget* parent = nullptr,
                         std::chrono::milliseconds silenceLimit = CloneReader::kSilenceLimit);

    bool Succeeded() const { return GetOutcome() == Outcome::Done; }
    const CloneReader::Stream& Received() const { return received_; }

protected:
    void Finished() override;

private:
    void Begin();

    std::chrono::milliseconds silenceLimit_;
    CloneReader* reader_ = nullptr;
    CloneReader::Stream received_{};
};

} // namespace transfer
