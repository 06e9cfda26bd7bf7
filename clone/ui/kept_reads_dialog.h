#pragma once
// KeptReadsDialog, "Kept Reads": the reads of the radio kept on this
// computer, newest first, with their date, time, memories in use and how many
// differences they have to the active document. Open and Compare end the
// dialog with the chosen read for the caller to carry out; Delete removes a
// read after asking; "Reads kept" sets how many are kept (asking first when
// that removes reads).

// Qt
#include <QDialog>

// std
#include <functional>
#include <string>
#include <vector>

// project
#include "clone/kept_reads.h"

class QPushButton;
class QSpinBox;
class QTableWidget;

namespace transfer {

class KeptReadsDialog : public QDialog {
    Q_OBJECT
public:
    // The number of differences between a kept read and the active document,
    // -1 when it cannot be told.
    using DifferenceCount = std::function<int(const KeptRead&)>;
    enum class Choice { None, Open, Compare };

    explicit KeptReadsDialog(DifferenceCount count, QWidget* parent = nullptr);

    Choice Chosen() const { return chosen_; }
    // The read chosen by Open or Compare.
    const KeptRead& ChosenRead() const { return reads_[static_cast<std::size_t>(chosenRow_)]; }

    QTableWidget* List() const { return list_; }
    QPushButton* OpenButton() const { return open_; }
    QPushButton* CompareButton() const { return compare_; }
    QPushButton* DeleteButton() const { return delete_; }
    QSpinBox* LimitBox() const { return limit_; }

private:
    void Fill();
    void UpdateButtons();
    int CurrentRow() const;
    void Choose(Choice choice);
    void DeleteCurrent();
    void SetLimit();

    DifferenceCount count_;
    std::vector<KeptRead> reads_;
    Choice chosen_ = Choice::None;
    int chosenRow_ = -1;
    QTableWidget* list_;
    QPushButton* open_;
    QPushButton* compare_;
    QPushButton* delete_;
    QSpinBox* limit_;
};

} // namespace transfer
