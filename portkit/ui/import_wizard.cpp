#include "portkit/ui/import_wizard.h"

// platform
#include "platform/gui/help.h"
#include "platform/prompt.h"

// std
#include <array>
#include <string>

// Qt
#include <QApplication>

namespace portkit {
namespace {

constexpr int kFirstHelpContext = 200;

constexpr std::array<const char*, 4> kTitles = {"Import Step 1 of 4", "Import Step 2 of 4",
                                                "Import Step 3 of 4", "Import Step 4 of 4"};

// Library-wide, as the wizard is: only one import runs at a time.
std::vector<int>& Finished()
{
    static std::vector<int> assignment;
    return assignment;
}

ImportCounter& Counter()
{
    static ImportCounter counter;
    return counter;
}

} // namespace

void SetCounter(const ImportCounter& counter)
{
    Counter() = counter;
}

ImportWizard::ImportWizard(ImportSession& session, QWidget* parent)
    : QWizard(parent), step1_(new CImportStep1(session, this)), step2_(new CImportStep2(session, this)),
      step3_(new CImportStep3(session, this)), step4_(new CImportStep4(session, this))
{
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, true);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setPage(Step1, step1_);
    setPage(Step2, step2_);
    setPage(Step3, step3_);
    setPage(Step4, step4_);
    setStartId(Step1);
    resize(640, 480);
    showHelp = [this](int context) { platform::ShowHelp(context, this); };
    connect(this, &QWizard::helpRequested, this, [this] {
        if (showHelp)
            showHelp(kFirstHelpContext + currentId());
    });
    connect(this, &QWizard::currentIdChanged, this, &ImportWizard::OnPageChanged);
}

void ImportWizard::OnPageChanged(int id)
{
    if (id < Step1 || id > Step4)
        return;
    setWindowTitle(QLatin1String(kTitles[static_cast<std::size_t>(id)]));
    switch (id) {
    case Step1:
        step1_->Activate();
        break;
    case Step2:
        step2_->Activate();
        break;
    case Step3:
        step3_->Activate();
        break;
    default:
        step4_->Activate();
        break;
    }
}

bool RunImport(const ImportDataStruct* data, const char* const* names, const int* widths, const char* path,
               ImportRowCallback callback)
{
    Finished().clear();
    if (data == nullptr || path == nullptr)
        return false;
    ImportSession session(*data, names, widths, callback);
    session.SetCounter(Counter());
    if (!ReadImportFile(path, session.lines)) {
        platform::ShowMessage(std::string("An error occurred file tring to open the file: \n") + path,
                              "Import Error", platform::Icon::None, platform::Buttons::Ok);
        return false;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    ImportWizard wizard(session, nullptr);
    if (wizard.exec() != QDialog::Accepted)
        return false;
    Finished() = session.assignment;
    return true;
}

const std::vector<int>& FinishedAssignment()
{
    return Finished();
}

} // namespace portkit
