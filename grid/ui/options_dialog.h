#pragma once
// COptionsDlg: the "Options" dialog of the View menu. It shows the stored
// column options (the frozen column count and one box per column that can be
// hidden) and writes them back on OK; Help opens the page of context 108.
// Applying the options to the sheets is the caller's, after OK and Cancel alike.

// Qt
#include <QDialog>

// std
#include <map>

// project
#include "grid/column_options.h"

class QCheckBox;
class QSpinBox;

namespace grid {

inline constexpr int kOptionsHelpContext = 108;

class COptionsDlg final : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    QSpinBox* FreezeBox() const { return freeze_; }
    // The box of a channel column (2..34), nullptr for others.
    QCheckBox* ColumnBox(int col) const;
    // The options as the dialog's controls say.
    ColumnOptions Options() const;

    void accept() override;

private:
    QSpinBox* freeze_;
    std::map<int, QCheckBox*> boxes_;
};

} // namespace grid
