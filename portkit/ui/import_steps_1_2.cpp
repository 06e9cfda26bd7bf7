// Steps 1 and 2 of the import wizard: rows to skip, delimiter and qualifier.

#include "portkit/ui/import_wizard.h"

// portkit
#include "portkit/ui/import_table_model.h"

// Qt
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace portkit {

// ---- step 1 ------------------------------------------------------------------------------

CImportStep1::CImportStep1(ImportSession& session, QWidget* parent)
    : QWizardPage(parent), session_(session), model_(new ImportTableModel(this)),
      view_(MakeImportTableView(this)), skip_(new QSpinBox(this))
{
    view_->setModel(model_);
    skip_->setObjectName(QStringLiteral("skip"));
    if (auto* edit = skip_->findChild<QLineEdit*>())
        edit->setReadOnly(true); // only the arrows change it
    const int lines = static_cast<int>(session_.lines.size());
    skip_->setRange(0, std::max(lines - 1, 0));
    skip_->setValue(0);

    auto* text = new QLabel(QStringLiteral("Select rows from begining of list to skip on import"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(text);
    row->addWidget(skip_);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(view_, 1);

    // Up drops the top row, Down puts the last skipped line back.
    connect(skip_, &QSpinBox::valueChanged, this, [this](int value) {
        session_.userSkip = static_cast<std::size_t>(value);
        Show();
    });
}

void CImportStep1::Activate()
{
    Show();
}

void CImportStep1::Show()
{
    const SplitOptions whole{'\0', false, false, '"'};
    model_->SetTable(BuildImportTable(session_.lines, session_.userSkip, whole), false);
    FitImportColumns(*view_, *model_);
}

// ---- step 2 ------------------------------------------------------------------------------

namespace {

QRadioButton* AddDelimiter(const char* text, const char* name, QGroupBox* box, QButtonGroup* group)
{
    auto* button = new QRadioButton(QLatin1String(text), box);
    button->setObjectName(QLatin1String(name));
    group->addButton(button);
    return button;
}

} // namespace

CImportStep2::CImportStep2(ImportSession& session, QWidget* parent)
    : QWizardPage(parent), session_(session), model_(new ImportTableModel(this)),
      view_(MakeImportTableView(this))
{
    view_->setModel(model_);
    auto* box = new QGroupBox(QStringLiteral("Delimiters"), this);
    auto* group = new QButtonGroup(this);
    tab_ = AddDelimiter("Tab", "tab", box, group);
    semicolon_ = AddDelimiter("Se&micolon", "semicolon", box, group);
    comma_ = AddDelimiter("&Comma", "comma", box, group);
    space_ = AddDelimiter("&Space", "space", box, group);
    otherButton_ = AddDelimiter("&Other", "other", box, group);
    other_ = new QLineEdit(box);
    other_->setObjectName(QStringLiteral("otherText"));
    other_->setMaxLength(1);
    other_->setFixedWidth(other_->fontMetrics().averageCharWidth() * 4);
    consecutive_ = new QCheckBox(QStringLiteral("T&reat consecutive delimiter as one"), this);
    consecutive_->setObjectName(QStringLiteral("consecutive"));
    qualifier_ = new QComboBox(this);
    qualifier_->setObjectName(QStringLiteral("qualifier"));
    qualifier_->addItems({QStringLiteral("{None}"), QStringLiteral("\""), QStringLiteral("'")});

    auto* buttons = new QHBoxLayout(box);
    for (QWidget* w :
         {static_cast<QWidget*>(tab_), static_cast<QWidget*>(semicolon_), static_cast<QWidget*>(comma_),
          static_cast<QWidget*>(space_), static_cast<QWidget*>(otherButton_), static_cast<QWidget*>(other_)})
        buttons->addWidget(w);
    buttons->addStretch(1);
    auto* qualifierRow = new QHBoxLayout;
    qualifierRow->addWidget(consecutive_);
    qualifierRow->addSpacing(24);
    qualifierRow->addWidget(new QLabel(QStringLiteral("Text Qualifier"), this));
    qualifierRow->addWidget(qualifier_);
    qualifierRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select field delimiters."), this));
    layout->addWidget(box);
    layout->addLayout(qualifierRow);
    layout->addWidget(view_, 1);

    // The delimiter that splits the file's heading line, and the double quote
    // when a field opens with one, so that an exported file reads back as written.
    session_.split = SniffImportFile(session_.lines, session_.Names()).split;
    Delimiter(session_.split.delimiter)->setChecked(true);
    qualifier_->setCurrentIndex(session_.split.useQualifier ? 1 : 0);

    connect(tab_, &QRadioButton::clicked, this, [this] { OnDelimiter('\t'); });
    connect(semicolon_, &QRadioButton::clicked, this, [this] { OnDelimiter(';'); });
    connect(comma_, &QRadioButton::clicked, this, [this] { OnDelimiter(','); });
    connect(space_, &QRadioButton::clicked, this, [this] { OnDelimiter(' '); });
    connect(otherButton_, &QRadioButton::clicked, this, [this] {
        if (!other_->text().isEmpty())
            OnDelimiter(other_->text().at(0).toLatin1());
    });
    connect(other_, &QLineEdit::textEdited, this, &CImportStep2::OnOtherEdited);
    connect(consecutive_, &QCheckBox::clicked, this, [this](bool on) {
        session_.split.consecutive = on;
        Rebuild();
    });
    connect(qualifier_, &QComboBox::currentIndexChanged, this, &CImportStep2::OnQualifier);
}

QRadioButton* CImportStep2::Delimiter(char c) const
{
    switch (c) {
    case '\t':
        return tab_;
    case ';':
        return semicolon_;
    case ',':
        return comma_;
    case ' ':
        return space_;
    default:
        return otherButton_;
    }
}

void CImportStep2::Activate()
{
    Rebuild();
}

void CImportStep2::Rebuild()
{
    model_->SetTable(session_.Table(), false);
    FitImportColumns(*view_, *model_);
}

void CImportStep2::OnDelimiter(char c)
{
    session_.split.delimiter = c;
    Rebuild();
}

void CImportStep2::OnOtherEdited(const QString& text)
{
    // Typing a delimiter chooses "Other", so the buttons always say what splits.
    otherButton_->setChecked(true);
    OnDelimiter(text.isEmpty() ? '\0' : text.at(0).toLatin1());
}

void CImportStep2::OnQualifier(int index)
{
    session_.split.useQualifier = index > 0;
    session_.split.qualifier = index == 2 ? '\'' : '"';
    Rebuild();
}

} // namespace portkit
