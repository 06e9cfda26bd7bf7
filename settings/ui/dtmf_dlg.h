#pragma once
// CDtmfDlg: the 16 DTMF memories in a grid of 16 rows, with the DTMF delay and
// speed. It edits the Settings dialog's working copy of the settings block;
// OK stores every row and both choices into it, Cancel changes nothing.

// Project
#include "radio/settings_record.h"

// Qt
#include <QDialog>

// Standard library
#include <map>
#include <memory>

namespace grid {
class CSpreadSheet1;
class GridView;
}

class QComboBox;

class CDtmfDlg final : public QDialog {
    Q_OBJECT
public:
    CDtmfDlg(radio::SettingsBlock& block, QWidget* parent = nullptr);
    ~CDtmfDlg() override;

    grid::GridView& Grid() { return *view_; }
    grid::CSpreadSheet1& Sheet() { return *sheet_; }
    // The delay (1129) or speed (1130) combo box.
    QComboBox* Combo(int id) const;

    void accept() override;

private:
    void SetUpSheet();
    QWidget* BuildChoices();

    radio::SettingsBlock& block_;
    std::unique_ptr<grid::CSpreadSheet1> sheet_;
    grid::GridView* view_ = nullptr;
    std::map<int, QComboBox*> combos_;
};
