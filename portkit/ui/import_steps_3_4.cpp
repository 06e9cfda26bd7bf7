// Steps 3 and 4 of the import wizard: column names, then rows, start and Finish.

#include "portkit/ui/import_wizard.h"

// portkit
#include "portkit/ui/import_table_model.h"

// platform
#include "platform/prompt.h"

// Qt
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace portkit {
namespace {

constexpr const char* kImportError = "Import Error";

QString HeaderFor(const ImportSession& session, int assignment, const char* ignore)
{
    if (assignment < 1 || assignment > static_cast<int>(session.Names().size()))
        return QLatin1String(ignore);
    return QString::fromLatin1(session.Names()[static_cast<std::size_t>(assignment) - 1]);
}

bool AskCancelImport(const char* text, QWidget* owner)
{
    return platform::ShowMessage(text, kImportError, platform::Icon::Error, platform::Buttons::YesNo,
                                 owner) == platform::Answer::Yes;
}

QLabel* NumberLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 6);
    return label;
}

} // namespace

// ---- step 3 ------------------------------------------------------------------------------

CImportStep3::CImportStep3(ImportSession& session, QWidget* parent)
    : QWizardPage(parent), session_(session), model_(new ImportTableModel(this)),
      view_(MakeImportTableView(this)), names_(new QComboBox(this)), column_(new QLabel(this))
{
    view_->setModel(model_);
    view_->horizontalHeader()->setSectionsClickable(true);
    names_->setObjectName(QStringLiteral("names"));
    names_->addItem(QStringLiteral("Ignore"));
    for (const std::string& name : session_.Names())
        names_->addItem(QString::fromLatin1(name));
    column_->setObjectName(QStringLiteral("column"));
    column_->setMinimumWidth(column_->fontMetrics().averageCharWidth() * 10);

    auto* help = new QLabel(QStringLiteral("Click on column header to select.\n\n"
                                           "Then select the column name from the dropdown list.\n\n"
                                           "To skip a column during import set header to \"ingore\"."),
                            this);
    auto* top = new QHBoxLayout;
    top->addWidget(help, 1);
    auto* chooser = new QVBoxLayout;
    chooser->addWidget(column_);
    chooser->addWidget(names_);
    chooser->addStretch(1);
    top->addLayout(chooser);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);

    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CImportStep3::SelectColumn);
    connect(names_, &QComboBox::activated, this, &CImportStep3::OnNameChosen);
}

void CImportStep3::Activate()
{
    // Built once per run; again only when the rows or the split changed since,
    // because the columns then are not the ones assigned.
    const SplitOptions& split = session_.split;
    if (built_ && builtSkip_ == session_.userSkip && builtSplit_.delimiter == split.delimiter &&
        builtSplit_.consecutive == split.consecutive && builtSplit_.useQualifier == split.useQualifier &&
        builtSplit_.qualifier == split.qualifier)
        return;
    built_ = true;
    builtSkip_ = session_.userSkip;
    builtSplit_ = split;
    selected_ = -1;
    column_->clear();
    model_->SetTable(session_.BuildColumnTable(), false);
    QStringList headers;
    for (const int a : session_.assignment)
        headers.append(HeaderFor(session_, a, "Ingore"));
    model_->SetHeaders(headers);
    FitImportColumns(*view_, *model_);
}

void CImportStep3::SelectColumn(int column)
{
    if (column < 0 || column >= static_cast<int>(session_.assignment.size()))
        return;
    selected_ = column;
    column_->setText(QStringLiteral("Column %1").arg(column + 1));
    names_->setCurrentIndex(session_.assignment[static_cast<std::size_t>(column)]);
    model_->SetHeader(column, QString());
}

void CImportStep3::OnNameChosen(int index)
{
    if (selected_ < 0)
        return;
    session_.assignment[static_cast<std::size_t>(selected_)] = index;
    model_->SetHeader(selected_, names_->itemText(index));
}

bool CImportStep3::validatePage()
{
    if (const char* problem = CheckAssignment(session_.assignment)) {
        platform::ShowMessage(problem, kImportError, platform::Icon::None, platform::Buttons::Ok, this);
        return false;
    }
    return true;
}

// ---- step 4 ------------------------------------------------------------------------------

CImportStep4::CImportStep4(ImportSession& session, QWidget* parent)
    : QWizardPage(parent), session_(session), model_(new ImportTableModel(this)),
      view_(MakeImportTableView(this)), start_(new QSpinBox(this)),
      available_(NumberLabel("available", this)), total_(NumberLabel("total", this)),
      selected_(NumberLabel("selected", this)),
      overwrite_(new QCheckBox(QStringLiteral("Overwrite existing channels"), this)), counts_(new QLabel(this))
{
    // What Finish would do, as the caller counts it.
    counts_->setObjectName(QStringLiteral("counts"));
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    view_->setModel(model_);
    start_->setObjectName(QStringLiteral("start"));
    const ImportDataStruct& data = session_.Data();
    start_->setRange(data.nFirstChannel, std::max(data.nFirstChannel, data.nLastChannel));
    overwrite_->setObjectName(QStringLiteral("overwrite"));
    auto* selectAll = new QPushButton(QStringLiteral("Select All"), this);
    auto* deselectAll = new QPushButton(QStringLiteral("Deselect All"), this);
    selectAll->setObjectName(QStringLiteral("selectAll"));
    deselectAll->setObjectName(QStringLiteral("deselectAll"));
    selectAll->setAutoDefault(false);
    deselectAll->setAutoDefault(false);

    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel(QStringLiteral("Starting radio memory"), this), 0, 0);
    counts->addWidget(start_, 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("Available Channels:"), this), 1, 0);
    counts->addWidget(available_, 1, 1);
    counts->addWidget(new QLabel(QStringLiteral("Total Channels:"), this), 2, 0);
    counts->addWidget(total_, 2, 1);
    counts->addWidget(new QLabel(QStringLiteral("Channels Selected:"), this), 3, 0);
    counts->addWidget(selected_, 3, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(overwrite_);
    side->addWidget(selectAll);
    side->addWidget(deselectAll);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(counts);
    top->addStretch(1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(counts_);
    layout->addWidget(view_, 1);

    connect(overwrite_, &QCheckBox::clicked, this, &CImportStep4::ShowAvailable);
    connect(start_, &QSpinBox::valueChanged, this, &CImportStep4::ShowAvailable);
    connect(model_, &QAbstractItemModel::dataChanged, this, &CImportStep4::ShowSelected);
    connect(selectAll, &QPushButton::clicked, this, [this] { model_->TickAll(true); });
    connect(deselectAll, &QPushButton::clicked, this, [this] { model_->TickAll(false); });
}

void CImportStep4::Activate()
{
    const ImportDataStruct& data = session_.Data();
    model_->SetTable(session_.Table(), true);
    QStringList headers;
    for (const int a : session_.assignment)
        headers.append(HeaderFor(session_, a, "Ignore"));
    model_->SetHeaders(headers);
    FitImportColumns(*view_, *model_);
    const QSignalBlocker quiet(start_);
    start_->setValue(data.nFirstChannel);
    available_->setNum(data.nAvailable);
    total_->setNum(data.nLastChannel);
    counts_->setVisible(session_.HasCounter());
    ShowSelected();
}

void CImportStep4::ShowAvailable()
{
    const ImportDataStruct& data = session_.Data();
    const int bound = overwrite_->isChecked() ? data.nLastChannel : data.nAvailable;
    available_->setNum(bound - start_->value() + 1);
    ShowCounts();
}

void CImportStep4::ShowSelected()
{
    selected_->setNum(model_->TickedCount());
    ShowCounts();
}

void CImportStep4::ShowCounts()
{
    if (session_.HasCounter())
        counts_->setText(QString::fromUtf8(
            session_.Counts(model_->Table(), model_->Ticks(), start_->value(), overwrite_->isChecked())));
}

bool CImportStep4::validatePage()
{
    const int selected = model_->TickedCount();
    if (selected == 0)
        return AskCancelImport("No channels are selected!\nDo you wish to cancel importing?", this);
    if (selected > available_->text().toInt())
        return AskCancelImport(
            "More channels were selected than are available!\nDo you wish to cancel importing?", this);
    handed_ = session_.HandOver(model_->Table(), model_->Ticks(), start_->value(), overwrite_->isChecked());
    return true;
}

} // namespace portkit
