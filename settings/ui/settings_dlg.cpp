#include "settings/ui/settings_dlg.h"

// Project
#include "platform/gui/file_dialog.h"
#include "platform/gui/help.h"
#include "radio/settings_controls.h"
#include "radio/settings_text.h"
#include "settings/settings_groups.h"
#include "settings/ui/dtmf_dlg.h"

// Qt
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

// Standard library
#include <algorithm>
#include <vector>

namespace {

constexpr const char* kFileFilter = "Radio Setting Files (*.rsf)";
constexpr int kGroupColumns = 3;
constexpr int kCwIdCheckId = 1031; // the check box that turns the CW ID on

// The CW ID takes the radio's own characters only, shown in upper case as
// they are typed, six at most.
class CwIdValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        input = input.toUpper();
        for (const QChar c : input) {
            if (c.unicode() > 0xFF)
                return Invalid;
        }
        return radio::IsValidCwId(input.toLatin1().toStdString()) ? Acceptable : Invalid;
    }
};

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The file dialogs of Open and Save As.
std::string AskWithFileDialog(QWidget* parent, bool save, const std::string& folder)
{
    QFileDialog dialog(parent);
    dialog.setNameFilter(QString::fromLatin1(kFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("rsf"));
    if (!folder.empty())
        dialog.setDirectory(QString::fromLocal8Bit(folder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return platform::RunFileDialog(dialog).toLocal8Bit().toStdString();
}

} // namespace

CSettingsDlg::CSettingsDlg(radio::SettingsRecord& record, const radio::RadioImage& image,
                           const std::string& sourceName, QWidget* parent)
    : QDialog(parent), session_(record, *this)
{
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMenu());
    layout->addWidget(BuildGroups());
    session_.OpenFor(image, sourceName);
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::SetTieHandler(settings::SettingsSession::TieHandler tie)
{
    session_.SetTieHandler(std::move(tie));
}

QMenuBar* CSettingsDlg::BuildMenu()
{
    struct Entry {
        int id;
        const char* text;
        QKeySequence key;
    };
    const Entry file[] = {
        {settings_cmd::New, "&New", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {settings_cmd::Open, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {settings_cmd::Save, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {settings_cmd::SaveAs, "Save &As...", QKeySequence()},
        {0, nullptr, QKeySequence()},
        {settings_cmd::Exit, "E&xit", QKeySequence()},
    };
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    const auto add = [this](QMenu* to, const Entry& entry) {
        QAction* action = to->addAction(QString::fromLatin1(entry.text));
        action->setData(entry.id);
        action->setShortcut(entry.key);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { OnCommand(id); });
        actions_[entry.id] = action;
    };
    for (const Entry& entry : file) {
        if (entry.text == nullptr)
            menu->addSeparator();
        else
            add(menu, entry);
    }
    add(bar->addMenu(QStringLiteral("&Help")), {settings_cmd::Contents, "Contents", QKeySequence()});
    return bar;
}

QWidget* CSettingsDlg::BuildGroups()
{
    auto* area = new QWidget(this);
    auto* columns = new QHBoxLayout(area);
    columns->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* column[kGroupColumns];
    std::vector<QWidget*> labels[kGroupColumns];
    for (QVBoxLayout*& c : column) {
        c = new QVBoxLayout;
        columns->addLayout(c, 1);
    }
    for (const settings::SettingsGroup& group : settings::SettingsGroups())
        column[group.column]->addWidget(BuildGroup(group, labels[group.column]));
    for (int c = 0; c < kGroupColumns; ++c) {
        column[c]->addStretch(1);
        // One label width per column, so the fields of its groups line up.
        int width = 0;
        for (QWidget* label : labels[c])
            width = std::max(width, label->sizeHint().width());
        for (QWidget* label : labels[c])
            label->setMinimumWidth(width);
    }
    return area;
}

QGroupBox* CSettingsDlg::BuildGroup(const settings::SettingsGroup& group, std::vector<QWidget*>& labels)
{
    auto* box = new QGroupBox(QString::fromLatin1(group.title), this);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const int id : group.ids) {
        QWidget* widget = MakeControl(id);
        const radio::SettingControl* control = radio::FindSettingControl(id);
        if (id == kCwIdCheckId)
            continue; // placed with the CW ID text, which follows it
        if (id == radio::kCwIdEditId)
            form->addRow(Control(kCwIdCheckId), widget);
        else if (control != nullptr && control->kind == radio::ControlKind::Combo)
            form->addRow(Latin1(control->label), widget);
        else
            form->addRow(widget);
        if (QWidget* label = form->labelForField(widget))
            labels.push_back(label);
    }
    return box;
}

QWidget* CSettingsDlg::MakeControl(int id)
{
    QWidget* widget = nullptr;
    if (id == radio::kCwIdEditId) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(static_cast<int>(radio::kCwIdMaxLength));
        edit->setValidator(new CwIdValidator(edit));
        widget = edit;
    } else if (id == radio::kDtmfButtonId) {
        auto* button = new QPushButton(QStringLiteral("DTMF"), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, &CSettingsDlg::OpenDtmf);
        widget = button;
    } else if (const radio::SettingControl* control = radio::FindSettingControl(id)) {
        widget = MakeTableControl(*control);
    }
    if (widget != nullptr) {
        widget->setObjectName(QString::number(id));
        controls_[id] = widget;
    }
    return widget;
}

QWidget* CSettingsDlg::MakeTableControl(const radio::SettingControl& control)
{
    if (control.kind == radio::ControlKind::Check)
        return new QCheckBox(Latin1(control.label), this);
    auto* combo = new QComboBox(this);
    for (const std::string& item : control.items)
        combo->addItem(Latin1(item));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QWidget* CSettingsDlg::Control(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QAction* CSettingsDlg::Action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

radio::SettingsControlValues CSettingsDlg::ReadControls() const
{
    radio::SettingsControlValues values;
    for (const radio::SettingControl& control : radio::SettingsDialogControls()) {
        QWidget* widget = Control(control.id);
        if (const auto* check = qobject_cast<const QCheckBox*>(widget))
            values.choices[control.id] = check->isChecked() ? 1 : 0;
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            values.choices[control.id] = combo->currentIndex();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(Control(radio::kCwIdEditId)))
        values.cwId = edit->text().toLatin1().toStdString();
    return values;
}

void CSettingsDlg::ShowControls(const radio::SettingsControlValues& values)
{
    for (const auto& [id, value] : values.choices) {
        QWidget* widget = Control(id);
        if (auto* check = qobject_cast<QCheckBox*>(widget))
            check->setChecked(value == 1);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            combo->setCurrentIndex(value);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(Control(radio::kCwIdEditId)))
        edit->setText(Latin1(values.cwId));
}

void CSettingsDlg::ShowTitle(const std::string& title)
{
    setWindowTitle(QString::fromLocal8Bit(title));
}

std::string CSettingsDlg::AskOpenPath(const std::string& folder)
{
    return asker_ ? asker_(false, folder) : AskWithFileDialog(this, false, folder);
}

std::string CSettingsDlg::AskSavePath(const std::string& folder)
{
    return asker_ ? asker_(true, folder) : AskWithFileDialog(this, true, folder);
}

void CSettingsDlg::OnCommand(int id)
{
    switch (id) {
    case settings_cmd::New:
        session_.New();
        break;
    case settings_cmd::Open:
        session_.Open();
        break;
    case settings_cmd::Save:
        session_.Save();
        break;
    case settings_cmd::SaveAs:
        session_.SaveAs();
        break;
    case settings_cmd::Exit:
        reject();
        break;
    case settings_cmd::Contents:
        platform::ShowHelp(settings_cmd::kHelpContext, this);
        break;
    default:
        break;
    }
}

void CSettingsDlg::reject()
{
    if (session_.Exit())
        QDialog::reject();
}

void CSettingsDlg::OpenDtmf()
{
    CDtmfDlg dtmf(session_.WorkingBlock(), this);
    dtmf.exec();
}
