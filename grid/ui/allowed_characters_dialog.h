#pragma once
// CAllowedCharactersDlg: the small modeless "Allowed Characters" window of
// the View menu. It lists the 64 characters a channel name may hold, in six
// lines (digits, letters, then the punctuation in four lines); editing goes on
// while it is open.

// Qt
#include <QDialog>

// std
#include <string>

class QLabel;

namespace grid {

// The six lines of the list, built from the radio's character set.
std::string AllowedCharactersText();

class CAllowedCharactersDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAllowedCharactersDlg(QWidget* parent = nullptr);

    QLabel* List() const { return list_; }

private:
    QLabel* list_;
};

} // namespace grid
