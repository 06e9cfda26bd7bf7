#pragma once
// "Sort": the first and second sort key, "Sort Mode" and "Channel Sort
// Selectioin", OK and Cancel. The dialog works on its own copy of the record
// and ends with 0 for OK, -1 for Cancel.

#include "portkit/portkit_c.h"

// Qt
#include <QDialog>

class QComboBox;
class QRadioButton;

namespace portkit {

class SortDialog : public QDialog {
public:
    // Shows the first work.nCount names of work and writes the choice into it on OK.
    SortDialog(SortOptions& work, QWidget* parent);

    QComboBox* FirstKey() const { return firstKey_; }
    QComboBox* SecondKey() const { return secondKey_; }
    QRadioButton* Ascending() const { return ascending_; }
    QRadioButton* Descending() const { return descending_; }
    QRadioButton* Selected() const { return selected_; }
    QRadioButton* AllChannels() const { return all_; }

    void accept() override;
    void reject() override;

private:
    void Place();

    SortOptions& work_;
    QComboBox* firstKey_;
    QComboBox* secondKey_;
    QRadioButton* ascending_;
    QRadioButton* descending_;
    QRadioButton* selected_;
    QRadioButton* all_;
};

// The position of the entry whose text the box shows, or -1 when the typed
// text matches no entry.
int SelectedEntry(const QComboBox& box);

// Sort for the C entry: clears a working copy, takes nCount and the names,
// runs the dialog over parent (when a QApplication can show it), copies the
// working copy back. True for OK; false without a record or a QApplication.
bool RunSort(void* parent, SortOptions* options);

} // namespace portkit
