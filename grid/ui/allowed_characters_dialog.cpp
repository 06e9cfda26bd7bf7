#include "grid/ui/allowed_characters_dialog.h"

// project
#include "radio/lists.h"

// Qt
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

// std
#include <cstring>

namespace grid {
namespace {

constexpr std::size_t kDigits = 10;
constexpr std::size_t kLetters = 26;
constexpr std::size_t kPunctuationLines = 4;

} // namespace

std::string AllowedCharactersText()
{
    const std::string set = radio::kNameCharset;
    const std::string punctuation = set.substr(kDigits + kLetters);
    std::string text = set.substr(0, kDigits) + '\n' + set.substr(kDigits, kLetters);
    const std::size_t perLine = (punctuation.size() + kPunctuationLines - 1) / kPunctuationLines;
    for (std::size_t i = 0; i < punctuation.size(); ++i) {
        text += i % perLine == 0 ? '\n' : ' ';
        // The space is a character too: named, as nobody sees it.
        text += punctuation[i] == ' ' ? std::string("Space") : std::string(1, punctuation[i]);
    }
    return text;
}

CAllowedCharactersDlg::CAllowedCharactersDlg(QWidget* parent)
    : QDialog(parent), list_(new QLabel(QString::fromLatin1(AllowedCharactersText()), this))
{
    setWindowTitle(QStringLiteral("Allowed Characters"));
    setModal(false);
    QFont fixed = list_->font();
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("Monospace"));
    list_->setFont(fixed);
    list_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

} // namespace grid
